#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include "app_windows.h"
#include "installed_versions.h"

namespace {

QSize Screen()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

int StoredInt(const QString& section, const char* name)
{
    return TRegIniFile(SettingsKey).ReadInteger(section, QLatin1String(name), -12345);
}

} // namespace

TEST(SettingsStore, FileVersionIsCutIntoItsRecord)
{
    QString version, release, build;
    SplitFileVersion(QStringLiteral("3.0.1.729"), version, release, build);
    EXPECT_EQ(version, "3.0");
    EXPECT_EQ(release, "1");
    EXPECT_EQ(build, "729");
    QString failure;
    GetVersionInfoValue(QStringLiteral("NoSuchName"), failure);
    SplitFileVersion(failure, version, release, build);
    EXPECT_EQ(version, "Som");
    EXPECT_EQ(release, "");
    EXPECT_EQ(build, "Something is different than usual");
}

TEST(SettingsStore, CommaTextQuotesNamesWithBlanksAndReadsThemBack)
{
    const QStringList books = {QStringLiteral("Genesis"), QStringLiteral("1 Samuel"),
                               QStringLiteral("Song \"of\" Songs"), QStringLiteral("a,b")};
    EXPECT_EQ(ToCommaText(books), R"(Genesis,"1 Samuel","Song ""of"" Songs","a,b")");
    EXPECT_EQ(FromCommaText(ToCommaText(books)), books);
    // Unquoted blanks separate items as commas do.
    EXPECT_EQ(FromCommaText(QStringLiteral("Tobit Judith, Baruch")),
              (QStringList{QStringLiteral("Tobit"), QStringLiteral("Judith"), QStringLiteral("Baruch")}));
    EXPECT_TRUE(FromCommaText(QString()).isEmpty());
}

TEST(SettingsStore, FirstRunHasNoVersionRecordUntilItIsRegistered)
{
    TAppWindows env;
    EXPECT_FALSE(UpdateRegisteredVersion());
    EXPECT_FALSE(TRegIniFile(SettingsKey).KeyExists(QStringLiteral("\\Software\\Tavrendel\\Selvarion\\Application")));
    RegisterVersion();
    TRegIniFile record(QStringLiteral("Software\\Tavrendel\\Selvarion\\Application"));
    EXPECT_EQ(record.ReadString(QString(), QStringLiteral("Version"), {}), "3.0");
    EXPECT_EQ(record.ReadString(QString(), QStringLiteral("Release"), {}), "1");
    EXPECT_EQ(record.ReadString(QString(), QStringLiteral("Build"), {}), "729");
    EXPECT_TRUE(UpdateRegisteredVersion());
}

TEST(SettingsStore, FirstFailedWriteOfARunIsShownInTheMessageBoxOnce)
{
    TAppWindows env;
    ReportSettingsTroubleInMessageBoxes();
    QFile blocker(env.config.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("SELVARION_CONFIG_DIR", (blocker.fileName() + QStringLiteral("/sub")).toUtf8());
    env.Create();
    env.Destroy();
    RegisterVersion();
    TRegIniFile::SetStoreErrorHandler(nullptr);
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_EQ(env.messages[0], QStringLiteral("The settings could not be saved to %1/sub/registry.ini: its folder "
                                              "cannot be made").arg(blocker.fileName()));
}

TEST(SettingsStore, DialogPositionsAreKeptOnTheScreen)
{
    TAppWindows env;
    QWidget dialog;
    dialog.resize(400, 200);
    dialog.move(-30, -5);
    SaveDialogPosition(dialog, QStringLiteral("DateWindow"), SettingsKey);
    EXPECT_EQ(StoredInt(QStringLiteral("DateWindow"), "Left"), 0);
    EXPECT_EQ(StoredInt(QStringLiteral("DateWindow"), "Top"), 0);
    dialog.move(Screen().width() - 100, Screen().height() - 50);
    SaveDialogPosition(dialog, QStringLiteral("DateWindow"), SettingsKey);
    EXPECT_EQ(StoredInt(QStringLiteral("DateWindow"), "Left"), Screen().width() - 400);
    EXPECT_EQ(StoredInt(QStringLiteral("DateWindow"), "Top"), Screen().height() - 200);
    // Loading takes the stored values unclamped; nothing stored centres the dialog.
    TRegIniFile(SettingsKey).WriteInteger(QStringLiteral("DateWindow"), QStringLiteral("Left"), -70);
    LoadDialogPosition(dialog, QStringLiteral("DateWindow"), SettingsKey);
    EXPECT_EQ(dialog.x(), -70);
    LoadDialogPosition(dialog, QStringLiteral("NoSuchWindow"), SettingsKey);
    EXPECT_EQ(dialog.pos(), QPoint(Screen().width() / 2 - 200, Screen().height() / 2 - 100));
}

TEST(SettingsStore, OversizedMainWindowIsStoredAtTheScreenSize)
{
    TAppWindows env;
    env.Create();
    env.main->setWindowState(Qt::WindowNoState);
    env.main->setGeometry(10, 20, Screen().width() + 300, 300);
    SaveMainWindowPlacement(*env.main, QStringLiteral("MainWindow"), SettingsKey);
    EXPECT_EQ(StoredInt(QStringLiteral("MainWindow"), "Left"), 0);
    EXPECT_EQ(StoredInt(QStringLiteral("MainWindow"), "Width"), Screen().width());
    EXPECT_EQ(StoredInt(QStringLiteral("MainWindow"), "Top"), 20);
    EXPECT_EQ(StoredInt(QStringLiteral("MainWindow"), "Height"), 300);
    EXPECT_EQ(TRegIniFile(SettingsKey).ReadString(QStringLiteral("MainWindow"), QStringLiteral("FormState"), {}),
              "Normal");
}

TEST(SettingsStore, WithNothingStoredTheMainWindowOpensMaximized)
{
    TAppWindows env;
    env.Create();
    EXPECT_TRUE(env.main->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(env.options->ShowIcons->isChecked());
    EXPECT_TRUE(env.options->LoadPersonalized->isChecked());
    EXPECT_TRUE(env.main->MOldCalendar->isChecked());
    EXPECT_TRUE(env.main->MTroparionKontakion->isChecked());
    EXPECT_EQ(env.options->ActiveNT2->text(), BuiltInVersionName);
    EXPECT_EQ(env.options->FSaveBackups, 7);
}

TEST(SettingsStore, SettingsWrittenAtDestructionComeBack)
{
    TAppWindows env;
    env.Create();
    env.main->MNewCalendar->trigger();
    env.main->MLivesSaints->trigger();
    env.options->UseLukanJump->setChecked(false);
    env.options->ShowVerseNumbers->setChecked(false);
    env.options->LoadOriginal->setChecked(true);
    env.options->ShowDialogs->setChecked(false);
    env.options->OKButtonClick();   // sets both "don't ask" flags
    env.options->ActiveOT1->setText(QStringLiteral("My Version"));
    env.main->FSaveDialogDirectory = QStringLiteral("/somewhere/else");
    env.main->EditToolBar->setVisible(false);
    env.bible->ChapterHeadings->setChecked(false);
    env.main->setWindowState(Qt::WindowNoState);
    env.main->setGeometry(40, 50, 500, 400);
    env.options->move(33, 44);
    env.dateBox->move(55, 66);
    env.Destroy();

    env.Create();
    EXPECT_TRUE(env.main->MNewCalendar->isChecked());
    EXPECT_FALSE(env.main->MOldCalendar->isChecked());
    EXPECT_TRUE(env.main->MLivesSaints->isChecked());
    EXPECT_TRUE(env.main->MTBLivesSaints->isChecked());
    EXPECT_EQ(env.main->MFindSaint->text(), "Find &Life of Saint...");
    EXPECT_FALSE(env.options->UseLukanJump->isChecked());
    EXPECT_FALSE(env.options->ShowVerseNumbers->isChecked());
    EXPECT_TRUE(env.options->LoadOriginal->isChecked());
    EXPECT_FALSE(env.options->LoadPersonalized->isChecked());
    EXPECT_TRUE(env.options->FDontAskSave);
    EXPECT_TRUE(env.options->FDontAskProceed);
    EXPECT_FALSE(env.options->ShowDialogs->isChecked());

    EXPECT_EQ(env.main->FSaveDialogDirectory, "/somewhere/else");
    EXPECT_FALSE(env.options->ShowEditToolbar->isChecked());
    EXPECT_FALSE(env.main->EditToolBar->isVisibleTo(env.main.get()));
    EXPECT_FALSE(env.bible->ChapterHeadings->isChecked());
    EXPECT_TRUE(env.bible->VerseNumbers->isChecked());
    EXPECT_EQ(env.main->normalGeometry().size(), QSize(500, 400));
    EXPECT_EQ(env.options->pos(), QPoint(33, 44));
    EXPECT_EQ(env.dateBox->pos(), QPoint(55, 66));
    // "My Version" is no installed version: its role falls back to the built-in version.
    EXPECT_EQ(env.options->ActiveOT1->text(), BuiltInVersionName);
    EXPECT_EQ(env.bible->FOldTReadingsFile, BuiltInOldTFile);
}

TEST(SettingsStore, ToolbarsAreStoredFromTheirVisibilityNotFromTheBoxes)
{
    TAppWindows env;
    env.Create();
    env.options->ShowMainToolbar->setChecked(false);   // neither OK nor Cancel
    env.options->ShowIcons->setChecked(false);
    env.Destroy();
    TRegIniFile registry(SettingsKey);
    EXPECT_TRUE(registry.ReadBool(QStringLiteral("Options"), QStringLiteral("ShowMainToolBar"), false));
    EXPECT_FALSE(registry.ReadBool(QStringLiteral("Options"), QStringLiteral("ShowIcons"), true));
}

TEST(SettingsStore, InstalledSearchVersionGetsItsFileAndBookList)
{
    TAppWindows env;
    {
        TRegIniFile registry(SettingsKey);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NewTSearchVersion"), QStringLiteral("Plain"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("OldTSearchVersion"), QStringLiteral("Short"));
        TRegIniFile records(InstalledFilesKey);
        records.WriteString(QStringLiteral("Plain"), QStringLiteral("Filename"), QStringLiteral("plain.txt"));
        records.WriteString(QStringLiteral("Short"), QStringLiteral("Filename"), QStringLiteral("short.txt"));
        records.WriteString(QStringLiteral("Short"), QStringLiteral("OldTBooks"), QStringLiteral("Genesis,\"1 Kings\""));
    }
    env.Create();
    EXPECT_EQ(env.bible->FNewTSearchFile, "plain.txt");
    EXPECT_EQ(env.bible->FNewTReadingsFile, BuiltInNewTFile);
    EXPECT_EQ(env.bible->FOldTSearchFile, "short.txt");
    EXPECT_EQ(env.bible->NewT->count(), 27);   // the default list of its testament
    ASSERT_EQ(env.bible->OldT->count(), 2);
    EXPECT_EQ(env.bible->OldT->itemText(1), "1 Kings");
}

TEST(SettingsStore, StoredPageSetsTheFindSaintTexts)
{
    TAppWindows env;
    env.Create();
    // The troparia page keeps the texts the window was built with.
    EXPECT_EQ(env.main->MFindSaint->text(), "Find &Saint...");
    EXPECT_EQ(env.main->MTBFindSaint->text(), "Find Saint...");
    EXPECT_EQ(env.main->MTBFindSaint->toolTip(), "Find Saint");
    EXPECT_EQ(env.main->MTBFindSaint->statusTip(), "Finds the specified saint, and goes to that page");
    env.Destroy();

    env.SetOption(QStringLiteral("TroparionKontakion"), false);
    env.SetOption(QStringLiteral("DailyBibleReadings"), true);
    env.Create();
    const QString readings =
        QStringLiteral("Finds the specified bible verses, and displays them in the editor window");
    EXPECT_EQ(env.main->MTBFindSaint->text(), "Find Bible Verses...");
    EXPECT_EQ(env.main->MFindSaint->toolTip(), readings);
    EXPECT_EQ(env.main->MFindSaint->statusTip(), readings);
    EXPECT_EQ(env.main->MTBFindSaint->toolTip(), "Finds the specified bible verses");
    EXPECT_EQ(env.main->MTBFindSaint->statusTip(), readings);
    env.Destroy();

    env.SetOption(QStringLiteral("DailyBibleReadings"), false);
    env.Create();
    EXPECT_EQ(env.main->MFindSaint->toolTip(), "Finds the life of the specified saint, and goes to that page");
    EXPECT_EQ(env.main->MTBFindSaint->toolTip(), "Finds the life of the specified saint");
}
