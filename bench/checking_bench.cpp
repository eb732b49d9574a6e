#include "checking/draw_check.h"

#include "silent_host.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// Ten million random columns of 1..90 checked against one draw.
void BM_CheckTenMillionColumns(benchmark::State& state) {
    ColumnStore store;
    const std::int32_t n = 10'000'000;
    store.tryResize(n);
    std::mt19937 rng(5);
    for (std::int32_t p = 1; p <= n; ++p) {
        Column c;
        int k = 0;
        while (k < 6) {
            const auto v = static_cast<Number>(1 + rng() % 90);
            if (std::find(c.n.begin(), c.n.begin() + k, v) == c.n.begin() + k) c[k++] = v;
        }
        std::sort(c.n.begin(), c.n.end());
        store.at(p) = c;
    }
    store.count = n;
    const WinningColumn winning{Column{{3, 17, 29, 44, 58, 81}}, 66};
    CheckResultList result;
    SilentHost host;
    for (auto _ : state) {
        CheckColumns(store, winning, result, host);
        benchmark::DoNotOptimize(result.counters);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CheckTenMillionColumns)->Unit(benchmark::kMillisecond);

} // namespace
