#pragma once
// Calendar state of the selected day in both calendars and the arithmetic on it:
// old/new date conversion, Pascha and the moveable cycle, the day's name, tone and
// fast, and the icon key. The Select Date window inherits this class; its state is
// the one calendar state of the program.
//
// Old dates are held "shifted": the Julian date Y-M-D is stored as the Gregorian date
// (Y + 16)-M-D, which has the same weekday and the same February length. Valid for
// Julian 1900-03-01 .. 2084-02-28 (stored 1916-03-01 .. 2100-02-28, civil
// 1900-03-14 .. 2084-03-12), where civil = Julian + 13 days.
//
// The calendar mode and the Lukan jump setting are read from ILiveSettings at the
// moment of every call.
#include "live_settings.h"
#include "resources.h"

#include <QDate>

#include <array>
#include <cstdint>
#include <string>

class TCalendarEngine {
public:
    TCalendarEngine(const ILiveSettings& settings, rsrc::HMODULE strings);

    // Limits of the shifted old-date form, as civil and as stored dates.
    static constexpr QDate FirstCivilDate = QDate::fromJulianDay(2415093);       // 1900-03-14
    static constexpr QDate LastCivilDate = QDate::fromJulianDay(2482297);        // 2084-03-12
    static constexpr QDate FirstOldDateShifted = QDate::fromJulianDay(2420924);  // 1916-03-01
    static constexpr QDate LastOldDateShifted = QDate::fromJulianDay(2488128);   // 2100-02-28
    // Civil years SetCivilDate accepts: those whose pages the rules of the readings get right.
    // From 1700 Pascha falls no earlier than civil April 2, from which the rules for the
    // Sundays before the Triodion count the weeks (in 1668 it fell on April 1). In 3047 the
    // Nativity of the Forerunner (June 24), whose readings take a weekday's place, first falls
    // on the Ascension; later the Lukan jump comes before cycle day 190, where the Gospels
    // keep to Matthew (from 5365), and June 24 reaches Bright Week (7493) and Holy Week (8367).
    static constexpr int FirstCivilYear = 1700;
    static constexpr int LastCivilYear = 3046;

    // ---- calendar state -------------------------------------------------------
    QDate FCivilDate;            // selected day, civil (new) calendar
    QDate FOldDateShifted;       // the same day, old calendar, shifted form
    QDate FWesternEaster;
    QDate FWesternEasterNext;
    QDate FPascha;
    QDate FPaschaPrevious;
    QDate FPaschaNext;
    QDate FCycleStart;           // Pascha - 77 (Zacchaeus Sunday)
    QDate FCycleStartPrevious;
    QDate FToneStart;            // Pascha + 7
    QDate FToneStartPrevious;
    QDate FAllSaintsSunday;      // Pascha + 56
    QDate FAllSaintsSundayPrevious;
    uint16_t FCivilYear = 0;
    uint16_t FCivilMonth = 0;
    uint16_t FCivilDay = 0;
    uint16_t FOldYearShifted = 0;  // Julian year + 16
    uint16_t FOldMonth = 0;
    uint16_t FOldDay = 0;

    // ---- date change ----------------------------------------------------------
    // A valid date of the years FirstCivilYear..LastCivilYear.
    static bool IsAcceptedCivilDate(const QDate& civil);
    // Full date change from the civil side: FCivilDate and its words, the old date,
    // then RecomputeCycle. Returns false and changes nothing for a date that is not
    // accepted.
    bool SetCivilDate(const QDate& civil);
    // Full date change from the old side (shifted form). Returns false and changes
    // nothing for a date outside FirstOldDateShifted..LastOldDateShifted.
    bool SetOldDate(const QDate& oldShifted);

    // Reads FCivilDate and the civil words, writes the old words, returns the stored
    // old date. Outside the valid range returns the nearest limit and leaves the old
    // words as they are.
    QDate NewToOldDate();
    // Reads the old words, writes the civil words, returns the civil date.
    QDate OldToNewDate();
    // True for the leap years of LeapYearTable (1904, 1908, ... 2096).
    static bool IsLeapYearInTable(uint16_t year);

    std::string GetDateTitle() const;    // date bar text
    std::string GetMonthCaption() const;
    std::string GetYearCaption() const;

    // ---- Pascha and the moveable cycle ----------------------------------------
    QDate GetPaschaDate() const;            // of the computation year
    QDate GetPreviousPaschaDate() const;
    QDate GetNextPaschaDate() const;
    QDate GetWesternEasterDate() const;
    QDate GetNextWesternEasterDate() const;
    // Pascha (civil date) and Western Easter of any year.
    static QDate PaschaOfYear(int year);
    static QDate WesternEasterOfYear(int year);
    // Fills the Pascha, Western Easter and origin fields for the current date and mode.
    void RecomputeCycle();
    // Days since the most recent Zacchaeus Sunday (0 .. 384).
    uint16_t GetCycleDay() const;

    // ---- day description ------------------------------------------------------
    std::string GetDayDescription() const;   // feast bar text
    std::string GetLukanWeekSuffix() const;
    std::string GetToneText() const;
    uint16_t GetLukanJumpDayNew() const;
    uint16_t GetLukanJumpDayOld() const;

    // ---- fasting --------------------------------------------------------------
    // "mm/dd" of the displayed date (old date in old-calendar mode).
    std::string GetDateKey() const;
    std::string GetFastingText() const;

    static const std::array<const char*, 3> StrictFastDates;
    static const std::array<const char*, 50> ApostlesFastDates;
    static const std::array<const char*, 14> DormitionFastDates;
    static const std::array<const char*, 40> NativityFastDates;
    static const std::array<const char*, 5> NativityForefeastDates;
    static const std::array<const char*, 10> ChristmastideDates;
    static const std::array<const char*, 11> FishAllowedFeastDates;
    static const std::array<const char*, 58> WineOilFeastDates;
    static const std::array<const char*, 7> LentWineOilDates;

    // ---- icon key -------------------------------------------------------------
    // IconKey of the day for its ContentKey (month * 100 + day of the displayed date).
    uint16_t GetIconKey(uint16_t contentKey) const;

private:
    // 1 = Sunday .. 7 = Saturday.
    static int Weekday(const QDate& date);
    int ComputationYear() const;
    // The day name of a string id; false when the string table has none.
    bool LoadDayName(uint32_t id, std::string& name) const;

    const ILiveSettings& FSettings;
    rsrc::HMODULE FStrings;
};
