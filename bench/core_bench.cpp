#include "core/column_store.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

class SilentMessages final : public MessageService {
public:
    MessageAnswer show(const Message& m) override { return m.defaultAnswer; }
};

// The first columns of a 30-number development, in lexicographic order.
void FillLexicographic(ColumnStore& store, std::int32_t n) {
    SilentMessages messages;
    EnsureCapacity(store, n, messages);
    Column c{{1, 2, 3, 4, 5, 6}};
    for (std::int32_t p = 1; p <= n; ++p) {
        store.at(p) = c;
        int k = 5;
        while (k >= 0 && c[k] == 30 - (5 - k)) --k;
        if (k < 0) break;
        ++c[k];
        for (int j = k + 1; j < 6; ++j) c[j] = static_cast<Number>(c[j - 1] + 1);
    }
    store.count = n;
}

void BM_FindColumnInListOrder(benchmark::State& state) {
    ColumnStore store;
    const auto n = static_cast<std::int32_t>(state.range(0));
    FillLexicographic(store, n);
    std::int32_t p = 0;
    for (auto _ : state) {
        p = p % n + 1;
        benchmark::DoNotOptimize(FindColumn(store, store.at(p)));
    }
}
BENCHMARK(BM_FindColumnInListOrder)->Arg(593'775);

void BM_FindColumnInRandomOrder(benchmark::State& state) {
    ColumnStore store;
    const auto n = static_cast<std::int32_t>(state.range(0));
    FillLexicographic(store, n);
    std::vector<Column> queries(store.items(), store.items() + n);
    std::shuffle(queries.begin(), queries.end(), std::mt19937(3));
    std::size_t q = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindColumn(store, queries[q]));
        q = (q + 1) % queries.size();
    }
}
BENCHMARK(BM_FindColumnInRandomOrder)->Arg(10'000)->Arg(593'775);

void BM_GrowStoreAppend10M(benchmark::State& state) {
    SilentMessages messages;
    for (auto _ : state) {
        ColumnStore store;
        const Column c{{1, 2, 3, 4, 5, 6}};
        for (std::int32_t i = 0; i < 10'000'000; ++i) {
            if (store.capacity() < store.count + 1 && !GrowStore(store, messages)) break;
            store.at(++store.count) = c;
        }
        benchmark::DoNotOptimize(store.items());
    }
    state.SetItemsProcessed(state.iterations() * 10'000'000);
}
BENCHMARK(BM_GrowStoreAppend10M)->Unit(benchmark::kMillisecond);

} // namespace
