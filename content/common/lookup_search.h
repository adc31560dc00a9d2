#pragma once
// The saint search over a day table: the next day after a given one whose names hold a text.
#include <cstdint>
#include <cstring>
#include <string>

namespace selvcontent {

constexpr uint16_t kLeapDayKey = 229;

// A byte that may follow a match: anything but an ASCII letter or digit.
constexpr bool IsNameDelimiter(unsigned char c)
{
    return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

// The names are UTF-8, so only ASCII letters change case; other bytes compare as they are.
constexpr unsigned char UpperByte(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// Whether `names` holds `upperText` (already in capitals) ending at the end of the names or
// before a delimiter. A match may begin inside a word.
inline bool NamesHold(const char* names, const std::string& upperText)
{
    if (!names)
        return false;
    const size_t length = std::strlen(names);
    const size_t textLength = upperText.size();
    if (length == 0 || textLength > length)
        return false;
    for (size_t at = 0; at + textLength <= length; ++at) {
        size_t i = 0;
        while (i < textLength && UpperByte(static_cast<unsigned char>(names[at + i])) == static_cast<unsigned char>(upperText[i]))
            ++i;
        if (i == textLength && (at + textLength == length || IsNameDelimiter(static_cast<unsigned char>(names[at + textLength]))))
            return true;
    }
    return false;
}

// The DayKey of the first day after `fromKey` (wrapping from the last day to the first, the
// day `fromKey` itself tried last) whose names hold `searchText`; 0 when none does or the text
// is empty. February 29 counts only for a search from February 29. A `fromKey` that is not in
// the table searches every day once, from the first.
template <typename Record>
uint16_t SearchLookupTable(const Record* table, int count, const char* searchText, uint16_t fromKey)
{
    if (!table || count <= 0 || !searchText || !*searchText)
        return 0;
    std::string upperText(searchText);
    for (char& c : upperText)
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));

    int start = count - 1;   // a key not in the table: one pass from the first day
    for (int i = 0; i < count; ++i)
        if (table[i].DayKey == fromKey) {
            start = i;
            break;
        }
    int i = start;
    do {
        i = (i + 1) % count;
        const uint16_t key = table[i].DayKey;
        if (key == kLeapDayKey && fromKey != kLeapDayKey)
            continue;
        if (NamesHold(table[i].Names, upperText))
            return key;
    } while (i != start);
    return 0;
}

} // namespace selvcontent
