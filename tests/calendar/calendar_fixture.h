#pragma once
// Shared set-up of the calendar tests: switchable live settings, the program's day-name
// table and a pinned English (US) locale for the captions.
#include "calendar_engine.h"

#include <gtest/gtest.h>

#include <QLocale>

extern const rsrc::ResourceModule selvmain_resources;

struct TestSettings : ILiveSettings {
    bool oldCalendar = false;
    bool useLukanJump = true;
    bool OldCalendar() const override { return oldCalendar; }
    bool UseLukanJump() const override { return useLukanJump; }
    bool ShowVerseNumbers() const override { return true; }
};

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A date change from the civil side in the current mode.
    void Select(const QDate& civil, bool oldCalendar = false)
    {
        settings.oldCalendar = oldCalendar;
        ASSERT_TRUE(engine.SetCivilDate(civil)) << civil.toString(Qt::ISODate).toStdString();
    }

    // A state made up directly: the shown day `civil` (new calendar) lies `cycleDay` days
    // after Zacchaeus Sunday, whose previous one was `previousCycleLength` days earlier.
    void Place(const QDate& civil, int cycleDay, int previousCycleLength = 357)
    {
        settings.oldCalendar = false;
        engine.FCivilDate = civil;
        engine.FOldDateShifted = civil;
        engine.FCivilYear = static_cast<uint16_t>(civil.year());
        engine.FCivilMonth = static_cast<uint16_t>(civil.month());
        engine.FCivilDay = static_cast<uint16_t>(civil.day());
        engine.FCycleStart = civil.addDays(-cycleDay);
        engine.FCycleStartPrevious = engine.FCycleStart.addDays(-previousCycleLength);
        engine.FToneStart = engine.FCycleStart.addDays(84);
        engine.FToneStartPrevious = engine.FCycleStartPrevious.addDays(84);
    }

    TestSettings settings;
    TCalendarEngine engine{settings, &selvmain_resources};
};

// Calls `visit(date)` for every civil day of the old calendar's range.
template <typename Visit>
void ForEachDayOfRange(Visit visit)
{
    for (QDate d = TCalendarEngine::FirstCivilDate; d <= TCalendarEngine::LastCivilDate; d = d.addDays(1))
        visit(d);
}
