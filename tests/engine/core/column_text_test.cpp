#include "core/column_text.h"
#include "core/combinatorics.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseColumnLine, AcceptsAndRejects) {
    struct Case {
        const char* line;
        bool valid;
        Column expected;
    };
    const Case cases[] = {
        {"6 5 4 3 2 1", true, {{1, 2, 3, 4, 5, 6}}},
        {"  1  2\t3 4 5 90\r\n", true, {{1, 2, 3, 4, 5, 90}}},
        {"01 02 03 04 05 06", true, {{1, 2, 3, 4, 5, 6}}},
        {"\t\t90 89 88 87 86 85", true, {{85, 86, 87, 88, 89, 90}}},
        {"1 2 3 4 5", false, {}},
        {"1 2 3 4 5 6 7", false, {}},
        {"1 2 3 4 5 91", false, {}},
        {"1 2 3 4 5 a", false, {}},
        {"1 2 3 4 5 5", false, {}},
        {"1 2 3 4 5 0", false, {}},
        {"1 2 3 4 5 -6", false, {}},
        {"1 2 3 4 5 6x", false, {}},
        {"", false, {}},
        {"1 2 3 4 5 0000000000000000000000000006", true, {{1, 2, 3, 4, 5, 6}}},
    };
    for (const auto& c : cases) {
        Column column;
        EXPECT_EQ(ParseColumnLine(c.line, column), c.valid) << c.line;
        if (c.valid) {
            EXPECT_EQ(column, c.expected) << c.line;
        }
    }
}

TEST(ParseColumnLine, LooksAtTheFirst255CharactersOnly) {
    std::string line(250, ' ');
    line += "1 2 3 4 5 6"; // the last numbers fall past the limit
    Column column;
    EXPECT_FALSE(ParseColumnLine(line, column));
}

TEST(ParseNumberList, CountsDistinctNumbers) {
    std::array<std::uint8_t, kMaxNumber> flags{};
    EXPECT_EQ(ParseNumberList("3 90 1", flags), 3);
    EXPECT_EQ(flags[0] + flags[2] + flags[89], 3);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 3);
    for (const char* invalid : {"5 7 5", "", "   ", "257", "1 x", "0", "91"}) {
        EXPECT_EQ(ParseNumberList(invalid, flags), 0) << invalid;
        EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 0) << invalid;
    }
}

TEST(FormatColumn, RightAlignsEachNumberInTwoCharacters) {
    EXPECT_EQ(FormatColumn(Column{{1, 2, 13, 45, 67, 90}}), " 1  2 13 45 67 90");
    EXPECT_EQ(FormatNumber2(7), " 7");
    EXPECT_EQ(FormatNumber2(90), "90");
}

TEST(Combinations6, KnownValues) {
    const std::pair<int, int> cases[] = {{-1, 0},       {5, 0},          {6, 1},
                                         {7, 7},        {10, 210},       {20, 38'760},
                                         {30, 593'775}, {40, 3'838'380}, {90, 622'614'630}};
    for (auto [n, c] : cases) EXPECT_EQ(Combinations6(n), c) << n;
}

TEST(SortColumn, SortsAscending) {
    Column c{{90, 1, 45, 2, 89, 3}};
    SortColumn(c);
    EXPECT_EQ(c, (Column{{1, 2, 3, 45, 89, 90}}));
}

} // namespace
