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

// The folder of the program file with a trailing separator (SELVARION_PROGRAM_DIR when set):
// where the built-in Bible files and the supplemental icon library lie.
QString ProgramFolder();
