// The whole date change as the user sees it. The hub benchmarks time the Select Date window's
// hub alone (recompute, bars, page load). The on-screen benchmarks press Next Day in a main
// window that fills a screen of the given size and then lay it out and paint it whole into an
// image, so that the icon's decoding and scaling, the text layout and the painting count too.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QDate>
#include <QImage>
#include <QScreen>
#include <QTextEdit>
#include <QTemporaryFile>

#include <memory>

#include "bench_windows.h"
#include "custom_calendar.h"
#include "rtf.h"
#include "splash_screen.h"

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

// The offscreen platform gets one screen of each size, side by side.
const char* const ScreensConfig = R"({"windowFrameMargins": false, "screens": [
    {"name": "1920x1080", "x": 0, "y": 0, "width": 1920, "height": 1080},
    {"name": "1366x768", "x": 1920, "y": 0, "width": 1366, "height": 768}]})";

QScreen* ScreenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

// The main window filling the screen, with the Select Date window on the same screen (it sizes
// the icon for the screen it is on), showing `page` from January 1, 2024.
struct TWindowsOnScreen : TWindows {
    TWindowsOnScreen(QScreen& screen, QAction* TSelvarionMainForm::*page)
    {
        Create();
        dateBox->move(screen.geometry().topLeft() + QPoint(10, 10));
        main->setGeometry(screen.availableGeometry());
        main->show();
        ((*main).*page)->trigger();
        dateBox->MoveToCivilDate(QDate(2024, 1, 1));
        frame = QImage(main->size(), QImage::Format_RGB32);
        Paint();
    }
    // Lays out what waits for it and paints the whole window.
    void Paint()
    {
        QCoreApplication::sendPostedEvents();
        main->render(&frame);
    }
    // Next Day, through the days of 2024 again and again.
    void NextDay(benchmark::State* state)
    {
        if (dateBox->FCivilDate == QDate(2024, 12, 31)) {
            if (state)
                state->PauseTiming();
            dateBox->MoveToCivilDate(QDate(2024, 1, 1));
            Paint();
            if (state)
                state->ResumeTiming();
            return;
        }
        main->MNextDay->trigger();
        Paint();
    }
    QImage frame;
};

void DayOnScreen(benchmark::State& state, QAction* TSelvarionMainForm::*page, const char* screenName)
{
    QScreen* screen = ScreenNamed(QLatin1String(screenName));
    if (!screen) {
        state.SkipWithError("the offscreen platform has no such screen");
        return;
    }
    TWindowsOnScreen windows(*screen, page);
    for (auto _ : state)
        windows.NextDay(&state);
    state.SetLabel(windows.main->Hint().section(QLatin1Char(' '), 0, 3).toStdString());
}

BENCHMARK_CAPTURE(DayOnScreen, Troparia_1920x1080, &TSelvarionMainForm::MTroparionKontakion, "1920x1080")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOnScreen, Readings_1920x1080, &TSelvarionMainForm::MDailyBibleReadings, "1920x1080")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOnScreen, Lives_1920x1080, &TSelvarionMainForm::MLivesSaints, "1920x1080")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOnScreen, Troparia_1366x768, &TSelvarionMainForm::MTroparionKontakion, "1366x768")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOnScreen, Readings_1366x768, &TSelvarionMainForm::MDailyBibleReadings, "1366x768")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOnScreen, Lives_1366x768, &TSelvarionMainForm::MLivesSaints, "1366x768")
    ->Unit(benchmark::kMillisecond);

// A long page (some 3,000 paragraphs, as a personalized page may grow) read into the main
// window's editor, which shows its start.
void BM_LoadLongPage(benchmark::State& state)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\n";
    for (int n = 0; n < 3000; ++n)
        rtf += "\\pard\\qj Paragraph " + QByteArray::number(n) +
               " of a long page, with words enough to fill a line or two of the editor.\\par\n";
    rtf += "}";
    TWindows windows;
    windows.Create();
    windows.main->resize(1366, 768);
    windows.main->show();
    for (auto _ : state)
        LoadRtf(*windows.main->MainRichEdit->document(), rtf);
}
BENCHMARK(BM_LoadLongPage)->Unit(benchmark::kMillisecond);

// Every day of a year on each page, at 1920x1080: run alone under /usr/bin/time -v for the
// program's peak memory.
void BM_YearOnScreen(benchmark::State& state)
{
    QScreen* screen = ScreenNamed(QStringLiteral("1920x1080"));
    for (auto _ : state) {
        for (auto page : {&TSelvarionMainForm::MTroparionKontakion, &TSelvarionMainForm::MDailyBibleReadings,
                          &TSelvarionMainForm::MLivesSaints}) {
            TWindowsOnScreen windows(*screen, page);
            for (int day = 1; day < 366; ++day)
                windows.NextDay(nullptr);
        }
    }
}
BENCHMARK(BM_YearOnScreen)->Unit(benchmark::kMillisecond)->Iterations(1);

// The program's start-up less the splash screen's wait: the splash screen, the five windows
// that live for the whole run in their order, today's page and icon, and the main window
// shown and painted at 1920x1080. The first iteration of a process is the one a user waits for.
void BM_StartUp(benchmark::State& state)
{
    QScreen* screen = ScreenNamed(QStringLiteral("1920x1080"));
    for (auto _ : state) {
        auto splash = std::make_unique<TSplashScreen>();
        splash->show();
        splash->repaint();
        auto windows = std::make_unique<TWindows>();
        windows->Create();
        splash.reset();
        windows->main->setGeometry(screen->availableGeometry());
        windows->main->show();
        QImage frame(windows->main->size(), QImage::Format_RGB32);
        QCoreApplication::sendPostedEvents();
        windows->main->render(&frame);
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryFile screens;
    if (!screens.open() || screens.write(ScreensConfig) < 0)
        return 1;
    screens.close();
    return RunBenchmarks(argc, argv, "offscreen:configfile=" + screens.fileName().toLocal8Bit());
}
