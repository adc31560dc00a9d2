// Page assembly: the readings files check, the page order, the reading fetch,
// the Matins Gospel, the Matins of Great Saturday, the Royal Hours and the
// Hours and Vespers of the moveable cycle.
#include "readings_builder.h"

#include "lectionary.h"
#include "readings_text.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace readings_text;

TReadingsBuilder::TReadingsBuilder(const TCalendarEngine& calendar, TBibleReader& reader,
                                   const ILiveSettings& settings, IMessageSink& messages)
    : FCalendar(calendar), FReader(reader), FSettings(settings), FMessages(messages)
{
}

std::string BuildBibleReadingsPage(const TCalendarEngine& calendar, TBibleReader& reader,
                                   const ILiveSettings& settings, IMessageSink& messages)
{
    return TReadingsBuilder(calendar, reader, settings, messages).BuildBibleReadingsPage();
}

std::string TReadingsBuilder::MissingFilesMessage()
{
    std::vector<std::string> missing;
    bool builtIn = false, installed = false;
    for (const std::string* name :
         {&FReader.FOldTReadingsFile, &FReader.FNewTReadingsFile, &FReader.FApocReadingsFile}) {
        if (std::find(missing.begin(), missing.end(), *name) != missing.end() || FReader.BibleFileReadable(*name))
            continue;
        missing.push_back(*name);
        (TBibleReader::InProgramFolder(*name) ? builtIn : installed) = true;
    }
    if (missing.empty()) return {};

    std::string text;
    if (missing.size() == 1)
        text = "The file \"" + missing[0] + "\" is";
    else if (missing.size() == 2)
        text = "The files \"" + missing[0] + "\" and \"" + missing[1] + "\" are";
    else
        text = "The files \"" + missing[0] + "\", \"" + missing[1] + "\" and \"" + missing[2] +
               "\" are";
    if (!installed)
        text += " damaged or missing from the application"
                " directory. Please manually replace the file(s) or reinstall the"
                " Selvarion program.";
    else if (!builtIn)
        text += " damaged or missing from the"
                " application data directory. Please replace the file(s) or try"
                " uninstalling and then reinstalling the file(s) from the Bible"
                " Files page of the Preferences dialog box.";
    else
        text += " damaged or missing from the application"
                " data directory and/or the application directory. Please replace the"
                " file(s) or try uninstalling and then reinstalling the file(s) from"
                " the Bible Files page of the Preferences dialog box. If one or more"
                " of the files has a \".dat\" extension, then it may be necessary to"
                " manually replace the file(s) or reinstall the Selvarion program.";
    return text;
}

void TReadingsBuilder::MapPart(int part)
{
    const std::string& name = part == 0   ? FReader.FOldTReadingsFile
                              : part == 1 ? FReader.FNewTReadingsFile
                                          : FReader.FApocReadingsFile;
    FReader.FMappedText = FReader.MapBibleFile(name);
    FReader.FMappedTestament = part;
}

void TReadingsBuilder::SetDay()
{
    const QDate shown = Old() ? FCalendar.FOldDateShifted : FCalendar.FCivilDate;
    FDateKey = DateKey(shown);
    FWeekday = FCalendar.FCivilDate.dayOfWeek() % 7 + 1;
    FCycleDay = FCalendar.GetCycleDay();
}

std::string TReadingsBuilder::BuildBibleReadingsPage()
{
    const std::string missing = MissingFilesMessage();
    if (!missing.empty()) {
        FMessages.ShowMessage(missing);
        return {};
    }
    // The reader shows one message of the whole page. The page is read from the New Testament
    // file, as it now stands, unless a section maps another.
    const TBibleReader::TRequest request(FReader);
    MapPart(1);

    SetDay();
    const std::string& k = FDateKey;
    const int w = FWeekday;
    const int ch = FCycleDay;
    if (IsFixedReadingsOnlyDay()) return GetFixedInfo(GetSundayFeastKey());

    std::string page;
    if (IsFixedReadingsFirstDay()) page += GetFixedInfo(GetSundayFeastKey()) + CRLF3;
    const bool eveOnSaturday = w == 7 && OneOf(k, {"01/05", "09/08", "12/24"});
    if (!eveOnSaturday) page += GetDayTitle() + CRLF2;
    if (ch == 70) page += GetHoursAndVespersReadings() + CRLF3;
    if (ch == 76) page += GetMatinsReadings() + CRLF2;
    if ((ch % 7 == 0 || (ch >= 71 && ch <= 76)) && !OneOf(ch, {77, 119, 126, 133}))
        page += GetMatinsGospelVerses() + CRLF3;
    if (ch == 75) page += GetRoyalHoursReadings() + CRLF3;
    const bool lenten = IsLentenWeekday(ch);
    if (lenten || (ch >= 71 && ch <= 76) || OneOf(ch, {101, 116, 119, 126, 133}))
        page += GetHoursAndVespersReadings() + CRLF3;
    if (OneOf(ch, {116, 119, 126, 133})) page += GetMatinsGospelVerses() + CRLF3;

    // The fixed section already holds the Liturgy on these days.
    const bool fixedLiturgy = (w == 7 && k == "09/08") ||
                              ((w == 1 || w == 7) && OneOf(k, {"12/24", "01/05"})) ||
                              (w == 1 && k == "01/01");
    if (lenten || ch == 75) {
        const bool meeting = OneOf(ch, {24, 26, 29}) && k == "02/02";
        if (!meeting && k != "03/25") {
            const int row = FindDailyRecord(FCycleDay);
            std::string heading = UpperCase(row ? std::string(DailyRow(row).Note) : "Liturgy");
            if (IsNoLiturgyLentenDay(ch) && OneOf(k, {"02/24", "03/09"}))
                heading = "LITURGY OF THE PRESANCTIFIED GIFTS";
            page += heading;
        }
    } else if (!fixedLiturgy) {
        page += GetDailyInfo();
    }

    if (IsSaturdaySundayFixedDay()) {
        if (!fixedLiturgy) page += CRLF3;
        page += GetFixedInfo(GetSaturdaySundayFeastKey());
    }

    const bool next = IsReadingsFromNextDay();
    if (next || IsReadingsFromPreviousDay()) {
        const QDate other = FCalendar.FCivilDate.addDays(next ? 1 : -1);
        page += CRLF2 + (next ? "For " : "From ") + WeekdayName(other) + ":" + CRLF2;
        FCycleDay = static_cast<uint16_t>(next ? FCycleDay + 1 : FCycleDay - 1);
        page += GetDailyInfo();
    }
    return page;
}

std::string TReadingsBuilder::Reading(const std::string& key, const char* part)
{
    FReadingCode = key + "," + part;
    return GetReadingInfo();
}

std::string TReadingsBuilder::GetReadingInfo()
{
    const int row = FindReadingRecord(FReadingCode, FCycleDay);
    if (row == 0) return "  An error occured in the GetReadingInfo function";
    const TReadingRecord& reading = ReadingRow(row);
    FReference = reading.Reference;
    FBook = static_cast<uint16_t>(reading.Book);
    std::string text = CRLF2 + FReference + CRLF2 + "    ";

    FPieceCode = FReadingCode + ",1";
    for (;;) {
        const int pieceRow = FindVerseRecord(FPieceCode, FCycleDay);
        if (pieceRow == 0) return "  An error occured in the GetVerseInfo function";
        const TVerseRecord& piece = VerseRow(pieceRow);
        std::string passage = FReader.GetPassageText(
            FBook, std::string(piece.StartChapter), std::string(piece.StartVerse),
            std::string(piece.EndChapter), std::string(piece.EndVerse), false,
            FSettings.ShowVerseNumbers());
        if (piece.StartChapter != piece.EndChapter)
            passage = TBibleReader::CollapseSpaces(TBibleReader::LineBreaksToSpaces(passage));
        text += " ";
        text += TrimLeftBlanks(passage);
        if (piece.NextPiece.empty()) break;
        FPieceCode = FReadingCode + "," + std::string(piece.NextPiece);
    }
    return text;
}

int TReadingsBuilder::MatinsGospelRowOfDay() const
{
    const int ch = FCycleDay;
    if (ch < 70 || ch > 126) {
        const QDate& d = FCalendar.FCivilDate;
        const QDate& from = d < FCalendar.FAllSaintsSunday ? FCalendar.FAllSaintsSundayPrevious
                                                          : FCalendar.FAllSaintsSunday;
        return static_cast<int>((from.daysTo(d) / 7) % 11) + 1;
    }
    static constexpr std::pair<int, int> rows[] = {
        {70, 12}, {71, 14}, {72, 15}, {73, 16}, {74, 17}, {75, 18}, {76, 30}, {84, 1},
        {91, 3},  {98, 4},  {105, 7}, {112, 8}, {116, 31}, {119, 10}, {126, 32}};
    for (const auto& [day, row] : rows)
        if (day == ch) return row;
    return 0;
}

std::string TReadingsBuilder::MatinsPassage(int row, bool chapterHeadings)
{
    const TMatinsGospelRecord& r = MatinsGospelRow(row);
    return FReader.GetPassageText(r.Book, std::string(r.StartChapter), std::string(r.StartVerse),
                                  std::string(r.EndChapter), std::string(r.EndVerse),
                                  chapterHeadings, FSettings.ShowVerseNumbers());
}

std::string TReadingsBuilder::GetMatinsGospelVerses()
{
    FMatinsGospelRow = static_cast<uint16_t>(MatinsGospelRowOfDay());
    if (FMatinsGospelRow == 0) return "  An error occured in the GetMatinsGospelVerses function";
    const int row = FMatinsGospelRow;
    const std::string heading(MatinsGospelRow(row).Heading);

    if (row == 18) {   // the Twelve Passion Gospels keep their paragraphs
        std::string text = heading + CRLF2 + MatinsPassage(18, true);
        for (int r = 19; r <= 29; ++r)
            text += CRLF2 + std::string(MatinsGospelRow(r).Heading) + CRLF2 + MatinsPassage(r, false);
        return text;
    }
    auto flat = [&](int r) {
        std::string passage = MatinsPassage(r, false);
        const TMatinsGospelRecord& rec = MatinsGospelRow(r);
        if (rec.StartChapter != rec.EndChapter)
            passage = TBibleReader::CollapseSpaces(TBibleReader::LineBreaksToSpaces(passage));
        std::string joined = " ";
        joined += TrimLeftBlanks(passage);
        return joined;
    };
    if (row == 12)   // Palm Sunday: two pieces of one chapter under one heading
        return heading + CRLF2 + flat(12) + " " + TrimBlanks(MatinsPassage(13, false));
    return heading + CRLF2 + "    " + flat(row);
}

std::string TReadingsBuilder::GetMatinsReadings()
{
    if (FCycleDay != 76) return {};
    MapPart(0);
    std::string text = "MATINS" + Reading("76", "M1");
    MapPart(1);
    return text + Reading("76", "M2") + Reading("76", "M3");
}

std::string TReadingsBuilder::GetRoyalHoursReadings()
{
    const std::string key = FCycleDay == 75                             ? "75"
                            : OneOf(FDateKey, {"01/03", "01/04", "01/05"}) ? "TheoRH"
                                                                          : "NativRH";
    const bool baruch = OneOf(FDateKey, {"12/22", "12/23", "12/24"});
    std::string text = "ROYAL HOURS" + CRLF2;
    const char* hours[] = {"FIRST HOUR", "THIRD HOUR", "SIXTH HOUR", "NINTH HOUR"};
    const char* prefixes[] = {"1H", "3H", "6H", "9H"};
    for (int i = 0; i < 4; ++i) {
        const std::string p = prefixes[i];
        if (i > 0) text += CRLF2;
        MapPart(i == 1 && baruch ? 2 : 0);
        text += hours[i] + Reading(key, (p + "1").c_str());
        MapPart(1);
        text += Reading(key, (p + "2").c_str()) + Reading(key, (p + "3").c_str());
    }
    return text;
}

std::string TReadingsBuilder::GetHoursAndVespersReadings()
{
    const int ch = FCycleDay;
    const std::string day = std::to_string(ch);
    MapPart(0);
    std::string text;
    if ((ch >= 24 && ch <= 69) || (ch >= 71 && ch <= 73))
        text += "SIXTH HOUR" + Reading(day, "6H") + CRLF3;
    else if (ch == 74)
        text += "FIRST HOUR" + Reading(day, "1H") + CRLF3;
    text += "VESPERS" + Reading(day, "V1");
    if (ch == 133 || ch == 140) MapPart(2);
    if (ch != 24 && ch != 26) {
        text += Reading(day, "V2");
        if (!IsLentenWeekday(ch) && !(ch >= 71 && ch <= 73)) text += Reading(day, "V3");
    }
    if (ch == 76) {
        for (int v = 4; v <= 15; ++v) text += Reading(day, NumberedPart("V", v).c_str());
        MapPart(2);
        text += Reading(day, "V16");
    }
    MapPart(1);
    return text;
}
