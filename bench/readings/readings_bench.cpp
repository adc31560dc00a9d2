// Time to build the Bible Readings page from the built-in files on a plain
// weekday, a Sunday, Great Friday and the eve of the Theophany, and the last two
// also as the first readings page of a session.
#include "bible_reader.h"
#include "calendar_engine.h"
#include "readings_builder.h"
#include "readings_stand_ins.h"

#include <benchmark/benchmark.h>

#include <QLocale>

#include <memory>

extern const rsrc::ResourceModule selvmain_resources;

namespace {

// `freshReader`: a new reader for each page, so that nothing found on an earlier page helps
// (the first readings page a session shows); otherwise one reader builds the page again and again.
void BuildPage(benchmark::State& state, QDate day, bool freshReader)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ReadingsSettings settings;
    settings.showVerseNumbers = true;
    ReadingsControls controls;
    KeptMessages messages;
    TCalendarEngine calendar(settings, &selvmain_resources);
    if (!calendar.SetCivilDate(day)) {
        state.SkipWithError("date not accepted");
        return;
    }
    auto newReader = [&] {
        auto reader = std::make_unique<TBibleReader>(controls, messages);
        reader->FMappedText = reader->MapBibleFile(reader->FNewTReadingsFile);
        reader->FMappedTestament = 1;
        return reader;
    };
    std::unique_ptr<TBibleReader> reader = newReader();
    size_t bytes = 0;
    for (auto _ : state) {
        if (freshReader) {
            state.PauseTiming();
            reader = newReader();
            state.ResumeTiming();
        }
        std::string page = BuildBibleReadingsPage(calendar, *reader, settings, messages);
        bytes = page.size();
        benchmark::DoNotOptimize(page);
    }
    if (bytes == 0) state.SkipWithError("empty page (are the Bible files in the program folder?)");
    state.counters["page_bytes"] = static_cast<double>(bytes);
}

}  // namespace

BENCHMARK_CAPTURE(BuildPage, PlainWeekday_2025_07_01, QDate(2025, 7, 1), false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, Sunday_2025_07_06, QDate(2025, 7, 6), false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, GreatFriday_2025_04_18, QDate(2025, 4, 18), false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, TheophanyEve_2022_01_05, QDate(2022, 1, 5), false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, GreatFridayFirstPage_2025_04_18, QDate(2025, 4, 18), true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, TheophanyEveFirstPage_2022_01_05, QDate(2022, 1, 5), true)->Unit(benchmark::kMillisecond);
