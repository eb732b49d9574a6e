#include "reductions/mathematical/covering_optimiser.h"

#include "covering_checker.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::vector<checker::Column> AsColumns(const CoveringResult& r) {
    std::vector<checker::Column> out;
    for (const auto& c : r.columns) out.push_back(checker::Column(c.begin(), c.end()));
    return out;
}

CoveringRequest Request(CoveringKind kind, int v, int t) {
    CoveringRequest r;
    r.kind = kind;
    r.v = v;
    r.t = t;
    r.seconds = 60;
    r.maxMoves = 2'000'000;
    r.seed = 11;
    return r;
}

struct KnownOptimum {
    CoveringKind kind;
    int v, t, size;
};

// Sizes proved by hand: C(v,6,t) from the complements of the columns (C(8,6,3) = 4 pairs
// partitioning 8, C(7,6,5) = 6 missing numbers meeting every pair, C(10,6,2) = 4 since three
// 4-sets on 10 numbers must overlap); lotto sizes from disjoint or overlapping columns and the
// pigeonhole argument (one column meets every six of v <= 12 - t in 12 - v numbers); L(8,6,6,5) = 4
// because the left-out pairs must meet every pair of the eight, so they span seven numbers.
const KnownOptimum kKnown[] = {
    {CoveringKind::Orthogonal, 7, 2, 3}, {CoveringKind::Orthogonal, 8, 2, 3},
    {CoveringKind::Orthogonal, 9, 2, 3}, {CoveringKind::Orthogonal, 10, 2, 4},
    {CoveringKind::Orthogonal, 8, 3, 4}, {CoveringKind::Orthogonal, 7, 5, 6},
    {CoveringKind::Orthogonal, 7, 4, 5}, {CoveringKind::Guarantee, 9, 3, 1},
    {CoveringKind::Guarantee, 10, 3, 2}, {CoveringKind::Guarantee, 12, 2, 2},
    {CoveringKind::Guarantee, 18, 2, 3}, {CoveringKind::Guarantee, 7, 5, 1},
    {CoveringKind::Guarantee, 8, 5, 4},
};

TEST(CoveringOptimiser, ReachesKnownOptimaOnSmallTables) {
    for (const auto method : {CoveringMethod::Automatic, CoveringMethod::Tabu})
        for (const auto& k : kKnown) {
            const auto name = std::string(k.kind == CoveringKind::Orthogonal ? "orto" : "gara");
            SCOPED_TRACE(name + " v=" + std::to_string(k.v) + " t=" + std::to_string(k.t) +
                         (method == CoveringMethod::Tabu ? " tabu" : ""));
            auto request = Request(k.kind, k.v, k.t);
            request.target = k.size;
            request.method = method;
            const auto result = OptimiseCovering(request);
            EXPECT_EQ(static_cast<int>(result.columns.size()), k.size);
            EXPECT_GE(result.greedySize, static_cast<int>(result.columns.size()));
            EXPECT_EQ(checker::CountUncovered(name, k.v, k.t, AsColumns(result)), 0);
        }
}

TEST(CoveringOptimiser, OutputAlwaysCoversWhateverTheBudget) {
    // Budgets so small that the search stops at the greedy start or a few columns below it.
    for (const auto method : {CoveringMethod::Automatic, CoveringMethod::Tabu})
        for (std::uint64_t moves : {1ull, 300ull, 3'000ull})
            for (const auto& [name, kind, v, t] : {std::tuple{"orto", CoveringKind::Orthogonal, 14, 3},
                                                   std::tuple{"orto", CoveringKind::Orthogonal, 11, 4},
                                                   std::tuple{"gara", CoveringKind::Guarantee, 15, 3},
                                                   std::tuple{"gara", CoveringKind::Guarantee, 11, 4}}) {
                auto request = Request(kind, v, t);
                request.maxMoves = moves;
                request.method = method;
                const auto result = OptimiseCovering(request);
                ASSERT_FALSE(result.columns.empty());
                EXPECT_EQ(checker::CountUncovered(name, v, t, AsColumns(result)), 0)
                    << name << v << t << moves;
                for (const auto& c : result.columns)
                    for (int i = 0; i < 6; ++i) {
                        EXPECT_GE(c[i], 1);
                        EXPECT_LE(c[i], v);
                        if (i > 0) {
                            EXPECT_LT(c[i - 1], c[i]);
                        }
                    }
            }
}

TEST(CoveringOptimiser, OneThreadIsDeterministicPerSeed) {
    auto request = Request(CoveringKind::Orthogonal, 13, 3);
    request.maxMoves = 100'000;
    const auto a = OptimiseCovering(request);
    const auto b = OptimiseCovering(request);
    EXPECT_EQ(a.columns, b.columns);
    EXPECT_EQ(a.moves, b.moves);
    request.seed = 12;
    const auto c = OptimiseCovering(request);
    EXPECT_EQ(checker::CountUncovered("orto", 13, 3, AsColumns(c)), 0);
}

TEST(CoveringOptimiser, ThreadsReportTheBestSearch) {
    auto request = Request(CoveringKind::Guarantee, 14, 3);
    request.maxMoves = 800;
    request.threads = 2;
    const auto result = OptimiseCovering(request);
    EXPECT_TRUE(result.seed == 11 || result.seed == 12);
    EXPECT_EQ(checker::CountUncovered("gara", 14, 3, AsColumns(result)), 0);
    request.threads = 1;
    request.seed = result.seed;
    EXPECT_EQ(OptimiseCovering(request).columns, result.columns);
}

TEST(CoveringOptimiser, StartsFromTheGivenColumns) {
    // One column alone leaves out every six with at most two of its numbers.
    auto request = Request(CoveringKind::Guarantee, 13, 3);
    request.maxMoves = 1;
    request.start = {{1, 2, 3, 4, 5, 6}};
    const auto partial = OptimiseCovering(request);
    EXPECT_EQ(checker::CountUncovered("gara", 13, 3, AsColumns(partial)), 0);
    EXPECT_GT(partial.greedySize, 1); // completed beyond the start
    // A complete start is never made worse: the third column is redundant, the two halves of 1..12
    // already meet every six of 1..13 in three numbers.
    request.start = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {1, 2, 3, 7, 8, 13}};
    request.maxMoves = 50;
    const auto complete = OptimiseCovering(request);
    EXPECT_EQ(checker::CountUncovered("gara", 13, 3, AsColumns(complete)), 0);
    EXPECT_EQ(complete.columns.size(), 2u);
    for (const CoveringColumn bad : {CoveringColumn{1, 2, 3, 4, 5, 14}, CoveringColumn{1, 2, 3, 4, 5, 5},
                                     CoveringColumn{0, 2, 3, 4, 5, 6}}) {
        request.start = {bad};
        EXPECT_THROW(OptimiseCovering(request), std::invalid_argument);
    }
}

TEST(CoveringOptimiser, GuaranteesSmallerDraws) {
    // Draws of fewer numbers than a column (the parts of a lotto design split over two disjoint
    // forecasts): whatever the search reports must pass the plain walk over every such draw.
    for (const auto& [v, t, drawn] : {std::tuple{10, 3, 4}, std::tuple{12, 3, 4}, std::tuple{11, 2, 3}}) {
        auto request = Request(CoveringKind::Guarantee, v, t);
        request.drawn = drawn;
        request.maxMoves = 200'000;
        const auto result = OptimiseCovering(request);
        EXPECT_LE(static_cast<int>(result.columns.size()), result.greedySize);
        EXPECT_EQ(checker::CountUncovered("gara", v, t, AsColumns(result), drawn), 0) << v << " " << t;
    }
    auto request = Request(CoveringKind::Guarantee, 10, 3);
    request.drawn = 2;
    EXPECT_THROW(OptimiseCovering(request), std::invalid_argument);
}

TEST(CoveringOptimiser, RefusesRequestsOutOfRange) {
    for (const auto& [v, t, threads] : {std::tuple{6, 2, 1}, std::tuple{65, 2, 1}, std::tuple{10, 1, 1},
                                        std::tuple{10, 6, 1}, std::tuple{10, 3, 0}}) {
        auto request = Request(CoveringKind::Orthogonal, v, t);
        request.threads = threads;
        EXPECT_THROW(OptimiseCovering(request), std::invalid_argument) << v << " " << t << " " << threads;
    }
    // C(64,6) counters would not fit the item limit.
    EXPECT_THROW(OptimiseCovering(Request(CoveringKind::Guarantee, 64, 3)), std::invalid_argument);
}

TEST(CoveringLowerBound, SchoenheimValues) {
    EXPECT_EQ(CoveringLowerBound(CoveringKind::Orthogonal, 20, 3), 64);
    EXPECT_EQ(CoveringLowerBound(CoveringKind::Orthogonal, 8, 3), 4);
    EXPECT_EQ(CoveringLowerBound(CoveringKind::Orthogonal, 7, 5), 6);
    EXPECT_EQ(CoveringLowerBound(CoveringKind::Orthogonal, 10, 2), 4);
    EXPECT_EQ(CoveringLowerBound(CoveringKind::Guarantee, 20, 3), 1);
}

} // namespace
