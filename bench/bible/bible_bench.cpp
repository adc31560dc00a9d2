// Speed of the Bible readers on the generated Bible files: the built-in files, and the same
// King James text as an installed version.
#include <benchmark/benchmark.h>

#include <string>

#include "bible_reader.h"

namespace {

struct Controls : IBibleSearchControls {
    int part = 0;
    int SearchGroupItemIndex() const override { return part; }
    std::string OldTText() const override { return "Psalms"; }
    std::string NewTText() const override { return "St Matthew"; }
    std::string ApocText() const override { return "Ecclesiasticus"; }
    bool ChapterHeadingsChecked() const override { return true; }
    bool VerseNumbersChecked() const override { return true; }
    std::string AppDataDir() const override { return std::string(BIBLE_TSV_DIR) + "/"; }
    std::string ProgramDir() const override { return std::string(SELV_PROGRAM_DIR) + "/"; }
    void ShowBookList(int) override {}
};

struct Sink : IMessageSink {
    void ShowMessage(const std::string&) override {}
};

// A reader with the file of `part` mapped as for a readings request.
struct Reader {
    Controls controls;
    Sink sink;
    TBibleReader reader{controls, sink};
    explicit Reader(int part, const char* file, benchmark::State& state) {
        controls.part = part;
        reader.FMappedTestament = part;
        if (reader.MapBibleFile(file) == nullptr) state.SkipWithError("the generated Bible files are missing");
    }
};

void PassageBench(benchmark::State& state, int part, const char* file, int book, const char* sc,
                  const char* sv, const char* ec, const char* ev) {
    Reader r(part, file, state);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = r.reader.GetPassageText(book, sc, sv, ec, ev, true, true);
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["chars"] = double(bytes);
}

void BM_SingleVerse(benchmark::State& state) {   // St John 3:16
    PassageBench(state, 1, "NewTstmt.dat", 3, "3", "16", "3", "16");
}
void BM_Psalm119(benchmark::State& state) {       // the longest chapter
    PassageBench(state, 0, "OldTstmt.dat", 18, "119", "1", "119", "176");
}
void BM_AcrossChapters(benchmark::State& state) { // Romans 5:17 to 6:2
    PassageBench(state, 1, "NewTstmt.dat", 5, "5", "17", "6", "2");
}
void BM_PsalmsSummary(benchmark::State& state) {
    Reader r(0, "OldTstmt.dat", state);
    for (auto _ : state) benchmark::DoNotOptimize(r.reader.BuildChapterVerseSummary(18, "Psalms"));
}

// The installed King James text as the Find Bible Verses dialog's Old Testament version.
void BM_PsalmsSummaryInstalled(benchmark::State& state) {
    Reader r(0, "kjv_unbound.txt", state);
    r.reader.FOldTSearchFile = "kjv_unbound.txt";
    for (auto _ : state) benchmark::DoNotOptimize(r.reader.BuildChapterVerseSummary(18, "Psalms"));
}

// A start verse past the end of the last chapter of the New Testament: the reader steps
// back to the chapter's last verse and reports the verses missing.
void BM_MissingVerseInstalled(benchmark::State& state) {
    Reader r(1, "kjv_unbound.txt", state);
    r.reader.FNewTReadingsFile = "kjv_unbound.txt";
    for (auto _ : state) benchmark::DoNotOptimize(r.reader.GetPassageText(26, "22", "999", "22", "999", false, false));
}

BENCHMARK(BM_SingleVerse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Psalm119)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AcrossChapters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PsalmsSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PsalmsSummaryInstalled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MissingVerseInstalled)->Unit(benchmark::kMillisecond);

}  // namespace
