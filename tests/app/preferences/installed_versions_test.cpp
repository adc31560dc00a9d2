// The installed-version records in the store, the scan's book rules and the shortened path.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

#include "app_windows.h"
#include "installed_versions.h"
#include "short_path.h"
#include "version_scan.h"

namespace {

// A text holding the key of each of `books`.
QByteArray TextWith(std::initializer_list<std::pair<int, int>> ranges, std::initializer_list<int> without = {})
{
    QByteArray text = "#name\tTest\n";
    for (const auto& [first, last] : ranges)
        for (int book = first; book <= last; ++book)
            if (std::find(without.begin(), without.end(), book) == without.end())
                text += QByteArray::number(book).rightJustified(2, '0') + (book <= 39 ? "O" : book <= 66 ? "N" : "A") +
                        "\t1\t1\tText of the verse.\n";
    return text;
}

TScanResult Scan(const QByteArray& text)
{
    return ScanBibleText(text.constData(), uint32_t(text.size()));
}

} // namespace

TEST(InstalledVersionRecords, DamagedListIsRebuiltFromTheRecordsAndNotWrittenAtExit)
{
    TAppWindows env;   // an empty store of its own
    const auto load = [] { return LoadInstalledFileList(InstalledFileListSection, InstalledFilesKey); };
    const auto write = [](const QString& section, const QString& name, const QString& value) {
        TRegIniFile(InstalledFilesKey).WriteString(section, name, value);
    };
    for (const char* name : {"A", "B", "C"}) write(QLatin1String(name), "Filename", "f.txt");
    // No list: the records in the store's order.
    EXPECT_EQ(load(), QStringList({"A", "B", "C"}));
    // The listed records first, spelt as recorded; names without a record are passed over.
    const char* const listed[][2] = {{"FileCount", "-5"}, {"File1", "c"}, {"File2", ""}, {"File3", "Gone"}, {"File4", "a"}};
    for (const auto& [name, value] : listed)
        write(InstalledFileListSection, QLatin1String(name), QLatin1String(value));
    EXPECT_EQ(load(), QStringList({"C", "A", "B"}));
    for (int n = 4; n <= 12; ++n) write(QStringLiteral("V%1").arg(n), "Filename", "f.txt");
    EXPECT_EQ(load().size(), MaxInstalledVersions);
    EXPECT_EQ(load().last(), "V11");
    // The windows neither hide those versions nor write the list they did not change.
    env.Create();
    EXPECT_EQ(env.options->FileLabels[1]->text(), "C");
    env.Destroy();
    EXPECT_EQ(TRegIniFile(InstalledFilesKey).ReadString(InstalledFileListSection, "FileCount", ""), "-5");

    SaveInstalledFileList({"A", "B"}, InstalledFileListSection, InstalledFilesKey);
    EXPECT_EQ(TRegIniFile(InstalledFilesKey).ReadSection(InstalledFileListSection),
              QStringList({"FileCount", "File1", "File2"}));
}

TEST(InstalledVersionRecords, RenameMovesTheRecordAlsoForALetterCaseChange)
{
    TAppWindows env;
    TScanResult scan;
    scan.hasPart[1] = true;
    scan.readingsReady[1] = true;
    scan.foundBooks[1] = QStringList{"St Mark"};
    SaveInstalledFileInfo("Web", "web.txt", scan, InstalledFilesKey);
    SaveInstalledFileInfo("Other", "other.txt", scan, InstalledFilesKey);

    RenameInstalledFile("Web", "World");
    RenameInstalledFile("World", "WORLD");
    RenameInstalledFile("WORLD", "other");   // held by another record: nothing moves
    const TRegIniFile records(InstalledFilesKey);
    EXPECT_EQ(records.ReadSections(), QStringList({"Other", "WORLD"}));
    EXPECT_EQ(records.ReadString("WORLD", "Name", ""), "WORLD");
    EXPECT_EQ(records.ReadString("WORLD", "Filename", ""), "web.txt");
    EXPECT_EQ(records.ReadString("WORLD", "NewTBooks", ""), "\"St Mark\"");
    EXPECT_EQ(records.ReadString("Other", "Name", ""), "Other");
    EXPECT_EQ(ReadInstalledFileName("world"), "web.txt");
}

TEST(VersionScan, PartsAreFitForTheReadingsByTheBooksTheyRead)
{
    struct Case {
        QByteArray text;
        int part;
        bool ready, complete;
    };
    const Case cases[] = {
        {TextWith({{1, 39}}, {19}), 0, true, false},    // no Psalms
        {TextWith({{1, 39}}, {18}), 0, false, false},   // no Job
        {TextWith({{1, 39}}, {39}), 0, false, false},   // no Malachi, the last book looked for
        {TextWith({{1, 39}}), 0, true, true},
        {TextWith({{40, 66}}, {57, 66}), 1, true, false},
        {TextWith({{40, 66}}, {56}), 1, false, false},
        {TextWith({{67, 67}, {80, 80}, {83, 83}}), 2, true, false},
        {TextWith({{67, 86}}, {83}), 2, false, false},
        {TextWith({{67, 86}}), 2, true, true},
    };
    for (const Case& c : cases) {
        const TScanResult scan = Scan(c.text);
        for (int part = 0; part < 3; ++part)
            EXPECT_EQ(scan.hasPart[size_t(part)], part == c.part);
        EXPECT_EQ(scan.readingsReady[size_t(c.part)], c.ready) << c.text.left(60).toStdString();
        EXPECT_EQ(scan.complete[size_t(c.part)], c.complete) << c.text.left(60).toStdString();
    }
    const TScanResult apocrypha = Scan(TextWith({{86, 86}, {67, 68}}));
    EXPECT_EQ(apocrypha.foundBooks[2], QStringList({"Baruch", "Ecclesiasticus", "Additions to Esther"}));
    const TScanResult all = Scan(TextWith({{1, 86}}));
    EXPECT_EQ(all.foundBooks[0].size() + all.foundBooks[1].size() + all.foundBooks[2].size(), 86);
    EXPECT_EQ(all.foundBooks[0].last() + all.foundBooks[1].last(), "MalachiRevelation");
    EXPECT_FALSE(Scan("10O 1 1 no tabs\n").FoundAny());
    // A book with a line the reader could not read (columns, numbers) is left out.
    for (const char* line : {"40N\t1\tNo verse\n", "40N\t1\t1\t1\tExtra\n", "40N\t01\t1\tZero\n",
                             "40N\t1\t1000\tFour digits\n", "40N\t1\t1"}) {
        const TScanResult scan = Scan(TextWith({{40, 66}}) + line);
        EXPECT_EQ(scan.damagedBooks, QStringList({"St Matthew"})) << line;
        EXPECT_EQ(scan.foundBooks[1].value(0), "St Mark") << line;
        EXPECT_FALSE(scan.readingsReady[1]) << line;
    }
    EXPECT_TRUE(Scan(TextWith({{40, 66}}) + "40N\t0\t1\t\r\n").damagedBooks.isEmpty());
}

TEST(ShortPath, FoldersGiveWayOneByOne)
{
    TestApplication();
    const QFontMetrics metrics(QFont(QStringLiteral("Liberation Sans"), 10));
    const QString path = QStringLiteral("/home/ann/Bibles/kjv.txt");
    for (const char* expected : {"/home/ann/Bibles/kjv.txt", "/.../ann/Bibles/kjv.txt", "/.../Bibles/kjv.txt",
                                 "/.../kjv.txt", ".../kjv.txt", "kjv.txt"})
        EXPECT_EQ(ShortenPathToWidth(path, metrics, metrics.horizontalAdvance(QLatin1String(expected))), expected);
    EXPECT_EQ(ShortenPathToWidth(path, metrics, 1), "kjv.txt");

    const std::pair<const char*, const char*> steps[] = {
        {"/", ""}, {"/a/b/", "/.../b/"}, {"/.../b/", "/.../"}, {".../", ""}, {"a/b/", ".../b/"},
        {"/.ab/c/", "/.../c/"},   // a hidden folder is a folder like any other
    };
    for (const auto& [folder, shorter] : steps) {
        QString text = QLatin1String(folder);
        DropFirstFolder(text);
        EXPECT_EQ(text, shorter) << folder;
    }
}
