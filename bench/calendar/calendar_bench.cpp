// The whole date change of the calendar engine for every day of the old calendar's range:
// set the date (conversion and recompute), date title, day description with the fast,
// and the icon key. Reported per day.
#include "calendar_engine.h"

#include <benchmark/benchmark.h>

#include <QLocale>

extern const rsrc::ResourceModule selvmain_resources;

namespace {

struct BenchSettings : ILiveSettings {
    bool oldCalendar = false;
    bool OldCalendar() const override { return oldCalendar; }
    bool UseLukanJump() const override { return true; }
    bool ShowVerseNumbers() const override { return true; }
};

void WholeDateChange(benchmark::State& state)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    BenchSettings settings;
    settings.oldCalendar = state.range(0) != 0;
    TCalendarEngine engine(settings, &selvmain_resources);
    const QDate first = TCalendarEngine::FirstCivilDate;
    const qint64 days = first.daysTo(TCalendarEngine::LastCivilDate) + 1;

    for (auto _ : state) {
        for (qint64 i = 0; i < days; ++i) {
            if (settings.oldCalendar)
                engine.SetOldDate(TCalendarEngine::FirstOldDateShifted.addDays(i));
            else
                engine.SetCivilDate(first.addDays(i));
            const uint16_t key = settings.oldCalendar ? engine.FOldMonth * 100 + engine.FOldDay
                                                      : engine.FCivilMonth * 100 + engine.FCivilDay;
            std::string title = engine.GetDateTitle();
            std::string description = engine.GetDayDescription();
            uint16_t icon = engine.GetIconKey(key);
            benchmark::DoNotOptimize(title);
            benchmark::DoNotOptimize(description);
            benchmark::DoNotOptimize(icon);
        }
    }
    state.SetItemsProcessed(state.iterations() * days);
    // Seconds per day (shown with an SI prefix, e.g. 1.5u = 1.5 microseconds).
    state.counters["per_day"] = benchmark::Counter(static_cast<double>(state.iterations() * days),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(WholeDateChange)->Arg(0)->ArgName("old_calendar")->Arg(1)->Unit(benchmark::kMillisecond);
