#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "about_box.h"
#include "app_windows.h"
#include "calendar_select_query.h"
#include "custom_calendar.h"
#include "donation_query.h"
#include "pascha_report.h"
#include "splash_screen.h"
#include "url_recorder.h"

namespace {

TEST(SplashScreen, ScalesWithTheScreenWidthAndEndsItsWaitWhenTheTimerFires)
{
    TestApplication();
    TSplashScreen splash;
    EXPECT_EQ(splash.Timer->interval(), 3000);
    // The offscreen screen is 800 pixels wide: the window is scaled by 800/1024.
    const int width = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(splash.size(), QSize(324 * width / 1024, 532 * width / 1024));
    EXPECT_FALSE(splash.SplashImage->pixmap().isNull());

    splash.Timer->setInterval(10);
    splash.Hold();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.Timer->isActive());
}

TEST(AboutBox, ShowsTheVersionInThreePartsAndShrinksOnSmallScreens)
{
    TestApplication();
    TAboutBox box(nullptr, QSize(1024, 768));
    EXPECT_EQ(box.windowTitle(), "About Selvarion");
    EXPECT_EQ(box.Version->text(), "Version 3.0");
    EXPECT_EQ(box.Release->text(), "Release 1");
    EXPECT_EQ(box.Build->text(), "Build 729");
    EXPECT_EQ(box.ProductName->text(), "SELVARION");
    EXPECT_EQ(box.size(), QSize(554, 487));
    EXPECT_FALSE(box.SplashImage->pixmap().isNull());

    EXPECT_EQ(TAboutBox(nullptr, QSize(640, 480)).size(), QSize(554 * 85 / 100, 487 * 85 / 100));
    EXPECT_EQ(TAboutBox(nullptr, QSize(800, 539)).size(), QSize(554 * 85 / 100, 487 * 85 / 100));
    EXPECT_EQ(TAboutBox(nullptr, QSize(720, 540)).size(), QSize(554, 487));
}

TEST(AboutBox, ClosesOnAClickOnTheTextButNotOnTheCreditLine)
{
    TestApplication();
    TAboutBox box(nullptr, QSize(1024, 768));
    box.show();
    QTest::mouseClick(box.BottomLabel, Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(box.Build, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(DonationQuery, DonateOpensThePageAndClosesAndTheWindowShrinksOnSmallScreens)
{
    TestApplication();
    TUrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "Open");
    TDonationQuery query(nullptr, QSize(1024, 768));
    EXPECT_EQ(query.windowTitle(), "Selvarion Donations");
    EXPECT_EQ(query.size(), QSize(456, 470));
    query.show();
    query.DonateButton->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(recorder.opened, QList<QUrl>{DonationPageUrl});
    EXPECT_FALSE(query.isVisible());

    EXPECT_EQ(TDonationQuery(nullptr, QSize(640, 480)).size(), QSize(456 * 82 / 100, 470 * 82 / 100));
}

class FirstRunTest : public ::testing::Test {
protected:
    void Create(bool oldCalendar, const QDate& civil)
    {
        env.SetOption(QStringLiteral("OldCalendar"), oldCalendar);
        env.Create();
        env.dateBox->MoveToCivilDate(civil);
    }
    TAppWindows env;
};

TEST_F(FirstRunTest, ContinueWithTheDefaultChoosesTheOldCalendar)
{
    Create(false, QDate(2025, 1, 5));
    TCalendarSelectQuery query(*env.main);
    EXPECT_EQ(query.windowTitle(), "Select Calendar Preference");
    // Civil January 5 is old December 23 of the year before.
    EXPECT_EQ(query.DateLabel2->text(), "December 23, 2024");
    EXPECT_TRUE(query.CSOldCalendar->isChecked());
    // The texts are one block, evenly spaced, the date among them.
    query.show();
    const QLabel* const block[] = {query.QuestionLabel1, query.QuestionLabel2, query.QuestionLabel3,
                                   query.DateLabel1, query.DateLabel2, query.QuestionLabel4};
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(block[i]->y() - block[i - 1]->geometry().bottom(),
                  block[1]->y() - block[0]->geometry().bottom()) << i;
    for (const QLabel* label : block) EXPECT_EQ(label->height(), label->heightForWidth(label->width()));

    // Continue is the only way out: no window-manager frame with its title-bar buttons (the
    // window draws its own caption), and neither Escape nor a close request ends it.
    EXPECT_TRUE(query.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(query.Caption->text(), "Select Calendar Preference");
    query.show();
    QTest::keyClick(&query, Qt::Key_Escape);
    EXPECT_TRUE(query.isVisible());
    query.close();
    EXPECT_TRUE(query.isVisible());

    query.ContinueButton->click();
    EXPECT_FALSE(query.isVisible());
    EXPECT_TRUE(env.main->MOldCalendar->isChecked());
    EXPECT_FALSE(env.main->MNewCalendar->isChecked());
    EXPECT_EQ(env.main->windowTitle(), "Selvarion - Old Calendar");
    // The grid holds the old date (year plus 16) and the day was recomputed from it.
    EXPECT_EQ(env.dateBox->Calendar->CalendarDate(), QDate(2040, 12, 23));
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2025, 1, 5));
    EXPECT_EQ(env.main->StatusPanel1->text(), env.main->Hint());
}

TEST_F(FirstRunTest, ChoosingTheNewCalendarLeavesTheOldMode)
{
    Create(true, QDate(2024, 6, 1));
    TCalendarSelectQuery query(*env.main);
    query.CSNewCalendar->setChecked(true);
    query.ContinueButton->click();
    EXPECT_FALSE(env.main->MOldCalendar->isChecked());
    EXPECT_TRUE(env.main->MNewCalendar->isChecked());
    EXPECT_EQ(env.main->windowTitle(), "Selvarion - New Calendar");
    EXPECT_EQ(env.dateBox->Calendar->CalendarDate(), QDate(2024, 6, 1));
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 6, 1));
    // The choice is in the store at once, not only when the program ends.
    EXPECT_FALSE(TRegIniFile(SettingsKey).ReadBool(QStringLiteral("Options"), QStringLiteral("OldCalendar"), true));
}

const QString Report2024New = QStringLiteral(
    "The date of Easter for Catholic, Anglican and Protestant Christians for 2024 is March 31.  "
    "The civil calendar date of Pascha for 2024 is May 5.\n\n"
    "The date of Easter for Catholic, Anglican and Protestant Christians for 2025 is April 20.  "
    "The civil calendar date of Pascha for 2025 is April 20.");
const QString Report2024Old = QStringLiteral(
    "The date of Easter for Catholic, Anglican and Protestant Christians for 2024 is March 31.  "
    "The civil calendar date of Pascha for 2024 is May 5, or Julian calendar date April 22.\n\n"
    "The date of Easter for Catholic, Anglican and Protestant Christians for 2025 is April 20.  "
    "The civil calendar date of Pascha for 2025 is April 20, or Julian calendar date April 7.");

TEST_F(FirstRunTest, PaschaReportInBothCalendarsFromTheHelpMenu)
{
    Create(false, QDate(2024, 8, 15));
    EXPECT_EQ(env.main->MFindEasterDate->text(), "&Find the date of Easter...");
    EXPECT_EQ(env.main->MFindEasterDate->statusTip(),
              "Displays the dates of Western Easter and Pascha for the current year");
    env.main->MFindEasterDate->trigger();
    EXPECT_EQ(env.messages, QStringList{Report2024New});

    env.main->MOldCalendar->trigger();
    EXPECT_EQ(PaschaReportText(*env.dateBox, true), Report2024Old);
}

TEST_F(FirstRunTest, PaschaReportIsCentredOverTheMainWindow)
{
    Create(false, QDate(2024, 8, 15));
    env.main->setWindowState(Qt::WindowNoState);
    env.main->setGeometry(120, 60, 700, 540);
    env.main->show();
    QApplication::processEvents();
    QPoint centre;
    SetMessageBoxHook([&](QMessageBox& box) {
        // Shown, the box wraps its long text and takes its final size.
        box.show();
        QApplication::processEvents();
        centre = box.frameGeometry().center();
        box.hide();
        return QMessageBox::Ok;
    });
    env.main->MFindEasterDate->trigger();
    const QPoint off = centre - env.main->frameGeometry().center();
    EXPECT_LE(std::abs(off.x()), 1) << off.x();
    EXPECT_LE(std::abs(off.y()), 1) << off.y();
}

TEST_F(FirstRunTest, PaschaReportEarlyInJanuaryNamesTheOldCalendarYear)
{
    Create(true, QDate(2025, 1, 5));
    const QString text = PaschaReportText(*env.dateBox, true);
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "The date of Easter for Catholic, Anglican and Protestant Christians for 2024 is March 31.  "
        "The civil calendar date of Pascha for 2024 is May 5,")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("for 2025 is April 20, or Julian calendar date April 7.")))
        << text.toStdString();
}

TEST_F(FirstRunTest, HelpMenuCarriesTheInformationCommands)
{
    Create(false, QDate(2024, 8, 15));
    EXPECT_EQ(env.main->MHelp->title(), "&Help");
    EXPECT_EQ(env.main->MDonate->text(), "&Express Appreciation...");
    EXPECT_EQ(env.main->MAboutSelvarion->text(), "&About Selvarion...");
    EXPECT_EQ(env.main->MAboutSelvarion->statusTip(), "Shows program information");
    // The About box comes up modally and closes on a click.
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget()))
            QTest::mouseClick(box->Version, Qt::LeftButton);
    });
    env.main->MAboutSelvarion->trigger();
}

} // namespace

