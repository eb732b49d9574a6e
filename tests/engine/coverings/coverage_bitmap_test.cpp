#include "reductions/mathematical/coverage_bitmap.h"

#include "reductions/mathematical/candidate_pool.h"
#include "reductions/mathematical/position_patterns.h"
#include "reference_covering.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

TEST(PositionPatterns, LexicographicSubsetsOfSixPositions) {
    EXPECT_EQ(kPositionPatterns.count[2], 15);
    EXPECT_EQ(kPositionPatterns.count[3], 20);
    EXPECT_EQ(kPositionPatterns.count[4], 15);
    EXPECT_EQ(kPositionPatterns.count[5], 6);
    // (1,2), (1,3) ... (5,6) in 1-based terms.
    EXPECT_EQ(kPositionPatterns.patterns[2][0][0], 0);
    EXPECT_EQ(kPositionPatterns.patterns[2][0][1], 1);
    EXPECT_EQ(kPositionPatterns.patterns[2][1][1], 2);
    EXPECT_EQ(kPositionPatterns.patterns[2][14][0], 4);
    EXPECT_EQ(kPositionPatterns.patterns[2][14][1], 5);
    // (2,3,4,5,6) is the last pattern for five.
    for (int j = 0; j < 5; ++j) EXPECT_EQ(kPositionPatterns.patterns[5][5][j], j + 1);
}

// Enumerating all k-subsets of 1..90 in lexicographic order must give the ranks 0, 1, 2, ...
TEST(KSubsetRank, EnumerationOrderGivesConsecutiveRanks) {
    for (int k = 2; k <= 4; ++k) {
        const KSubsetRank rank(k);
        Number a[6];
        for (int j = 0; j < k; ++j) a[j] = static_cast<Number>(j + 1);
        std::uint32_t expected = 0;
        bool ok = true;
        for (;;) {
            if (rank.rank(a) != expected) {
                ok = false;
                break;
            }
            ++expected;
            int j = k - 1;
            while (j >= 0 && a[j] == 90 - k + 1 + j) --j;
            if (j < 0) break;
            ++a[j];
            for (int m = j + 1; m < k; ++m) a[m] = static_cast<Number>(a[m - 1] + 1);
        }
        EXPECT_TRUE(ok) << "k=" << k << " at rank " << expected;
        EXPECT_EQ(expected, rank.subsets());
    }
}

TEST(KSubsetRank, AgreesWithTheBinomialSumAndFitsTheBitmap) {
    const KSubsetRank five(5);
    EXPECT_EQ(five.subsets(), 43'949'268u);
    EXPECT_LE(five.subsets(), CoverageBitmap::kBytes * 8);
    const Number first[5] = {1, 2, 3, 4, 5}, last[5] = {86, 87, 88, 89, 90};
    EXPECT_EQ(five.rank(first), 0u);
    EXPECT_EQ(five.rank(last), 43'949'267u);
    const Number pair[2] = {2, 3};
    EXPECT_EQ(KSubsetRank(2).rank(pair), 89u); // 89 pairs start with 1, then (2,3)

    std::mt19937 rng(7);
    for (int k = 2; k <= 5; ++k) {
        const KSubsetRank rank(k);
        for (int trial = 0; trial < 20000; ++trial) {
            std::set<int> s;
            while (static_cast<int>(s.size()) < k) s.insert(1 + static_cast<int>(rng() % 90));
            Number a[6];
            int i = 0;
            for (const int x : s) a[i++] = static_cast<Number>(x);
            ASSERT_EQ(rank.rank(a), ReferenceRank(a, k));
        }
    }
}

TEST(CoverageBitmap, MarksExactlyTheSubsetsOfAColumn) {
    auto bitmap = CoverageBitmap::tryCreate();
    ASSERT_TRUE(bitmap);
    const KSubsetRank rank(3);
    const Column c{{4, 9, 21, 33, 70, 90}};
    bitmap->markColumn(c, rank);
    int marked = 0;
    for (std::uint32_t r = 0; r < rank.subsets(); ++r) marked += bitmap->test(r);
    EXPECT_EQ(marked, 20);
    EXPECT_TRUE(bitmap->anyMarked(Column{{1, 2, 9, 33, 50, 90}}, rank));
    EXPECT_FALSE(bitmap->anyMarked(Column{{1, 2, 9, 34, 50, 89}}, rank));
    bitmap->clear();
    EXPECT_FALSE(bitmap->anyMarked(c, rank));
}

// After any sequence of insertions and releases the lists are symmetric and hold exactly the
// occupied slots sharing enough numbers.
TEST(CandidatePool, NeighbourListsStayExactAndSymmetric) {
    CandidatePool pool;
    std::mt19937 rng(3);
    for (const int minShared : {1, 2, 4}) {
        pool.clear();
        for (int step = 0; step < 6000; ++step) {
            const int free = pool.lowestFree();
            if (free != 0 && rng() % 3 != 0) {
                std::set<int> s;
                while (s.size() < 3) s.insert(1 + static_cast<int>(rng() % 12));
                Column e{};
                int i = 0;
                for (const int x : s) e[i++] = static_cast<Number>(x);
                pool.insert(free, e, minShared);
            } else if (!pool.empty()) {
                int slot;
                do slot = 1 + static_cast<int>(rng() % CandidatePool::kSlots);
                while (!pool.occupied(slot));
                pool.release(slot);
            }
        }
        int occupied = 0;
        for (int a = 1; a <= CandidatePool::kSlots; ++a) {
            if (!pool.occupied(a)) continue;
            ++occupied;
            std::set<int> listed(pool.neighbours(a), pool.neighbours(a) + pool.neighbourCount(a));
            ASSERT_EQ(static_cast<int>(listed.size()), pool.neighbourCount(a)) << "no duplicates";
            std::set<int> expected;
            for (int b = 1; b <= CandidatePool::kSlots; ++b)
                if (b != a && pool.occupied(b) && Shared(pool.mask(a), pool.mask(b)) >= minShared)
                    expected.insert(b);
            ASSERT_EQ(listed, expected);
        }
        EXPECT_EQ(occupied, pool.occupiedCount());
    }
}

TEST(CandidatePool, LowestFreeSlot) {
    CandidatePool pool;
    EXPECT_EQ(pool.lowestFree(), 1);
    const Column e{{1, 2, 0, 0, 0, 0}};
    for (int s = 1; s <= CandidatePool::kSlots; ++s) pool.insert(s, e, 1);
    EXPECT_EQ(pool.lowestFree(), 0);
    EXPECT_EQ(pool.neighbourCount(924), 923);
    pool.release(700);
    pool.release(65);
    EXPECT_EQ(pool.lowestFree(), 65);
    EXPECT_EQ(pool.neighbourCount(1), 921);
}

} // namespace
