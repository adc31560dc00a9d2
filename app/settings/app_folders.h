#pragma once
// The folders the program works in: the user's documents folder and the program's data
// folder (personalized pages, installed Bible versions, backups).
#include <QString>

struct TAppFolders {
    QString documentsDir;   // FMyDocumentsDir, no trailing separator
    QString appDataDir;     // FAppDataDir, ends with a separator
    QString error;          // empty when both folders are usable
};

// Finds both folders and creates the data folder with all its parents. The data folder is
// <application data>/Selvarion/, or the folder named by SELVARION_DATA_DIR when that is set.
// A folder that cannot be found or created leaves its message in `error`.
TAppFolders FindAppFolders();

// Creates `dir` with every missing parent; false (and a message) when that fails.
bool MakeDataFolder(const QString& dir, QString& error);

// `path` when it is a folder, else the nearest of its parents that is one (the home folder
// when none is): where a file dialog starts.
QString NearestExistingFolder(const QString& path);

// The folder of the program file with a trailing separator (SELVARION_PROGRAM_DIR when set):
// where the built-in Bible files and the supplemental icon library lie.
QString ProgramFolder();
