#pragma once
// The Bible Readings page of the selected day: which lectionary readings apply
// (moveable cycle, fixed feasts, readings carried from the next or previous day)
// and the page text with each reading's reference and passage.
//
// One TReadingsBuilder serves one page. It reads the calendar state, maps the
// readings files through the Bible reader and leaves the New Testament readings
// file mapped (part 1) when it is done, as the reader expects between uses.
#include "bible_reader.h"
#include "calendar_engine.h"
#include "live_settings.h"
#include "message_sink.h"

#include <cstdint>
#include <string>

class TReadingsBuilder {
public:
    TReadingsBuilder(const TCalendarEngine& calendar, TBibleReader& reader,
                     const ILiveSettings& settings, IMessageSink& messages);

    // The whole page; empty (after one message) when a readings file is missing or
    // damaged, or changed since it was read.
    std::string BuildBibleReadingsPage();

    // Day analysis. These read the builder state set by SetDay (called by
    // BuildBibleReadingsPage; tests may call it directly).
    void SetDay();
    std::string GetDayTitle() const;
    std::string GetDailyInfo();
    std::string GetSundayFeastKey() const;
    std::string GetSaturdaySundayFeastKey() const;
    bool IsFixedReadingsOnlyDay() const;
    bool IsFixedReadingsFirstDay() const;
    bool IsSaturdaySundayFixedDay() const;
    bool IsReadingsFromNextDay() const;
    bool IsReadingsFromPreviousDay() const;

    // Sections.
    std::string GetFixedInfo(const std::string& feastKey);
    std::string GetReadingInfo();
    std::string GetMatinsGospelVerses();
    std::string GetMatinsReadings();
    std::string GetRoyalHoursReadings();
    std::string GetHoursAndVespersReadings();

    // The day numbers of the Liturgy's Epistle and Gospel for the state's cycle day.
    int EpistleDay() const;
    int GospelDay() const;

    // Builder state.
    std::string FDateKey;        // "mm/dd" of the displayed date
    int FWeekday = 1;            // 1 Sunday .. 7 Saturday
    uint16_t FCycleDay = 0;
    std::string FFixedKey;
    std::string FReadingCode;
    std::string FPieceCode;
    std::string FReference;
    uint16_t FBook = 0;
    std::string FNote;
    uint16_t FMatinsGospelRow = 0;

private:
    // The message for readings files that cannot be read, or "" when all can.
    std::string MissingFilesMessage();
    // Fetches the reading "<key>,<part>".
    std::string Reading(const std::string& key, const char* part);
    // Maps the readings file of a Bible part: 0 Old Testament, 1 New, 2 Apocrypha.
    void MapPart(int part);
    std::string FixedDateVerses(const std::string& feastKey, std::string text);
    std::string LiturgyKind(const std::string& feastKey) const;
    // Passage of one Matins Gospel row, without chapter headings.
    std::string MatinsPassage(int row, bool chapterHeadings);
    int MatinsGospelRowOfDay() const;

    // Calendar helpers.
    bool Old() const;
    int LukanJumpDay() const;
    int PaschaGap() const;                 // trunc(P - Pp)
    int CycleLength() const;               // G' of the Epistle rule
    int LateDay() const;                   // ch - G' + 350
    int ForefathersDay() const;
    QDate NativityOfCycle() const;
    QDate PaschaOfCycle() const;
    int UnnamedSunday(int late) const;
    int LukanGospelJumpOn() const;
    int LukanGospelJumpOff() const;

    const TCalendarEngine& FCalendar;
    TBibleReader& FReader;
    const ILiveSettings& FSettings;
    IMessageSink& FMessages;
};

// The page the Find Bible Verses dialog shows for the selected day.
std::string BuildBibleReadingsPage(const TCalendarEngine& calendar, TBibleReader& reader,
                                   const ILiveSettings& settings, IMessageSink& messages);
