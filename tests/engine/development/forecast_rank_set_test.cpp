#include "shell/forecast_rank_set.h"

#include "core/combinatorics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ForecastRankSetTest, BinomialsAgreeWithTheProgramsCount) {
    for (int n : {0, 5, 6, 7, 10, 20, 40, 89, 90}) EXPECT_EQ(Binomial(n, 6), Combinations6(n)) << n;
}

// The rank is the position of the combination in the plain lexicographic enumeration.
TEST(ForecastRankSetTest, RankIsThePositionInLexicographicOrder) {
    for (int n = 6; n <= 14; ++n) {
        std::int64_t expected = 0;
        int p[6];
        for (p[0] = 0; p[0] < n; ++p[0])
            for (p[1] = p[0] + 1; p[1] < n; ++p[1])
                for (p[2] = p[1] + 1; p[2] < n; ++p[2])
                    for (p[3] = p[2] + 1; p[3] < n; ++p[3])
                        for (p[4] = p[3] + 1; p[4] < n; ++p[4])
                            for (p[5] = p[4] + 1; p[5] < n; ++p[5])
                                ASSERT_EQ(LexicographicRank(p, n), expected++);
        EXPECT_EQ(expected, Binomial(n, 6));
    }
    const int last[6] = {84, 85, 86, 87, 88, 89};
    EXPECT_EQ(LexicographicRank(last, 90), 622'614'629);
}

TEST(ForecastRankSetTest, HoldsOnlyColumnsMadeOfForecastNumbers) {
    const std::vector<Number> forecast{2, 4, 6, 8, 10, 12, 14};
    auto col = [](std::initializer_list<int> v) {
        Column c;
        int i = 0;
        for (int x : v) c[i++] = static_cast<Number>(x);
        return c;
    };
    const std::vector<Column> columns{
        col({2, 4, 6, 8, 10, 12}),  // rank 0
        col({4, 6, 8, 10, 12, 14}), // rank 6
        col({2, 4, 6, 8, 10, 13}),  // 13 is not in the forecast
        col({4, 2, 6, 8, 10, 14}),  // not in normal form: never equal to a candidate
    };
    ForecastRankSet set;
    ASSERT_TRUE(set.build(forecast, columns.data(), static_cast<std::int32_t>(columns.size())));
    const std::vector<bool> expected{true, false, false, false, false, false, true};
    for (int r = 0; r < 7; ++r) EXPECT_EQ(set.contains(r), expected[static_cast<std::size_t>(r)]) << r;
}

} // namespace
