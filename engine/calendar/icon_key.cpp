// The icon shown for a day: the feast icon of the Paschal season and of the days
// around the great fixed feasts, else the day's own.
#include "calendar_engine.h"

namespace {

struct IconRange {
    uint16_t first;
    uint16_t last;
    uint16_t icon;
};

// Fixed-calendar keys that share the icon of a nearby feast; first match wins.
constexpr IconRange SharedIcons[] = {
    {102, 105, 106}, {107, 114, 106},
    {127, 127, 1113},
    {129, 129, 1220},
    {201, 201, 202}, {203, 207, 202},
    {224, 224, 107}, {525, 525, 107}, {923, 923, 107},
    {324, 324, 325},
    {713, 713, 326},
    {719, 719, 102},
    {802, 802, 1227},
    {805, 805, 806}, {807, 813, 806},
    {814, 814, 815}, {816, 823, 815},
    {907, 907, 908}, {909, 912, 908},
    {913, 913, 914}, {915, 921, 914},
    {1120, 1120, 1121}, {1122, 1125, 1121},
    {1220, 1224, 1225}, {1226, 1231, 1225},
};

} // namespace

uint16_t TCalendarEngine::GetIconKey(uint16_t contentKey) const
{
    const uint16_t ch = GetCycleDay();
    if (ch == 70)
        return 1;   // Palm Sunday
    if (ch == 75)
        return 2;   // Great Friday
    if (ch >= 77 && ch <= 115)
        return 3;   // Pascha to its apodosis
    if (ch >= 116 && ch <= 124)
        return 4;   // Ascension to its apodosis
    if (ch >= 125 && ch <= 132)
        return 5;   // Saturday before Pentecost to the apodosis of Pentecost

    // Key 702 shares icon 619 in new-calendar mode only.
    if (contentKey == 702 && !FSettings.OldCalendar())
        return 619;
    // One step only: a key mapped to another key is not mapped again.
    for (const IconRange& range : SharedIcons)
        if (contentKey >= range.first && contentKey <= range.last)
            return range.icon;
    return contentKey;
}
