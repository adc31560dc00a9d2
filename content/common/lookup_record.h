#pragma once
// One day of a text library's saint-name table.
#include <cstdint>

namespace selvcontent {

// The lives library lays its records out packed (10 bytes), the hymns library with the
// pointer naturally aligned (16 bytes); the data are the same kind.
#if defined(SELV_PACKED_LOOKUP) && SELV_PACKED_LOOKUP
struct __attribute__((packed)) TLookupRecord {
#else
struct TLookupRecord {
#endif
    uint16_t DayKey;       // month * 100 + day
    const char* Names;     // capitals, words separated by single blanks
};

constexpr int kLookupDays = 366;

// January 1 to December 31 in calendar order; February 29 is the 60th record.
extern const TLookupRecord kLookupTable[kLookupDays];

} // namespace selvcontent
