// Reading the month sources and the common hymns.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "content_source.h"

using namespace contentsrc;

namespace {

const char* const kCommon =
    "% hierarch\n"
    "Troparion, Tone 4\n"
    "Pray for us, O Father {NAME}.\n"
    "Kontakion, Tone 2\n"
    "O {NAME}, {NAME} of Christ.\n";

CommonHymns Common()
{
    std::istringstream in(kCommon);
    return ParseCommonHymns(in, "common.txt");
}

std::map<uint16_t, Day> Parse(const std::string& text, int month, SourceKind kind = SourceKind::Lives)
{
    const CommonHymns common = Common();
    std::istringstream in(text);
    return ParseMonth(in, "MM.txt", month, kind, &common);
}

// The message of the fault the text raises, or "" when it parses.
std::string FaultOf(const std::string& text, int month, SourceKind kind = SourceKind::Lives)
{
    try {
        Parse(text, month, kind);
    } catch (const SourceError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(ContentSource, LivesDaysCommemorationsAndParagraphs)
{
    const auto days = Parse("# a comment\n"
                            "@ 01/01\n"
                            "* Circumcision of Our Lord\n"
                            "First paragraph.\n"
                            "\n"
                            "  Second paragraph.  \r\n"
                            "* St Basil the Great\n"
                            "Basil was born.\n"
                            "@ 01/02\n"
                            "* Forefeast of Theophany\n"
                            "Text.\n",
                            1);
    ASSERT_EQ(days.size(), 2u);
    const Day& first = days.at(101);
    ASSERT_EQ(first.commemorations.size(), 2u);
    EXPECT_EQ(first.commemorations[0].title, "Circumcision of Our Lord");
    EXPECT_EQ(first.commemorations[0].paragraphs, (std::vector<std::string>{"First paragraph.", "Second paragraph."}));
    EXPECT_EQ(first.commemorations[1].paragraphs.size(), 1u);
    EXPECT_FALSE(first.placeholder);
    EXPECT_EQ(days.at(102).commemorations[0].title, "Forefeast of Theophany");
}

TEST(ContentSource, CivilDateDocumentsTakeTheirOwnKeys)
{
    const auto june = Parse("@ 06/19\n* Apostle Jude\nText.\n@ 06/19 new\n* St John\nText.\n", 6);
    EXPECT_TRUE(june.count(619));
    EXPECT_TRUE(june.count(10619));
    EXPECT_TRUE(Parse("@ 07/02 new\n* A saint\nText.\n", 7).count(10702));
    EXPECT_NE(FaultOf("@ 07/03 new\n* A saint\nText.\n", 7), "");
}

TEST(ContentSource, MalformedSourcesAreRefusedWithTheirPlace)
{
    EXPECT_NE(FaultOf("Text before any day.\n", 1).find("MM.txt:1:"), std::string::npos);
    EXPECT_NE(FaultOf("@ 01/01\nText before a title.\n", 1).find("MM.txt:2:"), std::string::npos);
    EXPECT_NE(FaultOf("@ 02/01\n* A saint\nText.\n", 1), "");            // another month's day
    EXPECT_NE(FaultOf("@ 02/30\n* A saint\nText.\n", 2), "");            // no such day
    EXPECT_EQ(FaultOf("@ 02/29\n* St John Cassian\nText.\n", 2), "");
    EXPECT_NE(FaultOf("@ 1/1\n* A saint\nText.\n", 1), "");
    EXPECT_NE(FaultOf("@ 01/01\n* A\nText.\n@ 01/01\n* B\nText.\n", 1).find("twice"), std::string::npos);
    EXPECT_NE(FaultOf("@ 01/01\n@ 01/02\n* B\nText.\n", 1), "");          // a day without titles
    EXPECT_NE(FaultOf("@ 01/01\n*\nText.\n", 1), "");
    EXPECT_NE(FaultOf("@ 01/01\n* A \xC3\n", 1).find("UTF-8"), std::string::npos);
}

TEST(ContentSource, ProperHymnsKeepTheirHeadingsAndText)
{
    const auto days = Parse("@ 01/01\n"
                            "* Circumcision of Our Lord\n"
                            "Troparion, Tone 1\n"
                            "Though Thou art God.\n"
                            "Kontakion of the Feast, Tone 3\n"
                            "The Lord of all.\n"
                            "A second line.\n",
                            1, SourceKind::Hymns);
    const auto& hymns = days.at(101).commemorations.at(0).hymns;
    ASSERT_EQ(hymns.size(), 2u);
    EXPECT_EQ(hymns[0].heading, "Troparion, Tone 1");
    EXPECT_EQ(hymns[0].paragraphs, std::vector<std::string>{"Though Thou art God."});
    EXPECT_EQ(hymns[1].heading, "Kontakion of the Feast, Tone 3");
    EXPECT_EQ(hymns[1].paragraphs.size(), 2u);
}

TEST(ContentSource, CommonHymnsTakeTheName)
{
    const auto days = Parse("@ 01/01\n* St Basil the Great\n= hierarch Basil the Great\n", 1, SourceKind::Hymns);
    const auto& hymns = days.at(101).commemorations.at(0).hymns;
    ASSERT_EQ(hymns.size(), 2u);
    EXPECT_EQ(hymns[0].heading, "Troparion, Tone 4");
    EXPECT_EQ(hymns[0].paragraphs[0], "Pray for us, O Father Basil the Great.");
    EXPECT_EQ(hymns[1].paragraphs[0], "O Basil the Great, Basil the Great of Christ.");
}

TEST(ContentSource, MalformedHymnsAreRefused)
{
    const auto hymns = SourceKind::Hymns;
    EXPECT_NE(FaultOf("@ 01/01\n* A\n= bishop Basil\n", 1, hymns).find("unknown order"), std::string::npos);
    EXPECT_NE(FaultOf("@ 01/01\n* A\n= martyr Basil\n", 1, hymns).find("no section"), std::string::npos);
    EXPECT_NE(FaultOf("@ 01/01\n* A\n= hierarch\n", 1, hymns), "");
    EXPECT_NE(FaultOf("@ 01/01\n* A\nTroparion, Tone 9\nText.\n", 1, hymns), "");
    EXPECT_NE(FaultOf("@ 01/01\n* A\nTroparion\nText.\n", 1, hymns), "");
    EXPECT_NE(FaultOf("@ 01/01\n* A\nHymn text without a heading.\n", 1, hymns), "");
    EXPECT_NE(FaultOf("@ 01/01\n* A\n= hierarch B\nText after common hymns.\n", 1, hymns), "");
}

TEST(ContentSource, TheCommonHymnsOfEveryOrderExist)
{
    const CommonHymns common = ReadCommonHymns(std::filesystem::path(SELV_SOURCE_DIR) / "content/selvhymn/hymns/common.txt");
    for (const std::string& order : CommonOrders()) {
        SCOPED_TRACE(order);
        const auto found = common.find(order);
        ASSERT_NE(found, common.end());
        ASSERT_EQ(found->second.size(), 2u);
        EXPECT_EQ(found->second[0].heading.rfind("Troparion", 0), 0u);
        EXPECT_EQ(found->second[1].heading.rfind("Kontakion", 0), 0u);
        for (const Hymn& hymn : found->second) {
            ASSERT_FALSE(hymn.paragraphs.empty());
            EXPECT_NE(hymn.paragraphs[0].find("{NAME}"), std::string::npos);
        }
    }
}

TEST(ContentSource, MissingSourcesBecomeMarkedPlaceholders)
{
    const auto folder = std::filesystem::temp_directory_path() / "selv_content_source_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "01.txt") << "@ 01/01\n* Circumcision of Our Lord\nText.\n";
    std::vector<std::string> warnings;
    const auto year = ReadYear(folder, SourceKind::Lives, nullptr, warnings);
    ASSERT_EQ(year.size(), 368u);
    EXPECT_FALSE(year[0].placeholder);
    EXPECT_TRUE(year[1].placeholder);   // 01/02 is missing from a present file
    EXPECT_EQ(year[1].key, 102);
    EXPECT_TRUE(year[367].placeholder);
    EXPECT_EQ(year[367].key, 10702);
    EXPECT_NE(year[59].commemorations.at(0).title.find("Placeholder"), std::string::npos);
    EXPECT_EQ(warnings.size(), 30u + 11u);   // 30 days of January, 11 missing months
    std::filesystem::remove_all(folder);
}
