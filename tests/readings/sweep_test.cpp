// Every day of 2000 to 2040, on both calendars, with the Lukan jump on and off,
// builds a page from the built-in Bible files without a failure text or a reading
// whose passage is missing. The years are split into pieces that run side by side.
// At the ends of the new calendar's years, where Pascha comes earliest and latest in
// the civil year, every page is built without a failure text.
#include "readings_fixture.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include <unistd.h>

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

struct Years {
    int first;
    int last;
};

class ReadingsSweep : public ReadingsTest, public ::testing::WithParamInterface<Years> {};

}  // namespace

TEST_P(ReadingsSweep, EveryDay)
{
    const auto [first, last] = GetParam();
    int pages = 0, errors = 0, empty = 0;
    std::set<std::string> bare;
    double slowestMs = 0;
    std::string slowestDay;
    for (bool oldCalendar : {false, true}) {
        for (bool lukanJump : {true, false}) {
            settings.useLukanJump = lukanJump;
            for (QDate d(first, 1, 1); d.year() <= last; d = d.addDays(1)) {
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

INSTANTIATE_TEST_SUITE_P(Years, ReadingsSweep,
                         ::testing::Values(Years{2000, 2003}, Years{2004, 2007}, Years{2008, 2011},
                                           Years{2012, 2015}, Years{2016, 2019}, Years{2020, 2023},
                                           Years{2024, 2027}, Years{2028, 2031}, Years{2032, 2035},
                                           Years{2036, 2040}),
                         [](const ::testing::TestParamInfo<Years>& info) {
                             return std::to_string(info.param.first) + "To" +
                                    std::to_string(info.param.last);
                         });

namespace {

// The pages' passages are not read: every readings file is a one-line installed version.
class FirstAndLastCenturies : public ReadingsTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("selv_sweep_" + std::to_string(getpid()) + "_" + std::to_string(GetParam()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "verse.txt") << "01O\t1\t1\tIn the beginning.\n";
        controls.appDataDir = folder.string() + "/";
        reader.FOldTReadingsFile = reader.FNewTReadingsFile = reader.FApocReadingsFile = "verse.txt";
    }
    void TearDown() override { std::filesystem::remove_all(controls.appDataDir); }
};

}  // namespace

TEST_P(FirstAndLastCenturies, NoFailureText)
{
    const int first = GetParam();
    for (bool lukanJump : {true, false}) {
        settings.useLukanJump = lukanJump;
        for (QDate d(first, 1, 1); d.year() < first + 100; d = d.addDays(1)) {
            Select(d);
            const std::string page = Page();
            messages.texts.clear();   // the passages the one-line version lacks
            ASSERT_FALSE(page.empty());
            ASSERT_FALSE(HasError(page)) << d.toString(Qt::ISODate).toStdString()
                                         << (lukanJump ? " jump" : " no jump");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NewCalendar, FirstAndLastCenturies,
                         ::testing::Values(TCalendarEngine::FirstCivilYear,
                                           TCalendarEngine::LastCivilYear - 99));
