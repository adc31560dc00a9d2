#include "day_page_names.h"

namespace {

// June 19 and July 2 of the civil calendar carry second documents and their own files.
bool IsSecondDocumentDay(const TDayNameInput& in)
{
    if (in.civilMonth == 6 && in.civilDay == 19)
        return true;
    return !in.oldCalendar && in.civilMonth == 7 && in.civilDay == 2;
}

} // namespace

uint16_t ContentKeyOf(const TDayNameInput& in)
{
    return static_cast<uint16_t>(in.keyMonth * 100 + in.keyDay);
}

uint16_t LibraryKeyOf(const TDayNameInput& in)
{
    const uint16_t key = ContentKeyOf(in);
    if (!in.oldCalendar && (key == 619 || key == 702))
        return static_cast<uint16_t>(key + 10000);
    return key;
}

std::string PersonalExtension(const TDayNameInput& in)
{
    switch (in.page) {
    case TDayPage::TroparionKontakion:
        return IsSecondDocumentDay(in) ? ".ntr" : ".trp";
    case TDayPage::DailyBibleReadings:
        return in.oldCalendar ? ".obl" : ".nbl";
    case TDayPage::LivesSaints:
        break;
    }
    return IsSecondDocumentDay(in) ? ".nlv" : ".lvs";
}

std::string PersonalFileTitle(const TDayNameInput& in)
{
    const std::string month = std::to_string(in.keyMonth);
    std::string day = std::to_string(in.keyDay);
    if (in.page != TDayPage::DailyBibleReadings)
        return month + "-" + day + PersonalExtension(in);
    if (in.keyMonth >= 11 && in.keyDay <= 9)
        day = "0" + day;
    std::string year = std::to_string(in.year);
    if (year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return month + day + year + PersonalExtension(in);
}
