#pragma once
// Shared set-up of the readings tests: switchable live settings, a calendar engine,
// the Bible reader over the built-in files of the program folder, and a message sink
// that keeps what it is given.
#include "bible_reader.h"
#include "readings_stand_ins.h"
#include "calendar_engine.h"
#include "readings_builder.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <string>
#include <vector>

extern const rsrc::ResourceModule selvmain_resources;

class ReadingsTest : public ::testing::Test {
protected:
    ReadingsTest()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        reader.FMappedText = reader.MapBibleFile(reader.FNewTReadingsFile);
        reader.FMappedTestament = 1;
    }

    // Selects a civil date in the given calendar mode.
    void Select(const QDate& civil, bool oldCalendar = false)
    {
        settings.oldCalendar = oldCalendar;
        ASSERT_TRUE(calendar.SetCivilDate(civil)) << civil.toString(Qt::ISODate).toStdString();
    }

    // Selects the day whose displayed (old or civil) date is `shown`.
    void SelectShown(const QDate& shown, bool oldCalendar)
    {
        Select(oldCalendar ? shown.addDays(13) : shown, oldCalendar);
    }

    TReadingsBuilder Builder()
    {
        TReadingsBuilder builder(calendar, reader, settings, messages);
        builder.SetDay();
        return builder;
    }

    std::string Page()
    {
        return BuildBibleReadingsPage(calendar, reader, settings, messages);
    }

    ReadingsSettings settings;
    ReadingsControls controls;
    KeptMessages messages;
    TCalendarEngine calendar{settings, &selvmain_resources};
    TBibleReader reader{controls, messages};
};

inline bool HasError(const std::string& page)
{
    return page.find("An error occured") != std::string::npos;
}

// Position of `what` in `text`, or npos; for checking the order of sections.
inline size_t At(const std::string& text, const std::string& what, size_t from = 0)
{
    return text.find(what, from);
}
