#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>


#include "app_windows.h"
#include "full_disk.h"
#include "rtf.h"
#include "save_dialog.h"

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The windows on December 25, 2024 (new calendar, troparia page); message boxes are
// answered from a queue (OK when it is empty) and recorded.
class SavingTest : public ::testing::Test {
protected:
    void Create(bool loadPersonalized = true)
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.SetOption(QStringLiteral("LoadPersonalizedFiles"), loadPersonalized);
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
    }
    ~SavingTest() override { SetSaveDialogHook(nullptr); }

    QTextDocument& Page() const { return *env.main->MainRichEdit->document(); }
    void Type(const QString& text)
    {
        QTextCursor cursor(&Page());
        cursor.insertText(text);
    }
    QString File() const { return env.main->FPersonalFileName; }
    QString Native(const QString& path) const { return QDir::toNativeSeparators(path); }
    bool PersonalShown() const { return env.main->MDeleteFile->isVisible(); }

    TAppWindows env;
    std::deque<QMessageBox::StandardButton>& answers = env.answers;
};

} // namespace

TEST_F(SavingTest, SaveCreatesThePersonalizedCopyAndShowsIt)
{
    Create();
    const QString library = Page().toPlainText();
    answers = {QMessageBox::Cancel};
    env.main->MSave->trigger();
    EXPECT_EQ(env.messages.value(0), "Create new personalized file?");
    EXPECT_FALSE(QFile::exists(File()));

    Type(QStringLiteral("My note. "));
    env.main->MSave->trigger();
    EXPECT_EQ(env.messages.value(1), "Create new personalized file?");
    ASSERT_TRUE(ReadFile(File()).startsWith("{\\rtf"));
    QTextDocument saved;
    LoadRtf(saved, ReadFile(File()));
    EXPECT_EQ(saved.toPlainText(), "My note. " + library);
    EXPECT_TRUE(PersonalShown());
    EXPECT_FALSE(Page().isModified());
    EXPECT_EQ(Page().toPlainText(), saved.toPlainText());

    // An unchanged personalized page: nothing to save, nothing written.
    QFile marker(File());
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("marker");
    marker.close();
    env.main->MSave->trigger();
    EXPECT_EQ(env.messages.value(2), "No changes have been made.");
    EXPECT_EQ(ReadFile(File()), "marker");

    // Replacing a file changed since it was read (by another program) is asked for first.
    Type(QStringLiteral("More. "));
    answers = {QMessageBox::Ok, QMessageBox::Cancel};
    env.main->MSaveClick(env.main->MSave);
    EXPECT_EQ(env.messages.value(4), "The personalized file \"" + Native(File()) +
                                         "\" was changed by another program after this page was loaded. Replace it with this page?");
    EXPECT_EQ(ReadFile(File()), "marker");
    env.main->MSaveClick(env.main->MSave);
    env.messages.clear();
    Type(QStringLiteral("More. "));
    env.main->MSaveClick(env.main->MSave);
    EXPECT_EQ(env.messages, QStringList{"Save changes/additions to personalized file?"});
    LoadRtf(saved, ReadFile(File()));
    EXPECT_TRUE(saved.toPlainText().startsWith("More. More. My note. "));
    EXPECT_EQ(env.main->Hint(), "Saved as " + Native(File()));
    EXPECT_EQ(env.main->StatusPanel1->text(), env.main->Hint());
    EXPECT_FALSE(Page().isModified());
}

TEST_F(SavingTest, SaveReplacesAFileThatIsNotLoaded)
{
    Create(false);
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 Old copy\\par}");
    file.close();
    env.ShowDate(QDate(2024, 12, 25));
    const QString library = Page().toPlainText();
    ASSERT_FALSE(PersonalShown());

    env.main->MSaveClick(env.main->MSave);
    EXPECT_EQ(env.messages, QStringList{"Replace existing personalized file?"});
    QTextDocument saved;
    LoadRtf(saved, ReadFile(File()));
    EXPECT_EQ(saved.toPlainText(), library);
    EXPECT_TRUE(PersonalShown());
    // The next load obeys the setting again.
    env.dateBox->ShowDayPage(false);
    EXPECT_FALSE(PersonalShown());
}

TEST_F(SavingTest, LeavingAChangedPageAsksFirst)
{
    Create();
    Type(QStringLiteral("Edited. "));

    answers = {QMessageBox::Cancel};
    env.main->MNextDay->trigger();
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Create new personalized file?"});
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 25));
    EXPECT_TRUE(Page().toPlainText().startsWith("Edited. "));
    EXPECT_TRUE(Page().isModified());
    EXPECT_FALSE(env.main->FSavePrompt);

    answers = {QMessageBox::No};
    env.main->MNextDay->trigger();
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 26));
    EXPECT_FALSE(Page().toPlainText().startsWith("Edited. "));
    EXPECT_FALSE(QFile::exists(env.DataDir() + "12-25.trp"));

    // Yes keeps the edits in the day's file before the next day shows.
    env.messages.clear();
    Type(QStringLiteral("Kept. "));
    answers = {QMessageBox::Yes};
    env.main->MPreviousDay->trigger();
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 25));
    QTextDocument saved;
    LoadRtf(saved, ReadFile(env.DataDir() + "12-26.trp"));
    EXPECT_TRUE(saved.toPlainText().startsWith("Kept. "));

    // The existing file is named in the question.
    env.ShowDate(QDate(2024, 12, 26));
    Type(QStringLiteral("Again. "));
    env.messages.clear();
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(env.main->CheckSaveChanges(env.main->MToday));
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Save changes/additions to personalized file?"});
    // A page not read from the existing file would replace it.
    answers = {QMessageBox::Cancel};
    env.options->LoadOriginal->setChecked(true);
    env.dateBox->ShowDayPage(false);
    Type(QStringLiteral("Again. "));
    EXPECT_FALSE(env.main->CheckSaveChanges(env.main->MToday));
    EXPECT_EQ(env.messages.value(1), "Text has changed. Replace existing personalized file?");

    // Unchanged pages are left without a question.
    env.messages.clear();
    Page().setModified(false);
    EXPECT_TRUE(env.main->CheckSaveChanges(env.main->MToday));
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(SavingTest, NoBeforeSelectDateReloadsTheUneditedPage)
{
    Create();
    const QString library = Page().toPlainText();
    Type(QStringLiteral("Edited. "));
    answers = {QMessageBox::No};
    EXPECT_TRUE(env.main->CheckSaveChanges(env.main->MSelectDate));
    EXPECT_EQ(Page().toPlainText(), library);
    EXPECT_FALSE(Page().isModified());
}

TEST_F(SavingTest, CancelledSwitchesKeepPageCalendarAndTheirCheckMarks)
{
    Create();
    Type(QStringLiteral("Edited. "));
    for (QAction* item : {env.main->MDailyBibleReadings, env.main->MLivesSaints, env.main->MTroparionKontakion}) {
        answers = {QMessageBox::Cancel};
        item->trigger();
        EXPECT_TRUE(env.main->MTroparionKontakion->isChecked()) << item->objectName().toStdString();
        EXPECT_FALSE(env.main->MDailyBibleReadings->isChecked());
        EXPECT_FALSE(env.main->MLivesSaints->isChecked());
        EXPECT_TRUE(env.main->MTBSelvarion->isChecked());
    }
    answers = {QMessageBox::Cancel};
    env.main->MTBLivesSaints->click();
    EXPECT_TRUE(env.main->MTBSelvarion->isChecked());
    EXPECT_FALSE(env.main->MTBLivesSaints->isChecked());

    for (QAction* item : {env.main->MOldCalendar, env.main->MNewCalendar}) {
        answers = {QMessageBox::Cancel};
        item->trigger();
        EXPECT_FALSE(env.main->MOldCalendar->isChecked());
        EXPECT_TRUE(env.main->MNewCalendar->isChecked());
    }
    EXPECT_EQ(env.main->windowTitle(), "Selvarion - New Calendar");
    EXPECT_TRUE(Page().toPlainText().startsWith("Edited. "));
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "12-25.trp");

    // Yes during a switch saves the page that was on screen, then switches.
    answers = {QMessageBox::Yes};
    env.main->MLivesSaints->trigger();
    EXPECT_TRUE(env.main->MLivesSaints->isChecked());
    EXPECT_FALSE(env.main->MTroparionKontakion->isChecked());
    QTextDocument saved;
    LoadRtf(saved, ReadFile(env.DataDir() + "12-25.trp"));
    EXPECT_TRUE(saved.toPlainText().startsWith("Edited. "));
    EXPECT_EQ(env.main->FPersonalFileName, env.DataDir() + "12-25.lvs");
}

TEST_F(SavingTest, ClosingWithAChangedPage)
{
    Create();
    env.main->show();
    Type(QStringLiteral("Edited. "));
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(env.main->close());
    EXPECT_TRUE(env.main->isVisible());
    answers = {QMessageBox::No};
    EXPECT_TRUE(env.main->close());
}

TEST_F(SavingTest, FailedWriteKeepsPageAndDateAndSaysWhy)
{
    Create();
    env.main->FAppDataDir = env.DataDir() + "missing/";
    env.dateBox->ShowDayPage(false);
    Type(QStringLiteral("Edited. "));
    const QString hint = env.main->Hint();

    answers = {QMessageBox::Yes};
    env.main->MNextDay->trigger();
    ASSERT_EQ(env.messages.size(), 2);
    EXPECT_TRUE(env.messages[1].startsWith("Cannot write file \"" + Native(File()) + "\""));
    EXPECT_EQ(env.dateBox->FCivilDate, QDate(2024, 12, 25));
    EXPECT_TRUE(Page().isModified());
    EXPECT_EQ(env.main->Hint(), hint);
    EXPECT_TRUE(env.main->updatesEnabled());

    answers = {QMessageBox::Yes};
    env.main->show();
    EXPECT_FALSE(env.main->close());
    EXPECT_TRUE(env.main->isVisible());
    EXPECT_EQ(env.messages.size(), 4);

    // The user's own Save says the same.
    answers = {QMessageBox::Ok};
    env.main->MSave->trigger();
    EXPECT_TRUE(env.messages.last().startsWith("Cannot write file"));
    EXPECT_TRUE(Page().isModified());
    EXPECT_FALSE(QFile::exists(File()));
}

TEST_F(SavingTest, SaveOnAFullDiskKeepsTheOldFileAndSaysWhy)
{
    SELV_FULL_DISK_OR_SKIP(disk);
    Create();
    // A personalized page of about 3 KB on a disk then left with no room.
    env.main->FAppDataDir = disk.dir.path() + "/";
    const QByteArray kept = "{\\rtf1 " + QByteArray(3000, 'p') + "}";
    QFile file(env.main->FAppDataDir + "12-25.trp");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kept) == kept.size());
    file.close();
    env.dateBox->ShowDayPage(false);
    disk.Fill();
    Type(QStringLiteral("Word "));
    env.main->MSave->trigger();
    EXPECT_EQ(env.messages.value(1), "Cannot write file \"" + Native(File()) + "\". No space left on device");
    EXPECT_EQ(ReadFile(File()), kept);
    EXPECT_TRUE(Page().isModified() && PersonalShown());
}

TEST_F(SavingTest, SaveAsWritesRichOrPlainTextByTheExtension)
{
    Create();
    const QString library = Page().toPlainText();
    QTemporaryDir target;
    QString chosen;
    QStringList seen;
    SetSaveDialogHook([&](QFileDialog& dialog) {
        seen << dialog.directory().absolutePath() << dialog.defaultSuffix()
             << dialog.nameFilters().join(QLatin1Char('|'));
        return chosen;
    });
    env.main->FSaveDialogDirectory = target.path();
    env.main->MSaveAsClick();   // cancelled
    // The dialog keeps its filter names with their blanks run together.
    EXPECT_EQ(seen, (QStringList{target.path(), "RTF",
                                 "Rich Text Files (*.RTF)|Plain Text Files (*.TXT)|All Files (*.*)"}));
    EXPECT_TRUE(QDir(target.path()).isEmpty());

    Type(QStringLiteral("Edited. "));
    QDir(target.path()).mkdir(QStringLiteral("sub"));
    chosen = target.filePath(QStringLiteral("sub/copy.txt"));
    env.main->MSaveAs->trigger();
    EXPECT_EQ(QString::fromUtf8(ReadFile(chosen)), "Edited. " + library);
    EXPECT_EQ(env.main->FSaveDialogDirectory, target.filePath(QStringLiteral("sub")));
    EXPECT_EQ(env.main->Hint(), "Saved as " + Native(chosen));
    EXPECT_FALSE(Page().isModified());
    EXPECT_FALSE(PersonalShown());
    EXPECT_FALSE(QFile::exists(File()));

    for (const char* name : {"copy.rtf", "copy.RTF"}) {
        chosen = target.filePath(QLatin1String(name));
        env.main->MSaveAsClick();
        QTextDocument saved;
        EXPECT_TRUE(LoadRtf(saved, ReadFile(chosen))) << name;
        EXPECT_EQ(saved.toPlainText(), Page().toPlainText());
    }
}

TEST_F(SavingTest, DeleteFileRemovesTheCopyAndShowsTheLibraryPage)
{
    Create();
    const QString library = Page().toPlainText();
    Type(QStringLiteral("Edited. "));
    env.main->MSaveClick(env.main->MSave);
    ASSERT_TRUE(PersonalShown());
    const QString path = File();

    env.messages.clear();
    answers = {QMessageBox::Cancel};
    env.main->MDeleteFile->trigger();
    const QString question = "Delete personalized troparia and kontakia file\n\n" + Native(path) + "\n\nfrom your hard disk?";
    EXPECT_EQ(env.messages, QStringList{question});
    EXPECT_TRUE(QFile::exists(path));
    // Edits on the page go with the file: the question says so.
    Type(QStringLiteral("Unsaved. "));
    answers = {QMessageBox::Cancel};
    env.main->MDeleteFile->trigger();
    EXPECT_EQ(env.messages.value(1), question + "\n\nThe changes made to the page on screen will be lost.");

    env.main->MDeleteFile->trigger();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Page().toPlainText(), library);
    EXPECT_FALSE(PersonalShown());
    EXPECT_EQ(env.main->Hint(), Native(path) + " Deleted.");
    EXPECT_EQ(env.main->StatusPanel1->text(), env.main->Hint());

    env.main->MTBBibleReadings->click();
    env.messages.clear();
    env.main->MDeleteFileClick();
    EXPECT_TRUE(env.messages.value(0).startsWith("Delete personalized bible readings file\n\n"));
    env.main->MTBLivesSaints->click();
    env.messages.clear();
    env.main->MDeleteFileClick();
    EXPECT_TRUE(env.messages.value(0).startsWith("Delete personalized lives of saints file\n\n"));
}

TEST_F(SavingTest, FailedDeleteIsReportedAndTheLibraryPageShows)
{
    Create(false);
    const QString library = Page().toPlainText();
    // A name that cannot be removed: a folder with something in it.
    ASSERT_TRUE(QDir().mkpath(File() + "/inside"));
    const QString path = File();
    env.main->MDeleteFileClick();
    EXPECT_EQ(env.main->Hint(), "Unable to Delete " + Native(path) + ".");
    EXPECT_EQ(Page().toPlainText(), library);
    EXPECT_FALSE(Page().isModified());
}
