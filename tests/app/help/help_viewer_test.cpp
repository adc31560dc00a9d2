// The help window and the popup on screen (offscreen): the topic asked for is the one shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "app_windows.h"
#include "help_file.h"
#include "help_window.h"
#include "html_help.h"
#include "key_popup.h"
#include "url_recorder.h"

namespace {

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        SetMessageBoxHook([this](QMessageBox& box) {
            messages << box.text();
            return QMessageBox::Ok;
        });
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
    // A click on a link of the page shows the page it names in the same window, the
    // desktop is not asked to open it.
    TUrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("qthelp"), &desktop, "Open");
    ClickLink(*window->Browser(), QStringLiteral("browsedlg.htm"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("qthelp"));
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("Select a Bible Text File to Install"));

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

} // namespace
