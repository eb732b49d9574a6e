#include "core/forecast.h"
#include "core/random.h"

#include <gtest/gtest.h>

namespace {

TEST(RespectsFixed, NeedsAtLeastTheFixedCount) {
    FixedNumbers fixed;
    fixed.count = 2;
    fixed.numbers = {3, 7, 0, 0, 0};
    const FixedFlags flags = BuildFixedFlags(fixed);
    EXPECT_TRUE(RespectsFixed(Column{{1, 3, 5, 7, 9, 11}}, flags, fixed.count));
    EXPECT_FALSE(RespectsFixed(Column{{1, 3, 5, 8, 9, 11}}, flags, fixed.count));
    EXPECT_TRUE(RespectsFixed(Column{{1, 2, 5, 8, 9, 11}}, flags, 0));
}

TEST(ForecastFlags, CountsAndClears) {
    ForecastFlags f;
    f.set(1, true);
    f.set(90, true);
    EXPECT_EQ(f.count(), 2);
    EXPECT_TRUE(f.has(90));
    EXPECT_FALSE(f.has(91));
    f.clear();
    EXPECT_EQ(f.count(), 0);
}

TEST(RandomGenerator, IsTheStandardMersenneTwisterWithRejectionDraws) {
    RandomGenerator r(5489u);
    EXPECT_EQ(r.next(), 3499211612u); // the reference first output of mt19937
    RandomGenerator a(5489u);
    EXPECT_EQ(a.uniform(10), 1 + 3499211612u % 10);
    // A range just above half of 2^32 rejects almost half of the raw values; results stay in range.
    RandomGenerator b(1);
    for (int i = 0; i < 1000; ++i) {
        const auto v = b.uniform(0x80000001u);
        ASSERT_GE(v, 1u);
        ASSERT_LE(v, 0x80000001u);
    }
    RandomGenerator c(42), d(42);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(c.uniform(90), d.uniform(90));
}

} // namespace
