// The help dispatcher and the routing of F1 and What's This clicks to it: which topic each
// request shows and where a popup topic is placed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QFontDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
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

    // F1 in the Select Date window.
    env.dateBox->show();
    PressF1(env.dateBox->Calendar);
    EXPECT_EQ(Last().address, Address("::/html/refdlg/calendardlg.htm>secwin"));
    env.dateBox->hide();
    // The toolkit's dialogs: F1 in them and their Help button ask for their topics.
    const auto askBoth = [](QDialog& dialog) {
        PressF1(dialog.findChildren<QPushButton*>().first());
        if (auto* help = dialog.findChild<QPushButton*>(QStringLiteral("HelpButton"))) help->click();
        return false;
    };
    SetSaveDialogHook([&](QFileDialog& dialog) { return askBoth(dialog) ? dialog.directory().path() : QString(); });
    env.main->MSaveAsClick();
    TDialogHook<QFileDialog>::Set(askBoth);
    options.FileBrowseButtonClick();
    TDialogHook<QPrintDialog>::Set(askBoth);
    env.main->MPrintClick();
    TDialogHook<QFontDialog>::Set(askBoth);
    env.main->MFontClick();
    SetSaveDialogHook(nullptr);
    TDialogHook<QFileDialog>::Set(nullptr);
    TDialogHook<QPrintDialog>::Set(nullptr);
    TDialogHook<QFontDialog>::Set(nullptr);
    QStringList asked;
    for (const TRequest& request : std::exchange(requests, {}))
        asked << request.address.mid(Address("::/html/refdlg/").size());
    EXPECT_EQ(asked, QStringList({"saveasdlg.htm>secwin", "saveasdlg.htm>secwin", "browsedlg.htm>secwin", "browsedlg.htm>secwin",
                                  "printdlg.htm>secwin", "printdlg.htm>secwin", "fontdlg.htm>secwin", "fontdlg.htm>secwin"}));
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

TEST_F(HelpDispatchTest, EveryContextOfTheTableShowsItsTopic)
{
    TSelvarionMainForm& main = *env.main;
    TOptionsDialog& options = *env.options;
    // The popup topics per folder: context and page.
    const char* const popups[][2] = {
        {"popfile", "101 selectdate, 102 previousyear, 103 previousday, 104 returntotoday, 105 nextday, "
                    "106 nextyear, 107 save, 108 saveas, 109 deletefile, 110 print, 111 exit"},
        {"popedit", "121 undo, 122 cut, 123 copy, 124 paste, 125 delete, 126 selectall, 151 fontname, "
                    "152 fontsize, 153 fontcolor"},
        {"popformat", "141 font, 142 bold, 143 italic, 144 underline, 145 leftalign, 146 centeralign, "
                      "147 rightalign, 148 bullets"},
        {"popsearch", "161 findpage, 162 findnext, 164 endsearch"},
        {"popoptions", "181 oldcalendar, 182 newcalendar, 183 selvarion, 185 synaxarion, 186 preferences"},
        {"poppreferences",
         "187 showversenumbers, 241 showicons, 242 showversenumbers, 243 uselukanjump, 244 showtoolbars, "
         "245 showtoolbars, 246 showhints, 247 showallmessagedialogs, 248 loadingpersonalizedfiles, "
         "249 browseapplicationdatadirectory, 251 changeactiveversionsbutton, 252 applychangesbutton, "
         "261 filesinstallbutton, 262 filesuninstallbutton, 263 fileseditbutton, 264 filescheckbox, "
         "265 filesokbutton, 266 filescancelbutton, 271 oldtreadings, 272 newtreadings, 273 apocreadings, "
         "274 oldtsearch, 275 newtsearch, 276 apocsearch, 277 versionsokbutton, 278 versionscancelbutton, "
         "281 browsebutton, 282 fileedit, 283 scanbutton, 284 nameedit, 285 installokbutton, "
         "286 installcancelbutton, 291 mainokbutton, 292 maincancelbutton, 293 mainhelpbutton"},
        {"popinfo", "188 shownexticonbutton"},
        {"pophelp", "201 helptopics, 202 findeaster, 203 expressappreciation, 204 about"},
        {"popbibledlg", "221 book, 222 chapterverse, 223 endofchapter, 224 endofbook, 225 chapterheadings, "
                        "226 versenumbers, 227 searchin, 228 findbutton, 229 cancelbutton, 230 endsearchbutton, "
                        "231 helpbutton"},
    };
    const char* const references = "400 refmain/main, 450 refdlg/calendardlg, 500 refdlg/saveasdlg, 550 refdlg/printdlg, "
                                   "600 refdlg/fontdlg, 800 refdlg/findbibledlg, 950 refdlg/browsedlg";
    QSet<int> contexts;
    const auto expect = [&](int context, const QString& topic) {
        bool callHelp = false;
        EXPECT_TRUE(main.AppOnHelp(HelpCommandContext, context, callHelp));
        const TRequest request = Last();
        EXPECT_EQ(request.popup, context < 300) << context;
        EXPECT_EQ(request.address, main.FHelpFileName + "::/html/" + topic) << context;
        contexts.insert(context);
    };
    const auto entries = [](const char* list) { return QString::fromLatin1(list).split(QStringLiteral(", ")); };
    for (const QString& entry : entries(references))
        expect(entry.section(QLatin1Char(' '), 0, 0).toInt(), entry.section(QLatin1Char(' '), 1) + ".htm>secwin");
    for (const auto& [folder, pages] : popups)
        for (const QString& entry : entries(pages))
            expect(entry.section(QLatin1Char(' '), 0, 0).toInt(), folder + ("/" + entry.section(QLatin1Char(' '), 1)) + ".htm");
    expect(184, "popoptionsbiblereadings.htm");
    // Topics that follow the Find dialog's mode, the shown page and the Preferences page.
    expect(700, "refdlg/findpagedlg.htm>secwin");
    find->ShowOptionControls(false);
    const struct {
        TDayPage page;
        const char *dialog, *popup;
    } pages[] = {{TDayPage::TroparionKontakion, "findsaintdlg", "findsaint"},
                 {TDayPage::DailyBibleReadings, "findlifeofsaintdlg", "findbible"},
                 {TDayPage::LivesSaints, "findlifeofsaintdlg", "findlifeofsaint"}};
    for (const auto& [page, dialog, popup] : pages) {
        main.CheckPageItems(page);
        expect(700, QStringLiteral("refdlg/%1.htm>secwin").arg(QLatin1String(dialog)));
        expect(163, QStringLiteral("popsearch/%1.htm").arg(QLatin1String(popup)));
    }
    const std::pair<QWidget*, const char*> preferences[] = {{options.UserPrefs, "Preferences"},
        {options.BibleVersions, "Versions"}, {options.ChangeVersionsPage, "Versions"}, {options.BibleFiles, "Files"},
        {options.InstallPage, "Install"}};
    for (const auto& [page, anchor] : preferences) {
        options.PageControl->setCurrentWidget(page);
        expect(900, QStringLiteral("refdlg/preferencesdlg.htm#%1>secwin").arg(QLatin1String(anchor)));
    }
    EXPECT_EQ(contexts.size(), 98);
}

} // namespace
