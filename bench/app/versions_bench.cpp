// Installed Bible versions: the install page's scan of the real King James export (86 book
// keys searched in the mapped file), and Apply of a new New Testament readings version,
// which maps the file and builds the shown readings page again.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QFile>
#include <QLabel>

#include "bench_windows.h"
#include "installed_versions.h"
#include "version_scan.h"

namespace {

const QString KjvExport = QStringLiteral(BIBLE_TSV_DIR "/kjv_unbound.txt");

void BM_ScanKjvExport(benchmark::State& state)
{
    TScanResult scan;
    for (auto _ : state) {
        if (ScanBibleFile(KjvExport, scan) != TScanFailure::None)
            state.SkipWithError("the export cannot be mapped");
        benchmark::DoNotOptimize(scan);
    }
    state.SetLabel(QStringLiteral("%1 books").arg(scan.foundBooks[0].size() + scan.foundBooks[1].size()).toStdString());
}

void BM_ApplyNewTestamentReadings(benchmark::State& state)
{
    TWindows windows;
    const QString web = QStringLiteral("World English Bible");
    TScanResult scan;
    ScanBibleFile(QStringLiteral(BIBLE_TSV_DIR "/web_unbound.txt"), scan);
    QFile::copy(QStringLiteral(BIBLE_TSV_DIR "/web_unbound.txt"), windows.folders.appDataDir + "web.txt");
    SaveInstalledFileInfo(web, QStringLiteral("web.txt"), scan, InstalledFilesKey);
    SaveInstalledFileList({web}, InstalledFileListSection, InstalledFilesKey);
    windows.Create();
    windows.main->MDailyBibleReadings->trigger();
    bool toWeb = true;
    for (auto _ : state) {
        windows.options->ActiveNT1->setText(toWeb ? web : BuiltInVersionName);
        windows.options->ApplyButtonClick();
        toWeb = !toWeb;
    }
}

BENCHMARK(BM_ScanKjvExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyNewTestamentReadings)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
