// The whole year's content: every source written, every document sound and naming its day.
#include <gtest/gtest.h>

#include <QDate>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>

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
        EXPECT_EQ(std::set<std::string>(a.begin(), a.end()).size(), a.size()) << lives.key;
    }
}

TEST(WholeContent, SaintsOfRecentTimesStandOnTheDayOfTheChurchThatKeepsThem)
{
    // Such a saint stands once, where the calendar of the church that glorified him shows his civil
    // day (St John (Maximovich) in both modes); the departed not glorified get no saint's hymn.
    enum { Old = 1, New = 2 };
    const struct {
        const char* title;
        std::set<int> civilDays;
        int modes;
        bool glorified = true;
    } saints[] = {
        {"(Maximovich)", {702}, Old | New}, {"Velimirovic", {318}, Old}, {"Seraphim of Vyritsa", {403}, Old},
        {"Popovic", {614}, Old}, {"Matrona (the Blind)", {502}, Old}, {"Luke, Archbishop of Simferopol", {611}, Old},
        {"Seraphim (Rose)", {902}, Old, false}, {"Gorazd", {904}, Old}, {"Sandovich", {906}, Old},
        {"Jonah, Bishop of Manchuria", {1020}, Old}, {"Tikhon, Patriarch of Moscow", {407, 1009}, Old},
        {"Innocent, Metropolitan of Moscow", {413, 1006}, Old}, {"Royal Martyrs", {717}, Old},
        {"Kochurov", {1113}, Old}, {"of Japan", {216}, Old}, {"Herman of Alaska", {809, 1213}, New},
        {"Gagastathis", {129}, New}, {"Raphael, Bishop of Brooklyn", {227}, New}, {"Gavrilia", {328}, New},
        {"Kalymnos", {407}, New}, {"Alexis Toth", {507}, New}, {"Sophrony of Essex", {711}, New},
        {"Païsios of the Holy Mountain", {712}, New}, {"Kontoglou", {713}, New, false},
        {"Florovsky", {811}, New, false}, {"Joseph the Hesychast", {816}, New}, {"Silouan", {924}, New},
        {"Lazarus (Moore)", {1127}, New, false}, {"Porphyrios of Kavsokalyvia", {1202}, New},
    };
    const auto& year = contenttest::SourceYear();
    for (const auto& saint : saints)
        for (const int mode : {Old, New}) {
            if (!(saint.modes & mode)) continue;
            std::set<int> shown;
            for (QDate civil(2001, 1, 1); civil.year() == 2001; civil = civil.addDays(1)) {
                // The old calendar shows the Julian date, the new one 06/19 and 07/02 from own documents.
                const QDate date = mode == Old ? civil.addDays(-13) : civil;
                uint16_t key = date.month() * 100 + date.day();
                key += mode == New && (key == 619 || key == 702) ? 10000 : 0;
                for (const auto& c : FindDay(year.lives, key)->commemorations)
                    if (c.title.find(saint.title) != std::string::npos && !shown.insert(civil.month() * 100 + civil.day()).second)
                        ADD_FAILURE() << saint.title << " twice on " << key;
                for (const auto& c : FindDay(year.hymns, key)->commemorations)
                    for (const auto& hymn : c.hymns)
                        EXPECT_TRUE(c.title.find(saint.title) == std::string::npos ||
                                    (hymn.heading.find("for the Departed") == std::string::npos) == saint.glorified)
                            << saint.title;
            }
            EXPECT_EQ(shown, saint.civilDays) << saint.title << (mode == Old ? ", old calendar" : ", new calendar");
        }
}

TEST(WholeContent, TheFiguresScriptCountsEachLifeOnce)
{
    size_t lives = 0;
    for (const Day& day : contenttest::SourceYear().lives) lives += day.key < 10000 ? day.commemorations.size() : 0;
    // An empty table of ranks: the script reports the lives alone.
    const std::string levels = testing::TempDir() + "selv_levels_" + std::to_string(getpid()) + ".tsv";
    std::ofstream(levels) << "month\tday\ttitle\tlevel\tlevel_name\tkind\ttradition\n";
    FILE* pipe = popen(("\"" SELV_PYTHON "\" \"" SELV_SOURCE_DIR "/tools/contentgen/content_figures.py\" --levels \"" + levels + "\"").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out(65536, '\0');
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    EXPECT_EQ(pclose(pipe), 0);
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
