#include "shell/integral_development.h"

#include "core/Globali.h"
#include "core/combinatorics.h"
#include "shell/forecast_rank_set.h"
#include "shell/long_operation.h"

#include <array>
#include <vector>

namespace {

// How a candidate is tested against the columns the list held when the run began.
enum class DuplicateTest { None, RankSet, Scan };

struct Development {
    std::array<Number, kMaxNumber> numbers{}; // the forecast, ascending
    int n = 0;
    std::array<std::uint8_t, kMaxNumber> fixedAt{}; // 1 when forecast position i holds a fixed number
    int fixedCount = 0;
};

// The six nested loops visit the combinations of forecast positions in exactly the lexicographic
// order of the index-advancing rule, and keep the column prefix and its fixed count up to date
// level by level, so each combination costs one byte store and one test. The work-unit counter is
// the combination's rank, which is what the rank set is indexed by.
template <bool kFixed, DuplicateTest kTest>
OperationOutcome Enumerate(const Development& d, BuildingRun& run, ColumnStore& store,
                           const ForecastRankSet& existing, OperationPacer& pacer) {
    const int n = d.n;
    const Number* L = d.numbers.data();
    const std::uint8_t* fx = d.fixedAt.data();
    std::int64_t progress = 0;
    Column c;
    for (int a = 0; a <= n - 6; ++a) {
        c[0] = L[a];
        const int ha = fx[a];
        for (int b = a + 1; b <= n - 5; ++b) {
            c[1] = L[b];
            const int hb = ha + fx[b];
            for (int i3 = b + 1; i3 <= n - 4; ++i3) {
                c[2] = L[i3];
                const int hc = hb + fx[i3];
                for (int i4 = i3 + 1; i4 <= n - 3; ++i4) {
                    c[3] = L[i4];
                    const int hd = hc + fx[i4];
                    for (int i5 = i4 + 1; i5 <= n - 2; ++i5) {
                        c[4] = L[i5];
                        const int he = hd + fx[i5];
                        for (int i6 = i5 + 1; i6 <= n - 1; ++i6) {
                            const std::int64_t rank = progress++;
                            bool accept = true;
                            if constexpr (kFixed) accept = he + fx[i6] >= d.fixedCount;
                            if (accept) {
                                c[5] = L[i6];
                                if constexpr (kTest == DuplicateTest::RankSet)
                                    accept = !existing.contains(rank);
                                if constexpr (kTest == DuplicateTest::Scan)
                                    accept = FindColumn(store, c) == 0;
                                if (accept && !run.append(c)) return OperationOutcome::GrowthFailed;
                            }
                            if (pacer.step(progress)) return OperationOutcome::Interrupted;
                        }
                    }
                }
            }
        }
    }
    return OperationOutcome::Completed;
}

template <bool kFixed>
OperationOutcome EnumerateWith(DuplicateTest test, const Development& d, BuildingRun& run, ColumnStore& store,
                               const ForecastRankSet& existing, OperationPacer& pacer) {
    switch (test) {
    case DuplicateTest::None:
        return Enumerate<kFixed, DuplicateTest::None>(d, run, store, existing, pacer);
    case DuplicateTest::RankSet:
        return Enumerate<kFixed, DuplicateTest::RankSet>(d, run, store, existing, pacer);
    case DuplicateTest::Scan:
        break;
    }
    return Enumerate<kFixed, DuplicateTest::Scan>(d, run, store, existing, pacer);
}

} // namespace

OperationOutcome DevelopForecast(Globali& g, OperationHost& host, bool considerFixed) {
    ColumnStore& store = g.system.columns;

    Development d;
    for (int number = 1; number <= kMaxNumber; ++number)
        if (g.system.forecast.has(number))
            d.numbers[static_cast<std::size_t>(d.n++)] = static_cast<Number>(number);
    host.setProgressMaximum(Combinations6(d.n));

    if (considerFixed) {
        g.fixedFlags = BuildFixedFlags(g.system.fixed);
        d.fixedCount = g.system.fixed.count;
        for (int i = 0; i < d.n; ++i)
            d.fixedAt[static_cast<std::size_t>(i)] =
                g.fixedFlags.flags[d.numbers[static_cast<std::size_t>(i)] - 1u];
    }

    SnapshotBeforeChange(g.undo, store);

    // The duplicate test needs the list only when it had columns at the start; if the rank bits
    // cannot be had, the plain lookup gives the same answer, only slower.
    ForecastRankSet existing;
    DuplicateTest test = DuplicateTest::None;
    if (store.count > 0 && d.n >= 6)
        test = existing.build({d.numbers.data(), static_cast<std::size_t>(d.n)}, store.items(), store.count)
                   ? DuplicateTest::RankSet
                   : DuplicateTest::Scan;

    BuildingRun run(store, g.messages);
    OperationPacer pacer(host, kDevelopmentYieldMs);
    // With no fixed number every column respects them: skip the test altogether.
    const OperationOutcome outcome = considerFixed && d.fixedCount > 0
                                         ? EnumerateWith<true>(test, d, run, store, existing, pacer)
                                         : EnumerateWith<false>(test, d, run, store, existing, pacer);
    return run.finish(outcome, g.system);
}
