#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "app_windows.h"
#include "help_window.h"
#include "html_help.h"
#include "rz_panel.h"
#include "save_dialog.h"

namespace {

// The windows on the Bible Readings page of December 25, 2024, the Find Bible Verses dialog
// open for a new search.
class BibleSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
        env.main->MDailyBibleReadings->trigger();
        env.main->MFindSaint->trigger();
    }
    TBibleSearchDlg& Dlg() const { return *env.bible; }
    TSelvarionMainForm& Main() const { return *env.main; }
    void Testament(int part)
    {
        Dlg().SearchGroupItems->button(part)->setChecked(true);
        Dlg().SearchGroupClick();
    }
    void Book(const QString& name)
    {
        QComboBox* list = Dlg().SearchGroupItemIndex() == 0   ? Dlg().OldT
                          : Dlg().SearchGroupItemIndex() == 2 ? Dlg().Apoc
                                                              : Dlg().NewT;
        list->setCurrentIndex(list->findText(name));
        ASSERT_GE(list->currentIndex(), 0) << name.toStdString();
    }
    void Enter(const char* sc, const char* sv, const char* ec, const char* ev)
    {
        Dlg().eStartChapter->setText(QLatin1String(sc));
        Dlg().eStartVerse->setText(QLatin1String(sv));
        Dlg().eEndChapter->setText(QLatin1String(ec));
        Dlg().eEndVerse->setText(QLatin1String(ev));
    }
    QString Entries() const
    {
        return Dlg().eStartChapter->text() + ':' + Dlg().eStartVerse->text() + '-' +
               Dlg().eEndChapter->text() + ':' + Dlg().eEndVerse->text();
    }
    QString LastMessage() const { return env.messages.value(env.messages.size() - 1); }
    QString Page() const { return Main().MainRichEdit->toPlainText(); }
    bool Searching() const { return Main().InfoBar->Caption() == QStringLiteral("Bible Search"); }

    TAppWindows env;
};

const QString CorrectEntries = QStringLiteral("Please correct the Chapter and Verse entries. ");

} // namespace

TEST_F(BibleSearchTest, OpensForANewSearchInTheNewTestament)
{
    EXPECT_TRUE(Dlg().isVisible());
    EXPECT_TRUE(Dlg().FSearchActive);
    EXPECT_EQ(Dlg().SearchGroupItemIndex(), 1);
    EXPECT_FALSE(Dlg().NewT->isHidden());
    EXPECT_TRUE(Dlg().OldT->isHidden());
    EXPECT_EQ(Dlg().NewT->currentText(), "St Matthew");
    EXPECT_EQ(Entries(), "1:1-1:1");
    EXPECT_TRUE(Dlg().ShowVersesLabel->text().startsWith("St Matthew   1:1-"));
    EXPECT_EQ(Dlg().FindButton->text(), " Find");
    EXPECT_EQ(Dlg().Apoc->count(), 15);
    // Closing without a shown passage ends the search.
    Dlg().CancelButton->click();
    EXPECT_FALSE(Dlg().FSearchActive);
    EXPECT_FALSE(Searching());
}

TEST_F(BibleSearchTest, SummaryIsWhollyReadableAndTheDialogKeepsItsPlace)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QLabel& label = *Dlg().ShowVersesLabel;
    const auto show = [&](int part, const QString& book) {
        Testament(part);
        Book(book);
        Dlg().NewTChange(Dlg().SearchGroupItemIndex() == 0 ? Dlg().OldT : Dlg().NewT);
        QApplication::processEvents();
    };
    const QPoint place(200, 40);
    Dlg().move(place);
    // The label is as tall as its wrapped text, the dialog as tall as it needs.
    show(1, QStringLiteral("St Matthew"));
    const int matthew = Dlg().height();
    EXPECT_EQ(label.height(), label.heightForWidth(label.width()));
    EXPECT_LE(Dlg().sizeHint().height(), matthew);
    show(0, QStringLiteral("Genesis"));
    EXPECT_TRUE(label.text().endsWith("50:1-26"));
    EXPECT_EQ(label.height(), label.heightForWidth(label.width()));
    EXPECT_GT(Dlg().height(), matthew);
    show(0, QStringLiteral("Psalms"));
    EXPECT_EQ(Dlg().pos(), place);   // the summary scrolls in ten lines
    EXPECT_EQ(Dlg().ShowVersesArea->height(), 10 * label.fontMetrics().lineSpacing());
    EXPECT_EQ(label.height(), label.heightForWidth(label.width()));
    EXPECT_TRUE(screen.contains(Dlg().frameGeometry()));
    // On a screen with less room the summary scrolls and the dialog stays on the screen.
    const QRect small(0, 0, 1366, 520);
    Dlg().FitSummary(small);
    QApplication::processEvents();
    EXPECT_TRUE(small.contains(Dlg().frameGeometry()));
    EXPECT_EQ(Dlg().pos(), place);
    EXPECT_TRUE(Dlg().ShowVersesArea->verticalScrollBar()->isVisible());
    EXPECT_EQ(label.height(), label.heightForWidth(label.width()));
    EXPECT_EQ(Dlg().ShowVersesArea->verticalScrollBar()->maximum(),
              label.height() - Dlg().ShowVersesArea->viewport()->height());
    // A short one takes the dialog back to its size.
    show(1, QStringLiteral("St Matthew"));
    EXPECT_EQ(Dlg().height(), matthew);
    show(1, QStringLiteral("St John"));
    EXPECT_EQ(Dlg().pos(), place);
}

TEST_F(BibleSearchTest, EndOfOptionsExcludeEachOtherAndLockTheEndEntries)
{
    Dlg().EndOfChapter->click();
    EXPECT_FALSE(Dlg().eEndChapter->isEnabled());
    Dlg().EndOfBook->click();
    EXPECT_FALSE(Dlg().EndOfChapter->isChecked());
    EXPECT_FALSE(Dlg().eEndVerse->isEnabled());
    Enter("3", "4", "9", "9");
    Dlg().EndOfBook->click();
    EXPECT_TRUE(Dlg().eEndChapter->isEnabled());
    EXPECT_EQ(Entries(), "3:4-3:4");
}

TEST_F(BibleSearchTest, BadEntriesAreReportedAndChangeNothing)
{
    const QString page = Page();
    Enter("1", "", "1", "2");
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), "Please select all Chapters and Verses.");
    Enter("1", "a", "1", "2");
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), "Please enter numbers for all Chapters and Verses.");
    Enter("3", "5", "3", "4");
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), CorrectEntries + "\"Ends With\" Chapter and Verse must be equal to or "
                                              "larger than \"Starts With\" Chapter and Verse.");
    Enter("29", "1", "29", "2");
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(),
              CorrectEntries + "A Chapter or Verse number entered was not found. The Chapter entries "
                               "should not be less than 1, nor greater than 28. The Verse entries "
                               "should not be less than 1, nor greater than the last verse of the "
                               "corresponding chapter.");
    Enter("1", "0", "1", "2");
    Dlg().FindButtonClick();
    EXPECT_TRUE(LastMessage().contains("was not found"));
    EXPECT_EQ(env.messages.size(), 5);
    EXPECT_EQ(Page(), page);
    EXPECT_FALSE(Searching());
}

TEST_F(BibleSearchTest, AMissingSearchFileIsReported)
{
    Dlg().FNewTSearchFile = "Gone.txt";
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), "The file \"Gone.txt\" is damaged or missing from the application data "
                             "directory. Please replace the file or try uninstalling and then "
                             "reinstalling the file from the Bible Files page of the Preferences "
                             "dialog box.");
    Dlg().FNewTSearchFile = "Gone.dat";
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), "The file \"Gone.dat\" is damaged or missing from the application data "
                             "directory. Please replace the file or reinstall the Selvarion program.");
    EXPECT_FALSE(Searching());
}

TEST_F(BibleSearchTest, EndOfOptionsMoveIntoTheApocryphaBooksThatStartLate)
{
    Testament(2);
    EXPECT_FALSE(Dlg().Apoc->isHidden());
    Book(QStringLiteral("Epistle of Jeremiah"));
    Dlg().EndOfChapter->click();
    Dlg().FindButtonClick();
    EXPECT_TRUE(Entries().startsWith("6:1-6:")) << Entries().toStdString();
    EXPECT_TRUE(Searching()) << LastMessage().toStdString();

    Book(QStringLiteral("Additions to Esther"));
    Enter("1", "1", "1", "1");
    Dlg().FindButtonClick();
    EXPECT_TRUE(Entries().startsWith("10:4-10:")) << Entries().toStdString();

    Book(QStringLiteral("Ecclesiasticus"));
    Dlg().EndOfBook->click();
    Enter("1", "1", "1", "1");
    Dlg().FindButtonClick();
    EXPECT_TRUE(Entries().startsWith("0:1-51:")) << Entries().toStdString();

    // Without an end-of option chapter 10 of the additions starts at verse 4.
    Dlg().EndOfBook->click();
    Book(QStringLiteral("Additions to Esther"));
    const int before = env.messages.size();
    Enter("10", "3", "10", "5");
    Dlg().FindButtonClick();
    EXPECT_EQ(env.messages.size(), before + 1);
}

TEST_F(BibleSearchTest, SearchModeIsEnteredOnceAndEndSearchRestoresTheDay)
{
    const QString caption = Main().InfoBar->Caption();
    const QString hint = Main().Hint();
    Enter("2", "1", "2", "3");
    Dlg().FindButtonClick();
    ASSERT_TRUE(Searching()) << LastMessage().toStdString();
    EXPECT_TRUE(env.messages.isEmpty());
    EXPECT_TRUE(Dlg().FInSearchMode);
    EXPECT_TRUE(Page().contains("2:1") || Page().contains("2:"));
    EXPECT_TRUE(Main().DateBar->isHidden());
    EXPECT_FALSE(Main().MSelectDate->isEnabled());
    EXPECT_FALSE(Main().MSave->isEnabled());
    EXPECT_FALSE(Main().MDeleteFile->isEnabled());
    EXPECT_TRUE(Main().MEndBibleSearch->isEnabled());
    EXPECT_TRUE(Main().MEndBibleSearch->isVisible());
    EXPECT_FALSE(Main().MOptions->menuAction()->isVisible());
    EXPECT_EQ(Main().MainToolBar->widgetForAction(Main().MNextDay), nullptr);
    EXPECT_TRUE(Main().MNextDay->isVisible());
    EXPECT_TRUE(Main().MTBBibleReadings->isHidden());
    EXPECT_EQ(Main().Hint(), "Viewing bible verses in bible search mode");
    auto* saveButton = static_cast<QToolButton*>(Main().MainToolBar->widgetForAction(Main().MSave));
    EXPECT_EQ(saveButton->actions(), QList<QAction*>{Main().MSaveAs});
    EXPECT_EQ(saveButton->statusTip(), "Saves a copy of the active document to a disk file");
    EXPECT_FALSE(saveButton->icon().isNull());

    // A second passage replaces the first; the saved state stays the day's.
    const QString first = Page();
    Enter("3", "1", "3", "2");
    Dlg().FindButtonClick();
    EXPECT_NE(Page(), first);

    // A changed passage is printed as it is, without a question.
    QTextCursor(Main().MainRichEdit->document()).insertText(QStringLiteral("note "));
    EXPECT_TRUE(Main().CheckSaveChanges(Main().MPrint));
    EXPECT_TRUE(env.messages.isEmpty());
    Main().MainRichEdit->document()->setModified(false);

    Main().MEndBibleSearch->trigger();
    EXPECT_FALSE(Dlg().isVisible());
    EXPECT_FALSE(Dlg().FInSearchMode);
    EXPECT_FALSE(Dlg().FSearchActive);
    EXPECT_EQ(Main().InfoBar->Caption(), caption);
    EXPECT_EQ(Main().Hint(), hint);
    EXPECT_FALSE(Main().DateBar->isHidden());
    EXPECT_TRUE(Main().MSelectDate->isEnabled());
    EXPECT_TRUE(Main().MSave->isEnabled());
    EXPECT_FALSE(Main().MEndBibleSearch->isVisible());
    EXPECT_TRUE(Main().MOptions->menuAction()->isVisible());
    EXPECT_EQ(saveButton->actions(), QList<QAction*>{Main().MSave});
    QWidget* nextDay = Main().MainToolBar->widgetForAction(Main().MNextDay);
    ASSERT_NE(nextDay, nullptr);
    EXPECT_EQ(nextDay->objectName(), "MTBNextDay");
    QStringList order;
    for (QAction* item : Main().MainToolBar->actions())
        if (item->isVisible() && Main().MainToolBar->widgetForAction(item))
            order << Main().MainToolBar->widgetForAction(item)->objectName();
    EXPECT_EQ(order.mid(0, 11).join(' '), "MTBSelectDate MTBPreviousYear MTBPreviousDay MTBToday "
                                          "MTBNextDay MTBNextYear MTBSave  MTBSelvarion "
                                          "MTBBibleReadings MTBLivesSaints");
    EXPECT_FALSE(Page().contains("note "));
}

TEST_F(BibleSearchTest, LeavingTheReadingsPageClosesTheDialog)
{
    // So no passage can be shown over another page, from where Find Saint would move the day.
    Main().MTroparionKontakion->trigger();
    EXPECT_FALSE(Dlg().isVisible());
    EXPECT_FALSE(Dlg().FSearchActive);
    EXPECT_FALSE(Searching());
}

TEST_F(BibleSearchTest, AChangedDayPageIsOfferedForSavingBeforeTheFirstFind)
{
    Dlg().close();
    QTextCursor(Main().MainRichEdit->document()).insertText(QStringLiteral("note "));
    Main().MFindSaint->trigger();
    SetMessageBoxHook([this](QMessageBox& box) {
        env.messages << box.text();
        return box.text().startsWith("Text has changed") ? QMessageBox::Cancel : QMessageBox::Ok;
    });
    Dlg().FindButtonClick();
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages[0].startsWith("Text has changed"));
    EXPECT_FALSE(Searching());
    EXPECT_TRUE(Page().contains("note "));
}

TEST_F(BibleSearchTest, AnInstalledVersionReportsAMissingChapter)
{
    QFile file(env.DataDir() + QStringLiteral("Partial.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int chapter = 1; chapter <= 10; ++chapter)
        if (chapter != 5)
            for (int verse = 1; verse <= 3; ++verse)
                file.write(QStringLiteral("40N\t%1\t%2\tVerse %1:%2.\n").arg(chapter).arg(verse).toUtf8());
    file.close();
    Dlg().FNewTSearchFile = "Partial.txt";
    Dlg().SelectTestament();
    Enter("5", "1", "5", "2");
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), CorrectEntries + "Chapter 5 is missing from the book.");
    Enter("4", "1", "5", "2");
    Dlg().FindButtonClick();
    EXPECT_EQ(LastMessage(), CorrectEntries + "Chapter 5 is missing from the book.");
    Enter("6", "2", "7", "3");
    Dlg().FindButtonClick();
    EXPECT_TRUE(Searching()) << LastMessage().toStdString();
    EXPECT_TRUE(Page().contains("Verse 7:3."));
}

TEST_F(BibleSearchTest, WindowsItOpensComeUpAboveIt)
{
    Main().show();
    Dlg().activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &Dlg());
    Enter("2", "1", "2", "3");
    Dlg().FindButtonClick();
    ASSERT_TRUE(Searching());

    // Yes to the question about a changed passage opens Save As, above the dialog.
    QTextCursor(Main().MainRichEdit->document()).insertText(QStringLiteral("note "));
    QWidget* owner = nullptr;
    bool onTop = false;
    SetSaveDialogHook([&](QFileDialog& dialog) {
        owner = dialog.parentWidget();
        onTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        return QString();
    });
    env.answers = {QMessageBox::Yes};
    Dlg().FindButtonClick();
    SetSaveDialogHook(nullptr);
    EXPECT_EQ(env.messages.value(0), "Text has changed. Save a copy of the active document to a disk file?");
    EXPECT_EQ(owner, &Dlg());
    EXPECT_TRUE(onTop);

    // Its help topic too; once the dialog is gone, help is an ordinary window again.
    Dlg().HelpButtonClick();
    ASSERT_NE(HtmlHelp::Window(), nullptr);
    EXPECT_TRUE(HtmlHelp::Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Dlg().close();
    Main().MHelpTopics->trigger();
    ASSERT_NE(HtmlHelp::Window(), nullptr);
    EXPECT_FALSE(HtmlHelp::Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    HtmlHelp::CloseAll();
}
