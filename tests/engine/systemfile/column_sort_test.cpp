#include "shell/column_sort.h"

#include "core/Globali.h"
#include "fake_clock.h"
#include "recording_messages.h"
#include "systemfile_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct World {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};

    void set(const std::vector<Column>& columns) {
        ColumnStore& s = g.system.columns;
        s.tryResize(static_cast<std::int64_t>(columns.size()) + 1);
        std::copy(columns.begin(), columns.end(), s.items());
        s.count = static_cast<std::int32_t>(columns.size());
    }
    std::vector<Column> list() const {
        const ColumnStore& s = g.system.columns;
        return {s.items(), s.items() + s.count};
    }
};

// The defined order: for each position a, every later column b that is smaller at the first
// differing number is exchanged with a.
std::vector<Column> ExchangeSort(std::vector<Column> v) {
    for (std::size_t a = 0; a + 1 < v.size(); ++a)
        for (std::size_t b = a + 1; b < v.size(); ++b)
            for (int k = 0; k < 6; ++k) {
                if (v[b][k] == v[a][k]) continue;
                if (v[b][k] < v[a][k]) std::swap(v[a], v[b]);
                break;
            }
    return v;
}

std::vector<Column> RandomColumns(std::mt19937& rng, int n, int spread) {
    std::vector<Column> v(static_cast<std::size_t>(n));
    for (auto& c : v)
        for (int k = 0; k < 6; ++k) c[k] = static_cast<Number>(1 + k * 15 + rng() % spread);
    return v;
}

bool Less(const Column& a, const Column& b) {
    return std::lexicographical_compare(a.n.begin(), a.n.end(), b.n.begin(), b.n.end());
}

} // namespace

TEST(ColumnSort, ThreeColumnsExample) {
    World w;
    w.set({Column{{2, 3, 4, 5, 6, 7}}, Column{{1, 2, 3, 4, 5, 6}}, Column{{1, 2, 3, 4, 5, 7}}});
    w.g.system.relativeWinProbability = 3;
    StepHost host;
    EXPECT_EQ(SortFinalColumns(w.g, host), OperationOutcome::Completed);
    EXPECT_EQ(w.list(), (std::vector<Column>{Column{{1, 2, 3, 4, 5, 6}}, Column{{1, 2, 3, 4, 5, 7}},
                                             Column{{2, 3, 4, 5, 6, 7}}}));
    EXPECT_TRUE(w.g.system.modified);
    EXPECT_EQ(w.g.system.relativeWinProbability, 3); // the same columns, so the same probability
}

TEST(ColumnSort, EqualsTheExchangeSortOnManyLists) {
    std::mt19937 rng(11);
    for (int n : {0, 1, 2, 5, 23, 24, 25, 100, 700, 2000})
        for (int spread : {1, 2, 15}) {
            const auto input = RandomColumns(rng, n, spread);
            World w;
            w.set(input);
            StepHost host;
            ASSERT_EQ(SortColumns(w.g.system.columns, host), OperationOutcome::Completed);
            EXPECT_EQ(w.list(), ExchangeSort(input)) << n << " " << spread;
        }
}

TEST(ColumnSort, LargeListsAreFullyOrdered) {
    std::mt19937 rng(3);
    auto input = RandomColumns(rng, 300'000, 15);
    World w;
    w.set(input);
    StepHost host;
    ASSERT_EQ(SortColumns(w.g.system.columns, host), OperationOutcome::Completed);
    std::sort(input.begin(), input.end(), Less);
    EXPECT_EQ(w.list(), input);
    EXPECT_EQ(host.maxima.front(), 300'000);
}

TEST(ColumnSort, AStopLeavesThePermutationOfTheSameColumns) {
    std::mt19937 rng(5);
    const auto input = RandomColumns(rng, 50'000, 15);
    for (int stopAt : {1, 3, 10}) {
        World w;
        w.set(input);
        StepHost host(stopAt);
        EXPECT_EQ(SortFinalColumns(w.g, host), OperationOutcome::Interrupted);
        EXPECT_FALSE(w.g.system.modified);
        auto got = w.list();
        EXPECT_NE(got, input);
        auto expect = input;
        std::sort(got.begin(), got.end(), Less);
        std::sort(expect.begin(), expect.end(), Less);
        EXPECT_EQ(got, expect);
    }
}
