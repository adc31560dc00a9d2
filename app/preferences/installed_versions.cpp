#include "installed_versions.h"

#include <QUuid>

#include <algorithm>

#include "reg_ini_file.h"

namespace {

// The value names of a part begin with its prefix: OldT, OldTBibleReadingsReady, ...
const QString PartPrefixes[3] = {QStringLiteral("OldT"), QStringLiteral("NewT"), QStringLiteral("Apoc")};

// The versions' records: the sections of the records key but the list.
QStringList RecordSections(const TRegIniFile& records)
{
    QStringList sections = records.ReadSections();
    sections.removeIf([](const QString& name) { return name.compare(InstalledFileListSection, Qt::CaseInsensitive) == 0; });
    return sections;
}

// The records in the order of `listed` where it names them, then in the store's order; at
// most MaxInstalledVersions.
QStringList InListOrder(const QStringList& listed, const TRegIniFile& records)
{
    const QStringList sections = RecordSections(records);
    QStringList versions;
    for (const QString& name : listed)
        for (const QString& section : std::as_const(sections))
            if (section.compare(name, Qt::CaseInsensitive) == 0 && !versions.contains(section))
                versions << section;
    for (const QString& section : std::as_const(sections))
        if (!versions.contains(section))
            versions << section;
    return versions.mid(0, MaxInstalledVersions);
}

// The names of the list section, in its order, whatever its count says.
QStringList ListedNames(const TRegIniFile& records, const QString& section)
{
    QStringList names;
    const int values = int(records.ReadSection(section).size());
    for (int n = 1; n <= values; ++n)
        names << records.ReadString(section, QStringLiteral("File%1").arg(n), QString());
    return names;
}

} // namespace

QStringList LoadInstalledFileList(const QString& section, const QString& key)
{
    const TRegIniFile records(key);
    return InListOrder(ListedNames(records, section), records);
}

QStringList RewriteInstalledFileList(const QString& oldName, const QString& newName)
{
    QStringList listed;
    {
        const TRegIniFile records(InstalledFilesKey);
        listed = ListedNames(records, InstalledFileListSection);
        if (!newName.isEmpty())
            for (QString& name : listed)
                if (name.compare(oldName, Qt::CaseInsensitive) == 0)
                    name = newName;
        listed = InListOrder(listed, records);
    }
    SaveInstalledFileList(listed, InstalledFileListSection, InstalledFilesKey);
    return listed;
}

void SaveInstalledFileList(const QStringList& versions, const QString& section, const QString& key)
{
    TRegIniFile registry(key);
    registry.EraseSection(section);
    registry.WriteInteger(section, QStringLiteral("FileCount"), int(versions.size()));
    for (int n = 1; n <= versions.size(); ++n)
        registry.WriteString(section, QStringLiteral("File%1").arg(n), versions[n - 1]);
}

void SaveInstalledFileInfo(const QString& version, const QString& fileName, const TScanResult& scan,
                           const QString& key)
{
    TRegIniFile registry(key);
    registry.WriteString(version, QStringLiteral("Name"), version);
    registry.WriteString(version, QStringLiteral("Filename"), fileName);
    for (int part = 0; part < 3; ++part)
        registry.WriteBool(version, PartPrefixes[part], scan.hasPart[size_t(part)]);
    for (int part = 0; part < 3; ++part) {
        if (!scan.hasPart[size_t(part)])
            continue;
        const QString& prefix = PartPrefixes[part];
        registry.WriteBool(version, prefix + QStringLiteral("BibleReadingsReady"), scan.readingsReady[size_t(part)]);
        if (part < 2)
            registry.WriteBool(version, prefix + QStringLiteral("Complete"), scan.complete[size_t(part)]);
        registry.WriteString(version, prefix + QStringLiteral("Books"), ToCommaText(scan.foundBooks[size_t(part)]));
    }
}

void EraseInstalledFileInfo(const QString& version)
{
    TRegIniFile(InstalledFilesKey).EraseSection(version);
}

void RenameInstalledFile(const QString& oldName, const QString& newName)
{
    TRegIniFile registry(InstalledFilesKey);
    const bool sameName = oldName.compare(newName, Qt::CaseInsensitive) == 0;
    if (!registry.SectionExists(oldName) || (!sameName && registry.SectionExists(newName)))
        return;
    registry.WriteString(oldName, QStringLiteral("Name"), newName);
    if (!sameName) {
        registry.MoveSection(oldName, newName);
        return;
    }
    // The store's names ignore case: a new spelling of the same name goes by way of a name
    // of its own. Both moves reach the file together.
    const QString passing = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (registry.MoveSection(oldName, passing))
        registry.MoveSection(passing, newName);
}

QString RecordName(const QString& version, const TRegIniFile& records)
{
    for (const QString& section : RecordSections(records))
        if (section.compare(version, Qt::CaseInsensitive) == 0)
            return section;
    return {};
}

QString ReadInstalledFileName(const QString& version, const TRegIniFile& records)
{
    return ReadInstalledFileString(version, QStringLiteral("Filename"), records);
}

QString ReadInstalledFileString(const QString& version, const QString& ident, const TRegIniFile& records)
{
    return records.ReadString(version, ident, QString());
}

bool ReadInstalledFileFlag(const QString& version, const QString& ident, const TRegIniFile& records)
{
    return records.ReadBool(version, ident, false);
}
