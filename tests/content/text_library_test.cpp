// The two text libraries as the program calls them: documents by key and the saint search.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "content_api.h"
#include "content_test_support.h"
#include "lookup_record.h"
#include "lookup_search.h"

namespace {

using LoadFn = const char* (*)(uint16_t);
using SearchFn = uint16_t (*)(const char*, uint16_t);

struct TextLibrary {
    const char* name;
    LoadFn load;
    SearchFn search;
    const char* documents;   // the generated resource files
};

const TextLibrary kLibraries[] = {
    {"selvlife", LoadLivesFromResource, SearchLivesLookupTable, SELV_LIVES_DOCS},
    {"selvhymn", LoadTropFromResource, SearchTropLookupTable, SELV_HYMNS_DOCS},
};

std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The first day after `from` (the search order of the libraries) whose lives names hold `text`.
uint16_t ExpectedLivesHit(const std::string& text, uint16_t from)
{
    const auto records = contenttest::LivesNameRecords();
    std::vector<selvcontent::TLookupRecord> table;
    for (const auto& [key, names] : records)
        table.push_back({key, names.c_str()});
    return selvcontent::SearchLookupTable(table.data(), static_cast<int>(table.size()), text.c_str(), from);
}

// Words (letters only) that occur in the names of exactly one day, by day.
std::map<uint16_t, std::string> WordsOfOneDay()
{
    std::map<std::string, std::set<uint16_t>> days;
    for (const auto& [key, names] : contenttest::LivesNameRecords()) {
        std::istringstream words(names);
        for (std::string word; words >> word;)
            if (word.size() >= 5 && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos)
                days[word].insert(key);
    }
    std::map<uint16_t, std::string> unique;
    for (const auto& [word, keys] : days)
        if (keys.size() == 1 && ExpectedLivesHit(word, *keys.begin()) == *keys.begin())
            unique.emplace(*keys.begin(), word);
    return unique;
}

} // namespace

TEST(TextLibraries, LoadTheDaysAndTheCivilDateDocuments)
{
    for (const TextLibrary& library : kLibraries) {
        SCOPED_TRACE(library.name);
        for (uint16_t key : {101, 229, 1231, 10619, 10702}) {
            const char* document = library.load(key);
            ASSERT_NE(document, nullptr) << key;
            EXPECT_EQ(std::strncmp(document, "{\\rtf1\\ansi", 11), 0) << key;
        }
        // St John (Maximovich) reposed on June 19 of the old calendar, civil July 2: he belongs
        // to old June 19 and to civil July 2 in new-calendar mode, not to civil June 19 there.
        const auto holds = [&](uint16_t key, const char* text) { return std::strstr(library.load(key), text) != nullptr; };
        EXPECT_TRUE(holds(619, "JUDE") && holds(619, "MAXIMOVICH"));
        EXPECT_TRUE(holds(10619, "JUDE"));
        EXPECT_FALSE(holds(10619, "MAXIMOVICH"));
        EXPECT_TRUE(holds(10702, "ROBE OF THE THEOTOKOS") && holds(10702, "MAXIMOVICH"));
        EXPECT_FALSE(holds(10702, "JUDE"));
        for (uint16_t key : {0, 1, 100, 132, 230, 1232, 10101, 10620, 65535})
            EXPECT_EQ(library.load(key), nullptr) << key;
    }
}

TEST(TextLibraries, EveryDocumentIsPaddedWithOneToFourNuls)
{
    for (const TextLibrary& library : kLibraries) {
        SCOPED_TRACE(library.name);
        for (uint16_t key : contentsrc::DocumentKeys()) {
            const std::string bytes = ReadBytes(std::filesystem::path(library.documents) / (std::to_string(key) + ".rtf"));
            ASSERT_FALSE(bytes.empty()) << key;
            EXPECT_EQ(bytes.size() % 4, 0u) << key;
            const size_t text = bytes.find('\0');
            ASSERT_NE(text, std::string::npos) << key;
            EXPECT_GE(bytes.size() - text, 1u);
            EXPECT_LE(bytes.size() - text, 4u) << key;
            EXPECT_EQ(bytes.find_first_not_of('\0', text), std::string::npos) << key;
            EXPECT_EQ(std::string(library.load(key)), bytes.substr(0, text)) << key;
        }
    }
}

TEST(TextLibraries, EmptyOrMissingSearchTextFindsNothing)
{
    for (const TextLibrary& library : kLibraries) {
        EXPECT_EQ(library.search("", 101), 0) << library.name;
        EXPECT_EQ(library.search(nullptr, 101), 0) << library.name;
    }
}

TEST(LivesSearch, JohnFromDecemberThirtyFirstFindsTheFirstJanuaryDay)
{
    const uint16_t expected = ExpectedLivesHit("JOHN", 1231);
    ASSERT_NE(expected, 0) << "the lives name no John at all";
    EXPECT_EQ(expected / 100, 1) << "no John in January";
    EXPECT_EQ(SearchLivesLookupTable("JOHN", 1231), expected);
    EXPECT_EQ(SearchLivesLookupTable("john", 1231), expected);
    EXPECT_EQ(SearchLivesLookupTable("John", 1231), expected);
}

TEST(LivesSearch, NamesWithAccentedLettersAreFoundInAnyCase)
{
    EXPECT_EQ(SearchLivesLookupTable("Uro\xC5\xA1", 1201), 1202);   // St (Stephen) Uroš
    EXPECT_EQ(SearchTropLookupTable("zo\xC3\xAB", 501), 502);       // Zoë
}

TEST(LivesSearch, AKeyNotInTheTableEndsAfterOnePass)
{
    EXPECT_EQ(SearchLivesLookupTable("JOHN", 0), ExpectedLivesHit("JOHN", 0));
    EXPECT_EQ(SearchLivesLookupTable("JOHN", 10619), ExpectedLivesHit("JOHN", 0));
    EXPECT_EQ(SearchLivesLookupTable("QQQQQ", 1232), 0);
    EXPECT_EQ(SearchTropLookupTable("QQQQQ", 0), 0);
}

TEST(LivesSearch, FebruaryTwentyNinthIsFoundOnlyFromItself)
{
    const auto records = contenttest::LivesNameRecords();
    ASSERT_EQ(records[59].first, 229);
    std::istringstream words(records[59].second);
    int checked = 0;
    for (std::string word; words >> word;) {
        if (word.size() < 4 || word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
            continue;
        ++checked;
        for (uint16_t from : {101, 228, 301, 1231})
            EXPECT_NE(SearchLivesLookupTable(word.c_str(), from), 229) << word << " from " << from;
        EXPECT_EQ(SearchLivesLookupTable(word.c_str(), 229), ExpectedLivesHit(word, 229)) << word;
    }
    EXPECT_GT(checked, 0);
    const auto oneDay = WordsOfOneDay();
    const auto unique = oneDay.find(229);
    if (unique != oneDay.end()) {   // a name kept on February 29 alone
        EXPECT_EQ(SearchLivesLookupTable(unique->second.c_str(), 228), 0);
        EXPECT_EQ(SearchLivesLookupTable(unique->second.c_str(), 229), 229);
    }
}

TEST(LivesSearch, ANameOfOneDayIsFoundFromThatDayAndFromTheDayBefore)
{
    const auto unique = WordsOfOneDay();
    const auto records = contenttest::LivesNameRecords();
    ASSERT_GE(unique.size(), 3u);
    for (size_t i = 1; i < records.size(); ++i) {
        const auto found = unique.find(records[i].first);
        if (found == unique.end() || records[i].first == 229)
            continue;
        const char* word = found->second.c_str();
        EXPECT_EQ(SearchLivesLookupTable(word, records[i].first), records[i].first) << word;
        const uint16_t before = records[i - 1].first == 229 ? 228 : records[i - 1].first;
        EXPECT_EQ(SearchLivesLookupTable(word, before), records[i].first) << word;
    }
}
