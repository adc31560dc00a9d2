#include <gtest/gtest.h>

#include <QDate>

#include <map>
#include <string>

#include "day_page_names.h"

namespace {

TDayNameInput NewCalendarDay(TDayPage page, int month, int day, int year = 2008)
{
    TDayNameInput in;
    in.page = page;
    in.oldCalendar = false;
    in.keyMonth = in.civilMonth = static_cast<uint16_t>(month);
    in.keyDay = in.civilDay = static_cast<uint16_t>(day);
    in.year = year;
    return in;
}

TDayNameInput OldCalendarDay(TDayPage page, int oldMonth, int oldDay, int civilMonth, int civilDay)
{
    TDayNameInput in = NewCalendarDay(page, civilMonth, civilDay);
    in.oldCalendar = true;
    in.keyMonth = static_cast<uint16_t>(oldMonth);
    in.keyDay = static_cast<uint16_t>(oldDay);
    return in;
}

} // namespace

TEST(DayPageNames, ContentKeyAndFileNamesOfOrdinaryDays)
{
    const auto christmas = NewCalendarDay(TDayPage::TroparionKontakion, 12, 25, 2007);
    EXPECT_EQ(ContentKeyOf(christmas), 1225);
    EXPECT_EQ(LibraryKeyOf(christmas), 1225);
    EXPECT_EQ(PersonalFileTitle(christmas), "12-25.trp");
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, 12, 25, 2007)), "12252007.nbl");
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::LivesSaints, 3, 4)), "3-4.lvs");
    // Old calendar: the old month and day name the files, the readings get ".obl".
    auto oldReadings = OldCalendarDay(TDayPage::DailyBibleReadings, 12, 31, 1, 13);
    oldReadings.year = 2024;
    EXPECT_EQ(PersonalFileTitle(oldReadings), "12312024.obl");
    EXPECT_EQ(ContentKeyOf(oldReadings), 1231);
}

TEST(DayPageNames, JuneNineteenthAndJulySecond)
{
    // Old calendar, civil June 19 (old June 6).
    const auto oldJune19 = OldCalendarDay(TDayPage::TroparionKontakion, 6, 6, 6, 19);
    EXPECT_EQ(PersonalFileTitle(oldJune19), "6-6.ntr");
    EXPECT_EQ(LibraryKeyOf(oldJune19), 606);
    // New calendar, civil June 19: its own file and the second document.
    const auto newJune19 = NewCalendarDay(TDayPage::TroparionKontakion, 6, 19);
    EXPECT_EQ(PersonalFileTitle(newJune19), "6-19.ntr");
    EXPECT_EQ(ContentKeyOf(newJune19), 619);
    EXPECT_EQ(LibraryKeyOf(newJune19), 10619);
    // Old calendar, civil July 2 (old June 19): the ordinary document and extension.
    const auto oldJuly2 = OldCalendarDay(TDayPage::TroparionKontakion, 6, 19, 7, 2);
    EXPECT_EQ(PersonalFileTitle(oldJuly2), "6-19.trp");
    EXPECT_EQ(LibraryKeyOf(oldJuly2), 619);
    // New calendar, civil July 2.
    const auto newJuly2 = NewCalendarDay(TDayPage::LivesSaints, 7, 2);
    EXPECT_EQ(PersonalFileTitle(newJuly2), "7-2.nlv");
    EXPECT_EQ(LibraryKeyOf(newJuly2), 10702);
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::LivesSaints, 7, 3)), "7-3.lvs");
}

TEST(DayPageNames, ReadingsFilesOfNovemberFirstAndJanuaryEleventhDiffer)
{
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, 1, 11)), "1112008.nbl");
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, 11, 1)), "11012008.nbl");
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, 12, 9)), "12092008.nbl");
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, 10, 1)), "1012008.nbl");
}

TEST(DayPageNames, EveryDayOfTheYearHasItsOwnReadingsFile)
{
    for (int year : {2008, 999, 5}) {
        std::map<std::string, QDate> seen;
        for (QDate d(2008, 1, 1); d.year() == 2008; d = d.addDays(1)) {
            const std::string name =
                PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, d.month(), d.day(), year));
            const auto [at, fresh] = seen.emplace(name, d);
            EXPECT_TRUE(fresh) << name << " names " << at->second.toString().toStdString()
                               << " and " << d.toString().toStdString();
        }
    }
    // A year below 1000 cannot run into the day.
    EXPECT_EQ(PersonalFileTitle(NewCalendarDay(TDayPage::DailyBibleReadings, 1, 1, 999)), "110999.nbl");
}
