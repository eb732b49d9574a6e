// Saving, loading and sorting lists of ten million columns; and the duplicate check of an import.
#include "core/Globali.h"
#include "core/system_file.h"
#include "shell/column_import.h"
#include "shell/column_sort.h"

#include "silent_host.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

class SilentMessages final : public MessageService {
public:
    MessageAnswer show(const Message& m) override { return m.defaultAnswer; }
};

constexpr std::int32_t kColumns = 10'000'000;

// The first columns of a 50-number development, in lexicographic order.
void FillLexicographic(ColumnStore& store, std::int32_t n) {
    store.tryResize(n + 1);
    Column c{{1, 2, 3, 4, 5, 6}};
    for (std::int32_t p = 1; p <= n; ++p) {
        store.at(p) = c;
        int k = 5;
        while (k >= 0 && c[k] == 50 - (5 - k)) --k;
        if (k < 0) break;
        ++c[k];
        for (int j = k + 1; j < 6; ++j) c[j] = static_cast<Number>(c[j - 1] + 1);
    }
    store.count = n;
}

struct Fixture {
    SilentMessages messages;
    SteadyClock clock;
    Globali g{messages, clock};
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("sestavia_bench_" + std::to_string(::getpid()));

    Fixture() {
        std::filesystem::create_directories(dir);
        g.system.currentPath = (dir / "Sistema.sxv").string();
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
};

void BM_SaveSystem10M(benchmark::State& state) {
    Fixture f;
    FillLexicographic(f.g.system.columns, kColumns);
    for (auto _ : state) benchmark::DoNotOptimize(SaveSystem(f.g));
    state.SetBytesProcessed(state.iterations() * std::int64_t{kColumns} * 6);
}
BENCHMARK(BM_SaveSystem10M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadSystem10M(benchmark::State& state) {
    Fixture f;
    FillLexicographic(f.g.system.columns, kColumns);
    SaveSystem(f.g);
    f.g.system.columns.count = 0;
    for (auto _ : state) benchmark::DoNotOptimize(LoadSystem(f.g));
    if (f.g.system.columns.count != kColumns) state.SkipWithError("load failed");
    state.SetBytesProcessed(state.iterations() * std::int64_t{kColumns} * 6);
}
BENCHMARK(BM_LoadSystem10M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortShuffled10M(benchmark::State& state) {
    Fixture f;
    ColumnStore& store = f.g.system.columns;
    FillLexicographic(store, kColumns);
    std::mt19937 rng(1);
    SilentHost host;
    for (auto _ : state) {
        state.PauseTiming();
        std::shuffle(store.items(), store.items() + store.count, rng);
        state.ResumeTiming();
        benchmark::DoNotOptimize(SortColumns(store, host));
    }
}
BENCHMARK(BM_SortShuffled10M)->Unit(benchmark::kMillisecond)->Iterations(3);

// One million imported candidates against a list of ten million: the hash-table check.
void BM_ImportDuplicateCheck(benchmark::State& state) {
    Fixture f;
    ColumnStore& store = f.g.system.columns;
    const std::int32_t listed = kColumns;
    const std::int32_t candidates = 1'000'000;
    FillLexicographic(store, listed + candidates);
    std::mt19937 rng(2);
    std::shuffle(store.items(), store.items() + listed + candidates, rng);
    SilentHost host;
    std::vector<Column> saved(store.items() + listed, store.items() + listed + candidates);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(saved.begin(), saved.end(), store.items() + listed);
        store.count = listed;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RemoveListedCandidates(store, candidates, host));
    }
}
BENCHMARK(BM_ImportDuplicateCheck)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
