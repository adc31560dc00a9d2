#pragma once
// Which icon the icon column shows: the generic icon of a month, the days whose own feast
// icon comes before their supplemental icons, the next icon of a day, and how large the
// column is drawn on a screen of a given height.
#include <cstdint>
#include <functional>

// Supplemental icons are numbered from here: the k-th icon of a day is k * 10000 + day key.
inline constexpr uint16_t FirstSupplementalKey = 10000;

// The generic icon for a day without any icon of its own; 0 for a key below 100.
uint16_t GenericIconKey(uint16_t key);

// Days (month * 100 + day) that show their own feast icon before their supplemental icons.
bool IsSpecialIconDay(uint16_t dayKey);

// What the next-icon step asks of the libraries.
struct TIconLookup {
    // Whether the supplemental library holds key + 10000 (the icon after `key`).
    std::function<bool(uint16_t key)> hasNextSupplemental;
    // The main icon of a day key.
    std::function<uint16_t(uint16_t dayKey)> mainIconOf;
};

// The icon after `key` on the day `base` (month * 100 + day of the shown date); `iconFound`
// tells whether the main icon library has the day's icon.
uint16_t NextIconKey(uint16_t key, uint16_t base, bool iconFound, const TIconLookup& lookup);

// Factors by which the icon column and the image are drawn larger on taller screens.
struct TIconScale {
    double width;
    double height;
};
TIconScale IconScaleFor(int screenHeight);

// A picture side times its factor, to the nearest integer with halves to even.
int ScaledSide(int side, double factor);
