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

// Capitals of the letters of the Western code page (ASCII and the accented Latin letters of
// Windows-1252), in the UTF-8 of the names and of the search text; other bytes are kept.
inline std::string UpperText(const char* text, size_t length)
{
    std::string upper(text, length);
    for (size_t i = 0; i < upper.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(upper[i]);
        if (c >= 'a' && c <= 'z') {
            upper[i] = static_cast<char>(c - 'a' + 'A');
            continue;
        }
        if (i + 1 >= upper.size())
            break;
        const unsigned char next = static_cast<unsigned char>(upper[i + 1]);
        if (c == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {           // U+00E0..U+00FE but the division sign
            upper[i + 1] = static_cast<char>(next - 0x20);
        } else if (c == 0xC3 && next == 0xBF) {                                     // y with diaeresis, U+0178
            upper[i] = static_cast<char>(0xC5);
            upper[i + 1] = static_cast<char>(0xB8);
        } else if (c == 0xC5 && (next == 0x93 || next == 0xA1 || next == 0xBE)) {  // oe, s and z with caron
            upper[i + 1] = static_cast<char>(next - 1);
        }
    }
    return upper;
}

// Whether `names` holds `upperText` (already in capitals) ending at the end of the names or
// before a delimiter. A match may begin inside a word.
inline bool NamesHold(const char* names, const std::string& upperText)
{
    if (!names)
        return false;
    const std::string upper = UpperText(names, std::strlen(names));
    const size_t length = upper.size();
    const size_t textLength = upperText.size();
    if (length == 0 || textLength > length)
        return false;
    for (size_t at = 0; at + textLength <= length; ++at) {
        if (upper[at] == upperText[0] && upper.compare(at, textLength, upperText) == 0
            && (at + textLength == length || IsNameDelimiter(static_cast<unsigned char>(upper[at + textLength]))))
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
    const std::string upperText = UpperText(searchText, std::strlen(searchText));

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
