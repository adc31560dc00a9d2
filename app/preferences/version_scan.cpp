#include "version_scan.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

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

// The lines of a text, told one at a time, possibly in pieces: of each line only its start and
// the number of its TABs are kept.
class TLineScan {
public:
    void Add(const char* bytes, size_t size)
    {
        for (const char* end = bytes + size; bytes < end;) {
            const char* lineEnd = static_cast<const char*>(std::memchr(bytes, '\n', size_t(end - bytes)));
            const char* pieceEnd = lineEnd ? lineEnd : end;
            FHead.append(bytes, std::min(size_t(pieceEnd - bytes), HeadBytes - FHead.size()));
            FTabs += std::count(bytes, pieceEnd, '\t');
            bytes = pieceEnd;
            if (lineEnd) {
                EndLine();
                ++bytes;
            }
        }
    }
    TScanResult Result()
    {
        EndLine();
        TScanResult result;
        for (size_t p = 0; p < 3; ++p) {
            const TPart& part = Parts[p];
            result.readingsReady[p] = true;
            result.complete[p] = true;
            for (int book = part.first; book <= part.last; ++book) {
                const QString name = QString::fromUtf8(part.names[book - part.first]);
                if (FDamaged[size_t(book)])
                    result.damagedBooks << name;
                if (FFound[size_t(book)] && !FDamaged[size_t(book)]) {
                    result.hasPart[p] = true;
                    result.foundBooks[p] << name;
                } else {
                    result.complete[p] = false;
                    if (NeededForReadings(book))
                        result.readingsReady[p] = false;
                }
            }
        }
        return result;
    }

private:
    // A book code, three TABs and two numbers of at most three digits each.
    static constexpr size_t HeadBytes = 16;

    // The number written at `at` without leading zeros, of one to three digits and ended by a
    // TAB; `at` moves past the TAB.
    bool Number(size_t& at) const
    {
        size_t digits = 0;
        while (at + digits < FHead.size() && bibletext::IsDigit(FHead[at + digits]))
            ++digits;
        const bool ok = digits >= 1 && digits <= 3 && (FHead[at] != '0' || digits == 1) &&
                        at + digits < FHead.size() && FHead[at + digits] == '\t';
        at += digits + 1;
        return ok;
    }
    void EndLine()
    {
        // A line that begins with a book code is a verse; any other (a header) is never read.
        const int book = FHead.size() >= 4 && bibletext::IsDigit(FHead[0]) && bibletext::IsDigit(FHead[1]) &&
                                 FHead[3] == '\t'
                             ? (FHead[0] - '0') * 10 + (FHead[1] - '0')
                             : 0;
        if (book >= 1 && book <= 86 && FHead[2] == Parts[book <= 39 ? 0 : book <= 66 ? 1 : 2].letter) {
            size_t at = 4;
            const bool readable = Number(at) && Number(at) && FTabs == 3;
            (readable ? FFound : FDamaged)[size_t(book)] = true;
        }
        FHead.clear();
        FTabs = 0;
    }

    std::string FHead;
    std::ptrdiff_t FTabs = 0;
    std::array<bool, 87> FFound{}, FDamaged{};
};

} // namespace

TScanResult ScanBibleText(const char* base, uint32_t size)
{
    TLineScan scan;
    scan.Add(base, size);
    return scan.Result();
}

TScanFailure ScanBibleFile(const QString& path, TScanResult& result,
                           const std::function<bool(qint64 done, qint64 total)>& progress)
{
    QFile file(path);
    QString error;
    if (!selvmap::OpenRegularFile(file, error))
        return TScanFailure::CannotOpen;
    const qint64 size = file.size();
    if (size == 0)
        return TScanFailure::Empty;
    TLineScan scan;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return TScanFailure::CannotOpen;
        if (got == 0)
            break;
        scan.Add(chunk.constData(), size_t(got));
        done += got;
        if (progress && !progress(done, size))
            return TScanFailure::Cancelled;
    }
    result = scan.Result();
    return TScanFailure::None;
}

QString SuggestedVersionName(const QString& fileName)
{
    for (const TKnownVersion& known : KnownUnboundVersions)
        if (fileName == QLatin1String(known.fileName))
            return QString::fromUtf8(known.name);
    return {};
}
