#include "reg_ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include "fifo_watch.h"
#include "full_disk.h"
#include "repro_files.h"

namespace {

const QString kSettingsKey = QStringLiteral("Software\\Tavrendel\\Selvarion");

class RegIniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("SELVARION_CONFIG_DIR", dir_.path().toUtf8());
        TRegIniFile::SetStoreErrorHandler([this](const QString& message) { reports_ << message; });
    }
    void TearDown() override {
        TRegIniFile::SetStoreErrorHandler(nullptr);
        qunsetenv("SELVARION_CONFIG_DIR");
    }
    QByteArray StoreBytes() const {
        QFile f(TRegIniFile::StoreFileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void WriteStore(const QByteArray& bytes) const {
        QFile f(TRegIniFile::StoreFileName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray FileBytes(const QString& name) const {
        QFile f(dir_.path() + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Runs `body` in child processes, at the same time, and waits for them; true when every
    // child ended with status 0. `unprivileged`: as root the children run as another user,
    // so that file permissions hold for them.
    static bool InChildren(int count, bool unprivileged, const std::function<int(int child)>& body) {
        std::vector<pid_t> children;
        for (int i = 0; i < count; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
                _exit(body(i));
            }
            children.push_back(pid);
        }
        bool allPassed = true;
        for (pid_t pid : children) {
            int status = 0;
            waitpid(pid, &status, 0);
            allPassed = allPassed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        return allPassed;
    }
    // Lets unprivileged children of InChildren use the store's folder and its file as their owner.
    void HandOverToChildren() const {
        if (geteuid() != 0) return;
        for (const QString& path : {dir_.path(), TRegIniFile::StoreFileName()})
            ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }

    QTemporaryDir dir_;
    QStringList reports_;
};

TEST_F(RegIniFileTest, StoreFileFollowsTheEnvironment) {
    EXPECT_EQ(TRegIniFile::StoreFileName(), dir_.path() + "/registry.ini");
}

TEST_F(RegIniFileTest, ValuesKeepTheirTypesAcrossObjects) {
    {
        TRegIniFile reg(kSettingsKey);
        reg.WriteString("Options", "OldTReadingsVersion", "King James Version (Gutenberg)");
        reg.WriteInteger("Options", "SaveBackups", 7);
        reg.WriteInteger("MainWindow", "MaxLeft", -4);
        reg.WriteBool("Options", "ShowIcons", false);
        reg.WriteBool("Options", "ShowHints", true);
    }
    TRegIniFile reg(kSettingsKey);
    EXPECT_EQ(reg.ReadString("Options", "OldTReadingsVersion", ""), "King James Version (Gutenberg)");
    EXPECT_EQ(reg.ReadInteger("Options", "SaveBackups", 0), 7);
    EXPECT_EQ(reg.ReadInteger("MainWindow", "MaxLeft", 0), -4);
    EXPECT_FALSE(reg.ReadBool("Options", "ShowIcons", true));
    EXPECT_TRUE(reg.ReadBool("Options", "ShowHints", false));
    // Every value is stored as text.
    EXPECT_EQ(reg.ReadString("Options", "SaveBackups", ""), "7");
    EXPECT_EQ(reg.ReadString("Options", "ShowIcons", ""), "0");
    EXPECT_EQ(reg.ReadString("Options", "ShowHints", ""), "1");
}

TEST_F(RegIniFileTest, MissingOrUnparsableValuesGiveTheDefault) {
    TRegIniFile reg(kSettingsKey);
    EXPECT_EQ(reg.ReadString("Nowhere", "Left", "dflt"), "dflt");
    EXPECT_EQ(reg.ReadInteger("Options", "Missing", 42), 42);
    EXPECT_TRUE(reg.ReadBool("Options", "Missing", true));
    EXPECT_FALSE(reg.ReadBool("Options", "Missing", false));
    for (const char* text : {"", "12a", "abc", "1.5", "2147483648", "0x10", "- 3", "7 ", "-"}) {
        reg.WriteString("Options", "Bad", text);
        EXPECT_EQ(reg.ReadInteger("Options", "Bad", -17), -17) << text;
        EXPECT_TRUE(reg.ReadBool("Options", "Bad", true)) << text;
    }
    reg.WriteString("Options", "Num", "  -25");
    EXPECT_EQ(reg.ReadInteger("Options", "Num", 0), -25);
    reg.WriteString("Options", "Num", "-2147483648");
    EXPECT_EQ(reg.ReadInteger("Options", "Num", 0), -2147483647 - 1);
    reg.WriteString("Options", "Flag", "2");   // any non-zero integer is true
    EXPECT_TRUE(reg.ReadBool("Options", "Flag", false));
    // Reading creates nothing.
    EXPECT_FALSE(reg.SectionExists("Nowhere"));
}

TEST_F(RegIniFileTest, NamesCompareWithoutCaseAndKeepTheirFirstCase) {
    {
        TRegIniFile reg(kSettingsKey);
        reg.WriteBool("Options", "ShowIcons", true);
        reg.WriteBool("OPTIONS", "SHOWICONS", false);
        reg.WriteString("options", "Extra", "x");
    }
    TRegIniFile reg("software\\TAVRENDEL\\selvarion");
    EXPECT_FALSE(reg.ReadBool("oPtIoNs", "showicons", true));
    EXPECT_EQ(reg.ReadSections(), QStringList{"Options"});
    EXPECT_EQ(reg.ReadSection("Options"), (QStringList{"ShowIcons", "Extra"}));
    EXPECT_TRUE(reg.ValueExists("OPTIONS", "EXTRA"));
    EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\Tavrendel"));
}

TEST_F(RegIniFileTest, OddNamesNeitherNestNorBreakTheFile) {
    const QStringList names = {"KJV / 1611 [rev] \\ x=y", "[Options]", "a\\b", "#hash", "50%", "Ünïcödé Библия",
                               "=", "line\nbreak", "  spaced  "};
    {
        TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
        for (const QString& name : names) {
            reg.WriteString(name, name, "value of " + name);
            reg.WriteString(name, "Data", "  %41 \\ [x] = y\r\nnext  ");
        }
    }
    TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
    EXPECT_EQ(reg.ReadSections(), names);
    for (const QString& name : names) {
        EXPECT_EQ(reg.ReadString(name, name, ""), "value of " + name) << name.toStdString();
        EXPECT_EQ(reg.ReadString(name, "Data", ""), "  %41 \\ [x] = y\r\nnext  ");
        EXPECT_EQ(reg.ReadSection(name).size(), 2);
    }
    EXPECT_FALSE(reg.KeyExists("a"));          // "a\b" is one name, not a path
    EXPECT_FALSE(reg.SectionExists("Options"));
}

TEST_F(RegIniFileTest, SectionPathsReachRecordsWhoseNamesHoldBackslashes) {
    {
        TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
        reg.WriteString("Douay\\Rheims", "Filename", "dr.txt");
        reg.WriteString("Plain", "Filename", "plain.txt");
    }
    TRegIniFile reg(kSettingsKey);
    EXPECT_EQ(reg.ReadString("InstalledFiles\\Douay\\Rheims", "Filename", ""), "dr.txt");
    EXPECT_EQ(reg.ReadString("installedfiles\\PLAIN", "Filename", ""), "plain.txt");
    EXPECT_EQ(reg.ReadString("InstalledFiles\\Douay", "Filename", "none"), "none");
    EXPECT_TRUE(reg.SectionExists("InstalledFiles\\Douay\\Rheims"));
    EXPECT_TRUE(reg.KeyExists("InstalledFiles\\Douay\\Rheims"));
    EXPECT_TRUE(reg.OpenKey("InstalledFiles\\Douay\\Rheims", false));
    EXPECT_EQ(reg.ReadString("", "Filename", ""), "dr.txt");
    // A record erased through the path is gone from the InstalledFiles key.
    ASSERT_TRUE(reg.OpenKey("\\" + kSettingsKey, false));
    reg.EraseSection("InstalledFiles\\Douay\\Rheims");
    reg.UpdateFile();
    EXPECT_EQ(TRegIniFile(kSettingsKey + "\\InstalledFiles").ReadSections(), QStringList{"Plain"});
}

TEST_F(RegIniFileTest, OpeningCreatesTheKeyAndTheVersionRecordFlow) {
    {
        TRegIniFile reg("Software\\Tavrendel");
        EXPECT_FALSE(reg.KeyExists("Selvarion\\Application"));   // first run
    }
    {
        TRegIniFile reg("Software\\Tavrendel");
        EXPECT_TRUE(reg.KeyExists("\\Software\\Tavrendel"));     // left created, empty
        EXPECT_TRUE(reg.ReadSections().isEmpty());
        reg.SetLazyWrite(false);
        ASSERT_TRUE(reg.OpenKey("Selvarion\\Application", true));
        EXPECT_EQ(reg.CurrentPath(), "Software\\Tavrendel\\Selvarion\\Application");
        reg.WriteString("", "Version", "3.0");
        reg.WriteString("", "Release", "1");
        reg.WriteString("", "Build", "729");
        // Written at once with lazy writing off.
        TRegIniFile other(kSettingsKey);
        EXPECT_EQ(other.ReadString("Application", "Build", ""), "729");
    }
    TRegIniFile reg("Software\\Tavrendel");
    EXPECT_TRUE(reg.KeyExists("Selvarion\\Application"));
    EXPECT_FALSE(reg.OpenKey("Selvarion\\Missing", false));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Tavrendel");
    EXPECT_FALSE(reg.KeyExists("Selvarion\\Missing"));
}

TEST_F(RegIniFileTest, LazyWritesWaitForCloseAndMergeWithOtherObjects) {
    auto first = std::make_unique<TRegIniFile>(kSettingsKey);
    auto second = std::make_unique<TRegIniFile>(kSettingsKey);
    first->WriteInteger("DateWindow", "Left", 10);
    second->WriteInteger("OptionsDialogWindow", "Left", 20);
    EXPECT_EQ(TRegIniFile(kSettingsKey).ReadInteger("DateWindow", "Left", -1), -1);   // not yet written
    first.reset();
    EXPECT_EQ(TRegIniFile(kSettingsKey).ReadInteger("DateWindow", "Left", -1), 10);
    second.reset();   // does not lose the first object's write
    TRegIniFile reg(kSettingsKey);
    EXPECT_EQ(reg.ReadInteger("DateWindow", "Left", -1), 10);
    EXPECT_EQ(reg.ReadInteger("OptionsDialogWindow", "Left", -1), 20);
    EXPECT_TRUE(reports_.isEmpty());
}

TEST_F(RegIniFileTest, DeleteKeyRemovesOneValue) {
    TRegIniFile reg(kSettingsKey);
    reg.WriteString("Options", "A", "1");
    reg.WriteString("Options", "B", "2");
    reg.DeleteKey("Options", "a");
    reg.UpdateFile();
    TRegIniFile again(kSettingsKey);
    EXPECT_FALSE(again.ValueExists("Options", "A"));
    EXPECT_TRUE(again.ValueExists("Options", "B"));
    EXPECT_TRUE(again.SectionExists("Options"));
}

TEST_F(RegIniFileTest, EraseSectionRemovesTheWholeTree) {
    {
        TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
        reg.WriteString("Douay", "Filename", "douay.txt");
        reg.WriteString("Douay", "Name", "Douay");
        ASSERT_TRUE(reg.OpenKey("Douay\\Deeper", true));
        reg.WriteString("", "x", "y");
        ASSERT_TRUE(reg.OpenKey("\\" + kSettingsKey + "\\InstalledFiles", false));
        reg.WriteString("Other", "Name", "Other");
    }
    {
        TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
        reg.EraseSection("DOUAY");
        EXPECT_FALSE(reg.SectionExists("Douay"));
    }
    TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
    EXPECT_FALSE(reg.KeyExists("Douay\\Deeper"));
    EXPECT_EQ(reg.ReadSections(), QStringList{"Other"});
    // Erasing and writing again in one object starts the section afresh.
    reg.WriteString("Other", "Stale", "1");
    reg.EraseSection("Other");
    reg.WriteString("Other", "Name", "New");
    reg.UpdateFile();
    EXPECT_EQ(TRegIniFile(kSettingsKey + "\\InstalledFiles").ReadSection("Other"), QStringList{"Name"});
}

TEST_F(RegIniFileTest, MoveSectionCarriesValuesAndSubkeys) {
    {
        TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
        reg.WriteString("Old Name", "Name", "New Name");
        reg.WriteString("Old Name", "Filename", "v.txt");
        ASSERT_TRUE(reg.OpenKey("Old Name\\Sub", true));
        reg.WriteString("", "k", "v");
    }
    {
        TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
        EXPECT_TRUE(reg.MoveSection("Old Name", "New Name"));
    }
    TRegIniFile reg(kSettingsKey + "\\InstalledFiles");
    EXPECT_FALSE(reg.SectionExists("Old Name"));
    EXPECT_EQ(reg.ReadString("New Name", "Filename", ""), "v.txt");
    EXPECT_EQ(reg.ReadString("New Name", "Name", ""), "New Name");
    EXPECT_TRUE(reg.KeyExists("New Name\\Sub"));
    // Nothing moves onto an existing name (a change of case only included) or from a missing one.
    reg.WriteString("Third", "Name", "Third");
    EXPECT_FALSE(reg.MoveSection("New Name", "third"));
    EXPECT_FALSE(reg.MoveSection("New Name", "NEW NAME"));
    EXPECT_FALSE(reg.MoveSection("Missing", "Fourth"));
    EXPECT_EQ(reg.ReadSections(), (QStringList{"New Name", "Third"}));
}

TEST_F(RegIniFileTest, UnwritableStoreIsReportedOnceAndValuesStayInMemory) {
    QFile blocker(dir_.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("SELVARION_CONFIG_DIR", (dir_.path() + "/file/sub").toUtf8());
    {
        TRegIniFile reg(kSettingsKey);
        reg.SetLazyWrite(false);
        reg.WriteInteger("Options", "SaveBackups", 3);
        EXPECT_EQ(reg.ReadInteger("Options", "SaveBackups", 7), 3);
        reg.WriteInteger("Options", "SaveBackups", 4);
    }
    TRegIniFile reg(kSettingsKey);
    EXPECT_EQ(reg.ReadInteger("Options", "SaveBackups", 7), 7);   // the program goes on with defaults
    ASSERT_EQ(reports_.size(), 1);
    EXPECT_TRUE(reports_[0].startsWith("The settings could not be saved to " + dir_.path() + "/file/sub/registry.ini"))
        << reports_[0].toStdString();
}

TEST_F(RegIniFileTest, DamagedStoreLoadsAsFarAsItCan) {
    const QByteArray damaged = "orphan=before any key\n"
               "[Software\\Tavrendel\\Selvarion\\Options]\n"
               "ShowIcons=0\n"
               "no equals sign here\n"
               "Bad%zz=50%\n"
               "[Software\\Tavrendel\\Selvarion\\Broken\n"
               "Lost=1\n"
               "\x01\xff\xfe garbage\n"
               "[Software\\Tavrendel\\Selvarion\\MainWindow]\r\n"
               "Left=12\r\n"
               "Top=";
    WriteStore(damaged);
    TRegIniFile reg(kSettingsKey);
    EXPECT_FALSE(reg.ReadBool("Options", "ShowIcons", true));
    EXPECT_EQ(reg.ReadString("Options", "Bad%zz", ""), "50%");
    EXPECT_EQ(reg.ReadInteger("MainWindow", "Left", 0), 12);
    EXPECT_EQ(reg.ReadInteger("MainWindow", "Top", 99), 99);
    EXPECT_FALSE(reg.SectionExists("Broken"));
    EXPECT_FALSE(reg.ValueExists("MainWindow", "Lost"));
    // Writing rewrites a clean file that reads back the same.
    reg.WriteBool("Options", "ShowHints", false);
    reg.UpdateFile();
    TRegIniFile again(kSettingsKey);
    EXPECT_FALSE(again.ReadBool("Options", "ShowIcons", true));
    EXPECT_FALSE(again.ReadBool("Options", "ShowHints", true));
    EXPECT_EQ(again.ReadInteger("MainWindow", "Left", 0), 12);
    // The damaged file was kept before the rewrite, and the user told so.
    EXPECT_EQ(FileBytes("registry.ini.damaged"), damaged);
    EXPECT_EQ(reports_, QStringList{"The settings file " + TRegIniFile::StoreFileName() +
                                    " was damaged (line 1 is a value outside any readable key). What could be "
                                    "read is kept, and the damaged file was copied to " +
                                    TRegIniFile::StoreFileName() + ".damaged."});
}

TEST_F(RegIniFileTest, EachDamagedStoreIsCopiedOnce) {
    auto rewrite = [&](const QByteArray& bytes) {
        WriteStore(bytes);
        TRegIniFile reg(kSettingsKey);
        reg.WriteBool("Options", "ShowHints", false);
    };
    rewrite("[Software\\Tavrendel\\Selvarion\\Options\nShowIcons=0\n");
    rewrite("[Software\\Tavrendel\\Selvarion\\Options\nShowIcons=0\n");   // the same damage again
    rewrite("[Software\\Tavrendel\\Selvarion\\Options]\nShowIcons\n");      // another one
    EXPECT_EQ(FileBytes("registry.ini.damaged"), "[Software\\Tavrendel\\Selvarion\\Options\nShowIcons=0\n");
    EXPECT_EQ(FileBytes("registry.ini.damaged.2"), "[Software\\Tavrendel\\Selvarion\\Options]\nShowIcons\n");
    EXPECT_FALSE(QFile::exists(dir_.path() + "/registry.ini.damaged.3"));
    EXPECT_EQ(reports_.size(), 1);   // once a run
    EXPECT_TRUE(reports_[0].contains("(line 1 is a key without its closing bracket)")) << reports_[0].toStdString();
    // Three copies at most: a further damage takes the place of the oldest (.damaged.2 here).
    rewrite("[Third\n");
    const timeval past[2] = {{1, 0}, {1, 0}};
    ASSERT_EQ(utimes(QFile::encodeName(dir_.path() + "/registry.ini.damaged.2").constData(), past), 0);
    rewrite("[Fourth\n");
    EXPECT_EQ(FileBytes("registry.ini.damaged.2"), "[Fourth\n");
    EXPECT_FALSE(QFile::exists(dir_.path() + "/registry.ini.damaged.4"));
}

TEST_F(RegIniFileTest, FullDiskKeepsTheStoreAndSaysWhy) {
    SELV_FULL_DISK_OR_SKIP(disk);
    qputenv("SELVARION_CONFIG_DIR", disk.path);
    const auto write = [this] {
        TRegIniFile::SetStoreErrorHandler([this](const QString& message) { reports_ << message; });
        TRegIniFile(kSettingsKey).WriteBool("Options", "ShowHints", false);
    };
    // With room for the lock file only, neither a clean store nor a damaged store's copy fits;
    // then not even the lock file does. The store stays as it was, and the reason is given.
    const QByteArray clean = "[A]\nNote=" + QByteArray(3000, 'n') + "\n", damaged = clean + "[broken\n";
    WriteStore(clean);
    disk.Fill(1);
    write();
    EXPECT_EQ(StoreBytes(), clean);
    WriteStore(damaged);
    write();
    disk.Fill();
    write();
    EXPECT_EQ(StoreBytes(), damaged);
    const QString store = TRegIniFile::StoreFileName();
    ASSERT_EQ(reports_.size(), 3);
    EXPECT_EQ(reports_[0], "The settings could not be saved to " + store + ": No space left on device");
    EXPECT_TRUE(reports_[1].contains("no copy of it could be saved as " + store + ".damaged: No space left on device."));
    EXPECT_EQ(reports_[2], "The settings could not be saved to " + store + ": its lock file cannot be made (No space left on device)");
}

TEST_F(RegIniFileTest, AbsurdDepthsAndNamesAreRefusedWhileTheRestIsKept) {
    QByteArray deep = "[a";
    for (int i = 1; i <= TRegIniFile::MaxKeyDepth; ++i) deep += "\\a";   // one level too many
    const QByteArray longName(TRegIniFile::MaxNameLength + 1, 'n');
    WriteStore(deep + "]\nLost=1\n"
               "[Software\\" + longName + "]\nLost=1\n"
               "[Software\\Tavrendel\\Selvarion\\Options]\n" + longName + "=1\nKept=1\n");
    {
        TRegIniFile reg(kSettingsKey);
        EXPECT_EQ(reg.ReadSection("Options"), QStringList{"Kept"});
        EXPECT_FALSE(reg.KeyExists("\\a"));
        EXPECT_FALSE(reg.KeyExists("\\Software\\" + longName));
        // Writes beyond the limits are refused; those at the limits are kept.
        QString path = "\\b";
        for (int i = 2; i <= TRegIniFile::MaxKeyDepth; ++i) path += "\\b";
        EXPECT_TRUE(reg.OpenKey(path, true));
        EXPECT_FALSE(reg.OpenKey("b", true));
        reg.WriteString("", QString(TRegIniFile::MaxNameLength, 'v'), "kept");
        reg.WriteString("", longName, "refused");
        EXPECT_FALSE(reg.ValueExists("", longName));
        ASSERT_TRUE(reg.OpenKey("\\" + kSettingsKey, false));
        reg.WriteString("Shallow", "x", "1");
        EXPECT_FALSE(reg.MoveSection("Shallow", QString(TRegIniFile::MaxNameLength + 1, 's')));
    }
    // The first refused write, then the damaged file when it was first rewritten.
    ASSERT_EQ(reports_.size(), 2);
    EXPECT_TRUE(reports_[0].startsWith("The setting b\\b\\")) << reports_[0].toStdString();
    EXPECT_TRUE(reports_[1].contains("(line 1 nests keys deeper than 32 levels)")) << reports_[1].toStdString();
    TRegIniFile reg(kSettingsKey);
    EXPECT_EQ(reg.ReadSection("Options"), QStringList{"Kept"});
    EXPECT_EQ(reg.ReadSection("Shallow"), QStringList{"x"});
    EXPECT_EQ(reg.ReadSections(), (QStringList{"Options", "Shallow"}));
}

TEST_F(RegIniFileTest, SampleStoreNestedThirtyThousandLevelsIsReadAndRewrittenSmall) {
    SELV_REPRO_FILE_OR_SKIP(sample, "crash-registry-deep30000.ini");
    QFile in(sample);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    WriteStore(bytes);
    {
        TRegIniFile reg(kSettingsKey);
        reg.WriteBool("Options", "ShowIcons", false);
    }
    EXPECT_EQ(FileBytes("registry.ini.damaged"), bytes);
    EXPECT_LT(StoreBytes().size(), 200);
    EXPECT_FALSE(TRegIniFile(kSettingsKey).ReadBool("Options", "ShowIcons", true));
}

TEST_F(RegIniFileTest, StoreThatCannotBeReadIsNeverReplaced) {
    const QByteArray stored = "[Software\\Tavrendel\\Selvarion\\Options]\nShowIcons=0\nShowHints=0\n";
    WriteStore(stored);
    HandOverToChildren();
    ASSERT_EQ(chmod(QFile::encodeName(TRegIniFile::StoreFileName()).constData(), S_IWUSR), 0);
    EXPECT_TRUE(InChildren(1, true, [&](int) {
        {
            TRegIniFile reg(kSettingsKey);
            reg.WriteBool("Options", "ShowHints", true);
            reg.SetLazyWrite(false);
            reg.WriteBool("Options", "SaveBackups", 3);
        }
        return reports_.size() == 1 && reports_[0].startsWith("The settings could not be read from") ? 0 : 1;
    }));
    EXPECT_EQ(StoreBytes(), stored);
}

TEST_F(RegIniFileTest, StoreThatIsNoRegularFileIsNeitherWaitedForNorReplaced) {
    const TFifo fifo(QFile::encodeName(TRegIniFile::StoreFileName()).toStdString());
    TRegIniFile(kSettingsKey).WriteBool("Options", "ShowHints", true);
    EXPECT_FALSE(fifo.Waited());
    ASSERT_EQ(reports_.size(), 1);
    EXPECT_TRUE(reports_[0].contains("could not be read from")) << reports_[0].toStdString();
    EXPECT_FALSE(QFileInfo(TRegIniFile::StoreFileName()).isFile());
}

TEST_F(RegIniFileTest, WritersInSeveralProcessesLoseNothingOfEachOther) {
    constexpr int processes = 6, writes = 40;
    EXPECT_TRUE(InChildren(processes, false, [&](int child) {
        for (int i = 0; i < writes; ++i)
            TRegIniFile(kSettingsKey).WriteInteger("Race", QStringLiteral("P%1_%2").arg(child).arg(i), i);
        return reports_.isEmpty() ? 0 : 1;
    }));
    EXPECT_EQ(TRegIniFile(kSettingsKey).ReadSection("Race").size(), processes * writes);
}

} // namespace
