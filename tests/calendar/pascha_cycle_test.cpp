#include "calendar_fixture.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

class PaschaCycle : public CalendarTest {};

// Orthodox Pascha (column 0) or Western Easter (column 1) of the years 1 to 9999 from python-dateutil.
std::vector<QDate> ReferencePascha(int column = 0)
{
    std::vector<QDate> dates;
    std::ifstream in(PASCHA_REFERENCE);
    for (std::string line; std::getline(in, line);)
        dates.push_back(QDate::fromString(QString::fromStdString(line).section(' ', column, column), Qt::ISODate));
    return dates;
}

TEST_F(PaschaCycle, Examples)
{
    EXPECT_EQ(TCalendarEngine::PaschaOfYear(2024), QDate(2024, 5, 5));
    EXPECT_EQ(TCalendarEngine::PaschaOfYear(2025), QDate(2025, 4, 20));
    EXPECT_EQ(TCalendarEngine::PaschaOfYear(1900), QDate(1900, 4, 22));
    EXPECT_EQ(TCalendarEngine::WesternEasterOfYear(2024), QDate(2024, 3, 31));
    EXPECT_EQ(TCalendarEngine::WesternEasterOfYear(2025), QDate(2025, 4, 20));
    EXPECT_EQ(TCalendarEngine::WesternEasterOfYear(2038), QDate(2038, 4, 25));   // latest possible
    EXPECT_EQ(TCalendarEngine::WesternEasterOfYear(2285), QDate(2285, 3, 22));   // earliest possible
}

TEST_F(PaschaCycle, EveryYearAgreesWithIndependentReference)
{
    const std::vector<QDate> reference = ReferencePascha();
    ASSERT_EQ(reference.size(), 9999u) << "reference list missing: " << PASCHA_REFERENCE;
    for (int year = 1; year <= 9999; ++year)
        ASSERT_EQ(TCalendarEngine::PaschaOfYear(year), reference[static_cast<size_t>(year - 1)]) << year;
    const std::vector<QDate> western = ReferencePascha(1);
    for (int year = 1; year <= 9999; ++year)
        ASSERT_EQ(TCalendarEngine::WesternEasterOfYear(year), western[static_cast<size_t>(year - 1)]) << year;
    // The engine's own fields, reached through a date change: on the new calendar in
    // every year it accepts, on the old calendar in the years of its range.
    for (int year = TCalendarEngine::FirstCivilYear; year <= TCalendarEngine::LastCivilYear; ++year) {
        Select(QDate(year, 6, 1));
        ASSERT_EQ(engine.FPascha, reference[static_cast<size_t>(year - 1)]) << year;
        ASSERT_EQ(engine.FPaschaPrevious, reference[static_cast<size_t>(year - 2)]) << year;
        ASSERT_EQ(engine.FPaschaNext, reference[static_cast<size_t>(year)]) << year;
        ASSERT_EQ(engine.FWesternEasterNext, western[static_cast<size_t>(year)]) << year;
    }
    for (int year = 1900; year <= 2083; ++year) {
        Select(QDate(year, 6, 1), true);
        ASSERT_EQ(engine.FPascha, reference[static_cast<size_t>(year - 1)]) << year;
        ASSERT_EQ(engine.FWesternEaster, western[static_cast<size_t>(year - 1)]) << year;
    }
    // The first Sunday in May 2100 is Pascha, 14 days after Julian April 18.
    Select(QDate(2100, 5, 2));
    EXPECT_EQ(engine.GetCycleDay(), 77);
}

TEST_F(PaschaCycle, RecomputeFillsEveryOrigin)
{
    Select(QDate(2025, 6, 1));
    EXPECT_EQ(engine.FPascha, QDate(2025, 4, 20));
    EXPECT_EQ(engine.FPaschaPrevious, QDate(2024, 5, 5));
    EXPECT_EQ(engine.FPaschaNext, QDate(2026, 4, 12));
    EXPECT_EQ(engine.FWesternEaster, QDate(2025, 4, 20));
    EXPECT_EQ(engine.FWesternEasterNext, QDate(2026, 4, 5));
    EXPECT_EQ(engine.FCycleStart, QDate(2025, 2, 2));
    EXPECT_EQ(engine.FCycleStartPrevious, QDate(2024, 2, 18));
    EXPECT_EQ(engine.FToneStart, QDate(2025, 4, 27));
    EXPECT_EQ(engine.FToneStartPrevious, QDate(2024, 5, 12));
    EXPECT_EQ(engine.FAllSaintsSunday, QDate(2025, 6, 15));
    EXPECT_EQ(engine.FAllSaintsSundayPrevious, QDate(2024, 6, 30));
}

TEST_F(PaschaCycle, EarlyJanuaryOfTheOldCalendarUsesThePreviousYear)
{
    Select(QDate(2025, 1, 10), true);   // Julian December 28, 2024
    EXPECT_EQ(engine.FPascha, QDate(2024, 5, 5));
    EXPECT_EQ(engine.FPaschaNext, QDate(2025, 4, 20));
    EXPECT_EQ(engine.FWesternEaster, QDate(2024, 3, 31));
    EXPECT_EQ(engine.GetCycleDay(), 327);

    Select(QDate(2025, 1, 10), false);
    EXPECT_EQ(engine.FPascha, QDate(2025, 4, 20));
    EXPECT_EQ(engine.FCycleStart, QDate(2025, 2, 2));
    EXPECT_EQ(engine.GetCycleDay(), 327);

    Select(QDate(2025, 1, 13), true);   // Julian December 31, 2024
    EXPECT_EQ(engine.FPascha, QDate(2024, 5, 5));
    Select(QDate(2025, 1, 14), true);   // Julian January 1, 2025
    EXPECT_EQ(engine.FPascha, QDate(2025, 4, 20));
}

TEST_F(PaschaCycle, CycleDayAroundItsOrigin)
{
    for (bool oldCalendar : {false, true}) {
        Select(QDate(2025, 4, 20), oldCalendar);
        EXPECT_EQ(engine.GetCycleDay(), 77);
        Select(QDate(2025, 2, 2), oldCalendar);
        EXPECT_EQ(engine.GetCycleDay(), 0);
        Select(QDate(2025, 2, 1), oldCalendar);
        EXPECT_EQ(engine.GetCycleDay(), 349);
        Select(QDate(2025, 6, 8), oldCalendar);
        EXPECT_EQ(engine.GetCycleDay(), 126);   // Pentecost
    }
}

// Over the whole range: the day falls within its cycle and every seventh day is a Sunday.
TEST_F(PaschaCycle, CycleDayStaysInsideItsCycleOverTheWholeRange)
{
    for (bool oldCalendar : {false, true}) {
        ForEachDayOfRange([&](const QDate& civil) {
            Select(civil, oldCalendar);
            const uint16_t ch = engine.GetCycleDay();
            ASSERT_LE(ch, 384) << civil.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(ch % 7 == 0, civil.dayOfWeek() == Qt::Sunday) << civil.toString(Qt::ISODate).toStdString();
            ASSERT_LE(engine.FCycleStartPrevious, civil);
        });
    }
}

} // namespace
