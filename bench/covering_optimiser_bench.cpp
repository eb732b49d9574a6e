// Cost of one annealing move (evaluation of a one-number change of a column) and of a whole short
// search, for the table shapes that dominate the build time of the covering tables.

#include "reductions/mathematical/covering_optimiser.h"
#include "reductions/mathematical/covering_state.h"
#include "reductions/mathematical/orbit_covering.h"

#include <benchmark/benchmark.h>

#include <limits>

namespace {

void BM_EvaluateMove(benchmark::State& state) {
    const int v = static_cast<int>(state.range(0));
    const int t = static_cast<int>(state.range(1));
    const int m = static_cast<int>(state.range(2));
    CoveringState s(v, t, m);
    std::mt19937 rng(1);
    for (int i = 0; i < 20; ++i) {
        std::uint64_t b = 0;
        while (CoveringState::popcount(b) < 6)
            b |= std::uint64_t{1} << DrawBelow(rng, static_cast<std::uint32_t>(v));
        s.addBlock(b);
    }
    for (auto _ : state) {
        const std::size_t index = DrawBelow(rng, 20);
        const std::uint64_t block = s.blocks()[index];
        int x, y;
        do x = static_cast<int>(DrawBelow(rng, static_cast<std::uint32_t>(v)));
        while (!(block >> x & 1));
        do y = static_cast<int>(DrawBelow(rng, static_cast<std::uint32_t>(v)));
        while (block >> y & 1);
        benchmark::DoNotOptimize(s.evaluate(index, x, y, std::numeric_limits<std::int64_t>::max()));
    }
}
BENCHMARK(BM_EvaluateMove)->Args({20, 3, 3})->Args({20, 3, 6})->Args({30, 3, 6})->Args({22, 4, 6});

// 200,000 moves on (18,6,3): orthogonal annealing (arg 0), guarantee breakout (1), orthogonal tabu (2).
void BM_ShortSearch(benchmark::State& state) {
    CoveringRequest request;
    request.kind = state.range(0) == 1 ? CoveringKind::Guarantee : CoveringKind::Orthogonal;
    if (state.range(0) == 2) request.method = CoveringMethod::Tabu;
    request.v = 18;
    request.t = 3;
    request.seconds = 600;
    request.maxMoves = 200'000;
    for (auto _ : state) benchmark::DoNotOptimize(OptimiseCovering(request).columns.size());
}
BENCHMARK(BM_ShortSearch)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The orbit search on (20,6,3): building the orbit problem, the greedy and 100,000 steps, plain
// (arg 0) and under two cycles of seven (arg 1).
void BM_OrbitSearch(benchmark::State& state) {
    OrbitCoveringRequest request;
    request.v = 20;
    request.t = 3;
    request.seconds = 600;
    request.maxSteps = 100'000;
    if (state.range(0) == 1) {
        std::vector<int> image;
        ParseGenerator("7+7", request.v, image);
        request.generators.push_back(image);
    }
    for (auto _ : state) benchmark::DoNotOptimize(SearchInvariantCovering(request).columns.size());
}
BENCHMARK(BM_OrbitSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
