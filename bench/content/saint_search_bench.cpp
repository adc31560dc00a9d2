// The saint search over the whole year: a name that no day holds is the worst case,
// every one of the 366 days is scanned.
#include <benchmark/benchmark.h>

#include "content_api.h"

namespace {

void BM_LivesSearchNotFound(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchLivesLookupTable("NOSUCHSAINT", 101));
}
BENCHMARK(BM_LivesSearchNotFound);

void BM_HymnsSearchNotFound(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchTropLookupTable("NOSUCHSAINT", 101));
}
BENCHMARK(BM_HymnsSearchNotFound);

void BM_LivesSearchCommonName(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchLivesLookupTable("john", 1231));
}
BENCHMARK(BM_LivesSearchCommonName);

} // namespace
