// Day analysis: the day's title, the Liturgy readings of the moveable cycle with
// the Gospel cycle after Pentecost and the Lukan jump, and which fixed-feast
// readings apply to the day.
#include "lectionary.h"
#include "readings_builder.h"
#include "readings_text.h"

using namespace readings_text;

namespace {

// Days whose Epistle the Liturgy of St. Basil takes.
bool IsBasilSunday(int ch) { return OneOf(ch, {35, 42, 49, 56, 63}); }

bool IsLongYear(int g) { return g == 378 || g == 385; }
bool IsShortYear(int g) { return g == 350 || g == 357; }

}  // namespace

bool TReadingsBuilder::Old() const { return FSettings.OldCalendar(); }

int TReadingsBuilder::LukanJumpDay() const
{
    return Old() ? FCalendar.GetLukanJumpDayOld() : FCalendar.GetLukanJumpDayNew();
}

int TReadingsBuilder::PaschaGap() const
{
    return static_cast<int>(FCalendar.FPaschaPrevious.daysTo(FCalendar.FPascha));
}

int TReadingsBuilder::CycleLength() const
{
    const int month = Old() ? FCalendar.FOldMonth : FCalendar.FCivilMonth;
    if (month <= 6) return PaschaGap();
    return static_cast<int>(FCalendar.FPascha.daysTo(FCalendar.FPaschaNext));
}

int TReadingsBuilder::LateDay() const { return FCycleDay - CycleLength() + 350; }

// Pascha of the cycle the selected day lies in.
QDate TReadingsBuilder::PaschaOfCycle() const
{
    return FCalendar.FCivilDate < FCalendar.FCycleStart ? FCalendar.FPaschaPrevious
                                                        : FCalendar.FPascha;
}

// The civil date of the Nativity that falls in the selected day's cycle; on the old
// calendar December 25 lies 13 civil days later.
QDate TReadingsBuilder::NativityOfCycle() const
{
    const QDate nativity(PaschaOfCycle().year(), 12, 25);
    return Old() ? nativity.addDays(13) : nativity;
}

// Cycle day of the Sunday of the Holy Forefathers, the second Sunday before the Nativity.
int TReadingsBuilder::ForefathersDay() const
{
    const QDate nativity = NativityOfCycle();
    return static_cast<int>(PaschaOfCycle().daysTo(nativity)) + 70 - IsoWeekday(nativity);
}

std::string TReadingsBuilder::GetDayTitle() const
{
    const int ch = FCycleDay;
    if (FWeekday == 1) {
        if (ch > 126) {
            const int n = (ch - 126) / 7;
            if (n == 1) return "1st Sunday after Pentecost\r\nSunday of All Saints";
            const char* suffix = "th";
            if (n % 10 == 1 && n != 11) suffix = "st";
            else if (n % 10 == 2 && n != 12) suffix = "nd";
            else if (n % 10 == 3 && n != 13) suffix = "rd";
            return std::to_string(n) + suffix + " Sunday after Pentecost";
        }
        static const char* const sundays[] = {
            "Zacchaeus Sunday", "Sunday of the Publican and the Pharisee",
            "Sunday of the Prodigan Son", "Meat-fare Sunday", "Cheese-fare Sunday",
            "First Sunday of Great Lent", "Second Sunday of Great Lent",
            "Third Sunday of Great Lent", "Fourth Sunday of Great Lent",
            "Fifth Sunday of Great Lent", "Palm Sunday", "Pascha", "2nd Sunday of Pascha",
            "3rd Sunday of Pascha", "4th Sunday of Pascha", "5th Sunday of Pascha",
            "6th Sunday of Pascha", "7th Sunday of Pascha", "Pentecost"};
        if (ch % 7 == 0) return sundays[ch / 7];
    }
    static const std::pair<int, const char*> days[] = {
        {71, "Passion Week: Great Monday"}, {72, "Passion Week: Great Tuesday"},
        {73, "Passion Week: Great Wednesday"}, {74, "Passion Week: Great Thursday"},
        {75, "Passion Week: Great Friday"}, {76, "Great and Holy Saturday"},
        {78, "Bright Monday"}, {79, "Bright Tuesday"}, {80, "Bright Wednesday"},
        {81, "Bright Thursday"}, {82, "Bright Friday"}, {83, "Bright Saturday"},
        {101, "Wednesday\r\nMid-Pentecost"}, {116, "Thursday\r\nThe Ascension of Our Lord"}};
    for (const auto& [day, title] : days)
        if (day == ch) return title;
    return WeekdayName(FCalendar.FCivilDate);
}

int TReadingsBuilder::EpistleDay() const
{
    const int ch = FCycleDay;
    if (ch == 329) return ForefathersDay();
    return ch < 350 ? ch : LateDay();
}

int TReadingsBuilder::GospelDay() const
{
    return FSettings.UseLukanJump() ? LukanGospelJumpOn() : LukanGospelJumpOff();
}

// A Sunday before the Triodion that no rule names: in a long year it counts back
// from Pascha as the new-calendar rule has it; otherwise it keeps the week that
// its weekdays read (`late`).
int TReadingsBuilder::UnnamedSunday(int late) const
{
    if (!IsLongYear(PaschaGap())) return late;
    switch (FCalendar.FCivilDate.daysTo(FCalendar.FPascha)) {
    case 91: return 343;
    case 98: return 336;
    case 105: return 329;
    case 112: return 315;
    default: return late;
    }
}

// Past the fifteenth week of Luke the Sundays follow the year's length.
int TReadingsBuilder::LukanGospelJumpOn() const
{
    const int ch = FCycleDay;
    const int j = LukanJumpDay();
    const QDate& d = FCalendar.FCivilDate;
    const QDate& p = FCalendar.FPascha;
    const int g = PaschaGap();
    const int toPascha = static_cast<int>(d.daysTo(p));
    const int y = FCalendar.FCivilYear;

    // Past the fifteenth week of Luke. Its closing Sunday (J + 104) would map onto
    // day 350, past the table, so it follows the Sunday rules as well.
    if (ch >= j + 104) {
        if (ch % 7 != 0) return LateDay();
        int day = 0;
        if (Old()) {
            if (toPascha == 84 && IsLongYear(g)) day = 245;
            else if (toPascha == 84 && IsShortYear(g)) day = 343;
            else if (IsLongYear(g) && toPascha == 91) day = 343;
            else if (IsLongYear(g) && toPascha == 98) day = 336;
        } else {
            const int q = IsoWeekday(QDate(y - 1, 12, 25));
            const int l = q <= 3 ? 1 : 2;
            const int w = static_cast<int>(QDate(y - 1, 4, 2).daysTo(FCalendar.FPaschaPrevious)) / 7 +
                          (g - 350) / 7 - 2;
            if (toPascha == 84 && IsLongYear(g)) day = 245;
            else if (toPascha == 84 && l < w) day = 245;
            else if (IsShortYear(g) && toPascha == 84) day = 343;
            else if (IsShortYear(g) && toPascha == 91) day = 336;
            if (IsLongYear(g) || (IsShortYear(g) && l < w)) {
                if (toPascha == 91) day = 343;
                else if (toPascha == 98) day = 336;
                else if (toPascha == 105) day = 329;
                else if (toPascha == 112) day = 315;
            }
        }
        return day != 0 ? day : UnnamedSunday(LateDay());
    }

    bool jumped;
    if (!Old()) {
        const QDate sept14(y, 9, 14);
        const QDate jumpDate = sept14.addDays(9 - (sept14.dayOfWeek() % 7 + 1));
        jumped = d >= jumpDate || (FCalendar.FCivilMonth < 3 && d >= QDate(y - 1, 9, 14));
    } else {
        auto jumpDate = [&](int civilYear, int oldYear) {
            const int dow = QDate(oldYear, 9, 14).dayOfWeek() % 7 + 1;
            QDate date = QDate(civilYear, 9, 14).addDays(9 - dow);
            if (j >= 251) date = date.addDays(246 - j);
            return date;
        };
        const QDate oldDay = d.addDays(-13);
        jumped = oldDay >= jumpDate(y, FCalendar.FOldYearShifted);
        if (OneOf(static_cast<int>(FCalendar.FCivilMonth), {12, 1, 2}) && ch > 126)
            jumped = jumped || oldDay >= jumpDate(y - 1, FCalendar.FOldYearShifted - 1);
    }
    if (!jumped || (!Old() && ch < 190)) return ch;
    const int day = ch - j + 246;
    if (day != 322) return day;
    return IsoWeekday(NativityOfCycle()) <= 3 ? 336 : 329;
}

int TReadingsBuilder::LukanGospelJumpOff() const
{
    const int ch = FCycleDay;
    const int g = PaschaGap();
    const QDate& d = FCalendar.FCivilDate;
    const QDate& p = FCalendar.FPascha;
    const QDate& pp = FCalendar.FPaschaPrevious;
    const int toPascha = static_cast<int>(d.daysTo(p));

    if (ch <= 349 && (!OneOf(ch, {336, 343}) || g != 357 || Old()))
        return ch == 322 ? ForefathersDay() : ch;
    const int late = Old() ? LateDay() : ch - g + 350;
    if (ch % 7 != 0) return late;

    int day = 0;
    if (Old()) {
        if (g == 385) {
            if (toPascha == 84) day = 245;
            else if (toPascha == 91) day = 343;
            else if (toPascha == 98) day = 336;
        } else if (g == 357 || g == 378) {
            if (toPascha == 84) day = 343;
            else if (toPascha == 91) day = 336;
        }
        return day != 0 ? day : UnnamedSunday(late);
    }
    if (toPascha == 84 && g == 385) return 245;
    if (g == 357) {
        if (toPascha == 98) return 329;
        if (toPascha == 91) return 336;
        if (toPascha == 84) return 343;
    }
    const int y = FCalendar.FCivilYear;
    const int v = static_cast<int>((pp.daysTo(QDate(y - 1, 12, 16)) - 42) / 7);
    const int t = static_cast<int>(pp.daysTo(QDate(y, 1, 20)) + 77);
    const int k = t - t % 7;
    if (v == 28) return ch == k ? 315 : ch - k + 322;
    if (v == 29) return ch - k + 329;
    if (v == 30) return ch - k + 336;
    return UnnamedSunday(late);
}

std::string TReadingsBuilder::GetDailyInfo()
{
    const int ch = FCycleDay;
    const int row = FindDailyRecord(FCycleDay);
    FNote = row ? std::string(DailyRow(row).Note) : "Liturgy";
    const bool commemoration = row && DailyRow(row).IsCommemoration;
    const std::string day = std::to_string(ch);

    std::string text;
    if (ch < 71 || ch > 73) {
        std::string heading = UpperCase(FNote);
        if (commemoration || ch > 140) heading = "LITURGY";
        else if (IsBasilSunday(ch)) heading = "LITURGY OF ST. BASIL";
        else if (ch == 75) heading.clear();
        text += heading + Reading(std::to_string(EpistleDay()), "E1");
    } else {
        text += UpperCase(FNote);
    }
    text += Reading(std::to_string(GospelDay()), "G1");
    if (ch == 74 || ch == 75)
        for (const char* part : {"G2", "G3", "G4", "G5"}) text += Reading(day, part);
    if (ch == 77) text += CRLF3 + "GREAT VESPERS" + Reading(day, "GV1");
    if (commemoration) {
        text += CRLF3 + FNote;
        if (ch == 140) text += CRLF2 + GetHoursAndVespersReadings() + CRLF3 + "LITURGY";
        text += Reading(day, "E2") + Reading(day, "G2");
    }
    return text;
}

std::string TReadingsBuilder::GetSundayFeastKey() const
{
    const std::string& k = FDateKey;
    if (FWeekday == 1) {
        if (InRange(k, "12/11", "12/17")) return "SecSunBefNativ";
        if (InRange(k, "12/18", "12/23")) return "SunBefNativ";
        if (InRange(k, "12/26", "12/31")) return "SunAftNativ";
        if (InRange(k, "01/02", "01/04")) return "SunBefTheo";
        if (InRange(k, "01/07", "01/13")) return "SunAftTheo";
    } else if (FWeekday == 6) {
        if (k == "01/03" || k == "01/04") return "TheoRH";
        if (k == "12/22" || k == "12/23") return "NativRH";
    }
    return k;
}

std::string TReadingsBuilder::GetSaturdaySundayFeastKey() const
{
    const std::string& k = FDateKey;
    std::string key;
    if (FWeekday == 7) {
        if (InRange(k, "01/01", "01/05")) key = "SatBefTheo";
        if (InRange(k, "01/07", "01/13")) key = "SatAftTheo";
        if (InRange(k, "09/07", "09/13")) key = "SatBefExal";
        if (InRange(k, "09/15", "09/21")) key = "SatAftExal";
        if (InRange(k, "12/18", "12/24")) key = "SatBefNativ";
        if (InRange(k, "12/26", "12/31")) key = "SatAftNativ";
    } else if (FWeekday == 1) {
        if (InRange(k, "07/13", "07/19")) key = "SunHolyFathers";
        if (InRange(k, "09/07", "09/13")) key = "SunBefExal";
        if (InRange(k, "09/15", "09/21")) key = "SunAftExal";
        if (InRange(k, "01/01", "01/05")) key = "SunBefTheo";
        if (InRange(k, "01/07", "01/13")) key = "SunAftTheo";
        if (k == "12/24") key = "SunBefNativ";
        if (Old() && FCycleDay == 77 && k == "03/25") key = k;
    }
    return key;
}

bool TReadingsBuilder::IsFixedReadingsOnlyDay() const
{
    const std::string& k = FDateKey;
    const int w = FWeekday;
    const int ch = FCycleDay;
    bool only = false;
    if (w != 1 && OneOf(k, {"06/24", "06/29", "08/15", "08/29", "09/08", "11/21"})) only = true;
    if (w == 7 && k == "09/08") only = false;
    if (OneOf(k, {"01/06", "08/06", "09/14", "12/25"}) && ch != 0) only = true;
    if (w >= 2 && w <= 6 && (k == "01/05" || k == "12/24")) only = true;
    if (w == 1 && !OneOf(k, {"12/24", "01/01", "01/05"}) && ch != 0 && ch != 7 &&
        ((InRange(k, "12/11", "12/31") && k != "12/25") ||
         (InRange(k, "01/01", "01/13") && k != "01/06")))
        only = true;
    if (w == 6 && OneOf(k, {"01/03", "01/04", "12/22", "12/23"})) only = true;
    if (Old()) {
        if (k == "02/02" && w != 1 && !OneOf(ch, {24, 26, 29})) return true;
        if (k == "03/25" && ch >= 78 && ch <= 80) only = true;
    } else if (k == "02/02" && w != 1) {
        only = true;
    }
    return only;
}

bool TReadingsBuilder::IsFixedReadingsFirstDay() const
{
    const std::string& k = FDateKey;
    const int w = FWeekday;
    const int ch = FCycleDay;
    if (w == 1 && OneOf(k, {"06/24", "06/29", "08/15", "08/29", "09/08", "11/21"})) return true;
    if (w == 7 && k == "09/08") return true;
    if (OneOf(k, {"01/01", "01/30", "10/01", "12/06"})) return true;
    if ((w == 1 || w == 7) && (k == "01/05" || k == "12/24") && ch != 0) return true;
    if (k == "01/06" && ch == 0) return true;
    if (Old()) {
        if (k == "03/25") return ch < 77 || ch > 80;
        return k == "02/02" && (w == 1 || OneOf(ch, {24, 26, 29}));
    }
    return k == "03/25" || (k == "02/02" && w == 1);
}

bool TReadingsBuilder::IsSaturdaySundayFixedDay() const
{
    const std::string& k = FDateKey;
    const int w = FWeekday;
    if (w == 1 && InRange(k, "07/13", "07/19")) return true;
    if ((w == 1 || w == 7) && InRange(k, "09/07", "09/21") && k != "09/14") return true;
    if (w == 7 && InRange(k, "12/18", "12/31") && k != "12/25") return true;
    if (w == 1 && OneOf(k, {"12/24", "01/01", "01/05"})) return true;
    if (w == 7 && InRange(k, "01/01", "01/13") && k != "01/06") return true;
    return Old() && FCycleDay == 77 && k == "03/25";
}

bool TReadingsBuilder::IsReadingsFromNextDay() const
{
    const std::string& k = FDateKey;
    const int w = FWeekday;
    const int ch = FCycleDay;
    const bool weekday = w >= 2 && w <= 6;
    if (weekday &&
        OneOf(k, {"06/23", "06/28", "08/05", "08/14", "08/28", "09/07", "09/13", "11/20"}))
        return true;
    if (w >= 2 && w <= 5 && (k == "01/04" || k == "12/23")) return true;
    if (w == 5 && OneOf(k, {"01/02", "01/03", "12/21", "12/22"})) return true;
    if (Old())
        return (weekday && k == "02/01" && ch != 23 && ch != 25) ||
               (k == "03/24" && (ch == 78 || ch == 79));
    return weekday && k == "02/01";
}

bool TReadingsBuilder::IsReadingsFromPreviousDay() const
{
    const std::string& k = FDateKey;
    const int w = FWeekday;
    if (w == 3 &&
        OneOf(k, {"06/25", "06/30", "08/07", "08/16", "08/30", "09/09", "09/15", "11/22"}))
        return true;
    if (Old()) return (w == 3 && k == "02/03" && FCycleDay != 30) || (k == "03/26" && FCycleDay == 79);
    return w == 3 && k == "02/03";
}
