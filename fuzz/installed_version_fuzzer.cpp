// The reader of installed versions on any file: every request ends, without harm.
#include "bible_request.h"
#include "bible_test_support.h"
#include "fuzz_support.h"

namespace {

// Book number 1 to 86 as its part (0 to 2), its index in the part and its name.
struct TBook {
    int part, index;
    std::string name;
};

TBook BookOf(int number)
{
    if (number <= 39) return {0, number - 1, BibleBookNamesOldT[number - 1]};
    if (number <= 66) return {1, number - 40, BibleBookNamesNewT[number - 40]};
    return {2, number - 67, BibleBookNamesApoc[number - 67]};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TFuzzRequest request(data, size);
    const std::string& dir = fuzzsupport::ScratchDir();
    fuzzsupport::WriteFile(dir + "installed.txt", request.file, request.fileSize);
    ReaderRig rig(dir, dir);
    TBibleReader& reader = rig.reader;
    for (std::string* file : {&reader.FOldTReadingsFile, &reader.FNewTReadingsFile, &reader.FApocReadingsFile,
                              &reader.FOldTSearchFile, &reader.FNewTSearchFile, &reader.FApocSearchFile})
        *file = "installed.txt";
    const int number = 1 + request.bytes[0] % 86;
    const TBook book = BookOf(number);
    rig.controls.oldT = rig.controls.newT = rig.controls.apoc = book.name;

    if (request.ReadingsRequest()) {
        rig.Map("installed.txt", book.part);
        reader.GetPassageText(book.index, request.StartChapter(), request.StartVerse(), request.EndChapter(),
                              request.EndVerse(), request.Headings(), request.VerseNumbers());
        return 0;
    }
    if (!rig.SearchIn(book.part))
        return 0;
    std::string first, last;
    reader.GetFirstAndLastChapter(number, first, last);
    int lastVerse = 0;
    reader.UnboundGetLastVerse(number, request.Chapter(), lastVerse);
    reader.GetPassageWithReference(book.index, book.name, request.StartChapter(), request.StartVerse(),
                                   request.EndChapter(), request.EndVerse());
    if (request.Summary())
        reader.BuildChapterVerseSummary(book.index, book.name);
    return 0;
}
