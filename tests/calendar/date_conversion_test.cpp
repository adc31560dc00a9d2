#include "calendar_fixture.h"

#include <QCalendar>

namespace {

class DateConversion : public CalendarTest {
protected:
    // Writes the civil side by hand and converts, as the date-change protocol does.
    QDate ToOld(const QDate& civil)
    {
        engine.FCivilDate = civil;
        engine.FCivilYear = static_cast<uint16_t>(civil.year());
        engine.FCivilMonth = static_cast<uint16_t>(civil.month());
        engine.FCivilDay = static_cast<uint16_t>(civil.day());
        return engine.NewToOldDate();
    }
    QDate ToCivil(const QDate& stored)
    {
        engine.FOldYearShifted = static_cast<uint16_t>(stored.year());
        engine.FOldMonth = static_cast<uint16_t>(stored.month());
        engine.FOldDay = static_cast<uint16_t>(stored.day());
        return engine.OldToNewDate();
    }
    void ExpectOldWords(int year, int month, int day)
    {
        EXPECT_EQ(engine.FOldYearShifted, year);
        EXPECT_EQ(engine.FOldMonth, month);
        EXPECT_EQ(engine.FOldDay, day);
    }
};

TEST_F(DateConversion, RangeLimitsClampAndKeepTheOldWords)
{
    EXPECT_EQ(TCalendarEngine::FirstCivilDate, QDate(1900, 3, 14));
    EXPECT_EQ(TCalendarEngine::LastCivilDate, QDate(2084, 3, 12));
    EXPECT_EQ(TCalendarEngine::FirstOldDateShifted, QDate(1916, 3, 1));
    EXPECT_EQ(TCalendarEngine::LastOldDateShifted, QDate(2100, 2, 28));
    EXPECT_EQ(ToOld(QDate(2084, 3, 12)), QDate(2100, 2, 28));
    ExpectOldWords(2100, 2, 28);
    EXPECT_EQ(ToOld(QDate(1900, 3, 14)), QDate(1916, 3, 1));
    ExpectOldWords(1916, 3, 1);

    ToOld(QDate(2025, 1, 13));
    EXPECT_EQ(ToOld(QDate(2084, 3, 13)), QDate(2100, 2, 28));
    ExpectOldWords(2040, 12, 31);
    EXPECT_EQ(ToOld(QDate(1900, 3, 13)), QDate(1916, 3, 1));
    ExpectOldWords(2040, 12, 31);
    EXPECT_EQ(ToOld(QDate(3000, 1, 1)), QDate(2100, 2, 28));
    ExpectOldWords(2040, 12, 31);
}

TEST_F(DateConversion, LeapDaysOfBothCalendars)
{
    // Julian February 29, 2000, on the same weekday as the civil day.
    EXPECT_EQ(ToOld(QDate(2000, 3, 13)), QDate(2016, 2, 29));
    EXPECT_EQ(QDate(2016, 2, 29).dayOfWeek(), QDate(2000, 3, 13).dayOfWeek());
    EXPECT_EQ(ToOld(QDate(2001, 3, 1)), QDate(2017, 2, 16));
    EXPECT_EQ(ToOld(QDate(2001, 3, 13)), QDate(2017, 2, 28));
    EXPECT_EQ(ToOld(QDate(2000, 2, 29)), QDate(2016, 2, 16));
    EXPECT_EQ(ToOld(QDate(1900, 3, 31)), QDate(1916, 3, 18));

    EXPECT_EQ(ToCivil(QDate(2100, 2, 16)), QDate(2084, 2, 29));
    EXPECT_EQ(ToCivil(QDate(2100, 2, 17)), QDate(2084, 3, 1));
    EXPECT_EQ(ToCivil(QDate(2100, 2, 28)), QDate(2084, 3, 12));
    EXPECT_EQ(ToCivil(QDate(2017, 2, 16)), QDate(2001, 3, 1));
    EXPECT_EQ(ToCivil(QDate(2017, 2, 15)), QDate(2001, 2, 28));

    for (uint16_t year : {1900, 1903, 2100, 2104})
        EXPECT_FALSE(TCalendarEngine::IsLeapYearInTable(year)) << year;
    for (uint16_t year : {1904, 2000, 2096})
        EXPECT_TRUE(TCalendarEngine::IsLeapYearInTable(year)) << year;
}

TEST_F(DateConversion, EarlyJanuaryBelongsToThePreviousOldYear)
{
    EXPECT_EQ(ToOld(QDate(2025, 1, 13)), QDate(2040, 12, 31));
    ExpectOldWords(2040, 12, 31);
    EXPECT_EQ(ToOld(QDate(2025, 1, 14)), QDate(2041, 1, 1));
    EXPECT_EQ(ToOld(QDate(2025, 1, 1)), QDate(2040, 12, 19));

    EXPECT_EQ(ToCivil(QDate(2040, 12, 31)), QDate(2025, 1, 13));
    EXPECT_EQ(engine.FCivilYear, 2025);
    EXPECT_EQ(ToCivil(QDate(2040, 12, 18)), QDate(2024, 12, 31));
}

// Every civil day of the range converts like an independent Julian calendar and back.
TEST_F(DateConversion, WholeRangeAgreesWithJulianCalendarAndRoundTrips)
{
    const QCalendar julian(QCalendar::System::Julian);
    int days = 0;
    ForEachDayOfRange([&](const QDate& civil) {
        const QCalendar::YearMonthDay j = julian.partsFromDate(civil);
        const QDate expected(j.year + 16, j.month, j.day);
        const QDate stored = ToOld(civil);
        ASSERT_EQ(stored, expected) << civil.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(stored.dayOfWeek(), civil.dayOfWeek());
        ASSERT_EQ(QDate(engine.FOldYearShifted, engine.FOldMonth, engine.FOldDay), stored);
        engine.FCivilYear = engine.FCivilMonth = engine.FCivilDay = 0;
        ASSERT_EQ(ToCivil(stored), civil);
        ASSERT_EQ(QDate(engine.FCivilYear, engine.FCivilMonth, engine.FCivilDay), civil);
        ++days;
    });
    EXPECT_EQ(days, TCalendarEngine::FirstCivilDate.daysTo(TCalendarEngine::LastCivilDate) + 1);
}

TEST_F(DateConversion, DateChangeFromEitherSideAndBadDates)
{
    settings.oldCalendar = true;
    ASSERT_TRUE(engine.SetOldDate(QDate(2041, 1, 1)));
    EXPECT_EQ(engine.FCivilDate, QDate(2025, 1, 14));
    EXPECT_EQ(engine.FCivilDay, 14);
    EXPECT_EQ(engine.FPascha, QDate(2025, 4, 20));   // the cycle was recomputed

    settings.oldCalendar = false;
    ASSERT_TRUE(engine.SetCivilDate(QDate(2025, 6, 1)));
    EXPECT_FALSE(engine.SetCivilDate(QDate()));
    EXPECT_FALSE(engine.SetCivilDate(QDate(1699, 12, 31)));
    EXPECT_FALSE(engine.SetCivilDate(QDate(3047, 1, 1)));
    EXPECT_FALSE(engine.SetOldDate(QDate()));
    EXPECT_FALSE(engine.SetOldDate(QDate(1916, 2, 29)));
    EXPECT_FALSE(engine.SetOldDate(QDate(2100, 3, 1)));
    EXPECT_EQ(engine.FCivilDate, QDate(2025, 6, 1));
    EXPECT_EQ(engine.FOldDateShifted, QDate(2041, 5, 19));
    EXPECT_EQ(engine.FCivilDay, 1);
    EXPECT_EQ(engine.FOldDay, 19);
    EXPECT_EQ(engine.FPascha, QDate(2025, 4, 20));

    // Outside the old range the civil calendar still works, with the old date at its limit.
    ASSERT_TRUE(engine.SetCivilDate(QDate(3046, 12, 31)));
    EXPECT_EQ(engine.FOldDateShifted, TCalendarEngine::LastOldDateShifted);
    EXPECT_EQ(engine.FPascha, QDate(3046, 4, 26));
    ASSERT_TRUE(engine.SetCivilDate(QDate(1700, 1, 1)));
    EXPECT_EQ(engine.FOldDateShifted, TCalendarEngine::FirstOldDateShifted);
    EXPECT_EQ(engine.FPaschaPrevious, QDate(1699, 4, 19));
}

TEST_F(DateConversion, CaptionsFollowTheMode)
{
    Select(QDate(2025, 2, 2));
    EXPECT_EQ(engine.GetDateTitle(), "Sunday, February 2, 2025");
    Select(QDate(2025, 1, 13));
    EXPECT_EQ(engine.GetDateTitle(), "Monday, January 13, 2025");
    EXPECT_EQ(engine.GetMonthCaption(), "January");
    EXPECT_EQ(engine.GetYearCaption(), "2025");

    settings.oldCalendar = true;   // read at each call
    EXPECT_EQ(engine.GetDateTitle(), "Monday, December 31, 2024");
    EXPECT_EQ(engine.GetMonthCaption(), "December");
    EXPECT_EQ(engine.GetYearCaption(), "2024");

    Select(QDate(2000, 3, 13), true);
    EXPECT_EQ(engine.GetDateTitle(), "Monday, February 29, 2000");

    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));   // the user's names
    EXPECT_EQ(engine.GetMonthCaption(), "février");
}

} // namespace
