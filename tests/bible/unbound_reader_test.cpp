// The reader of installed tab-separated versions, on small hand-written files.
#include <gtest/gtest.h>

#include <fstream>

#include "bible_test_support.h"

namespace {

using Codes = std::vector<std::string>;

struct InstalledReader : ::testing::Test {
    ReaderRig rig{kFixtureDir + "builtin/", kFixtureDir};
    FakeSearchControls& c = rig.controls;
    TBibleReader& r = rig.reader;

    // A search of the dialog in `part` with `file` as that part's search file.
    void Search(int part, const std::string& file = "unbound.txt") {
        (part == 0 ? r.FOldTSearchFile : part == 1 ? r.FNewTSearchFile : r.FApocSearchFile) = file;
        ASSERT_TRUE(rig.SearchIn(part));
    }
    std::string Verses(int book, const char* sc, const char* sv, const char* ec, const char* ev,
                       bool headings = false, bool numbers = false) {
        return r.UnboundSearchForVerses(book, sc, sv, ec, ev, headings, numbers);
    }
    std::string LastVerse(int book, int chapter) {
        int last = 0;
        std::string range = r.UnboundGetLastVerse(book, chapter, last);
        EXPECT_EQ(last, range == "None" ? -1 : std::stoi(range.substr(range.find('-') + 1)));
        return range;
    }
    std::pair<std::string, std::string> Chapters(int book) {
        std::pair<std::string, std::string> fl;
        r.GetFirstAndLastChapter(book, fl.first, fl.second);
        return fl;
    }
};

TEST_F(InstalledReader, ChapterAndVerseOfALineKey) {
    int32_t ch = 0, v = 0;
    EXPECT_TRUE(r.GetChapterVerse("19O\t119\t176\tI have gone astray.", ch, v));
    EXPECT_EQ(ch, 119);
    EXPECT_EQ(v, 176);
    EXPECT_TRUE(r.GetChapterVerse("40N\t1\t2\t", ch, v));
    EXPECT_EQ(ch, 1);
    EXPECT_EQ(v, 2);
    EXPECT_FALSE(r.GetChapterVerse("05O\t5\tx\tletter for a verse", ch, v));
    EXPECT_FALSE(r.GetChapterVerse("05O\tx\t1\t", ch, v));
    EXPECT_FALSE(r.GetChapterVerse("05O", ch, v));   // a key cut short
    EXPECT_EQ(ch, -1);
    EXPECT_TRUE(rig.sink.messages.empty());

    // A two-digit chapter without a verse is reported; the chapter is read.
    EXPECT_TRUE(r.GetChapterVerse("11O\t12\t\tno verse", ch, v));
    EXPECT_EQ(ch, 12);
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(r.GetChapterVerse(nullptr, ch, v));
    EXPECT_EQ(rig.sink.Codes(), (Codes{"203", "201"}));
    EXPECT_EQ(rig.sink.messages[1], "Error 201: In GetChapterVerse. PChar parameter was nil.");
}

TEST_F(InstalledReader, KeyAtTheVeryEndOfTheMappedViewIsNotReadPastIt) {
    const ScratchFolder dir("selv_bible_end");
    std::ofstream(dir.path / "tail.txt", std::ios::binary) << "01O\t1\t1\tText\n02O\t12";
    c.appDataDir = dir.Dir();
    ASSERT_TRUE(rig.Map("tail.txt", 0));
    int32_t ch = 0, v = 0;
    EXPECT_TRUE(r.GetChapterVerse(r.FMappedText + 13, ch, v));
    EXPECT_EQ(ch, 12);
    EXPECT_EQ(v, -1);
    EXPECT_EQ(rig.sink.Codes(), (Codes{"203"}));
}

TEST_F(InstalledReader, NumbersBeyondThreeDigitsAreRefusedBeforeStepping) {
    // A hostile file whose key holds the largest verse number would overflow the step to the next verse.
    const ScratchFolder dir("selv_bible_huge");
    std::ofstream(dir.path / "huge.txt", std::ios::binary) << "40N\t1\t2147483647\tHostile.\n40N\t1\t5\tFive.\n";
    c.appDataDir = dir.Dir();
    Search(1, "huge.txt");
    EXPECT_EQ(Verses(40, "1", "2147483647", "1", "2147483647"), "");
    EXPECT_EQ(Verses(40, "1", "1000", "1", "1000"), "");
    EXPECT_EQ(Verses(40, "1", "5", "1", "5"), "     Five.");
}

TEST_F(InstalledReader, FirstAndLastChapterAcrossGaps) {
    Search(1);
    EXPECT_EQ(Chapters(40), std::make_pair(std::string("1"), std::string("10")));
    EXPECT_EQ(Chapters(41), std::make_pair(std::string("1"), std::string("2")));
    EXPECT_EQ(Chapters(9), std::make_pair(std::string("1"), std::string("1")));
    EXPECT_EQ(Chapters(19), std::make_pair(std::string("119"), std::string("119")));
    EXPECT_TRUE(rig.sink.messages.empty());
    EXPECT_EQ(Chapters(30), std::make_pair(std::string("-1"), std::string("-1")));
    EXPECT_EQ(rig.sink.messages, (std::vector<std::string>{
        "Error 301: In GetFirstAndLastChapter. Book \"30O\" not in this file."}));
}

TEST_F(InstalledReader, VerseRangesOfChapters) {
    Search(1);
    EXPECT_EQ(LastVerse(40, 1), "1-20");
    EXPECT_EQ(LastVerse(40, 2), "1-6");
    EXPECT_EQ(LastVerse(40, 6), "None");
    EXPECT_EQ(LastVerse(41, 2), "1-1");   // a single line
    EXPECT_EQ(LastVerse(41, 1), "1-3");   // past a line without text
    c.itemIndex = 0;                      // the part letter comes from the dialog
    EXPECT_EQ(LastVerse(19, 119), "175-176");
    EXPECT_EQ(LastVerse(40, 1), "None");
    EXPECT_TRUE(rig.sink.messages.empty());
}

TEST_F(InstalledReader, VerseSummaryOfAnInstalledBook) {
    Search(1);
    c.newT = "St Matthew";
    EXPECT_EQ(r.BuildChapterVerseSummary(0, "St Matthew"),
              "St Matthew   1:1-20,   2:1-6,   3:1-2,   4:1-2,   5:1-2,   6:None,   7:1-2,   "
              "8:1-2,   9:1-2,   10:1-2");
    c.newT = "Jude";   // not in the file: only the name
    EXPECT_EQ(r.BuildChapterVerseSummary(24, "Jude"), "Jude   ");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"301"}));
}

// The summary finds the chapter keys of a book in one pass; on a damaged book it still gives
// what the search of each chapter gives: a chapter key inside a verse's text is a chapter's
// first line, a chapter written with a leading zero is another chapter, a line out of its
// place ends its chapter.
TEST_F(InstalledReader, SummaryOfADamagedBookAgreesWithEachChapter) {
    const ScratchFolder dir("selv_bible_damaged_installed");
    std::ofstream(dir.path / "damaged.txt")
        << "09O\t1\t1\ta\n09O\t1\t2\tb 09O\t3\tx\n09O\t2\t1\tc\n09O\t2\t3\te\n09O\t02\t5\td\n"
           "09O\t4\t1\tf\n09O\t1\t9\tlate\n10O\t1\t1\tg\n";
    c.appDataDir = dir.Dir();
    Search(0, "damaged.txt");
    c.oldT = "1 Samuel";
    EXPECT_EQ(r.BuildChapterVerseSummary(8, "1 Samuel"), "1 Samuel   1:1-9,   2:1-3,   3:None,   4:1-1");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"101"}));
    EXPECT_EQ(Chapters(9), std::make_pair(std::string("1"), std::string("4")));
    EXPECT_EQ((std::vector<std::string>{LastVerse(9, 1), LastVerse(9, 2), LastVerse(9, 3), LastVerse(9, 4)}),
              (std::vector<std::string>{"1-9", "1-3", "None", "1-1"}));
}

TEST_F(InstalledReader, NeighbouringBooksBoundAPassage) {
    Search(0);
    EXPECT_EQ(Verses(9, "1", "1", "1", "3"), "     Samuel one 1. Samuel one 2. Samuel one 3.");
    EXPECT_EQ(Verses(10, "1", "2", "1", "2"), "     Kings one 2.");
    EXPECT_EQ(Verses(39, "4", "6", "4", "6"), "     The heart of the fathers.");
    Search(1);
    EXPECT_EQ(Verses(66, "22", "21", "22", "21"), "     The grace of our Lord.");
    Search(2);
    EXPECT_EQ(Verses(86, "10", "4", "10", "5", false, true), "     4 Mordecai said. 5 I remember the dream.");
    EXPECT_TRUE(rig.sink.messages.empty());
}

TEST_F(InstalledReader, ChapterBreaksMatchTheBuiltInLayout) {
    Search(1);
    EXPECT_EQ(Verses(40, "1", "20", "2", "1", true, true),
              "Chapter 1\r\n\r\n     20 Matthew 1.20 text.\r\n\r\nChapter 2\r\n\r\n     1 Matthew 2.1 text.");
    EXPECT_EQ(Verses(40, "1", "20", "2", "1"),
              "     Matthew 1.20 text.\r\n\r\n     Matthew 2.1 text.");
    // A missing chapter is stepped over.
    EXPECT_EQ(Verses(40, "5", "2", "7", "1", true),
              "Chapter 5\r\n\r\n     Matthew 5.2 text.\r\n\r\nChapter 7\r\n\r\n     Matthew 7.1 text.");
    EXPECT_TRUE(rig.sink.messages.empty());
}

TEST_F(InstalledReader, MissingVersesInsideARangeAreSkipped) {
    Search(1);
    EXPECT_EQ(Verses(40, "2", "2", "2", "6", false, true),
              "     2 Matthew 2.2 text. 5 Matthew 2.5 text. 6 Matthew 2.6 text.");
    EXPECT_TRUE(rig.sink.messages.empty());
}

TEST_F(InstalledReader, LinesWithoutTextAreReadAsEmptyVerses) {
    Search(1);
    EXPECT_EQ(Verses(41, "1", "1", "1", "3", false, true), "     1 Mark one one. 2  3 Mark one three.");
    EXPECT_EQ(Verses(41, "1", "2", "1", "3"), "      Mark one three.");
    EXPECT_EQ(Verses(41, "1", "3", "2", "1"), "     Mark one three.\r\n\r\n     Only verse.");
    EXPECT_TRUE(rig.sink.messages.empty());
}

TEST_F(InstalledReader, MissingStartVerseIsReportedWithTheNextLineFound) {
    Search(1);
    c.newT = "St Matthew";
    EXPECT_EQ(Verses(40, "2", "3", "2", "6"),
              "Error: Please correct the Chapter and Verse entries. St Matthew 2:3 was not found. "
              "This verse is missing from the file \"unbound.txt\".  St Matthew 2:2 was found and "
              "St Matthew 2:5 was found. The verses between are missing.");
    EXPECT_TRUE(rig.sink.messages.empty());
    c.newT = "St Mark";
    EXPECT_EQ(Verses(41, "2", "2", "2", "2"),
              "Error: Please correct the Chapter and Verse entries. St Mark 2:2 was not found. "
              "This verse is missing from the file \"unbound.txt\".  St Mark 2:1 was found. "
              "Verses greater than this number are missing from the file.");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"003"}));
    // A huge or negative start verse names no line: it is refused before any step back.
    c.newT = "St Matthew";
    EXPECT_EQ(Verses(40, "2", "2000000000", "2", "2000000000"), "");
    EXPECT_EQ(Verses(40, "2", "-2147483648", "2", "1"), "");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"003"}));
    // The largest numbers a request may hold (999) name a missing start verse, chapter (001) or
    // end verse (the walk reads on to the book's last line) like any other.
    EXPECT_EQ(Verses(40, "1", "999", "1", "999").find(
                  "St Matthew 1:999 was not found. This verse is missing from the file \"unbound.txt\".  "
                  "St Matthew 1:20 was found and St Matthew 2:1 was found. The verses between are missing."),
              53u);
    EXPECT_EQ(Verses(40, "999", "1", "999", "1"), "");
    EXPECT_EQ(Verses(66, "22", "21", "999", "999", true), "Chapter 22\r\n\r\n     The grace of our Lord.");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"003", "001", "009"}));
    // The report passes through the reference builder unchanged.
    c.newT = "St Matthew";
    const std::string report = r.GetPassageWithReference(0, "St Matthew", "2", "4", "2", "4");
    EXPECT_EQ(report.rfind("Error: Please correct", 0), 0u);
}

TEST_F(InstalledReader, ReadingsRequestsCountBooksWithinTheMappedPart) {
    r.FNewTReadingsFile = "unbound.txt";
    r.FApocReadingsFile = "unbound.txt";
    c.itemIndex = 0;   // the dialog's choice does not matter outside a search
    ASSERT_TRUE(rig.Map("unbound.txt", 1));
    EXPECT_EQ(r.GetPassageText(0, "1", "1", "1", "1", false, false), "     Matthew 1.1 text.");
    EXPECT_EQ(r.GetPassageText(26, "22", "21", "22", "21", false, false), "     The grace of our Lord.");
    // A missing verse names the book and the readings file of the request.
    EXPECT_EQ(r.GetPassageText(0, "2", "4", "2", "4", false, false).substr(53, 100),
              "St Matthew 2:4 was not found. This verse is missing from the file \"unbound.txt\".  "
              "St Matthew 2:2 was");
    ASSERT_TRUE(rig.Map("unbound.txt", 2));
    // The lectionary's Baruch (index 9 in the built-in order) is book 67 here.
    EXPECT_EQ(r.GetPassageText(9, "1", "1", "1", "1", false, false), "     Baruch one one.");
}

TEST_F(InstalledReader, LastLineWithoutLineFeedIsRead) {
    const ScratchFolder dir("selv_bible_nolf");
    std::ofstream(dir.path / "nolf.txt", std::ios::binary)
        << "66N\t22\t20\tHe which testifieth.\n66N\t22\t21\tThe grace of our Lord.";
    c.appDataDir = dir.Dir();
    Search(1, "nolf.txt");
    EXPECT_EQ(Verses(66, "22", "20", "22", "21"), "     He which testifieth. The grace of our Lord.");
    EXPECT_EQ(LastVerse(66, 22), "20-21");
    EXPECT_TRUE(rig.sink.messages.empty());
}

struct MalformedFile : InstalledReader {
    void SetUp() override { Search(0, "malformed.txt"); }
};

TEST_F(MalformedFile, FirstAndLastChapterMessages) {
    EXPECT_EQ(Chapters(7).first, "-1");
    EXPECT_EQ(Chapters(22).second, "-1");
    EXPECT_EQ(Chapters(23), std::make_pair(std::string("1"), std::string("-1")));
    EXPECT_EQ(rig.sink.Codes(), (Codes{"302", "304", "303"}));
    EXPECT_EQ(rig.sink.messages[1],
              "Error 304: In GetFirstAndLastChapter. Found the book \"22O\" but the search for last chapter failed.");
}

TEST_F(MalformedFile, LastVerseMessages) {
    EXPECT_EQ(LastVerse(5, 3), "None");
    EXPECT_EQ(LastVerse(8, 2), "None");
    EXPECT_EQ(rig.sink.messages, (std::vector<std::string>{
        "Error 101: In UnboundGetLastVerse. GetChapterVerse returned False",
        "Error 102: In UnboundGetLastVerse. GetChapterVerse returned False"}));
}

// A two-digit chapter without a verse number: its chapter counts and a passage reads on
// past it, but a chapter that begins with it has no verse range.
TEST_F(MalformedFile, LineWithoutAVerseNumber) {
    EXPECT_EQ(Chapters(24), std::make_pair(std::string("10"), std::string("11")));
    EXPECT_EQ(rig.sink.Codes(), (Codes{"203", "203"}));
    rig.sink.messages.clear();
    // The line parsed (203 says why it has no verse): no "returned False" after it.
    EXPECT_EQ(LastVerse(24, 10), "None");
    EXPECT_EQ(LastVerse(25, 10), "None");   // the chapter's last line
    EXPECT_EQ(rig.sink.Codes(), (Codes{"203", "203"}));
    rig.sink.messages.clear();
    EXPECT_EQ(LastVerse(24, 11), "1-2");
    EXPECT_EQ(Verses(24, "11", "1", "11", "2"), "     First. No verse. Second.");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"203"}));
}

TEST_F(MalformedFile, ADamagedBookIsReportedOncePerSummary) {
    c.oldT = "Jeremiah";
    r.BuildChapterVerseSummary(23, "Jeremiah");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"203"}));
}

TEST_F(MalformedFile, PassageMessagesOnTheFirstVerse) {
    EXPECT_EQ(Verses(12, "2", "1", "2", "1"), "");
    EXPECT_EQ(Verses(12, "1", "3", "1", "3").substr(0, 20), "Error: Please correc");
    EXPECT_EQ(Verses(13, "1", "1", "1", "2").substr(0, 11), "     First.");
    EXPECT_EQ(Verses(15, "1", "1", "1", "2").substr(0, 11), "     First.");
    EXPECT_EQ(Verses(17, "1", "1", "1", "2"), "");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"001", "002", "004", "005", "006"}));
}

TEST_F(MalformedFile, PassageMessagesLaterInTheWalk) {
    Verses(14, "1", "1", "1", "3");
    Verses(16, "1", "1", "1", "3");
    EXPECT_EQ(Verses(20, "1", "1", "1", "3"), "     First.");
    EXPECT_EQ(rig.sink.Codes(), (Codes{"007", "008", "009"}));
    EXPECT_EQ(rig.sink.messages[2].substr(0, 40), "Error 009: In UnboundSearchForVerses.  I");
}

}  // namespace
