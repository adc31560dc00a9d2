#include "version_scan.h"

#include <QFile>

#include <algorithm>

#include "bible_reader.h"
#include "bible_text.h"
#include "file_mapping.h"

namespace {

struct TPart {
    int first, last;   // book numbers
    char letter;
    const char* const* names;
};
const TPart Parts[3] = {{1, 39, 'O', BibleBookNamesOldT.data()},
                        {40, 66, 'N', BibleBookNamesNewT.data()},
                        {67, 86, 'A', BibleBookNamesApoc.data()}};

// The Old Testament books the daily readings read.
const int OldTReadingsBooks[] = {1, 2, 3, 4, 5, 6, 7, 11, 12, 18, 20, 23, 24, 26, 27, 29, 32, 33, 36, 38, 39};

struct TKnownVersion {
    const char* fileName;
    const char* name;
};
const TKnownVersion KnownUnboundVersions[] = {
    {"asv.txt", "American Standard Version"},
    {"basic_english.txt", "Bible in Basic English"},
    {"darby.txt", "Darby's English Translation"},
    {"douay_rheims.txt", "Douay-Rheims Bible"},
    {"kjv.txt", "King James Version (Unbound)"},
    {"webster.txt", "Webster's Bible"},
    {"web.txt", "World English Bible"},
    {"weymouth_nt.txt", "Weymouth New Testament"},
    {"ylt.txt", "Young's Literal Translation"},
    {"french.txt", "French Louis Segond"},
    {"french_darby.txt", "French Darby"},
    {"luther.txt", "German Luther"},
    {"italian.txt", "Italian Bible"},
    {"portuguese.txt", "Portuguese Bible"},
    {"rumanian.txt", "Romanian Bible"},
    {"spanish.txt", "Spanish Reina Valera"},
    {"spanish_sev.txt", "Spanish Sagradas Escrituras"},
    {"septuagint.txt", "Greek OT (Septuagint/LXX)"},
    {"gothic_AA_Mss.txt", "Gothic Codex Ambrosianus A, and Manuscripts"},
    {"gothic_AB_Car.txt", "Gothic Codices Ambrosianus B, and Carolinus"},
    {"latinv.txt", "Latin Vulgate"},
};

// Whether the daily readings need book `book` (1-86) of its part.
bool NeededForReadings(int book)
{
    if (book <= 39)
        return std::find(std::begin(OldTReadingsBooks), std::end(OldTReadingsBooks), book) !=
               std::end(OldTReadingsBooks);
    if (book <= 66)
        return book != 57 && book != 66;
    return book == 67 || book == 80 || book == 83;
}

} // namespace

TScanResult ScanBibleText(const char* base, uint32_t size)
{
    TScanResult result;
    for (size_t p = 0; p < 3; ++p) {
        const TPart& part = Parts[p];
        result.readingsReady[p] = true;
        result.complete[p] = true;
        for (int book = part.first; book <= part.last; ++book) {
            const std::string key = bibletext::Padded(book, 2) + part.letter + '\t';
            if (TBibleReader::FindInMappedText(base, size, 0, key)) {
                result.hasPart[p] = true;
                result.foundBooks[p] << QString::fromUtf8(part.names[book - part.first]);
            } else {
                result.complete[p] = false;
                if (NeededForReadings(book))
                    result.readingsReady[p] = false;
            }
        }
    }
    return result;
}

TScanFailure ScanBibleFile(const QString& path, TScanResult& result)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TScanFailure::CannotOpen;
    file.close();
    uint32_t size = 0;
    const char* base = selvmap::MapFileView(QFile::encodeName(path).toStdString(), size);
    if (!base)
        return TScanFailure::CannotMap;
    result = ScanBibleText(base, size);
    selvmap::UnmapFileView(base, size);
    return TScanFailure::None;
}

QString SuggestedVersionName(const QString& fileName)
{
    for (const TKnownVersion& known : KnownUnboundVersions)
        if (fileName == QLatin1String(known.fileName))
            return QString::fromUtf8(known.name);
    return {};
}
