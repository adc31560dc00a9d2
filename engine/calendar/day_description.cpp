// The feast bar line: name of the day in the moveable cycle, Lukan week, tone and fast.
#include "calendar_engine.h"

#include <algorithm>

namespace {

constexpr uint32_t SpecialDayIds = 1400;
constexpr uint32_t SundayIds = 1800;
constexpr uint32_t WeekdayIds = 1900;
constexpr int MaxDayNameLength = 70;

// Cycle days that carry a name of their own.
constexpr std::array<uint16_t, 31> SpecialDays = {
    20, 27, 29, 34, 41, 48, 55, 62, 69,
    71, 72, 73, 74, 75, 76,
    78, 79, 80, 81, 82, 83,
    101, 115, 116, 117, 118, 124, 125, 127, 128, 132};

constexpr std::array<const char*, 14> LukanWeekTexts = {
    " (1st of Luke)", " (2nd of Luke)", " (3rd of Luke)", " (4th of Luke)", " (5th of Luke)",
    " (6th of Luke)", " (7th of Luke)", " (8th of Luke)", " (9th of Luke)", " (10th of Luke)",
    " (11th of Luke)", " (12th of Luke)", " (13th of Luke)", " (14th of Luke)"};

bool IsSpecialDay(uint16_t cycleDay)
{
    return std::find(SpecialDays.begin(), SpecialDays.end(), cycleDay) != SpecialDays.end();
}

// Palm Sunday, Passion Week, Pascha, Bright Week and Pentecost are named without a tone.
bool IsToneless(uint16_t cycleDay)
{
    return (cycleDay >= 70 && cycleDay <= 83) || cycleDay == 126;
}

} // namespace

int TCalendarEngine::Weekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

bool TCalendarEngine::LoadDayName(uint32_t id, std::string& name) const
{
    char buffer[MaxDayNameLength + 1];
    const int length = rsrc::LoadString(FStrings, id, buffer, sizeof buffer);
    if (length <= 0)
        return false;
    name.assign(buffer, static_cast<size_t>(length));
    return true;
}

std::string TCalendarEngine::GetDayDescription() const
{
    const uint16_t ch = GetCycleDay();
    const uint32_t previousCycleWeek = static_cast<uint32_t>(FCycleStartPrevious.daysTo(FCivilDate) / 7);

    uint32_t id;
    if (ch == 0)
        id = SundayIds + previousCycleWeek;
    else if (ch <= 6)
        id = WeekdayIds + previousCycleWeek;
    else if (IsSpecialDay(ch))
        id = SpecialDayIds + ch;
    else if (ch % 7 == 0)
        id = SundayIds + ch / 7;
    else
        id = WeekdayIds + ch / 7;

    std::string name;
    const bool found = LoadDayName(id, name);
    const std::string fast = GetFastingText();

    if (ch == 0)
        return (found ? name + " (Zacchaeus Sunday)" : "ZacchaeusID = 0 error") + GetToneText() + fast;
    if (IsToneless(ch))
        return (found ? name : "ZacchaeusID in [70..83, 126] error") + fast;
    if (!found)
        return "LoadString error" + GetToneText() + fast;
    if (ch % 7 != 0)
        return name + GetToneText() + fast;

    const uint16_t jumpDay = FSettings.OldCalendar() ? GetLukanJumpDayOld() : GetLukanJumpDayNew();
    if (FSettings.UseLukanJump() && jumpDay / 7 < ch / 7)
        return name + GetLukanWeekSuffix() + GetToneText() + fast;
    return name + GetToneText() + fast;
}

std::string TCalendarEngine::GetLukanWeekSuffix() const
{
    const bool oldCalendar = FSettings.OldCalendar();
    if ((oldCalendar ? FOldMonth : FCivilMonth) <= 6)
        return {};
    const uint16_t jumpDay = oldCalendar ? GetLukanJumpDayOld() : GetLukanJumpDayNew();
    const uint16_t week = static_cast<uint16_t>(GetCycleDay() / 7 - jumpDay / 7);
    if (week < 1 || week > LukanWeekTexts.size())
        return {};
    return LukanWeekTexts[week - 1];
}

std::string TCalendarEngine::GetToneText() const
{
    const QDate& origin = FCivilDate >= FToneStart ? FToneStart : FToneStartPrevious;
    const uint16_t days = static_cast<uint16_t>(origin.daysTo(FCivilDate));
    return "   Tone " + std::to_string(days / 7 % 8 + 1);
}

// Cycle day of the Monday after the Sunday after civil September 14.
uint16_t TCalendarEngine::GetLukanJumpDayNew() const
{
    const bool thisCycle = FCivilMonth >= 7;
    const QDate exaltation(thisCycle ? FCivilYear : FCivilYear - 1, 9, 14);
    const QDate& origin = thisCycle ? FCycleStart : FCycleStartPrevious;
    return static_cast<uint16_t>(origin.daysTo(exaltation.addDays(9 - Weekday(exaltation))));
}

// The same for Julian September 14 (civil September 27).
uint16_t TCalendarEngine::GetLukanJumpDayOld() const
{
    const bool thisCycle = FOldMonth >= 7;
    const int storedYear = thisCycle ? FOldYearShifted : FOldYearShifted - 1;
    const QDate& origin = thisCycle ? FCycleStart : FCycleStartPrevious;
    const int weekday = Weekday(QDate(storedYear, 9, 14));
    return static_cast<uint16_t>(origin.daysTo(QDate(storedYear - 16, 9, 14).addDays(8 - weekday)) + 14);
}
