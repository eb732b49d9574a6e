#include "checking/draw_check.h"

#include "silent_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

namespace {

Column Col(std::initializer_list<int> v) {
    Column c;
    int i = 0;
    for (int n : v) c[i++] = static_cast<Number>(n);
    return c;
}

const WinningColumn kWinning{Col({5, 12, 23, 44, 61, 90}), 7};

void Fill(ColumnStore& store, const std::vector<Column>& columns) {
    ASSERT_TRUE(store.tryResize(static_cast<std::int64_t>(columns.size()) + 1));
    for (std::size_t i = 0; i < columns.size(); ++i) store.at(static_cast<std::int32_t>(i + 1)) = columns[i];
    store.count = static_cast<std::int32_t>(columns.size());
}

TEST(ScoreColumn, CountsWinningNumbersWithFivePlusJollyApart) {
    struct Case {
        Column column;
        int score;
    };
    const Case cases[] = {
        {Col({5, 12, 23, 44, 61, 90}), 6},
        {Col({5, 7, 12, 23, 44, 61}), kScoreFivePlusOne},
        {Col({5, 8, 12, 23, 44, 61}), 5},
        {Col({5, 7, 12, 23, 44, 89}), 4}, // the Jolly counts only next to five
        {Col({1, 2, 3, 4, 6, 7}), 0},
        {Col({1, 2, 3, 4, 5, 7}), 1},
    };
    for (const auto& c : cases) EXPECT_EQ(ScoreColumn(c.column, kWinning), c.score) << int(c.column[5]);
}

TEST(CheckColumns, CountsEveryColumnAndListsFromTwoUpInCategoryOrder) {
    // Scores in list order: 2, 3, 6, 2, 4, 3, 0, 1, 5+1.
    ColumnStore store;
    Fill(store, {Col({5, 12, 30, 31, 32, 33}), Col({5, 12, 23, 31, 32, 33}), Col({5, 12, 23, 44, 61, 90}),
                 Col({44, 61, 70, 71, 72, 73}), Col({5, 12, 23, 44, 72, 73}), Col({23, 44, 61, 71, 72, 73}),
                 Col({1, 2, 3, 4, 6, 8}), Col({1, 2, 3, 4, 6, 90}), Col({5, 7, 12, 23, 44, 61})});
    CheckResultList result;
    SilentHost host;
    CheckColumns(store, kWinning, result, host);
    EXPECT_EQ(result.counters, (std::array<std::int32_t, 8>{1, 1, 2, 2, 1, 0, 1, 1}));
    std::vector<std::pair<int, int>> listed;
    for (auto e : result.entries) listed.emplace_back(e.position, e.score);
    // The passes swap entries into place, so the 2s end in the order the swaps left them.
    const std::vector<std::pair<int, int>> expected{{3, 6}, {9, 7}, {5, 4}, {6, 3}, {2, 3}, {4, 2}, {1, 2}};
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(host.progress.back(), 100);
}

TEST(CheckColumns, AgreesWithAPlainCountOnRandomLists) {
    std::mt19937 rng(11);
    std::vector<Column> columns;
    for (int i = 0; i < 20000; ++i) {
        std::vector<int> pool(20);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), rng);
        Column c;
        for (int k = 0; k < 6; ++k) c[k] = static_cast<Number>(pool[static_cast<std::size_t>(k)]);
        std::sort(c.n.begin(), c.n.end());
        columns.push_back(c);
    }
    const WinningColumn winning{Col({2, 4, 6, 8, 10, 12}), 13};
    ColumnStore store;
    Fill(store, columns);
    CheckResultList result;
    SilentHost host;
    CheckColumns(store, winning, result, host);

    std::array<std::int32_t, 8> counters{};
    std::multiset<std::pair<int, int>> listed;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int s = 0;
        bool jolly = false;
        for (int k = 0; k < 6; ++k) {
            s += static_cast<int>(
                std::count(winning.numbers.n.begin(), winning.numbers.n.end(), columns[i][k]));
            jolly |= columns[i][k] == winning.jolly;
        }
        if (s == 5 && jolly) s = 7;
        ++counters[static_cast<std::size_t>(s)];
        if (s >= 2) listed.insert({static_cast<int>(i + 1), s});
    }
    EXPECT_EQ(result.counters, counters);
    std::multiset<std::pair<int, int>> found;
    for (auto e : result.entries) found.insert({e.position, e.score});
    EXPECT_EQ(found, listed);
    const int rank[8] = {9, 9, 5, 4, 3, 2, 0, 1}; // 6, 5+1, 5, 4, 3, then 2
    EXPECT_TRUE(std::is_sorted(result.entries.begin(), result.entries.end(),
                               [&](CheckEntry a, CheckEntry b) { return rank[a.score] < rank[b.score]; }));
}

TEST(ParseWinningColumn, RefusesBadNumbersAndJolly) {
    struct Case {
        std::array<std::string, 6> numbers;
        std::string jolly;
        const char* message; // nullptr = valid
    };
    const Case cases[] = {
        {{"5", "12", "23", "44", "61", "90"}, "7", nullptr},
        {{" 90", "61 ", "44", "23", "12", "5"}, " 7 ", nullptr},
        {{"5", "12", "23", "44", "61", ""}, "7", kInvalidWinningNumbersText},
        {{"5", "12", "23", "44", "61", "61"}, "7", kInvalidWinningNumbersText},
        {{"5", "12", "23", "44", "61", "91"}, "7", kInvalidWinningNumbersText},
        {{"5", "12", "23", "44", "61", "90"}, "", kInvalidJollyText},
        {{"5", "12", "23", "44", "61", "90"}, "x", kInvalidJollyText},
        {{"5", "12", "23", "44", "61", "90"}, "91", kInvalidJollyText},
        {{"5", "12", "23", "44", "61", "90"}, "61", kJollyInColumnText},
    };
    for (const auto& c : cases) {
        WinningColumn w;
        const auto message = ParseWinningColumn(c.numbers, c.jolly, w);
        if (!c.message) {
            EXPECT_FALSE(message.has_value()) << *message;
            EXPECT_EQ(w.numbers, kWinning.numbers);
            EXPECT_EQ(w.jolly, 7);
        } else {
            ASSERT_TRUE(message.has_value()) << c.jolly;
            EXPECT_EQ(*message, c.message);
        }
    }
}

TEST(DeleteCheckedColumns, RemovesExactlyTheSelectedRowsAndTakesASnapshot) {
    ColumnStore store;
    std::vector<Column> columns;
    for (int i = 0; i < 10; ++i) columns.push_back(Col({5, 12, 23 + i, 70, 80, 81})); // score 2 or 3
    columns[3] = Col({5, 12, 23, 44, 61, 90});                                        // the 6
    Fill(store, columns);
    CheckResultList result;
    SilentHost host;
    CheckColumns(store, kWinning, result, host);
    ASSERT_EQ(result.entries.size(), 10u);
    std::set<std::int32_t> removed;
    for (int r = 1; r <= 4; ++r) removed.insert(result.entries[static_cast<std::size_t>(r - 1)].position);

    UndoSnapshot undo;
    ASSERT_TRUE(undo.allocate());
    DeleteCheckedColumns(store, undo, result, 1, 4);
    EXPECT_EQ(undo.snapshotCount, 10);
    ASSERT_EQ(store.count, 6);
    std::multiset<std::array<Number, 6>> left, expected;
    for (int p = 1; p <= store.count; ++p) left.insert(store.at(p).n);
    for (int p = 1; p <= 10; ++p)
        if (!removed.count(p)) expected.insert(columns[static_cast<std::size_t>(p - 1)].n);
    EXPECT_EQ(left, expected);
    CheckColumns(store, kWinning, result, host);
    EXPECT_EQ(result.counters[6], 0) << "the deleted 6 is not listed again";
}

TEST(LastCheck, RoundTripsAndReadsTheDefault) {
    std::array<std::string, 8> fields;
    std::string date;
    DecodeLastCheck("********", fields, date);
    for (const auto& f : fields) EXPECT_EQ(f, "");
    EXPECT_EQ(date, "");
    const std::array<std::string, 8> in{"5", "12", " 23", "44", "61", "90", "7", "33"};
    const std::string stored = EncodeLastCheck(in, " 23/05/2026 ");
    EXPECT_EQ(stored, "5*12*23*44*61*90*7*33*23/05/2026");
    DecodeLastCheck(stored, fields, date);
    EXPECT_EQ(fields[2], "23");
    EXPECT_EQ(fields[7], "33");
    EXPECT_EQ(date, "23/05/2026");
}

} // namespace
