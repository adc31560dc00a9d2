#pragma once
// Names of the shown day's documents: the content key that finds the day's document in
// the text libraries, and the personalized file that keeps the user's copy of a page.
#include <cstdint>
#include <string>

enum class TDayPage { TroparionKontakion, DailyBibleReadings, LivesSaints };

struct TDayNameInput {
    TDayPage page = TDayPage::TroparionKontakion;
    bool oldCalendar = false;
    uint16_t keyMonth = 1, keyDay = 1;      // the date as displayed (old date in old-calendar mode)
    uint16_t civilMonth = 1, civilDay = 1;  // the civil date of the same day
    int year = 2000;                        // old year in old-calendar mode, else the civil year
};

// Month times 100 plus day of the date as displayed.
uint16_t ContentKeyOf(const TDayNameInput& in);

// The key under which the text libraries hold the day's document: civil June 19 and
// July 2 have documents of their own in new-calendar mode (key + 10000).
uint16_t LibraryKeyOf(const TDayNameInput& in);

// ".trp", ".ntr", ".nbl", ".obl", ".lvs" or ".nlv".
std::string PersonalExtension(const TDayNameInput& in);

// The file name (without folder) of the day's personalized page. Troparia and lives pages
// are "month-day.ext"; readings pages are month, day and year run together. November and
// December days 1 to 9 write their day with two digits there and years below 1000 are
// written with four digits, so that no two days share a name (November 1 would otherwise
// read like January 11).
std::string PersonalFileTitle(const TDayNameInput& in);
