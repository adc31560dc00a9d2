#include "calendar_fixture.h"

extern const rsrc::ResourceModule calendar_test_strings;

namespace {

class DayDescription : public CalendarTest {};

// Whole feast bar lines of new-calendar days of 2025.
TEST_F(DayDescription, NamesToneAndFast)
{
    const std::pair<QDate, const char*> cases[] = {
        {QDate(2025, 4, 20), "The Bright Resurrection of Christ, The Pascha of the Lord"},
        {QDate(2025, 4, 27), "Second Sunday of Pascha (Thomas Sunday)   Tone 1"},
        {QDate(2025, 5, 4), "Third Sunday of Pascha (Sunday of the Myrrh-bearing Women)   Tone 2"},
        {QDate(2025, 4, 25), "Bright Friday   Fast Free Week"},
        {QDate(2025, 6, 8), "Pentecost - Trinity Sunday"},
        {QDate(2025, 4, 12), "Lazarus Saturday   Tone 8   Caviar, wine and oil allowed"},
        {QDate(2025, 6, 6), "Apososis of the Ascension   Tone 6   Fast Day   Wine and oil allowed"},
        {QDate(2025, 3, 3), "Beginning of Great Lent   Tone 3"},
        {QDate(2025, 4, 1), "Fifth Week of Great lent   Tone 7"},
        {QDate(2025, 10, 14), "19th Week after Pentecost   Tone 1"},
    };
    for (const auto& [day, expected] : cases) {
        Select(day);
        EXPECT_EQ(engine.GetDayDescription(), expected) << day.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(DayDescription, FirstWeekOfTheCycleIsNamedFromThePreviousCycle)
{
    Select(QDate(2025, 2, 2));   // previous cycle began 350 days earlier
    EXPECT_EQ(engine.GetDayDescription(), "32nd Sunday after Pentecost (Zacchaeus Sunday)   Tone 7");
    Select(QDate(2025, 2, 4));
    EXPECT_EQ(engine.GetDayDescription(), "33rd Week after Pentecost   Tone 7");

    Place(QDate(2025, 2, 2), 0, 364);
    EXPECT_EQ(engine.GetDayDescription().rfind("34th Sunday after Pentecost (Zacchaeus Sunday)   Tone ", 0), 0u);
    Place(QDate(2025, 2, 5), 3, 371);
    EXPECT_EQ(engine.GetDayDescription().rfind("36th Week after Pentecost   Tone ", 0), 0u);
}

TEST_F(DayDescription, ToneCountsWeeksFromThomasSunday)
{
    Select(QDate(2025, 5, 3));
    EXPECT_EQ(engine.GetToneText(), "   Tone 1");
    Select(QDate(2025, 6, 21));
    EXPECT_EQ(engine.GetToneText(), "   Tone 8");
    Select(QDate(2025, 6, 22));   // the tones start again
    EXPECT_EQ(engine.GetToneText(), "   Tone 1");
    Select(QDate(2025, 4, 26));   // before this year's Thomas Sunday
    EXPECT_EQ(engine.GetToneText(), "   Tone 2");
}

TEST_F(DayDescription, LukanJumpDays)
{
    Select(QDate(2025, 10, 5));
    EXPECT_EQ(engine.GetLukanJumpDayNew(), 232);   // Monday, September 22
    Select(QDate(2025, 10, 5), true);
    EXPECT_EQ(engine.GetLukanJumpDayOld(), 239);   // Monday, civil September 29
    // Before July both count from the previous cycle.
    Select(QDate(2026, 3, 20));
    EXPECT_EQ(engine.GetLukanJumpDayNew(), 232);
    Select(QDate(2026, 3, 20), true);
    EXPECT_EQ(engine.GetLukanJumpDayOld(), 239);
    Select(QDate(2025, 7, 20), true);   // Julian July 7
    EXPECT_EQ(engine.GetLukanJumpDayOld(), 239);
    // Julian December 23: still the jump of this old year.
    Select(QDate(2026, 1, 5), true);
    EXPECT_EQ(engine.GetLukanJumpDayOld(), 239);
    // September 14 on a Saturday and on a Sunday.
    Select(QDate(2024, 10, 1));
    EXPECT_EQ(engine.FCycleStart.addDays(engine.GetLukanJumpDayNew()), QDate(2024, 9, 16));
    Select(QDate(2025, 10, 1));
    EXPECT_EQ(engine.FCycleStart.addDays(engine.GetLukanJumpDayNew()), QDate(2025, 9, 22));
}

TEST_F(DayDescription, LukanWeeksOfEachCalendar)
{
    Select(QDate(2025, 9, 28));
    EXPECT_EQ(engine.GetDayDescription(), "16th Sunday after Pentecost (1st of Luke)   Tone 7");
    Select(QDate(2025, 10, 5));
    EXPECT_EQ(engine.GetLukanWeekSuffix(), " (2nd of Luke)");
    Select(QDate(2025, 10, 5), true);
    EXPECT_EQ(engine.GetDayDescription(), "17th Sunday after Pentecost (1st of Luke)   Tone 8");
    Select(QDate(2025, 9, 28), true);   // before the old calendar's jump
    EXPECT_EQ(engine.GetDayDescription(), "16th Sunday after Pentecost   Tone 7");

    settings.useLukanJump = false;
    Select(QDate(2025, 10, 5));
    EXPECT_EQ(engine.GetDayDescription(), "17th Sunday after Pentecost   Tone 8");
}

TEST_F(DayDescription, LukanSuffixEndsAfterFourteenWeeks)
{
    Select(QDate(2024, 12, 22));
    EXPECT_EQ(engine.GetLukanWeekSuffix(), " (14th of Luke)");
    Select(QDate(2024, 12, 29));
    EXPECT_EQ(engine.GetLukanWeekSuffix(), "");
    Select(QDate(2024, 9, 15));   // the Sunday before the jump
    EXPECT_EQ(engine.GetLukanWeekSuffix(), "");
}

TEST_F(DayDescription, MissingNamesGiveTheErrorTexts)
{
    const rsrc::ResourceModule empty{"empty", nullptr, 0, nullptr, 0};
    TCalendarEngine bare(settings, &empty);
    ASSERT_TRUE(bare.SetCivilDate(QDate(2025, 2, 2)));
    EXPECT_EQ(bare.GetDayDescription(), "ZacchaeusID = 0 error   Tone 7");
    ASSERT_TRUE(bare.SetCivilDate(QDate(2025, 4, 18)));
    EXPECT_EQ(bare.GetDayDescription(), "ZacchaeusID in [70..83, 126] error");
    ASSERT_TRUE(bare.SetCivilDate(QDate(2025, 10, 15)));
    EXPECT_EQ(bare.GetDayDescription(), "LoadString error   Tone 1   Fast Day");

    TCalendarEngine noTable(settings, nullptr);
    ASSERT_TRUE(noTable.SetCivilDate(QDate(2025, 6, 8)));
    EXPECT_EQ(noTable.GetDayDescription(), "ZacchaeusID in [70..83, 126] error");
}

TEST_F(DayDescription, NamesAreCutToSeventyCharacters)
{
    TCalendarEngine longNames(settings, &calendar_test_strings);
    ASSERT_TRUE(longNames.SetCivilDate(QDate(2025, 4, 20)));
    std::string seventy;
    for (int i = 0; i < 7; ++i)
        seventy += "0123456789";
    EXPECT_EQ(longNames.GetDayDescription(), seventy);
}

// Every day of the range, in both modes, finds its name in the program's table.
TEST_F(DayDescription, EveryDayOfTheRangeHasAName)
{
    for (bool oldCalendar : {false, true}) {
        ForEachDayOfRange([&](const QDate& civil) {
            Select(civil, oldCalendar);
            const std::string text = engine.GetDayDescription();
            ASSERT_EQ(text.find("error"), std::string::npos) << civil.toString(Qt::ISODate).toStdString() << ": " << text;
        });
    }
}

} // namespace
