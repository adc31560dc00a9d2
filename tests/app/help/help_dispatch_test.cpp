// The help dispatcher and the routing of F1 and What's This clicks to it: which topic each
// request shows and where a popup topic is placed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "about_box.h"
#include "app_windows.h"
#include "custom_find_dialog.h"
#include "dialog_hook.h"
#include "help_keys.h"
#include "html_help.h"
#include "key_popup.h"
#include "save_dialog.h"

namespace {

struct TRequest {
    bool popup;
    QString address;
    QPoint point;
};

class HelpDispatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.Create();
        find = std::make_unique<TCustomFindDialog>(*env.main);
        HtmlHelp::SetHook([this](const QString& address) { requests.push_back({false, address, {}}); });
        TKeyPopup::SetHook([this](const QString& address, int x, int y) {
            requests.push_back({true, address, {x, y}});
        });
        QCursor::setPos(Mouse);
    }
    void TearDown() override
    {
        HtmlHelp::SetHook(nullptr);
        TKeyPopup::SetHook(nullptr);
    }
    static void PressF1(QWidget* focused)
    {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(focused, &f1);
    }
    static void ClickInWhatsThisMode(QWidget* control)
    {
        QHelpEvent click(QEvent::WhatsThis, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(control, &click);
    }
    // The one request made since the last call.
    TRequest Last()
    {
        EXPECT_EQ(requests.size(), 1u);
        const TRequest last = requests.empty() ? TRequest{} : requests.back();
        requests.clear();
        return last;
    }
    QString Address(const char* topic) const { return env.main->FHelpFileName + QLatin1String(topic); }
    static QPoint Corner(const QWidget* control) { return control->mapToGlobal(QPoint(0, 0)); }

    const QPoint Mouse{613, 427};
    TAppWindows env;
    std::unique_ptr<TCustomFindDialog> find;
    std::vector<TRequest> requests;
};

TEST_F(HelpDispatchTest, OnlyTheTwoHelpCommandsAreAnswered)
{
    TSelvarionMainForm& main = *env.main;
    main.FHelpKeyPressed = true;
    bool callHelp = true;
    EXPECT_FALSE(main.AppOnHelp(2, 101, callHelp));
    EXPECT_FALSE(callHelp);
    EXPECT_TRUE(main.FHelpKeyPressed);
    EXPECT_TRUE(requests.empty());
    EXPECT_TRUE(main.AppOnHelp(HelpCommandContextPopup, 101, callHelp));
    EXPECT_FALSE(main.FHelpKeyPressed);
    const TRequest request = Last();
    EXPECT_TRUE(request.popup);
    EXPECT_EQ(request.address, Address("::/html/popfile/selectdate.htm"));
    EXPECT_EQ(request.point, Mouse);
}

TEST_F(HelpDispatchTest, F1OnAPreferencesControlPlacesItsPopupAtTheControlAndTheMouseOtherwise)
{
    TOptionsDialog& options = *env.options;
    options.show();
    PressF1(options.ShowHints);
    TRequest request = Last();
    EXPECT_EQ(request.address, Address("::/html/poppreferences/showhints.htm"));
    EXPECT_EQ(request.point, Corner(options.ShowHints));
    EXPECT_NE(request.point, Mouse);
    EXPECT_FALSE(env.main->FHelpKeyPressed);
    // The flag went with that request: a click on the same box is answered at the mouse.
    ClickInWhatsThisMode(options.ShowHints);
    request = Last();
    EXPECT_EQ(request.address, Address("::/html/poppreferences/showhints.htm"));
    EXPECT_EQ(request.point, Mouse);
    options.hide();
}

TEST_F(HelpDispatchTest, ControlsSharingAContextPlaceThePopupAtTheirFixedControl)
{
    TOptionsDialog& options = *env.options;
    options.PageControl->setCurrentWidget(options.BibleFiles);
    for (QRadioButton* radio : options.FileRadioButtons)
        radio->show();
    options.show();
    for (QWidget* control : {static_cast<QWidget*>(options.FileRadioButtons[0]),
                             static_cast<QWidget*>(options.FileRadioButtons[11])}) {
        PressF1(control);
        const TRequest request = Last();
        EXPECT_EQ(request.address, Address("::/html/poppreferences/filescheckbox.htm"));
        EXPECT_EQ(request.point, Corner(options.FileRadioButtons[5]));
    }
    EXPECT_NE(Corner(options.FileRadioButtons[0]), Corner(options.FileRadioButtons[5]));
    options.PageControl->setCurrentWidget(options.UserPrefs);
    PressF1(options.LoadPersonalized);
    EXPECT_EQ(Last().point, Corner(options.LoadOriginal));
    options.hide();

    TBibleSearchDlg& bible = *env.bible;
    bible.show();
    PressF1(bible.eStartVerse);
    TRequest request = Last();
    EXPECT_EQ(request.address, Address("::/html/popbibledlg/chapterverse.htm"));
    EXPECT_EQ(request.point, Corner(bible.eEndChapter));
    PressF1(bible.HelpButton);
    request = Last();
    EXPECT_EQ(request.address, Address("::/html/popbibledlg/helpbutton.htm"));
    EXPECT_EQ(request.point, Corner(bible.HelpButton));
    bible.close();
}

TEST_F(HelpDispatchTest, TheFontBoxesPopupsStandAtAFixedPointBelowTheBox)
{
    TSelvarionMainForm& main = *env.main;
    main.move(40, 30);
    main.show();
    PressF1(main.ETBFontSize->lineEdit());
    TRequest request = Last();
    EXPECT_EQ(request.address, Address("::/html/popedit/fontsize.htm"));
    EXPECT_EQ(request.point,
              QPoint(main.x() + main.ETBFontSize->x() + 25, main.y() + main.EditToolBar->y() + 55));
    ClickInWhatsThisMode(main.ETBFontName);
    request = Last();
    EXPECT_EQ(request.address, Address("::/html/popedit/fontname.htm"));
    EXPECT_EQ(request.point,
              QPoint(main.x() + main.ETBFontName->x() + 45, main.y() + main.EditToolBar->y() + 55));
}

TEST_F(HelpDispatchTest, MenusToolbarsAndEditorUseTheirCommandsContexts)
{
    TSelvarionMainForm& main = *env.main;
    main.show();
    main.MFile->popup(QPoint(50, 50));
    main.MFile->setActiveAction(main.MSave);
    PressF1(main.MFile);
    EXPECT_EQ(Last().address, Address("::/html/popfile/save.htm"));
    EXPECT_FALSE(main.MFile->isVisible());

    ClickInWhatsThisMode(main.MainToolBar->widgetForAction(main.MNextDay));
    EXPECT_EQ(Last().address, Address("::/html/popfile/nextday.htm"));
    ClickInWhatsThisMode(main.ETBUndo);
    EXPECT_EQ(Last().address, Address("::/html/popedit/undo.htm"));
    main.CheckPageItems(TDayPage::LivesSaints);
    ClickInWhatsThisMode(main.MTBFindSaint);
    EXPECT_EQ(Last().address, Address("::/html/popsearch/findlifeofsaint.htm"));

    PressF1(main.MainRichEdit->viewport());
    TRequest request = Last();
    EXPECT_FALSE(request.popup);
    EXPECT_EQ(request.address, Address("::/html/refmain/main.htm>secwin"));
    main.MHelpTopics->trigger();
    EXPECT_EQ(Last().address, main.FHelpFileName);
}

TEST_F(HelpDispatchTest, TheFindDialogsTopicFollowsItsModeAndTheShownPage)
{
    TSelvarionMainForm& main = *env.main;
    find->ShowOptionControls(true);
    PressF1(find->FindEdit);
    EXPECT_EQ(Last().address, Address("::/html/refdlg/findpagedlg.htm>secwin"));
    find->ShowOptionControls(false);
    main.CheckPageItems(TDayPage::TroparionKontakion);
    PressF1(find->MatchCase);
    EXPECT_EQ(Last().address, Address("::/html/refdlg/findsaintdlg.htm>secwin"));
    main.CheckPageItems(TDayPage::LivesSaints);
    find->HelpButton->click();
    EXPECT_EQ(Last().address, Address("::/html/refdlg/findlifeofsaintdlg.htm>secwin"));
}

TEST_F(HelpDispatchTest, DialogsAskForTheirOwnTopics)
{
    TOptionsDialog& options = *env.options;
    options.PageControl->setCurrentWidget(options.InstallPage);
    options.HelpButton->click();
    EXPECT_EQ(Last().address, Address("::/html/refdlg/preferencesdlg.htm#Install>secwin"));
    // Help asked for on the dialog itself, with no control focused.
    options.PageControl->setCurrentWidget(options.BibleVersions);
    bool callHelp = false;
    env.main->AppOnHelp(HelpCommandContext, 900, callHelp);
    EXPECT_EQ(Last().address, Address("::/html/refdlg/preferencesdlg.htm#Versions>secwin"));

    env.bible->HelpButton->click();
    EXPECT_EQ(Last().address, Address("::/html/refdlg/findbibledlg.htm>secwin"));

    // The save dialog has no Help button: F1 while it is open asks for its topic.
    SetSaveDialogHook([this](QFileDialog& dialog) {
        PressF1(dialog.findChild<QLineEdit*>());
        return QString();
    });
    env.main->MSaveAsClick();
    SetSaveDialogHook(nullptr);
    EXPECT_EQ(Last().address, Address("::/html/refdlg/saveasdlg.htm>secwin"));
    TDialogHook<QFileDialog>::Set([](QFileDialog& dialog) {
        PressF1(dialog.findChild<QLineEdit*>());
        return false;
    });
    options.FileBrowseButtonClick();
    TDialogHook<QFileDialog>::Set(nullptr);
    EXPECT_EQ(Last().address, Address("::/html/refdlg/browsedlg.htm>secwin"));
}

TEST_F(HelpDispatchTest, ContextsWithoutATopicAskForAnEmptyAddress)
{
    TAboutBox about(env.main.get());
    PressF1(&about);
    TRequest request = Last();
    EXPECT_FALSE(request.popup);
    EXPECT_EQ(request.address, QString());
    bool callHelp = false;
    EXPECT_TRUE(env.main->AppOnHelp(HelpCommandContext, 120, callHelp));
    request = Last();
    EXPECT_TRUE(request.popup);
    EXPECT_EQ(request.address, QString());
    EXPECT_EQ(request.point, Mouse);
}

TEST_F(HelpDispatchTest, APopupAddressIsCutTo259Characters)
{
    env.main->FHelpFileName = QStringLiteral("/tmp/") + QString(300, QLatin1Char('h'));
    bool callHelp = false;
    env.main->AppOnHelp(HelpCommandContext, 111, callHelp);
    EXPECT_EQ(Last().address, env.main->FHelpFileName.left(259));
}

TEST_F(HelpDispatchTest, AMissingHelpFileIsReportedForPopupsOnly)
{
    HtmlHelp::SetHook(nullptr);
    TKeyPopup::SetHook(nullptr);
    const QString missing = env.DataDir() + QStringLiteral("selvmain.qch");
    env.main->FHelpFileName = missing;
    env.main->FHelpKeyPressed = true;
    bool callHelp = false;
    EXPECT_TRUE(env.main->AppOnHelp(HelpCommandContext, 101, callHelp));
    EXPECT_FALSE(env.main->FHelpKeyPressed);
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_EQ(env.messages[0], QStringLiteral("Error connecting to IKeyPopup = EKeyPopupError\n"
                                              "The help file %1 is missing or cannot be read.")
                                   .arg(missing));
    EXPECT_EQ(TKeyPopup::Shown(), nullptr);

    EXPECT_TRUE(env.main->AppOnHelp(HelpCommandContext, 400, callHelp));
    EXPECT_EQ(env.messages.size(), 1);
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
}

} // namespace
