#include "calendar_fixture.h"

#include <set>
#include <string>

namespace {

class FastingRules : public CalendarTest {
protected:
    // Fasting text of a made-up state: new-calendar day `civil` on cycle day `ch`.
    std::string Fast(const QDate& civil, int ch)
    {
        Place(civil, ch);
        return engine.GetFastingText();
    }
};

constexpr const char* FastDay = "   Fast Day";
constexpr const char* Fish = "   Fish, wine and oil allowed";
constexpr const char* WineOil = "   Wine and oil allowed";

TEST_F(FastingRules, WednesdaysAndFridays)
{
    const QDate wednesday(2025, 10, 15);
    EXPECT_EQ(Fast(wednesday, 250), FastDay);
    EXPECT_EQ(Fast(wednesday, 100), std::string(FastDay) + WineOil);
    EXPECT_EQ(Fast(wednesday, 101), std::string(FastDay) + Fish);   // Mid-Pentecost
    EXPECT_EQ(Fast(wednesday, 10), "   Fast Free Week");
    EXPECT_EQ(Fast(wednesday, 24), "   Cheese-fare Week");
    EXPECT_EQ(Fast(QDate(2025, 10, 14), 250), "");   // a Tuesday
}

TEST_F(FastingRules, GreatLentAndPassionWeek)
{
    EXPECT_EQ(Fast(QDate(2025, 3, 3), 29), "");                         // Clean Monday
    EXPECT_EQ(Fast(QDate(2025, 3, 15), 41), WineOil);                   // a Saturday of Lent
    EXPECT_EQ(Fast(QDate(2023, 3, 25), 41), Fish);                      // ... on the Annunciation
    EXPECT_EQ(Fast(QDate(2025, 3, 19), 45), "");                        // a Wednesday of Lent
    EXPECT_EQ(Fast(QDate(2025, 3, 26), 45), WineOil);                   // ... on a Lenten wine-and-oil day
    EXPECT_EQ(Fast(QDate(2025, 4, 12), 69), "   Caviar, wine and oil allowed");   // Lazarus Saturday
    EXPECT_EQ(Fast(QDate(2025, 4, 13), 70), Fish);                      // Palm Sunday
    EXPECT_EQ(Fast(QDate(2025, 4, 18), 75), "");                        // Great Friday
    EXPECT_EQ(Fast(QDate(2022, 3, 25), 75), "   Wine allowed");         // ... on the Annunciation
    EXPECT_EQ(Fast(QDate(2025, 4, 17), 74), WineOil);                   // Great Thursday
    EXPECT_EQ(Fast(QDate(2025, 4, 19), 76), "   Wine allowed");         // Great Saturday
}

TEST_F(FastingRules, FastFreeWeeksAndCheesefare)
{
    EXPECT_EQ(Fast(QDate(2025, 4, 25), 82), "   Fast Free Week");       // Bright Friday
    EXPECT_EQ(Fast(QDate(2025, 2, 14), 12), "   Fast Free Week");
    EXPECT_EQ(Fast(QDate(2025, 6, 13), 131), "   Fast Free Week");
    EXPECT_EQ(Fast(QDate(2025, 2, 23), 21), "   Meat-fare Sunday");
    EXPECT_EQ(Fast(QDate(2025, 2, 28), 26), "   Cheese-fare Week");
    EXPECT_EQ(Fast(QDate(2025, 3, 2), 28), "   Cheese-fare Sunday");
}

TEST_F(FastingRules, ApostlesFastNeedsItsCycleDays)
{
    const QDate saturday(2020, 6, 20);
    EXPECT_EQ(Fast(saturday, 150), std::string("   Apostles' Fast") + Fish);
    EXPECT_EQ(Fast(saturday, 133), "");   // before the fast begins that year
    EXPECT_EQ(Fast(QDate(2020, 6, 16), 134), std::string("   Apostles' Fast") + WineOil);   // Tuesday
    EXPECT_EQ(Fast(QDate(2020, 6, 15), 180), "   Apostles' Fast");   // Monday
    EXPECT_EQ(Fast(QDate(2020, 6, 15), 181), "");
}

TEST_F(FastingRules, NativityFastAndChristmastide)
{
    EXPECT_EQ(Fast(QDate(2029, 12, 22), 300), std::string("   Nativity Fast") + WineOil);    // Saturday, forefeast
    EXPECT_EQ(Fast(QDate(2025, 11, 17), 300), "   Nativity Fast");                          // Monday
    EXPECT_EQ(Fast(QDate(2020, 11, 17), 300), std::string("   Nativity Fast") + WineOil);   // Tuesday
    EXPECT_EQ(Fast(QDate(2021, 11, 16), 300), std::string("   Nativity Fast") + Fish);      // Tuesday, feast
    EXPECT_EQ(Fast(QDate(2025, 11, 23), 300), std::string("   Nativity Fast") + Fish);      // Sunday
    EXPECT_EQ(Fast(QDate(2020, 12, 25), 300), "   Fast Free");                              // Friday
    EXPECT_EQ(Fast(QDate(2030, 1, 2), 330), "   Fast Free Period");                         // Wednesday
    EXPECT_EQ(Fast(QDate(2021, 1, 5), 330), std::string(FastDay) + WineOil);                // Tuesday, strict
    EXPECT_EQ(Fast(QDate(2021, 1, 6), 330), "   Fast Free");
}

TEST_F(FastingRules, DormitionFast)
{
    EXPECT_EQ(Fast(QDate(2025, 8, 6), 185), std::string("   Dormition Fast") + Fish);     // Wednesday, Transfiguration
    EXPECT_EQ(Fast(QDate(2024, 8, 6), 185), std::string("   Dormition Fast") + Fish);     // ... on a Tuesday
    EXPECT_EQ(Fast(QDate(2025, 8, 9), 188), std::string("   Dormition Fast") + WineOil);  // Saturday
    EXPECT_EQ(Fast(QDate(2025, 8, 12), 191), "   Dormition Fast");                        // Tuesday
    EXPECT_EQ(Fast(QDate(2025, 8, 15), 194), std::string(FastDay) + Fish);                // Friday, the feast itself
    EXPECT_EQ(Fast(QDate(2025, 8, 22), 201), FastDay);                                   // Friday, after the fast
}

TEST_F(FastingRules, KeyFollowsTheCalendarInUse)
{
    Select(QDate(2025, 1, 7), true);   // Julian December 25
    EXPECT_EQ(engine.GetDateKey(), "12/25");
    EXPECT_EQ(engine.GetFastingText(), "   Fast Free");
    Select(QDate(2025, 1, 7), false);
    EXPECT_EQ(engine.GetDateKey(), "01/07");
    EXPECT_EQ(engine.GetFastingText(), "");
}

// Boundaries of the rules on real new-calendar days of 2025.
TEST_F(FastingRules, RuleBoundariesOnRealDays)
{
    const std::pair<QDate, std::string> cases[] = {
        {QDate(2025, 3, 8), WineOil},                                  // ch 34, first Saturday of Lent
        {QDate(2025, 4, 2), WineOil},                                  // ch 59
        {QDate(2025, 4, 3), WineOil},                                  // ch 60
        {QDate(2025, 4, 4), "   Wine allowed"},                        // ch 61
        {QDate(2025, 4, 30), std::string(FastDay) + WineOil},          // ch 87, Wednesday
        {QDate(2025, 5, 28), std::string(FastDay) + Fish},             // ch 115, Apodosis of Pascha
        {QDate(2025, 6, 11), "   Fast Free Week"},                     // ch 129 on a wine-and-oil feast
        {QDate(2025, 11, 20), std::string("   Nativity Fast") + WineOil},   // Thursday
        {QDate(2025, 11, 24), std::string("   Nativity Fast") + Fish},      // Monday, feast
    };
    for (const auto& [day, expected] : cases) {
        Select(day);
        EXPECT_EQ(engine.GetFastingText(), expected) << day.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(Fast(QDate(2025, 10, 15), 76), "   Wine allowed");        // Lent wins over Wednesday
    EXPECT_EQ(Fast(QDate(2026, 3, 25), 73), WineOil);                   // Passion Week feast, no fish
}

// Every entry is a real "mm/dd" day and appears once; the ranges start and end right.
TEST_F(FastingRules, DateTablesHoldDistinctDays)
{
    auto check = [](const auto& table) {
        std::set<std::string> seen;
        for (const char* entry : table) {
            ASSERT_NE(entry, nullptr);
            EXPECT_TRUE(QDate::fromString(QString("2000/") + entry, "yyyy/MM/dd").isValid()) << entry;
            EXPECT_TRUE(seen.insert(entry).second) << entry;
        }
    };
    check(TCalendarEngine::StrictFastDates);
    check(TCalendarEngine::ApostlesFastDates);
    check(TCalendarEngine::DormitionFastDates);
    check(TCalendarEngine::NativityFastDates);
    check(TCalendarEngine::NativityForefeastDates);
    check(TCalendarEngine::ChristmastideDates);
    check(TCalendarEngine::FishAllowedFeastDates);
    check(TCalendarEngine::WineOilFeastDates);
    check(TCalendarEngine::LentWineOilDates);
    EXPECT_STREQ(TCalendarEngine::ApostlesFastDates.back(), "06/28");
    EXPECT_STREQ(TCalendarEngine::NativityFastDates.back(), "12/24");
    EXPECT_STREQ(TCalendarEngine::ChristmastideDates.back(), "01/04");
}

} // namespace
