#include "day_icon_keys.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<uint16_t, 18> SpecialIconDays = {102, 107, 201, 324, 325, 326, 401, 423, 505,
                                                      521, 525, 610, 619, 624, 629, 1125, 1220, 1227};

} // namespace

uint16_t GenericIconKey(uint16_t key)
{
    switch (key / 100) {
    case 1: return 106;
    case 2: return 202;
    case 3: return 325;
    case 4: return 8;
    case 5: return 5;
    case 6: return 8;
    case 7: return 6;
    case 8: return key >= 814 ? 815 : 806;
    case 9: return key >= 913 ? 914 : 908;
    case 10: return 7;
    case 11: return 1121;
    case 12: return 1225;
    default: return 0;
    }
}

bool IsSpecialIconDay(uint16_t dayKey)
{
    return std::find(SpecialIconDays.begin(), SpecialIconDays.end(), dayKey) != SpecialIconDays.end();
}

uint16_t NextIconKey(uint16_t key, uint16_t base, bool iconFound, const TIconLookup& lookup)
{
    const bool supplemental = key >= FirstSupplementalKey;
    if (!iconFound) {
        // The day's next supplemental icon, after the last one its first again.
        if (lookup.hasNextSupplemental(key))
            return static_cast<uint16_t>(key + FirstSupplementalKey);
        return static_cast<uint16_t>(FirstSupplementalKey + key % FirstSupplementalKey);
    }
    // A special day shows its own feast's main icon when the shared one is on screen.
    const bool special = IsSpecialIconDay(base) && !supplemental;
    const bool toOwnFeast = special && key != base;
    if (((!supplemental && key != base) || special) && base != 324 && base != 525)
        key = base;
    if (!toOwnFeast) {
        if (key < FirstSupplementalKey || lookup.hasNextSupplemental(key))
            return static_cast<uint16_t>(key + FirstSupplementalKey);
        return lookup.mainIconOf(key % FirstSupplementalKey);
    }
    // March 24 and May 25 borrow another feast's icon: after a season's icon that feast's
    // icon follows, after it the day's supplemental icon.
    if (base == 324)
        return key < 101 ? 325 : 10324;
    if (base == 525)
        return key < 101 ? 107 : 10525;
    return key;
}

TIconScale IconScaleFor(int screenHeight)
{
    if (screenHeight < 540)
        return {0.75, 0.8};
    if (screenHeight < 684)
        return {1, 1};
    if (screenHeight < 819)
        return {1.28, 1.28};
    if (screenHeight < 947)
        return {1.44, 1.45};
    if (screenHeight < 1112)
        return {1.6, 1.7066666};
    if (screenHeight < 1320)
        return {2, 2};
    return {2.25, 2.4};
}

int ScaledSide(int side, double factor)
{
    return static_cast<int>(std::nearbyint(side * factor));
}
