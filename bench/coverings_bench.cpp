// The covering searches of the forecast on empty lists, as "Avvia" runs them without a table.
#include "reductions/mathematical/forecast_covering.h"

#include "silent_host.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

class NoMessages final : public MessageService {
public:
    MessageAnswer show(const Message& m) override { return m.defaultAnswer; }
};

void RunSearch(benchmark::State& state, bool orthogonal) {
    const int n = static_cast<int>(state.range(0));
    ForecastCoveringInput input;
    for (int x = 1; x <= n; ++x) input.forecast.push_back(static_cast<Number>(x));
    input.k = static_cast<int>(state.range(1));
    auto bitmap = CoverageBitmap::tryCreate();
    auto pool = std::make_unique<CandidatePool>();
    NoMessages messages;
    SilentHost host;
    std::int32_t columns = 0;
    // The store's first growth (32 MiB cleared) is not the search's cost: it is made once.
    ColumnStore store;
    EnsureCapacity(store, 1, messages);
    for (auto _ : state) {
        RandomGenerator random(1);
        CoveringWorkspace work{bitmap.get(), *pool, random};
        const CoveringRunResult r = orthogonal ? OrthogonalForecastSearch(input, store, messages, work, host)
                                               : GuaranteeForecastSearch(input, store, messages, work, host);
        columns = r.added;
        benchmark::DoNotOptimize(store.items());
    }
    state.counters["columns"] = columns;
}

void BM_Orthogonal(benchmark::State& state) {
    RunSearch(state, true);
}
void BM_Guarantee(benchmark::State& state) {
    RunSearch(state, false);
}

} // namespace

BENCHMARK(BM_Orthogonal)
    ->Args({20, 3})
    ->Args({20, 4})
    ->Args({30, 3})
    ->Args({30, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Guarantee)->Args({30, 3})->Args({30, 4})->Unit(benchmark::kMillisecond);
