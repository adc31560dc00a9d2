// The fasting rule of the day, from its weekday, cycle day and fixed-calendar date.
#include "calendar_engine.h"

#include <cctype>
#include <cstdio>

const std::array<const char*, 3> TCalendarEngine::StrictFastDates = {
    "01/05", "08/29", "09/14"};

const std::array<const char*, 50> TCalendarEngine::ApostlesFastDates = {
    "05/10", "05/11", "05/12", "05/13", "05/14", "05/15", "05/16", "05/17", "05/18", "05/19",
    "05/20", "05/21", "05/22", "05/23", "05/24", "05/25", "05/26", "05/27", "05/28", "05/29",
    "05/30", "05/31", "06/01", "06/02", "06/03", "06/04", "06/05", "06/06", "06/07", "06/08",
    "06/09", "06/10", "06/11", "06/12", "06/13", "06/14", "06/15", "06/16", "06/17", "06/18",
    "06/19", "06/20", "06/21", "06/22", "06/23", "06/24", "06/25", "06/26", "06/27", "06/28"};

const std::array<const char*, 14> TCalendarEngine::DormitionFastDates = {
    "08/01", "08/02", "08/03", "08/04", "08/05", "08/06", "08/07", "08/08", "08/09", "08/10",
    "08/11", "08/12", "08/13", "08/14"};

const std::array<const char*, 40> TCalendarEngine::NativityFastDates = {
    "11/15", "11/16", "11/17", "11/18", "11/19", "11/20", "11/21", "11/22", "11/23", "11/24",
    "11/25", "11/26", "11/27", "11/28", "11/29", "11/30", "12/01", "12/02", "12/03", "12/04",
    "12/05", "12/06", "12/07", "12/08", "12/09", "12/10", "12/11", "12/12", "12/13", "12/14",
    "12/15", "12/16", "12/17", "12/18", "12/19", "12/20", "12/21", "12/22", "12/23", "12/24"};

const std::array<const char*, 5> TCalendarEngine::NativityForefeastDates = {
    "12/20", "12/21", "12/22", "12/23", "12/24"};

const std::array<const char*, 10> TCalendarEngine::ChristmastideDates = {
    "12/26", "12/27", "12/28", "12/29", "12/30", "12/31", "01/01", "01/02", "01/03", "01/04"};

const std::array<const char*, 11> TCalendarEngine::FishAllowedFeastDates = {
    "01/07", "02/02", "03/25", "06/24", "06/29", "06/30", "08/06", "08/15", "09/08", "11/14",
    "11/21"};

const std::array<const char*, 58> TCalendarEngine::WineOilFeastDates = {
    "01/11", "01/16", "01/17", "01/18", "01/20", "01/22", "01/25", "01/27", "01/30", "02/08",
    "02/17", "02/24", "03/09", "05/21", "05/24", "05/25", "06/08", "06/11", "06/19", "07/01",
    "07/02", "07/08", "07/15", "07/17", "07/20", "07/22", "07/25", "07/27", "08/31", "09/01",
    "09/06", "09/09", "09/13", "09/20", "09/23", "09/26", "10/01", "10/06", "10/09", "10/18",
    "10/23", "10/26", "11/01", "11/08", "11/12", "11/13", "11/16", "11/24", "11/30", "12/04",
    "12/05", "12/06", "12/09", "12/12", "12/13", "12/17", "12/20", "12/24"};

const std::array<const char*, 7> TCalendarEngine::LentWineOilDates = {
    "02/17", "02/24", "03/09", "03/24", "03/26", "04/23", "04/25"};

namespace {

bool SameKey(const char* entry, const std::string& key)
{
    size_t i = 0;
    for (; entry[i] != '\0' && i < key.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(entry[i])) != std::tolower(static_cast<unsigned char>(key[i])))
            return false;
    return entry[i] == '\0' && i == key.size();
}

template <size_t N>
bool InTable(const std::array<const char*, N>& table, const std::string& key)
{
    for (const char* entry : table)
        if (SameKey(entry, key))
            return true;
    return false;
}

bool Between(int value, int first, int last)
{
    return value >= first && value <= last;
}

bool IsAnyOf(int value, std::initializer_list<int> values)
{
    for (int v : values)
        if (v == value)
            return true;
    return false;
}

} // namespace

std::string TCalendarEngine::GetDateKey() const
{
    const QDate& shown = FSettings.OldCalendar() ? FOldDateShifted : FCivilDate;
    char key[16];
    std::snprintf(key, sizeof key, "%02d/%02d", shown.month(), shown.day());
    return key;
}

std::string TCalendarEngine::GetFastingText() const
{
    const std::string key = GetDateKey();
    const int w = Weekday(FCivilDate);
    const int ch = GetCycleDay();

    const bool strict = InTable(StrictFastDates, key);
    const bool apostles = InTable(ApostlesFastDates, key) && Between(ch, 134, 180);
    const bool dormition = InTable(DormitionFastDates, key);
    const bool nativity = InTable(NativityFastDates, key);
    const bool forefeast = InTable(NativityForefeastDates, key);
    const bool christmastide = InTable(ChristmastideDates, key);
    const bool fishFeast = InTable(FishAllowedFeastDates, key);
    const bool wineOilFeast = InTable(WineOilFeastDates, key);
    const bool lentWineOil = InTable(LentWineOilDates, key);
    const bool feastDay = SameKey("12/25", key) || SameKey("01/06", key);
    const bool seasonFast = apostles || (nativity && !forefeast);
    const bool wednesdayOrFriday = w == 4 || w == 6;
    const bool weekend = w == 1 || w == 7;

    std::string text;
    if (wednesdayOrFriday || strict)
        text = "   Fast Day";
    if (Between(ch, 29, 76))
        text.clear();
    else if (apostles)
        text = "   Apostles' Fast";
    else if (dormition)
        text = "   Dormition Fast";
    else if (nativity)
        text = "   Nativity Fast";

    if (Between(ch, 8, 13) || Between(ch, 78, 83) || Between(ch, 127, 132))
        text = "   Fast Free Week";
    else if (ch == 21)
        text = "   Meat-fare Sunday";
    else if (Between(ch, 22, 27))
        text = "   Cheese-fare Week";
    else if (ch == 28)
        text = "   Cheese-fare Sunday";
    else if (feastDay)
        text = "   Fast Free";
    else if (christmastide)
        text = "   Fast Free Period";

    const bool fastFreeWeekday = IsAnyOf(ch, {10, 12, 24, 26, 80, 82});
    if (IsAnyOf(ch, {70, 101, 115})
        || (seasonFast && weekend)
        || (fishFeast && (wednesdayOrFriday || Between(ch, 29, 69) || dormition || seasonFast)
            && !fastFreeWeekday && ch != 73 && ch != 75)
        || (seasonFast && IsAnyOf(w, {2, 3, 5}) && wineOilFeast))
        return text + "   Fish, wine and oil allowed";
    if (ch == 69)
        return text + "   Caviar, wine and oil allowed";
    const bool lentWeekday = Between(ch, 36, 40) || Between(ch, 43, 47) || Between(ch, 50, 54)
        || Between(ch, 57, 61) || Between(ch, 64, 68);
    if (strict
        || (fishFeast && Between(ch, 71, 74))
        || (Between(ch, 34, 69) && weekend)
        || (lentWeekday && lentWineOil)
        || IsAnyOf(ch, {59, 60, 74})
        || (Between(ch, 87, 124) && wednesdayOrFriday)
        || ((dormition || forefeast) && weekend)
        || ((apostles || nativity) && (w == 3 || w == 5))
        || ((wednesdayOrFriday || strict || apostles || nativity) && wineOilFeast
            && !fastFreeWeekday && !Between(ch, 29, 69) && ch != 129 && ch != 131))
        return text + "   Wine and oil allowed";
    if (ch == 61 || ch == 76 || (fishFeast && ch == 75))
        return text + "   Wine allowed";
    return text;
}
