#include "custom_calendar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// With GridLineWidth 2 and 292 pixels, every cell is 40 pixels and lines 2: cell (c, r)
// has its centre at (42c + 20, 42r + 20).
class MonthGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetGridLineWidth(2);
        grid.resize(292, 292);
        grid.show();
        QApplication::processEvents();
        QObject::connect(&grid, &TCustomCalendar::Change, [this] { ++changes; });
    }
    void ClickCell(int column, int row) {
        const QPointF at(42 * column + 20, 42 * row + 20);
        QMouseEvent press(QEvent::MouseButtonPress, at, grid.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&grid, &press);
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&grid, &event);
    }
    void Show(QDate date) {
        grid.SetCalendarDate(date);
        changes = 0;
    }

    TCustomCalendar grid;
    int changes = 0;
};

TEST_F(MonthGridTest, MonthStartingOnSaturdayHasOffsetMinusFive) {
    Show(QDate(2025, 3, 15));   // March 1, 2025 is a Saturday
    EXPECT_EQ(grid.MonthOffset(), -5);
    EXPECT_EQ(grid.GetCellText(6, 1), "1");
    EXPECT_EQ(grid.GetCellText(5, 1), "");
    EXPECT_EQ(grid.GetCellText(1, 6), "31");
    EXPECT_EQ(grid.GetCellText(2, 6), "");
    EXPECT_EQ(grid.Col(), 6);   // the current cell is the date's
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(MonthGridTest, MonthStartingOnSundayHasOffsetOne) {
    Show(QDate(2025, 6, 1));
    EXPECT_EQ(grid.MonthOffset(), 1);
    EXPECT_EQ(grid.GetCellText(0, 1), "1");
    EXPECT_EQ(grid.GetCellText(1, 5), "30");
    EXPECT_EQ(grid.GetCellText(2, 5), "");
    EXPECT_EQ(grid.GetCellText(0, 6), "");
}

TEST_F(MonthGridTest, HeaderShowsLocaleDayNamesFromStartOfWeek) {
    const QLocale locale;
    EXPECT_EQ(grid.GetCellText(0, 0), locale.dayName(7, QLocale::ShortFormat));   // Sunday
    EXPECT_EQ(grid.GetCellText(6, 0), locale.dayName(6, QLocale::ShortFormat));   // Saturday
    Show(QDate(2025, 3, 15));
    grid.SetStartOfWeek(1);   // Monday first
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.GetCellText(0, 0), locale.dayName(1, QLocale::ShortFormat));
    EXPECT_EQ(grid.GetCellText(6, 0), locale.dayName(7, QLocale::ShortFormat));
    EXPECT_EQ(grid.GetCellText(5, 1), "1");   // Saturday, March 1
    EXPECT_EQ(grid.GetCellText(grid.Col(), grid.Row()), "15");
    grid.SetStartOfWeek(9);   // out of range: ignored
    EXPECT_EQ(grid.StartOfWeek(), 1);
}

TEST_F(MonthGridTest, StoredOldLeapDayShowsTwentyNineDays) {
    Show(QDate(2016, 2, 29));
    EXPECT_EQ(grid.DaysThisMonth(), 29);
    EXPECT_EQ(grid.GetCellText(grid.Col(), grid.Row()), "29");
    EXPECT_TRUE(grid.IsLeapYear(2000));
    EXPECT_FALSE(grid.IsLeapYear(1900));
    EXPECT_FALSE(grid.IsLeapYear(2100));
    EXPECT_EQ(grid.DaysPerMonth(2100, 2), 28);
    EXPECT_EQ(grid.DaysPerMonth(2024, 4), 30);
}

TEST_F(MonthGridTest, SettingTheSameDateFiresAgain) {
    Show(QDate(2025, 3, 15));
    grid.SetCalendarDate(QDate(2025, 3, 15));
    grid.SetCalendarDate(QDate(2025, 3, 15));
    EXPECT_EQ(changes, 2);
}

TEST_F(MonthGridTest, ClickingADayChangesItOnce) {
    Show(QDate(2025, 3, 15));
    int clicks = 0;
    QObject::connect(&grid, &TCustomCalendar::Clicked, [&] { ++clicks; });
    ClickCell(3, 2);   // March 5
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 3, 5));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(grid.UseCurrentDate());
    ClickCell(3, 2);   // the selected day again
    EXPECT_EQ(changes, 1);
}

TEST_F(MonthGridTest, EmptyCellsHeaderAndReadOnlyChangeNothing) {
    Show(QDate(2025, 3, 15));
    ClickCell(0, 1);   // before March 1
    ClickCell(3, 6);   // after March 31
    ClickCell(2, 0);   // the header
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 3, 15));
    grid.SetReadOnly(true);
    ClickCell(3, 2);
    Key(Qt::Key_Right);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 3, 15));
    // Code may still set the date of a read-only grid.
    grid.SetCalendarDate(QDate(2025, 4, 2));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid.GetCellText(grid.Col(), grid.Row()), "2");
}

TEST_F(MonthGridTest, KeyboardMovesWithinTheMonth) {
    Show(QDate(2025, 3, 12));   // a Wednesday
    Key(Qt::Key_Right);
    EXPECT_EQ(grid.Day(), 13);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid.Day(), 20);
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    EXPECT_EQ(grid.Day(), 12);
    EXPECT_EQ(changes, 4);
    Key(Qt::Key_End);   // Saturday of the week
    EXPECT_EQ(grid.Day(), 15);
    Key(Qt::Key_Home);  // Sunday of the week
    EXPECT_EQ(grid.Day(), 9);
    Show(QDate(2025, 3, 1));
    Key(Qt::Key_Left);   // an empty cell
    Key(Qt::Key_Up);     // the header row
    Key(Qt::Key_Right);  // beyond the last column
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 3, 1));
    EXPECT_EQ(changes, 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid.Day(), 8);
}

TEST_F(MonthGridTest, DateElements) {
    Show(QDate(2025, 1, 31));
    EXPECT_EQ(grid.GetDateElement(1), 2025);
    EXPECT_EQ(grid.GetDateElement(2), 1);
    EXPECT_EQ(grid.GetDateElement(3), 31);
    EXPECT_EQ(grid.GetDateElement(0), -1);
    EXPECT_EQ(grid.GetDateElement(4), -1);
    grid.SetDateElement(3, 0);
    grid.SetDateElement(2, 13);
    grid.SetDateElement(3, 32);
    grid.SetDateElement(4, 5);
    grid.SetDateElement(1, 2025);   // the value already held
    EXPECT_EQ(changes, 0);
    // A day that the new month lacks becomes its last day.
    grid.SetMonth(2);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 2, 28));
    EXPECT_EQ(changes, 1);
    grid.SetDay(30);   // beyond February
    EXPECT_EQ(changes, 1);
    Show(QDate(2024, 2, 29));
    grid.SetYear(2025);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 2, 28));
    EXPECT_EQ(changes, 1);
}

TEST_F(MonthGridTest, UseCurrentDateGoesBackToToday) {
    Show(QDate(2025, 3, 15));
    grid.SetDay(3);
    ASSERT_FALSE(grid.UseCurrentDate());
    changes = 0;
    grid.SetUseCurrentDate(true);
    EXPECT_EQ(grid.CalendarDate(), QDate::currentDate());
    EXPECT_EQ(changes, 0);
}

} // namespace
