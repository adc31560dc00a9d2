#include "readings_text.h"

#include <QLocale>

#include <cctype>

namespace readings_text {

std::string UpperCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string NumberedPart(const char* prefix, int number)
{
    std::string part = prefix;
    part += std::to_string(number);
    return part;
}

std::string TrimLeftBlanks(const std::string& text)
{
    size_t start = 0;
    while (start < text.size() && static_cast<unsigned char>(text[start]) <= ' ') ++start;
    return text.substr(start);
}

std::string TrimBlanks(const std::string& text)
{
    std::string result = TrimLeftBlanks(text);
    while (!result.empty() && static_cast<unsigned char>(result.back()) <= ' ') result.pop_back();
    return result;
}

std::string DateKey(const QDate& date)
{
    return date.toString(QStringLiteral("MM/dd")).toStdString();
}

std::string WeekdayName(const QDate& date)
{
    return QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat).toStdString();
}

int IsoWeekday(const QDate& date)
{
    return date.dayOfWeek();
}

bool IsLentenWeekday(int cycleDay)
{
    if (cycleDay == 24 || cycleDay == 26) return true;
    for (int first = 29; first <= 64; first += 7)
        if (cycleDay >= first && cycleDay <= first + 4) return true;
    return false;
}

bool IsNoLiturgyLentenDay(int cycleDay)
{
    return OneOf(cycleDay, {29, 30, 32, 36, 37, 39, 43, 44, 46, 50, 51, 53, 57, 58, 64, 65, 67});
}

}  // namespace readings_text
