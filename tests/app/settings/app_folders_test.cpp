#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app_folders.h"

TEST(AppFolders, DataFolderIsCreatedWithAllItsParents)
{
    QTemporaryDir home;
    const QString dir = home.path() + QStringLiteral("/fresh/share/Selvarion");
    qputenv("SELVARION_DATA_DIR", dir.toUtf8());
    const TAppFolders folders = FindAppFolders();
    qunsetenv("SELVARION_DATA_DIR");
    EXPECT_TRUE(QFileInfo(dir).isDir());
    EXPECT_EQ(folders.appDataDir, dir + QLatin1Char('/'));
    EXPECT_TRUE(folders.error.isEmpty()) << folders.error.toStdString();
}

TEST(AppFolders, FolderThatCannotBeMadeIsReported)
{
    QTemporaryDir home;
    QFile blocker(home.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(MakeDataFolder(blocker.fileName() + QStringLiteral("/Selvarion"), error));
    EXPECT_TRUE(error.contains(QStringLiteral("Selvarion"))) << error.toStdString();

    qputenv("SELVARION_DATA_DIR", (blocker.fileName() + QStringLiteral("/Selvarion")).toUtf8());
    const TAppFolders folders = FindAppFolders();
    qunsetenv("SELVARION_DATA_DIR");
    EXPECT_FALSE(folders.error.isEmpty());
}

TEST(AppFolders, ExistingFolderIsFine)
{
    QTemporaryDir home;
    QString error;
    EXPECT_TRUE(MakeDataFolder(home.path(), error));
    EXPECT_TRUE(error.isEmpty());
}
