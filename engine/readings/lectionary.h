#pragma once
// The lectionary: constant tables of Matins Gospels, day notes, feast titles,
// readings and their pieces, with the four lookups the readings page uses.
// Rows are numbered from 1; a lookup returns the row of the first exact match or 0.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct TMatinsGospelRecord {
    int32_t Number;
    std::string_view Heading;      // may hold CR LF pairs
    int32_t Book;                  // 0 Matthew, 1 Mark, 2 Luke, 3 John
    std::string_view StartChapter, StartVerse, EndChapter, EndVerse;
};

struct TDailyRecord {
    uint16_t Day;                  // CycleDay of the row
    bool IsCommemoration;          // the day has readings E2 and G2 of its own
    std::string_view Note;
};

struct TFixedRecord {
    std::string_view Key;
    std::string_view Title;        // may hold CR LF pairs
};

struct TReadingRecord {
    std::string_view Code;         // "19,G1", "01/05,BW3"
    std::string_view Reference;    // as shown above the passage
    int32_t Book;                  // 0-based within the Bible part the reading is read from
    std::string_view Text;         // always empty
};

struct TVerseRecord {
    std::string_view Code;         // reading code, a comma, piece number from 1
    std::string_view StartChapter, StartVerse, EndChapter, EndVerse;
    std::string_view NextPiece;    // number of the next piece, empty for the last
};

extern const std::array<TMatinsGospelRecord, 32> MatinsGospelTable;
extern const std::array<TDailyRecord, 141> DailyTable;
extern const std::array<TFixedRecord, 34> FixedFeastTable;
extern const std::array<TReadingRecord, 1014> ReadingTable;
extern const std::array<TVerseRecord, 1169> VerseTable;

// Row access by 1-based row number.
inline const TMatinsGospelRecord& MatinsGospelRow(int row) { return MatinsGospelTable[row - 1]; }
inline const TDailyRecord& DailyRow(int row) { return DailyTable[row - 1]; }
inline const TFixedRecord& FixedRow(int row) { return FixedFeastTable[row - 1]; }
inline const TReadingRecord& ReadingRow(int row) { return ReadingTable[row - 1]; }
inline const TVerseRecord& VerseRow(int row) { return VerseTable[row - 1]; }

int FindDailyRecord(uint16_t cycleDay);
int FindFixedRecord(std::string_view key);
// Reading and piece lookups scan from a band chosen by the selected day's
// CycleDay (not by the day in the code): the later the day, the later the start.
int FindReadingRecord(std::string_view code, uint16_t selectedCycleDay);
int FindVerseRecord(std::string_view code, uint16_t selectedCycleDay);
