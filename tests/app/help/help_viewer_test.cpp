// The help window and the popup on screen (offscreen): the topic asked for is the one shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QListWidget>
#include <QKeyEvent>
#include <QScreen>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "app_windows.h"
#include "help_file.h"
#include "help_window.h"
#include "html_help.h"
#include "help_keys.h"
#include "key_popup.h"
#include "url_recorder.h"

namespace {

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        SetMessageBoxHook([this](QMessageBox& box) { messages << box.text(); return QMessageBox::Ok; });
    }
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        HtmlHelp::CloseAll();
        if (TKeyPopup::Shown())
            delete TKeyPopup::Shown();
    }
    const QString file = QStringLiteral(SELV_PROGRAM_DIR "/selvmain.qch");
    QStringList messages;
};

// Clicks the first link of the shown page that leads to `href`.
void ClickLink(QTextBrowser& browser, const QString& href)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref() != href)
                continue;
            QTextCursor cursor(browser.document());
            cursor.setPosition(fragment.fragment().position() + 1);
            QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(cursor).center());
            return;
        }
    ADD_FAILURE() << "no link to " << href.toStdString();
}

TEST_F(HelpViewerTest, OneHelpWindowShowsEachTopicAskedFor)
{
    HtmlHelp::DisplayTopic(file);
    THelpWindow* window = HtmlHelp::Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Selvarion Help"));
    EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("Selvarion Help"));

    HtmlHelp::DisplayTopic(file + QStringLiteral("::/html/refdlg/preferencesdlg.htm#Install>secwin"));
    EXPECT_EQ(HtmlHelp::Window(), window);
    EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("The Preferences Dialog"));
    EXPECT_EQ(window->Browser()->source().fragment(), QStringLiteral("Install"));
    // The section of the anchor stands at the top of the view, though it is the page's last.
    EXPECT_EQ(window->Browser()->cursorForPosition(QPoint(10, 10)).block().text(),
              QStringLiteral("Installing a Bible version"));
    // A click on a link of the page shows the page it names in the same window, the
    // desktop is not asked to open it.
    TUrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("qthelp"), &desktop, "Open");
    ClickLink(*window->Browser(), QStringLiteral("browsedlg.htm"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("qthelp"));
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("Select a Bible Text File to Install"));

    // One click in the contents shows its topic; an index word of several topics offers them.
    QHelpEngine& engine = window->File().Engine();
    QSignalSpy contentsCreated(engine.contentModel(), &QHelpContentModel::contentsCreated);
    QSignalSpy indexCreated(engine.indexModel(), &QHelpIndexModel::indexCreated);
    ASSERT_TRUE(engine.contentModel()->rowCount() > 0 || contentsCreated.wait());
    QHelpContentWidget& contents = *window->Contents();
    const QModelIndex files = window->ContentsEntry(window->File().PageUrl(QStringLiteral("html/refdlg/preferencesdlg.htm"), QStringLiteral("Files")));
    contents.scrollTo(files);
    QTest::mouseClick(contents.viewport(), Qt::LeftButton, {}, contents.visualRect(files).center());
    EXPECT_EQ(window->Browser()->source().fragment(), QStringLiteral("Files"));
    ASSERT_TRUE(engine.indexModel()->rowCount() > 0 || indexCreated.wait());
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        auto* list = QApplication::activeModalWidget()->findChild<QListWidget*>();
        for (int row = 0; row < list->count(); ++row) offered << list->item(row)->text();
        list->setCurrentRow(int(offered.indexOf(QStringLiteral("The Preferences Dialog > Bible Files Page > OK"))));
        qobject_cast<QDialog*>(list->window())->accept();
    });
    engine.indexWidget()->filterIndices(QStringLiteral("OK"));
    engine.indexWidget()->activateCurrentItem();
    EXPECT_EQ(offered.size(), 4);
    EXPECT_EQ(window->File().PageOf(window->Browser()->source()), QStringLiteral("html/poppreferences/filesokbutton.htm"));
    HtmlHelp::CloseAll();
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
    HtmlHelp::DisplayTopic(QString());
    HtmlHelp::DisplayTopic(QStringLiteral("/nowhere/selvmain.qch::/html/refmain/main.htm>secwin"));
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(HelpViewerTest, APopupShowsItsTopicAtThePointKeptOnTheScreen)
{
    TKeyPopup().DisplayURL(file + QStringLiteral("::/html/poppreferences/showhints.htm"), 30, 40);
    QTextBrowser* popup = TKeyPopup::Shown();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->windowFlags() & Qt::Popup);
    EXPECT_EQ(popup->documentTitle(), QStringLiteral("Show Toolbar Hints"));
    EXPECT_EQ(popup->geometry().topLeft(), QPoint(30, 40));

    // A second popup replaces the first; near the screen's corner it moves inside.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    TKeyPopup().DisplayURL(file + QStringLiteral("::/html/popoptionsbiblereadings.htm"), screen.right() - 5,
                           screen.bottom() - 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(TKeyPopup::Shown(), nullptr);
    EXPECT_NE(TKeyPopup::Shown(), popup);
    popup = TKeyPopup::Shown();
    EXPECT_EQ(popup->documentTitle(), QStringLiteral("Bible Readings"));
    EXPECT_TRUE(screen.contains(popup->geometry()));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(popup, &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TKeyPopup::Shown(), nullptr);

    // A click inside keeps the popup; a click elsewhere, which reaches the popup while it is
    // open, closes it.
    TKeyPopup().DisplayURL(file + QStringLiteral("::/html/poppreferences/showhints.htm"), 30, 40);
    popup = TKeyPopup::Shown();
    ASSERT_NE(popup, nullptr);
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(popup->isVisible());
    QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(-20, popup->height() + 20));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TKeyPopup::Shown(), nullptr);

    TKeyPopup().DisplayURL(file + QStringLiteral("::/html/popfile/none.htm"), 0, 0);
    EXPECT_EQ(messages, QStringList{MissingTopicMessage(file, QStringLiteral("html/popfile/none.htm"))});
    TKeyPopup().DisplayURL(QString(), 0, 0);
    EXPECT_EQ(TKeyPopup::Shown(), nullptr);
}

TEST_F(HelpViewerTest, F1OnAControlShowsItsPopupAndTheDialogsHelpItsTopic)
{
    TAppWindows env;
    env.Create();
    env.options->show();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(env.options->ShowIcons, &f1);
    ASSERT_NE(TKeyPopup::Shown(), nullptr);
    EXPECT_EQ(TKeyPopup::Shown()->documentTitle(), QStringLiteral("Show Icons"));
    TKeyPopup::Shown()->close();

    env.options->HelpButton->click();
    ASSERT_NE(HtmlHelp::Window(), nullptr);
    EXPECT_EQ(HtmlHelp::Window()->Browser()->documentTitle(), QStringLiteral("The Preferences Dialog"));
    env.options->hide();
    // The main window takes every help window with it.
    env.Destroy();
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
}

TEST_F(HelpViewerTest, HelpReachesEveryControlAndStaysSafe)
{
    TAppWindows env;
    env.Create();
    TSelvarionMainForm& main = *env.main;
    QStringList asked;   // "topic" or "popup at x,y"
    HtmlHelp::SetHook([&asked](const QString& address) { asked << address; });
    TKeyPopup::SetHook([&](const QString& address, int x, int y) { asked << QStringLiteral("%1 at %2,%3").arg(address).arg(x).arg(y); });
    QCursor::setPos(611, 433);
    const auto topic = [&](const char* page) { return main.FHelpFileName + "::/html/" + page; };
    const auto press = [](QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key, modifiers);
    };
    // F1 right after start shows the main window's topic; Shift+F1, then a command's key, shows
    // the command's popup at the mouse and runs nothing.
    main.show();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    press(main, Qt::Key_F1);
    const QDate shown = env.dateBox->FCivilDate;
    for (const Qt::Key key : {Qt::Key_F11, Qt::Key_F12, Qt::Key_F7}) {
        press(main, Qt::Key_F1, Qt::ShiftModifier);
        press(main, key);
    }
    EXPECT_EQ(env.dateBox->FCivilDate, shown);
    // In a dialog, a click in What's This mode on a disabled button shows its popup at the mouse.
    TOptionsDialog& options = *env.options;
    options.PageControl->setCurrentWidget(options.BibleVersions);
    options.show();
    QApplication::setActiveWindow(&options);
    press(options, Qt::Key_F1, Qt::ShiftModifier);
    QTest::mouseClick(options.ApplyButton, Qt::LeftButton);
    options.hide();
    EXPECT_EQ(asked, QStringList({topic("refmain/main.htm>secwin"), topic("poppreferences/showversenumbers.htm at 611,433"),
                                  topic("popinfo/shownexticonbutton.htm at 611,433"), topic("popfile/nextday.htm at 611,433"),
                                  topic("poppreferences/applychangesbutton.htm at 611,433")}));
    HtmlHelp::SetHook(nullptr);
    TKeyPopup::SetHook(nullptr);
    // A missing help file is told once, with the place it was looked for; a damaged one too.
    const QString helpFile = std::exchange(main.FHelpFileName, env.DataDir() + QStringLiteral("selvmain.qch"));
    for (const char* trouble : {"is missing", "is damaged"}) {
        main.MHelpTopics->trigger();
        press(main, Qt::Key_F1);
        bool callHelp = false;
        main.AppOnHelp(HelpCommandContext, 101, callHelp);
        ASSERT_EQ(env.messages.size(), trouble[3] == 'm' ? 1 : 2);
        EXPECT_TRUE(env.messages.last().contains(trouble) && env.messages.last().endsWith("It was looked for at:\n" + main.FHelpFileName))
            << env.messages.last().toStdString();
        QFile damaged(main.FHelpFileName);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("not a help file") > 0);
    }
    main.FHelpFileName = helpFile;
    // With no temporary folder to write in, help keeps its index in the cache folder.
    const QByteArray tmp = qgetenv("TMPDIR"), cache = qgetenv("XDG_CACHE_HOME");
    qputenv("TMPDIR", main.FHelpFileName.toUtf8());
    qputenv("XDG_CACHE_HOME", env.data.filePath(QStringLiteral("cache")).toUtf8());
    main.MHelpTopics->trigger();
    TKeyPopup().DisplayURL(topic("popfile/nextday.htm"), 5, 5);
    qputenv("TMPDIR", tmp);
    qputenv("XDG_CACHE_HOME", cache);
    EXPECT_EQ(env.messages.size(), 2);
    ASSERT_TRUE(TKeyPopup::Shown() && HtmlHelp::Window());
    // Nothing is loaded from the disk, only web links go to the desktop; a closed window is gone.
    THelpBrowser& browser = *HtmlHelp::Window()->Browser();
    for (QTextBrowser* shown : {static_cast<QTextBrowser*>(&browser), TKeyPopup::Shown()})
        EXPECT_TRUE(shown->document()->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(helpFile)).toByteArray().isEmpty());
    TUrlRecorder desktop;
    for (const char* link : {"file:///etc/hostname", "javascript:alert(1)", "https://example.org/"}) {
        QDesktopServices::setUrlHandler(QUrl(QLatin1String(link)).scheme(), &desktop, "Open");
        emit browser.anchorClicked(QUrl(QLatin1String(link)));
        QDesktopServices::unsetUrlHandler(QUrl(QLatin1String(link)).scheme());
    }
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
    HtmlHelp::Window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
}

} // namespace
