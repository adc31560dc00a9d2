#include "version_roles.h"

#include <QComboBox>
#include <QLabel>

#include "bible_search_dlg.h"
#include "installed_versions.h"
#include "settings_store.h"

namespace {

template <size_t N>
QStringList Names(const std::array<const char*, N>& books)
{
    QStringList names;
    for (const char* book : books)
        names << QString::fromUtf8(book);
    return names;
}

const char* const BuiltInFiles[3] = {BuiltInOldTFile, BuiltInNewTFile, BuiltInApocFile};
const char* const BookListValues[3] = {"OldTBooks", "NewTBooks", "ApocBooks"};

// The reader's file name for a role.
std::string& RoleFile(TBibleReader& reader, size_t role)
{
    std::string* const files[6] = {&reader.FOldTReadingsFile, &reader.FNewTReadingsFile,
                                   &reader.FApocReadingsFile, &reader.FOldTSearchFile,
                                   &reader.FNewTSearchFile,   &reader.FApocSearchFile};
    return *files[role];
}

} // namespace

QStringList DefaultBookList(int part)
{
    return part == 0 ? Names(BibleBookNamesOldT) : part == 1 ? Names(BibleBookNamesNewT)
                                                             : Names(BuiltInApocBookNames);
}

void SetRoleVersion(TBibleSearchDlg& dialog, size_t role, const QString& version)
{
    const int part = VersionRoles[role].part;
    // A name no record holds reads as an empty file name and book list: the built-in ones.
    QString fileName;
    QStringList books;
    if (!version.isEmpty() && version != BuiltInVersionName) {
        const TRegIniFile records(InstalledFilesKey);
        fileName = ReadInstalledFileName(version, records);
        if (VersionRoles[role].search)
            books = FromCommaText(ReadInstalledFileString(version, QLatin1String(BookListValues[part]), records));
    }
    RoleFile(dialog, role) = fileName.isEmpty() ? std::string(BuiltInFiles[part]) : fileName.toStdString();
    if (!VersionRoles[role].search)
        return;
    if (books.isEmpty())
        books = DefaultBookList(part);
    QComboBox* const lists[3] = {dialog.OldT, dialog.NewT, dialog.Apoc};
    lists[part]->clear();
    lists[part]->addItems(books);
}

void SetVersionColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QColor VersionColor(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}
