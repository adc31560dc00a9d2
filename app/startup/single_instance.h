#pragma once
// Keeps the program to one running instance per user and desktop session. The first start
// holds a lock file named after the instance key, the user and the session and, once its main
// window exists, listens on a local socket of the same name. A later start in the same session
// finds the lock taken, asks the running instance over the socket to restore and raise its
// main window, and ends; a start in another session (another display, another login) runs
// its own window. Where no lock file can be made or no socket listened on, the program runs
// without the check and says so once on stderr.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QWidget;

// The desktop session the program runs in: the Wayland display, else the X display without
// its screen number, else (no display named) the login session.
QString DesktopSession();

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // What Acquire found.
    enum class TLock {
        Taken,           // this start holds the lock
        HeldElsewhere,   // a running instance holds it
        Unavailable,     // no lock file can be made: the program runs without the check
    };

    // `key` names the instance ("Selvarion 3.0"); the user's name and the desktop session
    // (DesktopSession) are added to it. The lock file and the socket lie in `folder`, by
    // default the user's runtime folder.
    explicit TSingleInstance(const QString& key, const QString& folder = {});
    ~TSingleInstance() override;

    // Takes the lock. A lock left by a program that died is taken over.
    TLock Acquire();
    // From now on a later start restores and raises `mainWindow`. Does nothing without the
    // lock; when the socket cannot listen, gives the lock up, so that later starts run on
    // their own instead of waiting for an answer that never comes.
    bool Listen(QWidget* mainWindow);
    // Asks the running instance to show its main window; false when no instance answers
    // within `timeoutMs` (none runs, or it has no main window yet).
    bool AskRunningInstance(int timeoutMs = 2000) const;

private:
    void RestoreMainWindow();

    QString FServerName;
    std::unique_ptr<QLockFile> FLock;
    QLocalServer FServer;
    QPointer<QWidget> FMainWindow;
};
