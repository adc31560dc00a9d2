// The whole date change as the user sees it: the Select Date window's hub recomputes the
// day, writes the bars and loads the page, for each of the three pages.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "app_folders.h"
#include "bible_search_dlg.h"
#include "custom_calendar.h"
#include "date_box.h"
#include "day_names.h"
#include "message_box.h"
#include "options_dialog.h"
#include "reg_ini_file.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

namespace {

struct TWindows {
    TWindows()
    {
        qputenv("SELVARION_CONFIG_DIR", config.path().toUtf8());
        qputenv("SELVARION_DATA_DIR", data.path().toUtf8());
        qputenv("SELVARION_PROGRAM_DIR", SELV_PROGRAM_DIR);
        SetMessageBoxHook([](QMessageBox&) { return QMessageBox::Ok; });
        TRegIniFile(SettingsKey).WriteBool(QStringLiteral("Options"), QStringLiteral("OldCalendar"), false);
        folders = FindAppFolders();
        main = std::make_unique<TSelvarionMainForm>(folders);
        bible = std::make_unique<TBibleSearchDlg>(*main);
        options = std::make_unique<TOptionsDialog>(*main);
        dateBox = std::make_unique<TDateBox>(*main, *options, *bible, &selvmain_resources);
    }
    ~TWindows()
    {
        dateBox.reset();
        options.reset();
        bible.reset();
        main.reset();
    }
    QTemporaryDir config, data;
    TAppFolders folders;
    std::unique_ptr<TSelvarionMainForm> main;
    std::unique_ptr<TBibleSearchDlg> bible;
    std::unique_ptr<TOptionsDialog> options;
    std::unique_ptr<TDateBox> dateBox;
};

void DateChange(benchmark::State& state, QAction* TSelvarionMainForm::*page)
{
    TWindows windows;
    (windows.main.get()->*page)->trigger();
    QDate day(2024, 1, 1);
    for (auto _ : state) {
        windows.dateBox->Calendar->SetCalendarDate(day);
        day = day.addDays(1);
        if (day.year() > 2024)
            day = QDate(2024, 1, 1);
    }
    state.SetLabel(windows.main->Hint().section(QLatin1Char(' '), 0, 3).toStdString());
}

void BM_DateChangeTroparia(benchmark::State& state)
{
    DateChange(state, &TSelvarionMainForm::MTroparionKontakion);
}
void BM_DateChangeLives(benchmark::State& state)
{
    DateChange(state, &TSelvarionMainForm::MLivesSaints);
}
void BM_DateChangeReadings(benchmark::State& state)
{
    DateChange(state, &TSelvarionMainForm::MDailyBibleReadings);
}

BENCHMARK(BM_DateChangeTroparia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateChangeLives)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateChangeReadings)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
