#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "app_windows.h"
#include "custom_find_dialog.h"
#include "html_help.h"
#include "text_search.h"

namespace {

class FindDialogTest : public ::testing::Test {
protected:
    void CreateWindows(bool oldCalendar)
    {
        env.SetOption(QStringLiteral("OldCalendar"), oldCalendar);
        env.Create();
        find = std::make_unique<TCustomFindDialog>(*env.main);
    }
    TSelvarionMainForm& Main() const { return *env.main; }
    TDateBox& Box() const { return *env.dateBox; }
    // Opens the dialog in saint mode on the troparia page and searches for `name`.
    void FindSaint(const QString& name)
    {
        Main().MTroparionKontakionClick(Main().MTroparionKontakion);
        Main().MFindSaintClick();
        find->FindEdit->setText(name);
        find->FindButton->click();
    }

    TAppWindows env;
    std::unique_ptr<TCustomFindDialog> find;   // destroyed before the other windows
};

TEST_F(FindDialogTest, PageSearchSelectsMatchesAndReportsTheEnd)
{
    CreateWindows(false);
    Main().MainRichEdit->setPlainText(QStringLiteral("Anna and John, then ANNA again"));
    EXPECT_EQ(Main().CustomFindDialog, find.get());
    EXPECT_FALSE(Main().MFindNext->isEnabled());

    Main().MFind->trigger();
    ASSERT_TRUE(find->isVisible());
    EXPECT_TRUE(find->PageMode());
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Find"));
    EXPECT_TRUE(find->WholeWord->isVisible());
    EXPECT_TRUE(find->DirectionDown->isChecked());
    EXPECT_FALSE(find->FindButton->isEnabled());
    for (QAction* item : {Main().MFind, Main().MFindNext, Main().MFindSaint})
        EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(Main().MTBFindSaint->isEnabled());

    find->FindEdit->setText(QStringLiteral("anna"));
    EXPECT_TRUE(find->FindButton->isEnabled());
    // The Edit menu follows the edit's selection.
    find->FindEdit->selectAll();
    find->FindEditChange();
    EXPECT_TRUE(Main().MCut->isEnabled());
    EXPECT_TRUE(Main().MCopy->isEnabled());
    find->FindEdit->deselect();
    find->FindEditChange();
    EXPECT_FALSE(Main().MCut->isEnabled());
    find->FindButton->click();
    EXPECT_EQ(find->FindButton->text(), QStringLiteral("Find Next"));
    EXPECT_EQ(find->FindOptions(), FindDown);
    EXPECT_EQ(Main().MainRichEdit->textCursor().selectionStart(), 0);
    find->FindButton->click();
    EXPECT_EQ(Main().MainRichEdit->textCursor().selectedText(), QStringLiteral("ANNA"));
    EXPECT_TRUE(env.messages.isEmpty());
    find->FindButton->click();
    EXPECT_EQ(env.messages, QStringList{QStringLiteral("Cannot find \"anna\".")});

    // Emptying the text puts the caption back.
    find->FindEdit->clear();
    EXPECT_FALSE(find->FindButton->isEnabled());
    EXPECT_EQ(find->FindButton->text(), QStringLiteral("Find"));

    // All three options, then Find Next from the menu once the dialog is closed.
    find->FindEdit->setText(QStringLiteral("John"));
    find->WholeWord->setChecked(true);
    find->MatchCase->setChecked(true);
    find->DirectionUp->setChecked(true);
    find->FindButton->click();
    EXPECT_EQ(find->FindOptions(), FindWholeWord | FindMatchCase);
    EXPECT_EQ(Main().MainRichEdit->textCursor().selectedText(), QStringLiteral("John"));
    find->CancelButton->click();
    EXPECT_FALSE(find->isVisible());
    EXPECT_TRUE(Main().MFind->isEnabled());
    EXPECT_TRUE(Main().MFindNext->isEnabled());
    EXPECT_TRUE(Main().MFindSaint->isEnabled());
    EXPECT_TRUE(Main().MTBFindSaint->isEnabled());
    QTextCursor end = Main().MainRichEdit->textCursor();
    end.setPosition(0);
    Main().MainRichEdit->setTextCursor(end);
    find->DirectionDown->setChecked(true);
    Main().MFindNext->trigger();
    EXPECT_EQ(Main().MainRichEdit->textCursor().selectionStart(), 9);

    // Showing the dialog again starts afresh.
    Main().MFind->trigger();
    EXPECT_TRUE(find->FindEdit->text().isEmpty());
    EXPECT_EQ(find->FindButton->text(), QStringLiteral("Find"));
    EXPECT_EQ(find->FindOptions(), 0);
    find->close();
    EXPECT_FALSE(Main().MFindNext->isEnabled());
}

TEST_F(FindDialogTest, SaintSearchMovesToTheNextDayAndSelectsTheName)
{
    CreateWindows(false);
    env.ShowDate(QDate(2026, 11, 15));
    FindSaint(QStringLiteral("Nahum"));
    ASSERT_TRUE(env.messages.isEmpty()) << env.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(find->PageMode());
    // Named after what it finds, with no empty room below its buttons.
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Find Saint"));
    EXPECT_LE(find->height() - find->HelpButton->geometry().bottom(), 10);
    EXPECT_EQ(Box().FCivilDate, QDate(2026, 12, 1));
    EXPECT_EQ(Box().Calendar->CalendarDate(), QDate(2026, 12, 1));
    // The page heading holds the name in capitals.
    EXPECT_EQ(Main().MainRichEdit->textCursor().selectedText().toUpper(), QStringLiteral("NAHUM"));
    EXPECT_FALSE(find->FFindSaintBusy);
    // Closing the saint search leaves Find Next off.
    find->close();
    EXPECT_FALSE(Main().MFindNext->isEnabled());

    // From the last day of the year the search goes on from January, in the same year.
    env.ShowDate(QDate(2026, 12, 31));
    FindSaint(QStringLiteral("Circumcision"));
    EXPECT_EQ(Box().FCivilDate, QDate(2026, 1, 1));
    find->close();
}

TEST_F(FindDialogTest, FailedSaintSearchKeepsTheDay)
{
    CreateWindows(false);
    env.ShowDate(QDate(2027, 1, 10));
    const QString page = Main().MainRichEdit->toPlainText();
    FindSaint(QStringLiteral("Nobody by this name"));
    EXPECT_EQ(env.messages, QStringList{QStringLiteral("Cannot find \"Nobody by this name\".")});
    EXPECT_EQ(Box().FCivilDate, QDate(2027, 1, 10));
    EXPECT_EQ(Main().MainRichEdit->toPlainText(), page);
    EXPECT_FALSE(find->FFindSaintBusy);
    find->close();
}

TEST_F(FindDialogTest, APageSwitchLeavesTheOpenDialogItsModeAndText)
{
    CreateWindows(false);
    env.ShowDate(QDate(2027, 1, 10));
    Main().MFindClick();
    // Find Saint, which would turn the dialog to saint mode, stays off whatever page is shown.
    for (QAction* page : {Main().MDailyBibleReadings, Main().MTroparionKontakion}) {
        page->trigger();
        EXPECT_FALSE(Main().MFindSaint->isEnabled() || Main().MTBFindSaint->isEnabled());
    }
    find->close();
    EXPECT_TRUE(Main().MFindSaint->isEnabled());
}

TEST_F(FindDialogTest, CancelledSaveQuestionKeepsTheChangedPage)
{
    CreateWindows(false);
    env.ShowDate(QDate(2026, 11, 15));
    Main().MTroparionKontakionClick(Main().MTroparionKontakion);
    Main().MainRichEdit->insertPlainText(QStringLiteral("my note "));
    ASSERT_TRUE(Main().MainRichEdit->document()->isModified());
    Main().MFindSaintClick();
    find->FindEdit->setText(QStringLiteral("Nahum"));
    find->FindButton->click();   // the question is answered with neither Yes nor No
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages[0].startsWith(QStringLiteral("Text has changed.")));
    EXPECT_EQ(Box().FCivilDate, QDate(2026, 11, 15));
    EXPECT_TRUE(Main().MainRichEdit->toPlainText().contains(QStringLiteral("my note")));
    EXPECT_FALSE(find->FFindSaintBusy);
    find->close();
}

TEST_F(FindDialogTest, SaintSearchInOldCalendarModeMovesTheOldDate)
{
    CreateWindows(true);
    env.ShowDate(QDate(2026 + 16, 11, 15));   // old 15 November 2026
    FindSaint(QStringLiteral("Nahum"));
    ASSERT_TRUE(env.messages.isEmpty()) << env.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Box().FOldDateShifted, QDate(2026 + 16, 12, 1));
    EXPECT_EQ(Box().FCivilDate, QDate(2026, 12, 14));
    EXPECT_EQ(Box().Calendar->CalendarDate(), QDate(2026 + 16, 12, 1));
    find->close();
}

// Makes `window` the active window, as a click on it does.
void Activate(QWidget& window)
{
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window);
}

TEST_F(FindDialogTest, MessagesComeUpAboveTheFindDialog)
{
    CreateWindows(false);
    Main().show();
    Main().MainRichEdit->setPlainText(QStringLiteral("Anna and John"));
    QWidget* owner = nullptr;
    bool onTop = false;
    SetMessageBoxHook([&](QMessageBox& box) {
        owner = box.parentWidget();
        onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        return QMessageBox::Ok;
    });
    // A failed search: the box belongs to the dialog, opens above it and gives it the
    // keyboard back.
    Main().MFind->trigger();
    Activate(*find);
    find->FindEdit->setText(QStringLiteral("Nobody"));
    find->FindButton->click();
    EXPECT_EQ(owner, find.get());
    EXPECT_TRUE(onTop);

    // A message of the main window while the dialog stays on screen stays on top as well.
    Activate(Main());
    Main().ShowMessageCentered(QStringLiteral("Saved"), QMessageBox::Information, QMessageBox::Ok);
    EXPECT_EQ(owner, &Main());
    EXPECT_TRUE(onTop);

    // Without the dialog the box is an ordinary one.
    find->close();
    Main().ShowMessageCentered(QStringLiteral("Saved"), QMessageBox::Information, QMessageBox::Ok);
    EXPECT_FALSE(onTop);
}

TEST_F(FindDialogTest, EnterFindsInSaintModeWhereverTheFocusWas)
{
    CreateWindows(false);
    env.ShowDate(QDate(2026, 11, 15));
    QStringList helpShown;
    HtmlHelp::SetHook([&](const QString& address) { helpShown << address; });
    Main().MTroparionKontakionClick(Main().MTroparionKontakion);
    Main().MFindSaintClick();
    ASSERT_FALSE(find->PageMode());
    QTest::keyClicks(find->FindEdit, QStringLiteral("Nahum"));
    QTest::keyClick(find->FindEdit, Qt::Key_Return);
    EXPECT_EQ(Box().FCivilDate, QDate(2026, 12, 1));
    // Even with the focus on Help, as after its help window was closed.
    find->HelpButton->setFocus();
    QTest::keyClick(find->HelpButton, Qt::Key_Return);
    HtmlHelp::SetHook(nullptr);
    EXPECT_TRUE(helpShown.isEmpty());
    EXPECT_TRUE(find->FindButton->isDefault());
    EXPECT_EQ(Box().FCivilDate, QDate(2026, 12, 23));   // the next day with the name
    find->close();
}

TEST_F(FindDialogTest, AFoundMatchIsNotLeftUnderTheDialog)
{
    CreateWindows(false);
    Main().setGeometry(0, 0, 700, 560);
    Main().show();
    QStringList lines;
    for (int i = 0; i < 99; ++i)
        lines << QStringLiteral("line %1").arg(i);
    QTextEdit& page = *Main().MainRichEdit;
    page.setPlainText(lines.join(QLatin1Char('\n')));
    Main().MFind->trigger();
    QApplication::processEvents();
    const auto onScreen = [&page] {
        QTextCursor start = page.textCursor();
        start.setPosition(start.selectionStart());
        const QRect rect = page.cursorRect(start);
        return QRect(page.viewport()->mapToGlobal(rect.topLeft()), rect.size());
    };
    // The first line that lies under the dialog as the page stands.
    int covered = -1;
    for (int i = 0; i < lines.size() && covered < 0; ++i) {
        QTextCursor at(page.document()->findBlockByNumber(i));
        page.setTextCursor(at);
        if (onScreen().intersects(find->frameGeometry()))
            covered = i;
    }
    ASSERT_GE(covered, 0);
    page.moveCursor(QTextCursor::Start);
    find->FindEdit->setText(lines[covered]);
    find->FindButton->click();
    ASSERT_EQ(page.textCursor().selectedText(), lines[covered]);
    const QPoint dialogPlace = find->pos();
    EXPECT_FALSE(onScreen().intersects(find->frameGeometry()));
    EXPECT_EQ(find->pos(), dialogPlace);   // the page scrolled

    // The last line cannot scroll up from under a dialog over the foot of the page: the
    // dialog moves off it and stays on the screen.
    const QRect view(page.viewport()->mapToGlobal(QPoint(0, 0)), page.viewport()->size());
    find->move(find->x(), view.bottom() - 40);
    page.moveCursor(QTextCursor::Start);
    find->FindEdit->setText(lines.last());
    find->FindButton->click();
    ASSERT_EQ(page.textCursor().selectedText(), lines.last());
    EXPECT_FALSE(onScreen().intersects(find->frameGeometry()));
    EXPECT_TRUE(find->screen()->availableGeometry().contains(find->frameGeometry()));
    // Ten Find Nexts on a page too short to scroll: the dialog moves once, off a match it covers.
    page.setPlainText(QStringLiteral("line\n").repeated(12));
    ASSERT_EQ(page.verticalScrollBar()->maximum(), 0);
    page.setTextCursor(QTextCursor(page.document()->findBlockByNumber(4)));
    find->move(onScreen().topLeft());
    page.moveCursor(QTextCursor::Start);
    find->FindEdit->setText(QStringLiteral("line"));
    int moves = 0;
    for (int i = 0; i < 10; ++i) {
        const QRect before = find->frameGeometry();
        find->FindButton->click();
        ASSERT_EQ(page.textCursor().selectedText(), QStringLiteral("line"));
        EXPECT_FALSE(onScreen().intersects(find->frameGeometry())) << i;
        if (find->frameGeometry() != before) {
            ++moves;
            EXPECT_TRUE(onScreen().intersects(before)) << i;
        }
    }
    EXPECT_EQ(moves, 1);
    find->close();
}

} // namespace
