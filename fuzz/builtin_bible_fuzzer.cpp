// The reader of the built-in marker files on any file: every request ends, without harm.
#include "bible_request.h"
#include "bible_test_support.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TFuzzRequest request(data, size);
    const std::string& dir = fuzzsupport::ScratchDir();
    const int part = request.bytes[0] % 3;
    const char* const fileName = part == 0 ? BuiltInOldTFile : part == 1 ? BuiltInNewTFile : BuiltInApocFile;
    fuzzsupport::WriteFile(dir + fileName, request.file, request.fileSize);
    ReaderRig rig(dir, dir);
    TBibleReader& reader = rig.reader;
    const int index = request.bytes[7] % (part == 0 ? 39 : part == 1 ? 27 : 15);
    const std::string name = part == 0 ? BibleBookNamesOldT[index]
                             : part == 1 ? BibleBookNamesNewT[index]
                                         : BuiltInApocBookNames[index];
    rig.controls.oldT = rig.controls.newT = rig.controls.apoc = name;

    if (request.ReadingsRequest()) {
        rig.Map(fileName, part);
        reader.GetPassageText(index, request.StartChapter(), request.StartVerse(), request.EndChapter(),
                              request.EndVerse(), request.Headings(), request.VerseNumbers());
        return 0;
    }
    if (!rig.SearchIn(part))
        return 0;
    int lastVerse = 0;
    reader.GetVerseRange(index, request.Chapter(), lastVerse);
    reader.GetPassageWithReference(index, name, request.StartChapter(), request.StartVerse(),
                                   request.EndChapter(), request.EndVerse());
    if (request.Summary())
        reader.BuildChapterVerseSummary(index, name);
    return 0;
}
