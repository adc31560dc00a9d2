// The reader of the built-in marker files, on small hand-written files.
#include <gtest/gtest.h>

#include <fstream>

#include "bible_test_support.h"

namespace {

struct BuiltInReader : ::testing::Test {
    ReaderRig rig{kFixtureDir + "builtin/", kFixtureDir};
    FakeSearchControls& c = rig.controls;
    TBibleReader& r = rig.reader;

    // A search of the dialog in `part`, with that part's built-in file mapped.
    void Search(int part) { ASSERT_TRUE(rig.SearchIn(part)); }
    std::string Range(int book, int chapter) {
        int last = 0;
        std::string range = r.GetVerseRange(book, chapter, last);
        EXPECT_EQ(last, range == "Error" ? -1 : std::stoi(range.substr(range.find('-') + 1)));
        return range;
    }
    std::string Passage(int book, const char* sc, const char* sv, const char* ec, const char* ev,
                        bool headings = false, bool numbers = false) {
        return r.GetPassageText(book, sc, sv, ec, ev, headings, numbers);
    }
};

TEST_F(BuiltInReader, NeighbouringBookMarkersBoundEachBook) {
    Search(0);
    EXPECT_EQ(Range(9, 1), "1-2");    // Book 09 ends at Book 10, not at a later "Book 1..."
    EXPECT_EQ(Range(10, 1), "1-5");
    EXPECT_EQ(Range(38, 4), "1-2");   // the last book ends at the closing Book 39
    EXPECT_EQ(Range(39, 1), "Error"); // no book after the closing marker
    EXPECT_EQ(Range(1, 1), "Error");  // an empty book
    EXPECT_EQ(Range(0, 3), "Error");  // past the last chapter
    EXPECT_EQ(Range(-1, 1), "Error");
}

TEST_F(BuiltInReader, SentinelIsSubtractedOnlyInTheLastChapter) {
    Search(0);
    EXPECT_EQ(Range(0, 1), "1-3");
    EXPECT_EQ(Range(0, 2), "1-2");
    EXPECT_EQ(Range(18, 149), "1-2");
    EXPECT_EQ(Range(18, 150), "1-6");   // an ordinary chapter: Psalm 151 follows
    EXPECT_EQ(Range(18, 151), "1-7");
    Search(1);
    EXPECT_EQ(Range(0, 1), "1-25");
    EXPECT_EQ(Range(0, 3), "1-17");
}

TEST_F(BuiltInReader, LastChapterIsTakenFromTheFileNotTheTable) {
    // The table gives Daniel 14 chapters; this file, like the King James text, ends at
    // chapter 2 (there 12). Its markers 1 to 26 still hold 25 verses.
    Search(0);
    EXPECT_EQ(Range(26, 1), "1-3");
    EXPECT_EQ(Range(26, 2), "1-25");
}

TEST_F(BuiltInReader, ApocryphaChaptersWithOtherStarts) {
    Search(2);
    c.apoc = "Additions to Esther";
    EXPECT_EQ(Range(2, 10), "4-6");
    EXPECT_EQ(Range(2, 11), "1-2");
    c.apoc = "Ecclesiasticus";
    EXPECT_EQ(Range(8, 0), "1-1");   // the prologue: one verse, then chapter 1
    EXPECT_EQ(Range(8, 1), "1-10");
    c.apoc = "Epistle of Jeremiah";
    EXPECT_EQ(Range(10, 6), "1-3");
    EXPECT_EQ(Range(15, 1), "Error");
}

TEST_F(BuiltInReader, VerseSummaries) {
    Search(2);
    EXPECT_EQ(r.BuildChapterVerseSummary(10, "Epistle of Jeremiah"), "Epistle of Jeremiah   6:1-3");
    c.apoc = "Additions to Esther";
    EXPECT_EQ(r.BuildChapterVerseSummary(2, "Additions to Esther").substr(0, 46),
              "Additions to Esther   10:4-6,   11:1-2,   12:E");
    EXPECT_EQ(r.BuildChapterVerseSummary(8, "Ecclesiasticus").substr(0, 46),
              "Ecclesiasticus   0:1-1,   1:1-10,   2:Error,  ");
    Search(1);
    const std::string matthew = r.BuildChapterVerseSummary(0, "St Matthew");
    EXPECT_EQ(matthew.substr(0, 49), "St Matthew   1:1-25,   2:1-23,   3:1-17,   4:Erro");
    EXPECT_EQ(matthew.substr(matthew.size() - 8), "28:Error");
    EXPECT_EQ(r.BuildChapterVerseSummary(0, "No Such Book"), "No Such Book   ");
}

// The summary finds all the markers of a book in one pass; on a damaged book it still gives
// what the search of each chapter gives: a marker of verse 1 found where verse 10 stands, a
// stray marker counted in the walk of its chapter, a marker with a leading zero passed over.
TEST_F(BuiltInReader, SummaryOfADamagedBookAgreesWithEachChapter) {
    const ScratchFolder dir("selv_bible_damaged_summary");
    {
        std::ofstream apoc(dir.path / "Apoc.dat");
        for (int book = 0; book < 9; ++book) apoc << "Book 0" << book << "\n";
        apoc << "Book 09\nBar 1:1 a Bar 1:2 b Bar 2:10 c Bar 2:11 d Bar 3:1 e Bar 3:2 f Bar 1:3 g "
                "Bar 4:01 h Bar 4:1 i Bar 4:2 j Bar 5:1 k Bar 5:2\n";
        for (int book = 10; book < 16; ++book) apoc << "Book " << book << "\n";
    }
    c.programDir = dir.Dir();
    Search(2);
    c.apoc = "Baruch";
    const std::string summary = r.BuildChapterVerseSummary(9, "Baruch");
    EXPECT_EQ(summary, "Baruch   1:1-3,   2:1-1,   3:1-2,   4:1-2,   5:1-1");
    std::string eachChapter = "Baruch   ";
    for (int chapter = 1; chapter <= 5; ++chapter)
        eachChapter += std::to_string(chapter) + ":" + Range(9, chapter) + (chapter < 5 ? ",   " : "");
    EXPECT_EQ(summary, eachChapter);
}

TEST_F(BuiltInReader, SingleVersesAreNormalised) {
    Search(0);
    EXPECT_EQ(Passage(0, "1", "2", "1", "2", true, false), "     And the earth was without form.");
    EXPECT_EQ(Passage(0, "2", "2", "2", "2", false, true), "     2 And on the seventh day God ended.");
    EXPECT_EQ(Passage(9, "1", "1", "1", "2"), "     Samuel 1.1. Samuel 1.2.");
    EXPECT_EQ(Passage(38, "4", "2", "4", "2"), "     Malachi 4.2.");
}

TEST_F(BuiltInReader, ChapterBreaksWithAndWithoutHeadings) {
    Search(1);
    EXPECT_EQ(Passage(0, "1", "25", "2", "1", true, true),
              "Chapter 1\r\n\r\n     25 Verse 1.25 text.\r\n\r\nChapter 2\r\n\r\n     1 Verse 2.1 text.");
    EXPECT_EQ(Passage(0, "2", "23", "3", "1", false, false),
              "     Verse 2.23 text.\r\n\r\n     Verse 3.1 text.");
    EXPECT_EQ(Passage(0, "2", "10", "3", "2", true, false),
              "Chapter 2\r\n\r\n     Verse 2.10 text. Verse 2.11 text. Verse 2.12 text. Verse 2.13 text. "
              "Verse 2.14 text. Verse 2.15 text. Verse 2.16 text. Verse 2.17 text. Verse 2.18 text. "
              "Verse 2.19 text. Verse 2.20 text. Verse 2.21 text. Verse 2.22 text. Verse 2.23 text."
              "\r\n\r\nChapter 3\r\n\r\n     Verse 3.1 text. Verse 3.2 text.");
    Search(0);
    EXPECT_EQ(Passage(18, "150", "6", "151", "1", true, true),
              "Chapter 150\r\n\r\n     6 Verse 150.6 text.\r\n\r\nChapter 151\r\n\r\n     1 Verse 151.1 text.");
}

TEST_F(BuiltInReader, MissingOrImpossibleRangesGiveEmptyText) {
    Search(1);
    EXPECT_EQ(Passage(0, "1", "24", "1", "26"), "");   // one past the chapter's last verse
    EXPECT_EQ(Passage(0, "3", "17", "3", "18"), "");   // the sentinel carries no verse
    EXPECT_EQ(Passage(0, "4", "1", "4", "1"), "");
    EXPECT_EQ(Passage(1, "1", "1", "1", "1"), "");     // an empty book
    EXPECT_EQ(Passage(0, "x", "1", "1", "1"), "");
    EXPECT_EQ(Passage(0, "3", "16", "3", "17"), "     Verse 3.16 text. Verse 3.17 text.");
}

TEST_F(BuiltInReader, ApocryphaMarkersOfDifferentLengths) {
    Search(2);
    // Verse 10's marker is one character longer than verse 9's.
    EXPECT_EQ(Passage(8, "1", "9", "1", "10", false, true), "     9 Word9 of wisdom. 10 Word10 of wisdom.");
    EXPECT_EQ(Passage(8, "1", "10", "1", "10"), "     Word10 of wisdom.");
    EXPECT_EQ(Passage(8, "0", "1", "1", "1", true, false),
              "Chapter 0\r\n\r\n     The prologue.\r\n\r\nChapter 1\r\n\r\n     Word1 of wisdom.");
    EXPECT_EQ(Passage(2, "10", "4", "10", "5"), "     Verse 10.4 text. Verse 10.5 text.");
    EXPECT_EQ(Passage(10, "6", "3", "6", "3"), "     Verse 6.3 text.");
}

TEST_F(BuiltInReader, NumbersBeyondThreeDigitsAreRefusedBeforeStepping) {
    // Apocrypha markers carry the numbers as written, so a hostile file can hold the largest one.
    const ScratchFolder dir("selv_builtin_huge");
    std::ofstream(dir.path / "Apoc.dat", std::ios::binary)
        << "Book 00\nBook 01\nBook 02\nBook 03\nBook 04\nBook 05\nBook 06\nBook 07\nBook 08\n"
           "Sir 1:2147483647 Hostile.\nSir 2147483647:1 Hostile.\nSir 2147483647:2\nBook 09\n";
    c.programDir = dir.Dir();
    c.apoc = "Ecclesiasticus";
    Search(2);
    EXPECT_EQ(Passage(8, "1", "2147483647", "1", "2147483647"), "");
    EXPECT_EQ(Passage(8, "2147483647", "1", "2147483647", "1"), "");
    EXPECT_EQ(Range(8, 2147483647), "Error");
}

TEST_F(BuiltInReader, ReferenceLineFollowsTheRangeShape) {
    Search(1);
    c.verseNumbers = true;
    EXPECT_EQ(r.GetPassageWithReference(0, "St Matthew", "1", "1", "1", "1"),
              "St Matthew 1:1\r\n\r\n     1 Verse 1.1 text.");
    c.verseNumbers = false;
    EXPECT_EQ(r.GetPassageWithReference(0, "St Matthew", "1", "1", "1", "2"),
              "St Matthew 1:1-2\r\n\r\n     Verse 1.1 text. Verse 1.2 text.");
    c.headings = true;
    EXPECT_EQ(r.GetPassageWithReference(0, "St Matthew", "1", "25", "2", "1"),
              "St Matthew 1:25-2:1\r\n\r\nChapter 1\r\n\r\n     Verse 1.25 text.\r\n\r\nChapter 2\r\n\r\n     Verse 2.1 text.");
    EXPECT_EQ(r.GetPassageWithReference(0, "St Matthew", "9", "1", "9", "1"), "");
}

TEST_F(BuiltInReader, ReadingsRequestsFollowTheMappedPart) {
    // Outside a search the part comes from the mapping, not from the dialog.
    c.itemIndex = 2;
    ASSERT_TRUE(rig.Map("OldTstmt.dat", 0));
    EXPECT_EQ(Passage(0, "1", "1", "1", "1"), "     In the beginning.");
    ASSERT_TRUE(rig.Map("NewTstmt.dat", 1));
    EXPECT_EQ(Passage(0, "1", "3", "1", "3"), "     Verse 1.3 text.");
    rig.reader.FMappedTestament = 7;
    EXPECT_EQ(Passage(0, "1", "3", "1", "3"), "");
}

TEST_F(BuiltInReader, SelectTestamentShowsTheListAndMapsTheSearchFile) {
    c.itemIndex = 0;
    r.SelectTestament();
    EXPECT_EQ(c.shownList, 0);
    EXPECT_EQ(r.FMappedTestament, 0);
    ASSERT_NE(r.FMappedText, nullptr);
    EXPECT_EQ(std::string(r.FMappedText, 7), "Book 00");
    c.itemIndex = 5;   // no such part: nothing changes
    r.SelectTestament();
    EXPECT_EQ(c.shownList, 0);
    EXPECT_EQ(r.FMappedTestament, 0);
    EXPECT_NE(r.FMappedText, nullptr);
}

}  // namespace
