// Loading the shipped history and recomputing every statistic on it.
//   build/bench/archive_bench
#include "archive/archive_file.h"
#include "archive/draw_text.h"
#include "archive/statistics.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The history's text sits in the source tree next to this file's folder.
const DrawArchive& History() {
    static const DrawArchive history = [] {
        DrawArchive a;
        const auto tsv =
            std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "superenalotto-draws.tsv";
        if (!ReadDrawTsv(tsv, a).ok) std::abort();
        return a;
    }();
    return history;
}

void BM_LoadArchive(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "sestavia-archive-bench.dbs";
    RandomGenerator random(1);
    if (!saveArchive(History(), path, random)) std::abort();
    DrawArchive a;
    for (auto _ : state) {
        loadArchive(a, path);
        benchmark::DoNotOptimize(a.count());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadArchive)->Unit(benchmark::kMicrosecond);

void BM_RecomputeStatistics(benchmark::State& state) {
    const DrawArchive& a = History();
    GlobalSettings s;
    StatisticsArrays out;
    for (auto _ : state) {
        recomputeStatistics(a, s, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_RecomputeStatistics)->Unit(benchmark::kMicrosecond);

// The two four-bar views, each over every draw.
void BM_Summaries(benchmark::State& state) {
    const DrawArchive& a = History();
    GlobalSettings s;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeDelaySummaries(a, s));
        benchmark::DoNotOptimize(computeFrequencySummaries(a, s));
    }
}
BENCHMARK(BM_Summaries)->Unit(benchmark::kMicrosecond);

} // namespace
