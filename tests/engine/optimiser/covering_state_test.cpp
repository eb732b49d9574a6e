#include "reductions/mathematical/covering_state.h"

#include "covering_checker.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::vector<checker::Column> AsColumns(const std::vector<std::uint64_t>& blocks) {
    std::vector<checker::Column> out;
    for (std::uint64_t b : blocks) {
        checker::Column c;
        for (int n = 0; n < 64; ++n)
            if (b >> n & 1) c.push_back(n + 1);
        out.push_back(c);
    }
    return out;
}

TEST(CoveringState, RankIsABijectionOnTheItems) {
    const CoveringState s(10, 3, 6);
    std::vector<bool> seen(s.itemCount(), false);
    for (std::uint64_t r = 0; r < s.itemCount(); ++r) {
        const std::uint64_t mask = s.unrank(r);
        ASSERT_EQ(CoveringState::popcount(mask), 6);
        ASSERT_LT(mask, std::uint64_t{1} << 10);
        ASSERT_EQ(s.rank(mask), r);
        seen[r] = true;
    }
    EXPECT_EQ(s.itemCount(), 210u);
}

// The table rank of small forecasts against the plain walk, on both sides of the table limit.
TEST(CoveringState, TableRankAgreesWithThePlainRank) {
    std::mt19937 rng(3);
    for (const auto& [v, m] :
         {std::pair{20, 6}, std::pair{31, 3}, std::pair{32, 6}, std::pair{33, 5}, std::pair{40, 6}}) {
        const CoveringState s(v, 2, m);
        for (int i = 0; i < 2000; ++i) {
            std::uint64_t mask = 0;
            while (CoveringState::popcount(mask) < m) mask |= std::uint64_t{1} << DrawBelow(rng, v);
            ASSERT_EQ(s.rank(mask), s.plainRank(mask)) << v << " " << mask;
            ASSERT_LT(s.rank(mask), s.itemCount());
            ASSERT_EQ(s.unrank(s.rank(mask)), mask);
        }
        EXPECT_EQ(s.rank(s.unrank(s.itemCount() - 1)), s.itemCount() - 1);
    }
}

// Incremental counters against a full recount after every random change, for both kinds of item.
TEST(CoveringState, IncrementalCountMatchesAFullRecount) {
    struct Case {
        const char* kind;
        int v, t, m;
    };
    for (const auto& c : {Case{"orto", 12, 3, 3}, Case{"orto", 11, 5, 5}, Case{"gara", 13, 3, 6},
                          Case{"gara", 12, 4, 6}, Case{"gara", 14, 2, 6}}) {
        SCOPED_TRACE(std::string(c.kind) + " v=" + std::to_string(c.v) + " t=" + std::to_string(c.t));
        CoveringState s(c.v, c.t, c.m);
        std::mt19937 rng(5);
        auto randomBlock = [&] {
            std::uint64_t b = 0;
            while (CoveringState::popcount(b) < 6) b |= std::uint64_t{1} << DrawBelow(rng, c.v);
            return b;
        };
        for (int i = 0; i < 4; ++i) s.addBlock(randomBlock());
        ASSERT_EQ(static_cast<long>(s.uncoveredCount()),
                  checker::CountUncovered(c.kind, c.v, c.t, AsColumns(s.blocks())));
        for (int step = 0; step < 60; ++step) {
            const std::size_t index = DrawBelow(rng, static_cast<std::uint32_t>(s.blocks().size()));
            const std::uint64_t block = s.blocks()[index];
            int x, y;
            do x = static_cast<int>(DrawBelow(rng, c.v));
            while (!(block >> x & 1));
            do y = static_cast<int>(DrawBelow(rng, c.v));
            while (block >> y & 1);
            const auto before = static_cast<std::int64_t>(s.uncoveredCount());
            const auto d = s.evaluate(index, x, y, std::numeric_limits<std::int64_t>::max());
            // Before any weight is raised the weighted cost is the plain one.
            ASSERT_EQ(s.evaluateWeighted(index, x, y), d.lost - d.gained);
            s.apply(index, x, y);
            const auto after = static_cast<std::int64_t>(s.uncoveredCount());
            ASSERT_EQ(after - before, d.lost - d.gained);
            ASSERT_EQ(after, checker::CountUncovered(c.kind, c.v, c.t, AsColumns(s.blocks())));
            if (step % 20 == 19) {
                s.removeBlock(0);
                s.addBlock(randomBlock());
                ASSERT_EQ(static_cast<long>(s.uncoveredCount()),
                          checker::CountUncovered(c.kind, c.v, c.t, AsColumns(s.blocks())));
            }
        }
        for (std::size_t i = 0; i < s.blocks().size(); ++i) {
            // Unique coverage = what removing the block would uncover.
            CoveringState copy = s;
            const auto before = copy.uncoveredCount();
            const auto unique = copy.uniqueCoverage(i);
            copy.removeBlock(i);
            EXPECT_EQ(copy.uncoveredCount() - before, unique);
        }
    }
}

TEST(CoveringState, RaisedWeightsCountInTheWeightedCost) {
    CoveringState s(12, 3, 3);
    s.addBlock(0b111111);       // 1..6
    s.addBlock(0b111111000000); // 7..12
    // Moving 1 to 7 in the first column gains the ten {7,a,b} and loses the ten {1,a,b}, a,b in 2..6.
    EXPECT_EQ(s.evaluateWeighted(0, 0, 6), 0);
    s.raiseUncoveredWeights(); // every uncovered triple now weighs 2; {1,a,b} are covered and stay 1
    EXPECT_EQ(s.evaluateWeighted(0, 0, 6), 10 - 20);
}

// A move abandoned early must be exactly a move whose full delta exceeds the limit.
TEST(CoveringState, EarlyStopAgreesWithTheFullDelta) {
    CoveringState s(14, 3, 6);
    std::mt19937 rng(9);
    for (int i = 0; i < 5; ++i) {
        std::uint64_t b = 0;
        while (CoveringState::popcount(b) < 6) b |= std::uint64_t{1} << DrawBelow(rng, 14);
        s.addBlock(b);
    }
    for (int step = 0; step < 300; ++step) {
        const std::size_t index = DrawBelow(rng, 5);
        const std::uint64_t block = s.blocks()[index];
        int x, y;
        do x = static_cast<int>(DrawBelow(rng, 14));
        while (!(block >> x & 1));
        do y = static_cast<int>(DrawBelow(rng, 14));
        while (block >> y & 1);
        const auto full = s.evaluate(index, x, y, std::numeric_limits<std::int64_t>::max());
        const std::int64_t delta = full.lost - full.gained;
        for (std::int64_t limit : {delta - 1, delta, delta + 1, std::int64_t{-50}, std::int64_t{0}}) {
            const auto d = s.evaluate(index, x, y, limit);
            EXPECT_EQ(d.lost - d.gained > limit, delta > limit);
            EXPECT_EQ(d.gained, full.gained);
        }
        if (delta <= 0) s.apply(index, x, y);
    }
}

} // namespace
