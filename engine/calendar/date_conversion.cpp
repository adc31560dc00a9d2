// Calendar state: old/new date conversion, the date-change calls and the captions.
#include "calendar_engine.h"

#include <QLocale>
#include <QString>

namespace {

// Every fourth year from 1904 to 2096: the leap years of the stored and civil range.
constexpr std::array<uint16_t, 49> LeapYearTable = [] {
    std::array<uint16_t, 49> years{};
    for (size_t i = 0; i < years.size(); ++i)
        years[i] = static_cast<uint16_t>(1904 + 4 * i);
    return years;
}();

std::string Format(const QDate& date, const char* pattern)
{
    return QLocale().toString(date, QString::fromLatin1(pattern)).toStdString();
}

} // namespace

TCalendarEngine::TCalendarEngine(const ILiveSettings& settings, rsrc::HMODULE strings)
    : FSettings(settings), FStrings(strings)
{
}

bool TCalendarEngine::IsAcceptedCivilDate(const QDate& civil)
{
    return civil.isValid() && civil.year() >= FirstCivilYear && civil.year() <= LastCivilYear;
}

bool TCalendarEngine::SetCivilDate(const QDate& civil)
{
    if (!IsAcceptedCivilDate(civil))
        return false;
    FCivilDate = civil;
    FCivilYear = static_cast<uint16_t>(civil.year());
    FCivilMonth = static_cast<uint16_t>(civil.month());
    FCivilDay = static_cast<uint16_t>(civil.day());
    FOldDateShifted = NewToOldDate();
    RecomputeCycle();
    return true;
}

bool TCalendarEngine::SetOldDate(const QDate& oldShifted)
{
    if (!oldShifted.isValid() || oldShifted < FirstOldDateShifted || oldShifted > LastOldDateShifted)
        return false;
    FOldDateShifted = oldShifted;
    FOldYearShifted = static_cast<uint16_t>(oldShifted.year());
    FOldMonth = static_cast<uint16_t>(oldShifted.month());
    FOldDay = static_cast<uint16_t>(oldShifted.day());
    FCivilDate = OldToNewDate();
    RecomputeCycle();
    return true;
}

QDate TCalendarEngine::NewToOldDate()
{
    if (FCivilDate > LastCivilDate)
        return LastOldDateShifted;
    if (FCivilDate < FirstCivilDate)
        return FirstOldDateShifted;

    const bool earlyJanuary = FCivilMonth == 1 && FCivilDay <= 13;
    FOldYearShifted = static_cast<uint16_t>(FCivilYear + (earlyJanuary ? 15 : 16));
    if (FCivilDay <= 13) {
        // The first thirteen civil days of a month are the end of the previous old month.
        switch (FCivilMonth) {
        case 1:
            FOldMonth = 12;
            FOldDay = FCivilDay + 18;
            break;
        case 3:
            FOldMonth = 2;
            FOldDay = FCivilDay + (IsLeapYearInTable(FCivilYear) ? 16 : 15);
            break;
        case 5: case 7: case 10: case 12:
            FOldMonth = FCivilMonth - 1;
            FOldDay = FCivilDay + 17;
            break;
        default:   // after a 31-day month
            FOldMonth = FCivilMonth - 1;
            FOldDay = FCivilDay + 18;
            break;
        }
    } else {
        FOldMonth = FCivilMonth;
        FOldDay = FCivilDay - 13;
    }
    return QDate(FOldYearShifted, FOldMonth, FOldDay);
}

QDate TCalendarEngine::OldToNewDate()
{
    const bool lateDecember = FOldMonth == 12 && FOldDay >= 19;
    FCivilYear = static_cast<uint16_t>(FOldYearShifted - (lateDecember ? 15 : 16));
    const bool leap = IsLeapYearInTable(static_cast<uint16_t>(FOldYearShifted - 16));

    FCivilMonth = FOldMonth;
    FCivilDay = FOldDay + 13;
    switch (FOldMonth) {
    case 1: case 3: case 5: case 7: case 8: case 10:
        if (FOldDay >= 19) {
            FCivilMonth = FOldMonth + 1;
            FCivilDay = FOldDay - 18;
        }
        break;
    case 2:
        if (leap && FOldDay == 16) {
            FCivilDay = 29;
        } else if (leap && FOldDay >= 17) {
            FCivilMonth = 3;
            FCivilDay = FOldDay - 16;
        } else if (!leap && FOldDay >= 16) {
            FCivilMonth = 3;
            FCivilDay = FOldDay - 15;
        }
        break;
    case 4: case 6: case 9: case 11:
        if (FOldDay >= 18) {
            FCivilMonth = FOldMonth + 1;
            FCivilDay = FOldDay - 17;
        }
        break;
    case 12:
        if (FOldDay >= 19) {
            FCivilMonth = 1;
            FCivilDay = FOldDay - 18;
        }
        break;
    default:
        break;
    }
    return QDate(FCivilYear, FCivilMonth, FCivilDay);
}

bool TCalendarEngine::IsLeapYearInTable(uint16_t year)
{
    for (uint16_t leapYear : LeapYearTable)
        if (leapYear == year)
            return true;
    return false;
}

std::string TCalendarEngine::GetDateTitle() const
{
    if (FSettings.OldCalendar())
        return Format(FOldDateShifted, "dddd, MMMM d, ") + Format(FCivilDate.addDays(-13), "yyyy");
    return Format(FCivilDate, "dddd, MMMM d, yyyy");
}

std::string TCalendarEngine::GetMonthCaption() const
{
    return Format(FSettings.OldCalendar() ? FOldDateShifted : FCivilDate, "MMMM");
}

std::string TCalendarEngine::GetYearCaption() const
{
    return Format(FSettings.OldCalendar() ? FCivilDate.addDays(-13) : FCivilDate, "yyyy");
}
