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

// The document a calendar mode shows on a civil day: the old-calendar mode reads the Julian
// date, 13 days earlier; the new-calendar mode the civil date, June 19 and July 2 from their
// own documents.
uint16_t DocumentShown(const QDate& civil, bool oldCalendar)
{
    const QDate date = oldCalendar ? civil.addDays(-13) : civil;
    const auto key = static_cast<uint16_t>(date.month() * 100 + date.day());
    return !oldCalendar && (key == 619 || key == 702) ? key + 10000 : key;
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
    // Both kinds of church keep such a saint on one civil day; he stands where the calendar mode
    // of the church that glorified him shows him on that day, once. St John (Maximovich) has the
    // civil-date document for the new calendar as well. The departed not numbered among the saints
    // are sung the prayers for the departed only.
    enum { Old = 1, New = 2 };
    struct Saint {
        const char* title;
        std::set<int> civilDays;
        int modes;
        bool glorified;
    };
    const Saint saints[] = {
        {"(Maximovich)", {702}, Old | New, true},     {"Velimirovic", {318}, Old, true},
        {"Seraphim of Vyritsa", {403}, Old, true},     {"Popovic", {614}, Old, true},
        {"Matrona (the Blind)", {502}, Old, true},     {"Luke, Archbishop of Simferopol", {611}, Old, true},
        {"Seraphim (Rose)", {902}, Old, false},        {"Gorazd", {904}, Old, true},
        {"Sandovich", {906}, Old, true},               {"Jonah, Bishop of Manchuria", {1020}, Old, true},
        {"Tikhon, Patriarch of Moscow", {407, 1009}, Old, true},
        {"Innocent, Metropolitan of Moscow", {413, 1006}, Old, true},
        {"Royal Martyrs", {717}, Old, true},           {"Kochurov", {1113}, Old, true},
        {"of Japan", {216}, Old, true},                {"Herman of Alaska", {809, 1213}, New, true},
        {"Gagastathis", {129}, New, true},             {"Raphael, Bishop of Brooklyn", {227}, New, true},
        {"Gavrilia", {328}, New, true},                {"Kalymnos", {407}, New, true},
        {"Alexis Toth", {507}, New, true},             {"Sophrony of Essex", {711}, New, true},
        {"Païsios of the Holy Mountain", {712}, New, true}, {"Kontoglou", {713}, New, false},
        {"Florovsky", {811}, New, false},              {"Joseph the Hesychast", {816}, New, true},
        {"Silouan", {924}, New, true},                 {"Lazarus (Moore)", {1127}, New, false},
        {"Porphyrios of Kavsokalyvia", {1202}, New, true},
    };
    const auto& year = contenttest::SourceYear();
    for (const Saint& saint : saints) {
        SCOPED_TRACE(saint.title);
        for (const bool oldCalendar : {true, false}) {
            if (!(saint.modes & (oldCalendar ? Old : New)))
                continue;
            std::set<int> shown;
            for (QDate civil(2001, 1, 1); civil.year() == 2001; civil = civil.addDays(1)) {
                const uint16_t key = DocumentShown(civil, oldCalendar);
                int count = 0;
                for (const auto& c : FindDay(year.lives, key)->commemorations)
                    count += c.title.find(saint.title) != std::string::npos;
                EXPECT_LE(count, 1) << key;
                if (count)
                    shown.insert(civil.month() * 100 + civil.day());
                for (const auto& c : FindDay(year.hymns, key)->commemorations) {
                    if (c.title.find(saint.title) == std::string::npos)
                        continue;
                    for (const auto& hymn : c.hymns)
                        EXPECT_EQ(hymn.heading.find("for the Departed") == std::string::npos, saint.glorified);
                }
            }
            EXPECT_EQ(shown, saint.civilDays) << (oldCalendar ? "old calendar" : "new calendar");
        }
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
