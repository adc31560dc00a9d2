// Day titles, Liturgy headings, the Epistle and Gospel day numbers and the
// fixed-feast keys and predicates.
#include "readings_fixture.h"

class DayAnalysis : public ReadingsTest {};

TEST_F(DayAnalysis, SundayTitlesAfterPentecost)
{
    const QDate pascha = TCalendarEngine::PaschaOfYear(2025);
    Select(pascha.addDays(56));
    ASSERT_EQ(calendar.GetCycleDay(), 133);
    EXPECT_EQ(Builder().GetDayTitle(), "1st Sunday after Pentecost\r\nSunday of All Saints");
    Select(pascha.addDays(77));
    EXPECT_EQ(Builder().GetDayTitle(), "4th Sunday after Pentecost");
    Select(pascha.addDays(196));
    ASSERT_EQ(calendar.GetCycleDay(), 273);
    EXPECT_EQ(Builder().GetDayTitle(), "21st Sunday after Pentecost");
    Select(pascha.addDays(63));
    EXPECT_EQ(Builder().GetDayTitle(), "2nd Sunday after Pentecost");
    Select(pascha.addDays(210));
    EXPECT_EQ(Builder().GetDayTitle(), "23rd Sunday after Pentecost");
}

TEST_F(DayAnalysis, TitlesOfTheTriodionAndPentecostarion)
{
    const QDate pascha = TCalendarEngine::PaschaOfYear(2025);
    Select(pascha.addDays(-63));
    EXPECT_EQ(Builder().GetDayTitle(), "Sunday of the Prodigan Son");
    Select(pascha);
    EXPECT_EQ(Builder().GetDayTitle(), "Pascha");
    Select(pascha.addDays(-2));
    EXPECT_EQ(Builder().GetDayTitle(), "Passion Week: Great Friday");
    Select(pascha.addDays(24));
    EXPECT_EQ(Builder().GetDayTitle(), "Wednesday\r\nMid-Pentecost");
    Select(QDate(2025, 7, 1));
    EXPECT_EQ(Builder().GetDayTitle(), "Tuesday");
}

TEST_F(DayAnalysis, LiturgyHeadings)
{
    const QDate zacchaeus = TCalendarEngine::PaschaOfYear(2025).addDays(-77);
    auto dailyInfoOf = [&](int cycleDay) {
        Select(zacchaeus.addDays(cycleDay));
        return Builder().GetDailyInfo();
    };
    EXPECT_EQ(dailyInfoOf(35).rfind("LITURGY OF ST. BASIL\r\n\r\n", 0), 0u);
    EXPECT_EQ(dailyInfoOf(49).rfind("LITURGY OF ST. BASIL\r\n\r\n", 0), 0u);
    const std::string palamas = dailyInfoOf(42);
    EXPECT_EQ(palamas.rfind("LITURGY\r\n\r\n", 0), 0u);
    EXPECT_NE(palamas.find("Commemoration of St. Gregory Palamas."), std::string::npos);

    const std::string tuesday = dailyInfoOf(72);
    EXPECT_EQ(tuesday.rfind("LITURGY OF THE PRESANCTIFIED GIFTS.\r\n\r\nMatthew", 0), 0u) << tuesday.substr(0, 80);
    EXPECT_EQ(tuesday.find("\r\n\r\n", 40), tuesday.find("\r\n\r\n    ")) << "one reading only";

    const std::string friday = dailyInfoOf(75);
    EXPECT_EQ(friday.rfind("\r\n\r\n1 Corinthians", 0), 0u) << friday.substr(0, 60);
    EXPECT_FALSE(HasError(friday));

    const std::string pascha = dailyInfoOf(77);
    EXPECT_NE(pascha.find("\r\n\r\n\r\nGREAT VESPERS\r\n\r\nJohn 20:19-25"), std::string::npos);
}

TEST_F(DayAnalysis, ReadingsAreFetchedWithReferenceAndPassage)
{
    Select(TCalendarEngine::PaschaOfYear(2025).addDays(-77 + 19));
    TReadingsBuilder builder = Builder();
    builder.FReadingCode = "19,G1";
    const std::string text = builder.GetReadingInfo();
    ASSERT_EQ(text.rfind("\r\n\r\nMark 15:22-25, 33-41\r\n\r\n     ", 0), 0u) << text.substr(0, 60);
    EXPECT_NE(text.find("Golgotha"), std::string::npos);
    EXPECT_NE(text.find("centurion"), std::string::npos);
    EXPECT_EQ(text.find("Barabbas"), std::string::npos) << "verses outside the pieces";

    builder.FReadingCode = "19,G9";
    EXPECT_EQ(builder.GetReadingInfo(), "  An error occured in the GetReadingInfo function");
    EXPECT_EQ(builder.GetFixedInfo("07/04"), "  An error occured in the GetFixedInfo function");
}

TEST_F(DayAnalysis, LukanJumpOnTheMondayAfterTheSundayAfterTheExaltation)
{
    Select(QDate(2025, 9, 22));
    TReadingsBuilder monday = Builder();
    EXPECT_EQ(monday.GospelDay(), 246);
    EXPECT_EQ(monday.EpistleDay(), monday.FCycleDay);
    settings.useLukanJump = false;
    EXPECT_EQ(Builder().GospelDay(), Builder().FCycleDay);

    settings.useLukanJump = true;
    Select(QDate(2025, 9, 20));
    EXPECT_EQ(Builder().GospelDay(), Builder().FCycleDay) << "before the jump";
}

TEST_F(DayAnalysis, LukanDay322FollowsTheNativityWeekday)
{
    // Find the day that the jump maps onto 322 in a few years; it becomes 336 when
    // the Nativity falls on Monday to Wednesday, else 329.
    for (int year : {2023, 2024, 2025, 2026, 2027}) {
        for (QDate d(year, 11, 1); d <= QDate(year, 12, 31); d = d.addDays(1)) {
            Select(d);
            TReadingsBuilder b = Builder();
            const int ch = b.FCycleDay;
            if (ch - calendar.GetLukanJumpDayNew() + 246 != 322) continue;
            const int nativity = QDate(year, 12, 25).dayOfWeek();
            EXPECT_EQ(b.GospelDay(), nativity <= 3 ? 336 : 329) << year;
        }
    }
}

TEST_F(DayAnalysis, EveryDayReadsADayOfTheTable)
{
    // Whether or not a fixed feast hides them, the Liturgy's day numbers stay within
    // days 0 to 349, and a Sunday reads a Sunday.
    for (bool oldCalendar : {false, true}) {
        for (bool jump : {true, false}) {
            settings.useLukanJump = jump;
            for (QDate d(2000, 1, 1); d.year() <= 2040; d = d.addDays(1)) {
                Select(d, oldCalendar);
                const TReadingsBuilder b = Builder();
                const int gospel = b.GospelDay();
                const int epistle = b.EpistleDay();
                const std::string day = d.toString(Qt::ISODate).toStdString() +
                                        (oldCalendar ? " old" : " new") + (jump ? " jump" : "");
                ASSERT_GE(gospel, 0) << day;
                ASSERT_LE(gospel, 349) << day;
                ASSERT_GE(epistle, 0) << day;
                ASSERT_LE(epistle, 349) << day;
                if (b.FWeekday == 1) {
                    ASSERT_EQ(gospel % 7, 0) << day;
                    ASSERT_EQ(epistle % 7, 0) << day;
                }
            }
        }
    }
}

TEST_F(DayAnalysis, LongYearSundaysCountBackFromPascha)
{
    // Old calendar, 105 days before Pascha in a year of 385 days: no rule of the
    // old calendar names this Sunday; it reads like the new calendar's.
    for (bool jump : {true, false}) {
        settings.useLukanJump = jump;
        Select(QDate(2002, 1, 20), true);
        ASSERT_EQ(calendar.FCivilDate.daysTo(calendar.FPascha), 105);
        ASSERT_EQ(calendar.FPaschaPrevious.daysTo(calendar.FPascha), 385);
        EXPECT_EQ(Builder().GospelDay(), 329) << jump;
    }
}

// The Sunday that closes the fifteenth week of Luke (cycle day J + 104, J being the
// Monday of the Lukan jump) is read by the Sunday rules of the weeks past it, although
// those rules are written for the days after it: counted on from the jump as the days
// before it are, it would take day J + 104 - J + 246 = 350, past the lectionary's days
// 0 to 349, and have no Gospel at all. The Sunday always falls between the Nativity and
// the Theophany of the calendar in use, whose page shows the feast's readings instead,
// but the day analysis still names a day of the table.
TEST_F(DayAnalysis, SundayClosingTheFifteenthWeekOfLukeTakesTheSundayRules)
{
    settings.useLukanJump = true;
    Select(QDate(2007, 1, 14), true);   // Julian January 1: jump day 239, cycle day 343
    TReadingsBuilder old = Builder();
    ASSERT_EQ(old.FCycleDay, calendar.GetLukanJumpDayOld() + 104);
    EXPECT_EQ(old.GospelDay(), 343) << "84 days before Pascha in a year of 350 days";

    Select(QDate(2023, 1, 1));   // jump day 225, cycle day 329, in a year of 357 days
    TReadingsBuilder civil = Builder();
    ASSERT_EQ(civil.FCycleDay, calendar.GetLukanJumpDayNew() + 104);
    EXPECT_EQ(civil.GospelDay(), 322) << "no Sunday rule names it: the day its weekdays read";
}

// Over every year the new calendar accepts, the rules keep to what they were written for: from
// the Lukan jump on, the weekdays read on from day 246 without a week left out or read twice,
// each Sunday named "(Nth of Luke)" reading Luke's Nth week (day 252 + 7 (N - 1)); and no fixed
// feast takes the readings of Palm Sunday to Bright Saturday or of the Ascension, nor moves
// them to a neighbouring day. In 3047, one year past the range, June 24 falls on the Ascension.
TEST_F(DayAnalysis, EveryAcceptedYearKeepsTheLukanWeeksAndTheGreatDaysOfTheCycle)
{
    for (int year = TCalendarEngine::FirstCivilYear; year <= TCalendarEngine::LastCivilYear; ++year) {
        const QDate pascha = TCalendarEngine::PaschaOfYear(year);
        for (int ch = 70; ch <= 116; ch = ch == 83 ? 116 : ch + 1) {
            Select(pascha.addDays(ch - 77));
            const TReadingsBuilder b = Builder();
            ASSERT_FALSE(b.IsFixedReadingsOnlyDay() || b.IsFixedReadingsFirstDay() || b.IsSaturdaySundayFixedDay() ||
                         b.IsReadingsFromNextDay() || b.IsReadingsFromPreviousDay())
                << year << ", cycle day " << ch << ", " << b.FDateKey;
        }
        Select(QDate(year, 10, 1));
        const QDate jump = calendar.FCycleStart.addDays(calendar.GetLukanJumpDayNew());
        for (int i = 0; i < 104 && jump.addDays(i).year() <= TCalendarEngine::LastCivilYear; ++i) {
            Select(jump.addDays(i));
            const int gospel = Builder().GospelDay();
            // Day 322 gives way to the Sunday before or after it by the Nativity's weekday.
            ASSERT_TRUE(gospel == 246 + i || (246 + i == 322 && (gospel == 336 || gospel == 329)))
                << year << ": day " << i << " of the jump reads " << gospel;
            const int week = i / 7 + 1;
            const char* ordinal = week == 1 ? "st" : week == 2 ? "nd" : week == 3 ? "rd" : "th";
            if (i % 7 == 6) {
                ASSERT_EQ(calendar.GetLukanWeekSuffix(), " (" + std::to_string(week) + ordinal + " of Luke)") << year;
            }
        }
    }
}

TEST_F(DayAnalysis, ForefathersSundayTakesItsOwnEpistle)
{
    // In every year and mode, the Epistle of cycle day 329 is that of the Sunday
    // of the Holy Forefathers of the same cycle: a Sunday 8 to 14 days before the
    // Nativity.
    for (bool oldCalendar : {false, true}) {
        for (int year = 2001; year <= 2039; ++year) {
            const QDate start = TCalendarEngine::PaschaOfYear(year).addDays(-77);
            Select(start.addDays(329), oldCalendar);
            TReadingsBuilder b = Builder();
            ASSERT_EQ(b.FCycleDay, 329);
            const QDate nativity = oldCalendar ? QDate(year, 12, 25).addDays(13) : QDate(year, 12, 25);
            const QDate forefathers = start.addDays(b.EpistleDay());
            EXPECT_EQ(forefathers.dayOfWeek(), 7) << year;
            EXPECT_GE(forefathers.daysTo(nativity), 8) << year;
            EXPECT_LE(forefathers.daysTo(nativity), 14) << year;
        }
    }
}

TEST_F(DayAnalysis, FeastKeys)
{
    Select(QDate(2022, 12, 18));   // Sunday
    TReadingsBuilder b = Builder();
    EXPECT_EQ(b.GetSundayFeastKey(), "SunBefNativ");
    b.FDateKey = "12/13";
    EXPECT_EQ(b.GetSundayFeastKey(), "SecSunBefNativ");
    b.FDateKey = "12/24";
    EXPECT_EQ(b.GetSundayFeastKey(), "12/24");
    EXPECT_EQ(b.GetSaturdaySundayFeastKey(), "SunBefNativ");
    b.FDateKey = "07/15";
    EXPECT_EQ(b.GetSaturdaySundayFeastKey(), "SunHolyFathers");
    b.FDateKey = "07/20";
    EXPECT_EQ(b.GetSaturdaySundayFeastKey(), "");
    b.FWeekday = 6;
    b.FDateKey = "01/04";
    EXPECT_EQ(b.GetSundayFeastKey(), "TheoRH");
    b.FDateKey = "12/22";
    EXPECT_EQ(b.GetSundayFeastKey(), "NativRH");
    b.FWeekday = 7;
    b.FDateKey = "09/10";
    EXPECT_EQ(b.GetSaturdaySundayFeastKey(), "SatBefExal");
    b.FDateKey = "12/31";
    EXPECT_EQ(b.GetSaturdaySundayFeastKey(), "SatAftNativ");
}

TEST_F(DayAnalysis, PredicatesOfFeastsAroundTheWeek)
{
    TReadingsBuilder b = Builder();
    b.FCycleDay = 200;
    b.FWeekday = 4;
    b.FDateKey = "06/24";
    EXPECT_TRUE(b.IsFixedReadingsOnlyDay());
    EXPECT_FALSE(b.IsFixedReadingsFirstDay());
    b.FWeekday = 1;
    EXPECT_FALSE(b.IsFixedReadingsOnlyDay());
    EXPECT_TRUE(b.IsFixedReadingsFirstDay());
    b.FWeekday = 7;
    b.FDateKey = "09/08";
    EXPECT_FALSE(b.IsFixedReadingsOnlyDay());
    EXPECT_TRUE(b.IsFixedReadingsFirstDay());
    EXPECT_TRUE(b.IsSaturdaySundayFixedDay());

    b.FWeekday = 3;
    b.FDateKey = "08/14";
    EXPECT_TRUE(b.IsReadingsFromNextDay());
    b.FDateKey = "08/16";
    EXPECT_TRUE(b.IsReadingsFromPreviousDay());
    b.FWeekday = 4;
    EXPECT_FALSE(b.IsReadingsFromPreviousDay());
    b.FWeekday = 5;
    b.FDateKey = "12/22";
    EXPECT_TRUE(b.IsReadingsFromNextDay());
    b.FWeekday = 6;
    EXPECT_FALSE(b.IsReadingsFromNextDay());
    EXPECT_TRUE(b.IsFixedReadingsOnlyDay());

    b.FDateKey = "02/02";
    EXPECT_TRUE(b.IsFixedReadingsOnlyDay());
    b.FCycleDay = 24;
    settings.oldCalendar = true;
    EXPECT_FALSE(b.IsFixedReadingsOnlyDay()) << "a Lenten weekday keeps its own readings first";
    EXPECT_TRUE(b.IsFixedReadingsFirstDay());
}
