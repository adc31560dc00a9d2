// Every day of 2000 to 2040, on both calendars, with the Lukan jump on and off,
// builds a page from the built-in Bible files without a failure text.
#include "readings_fixture.h"

#include <chrono>
#include <cstdio>

class ReadingsSweep : public ReadingsTest {};

TEST_F(ReadingsSweep, EveryDayOf2000To2040)
{
    int pages = 0, errors = 0, empty = 0;
    double slowestMs = 0;
    std::string slowestDay;
    for (bool oldCalendar : {false, true}) {
        for (bool lukanJump : {true, false}) {
            settings.useLukanJump = lukanJump;
            for (QDate d(2000, 1, 1); d <= QDate(2040, 12, 31); d = d.addDays(1)) {
                Select(d, oldCalendar);
                const auto start = std::chrono::steady_clock::now();
                const std::string page = Page();
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - start).count();
                ++pages;
                const std::string day = d.toString(Qt::ISODate).toStdString() +
                                        (oldCalendar ? " old" : " new") +
                                        (lukanJump ? " jump" : " no jump");
                if (ms > slowestMs) slowestMs = ms, slowestDay = day;
                if (page.empty()) ++empty;
                if (HasError(page)) {
                    const size_t at = page.find("An error occured");
                    if (++errors <= 20)
                        ADD_FAILURE() << day << ": ..." << page.substr(at > 300 ? at - 300 : 0, 400);
                }
                ASSERT_EQ(reader.FMappedTestament, 1) << day;
            }
        }
    }
    std::printf("pages: %d, with an error text: %d, empty: %d, slowest: %.2f ms (%s)\n", pages,
                errors, empty, slowestMs, slowestDay.c_str());
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(empty, 0);
    EXPECT_TRUE(messages.texts.empty());
}
