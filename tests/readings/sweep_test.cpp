// Every day of 2000 to 2040, on both calendars, with the Lukan jump on and off,
// builds a page from the built-in Bible files without a failure text or a reading
// whose passage is missing.
#include "readings_fixture.h"

#include <chrono>
#include <cstdio>
#include <set>
#include <vector>

namespace {

// References of the readings whose passage came out empty (verses the Bible file lacks).
std::vector<std::string> EmptyPassages(const std::string& page)
{
    std::vector<std::string> references;
    const std::string gap = "\r\n\r\n     ";
    for (size_t at = page.find(gap); at != std::string::npos; at = page.find(gap, at + 1)) {
        const size_t after = at + gap.size();
        if (after < page.size() && page.compare(after, 2, "\r\n") != 0) continue;
        const size_t line = page.rfind("\r\n", at - 1);
        references.push_back(page.substr(line == std::string::npos ? 0 : line + 2,
                                         at - (line == std::string::npos ? 0 : line + 2)));
    }
    return references;
}

}  // namespace

class ReadingsSweep : public ReadingsTest {};

TEST_F(ReadingsSweep, EveryDayOf2000To2040)
{
    int pages = 0, errors = 0, empty = 0;
    std::set<std::string> bare;
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
                for (const std::string& reference : EmptyPassages(page)) bare.insert(reference);
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
    // The built-in Apocrypha file may lack the Prayer of Azariah (a gap of the shipped
    // Bible text, not of the tables); then Great Saturday's sixteenth reading is bare.
    reader.FMappedText = reader.MapBibleFile(reader.FApocReadingsFile);
    reader.FMappedTestament = 2;
    if (reader.GetPassageText(12, "1", "1", "1", "1", false, false).empty())
        bare.erase("The Song of the Three Holy Children (Daniel 3:24-90)");
    reader.FMappedText = reader.MapBibleFile(reader.FNewTReadingsFile);
    reader.FMappedTestament = 1;
    for (const std::string& reference : bare) ADD_FAILURE() << "empty passage: " << reference;
    EXPECT_EQ(empty, 0);
    EXPECT_TRUE(messages.texts.empty());
}
