// The reader of installed versions: one verse a line, "book code TAB chapter TAB
// verse TAB text", the book code being the two-digit book number and O, N or A.
#include <algorithm>
#include <cstring>

#include "bible_reader.h"
#include "bible_text.h"

using bibletext::IsDigit;
using bibletext::NormaliseVerse;
using bibletext::Padded;
using bibletext::ParseInt;

namespace {

char PartLetterOfBook(int book) { return book <= 39 ? 'O' : book <= 66 ? 'N' : 'A'; }

char PartLetter(int part) { return part == 0 ? 'O' : part == 1 ? 'N' : 'A'; }

std::string BookId(int book, char letter) { return Padded(book, 2) + letter; }

// Name of book number 1 to 86 in the book tables.
std::string TableBookName(int n) {
    if (n >= 1 && n <= 39) return BibleBookNamesOldT[n - 1];
    if (n >= 40 && n <= 66) return BibleBookNamesNewT[n - 40];
    if (n >= 67 && n <= 86) return BibleBookNamesApoc[n - 67];
    return {};
}

const char* const NotFoundReport = "Error: Please correct the Chapter and Verse entries. ";

}  // namespace

uint32_t TBibleReader::LineKeyEnd(uint32_t line) const {
    // The key is the book code and three TABs around the two numbers (at most 12 bytes).
    // Searching for the next line from its end rather than a fixed distance past the
    // line's start also reads lines whose text is empty or very short.
    int tabs = 0;
    for (uint32_t p = line; p < FMappedSize && p < line + 12; ++p) {
        if (FMappedText[p] == '\t' && ++tabs == 3) return p + 1;
    }
    return line + 10;
}

TBibleReader::TKeyPositions TBibleReader::ChapterKeyPositions(int bookNumber) const {
    TKeyPositions keys;
    keys.family = BookId(bookNumber, PartLetter(Controls.SearchGroupItemIndex())) + "\t";
    keys.to = FMappedSize;
    for (uint32_t at = FindFromTop(keys.family); at != NotFound; at = Find(keys.family, at + 1)) {
        const int chapter = NumberAt(at + uint32_t(keys.family.size()), '\t');
        if (chapter >= 0) keys.at[keys.family + std::to_string(chapter) + "\t"].push_back(at);
    }
    return keys;
}

bool TBibleReader::GetChapterVerse(const char* key, int32_t& chapter, int32_t& verse) {
    if (key == nullptr) {
        Messages.ShowMessage("Error 201: In GetChapterVerse. PChar parameter was nil.");
        return false;
    }
    chapter = -1;
    verse = -1;
    // Bytes past the mapped view (or past the end of a plain string) read as 0.
    const bool inView = FMappedText != nullptr && key >= FMappedText && key < FMappedText + FMappedSize;
    const size_t limit = inView ? size_t(FMappedText + FMappedSize - key) : std::strlen(key);
    auto at = [&](size_t i) { return i < limit ? key[i] : '\0'; };

    size_t i = 4;
    if (!IsDigit(at(i))) return false;
    int c = 0, digits = 0;
    while (digits < 3 && IsDigit(at(i))) {
        c = c * 10 + (at(i++) - '0');
        ++digits;
    }
    ++i;  // the TAB after the chapter
    if (!IsDigit(at(i))) {
        if (digits == 1) return false;
        Messages.ShowMessage("Error 203: In GetChapterVerse. A chapter number was found but no verse number was found.");
        chapter = c;
        return true;
    }
    int v = 0;
    for (int n = 0; n < 3 && IsDigit(at(i)); ++n) v = v * 10 + (at(i++) - '0');
    chapter = c;
    verse = v;
    return true;
}

void TBibleReader::GetFirstAndLastChapter(int bookNumber, std::string& firstChapter,
                                          std::string& lastChapter) {
    firstChapter = "-1";
    lastChapter = "-1";
    const std::string id = BookId(bookNumber, PartLetterOfBook(bookNumber));
    uint32_t p = FindFromTop(id + "\t");
    if (p == NotFound) {
        Messages.ShowMessage("Error 301: In GetFirstAndLastChapter. Book \"" + id + "\" not in this file.");
        return;
    }
    int32_t chapter = -1, verse = -1;
    if (!GetChapterVerse(FMappedText + p, chapter, verse)) {
        Messages.ShowMessage("Error 302: In GetFirstAndLastChapter. GetChapterVerse returned False for the first book identifier found.");
        return;
    }
    firstChapter = std::to_string(chapter);

    // Probe chapter after chapter; after twelve missing chapters walk the remaining
    // lines of the book instead, so that a gap of many chapters is crossed as well.
    int c = chapter, current = chapter, misses = 0;
    uint32_t recorded = NotFound;
    bool ended = false;
    while (!ended) {
        const uint32_t probe = FindKey(id + "\t" + std::to_string(c) + "\t", p);
        bool found = probe != NotFound;
        if (found) {
            p = probe;
            current = c;
        } else {
            ++misses;
        }
        if (misses >= 12) {
            for (;;) {
                const uint32_t line = Find(id, LineKeyEnd(p));
                if (line == NotFound) {
                    ended = true;
                    break;
                }
                p = line;
                int32_t lc = -1, lv = -1;
                GetChapterVerse(FMappedText + line, lc, lv);
                if (lc > current) {
                    c = lc - 1;
                    break;
                }
            }
        }
        if (found) recorded = p;
        ++c;
    }
    if (recorded == NotFound) {
        Messages.ShowMessage("Error 304: In GetFirstAndLastChapter. Found the book \"" + id + "\" but the search for last chapter failed.");
        return;
    }
    if (!GetChapterVerse(FMappedText + recorded, chapter, verse)) {
        Messages.ShowMessage("Error 303: In GetFirstAndLastChapter. GetChapterVerse returned False.");
        return;
    }
    lastChapter = std::to_string(chapter);
}

std::string TBibleReader::UnboundGetLastVerse(int bookNumber, int chapter, int& lastVerse) {
    lastVerse = -1;
    const std::string id = BookId(bookNumber, PartLetter(Controls.SearchGroupItemIndex()));
    const std::string key = id + "\t" + std::to_string(chapter) + "\t";
    // The key begins with the book code: nothing before the code's first place can hold it.
    uint32_t hit = FindKey(key, FindFromTop(id));
    if (hit == NotFound) return "None";
    int32_t c = -1, first = -1;
    // A chapter whose first or last line gives no verse number has no range to show: like a
    // missing chapter it reads "None". Only a line that does not parse gets `failure`; one that
    // parses without a verse number was reported by GetChapterVerse itself.
    auto verseLine = [&](uint32_t line, int32_t& verse, const char* failure) {
        if (GetChapterVerse(FMappedText + line, c, verse)) return verse != -1;
        Messages.ShowMessage(failure);
        return false;
    };
    if (!verseLine(hit, first, "Error 101: In UnboundGetLastVerse. GetChapterVerse returned False")) return "None";
    for (uint32_t next = FindKey(key, LineKeyEnd(hit)); next != NotFound; next = FindKey(key, LineKeyEnd(hit)))
        hit = next;
    int32_t last = -1;
    if (!verseLine(hit, last, "Error 102: In UnboundGetLastVerse. GetChapterVerse returned False")) return "None";
    lastVerse = last;
    return std::to_string(first) + "-" + std::to_string(last);
}

std::string TBibleReader::UnboundSearchForVerses(int book, const std::string& startChapter,
                                                 const std::string& startVerse,
                                                 const std::string& endChapter,
                                                 const std::string& endVerse, bool chapterHeadings,
                                                 bool verseNumbers) {
    const auto numbers = bibletext::ParsePassageNumbers(startChapter, startVerse, endChapter, endVerse);
    if (!numbers) return {};
    const auto [sc, sv, ec, ev] = *numbers;

    // Search requests name the book by its number and take the part from the dialog;
    // readings requests pass the book's index within the mapped part.
    const int part = FSearchActive ? Controls.SearchGroupItemIndex() : FMappedTestament;
    if (part < 0 || part > 2) return {};
    const int n = FSearchActive ? book : book + (part == 0 ? 1 : part == 1 ? 40 : 67);
    const std::string id = BookId(n, PartLetter(part));
    const std::string nextId = BookId(n + 1, PartLetterOfBook(n + 1));

    // End of the book: the next book's first line, else the end of this book's last line.
    uint32_t bookEnd = FindFromTop(nextId);
    if (bookEnd == NotFound) {
        uint32_t lastLine = NotFound;
        for (uint32_t h = FindFromTop(id); h != NotFound; h = Find(id, LineKeyEnd(h))) lastLine = h;
        bookEnd = FMappedSize;
        if (lastLine != NotFound) {
            const uint32_t lf = Find("\n", LineKeyEnd(lastLine));
            const uint32_t tab = lf == NotFound ? Find("\t", LineKeyEnd(lastLine)) : NotFound;
            bookEnd = lf != NotFound ? lf : tab != NotFound ? tab : FMappedSize;
        }
    }
    auto within = [&](uint32_t hit) { return hit != NotFound && hit <= bookEnd; };
    auto lineKey = [&](const std::string& c, const std::string& v) { return id + "\t" + c + "\t" + v + "\t"; };

    int c = sc, v = sv;
    // Every line key begins with the book code: nothing before the code's first place holds one.
    const uint32_t idTop = FindFromTop(id);
    uint32_t p = Find(lineKey(startChapter, startVerse), idTop);
    if (!within(p)) {
        // Step back to the nearest verse of the chapter that the file holds: the highest verse
        // below the start verse among the chapter's keys, each verse at its first place, found
        // in one pass rather than one search of the file for each verse stepped back.
        const std::string chapterKey = id + "\t" + std::to_string(c) + "\t";
        uint32_t found = NotFound;
        int f = 0;
        for (uint32_t at = Find(chapterKey, idTop); at != NotFound; at = Find(chapterKey, at + 1)) {
            const int verse = NumberAt(at + uint32_t(chapterKey.size()), '\t');
            if (verse > f && verse < v) f = verse, found = at;
        }
        if (found == NotFound) {
            Messages.ShowMessage("Error 001: In UnboundSearchForVerses. Unable to find the initial search string. Searched backwards to the first verse in the current chapter without finding any verse.");
            return {};
        }
        // A search names the dialog's book and search file; a readings request its own.
        const std::string bookName = FSearchActive ? ListText(part) : TableBookName(n);
        const std::string fileName = FSearchActive ? SearchFile(part) : ReadingsFile(part);
        const std::string head = NotFoundReport + bookName + " " + startChapter + ":" + startVerse +
                                 " was not" + " found. This verse is missing from the file \"" +
                                 fileName + "\".  " + bookName + " " + startChapter + ":" +
                                 std::to_string(f);
        const uint32_t nextLine = Find(id, LineKeyEnd(found));
        int32_t nc = -1, nv = -1;
        if (!within(nextLine)) {
            Messages.ShowMessage("Error 003: In UnboundSearchForVerses. After not finding the initial search string, and then searching backwards to find a previous verse, searched for the next book identifier following the previous verse, but it was not found.");
        } else if (!GetChapterVerse(FMappedText + nextLine, nc, nv)) {
            Messages.ShowMessage("Error 002: In UnboundSearchForVerses. After not finding the initial search string, and then searching backwards to find a previous verse, searched for and found the next book identifier following the previous verse, but there is no chapter verse information associated with this BkID.");
        } else {
            return head + " was found and " + bookName + " " + std::to_string(nc) + ":" +
                   std::to_string(nv) + " was found. The verses between are missing.";
        }
        return head + " was found. Verses greater than this number are missing from" + " the file.";
    }

    std::string text;
    for (bool first = true;; first = false) {
        const int rc = c, rv = v;
        ++v;
        const uint32_t keyEnd = LineKeyEnd(p);
        uint32_t next = Find(lineKey(std::to_string(c), std::to_string(v)), p);
        uint32_t lineEnd;
        int32_t lc = -1, lv = -1;
        if (within(next)) {
            lineEnd = Find(id, keyEnd);
            if (lineEnd == NotFound || lineEnd >= next) {
                lineEnd = next;
            } else if (GetChapterVerse(FMappedText + lineEnd, lc, lv)) {
                v = lv;  // another line stands between: follow the file
            } else {
                Messages.ShowMessage(first
                    ? "Error 004: In UnboundSearchForVerses. Found a BkID between the first verse and next incremented verse when finding the first verse. There is no chapter verse associated with this BkID"
                    : "Error 007: In UnboundSearchForVerses. In the repeat loop - found a BkID between two verses when finding the next incremented verse. There is no chapter verse associated with this BkID");
            }
        } else {
            lineEnd = Find(id, keyEnd);
            if (within(lineEnd)) {
                if (GetChapterVerse(FMappedText + lineEnd, lc, lv)) {
                    c = lc;
                    v = lv;
                } else {
                    Messages.ShowMessage(first
                        ? "Error 005: In UnboundSearchForVerses. After finding the first line, but not finding the first incremented search string (second line), found the next BkID after the beginning of the first line. There is no chapter verse associated with this BkID"
                        : "Error 008: In UnboundSearchForVerses. In the repeat loop - after not finding the next incremented search string, the next BkID after the previous line was found, but there is no chapter verse associated with this BkID");
                }
            } else {
                lineEnd = Find("\n", keyEnd);
                if (!within(lineEnd)) {
                    const uint32_t tab = Find("\t", keyEnd);
                    lineEnd = (tab != NotFound && tab >= keyEnd + 3 && within(tab - 3)) ? tab - 3 : NotFound;
                }
                // The file's end also ends its last line.
                if (lineEnd == NotFound && bookEnd == FMappedSize && keyEnd < bookEnd) lineEnd = bookEnd;
                if (lineEnd == NotFound) {
                    Messages.ShowMessage(first
                        ? "Error 006: In UnboundSearchForVerses. After finding the first line, but not finding the first incremented search string (second line) and also not finding the next BkID after the beginning of the first line, failed to find a line feed character or a tab character. Therefore, unable to find the end of the first line."
                        : "Error 009: In UnboundSearchForVerses.  In the repeat loop - after not finding the next incremented search string, and also not finding the next BkID after the beginning of the next line, failed to find a line feed character or a tab character. Therefore, unable to find the end of the next line.");
                    return text;
                }
            }
        }

        const uint32_t from = std::min(keyEnd, lineEnd);
        std::string piece = NormaliseVerse(std::string(FMappedText + from, lineEnd - from));
        if (verseNumbers) piece = std::to_string(rv) + " " + piece;
        if (first)
            text = (chapterHeadings && sc != ec ? "Chapter " + std::to_string(rc) + "\r\n\r\n" : "") +
                   "     " + piece;
        else
            text += " " + piece;
        if (c > rc && ec > rc)
            text += "\r\n\r\n" + (chapterHeadings ? "Chapter " + std::to_string(c) + "\r\n\r\n" : "") +
                    "    ";
        if (rc == ec && rv == ev) return text;
        p = lineEnd;
    }
}
