#include "archive/cyclometric_circle.h"

#include "archive_test_support.h"
#include "core/column_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CyclometricCircle, LabelsOfTheSixNumbers) {
    const CircleNumbers n{1, 10, 20, 30, 40, 50};
    EXPECT_EQ(CircleNumbersLabel(n), "Numeri: 1 10 20 30 40 50");
    EXPECT_EQ(CircleSidesLabel(n), "Lati: 9 10 10 10 10 49");
    // 9 10 10 10 10 | 19 29 20 30 20 40 30 20
    EXPECT_EQ(CircleDistancesLabel(n), "Distanze: 9 10 10 10 10 19 20 20 20 29 30 30 40");
    EXPECT_EQ(CircleNumbersOfDraw(MakeDraw(2020, 1, 1, {50, 1, 40, 10, 30, 20})), n);
}

TEST(CyclometricCircle, FieldsAreCheckedThenSorted) {
    struct Case {
        std::array<std::string, 6> fields;
        bool ok;
        int position;
    };
    const Case cases[] = {
        {{"50", "1", "40", "10", "30", "20"}, true, 0},
        {{"1", "2", "91", "4", "5", "6"}, false, 3},
        {{"1", "2", "3", "4", "5", ""}, false, 6},
        {{"0", "2", "3", "4", "5", "6"}, false, 1},
        {{"1", "x", "3", "4", "5", "6"}, false, 2},
        // Sorted: 3 7 7 20 33 90; the second 7 is in position 3.
        {{"90", "7", "33", "3", "7", "20"}, false, 3},
        {{"5", "5", "5", "5", "5", "5"}, false, 2},
    };
    for (const Case& c : cases) {
        const CircleFieldsResult r = ReadCircleFields(c.fields);
        EXPECT_EQ(r.ok, c.ok) << c.fields[0];
        EXPECT_EQ(r.invalidPosition, c.position) << c.fields[0];
        EXPECT_EQ(r.parsed, c.ok || c.fields[0] == "90" || c.fields[0] == "5") << c.fields[0];
    }
    EXPECT_EQ(ReadCircleFields({"50", "1", "40", "10", "30", "20"}).numbers,
              (CircleNumbers{1, 10, 20, 30, 40, 50}));
    EXPECT_EQ(InvalidCircleNumberText(3), "Il 3º numero non è valido!");
}

TEST(CyclometricCircle, NinetyAtTheTopNumbersClockwise) {
    const CirclePoint top = CirclePointOf(90, 100, 0, 0);
    EXPECT_NEAR(top.x, 0, 1e-9);
    EXPECT_NEAR(top.y, -100, 1e-9);
    const CirclePoint right = CirclePointOf(22, 100, 0, 0); // 88 - 90 = -2 degrees: just above the x axis
    EXPECT_GT(right.x, 99);
    EXPECT_LT(right.y, 0);
    const CirclePoint bottom = CirclePointOf(45, 100, 10, 10);
    EXPECT_NEAR(bottom.x, 10, 1e-9);
    EXPECT_NEAR(bottom.y, 110, 1e-9);
}

TEST(CombinationAnalysis, CountsEachCategory) {
    const DrawArchive a = ArchiveOf({
        DrawNumber(1, {1, 2, 3, 4, 5, 6}, 7),      // 6
        DrawNumber(2, {1, 2, 3, 4, 5, 80}, 6),     // 5 + Jolly
        DrawNumber(3, {1, 2, 3, 4, 5, 80}, 81),    // 5
        DrawNumber(4, {1, 2, 70, 71, 72, 73}, 3),  // 2
        DrawNumber(5, {1, 70, 71, 72, 73, 74}, 2), // 1: no row
        DrawNumber(6, {3, 4, 1, 70, 71, 72}, 90),  // 3, numbers in drawing order
        DrawNumber(7, {6, 5, 4, 3, 70, 71}, 90),   // 4
    });
    std::array<std::uint8_t, 90> flags{};
    ASSERT_EQ(ParseNumberList("1 2 3 4 5 6", flags), 6);
    const CombinationAnalysis r = AnalyseCombination(a, flags);
    EXPECT_EQ(r.totals, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    ASSERT_EQ(r.hits.size(), 6u);
    const int records[] = {1, 2, 3, 4, 6, 7};
    const int categories[] = {5, 4, 3, 0, 1, 2};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(r.hits[i].record, records[i]);
        EXPECT_EQ(r.hits[i].category, categories[i]);
    }
    EXPECT_STREQ(kCombinationHeadings[4], "Nº di 5+1");
}

} // namespace
