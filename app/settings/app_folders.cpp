#include "app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool MakeDataFolder(const QString& dir, QString& error)
{
    if (QFileInfo(dir).isDir() || QDir().mkpath(dir))
        return true;
    error = QStringLiteral("Could not create the data folder %1").arg(QDir::toNativeSeparators(dir));
    return false;
}

TAppFolders FindAppFolders()
{
    TAppFolders folders;
    folders.documentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folders.documentsDir.isEmpty())
        folders.error = QStringLiteral("Could not determine My Documents path");

    QString dataDir = qEnvironmentVariable("SELVARION_DATA_DIR");
    if (dataDir.isEmpty()) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty()) {
            folders.error = QStringLiteral("Could not determine My Application directory");
            return folders;
        }
        dataDir = base + QStringLiteral("/Selvarion");
    }
    folders.appDataDir = QDir::cleanPath(dataDir) + QLatin1Char('/');
    QString error;
    if (!MakeDataFolder(folders.appDataDir, error) && folders.error.isEmpty())
        folders.error = error;
    return folders;
}

QString NearestExistingFolder(const QString& path)
{
    QString folder = QDir::cleanPath(path);
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        folder = parent == folder ? QString() : parent;
    }
    return folder.isEmpty() || folder == QLatin1String(".") ? QDir::homePath() : folder;
}

QString ProgramFolder()
{
    QString dir = qEnvironmentVariable("SELVARION_PROGRAM_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    return QDir::cleanPath(dir) + QLatin1Char('/');
}
