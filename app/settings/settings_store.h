#pragma once
// The program's settings under the registry key "Software\Tavrendel\Selvarion": each
// routine opens the registry, reads or writes one group of values and closes it again.
// Values are read when their window is created and written when it is destroyed.
#include <QString>
#include <QStringList>

#include <array>

class QWidget;
class TBibleSearchDlg;
class TOptionsDialog;
class TSelvarionMainForm;

inline const QString SettingsKey = QStringLiteral("Software\\Tavrendel\\Selvarion");
// The display name of the built-in Bible version (OldTstmt.dat, NewTstmt.dat, Apoc.dat).
inline const QString BuiltInVersionName = QStringLiteral("King James Version (Gutenberg)");

// The program's file version ("3.0.1.729") for "FileVersion"; a name the version block
// does not hold gives "Something is different than usual".
void GetVersionInfoValue(const QString& name, QString& value);
// Cuts a file version into the three values of the version record: "3.0.1.729" gives
// "3.0", "1" and "729".
void SplitFileVersion(const QString& fileVersion, QString& version, QString& release,
                      QString& build);
// Shows the store's reports of trouble (a store that cannot be written or read, a damaged
// store, a setting refused) in the program's message box, each kind once a run.
void ReportSettingsTroubleInMessageBoxes();
// Refreshes the version record and returns true when it exists (not the first run).
bool UpdateRegisteredVersion();
// Creates the version record.
void RegisterVersion();

void SaveMainWindowPlacement(TSelvarionMainForm& form, const QString& section, const QString& key);
void LoadMainWindowPlacement(TSelvarionMainForm& form, const QString& section, const QString& key);
void SaveDialogPosition(QWidget& form, const QString& section, const QString& key);
void LoadDialogPosition(QWidget& form, const QString& section, const QString& key);

void SaveViewOptions(const TSelvarionMainForm& form, const QString& section, const QString& key);
void LoadViewOptions(TSelvarionMainForm& form, const QString& section, const QString& key);

void SavePreferences(const TOptionsDialog& dialog, const TSelvarionMainForm& form,
                     const QString& section, const QString& key);
void LoadPreferences(TOptionsDialog& dialog, TSelvarionMainForm& form, const QString& section,
                     const QString& key);

// Writes the six roles' versions (readings Old Testament, New Testament, Apocrypha, then search)
// at once, as they change, beside the Preferences that write them at exit.
void SaveVersionRoles(const std::array<QString, 6>& versions);

void SaveBibleSearchSettings(const TBibleSearchDlg& dialog, const QString& section,
                             const QString& key);
void LoadBibleSearchSettings(TBibleSearchDlg& dialog, const QString& section, const QString& key);

// A string list as comma text (items holding blanks, commas or quotes are quoted) and back.
QString ToCommaText(const QStringList& items);
QStringList FromCommaText(const QString& text);
