// Uninstalling installed versions, with backups, and giving them new names.
#include "versions_fixture.h"

namespace {

const QString WebName = QStringLiteral("World English Bible");
const QString LineBreak = QStringLiteral("\n");

class UninstallTest : public VersionsTest {
protected:
    void SetUp() override
    {
        VersionsTest::SetUp();
        ASSERT_TRUE(Install(SourceCopy("web_unbound.txt", QStringLiteral("web.txt")), WebName));
        ASSERT_TRUE(Choose(NewTReadingsRole, 1));
        ASSERT_TRUE(Choose(4, 1));
        ASSERT_TRUE(Page().contains("King Herod"));
    }
    void Uninstall(int slot)
    {
        Options().UninstallButtonClick();
        Options().FileRadioButtons[size_t(slot)]->click();
        Options().UninstallEditOKButton->click();
    }
    void Rename(int slot, const QString& name)
    {
        Options().EditButtonClick();
        Options().FileRadioButtons[size_t(slot)]->click();
        Options().UninstallEditOKButton->click();
        Options().NameEdit->setText(name);
        Options().InstallOKButton->click();
    }
};

} // namespace

TEST_F(UninstallTest, RolesReturnToTheBuiltInVersionAndBackupsAreKept)
{
    Answer({QMessageBox::Yes, QMessageBox::Yes});
    Uninstall(1);
    EXPECT_EQ(env.messages.value(0), "You are about to uninstall this file. Are you sure?");
    EXPECT_EQ(env.messages.value(1),
              "The file \"web.txt\" will be removed." + LineBreak + "Do you want to keep a backup copy?");
    EXPECT_EQ(env.messages.value(2), "The file \"web.txt\" was backed up to" + LineBreak + env.DataDir() + "Backup.");
    EXPECT_EQ(Options().ActiveNT1->text(), BuiltInVersionName);
    EXPECT_EQ(Options().ActiveNT2->text(), BuiltInVersionName);
    EXPECT_EQ(Reader().FNewTReadingsFile, BuiltInNewTFile);
    EXPECT_EQ(Reader().FMappedSize, QFileInfo(SELV_PROGRAM_DIR "/NewTstmt.dat").size());
    EXPECT_EQ(Reader().NewT->count(), 27);
    EXPECT_TRUE(Page().contains("Herod the king"));
    EXPECT_FALSE(QFileInfo::exists(env.DataDir() + "web.txt"));
    EXPECT_TRUE(QFileInfo::exists(env.DataDir() + "Backup/web.txt"));
    EXPECT_EQ(RecordName(WebName), "");
    EXPECT_TRUE(Options().FInstalledVersions.isEmpty());
    EXPECT_EQ(Options().FileLabels[1]->text(), "Not Installed");
    EXPECT_FALSE(Options().UninstallButton->isEnabled());
    EXPECT_EQ(Pages().currentWidget(), Options().BibleFiles);
    EXPECT_TRUE(Options().UninstallEditOKButton->isHidden());
    // The dialog's Cancel cannot bring the removed version back.
    Options().CancelButtonClick();
    EXPECT_EQ(Options().ActiveNT1->text(), BuiltInVersionName);

    // A second backup of a file of the same name replaces the first, which is read-only.
    ASSERT_TRUE(Install(SourceCopy("kjv_unbound.txt", QStringLiteral("web.txt")), WebName));
    Answer({QMessageBox::Yes, QMessageBox::Yes});
    Uninstall(1);
    EXPECT_TRUE(LastMessage().startsWith("The file \"web.txt\" was backed up to")) << LastMessage().toStdString();
    EXPECT_EQ(QFileInfo(env.DataDir() + "Backup/web.txt").size(), QFileInfo(ExportFile("kjv_unbound.txt")).size());
}

TEST_F(UninstallTest, FailedBackupKeepsTheVersionAndCancelsNothingElse)
{
    QFile blocker(env.DataDir() + "Backup");   // a file where the backup folder would go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Answer({QMessageBox::Yes, QMessageBox::Yes});
    Uninstall(1);
    EXPECT_TRUE(LastMessage().startsWith("Unable to create the backup directory." + LineBreak)) << LastMessage().toStdString();
    EXPECT_TRUE(LastMessage().endsWith(".\n\"web.txt\" was not backed up.\n\"World English Bible\" stays installed."));
    EXPECT_TRUE(QFileInfo::exists(env.DataDir() + "web.txt"));
    EXPECT_EQ(RecordName(WebName), WebName);
    EXPECT_EQ(Options().FInstalledVersions, QStringList({WebName}));
    EXPECT_EQ(Options().ActiveNT1->text(), WebName);
    EXPECT_EQ(Reader().FNewTReadingsFile, "web.txt");
    EXPECT_TRUE(Pages().isTabVisible(0));
}

TEST_F(UninstallTest, DontAskAgainAndTheSaveQuestion)
{
    // Cancelling the save question of the edited readings page keeps everything.
    env.main->MainRichEdit->insertPlainText(QStringLiteral("Note "));
    const QString edited = Page();
    Answer({QMessageBox::Yes, QMessageBox::Cancel}, true);
    Uninstall(1);
    EXPECT_EQ(Page(), edited);
    EXPECT_EQ(RecordName(WebName), WebName);
    EXPECT_TRUE(Options().FDontAskProceed);
    EXPECT_FALSE(Options().ShowDialogs->isChecked());
    Options().CancelButtonClick();
    EXPECT_FALSE(Options().ShowDialogs->isChecked());

    // Asked no more; the backup answer No is remembered.
    Answer({QMessageBox::No, QMessageBox::No}, true);
    Uninstall(1);
    EXPECT_EQ(env.messages.size(), 4) << env.messages.join('|').toStdString();
    EXPECT_EQ(RecordName(WebName), "");
    EXPECT_TRUE(Options().FDontAskSave);
    EXPECT_EQ(Options().FSaveBackups, 7);
    EXPECT_FALSE(QFileInfo::exists(env.DataDir() + "Backup"));
}

TEST_F(UninstallTest, RenameMovesTheRecordAndTheRolesFollow)
{
    Rename(1, QStringLiteral("WEB 2015"));
    EXPECT_EQ(Options().FInstalledVersions, QStringList({"WEB 2015"}));
    EXPECT_EQ(Options().FileLabels[1]->text(), "WEB 2015");
    EXPECT_EQ(RecordName(WebName), "");
    EXPECT_EQ(ReadInstalledFileName(QStringLiteral("WEB 2015")), "web.txt");
    EXPECT_EQ(Options().ActiveNT1->text(), "WEB 2015");
    EXPECT_EQ(Options().ActiveNT2->text(), "WEB 2015");
    Options().CancelButtonClick();
    EXPECT_EQ(Options().ActiveNT1->text(), "WEB 2015");
    EXPECT_EQ(Options().InstallUnboundBible->title(), "Install Unbound Bible Version");
    EXPECT_FALSE(Options().FileEdit->isHidden());

    // Only the letter case changes: allowed, and the record follows.
    Options().EditButtonClick();
    Options().FileRadioButtons[1]->click();
    Options().UninstallEditOKButton->click();
    EXPECT_EQ(Options().FinishedLabel->text(), "Click OK to Rename this file to");
    Options().NameEdit->setText(QStringLiteral("Web 2015"));
    Options().InstallOKButton->click();
    EXPECT_EQ(Records().ReadSections(), QStringList({"Web 2015", InstalledFileListSection}));
    EXPECT_EQ(Records().ReadString("Web 2015", "Name", ""), "Web 2015");

    Create();
    EXPECT_EQ(Options().ActiveNT1->text(), "Web 2015");
    EXPECT_EQ(Reader().FNewTReadingsFile, "web.txt");
    EXPECT_TRUE(Page().contains("King Herod"));
}

TEST_F(UninstallTest, EveryStepShowsItsOwnPageAlone)
{
    const auto shown = [this] {
        QList<QWidget*> pages;
        for (int i = 0; i < Pages().count(); ++i)
            if (Pages().widget(i)->isVisible())
                pages << Pages().widget(i);
        return pages;
    };
    using Pages_ = QList<QWidget*>;
    Options().show();
    // Uninstall and Edit Version Name start on the page already in front.
    for (auto start : {&TOptionsDialog::UninstallButtonClick, &TOptionsDialog::EditButtonClick}) {
        Pages().setCurrentWidget(Options().BibleFiles);
        (Options().*start)();
        EXPECT_EQ(shown(), Pages_{Options().BibleFiles});
        EXPECT_TRUE(Options().FileRadioButtons[1]->isVisible());
        EXPECT_FALSE(Pages().isTabVisible(Pages().indexOf(Options().BibleFiles)));
        Options().UninstallEditCancelButton->click();
        EXPECT_EQ(shown(), Pages_{Options().BibleFiles});
        EXPECT_TRUE(Options().UninstallButton->isVisible());
    }
    Options().InstallButtonClick();
    EXPECT_EQ(shown(), Pages_{Options().InstallPage});
    Options().InstallCancelButton->click();
    EXPECT_EQ(shown(), Pages_{Options().BibleFiles});
    // A long name widens the dialog as long as it is installed, no longer.
    const int width = Options().width();
    Rename(1, QString(45, QLatin1Char('W')));
    EXPECT_EQ(shown(), Pages_{Options().BibleFiles});
    QApplication::processEvents();
    EXPECT_GT(Options().width(), width);
    Rename(1, QStringLiteral("WEB"));
    QApplication::processEvents();
    EXPECT_EQ(Options().width(), width);

    Pages().setCurrentWidget(Options().BibleVersions);
    Options().ChangeVersionsButtonClick();
    EXPECT_EQ(shown(), Pages_{Options().ChangeVersionsPage});
    Options().VersionRadioButtons[0]->click();
    EXPECT_EQ(shown(), Pages_{Options().BibleFiles});
    Options().UninstallEditCancelButton->click();
    EXPECT_EQ(shown(), Pages_{Options().ChangeVersionsPage});
    Options().ChangeVersionsCancelButton->click();
    EXPECT_EQ(shown(), Pages_{Options().BibleVersions});
    Options().hide();
}

TEST_F(UninstallTest, RecordsNamingFilesOutsideTheDataFolderTouchNoFile)
{
    // A record whose file name leads out of the data folder, in use for the readings.
    const QString victim = SourceFile(QStringLiteral("victim.txt"), "Mine, not a Bible.");
    QFile::setPermissions(victim, QFile::ReadOwner);
    env.Destroy();
    const QString evilName = QDir(env.DataDir()).relativeFilePath(victim);
    TRegIniFile(InstalledFilesKey).WriteString("Evil", "Filename", evilName);
    TRegIniFile(SettingsKey).WriteString("Options", "NewTReadingsVersion", "Evil");
    Create();
    EXPECT_TRUE(LastMessage().startsWith("The file \"" + evilName + "\" is damaged or missing")) << LastMessage().toStdString();
    Answer({QMessageBox::Yes, QMessageBox::Yes});
    Uninstall(2);
    EXPECT_EQ(LastMessage(), "The record of \"Evil\" was damaged: its file name \"" + evilName + "\" is not the name "
                             "of a file in the data folder.\nThe version was uninstalled, and no file was backed up or removed.");
    EXPECT_EQ(RecordName("Evil"), "");
    QFile file(victim);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == "Mine, not a Bible.");
    EXPECT_EQ(QFile::permissions(victim) & (QFile::ReadOwner | QFile::WriteOwner), QFile::ReadOwner);
    EXPECT_FALSE(QFileInfo::exists(env.DataDir() + "Backup"));
}

TEST_F(UninstallTest, RolesAreStoredAsTheyChangeForEveryRole)
{
    // Roles are stored as soon as Apply, a rename or an uninstall changes them (a kill keeps them).
    QFile web(ExportFile("web_unbound.txt"));
    ASSERT_TRUE(web.open(QIODevice::ReadOnly));
    const QString apoc = QStringLiteral("WEB with Azariah");   // an Apocrypha fit for the readings
    ASSERT_TRUE(Install(SourceFile("azariah.txt", web.readAll() + "83A\t1\t1\tBlessed art thou, O Lord.\n"), apoc));
    ASSERT_TRUE(Choose(0, 1) && Choose(2, 2) && Choose(3, 1));
    EXPECT_EQ(Reader().FOldTReadingsFile, "web.txt");
    EXPECT_EQ(Reader().FApocReadingsFile, "azariah.txt");
    EXPECT_EQ(Reader().FOldTSearchFile, "web.txt");
    const auto stored = [] {
        QStringList names;
        for (const char* role : {"OldTReadings", "NewTReadings", "ApocReadings", "OldTSearch", "NewTSearch"})
            names << TRegIniFile(SettingsKey).ReadString("Options", role + QStringLiteral("Version"), "");
        return names;
    };
    EXPECT_EQ(stored(), QStringList({WebName, WebName, apoc, WebName, WebName}));
    Rename(1, QStringLiteral("WEB 2015"));
    EXPECT_EQ(stored(), QStringList({"WEB 2015", "WEB 2015", apoc, "WEB 2015", "WEB 2015"}));
    Answer({QMessageBox::Yes, QMessageBox::No});
    Uninstall(1);
    const QString& kjv = BuiltInVersionName;
    EXPECT_EQ(stored(), QStringList({kjv, kjv, apoc, kjv, kjv}));
}

TEST_F(UninstallTest, RoleNamesTakeTheSpellingOfTheirRecords)
{
    env.Destroy();
    TRegIniFile(SettingsKey).WriteString("Options", "NewTReadingsVersion", "world english BIBLE");
    Create();
    EXPECT_EQ(Options().ActiveNT1->text(), WebName);
    Answer({QMessageBox::Yes, QMessageBox::No});
    Uninstall(1);
    EXPECT_EQ(Reader().FNewTReadingsFile, BuiltInNewTFile);
}
