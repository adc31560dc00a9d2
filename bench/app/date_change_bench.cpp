// The whole date change as the user sees it: the Select Date window's hub recomputes the
// day, writes the bars and loads the page, for each of the three pages.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QDate>

#include "bench_windows.h"
#include "custom_calendar.h"

namespace {

void DateChange(benchmark::State& state, QAction* TSelvarionMainForm::*page)
{
    TWindows windows;
    windows.Create();
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
    return RunBenchmarks(argc, argv);
}
