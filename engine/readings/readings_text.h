#pragma once
// Small text helpers of the readings page.
#include <QDate>

#include <initializer_list>
#include <string>

namespace readings_text {

inline const std::string CRLF2 = "\r\n\r\n";
inline const std::string CRLF3 = "\r\n\r\n\r\n";

template <typename T, typename U>
bool OneOf(const T& value, std::initializer_list<U> list)
{
    for (const U& item : list)
        if (value == item) return true;
    return false;
}

// "a" <= key <= "b" for date keys "mm/dd" of one month range.
inline bool InRange(const std::string& key, const char* first, const char* last)
{
    return key >= first && key <= last;
}

std::string UpperCase(std::string text);
std::string NumberedPart(const char* prefix, int number);   // "V4", "G2"
std::string TrimLeftBlanks(const std::string& text);   // blanks and control characters
std::string TrimBlanks(const std::string& text);
std::string DateKey(const QDate& date);                 // "mm/dd"
std::string WeekdayName(const QDate& date);             // full name in the user's language
int IsoWeekday(const QDate& date);                      // 1 Monday .. 7 Sunday

// Lenten weekdays with the Sixth Hour and Vespers (24, 26, 29-33, ..., 64-68),
// and those of them without a Liturgy.
bool IsLentenWeekday(int cycleDay);
bool IsNoLiturgyLentenDay(int cycleDay);

}  // namespace readings_text
