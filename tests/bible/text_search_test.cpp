// Byte search, whitespace normalisation and the book tables.
#include <gtest/gtest.h>

#include <cstring>

#include "bible_test_support.h"

namespace {

const char* Find(const std::string& text, uint32_t start, const std::string& key) {
    return TBibleReader::FindInMappedText(text.data(), uint32_t(text.size()), start, key);
}

// Offset of the hit, -1 for none.
long Offset(const std::string& text, uint32_t start, const std::string& key) {
    const char* hit = Find(text, start, key);
    return hit == nullptr ? -1 : long(hit - text.data());
}

TEST(FindInMappedText, AgreesWithNaiveSearchOnRepetitiveText) {
    // Keys with repeated bytes exercise the skip table and the mismatch shift.
    const std::string text = "aabaabaaabaaaabbbabababaabaaabbaab Book 09 Book 10 Book 1";
    for (const std::string key : {"aab", "aaab", "baa", "abab", "bb", "Book 1", "Book 10", "b", "aaaab"}) {
        for (uint32_t start = 0; start < text.size(); ++start) {
            const size_t expected = text.find(key, start);
            const long want = expected == std::string::npos ? -1 : long(expected);
            ASSERT_EQ(Offset(text, start, key), want) << key << " from " << start;
        }
    }
}

TEST(FindInMappedText, NothingIsFoundInDegenerateCases) {
    const std::string text = "Book 00";
    EXPECT_EQ(Find(text, 0, ""), nullptr);
    EXPECT_EQ(Find(text, 0, "Book 00"), nullptr);    // as long as the text
    EXPECT_EQ(Find(text, 0, "Book 000"), nullptr);   // longer
    EXPECT_EQ(Find(text, 7, "0"), nullptr);          // start at the end
    EXPECT_EQ(Find(text, 400, "0"), nullptr);        // start far beyond
    EXPECT_EQ(TBibleReader::FindInMappedText(nullptr, 100, 0, "a"), nullptr);
    EXPECT_EQ(TBibleReader::FindInMappedText(text.data(), 0, 0, "B"), nullptr);
    // The match must end inside the size given, not merely inside the buffer.
    EXPECT_EQ(TBibleReader::FindInMappedText(text.data(), 6, 0, "00"), nullptr);
    EXPECT_NE(TBibleReader::FindInMappedText(text.data(), 7, 0, "00"), nullptr);
}

TEST(Whitespace, LineBreakRunsBecomeOneBlank) {
    EXPECT_EQ(TBibleReader::LineBreaksToSpaces("a\r\nb\n\n\rc\rd"), "a b c d");
    EXPECT_EQ(TBibleReader::LineBreaksToSpaces("\r\nab\n"), " ab ");
    EXPECT_EQ(TBibleReader::LineBreaksToSpaces("no breaks"), "no breaks");
    EXPECT_EQ(TBibleReader::LineBreaksToSpaces(""), "");
}

TEST(Whitespace, BlankRunsCollapseButTabsStay) {
    EXPECT_EQ(TBibleReader::CollapseSpaces("a  b     c"), "a b c");
    EXPECT_EQ(TBibleReader::CollapseSpaces("  a\t\tb  "), " a\t\tb ");
    EXPECT_EQ(TBibleReader::CollapseSpaces("a \t b"), "a \t b");
    EXPECT_EQ(TBibleReader::CollapseSpaces("single blanks only"), "single blanks only");
}

struct BookTables : ::testing::Test {
    ReaderRig rig{"", ""};
    FakeSearchControls& c = rig.controls;
};

TEST_F(BookTables, BookNumbersFollowThePartAndIgnoreCase) {
    c.itemIndex = 0;
    c.oldT = "genesis";
    EXPECT_EQ(rig.reader.GetBookNumber(), 1);
    c.oldT = "Malachi";
    EXPECT_EQ(rig.reader.GetBookNumber(), 39);
    c.itemIndex = 1;
    c.newT = "ST MATTHEW";
    EXPECT_EQ(rig.reader.GetBookNumber(), 40);
    c.newT = "Revelation";
    EXPECT_EQ(rig.reader.GetBookNumber(), 66);
    c.itemIndex = 2;
    c.apoc = "Baruch";
    EXPECT_EQ(rig.reader.GetBookNumber(), 67);
    c.apoc = "Additions to Esther";
    EXPECT_EQ(rig.reader.GetBookNumber(), 86);
    c.apoc = "Epistle of Jeremiah";
    EXPECT_EQ(rig.reader.GetBookNumber(), 0);
    c.itemIndex = 0;
    c.oldT = "St Matthew";   // not an Old Testament name
    EXPECT_EQ(rig.reader.GetBookNumber(), 0);
}

TEST_F(BookTables, LastChapterHasTheBuiltInExceptions) {
    c.itemIndex = 0;
    EXPECT_EQ(rig.reader.GetLastChapter("Psalms"), "151");
    EXPECT_EQ(rig.reader.GetLastChapter("psalms"), "150");
    EXPECT_EQ(rig.reader.GetLastChapter("Daniel"), "14");
    EXPECT_EQ(rig.reader.GetLastChapter("Obadiah"), "1");
    EXPECT_EQ(rig.reader.GetLastChapter("Nowhere"), "-1");
    c.itemIndex = 1;
    EXPECT_EQ(rig.reader.GetLastChapter("revelation"), "22");
    EXPECT_EQ(rig.reader.GetLastChapter("Genesis"), "-1");
    c.itemIndex = 2;
    EXPECT_EQ(rig.reader.GetLastChapter("Baruch"), "5");
    EXPECT_EQ(rig.reader.GetLastChapter("Epistle of Jeremiah"), "6");
    EXPECT_EQ(rig.reader.GetLastChapter("Ecclesiasticus"), "51");
    EXPECT_EQ(rig.reader.GetLastChapter("Additions to Esther"), "16");
    c.itemIndex = -1;
    EXPECT_EQ(rig.reader.GetLastChapter("Genesis"), "-1");
}

TEST(BookTablesContent, TablesHaveTheirSizesAndCountsParse) {
    int total = 0;
    for (const char* n : BibleChapterCountsOldT) total += std::atoi(n);
    for (const char* n : BibleChapterCountsNewT) total += std::atoi(n);
    EXPECT_EQ(total, 929 + 2 + 260);   // the usual canon, with Daniel counted as 14 chapters
    EXPECT_STREQ(BibleBookNamesApoc[9], "4 Maccabees");
    EXPECT_STREQ(BuiltInApocBookNames[10], "Epistle of Jeremiah");
    for (const char* prefix : ApocVerseMarkerPrefixes) EXPECT_EQ(prefix[std::strlen(prefix) - 1], ' ');
}

}  // namespace
