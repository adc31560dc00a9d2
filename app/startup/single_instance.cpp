#include "single_instance.h"

#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>

#include "whole_file_write.h"

namespace {

const QByteArray RestoreRequest = QByteArrayLiteral("restore\n");

QString UserName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return user;
}

QString LockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// The one line on stderr that says the program runs without the single-instance check.
void ReportNoSingleInstance(const QString& reason)
{
    qWarning("Selvarion: %s; starting without the single-instance check.", qPrintable(reason));
}

} // namespace

QString DesktopSession()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return wayland;
    QString display = qEnvironmentVariable("DISPLAY");
    // ":0.1" is screen 1 of the display ":0", which one program window serves.
    static const QRegularExpression screen(QStringLiteral("\\.\\d+$"));
    display.remove(screen);
    return display.isEmpty() ? qEnvironmentVariable("XDG_SESSION_ID") : display;
}

TSingleInstance::TSingleInstance(const QString& key, const QString& folder)
{
    // The lock file and the socket lie side by side in the user's runtime folder, named
    // after the key, the user and the session without characters a path dislikes.
    const QString name = QString(key + QLatin1Char('-') + UserName() + QLatin1Char('-') + DesktopSession())
                             .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")),
                                      QStringLiteral("_"));
    const QString path = (folder.isEmpty() ? LockFolder() : folder) + QLatin1Char('/') + name;
    FServerName = path + QStringLiteral(".socket");
    FLock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    connect(&FServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = FServer.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(RestoreRequest))
                    RestoreMainWindow();
                socket->disconnectFromServer();
            });
        }
    });
}

TSingleInstance::~TSingleInstance()
{
    FServer.close();
    FLock->unlock();
}

TSingleInstance::TLock TSingleInstance::Acquire()
{
    if (FLock->tryLock(0))
        return TLock::Taken;
    if (FLock->error() == QLockFile::LockFailedError)
        return TLock::HeldElsewhere;
    const QString why = WhyFileCannotBeMade(FLock->fileName());
    ReportNoSingleInstance(QStringLiteral("cannot create the lock file \"%1\"%2")
                               .arg(FLock->fileName(), why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
    return TLock::Unavailable;
}

bool TSingleInstance::Listen(QWidget* mainWindow)
{
    if (!FLock->isLocked())
        return false;
    FMainWindow = mainWindow;
    // We hold the lock, so a socket of that name is a leftover of a program that died.
    QLocalServer::removeServer(FServerName);
    FServer.setSocketOptions(QLocalServer::UserAccessOption);
    if (FServer.listen(FServerName))
        return true;
    ReportNoSingleInstance(QStringLiteral("cannot listen on the local socket \"%1\" (%2)")
                               .arg(FServerName, FServer.errorString()));
    FLock->unlock();
    return false;
}

bool TSingleInstance::AskRunningInstance(int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(RestoreRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void TSingleInstance::RestoreMainWindow()
{
    if (!FMainWindow)
        return;
    FMainWindow->setWindowState((FMainWindow->windowState() & ~Qt::WindowMinimized) |
                                Qt::WindowActive);
    FMainWindow->show();
    FMainWindow->raise();
    FMainWindow->activateWindow();
    // A question the program is waiting on stays in front of the window.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}
