// Pascha, Western Easter and the origins of the moveable cycle.
#include "calendar_engine.h"

#include <QCalendar>

// The Julian computus gives Pascha as a date of the Julian calendar, d + e days after
// Julian March 22; converting that date to the civil calendar adds the difference of
// the two calendars in its century (13 days from 1900 to 2099, 14 from 2100).
QDate TCalendarEngine::PaschaOfYear(int year)
{
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
    return QDate(year, 3, 22, QCalendar(QCalendar::System::Julian)).addDays(d + e);
}

QDate TCalendarEngine::WesternEasterOfYear(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(year, n / 31, n % 31 + 1);
}

// The year whose Pascha governs the day: the old year in old-calendar mode.
int TCalendarEngine::ComputationYear() const
{
    return FSettings.OldCalendar() ? FCivilDate.addDays(-13).year() : FCivilDate.year();
}

QDate TCalendarEngine::GetPaschaDate() const
{
    return PaschaOfYear(ComputationYear());
}

QDate TCalendarEngine::GetPreviousPaschaDate() const
{
    return PaschaOfYear(ComputationYear() - 1);
}

QDate TCalendarEngine::GetNextPaschaDate() const
{
    return PaschaOfYear(ComputationYear() + 1);
}

QDate TCalendarEngine::GetWesternEasterDate() const
{
    return WesternEasterOfYear(ComputationYear());
}

QDate TCalendarEngine::GetNextWesternEasterDate() const
{
    return WesternEasterOfYear(ComputationYear() + 1);
}

void TCalendarEngine::RecomputeCycle()
{
    FPascha = GetPaschaDate();
    FPaschaPrevious = GetPreviousPaschaDate();
    FPaschaNext = GetNextPaschaDate();
    FWesternEaster = GetWesternEasterDate();
    FWesternEasterNext = GetNextWesternEasterDate();
    FCycleStart = FPascha.addDays(-77);
    FCycleStartPrevious = FPaschaPrevious.addDays(-77);
    FToneStart = FPascha.addDays(7);
    FToneStartPrevious = FPaschaPrevious.addDays(7);
    FAllSaintsSunday = FPascha.addDays(56);
    FAllSaintsSundayPrevious = FPaschaPrevious.addDays(56);
}

uint16_t TCalendarEngine::GetCycleDay() const
{
    const QDate& origin = FCivilDate >= FCycleStart ? FCycleStart : FCycleStartPrevious;
    return static_cast<uint16_t>(origin.daysTo(FCivilDate));
}
