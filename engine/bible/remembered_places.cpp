// The places in the mapped file that the reader finds once and keeps: the first place of a key
// searched from the top of the file, kept for each file by its stamp, and the places of all the
// keys of one family in a stretch of the file, gathered in one pass for a chapter:verse summary.
#include <algorithm>
#include <cstring>

#include "bible_reader.h"
#include "bible_text.h"

using bibletext::IsDigit;
using bibletext::Padded;

namespace {

// Searches from the top remembered, over all files, before all are let go.
constexpr size_t MaxFirstOccurrences = 4096;

}  // namespace

const selvmap::FileCopy* TBibleReader::MappedCopy() const {
    // Only a view that MapBibleFile made has a stamp.
    return FMappedCopy && FMappedText != nullptr && FMappedText == FMappedCopy->bytes.get() ? FMappedCopy.get() : nullptr;
}

uint32_t TBibleReader::FindFromTop(const std::string& key) const {
    const selvmap::FileCopy* copy = MappedCopy();
    if (!copy) return Find(key, 0);
    const auto entry = std::make_pair(copy->stamp, key);
    if (const auto known = FFirstOccurrences.find(entry); known != FFirstOccurrences.end()) return known->second;
    if (FFirstOccurrences.size() >= MaxFirstOccurrences) FFirstOccurrences.clear();
    return FFirstOccurrences[entry] = Find(key, 0);
}

uint32_t TBibleReader::FindKey(const std::string& key, uint32_t start, uint32_t limit) const {
    const uint32_t end = std::min(limit, FMappedSize);
    if (FKeys == nullptr || !key.starts_with(FKeys->family) || start < FKeys->from || end != FKeys->to)
        return Find(key, start, limit);
    // What Find would answer: the first place at or after `start` where the key ends by `end`.
    if (key.empty() || key.size() >= end || start >= FMappedSize) return NotFound;
    const auto places = FKeys->at.find(key);
    if (places == FKeys->at.end()) return NotFound;
    const auto hit = std::lower_bound(places->second.begin(), places->second.end(), start);
    return hit != places->second.end() && *hit + key.size() <= end ? *hit : NotFound;
}

int TBibleReader::NumberAt(uint32_t at, char end) const {
    uint32_t p = at;
    while (p < FMappedSize && p - at < 9 && IsDigit(FMappedText[p])) ++p;
    if (p == at || p >= FMappedSize || FMappedText[p] != end) return -1;
    if (FMappedText[at] == '0' && p - at > 1) return -1;   // no key is written with leading zeros
    return std::stoi(std::string(FMappedText + at, p - at));
}

TBibleReader::TKeyPositions TBibleReader::BuiltInMarkerPositions(bool apocrypha, int bookIndex,
                                                                 uint32_t bookStart, uint32_t bookEnd) const {
    TKeyPositions keys;
    keys.from = bookStart;
    keys.to = std::min(bookEnd, FMappedSize);
    auto add = [&](uint32_t at, std::string key) {
        if (at + key.size() <= keys.to) keys.at[std::move(key)].push_back(at);
    };
    if (!apocrypha) {
        // "ccc:vvv": every colon with three digits on either side.
        const char* text = FMappedText;
        for (const char* colon = text + keys.from;
             (colon = static_cast<const char*>(std::memchr(colon, ':', text + keys.to - colon))) != nullptr; ++colon) {
            const uint32_t at = uint32_t(colon - text);
            if (at < keys.from + 3 || at + 4 > keys.to) continue;
            if (std::all_of(colon - 3, colon, IsDigit) && std::all_of(colon + 1, colon + 4, IsDigit))
                add(at - 3, std::string(colon - 3, 7));
        }
        return keys;
    }
    if (bookIndex < 0 || bookIndex >= int(ApocVerseMarkerPrefixes.size())) return keys;
    // The prefix, the chapter and ":", then the verse: a marker of verse 1 is also found where
    // verse 10 to 19 stands, as the search finds it there.
    keys.family = ApocVerseMarkerPrefixes[bookIndex];
    for (uint32_t at = Find(keys.family, keys.from, keys.to); at != NotFound; at = Find(keys.family, at + 1, keys.to)) {
        const uint32_t chapterAt = at + uint32_t(keys.family.size());
        const int chapter = NumberAt(chapterAt, ':');
        if (chapter < 0) continue;
        const uint32_t verseAt = chapterAt + uint32_t(std::to_string(chapter).size()) + 1;
        std::string key = keys.family + std::to_string(chapter) + ":";
        for (uint32_t p = verseAt; p < keys.to && p - verseAt < 9 && IsDigit(FMappedText[p]); ++p) {
            key += FMappedText[p];
            if (FMappedText[verseAt] == '0' && p > verseAt) break;   // "0" only
            add(at, key);
        }
    }
    return keys;
}

void TBibleReader::RememberBookMarkers() const {
    const selvmap::FileCopy* copy = MappedCopy();
    if (!copy) return;
    const auto marker = [copy](int n) { return std::make_pair(copy->stamp, "Book " + Padded(n, 2)); };
    if (FFirstOccurrences.contains(marker(0))) return;
    std::array<uint32_t, 100> first;
    first.fill(NotFound);
    for (uint32_t at = Find("Book ", 0); at != NotFound; at = Find("Book ", at + 1)) {
        if (at + 7 > FMappedSize || !IsDigit(FMappedText[at + 5]) || !IsDigit(FMappedText[at + 6])) continue;
        const int n = (FMappedText[at + 5] - '0') * 10 + (FMappedText[at + 6] - '0');
        if (first[n] == NotFound) first[n] = at;
    }
    if (FFirstOccurrences.size() + first.size() > MaxFirstOccurrences) FFirstOccurrences.clear();
    for (int n = 0; n < int(first.size()); ++n) FFirstOccurrences[marker(n)] = first[n];
}
