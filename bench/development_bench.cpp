// Integral development: the plain case (an empty list) and the duplicate test against a large
// shuffled list.
#include "core/Globali.h"
#include "core/combinatorics.h"
#include "shell/integral_development.h"
#include "shell/long_operation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

class SilentMessages final : public MessageService {
public:
    MessageAnswer show(const Message& m) override { return m.defaultAnswer; }
};

struct Bench {
    Bench() : g(messages, clock), host(state, messages, clock) {}
    SilentMessages messages;
    SteadyClock clock;
    Globali g;
    RunningState state;
    RunningStateHost host;
};

void SetRange(ForecastFlags& f, int first, int last) {
    f.clear();
    for (int n = first; n <= last; ++n) f.set(n, true);
}

// 40 numbers into an empty list whose storage is already there, as after the first development of
// a session: the enumeration and the writes alone.
void BM_Develop40IntoEmptyList(benchmark::State& st) {
    Bench b;
    SetRange(b.g.system.forecast, 1, 40);
    EnsureCapacity(b.g.system.columns, Combinations6(40), b.messages);
    for (auto _ : st) {
        b.g.system.columns.count = 0;
        if (DevelopForecast(b.g, b.host, false) != OperationOutcome::Completed)
            st.SkipWithError("not completed");
        benchmark::DoNotOptimize(b.g.system.columns.items());
    }
    st.SetItemsProcessed(st.iterations() * Combinations6(40));
}
BENCHMARK(BM_Develop40IntoEmptyList)->Unit(benchmark::kMillisecond);

// The same from a fresh store: includes the first growth (33 MB allocated and zeroed).
void BM_Develop40IntoFreshStore(benchmark::State& st) {
    for (auto _ : st) {
        Bench b;
        SetRange(b.g.system.forecast, 1, 40);
        if (DevelopForecast(b.g, b.host, false) != OperationOutcome::Completed)
            st.SkipWithError("not completed");
        benchmark::DoNotOptimize(b.g.system.columns.items());
    }
    st.SetItemsProcessed(st.iterations() * Combinations6(40));
}
BENCHMARK(BM_Develop40IntoFreshStore)->Unit(benchmark::kMillisecond);

// 30 numbers already developed (593,775 columns, shuffled), then one number more: 142,506 to add,
// every candidate tested against the list.
void BM_Develop30Plus1OverShuffledList(benchmark::State& st) {
    Bench b;
    SetRange(b.g.system.forecast, 1, 30);
    DevelopForecast(b.g, b.host, false);
    ColumnStore& store = b.g.system.columns;
    std::shuffle(store.items(), store.items() + store.count, std::mt19937(42));
    const std::int32_t existing = store.count;
    b.g.system.forecast.set(31, true);
    for (auto _ : st) {
        store.count = existing;
        if (DevelopForecast(b.g, b.host, false) != OperationOutcome::Completed)
            st.SkipWithError("not completed");
    }
    st.counters["added"] = store.count - existing;
    st.SetItemsProcessed(st.iterations() * Combinations6(31));
}
BENCHMARK(BM_Develop30Plus1OverShuffledList)->Unit(benchmark::kMillisecond);

} // namespace
