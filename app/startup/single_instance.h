#pragma once
// Keeps the program to one running instance per user. The first start holds a lock file
// named after the instance key and, once its main window exists, listens on a local socket
// of the same name. A later start finds the lock taken, asks the running instance over the
// socket to restore and raise its main window, and ends.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QWidget;

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the instance ("Selvarion 3.0"); the user's name is added to it.
    explicit TSingleInstance(const QString& key);
    ~TSingleInstance() override;

    // Takes the lock; false when another instance holds it. A lock left by a program that
    // died is taken over.
    bool Acquire();
    // From now on a later start restores and raises `mainWindow`.
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
