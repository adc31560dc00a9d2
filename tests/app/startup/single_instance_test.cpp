#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QWidget>

#include "app_windows.h"
#include "single_instance.h"

namespace {

constexpr auto Taken = TSingleInstance::TLock::Taken;
constexpr auto HeldElsewhere = TSingleInstance::TLock::HeldElsewhere;
constexpr auto Unavailable = TSingleInstance::TLock::Unavailable;

// Every test keeps its lock files and sockets in a runtime folder of its own.
class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest()
    {
        TestApplication();
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":7");
    }
    ~SingleInstanceTest() override { qunsetenv("XDG_RUNTIME_DIR"); }

    // Processes events until `done` holds or five seconds have passed.
    static bool WaitFor(const std::function<bool()>& done)
    {
        QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    QTemporaryDir runtime;
    const QString key = QStringLiteral("Selvarion 3.0");
};

TEST_F(SingleInstanceTest, SecondStartRestoresTheRunningMainWindow)
{
    TSingleInstance first(key);
    ASSERT_EQ(first.Acquire(), Taken);
    QWidget mainWindow;
    mainWindow.showMinimized();
    ASSERT_TRUE(first.Listen(&mainWindow));

    // However long the first has been running, its lock holds.
    const QString lockPath = runtime.path() + QLatin1Char('/') +
                             QDir(runtime.path()).entryList({QStringLiteral("*.lock")}).value(0);
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lock.close();

    TSingleInstance second(key);
    EXPECT_EQ(second.Acquire(), HeldElsewhere);
    EXPECT_TRUE(second.AskRunningInstance());
    EXPECT_TRUE(WaitFor([&] { return !(mainWindow.windowState() & Qt::WindowMinimized); }));
    EXPECT_TRUE(mainWindow.isVisible());

    // Another key is another program.
    TSingleInstance other(QStringLiteral("Other 1.0"));
    EXPECT_EQ(other.Acquire(), Taken);
    // Another screen of the display is the same session; another display is another session.
    qputenv("DISPLAY", ":7.1");
    EXPECT_EQ(TSingleInstance(key).Acquire(), HeldElsewhere);
    qputenv("DISPLAY", ":8");
    TSingleInstance otherDisplay(key);
    EXPECT_EQ(otherDisplay.Acquire(), Taken);
    qputenv("WAYLAND_DISPLAY", "wayland-1");
    EXPECT_EQ(TSingleInstance(key).Acquire(), Taken);
}

// The warnings written while `run` runs.
QStringList Warnings(const std::function<void()>& run)
{
    static QStringList* sink = nullptr;
    QStringList warnings;
    sink = &warnings;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                sink->append(text);
        });
    run();
    qInstallMessageHandler(previous);
    return warnings;
}

TEST_F(SingleInstanceTest, ALockHeldByAnotherEndsTheStartOneThatCannotBeMadeDoesNot)
{
    const QString withoutCheck = QStringLiteral("; starting without the single-instance check.");
    TSingleInstance first(key);
    ASSERT_EQ(first.Acquire(), Taken);
    TSingleInstance second(key);
    EXPECT_TRUE(Warnings([&] { EXPECT_EQ(second.Acquire(), HeldElsewhere); }).isEmpty());

    // No lock file can be made in a folder that is a file: one line says so, and the
    // program runs on without listening.
    QFile file(runtime.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    TSingleInstance lockless(key, runtime.filePath(QStringLiteral("file/folder")));
    QWidget window;
    QStringList warnings = Warnings([&] {
        EXPECT_EQ(lockless.Acquire(), Unavailable);
        EXPECT_FALSE(lockless.Listen(&window));
    });
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Selvarion: cannot create the lock file \"") +
                                       runtime.filePath(QStringLiteral("file/folder/"))))
        << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains(QStringLiteral(".lock\" (Not a directory);"))) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].endsWith(withoutCheck)) << warnings[0].toStdString();

    // A socket path too long for a socket address cannot listen: said the same way, and
    // the lock is given up so that a later start runs on its own.
    QString deep = runtime.path();
    while (deep.size() < 120)
        deep += QStringLiteral("/deeper");
    ASSERT_TRUE(QDir().mkpath(deep));
    TSingleInstance unheard(key, deep);
    ASSERT_EQ(unheard.Acquire(), Taken);
    warnings = Warnings([&] { EXPECT_FALSE(unheard.Listen(&window)); });
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Selvarion: cannot listen on the local socket \"")))
        << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].endsWith(withoutCheck)) << warnings[0].toStdString();
    EXPECT_EQ(TSingleInstance(key, deep).Acquire(), Taken);
}

TEST_F(SingleInstanceTest, StartDuringTheSplashPhaseEndsWithoutAnAnswer)
{
    TSingleInstance first(key);
    ASSERT_EQ(first.Acquire(), Taken);
    // No main window yet: nobody listens.
    TSingleInstance second(key);
    EXPECT_EQ(second.Acquire(), HeldElsewhere);
    EXPECT_FALSE(second.AskRunningInstance(500));
}

TEST_F(SingleInstanceTest, LockAndSocketOfAProgramThatDiedAreTakenOver)
{
    QString lockName;
    {
        TSingleInstance probe(key);
        ASSERT_EQ(probe.Acquire(), Taken);
        lockName = QDir(runtime.path()).entryList({QStringLiteral("*.lock")}).value(0);
    }
    ASSERT_FALSE(lockName.isEmpty());
    // What a program killed while running leaves: its lock naming a process that has
    // ended, and its socket file.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted(5000));
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(5000));
    const QString base = runtime.path() + QLatin1Char('/') + lockName.chopped(5);
    QFile lock(base + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(endedPid) + "\ntrue\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QFile socket(base + QStringLiteral(".socket"));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();

    TSingleInstance next(key);
    EXPECT_EQ(next.Acquire(), Taken);
    QWidget window;
    EXPECT_TRUE(next.Listen(&window));
}

// The real program: a second start hands over to the first and ends; the first runs on.
TEST_F(SingleInstanceTest, SecondProgramEndsAndTheFirstRunsOn)
{
    QTemporaryDir config, data, home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("SELVARION_CONFIG_DIR"), config.path());
    env.insert(QStringLiteral("SELVARION_DATA_DIR"), data.path() + QStringLiteral("/Selvarion"));
    env.insert(QStringLiteral("SELVARION_PROGRAM_DIR"), QStringLiteral(SELV_PROGRAM_DIR));
    const QString program = QStringLiteral(SELV_PROGRAM_DIR "/selvmain");

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // Past the three-second splash, the main window listens.
    const auto sockets = [&] { return QDir(runtime.path()).entryList({QStringLiteral("*.socket")}, QDir::System); };
    QDeadlineTimer deadline(20000);
    while (sockets().isEmpty() && !deadline.hasExpired() && first.state() == QProcess::Running)
        first.waitForFinished(100);
    EXPECT_FALSE(sockets().isEmpty());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    const bool ended = second.waitForFinished(10000);
    EXPECT_TRUE(ended);
    if (!ended)
        second.kill();
    else
        EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
    second.waitForFinished(5000);
}

} // namespace
