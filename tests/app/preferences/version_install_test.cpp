// Installing Bible versions through the install page, with the build tree's real exports.
#include "versions_fixture.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "fifo_watch.h"
#include "file_copy.h"
#include "file_progress.h"

namespace {

const QString Q = QStringLiteral("\"");
const QString LineBreak = QStringLiteral("\n");

QStringList InfoRows(const TOptionsDialog& options)
{
    QStringList rows;
    for (size_t i = 2; i < options.InfoLabels.size(); i += 2)
        if (!options.InfoLabels[i]->isHidden())
            rows << options.InfoLabels[i]->text() + " / " + options.InfoLabels[i + 1]->text();
    return rows;
}

// Runs the scope with the effective user "nobody" when run as root, whom file permissions
// do not hold back.
class TWithoutRoot {
public:
    TWithoutRoot() : root_(geteuid() == 0) { EXPECT_TRUE(!root_ || seteuid(65534) == 0); }
    ~TWithoutRoot() { EXPECT_TRUE(!root_ || seteuid(0) == 0); }

private:
    bool root_;
};

} // namespace

TEST_F(VersionsTest, RealExportsAreScannedCopiedAndRecorded)
{
    const QString kjv = SourceCopy("kjv_unbound.txt", QStringLiteral("kjv.txt"));
    ChooseAndScan(kjv);
    EXPECT_EQ(Options().FInstallFileName, kjv);
    EXPECT_LE(Options().FileEdit->fontMetrics().horizontalAdvance(Options().FileEdit->text()), 221);
    EXPECT_TRUE(Options().FileEdit->text().endsWith("/kjv.txt"));
    EXPECT_EQ(InfoRows(Options()), QStringList({"Complete Old Testament / Bible Readings and Search",
                                                "Complete New Testament / Bible Readings and Search"}));
    EXPECT_EQ(Options().NameEdit->text(), "King James Version (Unbound)");
    EXPECT_EQ(Options().FinishedLabel->text(), "If name is satisfactory, click OK to install as");
    EXPECT_FALSE(Options().FileBrowseButton->isEnabled());
    Options().InstallOKButton->click();

    const QString web = SourceCopy("web_unbound.txt", QStringLiteral("web.txt"));
    ChooseAndScan(web);
    EXPECT_EQ(InfoRows(Options()), QStringList({"Complete Old Testament / Bible Readings and Search",
                                                "Complete New Testament / Bible Readings and Search",
                                                "Partial Apocrypha / Bible Search Only"}));
    EXPECT_EQ(Options().NameEdit->text(), "World English Bible");
    Options().InstallOKButton->click();
    EXPECT_TRUE(env.messages.isEmpty()) << env.messages.join('|').toStdString();

    EXPECT_EQ(Pages().currentWidget(), Options().BibleFiles);
    EXPECT_TRUE(Options().OKButton->isEnabled());
    EXPECT_EQ(Options().FileLabels[1]->text(), "King James Version (Unbound)");
    EXPECT_EQ(Options().FileLabels[2]->text(), "World English Bible");
    EXPECT_TRUE(Options().FileLabels[2]->isEnabled());
    EXPECT_EQ(Options().FileLabels[3]->text(), "Not Installed");
    EXPECT_TRUE(Options().UninstallButton->isEnabled());
    const QFileInfo copy(env.DataDir() + "web.txt");
    EXPECT_EQ(copy.size(), QFileInfo(web).size());
    EXPECT_EQ(copy.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther), 0);

    // The records, value by value.
    TRegIniFile records = Records();
    const QString list = InstalledFileListSection;
    EXPECT_EQ(records.ReadString(list, "FileCount", ""), "2");
    EXPECT_EQ(records.ReadString(list, "File2", ""), "World English Bible");
    const QString kjvName = QStringLiteral("King James Version (Unbound)");
    EXPECT_EQ(records.ReadSection(kjvName),
              QStringList({"Name", "Filename", "OldT", "NewT", "Apoc", "OldTBibleReadingsReady", "OldTComplete",
                           "OldTBooks", "NewTBibleReadingsReady", "NewTComplete", "NewTBooks"}));
    EXPECT_EQ(records.ReadString(kjvName, "Filename", ""), "kjv.txt");
    EXPECT_EQ(records.ReadString(kjvName, "Apoc", ""), "0");
    EXPECT_EQ(records.ReadString(kjvName, "OldTComplete", ""), "1");
    EXPECT_EQ(records.ReadString(kjvName, "NewTBooks", ""), ToCommaText(DefaultBookList(1)));
    EXPECT_TRUE(records.ReadString(kjvName, "OldTBooks", "")
                    .startsWith(R"(Genesis,Exodus,Leviticus,Numbers,Deuteronomy,Joshua,Judges,Ruth,"1 Samuel")"));
    const QString webName = QStringLiteral("World English Bible");
    EXPECT_EQ(records.ReadString(webName, "Name", ""), webName);
    EXPECT_EQ(records.ReadString(webName, "Apoc", ""), "1");
    EXPECT_EQ(records.ReadString(webName, "ApocBibleReadingsReady", ""), "0");   // no Prayer of Azariah
    EXPECT_FALSE(records.ValueExists(webName, "ApocComplete"));
    EXPECT_EQ(records.ReadString(webName, "ApocBooks", ""),
              R"(Baruch,Ecclesiasticus,"1 Esdras","2 Esdras",Judith,"1 Maccabees","2 Maccabees","3 Maccabees",)"
              R"("4 Maccabees","Prayer of Manasseh","Psalm 151",Tobit,"Wisdom of Solomon","Additions to Esther")");

    // Both come back with the windows.
    Create();
    EXPECT_EQ(Options().FInstalledVersions, QStringList({kjvName, webName}));
    EXPECT_EQ(Options().FileLabels[2]->text(), webName);
}

TEST_F(VersionsTest, NewTestamentOnlyFileNeedsAName)
{
    QFile kjv(ExportFile("kjv_unbound.txt"));
    ASSERT_TRUE(kjv.open(QIODevice::ReadOnly));
    QByteArray newTestament;
    while (!kjv.atEnd()) {
        const QByteArray line = kjv.readLine();
        if (line.size() > 3 && line[2] == 'N' && !line.startsWith("57N") && !line.startsWith("66N"))
            newTestament += line;
    }
    ChooseAndScan(SourceFile(QStringLiteral("KJV.txt"), newTestament));   // no suggested name
    EXPECT_EQ(InfoRows(Options()), QStringList({"Partial New Testament / Bible Readings and Search"}));
    EXPECT_EQ(Options().NameEdit->text(), "");
    EXPECT_EQ(Options().FinishedLabel->text(), "Enter a Name.");
    EXPECT_FALSE(Options().InstallOKButton->isEnabled());
    Options().NameEdit->setText(QStringLiteral("  Gospels  "));
    EXPECT_EQ(Options().FinishedNameLabel->text(), "Gospels");
    Options().InstallOKButton->click();
    TRegIniFile records = Records();
    EXPECT_EQ(records.ReadSection("Gospels"),
              QStringList({"Name", "Filename", "OldT", "NewT", "Apoc", "NewTBibleReadingsReady", "NewTComplete",
                           "NewTBooks"}));
    EXPECT_EQ(records.ReadString("Gospels", "NewTComplete", ""), "0");
    EXPECT_FALSE(ReadInstalledFileFlag(QStringLiteral("Gospels"), QStringLiteral("ApocBibleReadingsReady")));

    // Version names are the records' keys: a name in use, in any letter case, is refused.
    ChooseAndScan(SourceCopy("web_unbound.txt", QStringLiteral("web.txt")));
    for (const char* taken : {"gOSPELS", "King James Version (Gutenberg)", "installedfilelist"}) {
        Options().NameEdit->setText(QLatin1String(taken));
        EXPECT_EQ(Options().FinishedLabel->text(), "This name is already in use. Enter another name.") << taken;
        EXPECT_FALSE(Options().InstallOKButton->isEnabled()) << taken;
    }
    Options().InstallOKButton->click();
    EXPECT_EQ(Options().FInstalledVersions.size(), 1);
}

TEST_F(VersionsTest, RefusedFilesAreReportedAndNothingIsRegistered)
{
    const auto refused = [this](const QString& path) {
        ChooseAndScan(path);
        EXPECT_TRUE(Options().ScanButton->isHidden());
        EXPECT_TRUE(Options().FileBrowseButton->isEnabled());
        EXPECT_TRUE(Options().NameEdit->isHidden());
        Options().InstallCancelButton->click();
        return LastMessage();
    };
    EXPECT_EQ(refused(SourceFile(QStringLiteral("notes.txt"), "Psalm 23\tThe Lord is my shepherd\n01o\t1\t1\n")),
              "The selected file is not an Unbound Bible text." + LineBreak + "Select another file to scan.");
    EXPECT_EQ(refused(SourceFile(QStringLiteral("KJV_UTF8.txt"), "01O\t1\t1\tIn the beginning\n")),
              "The selected file, " + Q + "KJV_UTF8.txt" + Q + ", contains unicode text." + LineBreak +
                  "Selvarion does not handle unicode." + LineBreak + "Select another file to scan.");
    EXPECT_EQ(refused(SourceFile(QStringLiteral("empty.txt"), "")),
              "The selected file is empty." + LineBreak + "Select another file and try again.");
    EXPECT_EQ(refused(SourceFile(QStringLiteral("columns.txt"), "40N\t1\tNo verse column\n")),
              "Some lines of the selected file are not a book code, a chapter, a verse and a text, one column "
              "each. These books are left out: St Matthew." + LineBreak + "Select another file to scan.");
    const QString vanished = SourceFile(QStringLiteral("gone.txt"), "40N\t1\t1\tThe book\n");
    Options().InstallButtonClick();
    TDialogHook<QFileDialog>::Set([&](QFileDialog& dialog) {
        dialog.selectFile(vanished);
        return true;
    });
    Options().FileBrowseButtonClick();
    QFile::remove(vanished);
    Options().ScanButtonClick();
    EXPECT_EQ(LastMessage(), "Unable to open the selected file." + LineBreak + "Select another file and try again.");
    Options().InstallCancelButton->click();

    ASSERT_TRUE(Install(SourceFile(QStringLiteral("kjv.txt"), "40N\t1\t1\tThe book\n"), QStringLiteral("Mine")));
    QDir().mkpath(source.path() + "/other");
    EXPECT_EQ(refused(SourceFile(QStringLiteral("other/kjv.txt"), "40N\t1\t1\tThe book\n")),
              "The selected file is already installed as " + Q + "Mine" + Q + "." + LineBreak +
                  "Select another file to scan.");
    EXPECT_EQ(env.messages.size(), 6);
    EXPECT_EQ(Options().FInstalledVersions, QStringList({"Mine"}));
    EXPECT_EQ(Records().ReadSections(), QStringList({"Mine", InstalledFileListSection}));
}

TEST_F(VersionsTest, TwelfthVersionIsRefused)
{
    env.Destroy();   // which writes the list of the windows
    {
        TRegIniFile records = Records();
        QStringList names;
        for (int n = 1; n <= MaxInstalledVersions; ++n) {
            names << QStringLiteral("Version %1").arg(n);
            records.WriteString(names.last(), "Filename", QStringLiteral("v%1.txt").arg(n));
        }
        SaveInstalledFileList(names, InstalledFileListSection, InstalledFilesKey);
    }
    Create();
    EXPECT_EQ(Options().FileLabels[11]->text(), "Version 11");
    EXPECT_FALSE(Options().InstallButton->isEnabled());
    ChooseAndScan(SourceFile(QStringLiteral("twelve.txt"), "40N\t1\t1\tThe book\n"));
    EXPECT_EQ(LastMessage(), "The list of installed files is full." + LineBreak +
                                 "To install a new file, first uninstall an existing file to make room.");
    EXPECT_EQ(Pages().currentWidget(), Options().BibleFiles);
    EXPECT_TRUE(Pages().isTabVisible(0));
    EXPECT_EQ(Options().FInstalledVersions.size(), MaxInstalledVersions);
}

TEST_F(VersionsTest, FailedCopyLeavesNothingBehind)
{
    ChooseAndScan(SourceCopy("web_unbound.txt", QStringLiteral("web.txt")));
    // Everyone may read the source and enter the folders; nobody may write the data folder.
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    const QString dataDir = QDir(env.DataDir()).absolutePath();
    QFile::setPermissions(source.path(), open);
    QFile::setPermissions(env.data.path(), open);
    QFile::setPermissions(dataDir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    {
        TWithoutRoot nobody;
        Options().InstallOKButton->click();
    }
    QFile::setPermissions(dataDir, open);
    EXPECT_EQ(LastMessage(), "Unable to copy " + Q + "web.txt" + Q + " to the program directory." + LineBreak +
                                 "Permission denied." + LineBreak + Q + "web.txt" + Q + " will not be installed.");
    EXPECT_EQ(Pages().currentWidget(), Options().BibleFiles);
    EXPECT_TRUE(Options().FInstalledVersions.isEmpty());
    EXPECT_TRUE(Records().ReadSections().isEmpty());
    EXPECT_TRUE(QDir(dataDir).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(VersionsTest, BrowseStartsInTheNearestFolderThatExists)
{
    // The documents folder of a new account may not exist yet.
    Options().FBrowseDirectory = source.path() + QStringLiteral("/Documents");
    QString folder, typed;
    TDialogHook<QFileDialog>::Set([&](QFileDialog& dialog) {
        folder = dialog.directory().absolutePath();
        typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        return false;
    });
    Options().InstallButtonClick();
    Options().FileBrowseButtonClick();
    EXPECT_EQ(folder, source.path());
    EXPECT_EQ(typed, "");
}

TEST_F(VersionsTest, NothingButRegularFilesIsOpened)
{
    const QString chosen = source.path() + QStringLiteral("/x.txt");
    const TFifo fifo(chosen.toStdString());
    ChooseAndScan(chosen);
    EXPECT_EQ(LastMessage(), "Unable to open the selected file." + LineBreak + "Select another file and try again.");
    QString error;
    EXPECT_EQ(CopyFileReplacing(chosen, env.DataDir() + "x.txt", QFile::ReadOwner, error), TCopyResult::Failed);
    EXPECT_EQ(error, "Not a regular file");
    EXPECT_FALSE(fifo.Waited());
}

TEST_F(VersionsTest, TwoProgramsKeepEachOthersInstalls)
{
    // Another program installs while this one runs, and again before this one ends.
    const auto otherInstalls = [](const QString& name) {
        TRegIniFile(InstalledFilesKey).WriteString(name, "Filename", name + ".txt");
        RewriteInstalledFileList();
    };
    otherInstalls(QStringLiteral("Other"));
    Install(SourceFile(QStringLiteral("kjv.txt"), "40N\t1\t1\tThe book\n"), QStringLiteral("Mine"));
    EXPECT_EQ(Options().FInstalledVersions, QStringList({"Other", "Mine"}));
    otherInstalls(QStringLiteral("Third"));
    env.Destroy();
    EXPECT_EQ(LoadInstalledFileList(InstalledFileListSection, InstalledFilesKey), QStringList({"Other", "Mine", "Third"}));
    EXPECT_EQ(Records().ReadString(InstalledFileListSection, "FileCount", ""), "3");
}

TEST_F(VersionsTest, CopiesGiveTheSystemsReasonAndLargeFilesCanBeCancelled)
{
    const auto dataFolderFiles = [&] { return QDir(env.DataDir()).entryList(QDir::Files | QDir::Hidden); };
    ChooseAndScan(SourceCopy("web_unbound.txt", QStringLiteral("web.txt")));
    // The disk fills up after 100,000 bytes of the copy.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{100000, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    Options().InstallOKButton->click();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(LastMessage(), "Unable to copy " + Q + "web.txt" + Q + " to the program directory." + LineBreak +
                                 "File too large." + LineBreak + Q + "web.txt" + Q + " will not be installed.");
    EXPECT_TRUE(dataFolderFiles().isEmpty());
    // A large file is scanned and copied behind a progress dialog whose Cancel stops either.
    QFile web(ExportFile("web_unbound.txt"));
    ASSERT_TRUE(web.open(QIODevice::ReadOnly));
    const QString large = SourceFile(QStringLiteral("large.txt"), web.readAll().repeated(2));
    ASSERT_GE(QFileInfo(large).size(), TFileProgress::LargeFileBytes);
    const auto cancelSoon = [] { QTimer::singleShot(0, [] { qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())->cancel(); }); };
    cancelSoon();
    ChooseAndScan(large);
    EXPECT_TRUE(Options().NameEdit->isHidden());
    Options().ScanButtonClick();
    Options().NameEdit->setText(QStringLiteral("Large"));
    cancelSoon();
    Options().InstallOKButton->click();
    EXPECT_TRUE(Options().FInstalledVersions.isEmpty());
    EXPECT_TRUE(dataFolderFiles().isEmpty());
    Options().InstallOKButton->click();
    EXPECT_EQ(Options().FInstalledVersions, QStringList({"Large"}));
}
