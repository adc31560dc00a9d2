#include "bible_reader.h"

#include <algorithm>

#include "bible_text.h"
#include "file_mapping.h"

using bibletext::NormaliseVerse;
using bibletext::Padded;
using bibletext::ParseInt;

namespace {

const char* const BuiltInNames[3] = {BuiltInOldTFile, BuiltInNewTFile, BuiltInApocFile};

bool ValidPart(int part) { return part >= 0 && part <= 2; }

// The copies of the files read last are kept, at most this many, and only while they fit
// in this many bytes (the copy in use is always kept).
constexpr size_t MaxKeptCopies = 6;
constexpr uint64_t MaxKeptBytes = 64u << 20;

}  // namespace

// Keeps a summary's key positions in FKeys for its lifetime.
class TBibleReader::TKeysInUse {
public:
    TKeysInUse(TBibleReader& reader, const TKeyPositions& keys) : reader_(reader) { reader_.FKeys = &keys; }
    ~TKeysInUse() { reader_.FKeys = nullptr; }
    TKeysInUse(const TKeysInUse&) = delete;
    TKeysInUse& operator=(const TKeysInUse&) = delete;
private:
    TBibleReader& reader_;
};

void TRequestMessages::ShowMessage(const std::string& text) {
    if (FDepth > 0 && FShownInRequest) return;
    FShownInRequest = FDepth > 0;
    FShown.ShowMessage(text);
}

void TRequestMessages::BeginRequest() {
    if (FDepth++ == 0) FShownInRequest = false;
}

void TRequestMessages::EndRequest() { --FDepth; }

TBibleReader::TBibleReader(IBibleSearchControls& controls, IMessageSink& messages)
    : Controls(controls), Messages(messages) {}

std::string TBibleReader::BibleFilePath(const std::string& fileName) const {
    return (InProgramFolder(fileName) ? Controls.ProgramDir() : Controls.AppDataDir()) + fileName;
}

std::shared_ptr<const selvmap::FileCopy> TBibleReader::KeptCopy(const std::string& path) {
    selvmap::FileStamp stamp;
    if (!selvmap::RegularFileStamp(path, stamp)) return nullptr;
    for (auto it = FKeptCopies.begin(); it != FKeptCopies.end(); ++it) {
        if ((*it)->path != path || (*it)->stamp != stamp) continue;
        auto copy = *it;
        FKeptCopies.erase(it);
        FKeptCopies.push_back(copy);
        return copy;
    }
    return nullptr;
}

void TBibleReader::Keep(std::shared_ptr<const selvmap::FileCopy> copy) {
    std::erase_if(FKeptCopies, [&](const auto& kept) { return kept->path == copy->path; });
    FKeptCopies.push_back(std::move(copy));
    uint64_t bytes = 0;
    for (const auto& kept : FKeptCopies) bytes += kept->size;
    while (FKeptCopies.size() > 1 && (FKeptCopies.size() > MaxKeptCopies || bytes > MaxKeptBytes)) {
        bytes -= FKeptCopies.front()->size;
        FKeptCopies.erase(FKeptCopies.begin());
    }
}

const char* TBibleReader::MapBibleFile(const std::string& fileName) {
    FMappedCopy.reset();
    FMappedText = nullptr;
    FMappedSize = 0;
    if (!bibletext::IsPlainFileName(fileName)) return nullptr;
    const std::string path = BibleFilePath(fileName);
    std::shared_ptr<const selvmap::FileCopy> copy = KeptCopy(path);
    if (!copy) {
        copy = selvmap::ReadFileCopy(path);
        if (!copy) return nullptr;
        Keep(copy);
    }
    FReadStamps[path] = copy->stamp;
    FMappedCopy = std::move(copy);
    FMappedText = FMappedCopy->bytes.get();
    FMappedSize = FMappedCopy->size;
    return FMappedText;
}

bool TBibleReader::BibleFileReadable(const std::string& fileName) {
    if (!bibletext::IsPlainFileName(fileName)) return false;
    const std::string path = BibleFilePath(fileName);
    selvmap::FileStamp stamp;
    if (!selvmap::RegularFileStamp(path, stamp) || stamp.size <= 0) return false;
    const auto read = FReadStamps.find(path);
    if (read == FReadStamps.end() || read->second == stamp) return true;
    ForgetFile(fileName);
    return false;
}

void TBibleReader::ForgetFile(const std::string& fileName) {
    const std::string path = BibleFilePath(fileName);
    FReadStamps.erase(path);
    std::erase_if(FKeptCopies, [&](const auto& kept) { return kept->path == path; });
}

void TBibleReader::MapNewTReadingsFile() {
    FSearchActive = false;
    MapBibleFile(FNewTReadingsFile);
    FMappedTestament = 1;
}

const char* TBibleReader::FindInMappedText(const char* base, uint32_t size, uint32_t start,
                                           const std::string& key) {
    const size_t len = key.size();
    if (base == nullptr || size == 0 || len == 0 || len >= size || start >= size) return nullptr;
    const auto* k = reinterpret_cast<const unsigned char*>(key.data());
    const auto* text = reinterpret_cast<const unsigned char*>(base);
    size_t skip[256];
    std::fill(std::begin(skip), std::end(skip), len);
    for (size_t j = 0; j + 1 < len; ++j) skip[k[j]] = len - 1 - j;
    const size_t mismatchShift = skip[k[len - 1]];
    skip[k[len - 1]] = 0;
    // `p` is the offset of the text byte under the key's last byte.
    for (size_t p = size_t(start) + len - 1; p < size;) {
        const size_t s = skip[text[p]];
        if (s != 0) {
            p += s;
        } else if (std::equal(k, k + len - 1, text + p - (len - 1))) {
            return base + (p - (len - 1));
        } else {
            p += mismatchShift;
        }
    }
    return nullptr;
}

std::string TBibleReader::LineBreaksToSpaces(const std::string& text) {
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            while (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n')) ++i;
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string TBibleReader::CollapseSpaces(const std::string& text) {
    if (text.find("  ") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' && !out.empty() && out.back() == ' ' && text[i - 1] == ' ') continue;
        out += text[i];
    }
    return out;
}

uint32_t TBibleReader::Find(const std::string& key, uint32_t start, uint32_t limit) const {
    const char* hit = FindInMappedText(FMappedText, std::min(limit, FMappedSize), start, key);
    return hit == nullptr ? NotFound : static_cast<uint32_t>(hit - FMappedText);
}

std::string TBibleReader::ListText(int part) const {
    switch (part) {
        case 0: return Controls.OldTText();
        case 1: return Controls.NewTText();
        case 2: return Controls.ApocText();
        default: return {};
    }
}

std::string TBibleReader::SearchFile(int part) const {
    switch (part) {
        case 0: return FOldTSearchFile;
        case 1: return FNewTSearchFile;
        case 2: return FApocSearchFile;
        default: return {};
    }
}

std::string TBibleReader::ReadingsFile(int part) const {
    switch (part) {
        case 0: return FOldTReadingsFile;
        case 1: return FNewTReadingsFile;
        case 2: return FApocReadingsFile;
        default: return {};
    }
}

uint16_t TBibleReader::GetBookNumber() const {
    auto lookup = [](const auto& names, const std::string& name, int firstNumber) -> uint16_t {
        for (size_t i = 0; i < names.size(); ++i)
            if (bibletext::SameTextIgnoringCase(names[i], name)) return uint16_t(firstNumber + i);
        return 0;
    };
    switch (Controls.SearchGroupItemIndex()) {
        case 0: return lookup(BibleBookNamesOldT, Controls.OldTText(), 1);
        case 1: return lookup(BibleBookNamesNewT, Controls.NewTText(), 40);
        case 2: return lookup(BibleBookNamesApoc, Controls.ApocText(), 67);
        default: return 0;
    }
}

std::string TBibleReader::GetLastChapter(const std::string& bookName) const {
    auto lookup = [&](const auto& names, const auto& counts) -> std::string {
        for (size_t i = 0; i < names.size(); ++i)
            if (bibletext::SameTextIgnoringCase(names[i], bookName)) return counts[i];
        return "-1";
    };
    switch (Controls.SearchGroupItemIndex()) {
        case 0:
            // The built-in file carries Psalm 151 as a chapter of Psalms.
            return bookName == "Psalms" ? "151" : lookup(BibleBookNamesOldT, BibleChapterCountsOldT);
        case 1: return lookup(BibleBookNamesNewT, BibleChapterCountsNewT);
        case 2: {
            // In the built-in file Baruch stops at chapter 5; chapter 6 is the Epistle of Jeremiah.
            if (bookName == "Epistle of Jeremiah") return "6";
            return bookName == "Baruch" ? "5" : lookup(BibleBookNamesApoc, BibleChapterCountsApoc);
        }
        default: return "-1";
    }
}

bool TBibleReader::FindBuiltInBook(int bookIndex, uint32_t& start, uint32_t& end) const {
    if (bookIndex < 0 || bookIndex > 98) return false;
    RememberBookMarkers();
    start = FindFromTop("Book " + Padded(bookIndex, 2));
    if (start == NotFound) return false;
    // The next book's marker follows the book's own, unless it also stands somewhere before.
    const std::string next = "Book " + Padded(bookIndex + 1, 2);
    end = FindFromTop(next);
    if (end != NotFound && end < start) end = Find(next, start);
    return end != NotFound;
}

std::string TBibleReader::BuiltInMarker(bool apocrypha, int bookIndex, int chapter, int verse) {
    if (apocrypha) {
        if (bookIndex < 0 || bookIndex >= int(ApocVerseMarkerPrefixes.size())) return {};
        return ApocVerseMarkerPrefixes[bookIndex] + std::to_string(chapter) + ":" + std::to_string(verse);
    }
    if (chapter < 0 || chapter > 999 || verse < 0 || verse > 999) return {};
    return Padded(chapter, 3) + ":" + Padded(verse, 3);
}

std::string TBibleReader::GetVerseRange(int bookIndex, int chapter, int& lastVerse) const {
    lastVerse = -1;
    uint32_t bookStart = 0, bookEnd = 0;
    if (chapter < 0 || chapter > bibletext::MaxChapterOrVerse) return "Error";
    if (!FindBuiltInBook(bookIndex, bookStart, bookEnd)) return "Error";
    // The marker layout follows the dialog's testament choice here.
    const bool apoc = Controls.SearchGroupItemIndex() == 2;
    auto marker = [&](int c, int v) { return BuiltInMarker(apoc, bookIndex, c, v); };
    const int firstVerse = (apoc && Controls.ApocText() == "Additions to Esther" && chapter == 10) ? 4 : 1;
    int k = firstVerse;
    // Markers are looked for only inside the book.
    uint32_t hit = FindKey(marker(chapter, k), bookStart, bookEnd);
    if (hit == NotFound) return "Error";
    const uint32_t chapterStart = hit;
    for (;;) {
        const uint32_t next = FindKey(marker(chapter, k + 1), hit, bookEnd);
        ++k;
        if (next == NotFound) break;
        hit = next;
    }
    // k is one past the last marker found. The book's last chapter (no chapter after it
    // in this file) ends with the sentinel marker, which carries no verse.
    const bool lastChapter = FindKey(marker(chapter + 1, 1), chapterStart, bookEnd) == NotFound;
    lastVerse = lastChapter ? k - 2 : k - 1;
    if (lastVerse < firstVerse) {
        lastVerse = -1;
        return "Error";
    }
    return std::to_string(firstVerse) + "-" + std::to_string(lastVerse);
}

std::string TBibleReader::BuildChapterVerseSummary(int bookIndex, const std::string& bookName) {
    const TRequest request(*this);
    const int part = Controls.SearchGroupItemIndex();
    std::string summary = bookName + "   ";
    auto append = [&](int first, int last, auto rangeOf) {
        if (first < 0 || last < 0) return;
        for (int c = first; c <= last; ++c) {
            summary += std::to_string(c) + ":" + rangeOf(c);
            if (c < last) summary += ",   ";
        }
    };
    if (ValidPart(part) && SearchFile(part) == BuiltInNames[part]) {
        int first = 1;
        if (part == 2) {
            if (bookName == "Ecclesiasticus") first = 0;
            else if (bookName == "Epistle of Jeremiah") first = 6;
            else if (bookName == "Additions to Esther") first = 10;
        }
        const int last = ParseInt(GetLastChapter(bookName)).value_or(-1);
        uint32_t bookStart = 0, bookEnd = 0;
        TKeyPositions markers;
        if (FindBuiltInBook(bookIndex, bookStart, bookEnd))
            markers = BuiltInMarkerPositions(part == 2, bookIndex, bookStart, bookEnd);
        const TKeysInUse use(*this, markers);
        append(first, last, [&](int c) { int lv; return GetVerseRange(bookIndex, c, lv); });
    } else {
        const int book = GetBookNumber();
        const TKeyPositions chapterKeys = ChapterKeyPositions(book);
        const TKeysInUse use(*this, chapterKeys);
        std::string firstText, lastText;
        GetFirstAndLastChapter(book, firstText, lastText);
        append(ParseInt(firstText).value_or(-1), ParseInt(lastText).value_or(-1),
               [&](int c) { int lv; return UnboundGetLastVerse(book, c, lv); });
    }
    return summary;
}

void TBibleReader::SelectTestament() {
    const int part = Controls.SearchGroupItemIndex();
    if (!ValidPart(part)) return;
    FMappedTestament = part;
    Controls.ShowBookList(part);
    MapBibleFile(SearchFile(part));
}

std::string TBibleReader::GetPassageText(int bookIndex, const std::string& startChapter,
                                         const std::string& startVerse,
                                         const std::string& endChapter,
                                         const std::string& endVerse, bool chapterHeadings,
                                         bool verseNumbers) {
    const TRequest request(*this);
    if (FSearchActive) {
        const int part = Controls.SearchGroupItemIndex();
        if (!ValidPart(part)) return {};
        if (SearchFile(part) == BuiltInNames[part])
            return ReadBuiltInPassage(bookIndex, startChapter, startVerse, endChapter, endVerse,
                                      chapterHeadings, verseNumbers);
        return UnboundSearchForVerses(GetBookNumber(), startChapter, startVerse, endChapter,
                                      endVerse, chapterHeadings, verseNumbers);
    }
    const int part = FMappedTestament;
    if (!ValidPart(part)) return {};
    if (ReadingsFile(part) == BuiltInNames[part])
        return ReadBuiltInPassage(bookIndex, startChapter, startVerse, endChapter, endVerse,
                                  chapterHeadings, verseNumbers);
    // The lectionary counts Apocrypha books in the built-in file's order; the
    // installed order differs for the three books it reads.
    int book = bookIndex;
    if (part == 2) {
        if (book == 7) book = 13;        // Wisdom of Solomon
        else if (book == 9) book = 0;    // Baruch
        else if (book == 12) book = 16;  // Prayer of Azariah
    }
    return UnboundSearchForVerses(book, startChapter, startVerse, endChapter, endVerse,
                                  chapterHeadings, verseNumbers);
}

std::string TBibleReader::ReadBuiltInPassage(int bookIndex, const std::string& startChapter,
                                             const std::string& startVerse,
                                             const std::string& endChapter,
                                             const std::string& endVerse, bool chapterHeadings,
                                             bool verseNumbers) {
    const auto numbers = bibletext::ParsePassageNumbers(startChapter, startVerse, endChapter, endVerse);
    if (!numbers) return {};
    const auto [sc, sv, ec, ev] = *numbers;
    uint32_t bookStart = 0, bookEnd = 0;
    if (!FindBuiltInBook(bookIndex, bookStart, bookEnd)) return {};

    const bool apoc = FMappedTestament == 2;
    std::string marker = BuiltInMarker(apoc, bookIndex, sc, sv);
    if (apoc && !marker.empty())
        marker = ApocVerseMarkerPrefixes[bookIndex] + startChapter + ":" + startVerse;
    uint32_t at = Find(marker, bookStart, bookEnd);
    if (at == NotFound) return {};

    std::string text;
    int c = sc, v = sv;
    for (bool first = true;; first = false) {
        std::string nextMarker = BuiltInMarker(apoc, bookIndex, c, v + 1);
        uint32_t next = Find(nextMarker, at, bookEnd);
        bool newChapter = false;
        if (next == NotFound) {
            nextMarker = BuiltInMarker(apoc, bookIndex, c + 1, 1);
            next = Find(nextMarker, at, bookEnd);
            if (next == NotFound) return {};
            newChapter = true;
        }
        if (next <= at) return {};
        // Asked for a verse past the end of its chapter.
        if (newChapter && c == ec && ev > v) return {};

        const uint32_t from = std::min<uint32_t>(at + uint32_t(marker.size()) + 1, next);
        std::string piece = NormaliseVerse(std::string(FMappedText + from, next - from));
        if (verseNumbers) piece = std::to_string(v) + " " + piece;
        if (first)
            text = (chapterHeadings && sc != ec ? "Chapter " + std::to_string(sc) + "\r\n\r\n" : "") +
                   "     " + piece;
        else
            text += " " + piece;
        if (newChapter && c < ec)
            text += "\r\n\r\n" + (chapterHeadings ? "Chapter " + std::to_string(c + 1) + "\r\n\r\n" : "") +
                    "    ";
        if (c == ec && v == ev) return text;

        at = next;
        marker = nextMarker;
        if (newChapter) {
            ++c;
            v = 1;
        } else {
            ++v;
        }
    }
}

std::string TBibleReader::GetPassageWithReference(int bookIndex, const std::string& bookName,
                                                  const std::string& startChapter,
                                                  const std::string& startVerse,
                                                  const std::string& endChapter,
                                                  const std::string& endVerse) {
    const std::string passage =
        GetPassageText(bookIndex, startChapter, startVerse, endChapter, endVerse,
                       Controls.ChapterHeadingsChecked(), Controls.VerseNumbersChecked());
    if (passage.empty() || passage.find("Error:") != std::string::npos) return passage;
    std::string reference = bookName + " " + startChapter + ":" + startVerse;
    if (ParseInt(startChapter) != ParseInt(endChapter))
        reference += "-" + endChapter + ":" + endVerse;
    else if (ParseInt(startVerse) != ParseInt(endVerse))
        reference += "-" + endVerse;
    return reference + "\r\n\r\n" + passage;
}
