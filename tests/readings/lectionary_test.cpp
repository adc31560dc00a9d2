// The lectionary tables' structure, their source, and the four lookups with their search
// bands.
#include "lectionary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <unistd.h>
#include <set>
#include <string>

namespace {

std::string Part(std::string_view code)
{
    return std::string(code.substr(code.find(',') + 1));
}

std::string ReadingOfPiece(std::string_view code)
{
    return std::string(code.substr(0, code.rfind(',')));
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(LectionaryTables, PartCountsMatchTheLectionary)
{
    std::map<std::string, int> counts;
    for (const TReadingRecord& r : ReadingTable) ++counts[Part(r.Code)];
    EXPECT_EQ(counts["G1"], 350);
    EXPECT_EQ(counts["E1"], 347);
    EXPECT_EQ(counts["V1"], 62);
    EXPECT_EQ(counts["V2"], 61);
    EXPECT_EQ(counts["6H"], 35);
    EXPECT_EQ(counts["V3"], 28);
    EXPECT_EQ(counts["M1"], 17);
    EXPECT_EQ(counts["G2"], 16);
    EXPECT_EQ(counts["E2"], 14);
    for (const char* part : {"V4", "V5"}) EXPECT_EQ(counts[part], 4) << part;
    for (const char* part : {"1H1", "1H2", "1H3", "3H1", "3H2", "3H3", "6H1", "6H2", "6H3",
                             "9H1", "9H2", "9H3", "V6", "V7", "V8"})
        EXPECT_EQ(counts[part], 3) << part;
    for (const char* part : {"G3", "G4", "G5", "V9", "V10", "V11", "V12", "V13"})
        EXPECT_EQ(counts[part], 2) << part;
    for (const char* part : {"1H", "GV1", "M2", "M3", "V14", "V15", "V16", "V1A", "V1B", "V1C",
                             "BW1", "BW2", "BW3", "BW4", "BW5"})
        EXPECT_EQ(counts[part], 1) << part;
}

// The committed reading and piece tables are what the generator makes of the lectionary
// data, so they can always be checked against their source.
TEST(LectionaryTables, RegeneratingFromTheDataGivesTheCommittedTables)
{
    namespace fs = std::filesystem;
    const fs::path data = SELV_LECTIONARY_DIR;
    if (!fs::is_directory(data)) GTEST_SKIP() << "no lectionary data in " << data;
    const fs::path generated =
        fs::temp_directory_path() / ("selv_lectionary_data_" + std::to_string(getpid()) + ".cpp");
    const std::string command = std::string("\"") + SELV_PYTHON + "\" \"" + SELV_SOURCE_DIR +
                                "/tools/lectgen/lectgen.py\" \"" + data.string() + "\" \"" +
                                generated.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string committed = FileText(fs::path(SELV_SOURCE_DIR) / "engine/readings/lectionary_data.cpp");
    EXPECT_FALSE(committed.empty());
    EXPECT_TRUE(FileText(generated) == committed) << "regenerate with tools/lectgen/lectgen.py";
    fs::remove(generated);
}

TEST(LectionaryTables, MoveableRowsThenFixedKeysInTableOrder)
{
    int previousDay = 0;
    for (int row = 1; row <= 832; ++row) {
        const std::string_view code = ReadingRow(row).Code;
        const int day = std::stoi(std::string(code.substr(0, code.find(','))));
        EXPECT_GE(day, previousDay) << code;
        previousDay = day;
    }
    EXPECT_EQ(ReadingRow(1).Code, "0,E1");
    EXPECT_EQ(ReadingRow(832).Code, "349,G1");
    EXPECT_EQ(ReadingRow(832).Reference, "Luke 17:3-10");

    previousDay = 0;
    for (int row = 1; row <= 895; ++row) {
        const std::string_view code = VerseRow(row).Code;
        const int day = std::stoi(std::string(code.substr(0, code.find(','))));
        EXPECT_GE(day, previousDay) << code;
        previousDay = day;
    }
    EXPECT_EQ(previousDay, 349);
    EXPECT_EQ(VerseRow(896).Code, "01/01,V1,1");

    std::vector<std::string> keys;
    for (int row = 833; row <= 1014; ++row) {
        const std::string_view code = ReadingRow(row).Code;
        const std::string fixedKey(code.substr(0, code.find(',')));
        if (keys.empty() || keys.back() != fixedKey) keys.push_back(fixedKey);
    }
    ASSERT_EQ(keys.size(), FixedFeastTable.size());
    for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(keys[i], FixedFeastTable[i].Key);
}

TEST(LectionaryTables, EveryReadingHasOneUnbrokenChainOfPieces)
{
    std::set<std::string> codes;
    for (const TReadingRecord& r : ReadingTable) codes.insert(std::string(r.Code));
    ASSERT_EQ(codes.size(), ReadingTable.size()) << "reading codes must be unique";

    int withSuccessor = 0, longest = 0;
    for (const TReadingRecord& r : ReadingTable) {
        int length = 0;
        std::string piece = std::string(r.Code) + ",1";
        for (;;) {
            const int row = FindVerseRecord(piece, 0);
            ASSERT_NE(row, 0) << piece;
            ++length;
            const TVerseRecord& v = VerseRow(row);
            EXPECT_LE(std::stoi(std::string(v.StartChapter)), std::stoi(std::string(v.EndChapter)))
                << piece;
            if (v.NextPiece.empty()) break;
            ++withSuccessor;
            EXPECT_EQ(std::stoi(std::string(v.NextPiece)), length + 1) << piece;
            piece = std::string(r.Code) + "," + std::string(v.NextPiece);
        }
        longest = std::max(longest, length);
    }
    EXPECT_EQ(withSuccessor, 155);
    EXPECT_EQ(longest, 12);
    for (const TVerseRecord& v : VerseTable)
        EXPECT_TRUE(codes.count(ReadingOfPiece(v.Code))) << v.Code << " belongs to no reading";
}

TEST(LectionaryTables, RowsTheLectionaryNames)
{
    const TReadingRecord& first = ReadingRow(FindReadingRecord("0,E1", 0));
    EXPECT_EQ(first.Reference, "1 Timothy 4:9-15");
    EXPECT_EQ(first.Book, 14);
    EXPECT_EQ(ReadingRow(FindReadingRecord("0,G1", 0)).Book, 2);

    const TVerseRecord& mark1 = VerseRow(FindVerseRecord("19,G1,1", 0));
    EXPECT_EQ(mark1.StartChapter, "15");
    EXPECT_EQ(mark1.StartVerse, "22");
    EXPECT_EQ(mark1.EndVerse, "25");
    EXPECT_EQ(mark1.NextPiece, "2");
    const TVerseRecord& mark2 = VerseRow(FindVerseRecord("19,G1,2", 0));
    EXPECT_EQ(mark2.StartVerse, "33");
    EXPECT_EQ(mark2.EndVerse, "41");
    EXPECT_EQ(mark2.NextPiece, "");

    const TReadingRecord& song = ReadingRow(FindReadingRecord("76,V16", 0));
    EXPECT_EQ(song.Reference, "The Song of the Three Holy Children (Daniel 3:24-90)");
    EXPECT_EQ(song.Book, 12);
    EXPECT_EQ(ReadingRow(FindReadingRecord("133,V2", 133)).Book, 7);

    // The departed of Thomas week have readings of their own.
    EXPECT_NE(FindReadingRecord("86,E2", 86), 0);
    EXPECT_NE(FindReadingRecord("86,G2", 86), 0);
}

TEST(LectionaryTables, MeetingVespersSpreadOverThreeBooks)
{
    const TReadingRecord& a = ReadingRow(FindReadingRecord("02/02,V1A", 30));
    EXPECT_EQ(a.Reference, "Exodus 12:51-13:3, 10-12, 14-16; 22:29; Leviticus 12:1-4, 6-8; Numbers 8:16-17");
    EXPECT_EQ(a.Book, 1);
    const TReadingRecord& b = ReadingRow(FindReadingRecord("02/02,V1B", 30));
    EXPECT_EQ(b.Reference, "");
    EXPECT_EQ(b.Book, 2);
    EXPECT_EQ(ReadingRow(FindReadingRecord("02/02,V1C", 30)).Book, 3);

    const TVerseRecord& b1 = VerseRow(FindVerseRecord("02/02,V1B,1", 30));
    EXPECT_EQ(b1.StartChapter, "12");
    EXPECT_EQ(b1.StartVerse, "1");
    EXPECT_EQ(b1.EndVerse, "4");
    EXPECT_EQ(b1.NextPiece, "2");
    const TVerseRecord& b2 = VerseRow(FindVerseRecord("02/02,V1B,2", 30));
    EXPECT_EQ(b2.StartVerse, "6");
    EXPECT_EQ(b2.EndVerse, "8");
    EXPECT_EQ(b2.NextPiece, "");
}

TEST(LectionaryLookups, BandsStartByTheSelectedDay)
{
    EXPECT_EQ(FindReadingRecord("95,E1", 101), 301);
    EXPECT_EQ(FindReadingRecord("94,G1", 100), 300);
    EXPECT_EQ(FindReadingRecord("94,G1", 101), 0);
    EXPECT_EQ(FindReadingRecord("94,G1", 260), 0);
    EXPECT_EQ(FindReadingRecord("234,E1", 261), 601);
    EXPECT_EQ(FindReadingRecord("233,G1", 261), 0);
    EXPECT_EQ(FindReadingRecord("233,G1", 260), 600);
    EXPECT_EQ(VerseRow(601).Code, "212,E1,1");
    EXPECT_EQ(FindVerseRecord("212,E1,1", 384), 601);
    EXPECT_EQ(FindVerseRecord("211,G1,1", 261), 0);
    EXPECT_EQ(VerseRow(301).Code, "86,E1,1");
    EXPECT_EQ(FindVerseRecord("86,E1,1", 101), 301);
    EXPECT_EQ(FindVerseRecord("86,E1,1", 0), 301);
    EXPECT_EQ(FindVerseRecord("85,G1,1", 101), 0);
    EXPECT_NE(FindVerseRecord("86,G2,1", 86), 0);
    // Fixed keys lie after the moveable rows and are found from every band.
    for (uint16_t day : {0, 101, 261, 384}) {
        EXPECT_EQ(FindReadingRecord("01/01,V1", day), 833) << day;
        EXPECT_EQ(FindVerseRecord("SunAftNativ,G1,1", day), 1169) << day;
    }
    EXPECT_EQ(FindReadingRecord("no,such", 0), 0);
    EXPECT_EQ(FindReadingRecord("19,g1", 0), 0) << "codes are case-sensitive";
}

TEST(LectionaryLookups, DailyAndFixedRecords)
{
    EXPECT_EQ(FindDailyRecord(0), 1);
    EXPECT_EQ(FindDailyRecord(140), 141);
    EXPECT_EQ(FindDailyRecord(141), 0);
    EXPECT_EQ(FindDailyRecord(300), 0);
    EXPECT_EQ(DailyRow(FindDailyRecord(75)).Note, "No Liturgy");
    EXPECT_EQ(DailyRow(FindDailyRecord(72)).Note, "Liturgy of the Presanctified Gifts.");
    EXPECT_EQ(DailyRow(FindDailyRecord(74)).Note, "Liturgy of St. Basil");
    EXPECT_TRUE(DailyRow(FindDailyRecord(86)).IsCommemoration);
    EXPECT_FALSE(DailyRow(FindDailyRecord(87)).IsCommemoration);

    int liturgy = 0, commemorations = 0;
    for (const TDailyRecord& r : DailyTable) {
        liturgy += r.Note == "Liturgy";
        if (r.IsCommemoration) {
            ++commemorations;
            EXPECT_NE(FindReadingRecord(std::to_string(r.Day) + ",E2", 0), 0) << r.Day;
            EXPECT_NE(FindReadingRecord(std::to_string(r.Day) + ",G2", 0), 0) << r.Day;
        }
    }
    EXPECT_EQ(liturgy, 87);
    EXPECT_EQ(commemorations, 14);

    EXPECT_EQ(FindFixedRecord("01/01"), 1);
    EXPECT_EQ(FindFixedRecord("SunAftNativ"), 34);
    EXPECT_EQ(FindFixedRecord("01/02"), 0);
    EXPECT_EQ(FixedRow(FindFixedRecord("01/05")).Title, "Eve of the Theophany.");
}

TEST(LectionaryTables, MatinsGospelRows)
{
    EXPECT_EQ(MatinsGospelRow(13).Heading, MatinsGospelRow(12).Heading);
    EXPECT_EQ(MatinsGospelRow(30).Heading.find("MATINS"), std::string_view::npos);
    EXPECT_EQ(MatinsGospelRow(1).Heading, "MATINS (I)\r\n\r\nMatthew 28:16-20");
    for (int row = 1; row <= 32; ++row) {
        EXPECT_EQ(MatinsGospelRow(row).Number, row);
        EXPECT_GE(MatinsGospelRow(row).Book, 0);
        EXPECT_LE(MatinsGospelRow(row).Book, 3);
    }
}
