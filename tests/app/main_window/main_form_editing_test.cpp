#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

#include "app_windows.h"
#include "font_dialog.h"

namespace {

// The windows on a page holding two known paragraphs; "Bold" is bold and the second
// paragraph centred.
class EditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        Edit().setHtml(QStringLiteral("<p>Plain <b>Bold</b> text</p><p align=\"center\">Middle line</p>"));
        Page().setModified(false);
        Select(0, 0);
    }
    ~EditingTest() override { SetFontDialogHook(nullptr); }

    QTextEdit& Edit() const { return *env.main->MainRichEdit; }
    QTextDocument& Page() const { return *Edit().document(); }
    TSelvarionMainForm& Main() const { return *env.main; }
    void Select(int from, int to)
    {
        QTextCursor cursor(&Page());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        Edit().setTextCursor(cursor);
    }
    // The position of `text` on the page.
    int At(const QString& text) const { return static_cast<int>(Page().toPlainText().indexOf(text)); }
    QTextCharFormat FormatAt(int position) const
    {
        QTextCursor cursor(&Page());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

    TAppWindows env;
};

} // namespace

TEST_F(EditingTest, MenusCarryTheirCaptionsAndKeys)
{
    EXPECT_EQ(Main().MEdit->title(), "&Edit");
    EXPECT_EQ(Main().MFormat->title(), "Fo&rmat");
    EXPECT_EQ(Main().MRightAlign->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(Main().MCenterAlign->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(Main().MBullets->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_EQ(Main().MDelete->statusTip(), "Removes the selection without puting it on the clipboard");
    EXPECT_EQ(Main().MPrint->text(), "&Print...");
    EXPECT_EQ(Main().MPrint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Main().ETBItalic->toolTip(), "Italic");
    EXPECT_EQ(Main().ETBItalic->statusTip(), "Makes the selection Italic (toggle)");
    EXPECT_EQ(Main().ETBFontSize->count(), 16);
    EXPECT_EQ(Main().ETBFontColor->itemText(4), "Navy");
    // The font list is sorted.
    QStringList fonts;
    for (int i = 0; i < Main().ETBFontName->count(); ++i)
        fonts << Main().ETBFontName->itemText(i);
    QStringList sorted = fonts;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(fonts, sorted);
    // The Edit and Format menus sit between File and Search.
    const QList<QAction*> menus = Main().menuBar()->actions();
    EXPECT_EQ(menus.indexOf(Main().MEdit->menuAction()), menus.indexOf(Main().MFile->menuAction()) + 1);
    EXPECT_EQ(menus.indexOf(Main().MFormat->menuAction()) + 1, menus.indexOf(Main().MSearch->menuAction()));
}

TEST_F(EditingTest, BoldFollowsTheSelectionAndTheMenuRemovesIt)
{
    const int bold = At(QStringLiteral("Bold"));
    Select(bold, bold + 4);
    EXPECT_TRUE(Main().ETBBold->isChecked());
    EXPECT_TRUE(Main().MBold->isChecked());
    EXPECT_FALSE(Main().ETBItalic->isChecked());
    EXPECT_FALSE(Page().isModified());

    Main().MBold->trigger();
    EXPECT_FALSE(Main().ETBBold->isChecked());
    EXPECT_FALSE(Main().MBold->isChecked());
    EXPECT_NE(FormatAt(bold).fontWeight(), QFont::Bold);
    EXPECT_TRUE(Page().isModified());

    // A toolbar click has already flipped its button.
    Main().ETBBold->click();
    EXPECT_EQ(FormatAt(bold).fontWeight(), QFont::Bold);
    EXPECT_TRUE(Main().MBold->isChecked());
    Main().PUItalic->trigger();
    EXPECT_TRUE(FormatAt(bold).fontItalic());
    EXPECT_TRUE(Main().ETBItalic->isChecked());
    EXPECT_EQ(Page().toPlainText(), "Plain Bold text\nMiddle line");
}

TEST_F(EditingTest, AlignmentAndBulletsLeaveTheModifiedFlag)
{
    Select(1, 1);
    Main().MRightAlign->trigger();
    EXPECT_EQ(Page().firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_TRUE(Main().ETBRightAlign->isChecked());
    EXPECT_FALSE(Main().ETBLeftAlign->isChecked());
    EXPECT_TRUE(Main().MRightAlign->isChecked());
    EXPECT_FALSE(Main().MLeftAlign->isChecked());
    EXPECT_FALSE(Main().MCenterAlign->isChecked());
    EXPECT_FALSE(Page().isModified());

    Main().ETBLeftAlign->click();
    EXPECT_TRUE(Main().MLeftAlign->isChecked());
    EXPECT_FALSE(Main().MRightAlign->isChecked());

    Main().MBullets->trigger();
    EXPECT_NE(Page().firstBlock().textList(), nullptr);
    EXPECT_TRUE(Main().ETBBullets->isChecked());
    EXPECT_TRUE(Main().MBullets->isChecked());
    EXPECT_FALSE(Page().isModified());
    Main().ETBBullets->click();
    EXPECT_EQ(Page().firstBlock().textList(), nullptr);
    EXPECT_FALSE(Main().MBullets->isChecked());
    EXPECT_FALSE(Page().isModified());

    // Once the page is changed it stays changed.
    Page().setModified(true);
    Main().MCenterAlign->trigger();
    EXPECT_TRUE(Page().isModified());
    // A right-to-left paragraph stands at its right unless put at the left, as the buttons show.
    Edit().setPlainText(QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"));
    EXPECT_TRUE(Main().ETBRightAlign->isChecked());
    Main().MLeftAlign->trigger();
    EXPECT_EQ(Page().firstBlock().blockFormat().alignment(), Qt::AlignLeft | Qt::AlignAbsolute);
    Select(1, 1);
    EXPECT_TRUE(Main().ETBLeftAlign->isChecked());
}

TEST_F(EditingTest, FontBoxesFormatTheSelectionAndMarkThePage)
{
    const int plain = At(QStringLiteral("Plain"));
    Select(plain, plain + 5);
    EXPECT_EQ(Main().ETBFontSize->currentText(), "12");
    EXPECT_EQ(Main().ETBFontColor->currentText(), "Black");

    // Writing the boxes from the editor formats nothing.
    EXPECT_FALSE(Page().isModified());

    Main().ETBFontSize->setCurrentIndex(Main().ETBFontSize->findText(QStringLiteral("20")));
    Main().ETBFontSizeChange(false);
    EXPECT_EQ(FormatAt(plain).fontPointSize(), 20);
    EXPECT_TRUE(Page().isModified());

    // A size that is no whole number changes nothing.
    Page().setModified(false);
    Main().ETBFontSize->setEditText(QStringLiteral("x"));
    Main().ETBFontSizeChange(true);
    EXPECT_EQ(FormatAt(plain).fontPointSize(), 20);
    EXPECT_FALSE(Page().isModified());

    Main().ETBFontColor->setCurrentIndex(Main().ETBFontColor->findText(QStringLiteral("Red")));
    Main().ETBFontColorChange();
    EXPECT_EQ(FormatAt(plain).foreground().color(), QColor(Qt::red));
    EXPECT_TRUE(Page().isModified());

    Page().setModified(false);
    const int fontIndex = Main().ETBFontName->count() - 1;
    ASSERT_GE(fontIndex, 0);
    Main().ETBFontName->setCurrentIndex(fontIndex);
    Main().ETBFontNameChange();
    EXPECT_EQ(FormatAt(plain).fontFamilies().toStringList().value(0), Main().ETBFontName->itemText(fontIndex));
    EXPECT_TRUE(Page().isModified());

    // The boxes show the selection again.
    Select(plain, plain + 2);
    EXPECT_EQ(Main().ETBFontSize->currentText(), "20");
    EXPECT_EQ(Main().ETBFontColor->currentText(), "Red");
    EXPECT_FALSE(Main().FUpdatingToolbar);
    // Leaving the size box unchanged (the click back into the page) formats nothing.
    Select(At(QStringLiteral("Middle")), At(QStringLiteral("Middle")));
    Page().setModified(false);
    emit Main().ETBFontSize->lineEdit()->editingFinished();
    EXPECT_FALSE(Page().isModified());
}

TEST_F(EditingTest, FontDialogAppliesOnlyWhenConfirmed)
{
    const int plain = At(QStringLiteral("Plain"));
    Select(plain, plain + 5);
    SetFontDialogHook([](QFontDialog& dialog) {
        QFont font = dialog.currentFont();
        font.setStyleName(QStringLiteral("Italic"));
        dialog.setCurrentFont(font);
        return false;
    });
    Main().MFontClick();
    EXPECT_FALSE(FormatAt(plain).fontItalic());
    SetFontDialogHook([](QFontDialog& dialog) {
        QFont font = dialog.currentFont();
        font.setStyleName(QStringLiteral("Italic"));
        dialog.setCurrentFont(font);
        return true;
    });
    Main().MFontClick();
    EXPECT_TRUE(FormatAt(plain).fontItalic());
    EXPECT_TRUE(Main().ETBItalic->isChecked());
    // A narrower style of the family is its width.
    if (!QFontDatabase::styles("DejaVu Sans").contains("Condensed"))
        GTEST_SKIP() << "DejaVu Sans Condensed is not installed";
    SetFontDialogHook([](QFontDialog& dialog) {
        dialog.setCurrentFont(QFontDatabase::font("DejaVu Sans", "Condensed", 12));
        return true;
    });
    Main().MFontClick();
    EXPECT_EQ(FormatAt(plain).fontStretch(), QFont::Condensed);
}

TEST_F(EditingTest, EditCommandsFollowTheSelectionAndClipboard)
{
    EXPECT_FALSE(Main().MCut->isEnabled());
    EXPECT_FALSE(Main().ETBCopy->isEnabled());
    EXPECT_TRUE(Main().MPaste->isEnabled());
    EXPECT_FALSE(Main().MUndo->isEnabled());

    Select(0, 5);
    EXPECT_TRUE(Main().MCut->isEnabled());
    EXPECT_TRUE(Main().PUCopy->isEnabled());
    EXPECT_TRUE(Main().ETBCut->isEnabled());

    Main().MCopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), "Plain");
    Main().MCutClick();
    EXPECT_EQ(Page().toPlainText(), " Bold text\nMiddle line");
    EXPECT_TRUE(Main().MUndo->isEnabled());
    EXPECT_TRUE(Main().ETBUndo->isEnabled());
    Main().MPasteClick();
    Main().MPasteClick();
    EXPECT_EQ(Page().toPlainText(), "PlainPlain Bold text\nMiddle line");
    Main().MUndoClick();
    EXPECT_EQ(Page().toPlainText(), "Plain Bold text\nMiddle line");
    Main().MSelectAllClick();
    EXPECT_EQ(Edit().textCursor().selectedText().size(), Page().characterCount() - 1);

    QApplication::clipboard()->clear();
    EXPECT_FALSE(Main().MPaste->isEnabled());
    EXPECT_FALSE(Main().PUPaste->isEnabled());
}

TEST_F(EditingTest, DeleteRemovesSelectionOrNextCharacterWithoutTheClipboard)
{
    Select(0, 0);
    Main().MDeleteClick();
    EXPECT_EQ(Page().toPlainText(), "lain Bold text\nMiddle line");
    Select(0, 5);
    Main().PUDelete->trigger();
    EXPECT_EQ(Page().toPlainText(), "Bold text\nMiddle line");
    EXPECT_EQ(QApplication::clipboard()->text(), "clip");
    // At the end nothing follows.
    Select(Page().characterCount() - 1, Page().characterCount() - 1);
    Main().MDeleteClick();
    EXPECT_EQ(Page().toPlainText(), "Bold text\nMiddle line");
}

TEST_F(EditingTest, CommandsServeTheTextBoxOfAnotherActiveWindow)
{
    QDialog find(&Main());
    auto* box = new QLineEdit(&find);
    (new QVBoxLayout(&find))->addWidget(box);
    find.show();
    QApplication::setActiveWindow(&find);
    box->setFocus();
    ASSERT_EQ(QApplication::activeWindow(), &find);

    Main().MPasteClick();
    EXPECT_EQ(box->text(), "clip");
    EXPECT_EQ(Page().toPlainText(), "Plain Bold text\nMiddle line");
    box->setCursorPosition(0);
    Main().MDeleteClick();
    EXPECT_EQ(box->text(), "lip");
    Main().MSelectAllClick();
    EXPECT_EQ(box->selectedText(), "lip");
    Main().MUndoClick();
    EXPECT_EQ(box->text(), "clip");
    EXPECT_EQ(Page().toPlainText(), "Plain Bold text\nMiddle line");
    find.hide();
}

TEST_F(EditingTest, PopupShowsTheToolbarStates)
{
    const int middle = At(QStringLiteral("Middle"));
    QTextCursor cursor(&Page());
    cursor.setPosition(middle);
    cursor.setPosition(middle + 6, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    Select(middle, middle + 6);
    Main().MainRichEditPopupMenuPopup();
    EXPECT_TRUE(Main().PUBold->isChecked());
    EXPECT_TRUE(Main().PUCenterAlign->isChecked());
    EXPECT_FALSE(Main().PULeftAlign->isChecked());
    EXPECT_FALSE(Main().PUItalic->isChecked());
    EXPECT_TRUE(Main().MCenterAlign->isChecked());
    EXPECT_TRUE(Main().ETBCenterAlign->isChecked());
}

TEST_F(EditingTest, EditMarginsInsetTheText)
{
    Main().resize(600, 500);
    Main().show();
    QApplication::processEvents();
    const QRect view = Edit().viewport()->geometry();
    EXPECT_EQ(view.left(), 20);
    EXPECT_EQ(view.top(), 18);
    EXPECT_EQ(Edit().height() - view.bottom() - 1, 18);
    Main().hide();
}

// How many receivers a signal of another object has (a protected question of QObject's).
struct TReceivers : QObject {
    static int Of(const QObject* sender, const char* signal)
    {
        return (sender->*(&TReceivers::receivers))(signal);
    }
};

// Closing the main window while its editor holds the focus moves the focus as the window's
// members go: by then the window's application-wide handlers must be gone, or they would run
// on a half-destroyed window (which the sanitizer build also sees).
TEST(MainWindowClosing, ApplicationWideHandlersGoBeforeTheWindowsMembers)
{
    const char* const focusChanged = SIGNAL(focusChanged(QWidget*, QWidget*));
    const char* const clipboardChanged = SIGNAL(dataChanged());
    TAppWindows env;
    const int focusReceivers = TReceivers::Of(qApp, focusChanged);
    const int clipboardReceivers = TReceivers::Of(QApplication::clipboard(), clipboardChanged);
    env.Create();
    ASSERT_GT(TReceivers::Of(qApp, focusChanged), focusReceivers);
    env.main->show();
    QApplication::setActiveWindow(env.main.get());
    env.main->MainRichEdit->setPlainText(QString(QStringLiteral("A long page. ")).repeated(20000));
    env.main->MainRichEdit->document()->setModified(false);
    env.main->MainRichEdit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), env.main->MainRichEdit);
    int focusWhileMembersGo = -1, clipboardWhileMembersGo = -1;
    QObject::connect(env.main->MainRichEdit, &QObject::destroyed, [&] {
        focusWhileMembersGo = TReceivers::Of(qApp, focusChanged);
        clipboardWhileMembersGo = TReceivers::Of(QApplication::clipboard(), clipboardChanged);
    });
    env.Destroy();
    EXPECT_EQ(focusWhileMembersGo, focusReceivers);
    EXPECT_EQ(clipboardWhileMembersGo, clipboardReceivers);
}
