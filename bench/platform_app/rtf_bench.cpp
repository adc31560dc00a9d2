// Speed of loading and saving a large day page, and of one settings round.
#include "reg_ini_file.h"
#include "rtf.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// About 200 KB of RTF shaped like the content documents: headings, hymn text with
// Cyrillic and Greek bytes, \uN quotes, colours and bullets.
QByteArray LargeDocument() {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                     "{\\f1\\fnil\\fcharset204 Arial Cyr;}{\\f2\\fnil\\fcharset161 Arial Greek;}{\\f3\\fnil\\fcharset2 Symbol;}}"
                     "{\\colortbl;\\red128\\green0\\blue0;\\red0\\green0\\blue128;}"
                     "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Day}}\\viewkind4\\uc1\n";
    int n = 0;
    while (rtf.size() < 200 * 1024) {
        ++n;
        rtf += "\\pard\\qc\\cf1\\b\\fs28 Troparion of the Feast, Tone " + QByteArray::number(n % 8 + 1) + "\\b0\\cf0\\fs24\\par\n";
        rtf += "\\pard\\qj\\li360\\fi-180 Thy nativity, O Christ our God, hath shone upon the world the light of "
               "knowledge; for thereby they that worshipped the stars were taught by a star to worship Thee, "
               "\\ldblquote the Sun of Righteousness\\rdblquote , and to know Thee. {\\i O Lord, glory be to Thee.}\\par\n";
        rtf += "\\pard{\\f1 \\'d2\\'f0\\'ee\\'ef\\'e0\\'f0\\'fc} {\\f2 \\'e1\\'e3\\'e4} \\u1041?\\u1086?\\u1075? \\emdash "
               "{\\ul Kontakion}\\tab {\\strike x}\\line next line\\par\n";
        rtf += "\\pard{\\pntext\\f3\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li720 "
               "Readings: Hebrews 1:10-2:3; Matthew 2:13-23\\par\n";
    }
    rtf += "}";
    return rtf;
}

// Loads `rtf` into a fresh document each round.
void LoadEachRound(benchmark::State& state, const QByteArray& rtf) {
    for (auto _ : state) {
        QTextDocument doc;
        LoadRtf(doc, rtf);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size());
}

void BM_LoadLargeRtf(benchmark::State& state) { LoadEachRound(state, LargeDocument()); }
BENCHMARK(BM_LoadLargeRtf)->Unit(benchmark::kMillisecond);

// Hostile pages: a million nested groups, and a million empty paragraphs.
void BM_LoadDeeplyNestedRtf(benchmark::State& state) {
    LoadEachRound(state, "{\\rtf1 " + QByteArray(1000000, '{') + "text");
}
BENCHMARK(BM_LoadDeeplyNestedRtf)->Unit(benchmark::kMillisecond);

void BM_LoadManyEmptyParagraphs(benchmark::State& state) {
    LoadEachRound(state, "{\\rtf1 " + QByteArray("\\par").repeated(1000000) + "}");
}
BENCHMARK(BM_LoadManyEmptyParagraphs)->Unit(benchmark::kMillisecond);

void BM_SaveLargeRtf(benchmark::State& state) {
    QTextDocument doc;
    LoadRtf(doc, LargeDocument());
    for (auto _ : state) benchmark::DoNotOptimize(SaveRtf(doc));
}
BENCHMARK(BM_SaveLargeRtf)->Unit(benchmark::kMillisecond);

// One settings group as a window loads it: open the store, read twenty values.
void BM_SettingsGroupRead(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("SELVARION_CONFIG_DIR", dir.path().toUtf8());
    {
        TRegIniFile reg("Software\\Tavrendel\\Selvarion");
        for (int i = 0; i < 20; ++i) reg.WriteInteger("Options", QStringLiteral("Value%1").arg(i), i);
        for (int v = 0; v < 11; ++v) reg.WriteString(QStringLiteral("Version %1").arg(v), "Filename", "v.txt");
    }
    for (auto _ : state) {
        TRegIniFile reg("Software\\Tavrendel\\Selvarion");
        int sum = 0;
        for (int i = 0; i < 20; ++i) sum += reg.ReadInteger("Options", QStringLiteral("Value%1").arg(i), 0);
        benchmark::DoNotOptimize(sum);
    }
    qunsetenv("SELVARION_CONFIG_DIR");
}
BENCHMARK(BM_SettingsGroupRead)->Unit(benchmark::kMicrosecond);

// A store of 20,000 keys: opening it, changing one value and writing it back.
void BM_SettingsStoreOfManyKeys(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("SELVARION_CONFIG_DIR", dir.path().toUtf8());
    {
        TRegIniFile reg("Software\\Tavrendel\\Selvarion\\InstalledFiles");
        for (int i = 0; i < 20000; ++i) reg.WriteString(QStringLiteral("Version %1").arg(i), "Filename", "v.txt");
    }
    int round = 0;
    for (auto _ : state) {
        TRegIniFile reg("Software\\Tavrendel\\Selvarion");
        reg.WriteInteger("Options", "SaveBackups", ++round);
    }
    qunsetenv("SELVARION_CONFIG_DIR");
}
BENCHMARK(BM_SettingsStoreOfManyKeys)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
