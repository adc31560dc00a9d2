// The help window and the popup on screen (offscreen): the topic asked for is the one shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QPushButton>
#include <QTextBrowser>

#include "app_windows.h"
#include "help_file.h"
#include "help_window.h"
#include "html_help.h"
#include "key_popup.h"

namespace {

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }
    void TearDown() override
    {
        HtmlHelp::CloseAll();
        if (TKeyPopup::Shown())
            delete TKeyPopup::Shown();
    }
    const QString file = QStringLiteral(SELV_PROGRAM_DIR "/selvmain.qch");
};

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
    // A link of the page leads to the page it names.
    window->Browser()->setSource(window->Browser()->source().resolved(QUrl(QStringLiteral("browsedlg.htm"))));
    EXPECT_EQ(window->Browser()->documentTitle(), QStringLiteral("Select a Bible Text File to Install"));

    HtmlHelp::CloseAll();
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
    HtmlHelp::DisplayTopic(QString());
    HtmlHelp::DisplayTopic(QStringLiteral("/nowhere/selvmain.qch::/html/refmain/main.htm>secwin"));
    EXPECT_EQ(HtmlHelp::Window(), nullptr);
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

    EXPECT_THROW(TKeyPopup().DisplayURL(file + QStringLiteral("::/html/popfile/none.htm"), 0, 0), EKeyPopupError);
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
