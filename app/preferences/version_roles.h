#pragma once
// The six roles in which the program reads Bible text: one version each for the Old
// Testament, New Testament and Apocrypha passages of the daily readings page, and one each
// for the three parts of the Find Bible Verses dialog. A role holds a version's display
// name: the built-in version's or an installed version's (whose record gives its file).
#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class TBibleSearchDlg;

struct TVersionRole {
    const char* flag;   // the record flag a version needs to be chosen for the role
    int part;           // 0 Old Testament, 1 New Testament, 2 Apocrypha
    bool search;        // a role of the Find Bible Verses dialog
};

inline constexpr std::array<TVersionRole, 6> VersionRoles = {{
    {"OldTBibleReadingsReady", 0, false},
    {"NewTBibleReadingsReady", 1, false},
    {"ApocBibleReadingsReady", 2, false},
    {"OldT", 0, true},
    {"NewT", 1, true},
    {"Apoc", 2, true},
}};
inline constexpr size_t NewTReadingsRole = 1;

// The built-in version's book list of a part, as the search dialog's book lists show it.
QStringList DefaultBookList(int part);
// Puts `version` in force for `role`: the reader's file name of the role and, for a search
// role, the dialog's book list of its part. The built-in name, and a name that no record
// holds, give the built-in file and book list.
void SetRoleVersion(TBibleSearchDlg& dialog, size_t role, const QString& version);

// The colours of the role labels: a name in force, and a name chosen but not yet applied.
inline const QColor InForceColor(128, 0, 0);
inline const QColor PendingColor(0, 128, 128);
void SetVersionColor(QLabel* label, const QColor& color);
QColor VersionColor(const QLabel* label);
