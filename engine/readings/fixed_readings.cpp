// The fixed-feast section of the readings page: the feast's title, Royal Hours,
// Vespers, Matins Gospel, Liturgy and the Blessing of the Waters.
#include "lectionary.h"
#include "readings_builder.h"
#include "readings_text.h"

using namespace readings_text;

namespace {

bool IsEve(const std::string& k) { return k == "01/05" || k == "12/24"; }
bool IsGreatFeast(const std::string& k) { return k == "01/06" || k == "12/25"; }

}  // namespace

std::string TReadingsBuilder::LiturgyKind(const std::string& feastKey) const
{
    const std::string& k = FDateKey;
    const bool weekend = FWeekday == 1 || FWeekday == 7;
    // The Liturgy of St. Basil is the eve's; an eve on a Saturday or Sunday hands it on to
    // the feast, which then falls on a Sunday or a Monday.
    const bool feastAfterWeekendEve = FWeekday == 1 || FWeekday == 2;
    if (feastKey != k) return "Liturgy";
    if (k == "01/01" || (IsGreatFeast(k) && feastAfterWeekendEve) || (IsEve(k) && !weekend))
        return "Liturgy of St. Basil";
    if (IsGreatFeast(k) || IsEve(k)) return "Liturgy of St. John Chrysostom";
    return "Liturgy";
}

std::string TReadingsBuilder::GetFixedInfo(const std::string& feastKey)
{
    FFixedKey = feastKey;
    const std::string& k = FDateKey;
    std::string text;
    const bool sundayBeforeFeast =
        FWeekday == 1 && k != "01/01" && k != "01/05" && FCycleDay != 0 && FCycleDay != 7 &&
        (InRange(k, "12/11", "12/17") || InRange(k, "12/26", "12/31") ||
         InRange(k, "01/01", "01/05") || InRange(k, "01/07", "01/13"));
    if (sundayBeforeFeast) text += GetDayTitle() + CRLF2 + GetMatinsGospelVerses() + CRLF3;

    const int row = FindFixedRecord(FFixedKey);
    if (row == 0) return "  An error occured in the GetFixedInfo function";
    text += std::string(FixedRow(row).Title) + CRLF2;
    return FixedDateVerses(FFixedKey, std::move(text));
}

std::string TReadingsBuilder::FixedDateVerses(const std::string& feastKey, std::string text)
{
    const std::string& k = FDateKey;
    const std::string& key = feastKey;
    const int w = FWeekday;
    const bool eveOnWeekday = IsEve(k) && w >= 2 && w <= 6;

    if (w == 6 && OneOf(k, {"01/03", "01/04", "12/22", "12/23"}))
        return text + GetRoyalHoursReadings();
    if (eveOnWeekday) text += GetRoyalHoursReadings() + CRLF3;
    if (k != "06/29") MapPart(0);

    if ((key == k && !IsGreatFeast(k)) || key == "SunBefNativ" || key == "SunHolyFathers") {
        text += "VESPERS";
        if (k == "02/02") {
            const std::string rest = Reading(key, "V1B") + Reading(key, "V1C");
            text += Reading(key, "V1A") + " " +
                    TrimBlanks(TBibleReader::CollapseSpaces(TBibleReader::LineBreaksToSpaces(rest)));
        } else {
            text += Reading(key, "V1");
        }
        text += Reading(key, "V2");
        const bool wisdom = OneOf(k, {"01/30", "08/29", "12/06"});
        if (wisdom) MapPart(2);
        text += Reading(key, "V3");
        if (wisdom) MapPart(0);
        // The eves' further readings belong to the eve itself, not to a Sunday
        // before the Nativity that shares its date.
        const bool ownEve = key == k;
        if (ownEve && OneOf(k, {"01/05", "03/25", "12/24"})) {
            text += Reading(key, "V4");
            if (k == "12/24") MapPart(2);
            text += Reading(key, "V5");
            if (k == "12/24") MapPart(0);
        }
        if (ownEve && IsEve(k)) {
            const int last = k == "01/05" ? 13 : 8;
            for (int v = 6; v <= last; ++v) text += Reading(key, NumberedPart("V", v).c_str());
        }
        text += CRLF3;
    }

    MapPart(1);
    const bool sunday = w == 1;
    if (sunday && InRange(k, "12/18", "12/24") && k != "12/24")
        text += GetDayTitle() + CRLF2 + GetMatinsGospelVerses() + CRLF3;
    if (!IsEve(k) && key == k &&
        !(sunday && (InRange(k, "12/18", "12/24") || InRange(k, "07/13", "07/19"))))
        text += "MATINS" + Reading(key, "M1") + CRLF3;
    text += UpperCase(LiturgyKind(key)) + Reading(key, "E1") + Reading(key, "G1");
    if (k == "01/05" && key == k) {
        text += CRLF3 + "BLESSING OF THE WATERS";
        MapPart(0);
        for (const char* part : {"BW1", "BW2", "BW3"}) text += Reading(key, part);
        MapPart(1);
        text += Reading(key, "BW4") + Reading(key, "BW5");
    }
    return text;
}
