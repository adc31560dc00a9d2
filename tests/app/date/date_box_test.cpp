#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include "app_windows.h"
#include "content_api.h"
#include "custom_calendar.h"
#include "fifo_watch.h"
#include "rtf.h"
#include "rz_panel.h"

namespace {

const QString RangeMessage = QStringLiteral(
    "This implementation of the Old Calendar is only accurate from March 1, 1900 to February 28, 2084");

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(data);
}

bool HasCentredBlock(const QTextDocument& doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().alignment() & Qt::AlignHCenter)
            return true;
    return false;
}

bool HasBoldRun(const QTextDocument& doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold && !it.fragment().text().trimmed().isEmpty())
                return true;
    return false;
}

class DateBoxTest : public ::testing::Test {
protected:
    void CreateWindows(bool oldCalendar)
    {
        env.SetOption(QStringLiteral("OldCalendar"), oldCalendar);
        env.Create();
    }
    QColor PageColour() const { return env.main->MainRichEdit->palette().color(QPalette::Base); }
    QTextDocument& Page() const { return *env.main->MainRichEdit->document(); }
    TDateBox& Box() const { return *env.dateBox; }

    TAppWindows env;
};

} // namespace

TEST_F(DateBoxTest, ChristmasOnTheNewCalendarFillsBarsCaptionsAndPage)
{
    CreateWindows(false);
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_EQ(env.main->DateBar->Caption(), "Wednesday, December 25, 2024");
    EXPECT_EQ(env.main->InfoBar->Caption().toStdString(), Box().GetDayDescription());
    EXPECT_FALSE(env.main->InfoBar->Caption().isEmpty());
    EXPECT_EQ(Box().Month->Caption(), "December");
    EXPECT_EQ(Box().Year->Caption(), "2024");
    EXPECT_EQ(env.main->Hint(), "Viewing troparia and kontakia for December 25");
    EXPECT_EQ(env.main->StatusPanel1->text(), env.main->Hint());
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "12-25.trp");

    // The library's document, with its formatting.
    QTextDocument expected;
    const char* document = LoadTropFromResource(1225);
    ASSERT_NE(document, nullptr);
    LoadRtf(expected, QByteArray(document));
    EXPECT_EQ(Page().toPlainText(), expected.toPlainText());
    EXPECT_FALSE(Page().toPlainText().trimmed().isEmpty());
    EXPECT_TRUE(HasBoldRun(Page()));
    EXPECT_TRUE(HasCentredBlock(Page()));
    EXPECT_FALSE(Page().isModified());
    EXPECT_EQ(env.main->MainRichEdit->textCursor().position(), 0);
    EXPECT_EQ(PageColour(), env.main->palette().color(QPalette::Base));
    EXPECT_FALSE(env.main->MDeleteFile->isVisible());
    EXPECT_FALSE(env.main->N3->isVisible());
}

TEST_F(DateBoxTest, PersonalizedPageIsShownTintedWithDeleteFile)
{
    CreateWindows(false);
    WriteFile(env.DataDir() + "12-25.trp", "{\\rtf1\\ansi {\\b My own Christmas page}\\par}");
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_EQ(Page().toPlainText().trimmed(), "My own Christmas page");
    EXPECT_EQ(PageColour(), QColor(255, 255, 239));
    EXPECT_TRUE(env.main->MDeleteFile->isVisible());
    EXPECT_TRUE(env.main->MDeleteFile->isEnabled());
    EXPECT_TRUE(env.main->N3->isVisible());
    EXPECT_EQ(env.main->Hint(), "Viewing personalized troparia and kontakia for December 25");

    // Not to be loaded: the library text, a hint that says so, no Delete File.
    env.options->LoadOriginal->click();
    EXPECT_NE(Page().toPlainText().trimmed(), "My own Christmas page");
    EXPECT_TRUE(env.main->Hint().startsWith("Personalized file not loaded. Viewing troparia and kontakia for "));
    EXPECT_FALSE(env.main->MDeleteFile->isVisible());
    EXPECT_EQ(PageColour(), env.main->palette().color(QPalette::Base));

    // After a save the file shows once whatever the setting says.
    Box().FForcePersonalized = true;
    Box().ShowDayPage(false);
    EXPECT_EQ(Page().toPlainText().trimmed(), "My own Christmas page");
    EXPECT_TRUE(env.main->MDeleteFile->isVisible());
    EXPECT_FALSE(Box().FForcePersonalized);
    Box().ShowDayPage(false);
    EXPECT_FALSE(env.main->MDeleteFile->isVisible());
}

TEST_F(DateBoxTest, DamagedPersonalizedFileLoadsAsFarAsItCan)
{
    CreateWindows(false);
    static const char damagedTail[] = "\0\xff\xfe{{{\\bin999999 ";
    WriteFile(env.DataDir() + "12-25.trp",
              QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\f0 Kept text\\par {\\b\\'e9 broken") +
                  QByteArray(damagedTail, sizeof damagedTail - 1));
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_TRUE(Page().toPlainText().startsWith("Kept text"));
    EXPECT_EQ(PageColour(), QColor(255, 255, 239));
    // An unreadable file is reported and the library text shows instead.
    const QString unreadable = env.DataDir() + "12-26.trp";
    QDir().mkpath(unreadable);   // a folder where the file should be
    env.ShowDate(QDate(2024, 12, 26));
    EXPECT_EQ(env.messages.size(), 1);
    EXPECT_EQ(PageColour(), env.main->palette().color(QPalette::Base));
    // A FIFO in its place is refused at once rather than waited on.
    const TFifo fifo((env.DataDir() + "12-27.trp").toStdString());
    env.ShowDate(QDate(2024, 12, 27));
    EXPECT_FALSE(fifo.Waited());
    ASSERT_EQ(env.messages.size(), 2);
    EXPECT_TRUE(env.messages.back().contains("Not a regular file")) << env.messages.back().toStdString();
}

TEST_F(DateBoxTest, SettingTheSameDateAgainRunsTheWholeChange)
{
    CreateWindows(false);
    env.ShowDate(QDate(2024, 12, 25));
    WriteFile(env.DataDir() + "12-25.trp", "{\\rtf1 Mine\\par}");
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_EQ(PageColour(), QColor(255, 255, 239));
}

TEST_F(DateBoxTest, JuneNineteenthAndJulySecondNamesAndKeys)
{
    CreateWindows(true);
    // Old calendar: civil June 19 is old June 6.
    Box().MoveToCivilDate(QDate(2024, 6, 19));
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "6-6.ntr");
    // Civil July 2 is old June 19: the ordinary document 619.
    Box().MoveToCivilDate(QDate(2024, 7, 2));
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "6-19.trp");
    QTextDocument ordinary;
    if (const char* doc = LoadTropFromResource(619))
        LoadRtf(ordinary, QByteArray(doc));
    EXPECT_EQ(Page().toPlainText(), ordinary.toPlainText());

    env.main->MNewCalendar->trigger();
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "7-2.ntr");
    Box().MoveToCivilDate(QDate(2024, 6, 19));
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "6-19.ntr");
    EXPECT_FALSE(Box().FIconFound);
    QTextDocument second;
    if (const char* doc = LoadTropFromResource(10619))
        LoadRtf(second, QByteArray(doc));
    EXPECT_EQ(Page().toPlainText(), second.toPlainText());
    env.main->MLivesSaints->trigger();
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "6-19.nlv");
    env.main->MDailyBibleReadings->trigger();
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "6192024.nbl");
    EXPECT_TRUE(env.main->Hint().startsWith("Viewing bible verses for June 19"));
}

TEST_F(DateBoxTest, StatusPanelZeroInEachMode)
{
    CreateWindows(true);
    env.ShowDate(QDate(2040, 12, 31));   // stored old date
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 1, 13));
    EXPECT_EQ(env.main->StatusPanel0->text(), "Today's Date: January 13, 2025");
    EXPECT_GT(env.main->StatusPanel0->width(), 10);
    EXPECT_EQ(env.main->DateBar->Caption(), "Monday, December 31, 2024");
    EXPECT_EQ(Box().Year->Caption(), "2024");
    EXPECT_EQ(env.main->GetShortDateTitle(), "December 31/January 13");

    env.main->MNewCalendar->trigger();
    EXPECT_EQ(env.main->StatusPanel0->text(), "");
    EXPECT_EQ(env.main->StatusPanel0->width(), 0);
    EXPECT_EQ(Box().Calendar->CalendarDate(), QDate(2025, 1, 13));
    EXPECT_EQ(env.main->windowTitle(), "Selvarion - New Calendar");
}

TEST_F(DateBoxTest, OldCalendarArrowsStopAtTheEndsOfTheRange)
{
    CreateWindows(true);
    env.ShowDate(QDate(1916, 3, 10));
    Box().DecMonthClick();
    EXPECT_EQ(env.messages, QStringList{RangeMessage});
    EXPECT_EQ(Box().FOldDateShifted, QDate(1916, 3, 10));
    env.ShowDate(QDate(1916, 4, 30));
    Box().DecMonthClick();
    EXPECT_EQ(Box().FOldDateShifted, QDate(1916, 3, 30));
    EXPECT_EQ(Box().Calendar->CalendarDate(), QDate(1916, 3, 30));
    Box().DecYearClick();
    EXPECT_EQ(env.messages.size(), 2);
    EXPECT_EQ(Box().FOldDateShifted, QDate(1916, 3, 30));

    env.ShowDate(QDate(2100, 1, 31));
    Box().IncMonthClick();
    EXPECT_EQ(Box().FOldDateShifted, QDate(2100, 2, 28));
    EXPECT_EQ(Box().FCivilDate, QDate(2084, 3, 12));
    Box().IncMonthClick();
    EXPECT_EQ(env.messages.size(), 3);
    EXPECT_EQ(Box().FOldDateShifted, QDate(2100, 2, 28));
    env.ShowDate(QDate(2099, 3, 1));
    Box().IncYearClick();
    EXPECT_EQ(env.messages.size(), 4);
    env.ShowDate(QDate(2099, 2, 28));
    Box().IncYearClick();
    EXPECT_EQ(Box().FOldDateShifted, QDate(2100, 2, 28));
}

TEST_F(DateBoxTest, NewCalendarArrowsClampTheDayToTheMonth)
{
    CreateWindows(false);
    env.ShowDate(QDate(2025, 3, 31));
    Box().DecMonthClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 2, 28));
    env.ShowDate(QDate(2024, 3, 30));
    Box().DecMonthClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2024, 2, 29));
    Box().IncYearClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 2, 28));
    env.ShowDate(QDate(2024, 12, 31));
    Box().IncMonthClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 1, 31));
    Box().DecYearClick();
    EXPECT_EQ(Box().Calendar->CalendarDate(), QDate(2024, 1, 31));
    EXPECT_EQ(Box().Month->Caption(), "January");
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(DateBoxTest, NewCalendarStepsStopAtTheYearsTheEngineAccepts)
{
    CreateWindows(false);
    const QString newRange = QStringLiteral(
        "This implementation of the New Calendar is only accurate from January 1, 1700 to December 31, 3046");
    const QDate last(3046, 12, 31);
    const QDate first(1700, 1, 1);
    env.ShowDate(last);
    env.main->MNextDayClick();
    Box().IncYearClick();
    Box().IncMonthClick();
    env.main->MNextYearClick();
    EXPECT_EQ(env.messages, QStringList(4, newRange));
    EXPECT_EQ(Box().Calendar->CalendarDate(), last);
    env.ShowDate(QDate(3046, 1, 31));
    Box().IncMonthClick();
    EXPECT_EQ(Box().FCivilDate, QDate(3046, 2, 28));
    env.ShowDate(first);
    env.main->MPreviousDayClick();
    Box().DecMonthClick();
    Box().DecYearClick();
    env.main->MPreviousYearClick();
    EXPECT_EQ(env.messages.size(), 8);
    EXPECT_EQ(Box().FCivilDate, first);
    env.ShowDate(QDate(1700, 12, 31));
    Box().DecYearClick();
    EXPECT_EQ(Box().FCivilDate, QDate(1700, 12, 31));
    EXPECT_EQ(env.messages.size(), 9);
    // The grid set past the range shows the nearest day the engine accepts.
    env.ShowDate(QDate(1, 6, 1));
    EXPECT_EQ(Box().FCivilDate, first);
    EXPECT_FALSE(env.main->DateBar->Caption().isEmpty());
}

TEST_F(DateBoxTest, MainWindowDayAndYearCommands)
{
    CreateWindows(false);
    env.ShowDate(QDate(2024, 2, 29));
    env.main->MPreviousYearClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2023, 2, 28));
    env.ShowDate(QDate(2024, 2, 29));
    env.main->MNextYearClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 2, 28));
    env.main->MNextDayClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 3, 1));
    env.main->MPreviousDayClick();
    env.main->MPreviousDayClick();
    EXPECT_EQ(Box().FCivilDate, QDate(2025, 2, 27));
    env.main->MTodayClick();
    EXPECT_EQ(Box().FCivilDate, QDate::currentDate());
    EXPECT_EQ(env.main->StatusPanel1->text(), env.main->Hint());

    env.main->MOldCalendar->trigger();
    env.ShowDate(QDate(1916, 3, 1));
    env.main->MPreviousDayClick();
    EXPECT_EQ(env.messages, QStringList{RangeMessage});
    env.main->MNextDayClick();
    EXPECT_EQ(Box().FOldDateShifted, QDate(1916, 3, 2));
    env.ShowDate(QDate(1917, 2, 10));
    env.main->MPreviousYearClick();
    EXPECT_EQ(env.messages.size(), 2);
    env.ShowDate(QDate(1917, 3, 1));
    env.main->MPreviousYearClick();
    EXPECT_EQ(Box().FOldDateShifted, QDate(1916, 3, 1));
}

TEST_F(DateBoxTest, SwitchingToTheOldCalendarClampsTheDate)
{
    CreateWindows(false);
    env.ShowDate(QDate(2090, 5, 5));
    env.main->MOldCalendar->trigger();
    EXPECT_EQ(Box().FOldDateShifted, QDate(2100, 2, 28));
    EXPECT_EQ(Box().FCivilDate, QDate(2084, 3, 12));
    EXPECT_EQ(env.main->windowTitle(), "Selvarion - Old Calendar");
    env.main->MNewCalendar->trigger();
    env.ShowDate(QDate(1850, 1, 1));
    env.main->MOldCalendar->trigger();
    EXPECT_EQ(Box().FOldDateShifted, QDate(1916, 3, 1));
    EXPECT_EQ(Box().FCivilDate, QDate(1900, 3, 14));
}

TEST_F(DateBoxTest, ReadingsPageIsGeneratedAndPagesSwitchTheirCaptions)
{
    CreateWindows(false);
    env.ShowDate(QDate(2024, 12, 25));
    env.main->MTBBibleReadings->click();
    EXPECT_TRUE(env.main->MDailyBibleReadings->isChecked());
    EXPECT_EQ(env.main->MTBFindSaint->text(), "Find Bible Verses...");
    EXPECT_EQ(env.main->Hint(), "Viewing bible verses for December 25");
    // The status bar follows the page at once, not only when the mouse next moves.
    EXPECT_EQ(env.main->StatusPanel1->text(), "Viewing bible verses for December 25");
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "12252024.nbl");
    EXPECT_TRUE(env.main->MShowVerseNumbers->isEnabled());
    const QString built = QString::fromStdString(env.bible->BuildBibleReadingsPage());
    EXPECT_TRUE(built.contains(QStringLiteral("MATINS")));
    EXPECT_EQ(Page().toPlainText(), QString(built).remove(QLatin1Char('\r')));
    env.main->MTroparionKontakion->trigger();
    EXPECT_TRUE(env.main->MTBSelvarion->isChecked());
    EXPECT_EQ(env.main->MFindSaint->text(), "Find &Saint...");
}

// The page on screen is laid out at the editor's width at the end of each change, whether
// the day's icon leaves its column as wide as before or not, and after a page switch; a new
// page is shown from its top, however far down the old one was read.
TEST_F(DateBoxTest, PageIsLaidOutAtTheEditorsWidthAndShownFromItsTop)
{
    CreateWindows(false);
    env.main->setWindowState(Qt::WindowNoState);
    env.main->resize(900, 650);
    env.main->show();
    const auto laidOut = [this] {
        return Page().pageSize().width() == env.main->MainRichEdit->viewport()->width() &&
               Page().begin().layout()->lineCount() > 0;
    };
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_TRUE(laidOut());
    const int column = env.main->ContainerPanel->width();
    env.ShowDate(QDate(2024, 12, 25));
    EXPECT_EQ(env.main->ContainerPanel->width(), column);
    EXPECT_TRUE(laidOut());
    env.ShowDate(QDate(2024, 1, 6));
    EXPECT_EQ(env.main->ContainerPanel->width(), column);   // all icons have one width
    EXPECT_TRUE(laidOut());
    env.main->MDailyBibleReadings->trigger();
    EXPECT_TRUE(laidOut());

    env.main->MLivesSaints->trigger();
    QScrollBar& scroll = *env.main->MainRichEdit->verticalScrollBar();
    for (QDate day(2024, 3, 1); day < QDate(2024, 3, 9); day = day.addDays(1)) {
        scroll.setValue(scroll.maximum());
        env.ShowDate(day);
        EXPECT_EQ(scroll.value(), 0) << day.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(DateBoxTest, MainWindowScreenshot)
{
    CreateWindows(false);
    env.main->setWindowState(Qt::WindowNoState);
    env.main->resize(900, 650);
    env.ShowDate(QDate(2024, 12, 25));
    env.main->show();
    QApplication::processEvents();
    const QImage shot = env.main->grab().toImage();
    const QString path = QStringLiteral(SELV_PROGRAM_DIR "/../tests/main_window_2024-12-25.png");
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
    EXPECT_EQ(shot.size(), QSize(900, 650));
    env.dateBox->show();
    QApplication::processEvents();
    EXPECT_TRUE(env.dateBox->grab().save(QStringLiteral(SELV_PROGRAM_DIR "/../tests/select_date_2024-12-25.png")));
}

TEST_F(DateBoxTest, StatusPanelShowsHintsAndFallsBackToThePageStatus)
{
    CreateWindows(false);
    env.ShowDate(QDate(2024, 12, 25));
    QStatusTipEvent hovering(QStringLiteral("Selects the readings for the next day"));
    QApplication::sendEvent(env.main.get(), &hovering);
    EXPECT_EQ(env.main->StatusPanel1->text(), "Selects the readings for the next day");
    QStatusTipEvent left{QString()};
    QApplication::sendEvent(env.main.get(), &left);
    EXPECT_EQ(env.main->StatusPanel1->text(), "Viewing troparia and kontakia for December 25");
    EXPECT_EQ(env.main->MNextDay->statusTip(), "Selects the readings for the next day");
    EXPECT_EQ(env.main->MNextDay->toolTip(), "Next Day");
    EXPECT_EQ(env.main->MFile->menuAction()->statusTip(),
              "Select date, save, print active document or quit selvarion");
    EXPECT_EQ(env.main->MOptions->menuAction()->statusTip(), "Select user interface preferences");

    // With hints off no tooltip reaches any control.
    env.main->SetHintsShown(false);
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    EXPECT_TRUE(env.main->eventFilter(env.main->MTBFindSaint, &tip));
    env.main->SetHintsShown(true);
    EXPECT_FALSE(env.main->eventFilter(env.main->MTBFindSaint, &tip));
}
