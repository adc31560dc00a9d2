#pragma once
// The records of the installed Bible versions, under "InstalledFiles" of the settings key:
// the section "InstalledFileList" holds their display names in order (FileCount, File1..),
// and each version has a section named by its display name with its file name, which parts
// of the Bible it holds, whether those are fit for the daily readings, and the book lists
// the Find Bible Verses dialog offers for it. Names compare without regard to case, as the
// store's keys do.
#include <QString>
#include <QStringList>

#include <array>

#include "reg_ini_file.h"
#include "settings_store.h"

inline const QString InstalledFilesKey = SettingsKey + QStringLiteral("\\InstalledFiles");
inline const QString InstalledFileListSection = QStringLiteral("InstalledFileList");
// Versions that can be installed besides the built-in one.
inline constexpr int MaxInstalledVersions = 11;
// The longest name a version can be given.
inline constexpr int MaxVersionNameLength = 45;

// What a scan found in a Bible text, part by part (0 Old Testament, 1 New Testament,
// 2 Apocrypha): the names of the books found, in book order, and the flags derived from them.
struct TScanResult {
    std::array<bool, 3> hasPart{};
    std::array<bool, 3> readingsReady{};
    std::array<bool, 3> complete{};
    std::array<QStringList, 3> foundBooks;
    // Books with lines that are not a book code, a chapter, a verse and a text, one column each:
    // they are left out.
    QStringList damagedBooks;
    bool FoundAny() const { return hasPart[0] || hasPart[1] || hasPart[2]; }
};

// The installed versions, at most MaxInstalledVersions of them: the records that the list
// section names, in its order and spelt as the records are, then the records it does not name
// (a damaged list, another program's install), in the store's order.
QStringList LoadInstalledFileList(const QString& section, const QString& key);
// Rewrites the list section from `versions` (values beyond the new count vanish).
void SaveInstalledFileList(const QStringList& versions, const QString& section, const QString& key);
// Rewrites the list section after this program changed the records, as the store now holds
// them (what another program installed or removed meanwhile is kept): `newName`, when given,
// takes the place of `oldName`. Returns the list.
QStringList RewriteInstalledFileList(const QString& oldName = {}, const QString& newName = {});
// Writes the record of `version`: its file (name only) and what the scan found; values of
// a part the file does not hold are not written.
void SaveInstalledFileInfo(const QString& version, const QString& fileName, const TScanResult& scan,
                           const QString& key);
// Deletes the record of `version`.
void EraseInstalledFileInfo(const QString& version);
// Gives the record of `oldName` the name `newName` and moves it there; a change of letter
// case only moves it too. Nothing moves when another record holds the new name.
void RenameInstalledFile(const QString& oldName, const QString& newName);

// The reads below open the store each time; a caller reading several values opens it once,
// at InstalledFilesKey, and passes it as `records`.
// The name of the record of `version` as the record spells it, empty when there is none.
QString RecordName(const QString& version, const TRegIniFile& records = TRegIniFile(InstalledFilesKey));
// The record's file name, empty when missing.
QString ReadInstalledFileName(const QString& version, const TRegIniFile& records = TRegIniFile(InstalledFilesKey));
// A text value of the record, empty when missing.
QString ReadInstalledFileString(const QString& version, const QString& ident,
                                const TRegIniFile& records = TRegIniFile(InstalledFilesKey));
// A flag of the record, false when missing.
bool ReadInstalledFileFlag(const QString& version, const QString& ident,
                           const TRegIniFile& records = TRegIniFile(InstalledFilesKey));
