#include "analysis_pages/combination_analysis.h"

#include "archive/draw_archive.h"
#include "draw_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

ForecastFlags SetOf(std::initializer_list<int> numbers) {
    ForecastFlags set;
    for (int n : numbers) set.set(n, true);
    return set;
}

TEST(CombinationNumbers, ParserAcceptsDistinctNumbersSeparatedByBlanks) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"1 10 20 30 40 50", true},
        {"  7   90 ", true},
        {"5", true},
        {"", false},
        {"   ", false},
        {"0 4", false},
        {"4 91", false},
        {"4 4", false},
        {"4 x", false},
        {"4,5", false},
        {"004 5", true},
        {"123456789012", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCombinationNumbers(c.text).has_value(), c.valid) << c.text;
    const auto set = ParseCombinationNumbers(" 90  7 ");
    ASSERT_TRUE(set);
    EXPECT_EQ(ForecastNumbersText(*set), "7 90");
}

TEST(CombinationAnalysis, EachDrawCountsOnceUnderTheCategoryItReached) {
    DrawArchive archive;
    // Against {1..5, 10}: six, five plus the Jolly, five, four, three, two, one and none.
    archive.appendUnchecked(MakeDraw(3, 1, 2009, {10, 1, 2, 3, 4, 5}, 60));
    archive.appendUnchecked(MakeDraw(5, 1, 2009, {1, 2, 3, 4, 5, 60}, 10));
    archive.appendUnchecked(MakeDraw(8, 1, 2009, {1, 2, 3, 4, 5, 60}, 61));
    archive.appendUnchecked(MakeDraw(10, 1, 2009, {1, 2, 3, 4, 70, 60}, 5));
    archive.appendUnchecked(MakeDraw(12, 1, 2009, {1, 2, 3, 71, 70, 60}, 4));
    archive.appendUnchecked(MakeDraw(15, 1, 2009, {80, 2, 3, 71, 70, 60}, 1));
    archive.appendUnchecked(MakeDraw(17, 1, 2009, {80, 81, 3, 71, 70, 60}, 1));
    archive.appendUnchecked(MakeDraw(19, 1, 2009, {80, 81, 82, 71, 70, 60}, 1));
    const auto analysis = AnalyseCombination(archive, SetOf({1, 2, 3, 4, 5, 10}));
    EXPECT_EQ(analysis.totals, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));

    const auto rows = CombinationListRows(archive, analysis);
    const std::vector<CombinationListRow> expected{
        {"03/01/2009", "", "", "", "", "", "1"},
        {"05/01/2009", "", "", "", "", "1", ""},
        {"08/01/2009", "", "", "", "1", "", ""},
        {"10/01/2009", "", "", "1", "", "", ""},
        {"12/01/2009", "", "1", "", "", "", ""},
        {"15/01/2009", "1", "", "", "", "", ""},
        {"", "", "", "", "", "", ""},
        {"TOTALE:", "1", "1", "1", "1", "1", "1"},
    };
    EXPECT_EQ(rows, expected);
}

TEST(CombinationAnalysis, TheJollyOnlyMattersWithFiveNumbers) {
    DrawArchive archive;
    archive.appendUnchecked(MakeDraw(1, 2, 2010, {1, 2, 3, 4, 50, 60}, 5)); // four, Jolly in the set
    archive.appendUnchecked(MakeDraw(2, 2, 2010, {1, 2, 3, 4, 5, 60}, 6));  // five, Jolly in the set
    archive.appendUnchecked(MakeDraw(3, 2, 2010, {1, 2, 3, 4, 5, 6}, 7));   // six, Jolly outside
    archive.appendUnchecked(MakeDraw(4, 2, 2010, {1, 2, 3, 4, 6, 60}, 5));  // five, Jolly in the set
    const auto analysis = AnalyseCombination(archive, SetOf({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(analysis.totals, (std::array<int, 6>{0, 0, 1, 0, 2, 1}));
    // A bigger set: a draw whose six are all in it is a six, whatever its Jolly.
    EXPECT_EQ(AnalyseCombination(archive, SetOf({1, 2, 3, 4, 5, 6, 7, 60})).totals,
              (std::array<int, 6>{0, 0, 0, 0, 1, 3}));
}

TEST(CombinationAnalysis, MatchesAPlainCountOnRandomArchives) {
    std::mt19937 rng(11);
    DrawArchive archive;
    for (int k = 0; k < 400; ++k) {
        std::vector<int> pool(90);
        for (int i = 0; i < 90; ++i) pool[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(pool.begin(), pool.end(), rng);
        std::array<std::uint8_t, 6> six{};
        for (std::size_t i = 0; i < 6; ++i) six[i] = static_cast<std::uint8_t>(pool[i]);
        archive.appendUnchecked(MakeDraw(1 + k % 28, 1 + (k / 28) % 12, 2000 + k / 336, six, pool[6]));
    }
    for (int round = 0; round < 20; ++round) {
        ForecastFlags set;
        const int size = 1 + static_cast<int>(rng() % 30);
        while (set.count() < size) set.set(1 + static_cast<int>(rng() % 90), true);
        const auto analysis = AnalyseCombination(archive, set);
        std::array<int, 6> totals{};
        std::size_t hits = 0;
        for (const DrawRecord& d : archive.records()) {
            int s = 0;
            for (auto n : d.numbers) s += set.has(n) ? 1 : 0;
            const bool jolly = set.has(d.jolly);
            if (s < 2) continue;
            const int category = s == 6 ? 5 : s == 5 ? (jolly ? 4 : 3) : s - 2;
            ASSERT_EQ(static_cast<int>(analysis.hits[hits++].category), category);
            ++totals[static_cast<std::size_t>(category)];
        }
        EXPECT_EQ(hits, analysis.hits.size());
        EXPECT_EQ(analysis.totals, totals);
    }
}

TEST(CombinationAnalysis, EmptyArchiveGivesOnlyTheTotals) {
    const auto rows = CombinationListRows(DrawArchive{}, AnalyseCombination(DrawArchive{}, SetOf({1, 2})));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (CombinationListRow{"TOTALE:", "0", "0", "0", "0", "0", "0"}));
}

TEST(CombinationFill, ForecastAndColumnTexts) {
    EXPECT_EQ(ForecastNumbersText(SetOf({90, 3, 45, 1})), "1 3 45 90");
    EXPECT_EQ(ForecastNumbersText(ForecastFlags{}), "");
    EXPECT_EQ(ColumnNumbersText(Column{{4, 8, 15, 16, 23, 42}}), "4 8 15 16 23 42");
}

} // namespace
