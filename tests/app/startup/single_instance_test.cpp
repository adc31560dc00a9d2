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

// Every test keeps its lock files and sockets in a runtime folder of its own.
class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest()
    {
        TestApplication();
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
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
    ASSERT_TRUE(first.Acquire());
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
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(second.AskRunningInstance());
    EXPECT_TRUE(WaitFor([&] { return !(mainWindow.windowState() & Qt::WindowMinimized); }));
    EXPECT_TRUE(mainWindow.isVisible());

    // Another key is another program.
    TSingleInstance other(QStringLiteral("Other 1.0"));
    EXPECT_TRUE(other.Acquire());
}

TEST_F(SingleInstanceTest, StartDuringTheSplashPhaseEndsWithoutAnAnswer)
{
    TSingleInstance first(key);
    ASSERT_TRUE(first.Acquire());
    // No main window yet: nobody listens.
    TSingleInstance second(key);
    EXPECT_FALSE(second.Acquire());
    EXPECT_FALSE(second.AskRunningInstance(500));
}

TEST_F(SingleInstanceTest, LockAndSocketOfAProgramThatDiedAreTakenOver)
{
    QString lockName;
    {
        TSingleInstance probe(key);
        ASSERT_TRUE(probe.Acquire());
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
    EXPECT_TRUE(next.Acquire());
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
