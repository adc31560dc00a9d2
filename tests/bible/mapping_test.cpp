// Mapping one Bible file at a time.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bible_test_support.h"
#include "fifo_watch.h"

namespace {

namespace fs = std::filesystem;

struct Mapping : ::testing::Test {
    // One folder per test: CTest runs the tests of this fixture in parallel.
    fs::path dir = fs::temp_directory_path() /
        (std::string("selv_bible_mapping_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::unique_ptr<ReaderRig> rig;

    void SetUp() override {
        fs::create_directories(dir / "program");
        fs::create_directories(dir / "data");
        std::ofstream(dir / "program" / "NewTstmt.dat") << "Book 00 program";
        std::ofstream(dir / "data" / "NewTstmt.dat") << "Book 00 data folder";
        std::ofstream(dir / "data" / "Version.DAT") << "upper-case extension";
        std::ofstream(dir / "data" / "empty.txt");
        rig = std::make_unique<ReaderRig>((dir / "program").string() + "/", (dir / "data").string() + "/");
    }
    void TearDown() override {
        rig.reset();
        fs::remove_all(dir);
    }
    std::string Mapped() const {
        return std::string(rig->reader.FMappedText, rig->reader.FMappedSize);
    }
};

TEST_F(Mapping, DatFilesComeFromTheProgramFolderOthersFromTheDataFolder) {
    const char* base = rig->reader.MapBibleFile("NewTstmt.dat");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base, rig->reader.FMappedText);
    EXPECT_EQ(Mapped(), "Book 00 program");
    ASSERT_NE(rig->reader.MapBibleFile("Version.DAT"), nullptr);   // the extension is compared exactly
    EXPECT_EQ(Mapped(), "upper-case extension");
}

TEST_F(Mapping, FailuresLeaveNothingMapped) {
    ASSERT_NE(rig->reader.MapBibleFile("NewTstmt.dat"), nullptr);
    EXPECT_EQ(rig->reader.MapBibleFile("missing.txt"), nullptr);
    EXPECT_EQ(rig->reader.FMappedText, nullptr);
    EXPECT_EQ(rig->reader.FMappedSize, 0u);
    EXPECT_EQ(rig->reader.MapBibleFile("empty.txt"), nullptr);
    EXPECT_EQ(rig->reader.MapBibleFile(""), nullptr);   // the folder itself
    EXPECT_EQ(rig->reader.FMappedText, nullptr);
    // A name with a folder in it is never read, nor a FIFO (which would wait for a writer).
    const TFifo fifo((dir / "data" / "fifo.txt").string());
    for (const char* name : {"../data/NewTstmt.dat", "../program/NewTstmt.dat", "fifo.txt", "..", "empty.txt"}) {
        EXPECT_EQ(rig->reader.MapBibleFile(name), nullptr) << name;
        EXPECT_FALSE(rig->reader.BibleFileReadable(name)) << name;
    }
    EXPECT_FALSE(fifo.Waited());
    EXPECT_TRUE(rig->reader.BibleFileReadable("Version.DAT"));
    // Every search on a missing file finds nothing.
    rig->controls.itemIndex = 1;
    rig->reader.FMappedTestament = 1;
    int last = 0;
    EXPECT_EQ(rig->reader.GetVerseRange(0, 1, last), "Error");
    EXPECT_EQ(rig->reader.GetPassageText(0, "1", "1", "1", "1", false, false), "");
    rig->reader.FNewTReadingsFile = "missing.txt";
    EXPECT_EQ(rig->reader.GetPassageText(0, "1", "1", "1", "1", false, false), "");
    EXPECT_EQ(rig->sink.Codes(), (std::vector<std::string>{"001"}));
}

TEST_F(Mapping, TheViewOutlivesItsFileAndIsReplacedByTheNext) {
    ASSERT_NE(rig->reader.MapBibleFile("NewTstmt.dat"), nullptr);
    fs::remove(dir / "program" / "NewTstmt.dat");
    EXPECT_EQ(Mapped(), "Book 00 program");
    rig->controls.programDir = (dir / "data").string() + "/";
    ASSERT_NE(rig->reader.MapBibleFile("NewTstmt.dat"), nullptr);
    EXPECT_EQ(Mapped(), "Book 00 data folder");
}

TEST_F(Mapping, BooksAreLookedForAgainInAFileReplacedMeanwhile) {
    const fs::path file = dir / "program" / "NewTstmt.dat";
    std::ofstream(file) << "Book 00 001:001 Old. 001:002 Book 01";
    rig->reader.FMappedTestament = 1;
    ASSERT_NE(rig->reader.MapBibleFile("NewTstmt.dat"), nullptr);
    EXPECT_EQ(rig->reader.GetPassageText(0, "1", "1", "1", "1", false, false), "     Old.");
    // The new version has a stray marker where the old one's book began.
    std::ofstream(file) << "001:001 Stray. 001:002 Book 00 001:001 New. 001:002 Book 01";
    ASSERT_NE(rig->reader.MapBibleFile("NewTstmt.dat"), nullptr);
    EXPECT_EQ(rig->reader.GetPassageText(0, "1", "1", "1", "1", false, false), "     New.");
}

TEST_F(Mapping, AFileCutShortUnderTheReaderNeverFaults) {
    // Verses past the first pages of the file, read after it was cut short.
    std::string text;
    for (int verse = 1; verse <= 400; ++verse)
        text += "40N\t1\t" + std::to_string(verse) + "\tVerse " + std::to_string(verse) + " of the chapter.\n";
    const fs::path file = dir / "data" / "web.txt";
    std::ofstream(file) << text;
    rig->reader.FNewTReadingsFile = "web.txt";
    rig->reader.MapNewTReadingsFile();
    ASSERT_TRUE(rig->reader.BibleFileReadable("web.txt"));
    fs::resize_file(file, 1000);
    EXPECT_EQ(rig->reader.GetPassageText(0, "1", "399", "1", "399", false, false), "     Verse 399 of the chapter.");
    // A file the program itself replaced is not reported as changed.
    std::ofstream(file) << text;
    rig->reader.ForgetFile("web.txt");
    EXPECT_TRUE(rig->reader.BibleFileReadable("web.txt"));
}

}  // namespace
