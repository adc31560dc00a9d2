// The whole year's content: every source written, every document sound and naming its day.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include <unistd.h>

#include "content_api.h"
#include "content_test_support.h"
#include "rtf_document.h"

namespace {

using contentsrc::Day;

const Day* FindDay(const std::vector<Day>& days, uint16_t key)
{
    for (const Day& day : days)
        if (day.key == key)
            return &day;
    return nullptr;
}

} // namespace

TEST(WholeContent, EveryDayHasWrittenLivesAndHymns)
{
    const auto& year = contenttest::SourceYear();
    for (const std::string& warning : year.warnings)
        ADD_FAILURE() << warning;
    ASSERT_EQ(year.lives.size(), 368u);
    ASSERT_EQ(year.hymns.size(), 368u);
    for (const Day& day : year.lives) {
        EXPECT_FALSE(day.placeholder) << "lives " << day.key;
        bool hasLife = false;
        for (const auto& c : day.commemorations)
            hasLife = hasLife || !c.paragraphs.empty();
        EXPECT_TRUE(hasLife) << "no life on " << day.key;
    }
    for (const Day& day : year.hymns) {
        EXPECT_FALSE(day.placeholder) << "hymns " << day.key;
        bool hasHymn = false;
        for (const auto& c : day.commemorations)
            hasHymn = hasHymn || !c.hymns.empty();
        EXPECT_TRUE(hasHymn) << "no hymn on " << day.key;
    }
}

TEST(WholeContent, HymnsAndLivesKeepTheSameCommemorations)
{
    const auto& year = contenttest::SourceYear();
    for (const Day& lives : year.lives) {
        const Day* hymns = FindDay(year.hymns, lives.key);
        ASSERT_NE(hymns, nullptr);
        if (lives.placeholder || hymns->placeholder)
            continue;   // reported by the test above
        std::vector<std::string> a, b;
        for (const auto& c : lives.commemorations)
            a.push_back(c.title);
        for (const auto& c : hymns->commemorations)
            b.push_back(c.title);
        EXPECT_EQ(a, b) << contentsrc::KeyText(lives.key) << (lives.key > 10000 ? " new" : "");
    }
}

TEST(WholeContent, TheFiguresScriptCountsEachLifeOnce)
{
    size_t lives = 0;
    for (const Day& day : contenttest::SourceYear().lives)
        if (day.key < 10000)
            lives += day.commemorations.size();
    // An empty table of ranks: the script reports the lives alone.
    const std::string levels = testing::TempDir() + "selv_levels_" + std::to_string(getpid()) + ".tsv";
    std::ofstream(levels) << "month\tday\ttitle\tlevel\tlevel_name\tkind\ttradition\n";
    const std::string command = std::string("\"") + SELV_PYTHON + "\" \"" + SELV_SOURCE_DIR +
                                "/tools/contentgen/content_figures.py\" --levels \"" + levels + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    for (char buffer[256]; std::fgets(buffer, sizeof buffer, pipe);)
        out += buffer;
    EXPECT_EQ(pclose(pipe), 0) << command;
    std::remove(levels.c_str());
    EXPECT_EQ(out.substr(0, out.find('\n')), "lives: " + std::to_string(lives));
}

TEST(WholeContent, EveryDocumentIsSoundRtfAndNamesItsDay)
{
    const auto& year = contenttest::SourceYear();
    const std::pair<const std::vector<Day>*, const char* (*)(uint16_t)> libraries[] = {
        {&year.lives, LoadLivesFromResource}, {&year.hymns, LoadTropFromResource}};
    for (const auto& [days, load] : libraries) {
        for (const Day& day : *days) {
            const char* document = load(day.key);
            ASSERT_NE(document, nullptr) << day.key;
            const std::string text(document);
            EXPECT_TRUE(contenttest::IsWellFormedRtf(text)) << day.key;
            EXPECT_EQ(text.find("PLACEHOLDER"), std::string::npos) << day.key;
            for (const auto& c : day.commemorations)
                EXPECT_NE(text.find(contentsrc::RtfEscape(contentsrc::Upper(c.title))), std::string::npos)
                    << day.key << ": " << c.title;
        }
    }
    const std::string lives = LoadLivesFromResource(101);
    EXPECT_NE(lives.find("Times New Roman"), std::string::npos);
    EXPECT_NE(lives.find("\\fs24"), std::string::npos);
}
