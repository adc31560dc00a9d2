// The settings store. A first byte that is even: the rest is a store file, which reads
// without harm and is written back as it was read. Odd: the rest is a list of section,
// name and value texts, each ended by a NUL byte, which are written and read back.
#include <QDir>
#include <QHash>

#include "fuzz_support.h"
#include "reg_ini_file.h"

namespace {

const QString StoreKey = QStringLiteral("Software\\Tavrendel\\Selvarion");

// The tree below the current key as text: its values, then each subkey with its values
// and, where its name holds no "\" (which a path could not tell from two names), its own subkeys.
void Snapshot(TRegIniFile& reg, QString& out)
{
    const QString here = reg.CurrentPath();
    for (const QString& name : reg.ReadSection(QString()))
        out += name + QLatin1Char('=') + reg.ReadString(QString(), name, QString()) + QLatin1Char('\n');
    for (const QString& child : reg.ReadSections()) {
        out += QLatin1Char('[') + child + QStringLiteral("]\n");
        for (const QString& name : reg.ReadSection(child))
            out += name + QLatin1Char('=') + reg.ReadString(child, name, QString()) + QLatin1Char('\n');
        if (!child.contains(QLatin1Char('\\')) && reg.OpenKey(child, false)) {
            out += QStringLiteral("{\n");
            Snapshot(reg, out);
            out += QStringLiteral("}\n");
            reg.OpenKey(QLatin1Char('\\') + here, false);
        }
    }
}

QString StoreSnapshot()
{
    TRegIniFile reg{QString()};
    QString out;
    Snapshot(reg, out);
    return out;
}

void ReadAndWriteBack(const uint8_t* data, size_t size)
{
    fuzzsupport::WriteFile(TRegIniFile::StoreFileName().toStdString(), data, size);
    const QString read = StoreSnapshot();
    {
        // A change undone at once: the store is rewritten with what it held.
        TRegIniFile reg{QString()};
        QString probe = QStringLiteral("probe");
        while (reg.SectionExists(probe))
            probe += QLatin1Char('_');
        reg.WriteString(probe, QStringLiteral("v"), QStringLiteral("1"));
        reg.EraseSection(probe);
    }
    if (StoreSnapshot() != read)
        fuzzsupport::Broken("a store is written back as it was read");
}

void WriteAndReadBack(const uint8_t* data, size_t size)
{
    QStringList texts = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QChar(0));
    texts.removeLast();   // the text after the last NUL
    QHash<QString, QHash<QString, QString>> written;   // folded section -> folded name -> value
    QList<std::pair<QString, QString>> names;           // section and name as written
    {
        TRegIniFile reg(StoreKey);
        for (qsizetype i = 0; i + 2 < texts.size(); i += 3) {
            // Sections are single names here: a "\" may lead through existing subkeys.
            const QString section = QString(texts[i]).replace(QLatin1Char('\\'), QLatin1Char('/'));
            const QString& name = texts[i + 1];
            if (section.isEmpty())
                continue;
            reg.WriteString(section, name, texts[i + 2]);
            if (section.size() <= TRegIniFile::MaxNameLength && name.size() <= TRegIniFile::MaxNameLength) {
                written[section.toCaseFolded()][name.toCaseFolded()] = texts[i + 2];
                names.append({section, name});
            }
        }
    }
    TRegIniFile reg(StoreKey);
    if (reg.ReadSections().size() != written.size())
        fuzzsupport::Broken("every section written is read back, and no other");
    for (const auto& [section, name] : names)
        if (!reg.ValueExists(section, name) ||
            reg.ReadString(section, name, QString()) != written[section.toCaseFolded()][name.toCaseFolded()])
            fuzzsupport::Broken("the last value written under a name is read back");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("SELVARION_CONFIG_DIR", QByteArray::fromStdString(fuzzsupport::ScratchDir()));
    TRegIniFile::SetStoreErrorHandler([](const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QDir scratch(QString::fromStdString(fuzzsupport::ScratchDir()));
    for (const QString& file : scratch.entryList(QDir::Files))
        scratch.remove(file);
    if (data[0] % 2 == 0)
        ReadAndWriteBack(data + 1, size - 1);
    else
        WriteAndReadBack(data + 1, size - 1);
    return 0;
}
