// Whole pages: section order on feasts and in Holy Week, readings carried from a
// neighbouring day, and the message for missing readings files.
#include "readings_fixture.h"

class ReadingsPage : public ReadingsTest {};

TEST_F(ReadingsPage, GreatFridayInServiceOrder)
{
    Select(TCalendarEngine::PaschaOfYear(2025).addDays(-2));
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    EXPECT_EQ(page.rfind("Passion Week: Great Friday\r\n\r\nMATINS\r\n\r\nTHE TWELVE PASSION GOSPELS", 0), 0u);
    const size_t twelfth = At(page, "(12) Matthew 27:62-66");
    const size_t hours = At(page, "ROYAL HOURS\r\n\r\nFIRST HOUR\r\n\r\nZechariah 11:10-13");
    const size_t ninth = At(page, "NINTH HOUR\r\n\r\nJeremiah");
    const size_t vespers = At(page, "VESPERS\r\n\r\nExodus 33:11-23");
    const size_t noLiturgy = At(page, "NO LITURGY");
    ASSERT_NE(twelfth, std::string::npos);
    EXPECT_LT(twelfth, hours);
    EXPECT_LT(hours, ninth);
    EXPECT_LT(ninth, vespers);
    EXPECT_LT(vespers, noLiturgy);
    EXPECT_EQ(page.size(), noLiturgy + 10) << "nothing follows the Liturgy heading";
    EXPECT_EQ(At(page, "1 Corinthians 1:18"), std::string::npos);
    EXPECT_EQ(reader.FMappedTestament, 1) << "the New Testament file is mapped again";
}

TEST_F(ReadingsPage, WednesdayEveOfTheTheophany)
{
    Select(QDate(2022, 1, 5));
    ASSERT_EQ(Builder().FWeekday, 4);
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    EXPECT_EQ(page.rfind("Eve of the Theophany.\r\n\r\nROYAL HOURS\r\n\r\nFIRST HOUR", 0), 0u);
    const size_t vespers = At(page, "VESPERS");
    const size_t v13 = At(page, "\r\n\r\nIsaiah 49:8-15", vespers);
    const size_t v12 = At(page, "\r\n\r\n2 Kings 2:19-22", vespers);
    const size_t liturgy = At(page, "LITURGY OF ST. BASIL\r\n\r\n1 Corinthians");
    const size_t waters = At(page, "\r\n\r\n\r\nBLESSING OF THE WATERS\r\n\r\nIsaiah 35:1-10");
    ASSERT_NE(vespers, std::string::npos);
    EXPECT_LT(vespers, v12);
    EXPECT_LT(v12, v13);
    EXPECT_LT(v13, liturgy);
    EXPECT_LT(liturgy, waters);
    EXPECT_EQ(At(page, "Wednesday"), std::string::npos) << "fixed readings only";
    EXPECT_EQ(At(page, "MATINS"), std::string::npos);
}

TEST_F(ReadingsPage, FridayBeforeASaturdayEveHasTheRoyalHoursOnly)
{
    Select(QDate(2025, 1, 3));
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    EXPECT_EQ(page.rfind("Forefeast of the Theophany.\r\n\r\nROYAL HOURS\r\n\r\nFIRST HOUR", 0), 0u);
    EXPECT_NE(At(page, "NINTH HOUR"), std::string::npos);
    EXPECT_EQ(At(page, "VESPERS"), std::string::npos);
    EXPECT_EQ(At(page, "LITURGY"), std::string::npos);
}

TEST_F(ReadingsPage, TuesdayAfterAFeastAddsTheMondayReadings)
{
    Select(QDate(2024, 6, 25));
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    const size_t from = At(page, "\r\n\r\nFrom Monday:\r\n\r\nLITURGY\r\n\r\n");
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(page.rfind("Tuesday\r\n\r\nLITURGY\r\n\r\n", 0), 0u);

    // The carried readings are the previous cycle day's.
    Select(QDate(2024, 6, 24));
    TReadingsBuilder monday = Builder();
    const std::string mondayInfo = monday.GetDailyInfo();
    EXPECT_EQ(page.substr(from + 20), mondayInfo);
}

TEST_F(ReadingsPage, SundayBeforeTheNativity)
{
    Select(QDate(2022, 12, 18));
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    const size_t title = At(page, "Sunday before the Nativity of Christ.\r\n\r\nVESPERS");
    const size_t matins = At(page, "Sunday after Pentecost\r\n\r\nMATINS (");
    const size_t liturgy = At(page, "\r\n\r\nLITURGY\r\n\r\nHebrews 11:9-10");
    EXPECT_EQ(title, 0u);
    EXPECT_LT(title, matins);
    EXPECT_LT(matins, liturgy);
}

TEST_F(ReadingsPage, EveOfTheNativityOnASunday)
{
    Select(QDate(2023, 12, 24));
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    EXPECT_EQ(page.rfind("The Eve of the Nativity of Christ.\r\n\r\nVESPERS", 0), 0u);
    const size_t sunday = At(page, "Sunday before the Nativity of Christ.\r\n\r\nVESPERS");
    ASSERT_NE(sunday, std::string::npos);
    EXPECT_LT(At(page, "LITURGY OF ST. JOHN CHRYSOSTOM"), sunday);
    // The Sunday's Vespers are its own three readings; the eve's others are not repeated.
    const size_t liturgy = At(page, "LITURGY\r\n\r\nHebrews 11:9-10", sunday);
    ASSERT_NE(liturgy, std::string::npos);
    const std::string vespers = page.substr(sunday, liturgy - sunday);
    EXPECT_EQ(vespers.find("Isaiah 11:1-10"), std::string::npos);
    EXPECT_NE(vespers.find("Deuteronomy 10:14-21"), std::string::npos);
}

TEST_F(ReadingsPage, MeetingVespersContinueIntoLeviticusAndNumbers)
{
    Select(QDate(2022, 2, 2));   // Wednesday
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    const size_t exodus = At(page, "Exodus 12:51-13:3");
    ASSERT_NE(exodus, std::string::npos);
    const size_t next = At(page, "\r\n\r\n", exodus + 90);
    const std::string paragraph = page.substr(exodus, next - exodus);
    EXPECT_NE(paragraph.find("her purifying"), std::string::npos) << "Leviticus 12:4 in V1A's paragraph";
    EXPECT_NE(paragraph.find("firstborn of the children of Israel are mine"), std::string::npos) << "Numbers 8 in V1A's paragraph";
}

TEST_F(ReadingsPage, LentenDayWithoutLiturgyOnAFeastOfTheMartyrs)
{
    bool found = false;
    for (int year = 2000; year <= 2040 && !found; ++year) {
        Select(QDate(year, 3, 9));
        const int ch = calendar.GetCycleDay();
        if (!(ch == 29 || ch == 30 || ch == 32 || ch == 36 || ch == 37 || ch == 39 || ch == 43 ||
              ch == 44 || ch == 46 || ch == 50 || ch == 51 || ch == 53))
            continue;
        found = true;
        const std::string page = Page();
        EXPECT_NE(At(page, "\r\n\r\n\r\nLITURGY OF THE PRESANCTIFIED GIFTS"), std::string::npos);
        EXPECT_EQ(At(page, "LITURGY OF THE PRESANCTIFIED GIFTS."), std::string::npos);
        EXPECT_EQ(At(page, "NO LITURGY"), std::string::npos);
    }
    EXPECT_TRUE(found);
}

TEST_F(ReadingsPage, PalmSundayMatinsGospelIsTwoPiecesUnderOneHeading)
{
    Select(TCalendarEngine::PaschaOfYear(2025).addDays(-7));
    const std::string page = Page();
    ASSERT_FALSE(HasError(page));
    const size_t matins = At(page, "MATINS\r\n\r\nMatthew 21:1-11, 15-17\r\n\r\n And");
    ASSERT_NE(matins, std::string::npos);
    EXPECT_EQ(At(page, "Matthew 21:", matins + 40), std::string::npos) << "one heading";
    const std::string gospel = page.substr(matins, At(page, "\r\n\r\n\r\n", matins) - matins);
    EXPECT_NE(gospel.find("Hosanna to the Son of David"), std::string::npos);
    EXPECT_NE(gospel.find("wonderful things"), std::string::npos) << "verse 15";
    EXPECT_EQ(gospel.find("den of thieves"), std::string::npos) << "verse 13 is left out";
}

TEST_F(ReadingsPage, VerseNumbersFollowTheSetting)
{
    Select(QDate(2025, 7, 1));
    const std::string plain = Page();
    settings.showVerseNumbers = true;
    const std::string numbered = Page();
    EXPECT_GT(numbered.size(), plain.size());
    EXPECT_FALSE(HasError(numbered));
}

TEST_F(ReadingsPage, BuilderMapsTheNewTestamentWhenNothingIsMapped)
{
    reader.FMappedText = reader.MapBibleFile("missing-version.txt");
    reader.FMappedTestament = 0;
    Select(QDate(2025, 7, 1));
    const std::string page = Page();
    EXPECT_NE(At(page, "     "), std::string::npos);
    EXPECT_EQ(reader.FMappedTestament, 1);
    EXPECT_NE(reader.FMappedText, nullptr);
}

class MissingFiles : public ReadingsTest {
protected:
    void SetUp() override { Select(QDate(2025, 7, 1)); }
};

TEST_F(MissingFiles, OneBuiltInFile)
{
    reader.FApocReadingsFile = "Gone.dat";
    EXPECT_EQ(Page(), "");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The file \"Gone.dat\" is damaged or missing from the application directory. "
              "Please manually replace the file(s) or reinstall the Selvarion program.");
}

TEST_F(MissingFiles, TwoInstalledFilesNamedOnce)
{
    reader.FOldTReadingsFile = "My Version";
    reader.FNewTReadingsFile = "Other Version";
    reader.FApocReadingsFile = "My Version";
    EXPECT_EQ(Page(), "");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The files \"My Version\" and \"Other Version\" are damaged or missing from the "
              "application data directory. Please replace the file(s) or try uninstalling and "
              "then reinstalling the file(s) from the Bible Files page of the Preferences "
              "dialog box.");
}

TEST_F(MissingFiles, ThreeBuiltInFiles)
{
    reader.FOldTReadingsFile = "a.dat";
    reader.FNewTReadingsFile = "b.dat";
    reader.FApocReadingsFile = "c.dat";
    EXPECT_EQ(Page(), "");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The files \"a.dat\", \"b.dat\" and \"c.dat\" are damaged or missing from the "
              "application directory. Please manually replace the file(s) or reinstall the "
              "Selvarion program.");
}

TEST_F(MissingFiles, BothKinds)
{
    reader.FOldTReadingsFile = "Installed";
    reader.FApocReadingsFile = "x.dat";
    EXPECT_EQ(Page(), "");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The files \"Installed\" and \"x.dat\" are damaged or missing from the application "
              "data directory and/or the application directory. Please replace the file(s) or "
              "try uninstalling and then reinstalling the file(s) from the Bible Files page of "
              "the Preferences dialog box. If one or more of the files has a \".dat\" "
              "extension, then it may be necessary to manually replace the file(s) or "
              "reinstall the Selvarion program.");
}

TEST_F(MissingFiles, AFolderIsNotAFile)
{
    controls.appDataDir = "/";
    reader.FNewTReadingsFile = "tmp";
    EXPECT_EQ(Page(), "");
    ASSERT_EQ(messages.texts.size(), 1u);
}
