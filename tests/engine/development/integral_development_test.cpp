#include "shell/integral_development.h"

#include "core/Globali.h"
#include "core/combinatorics.h"
#include "shell/long_operation.h"

#include "development_support.h"
#include "recording_messages.h"
#include "scripted_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// The development exactly as the program defines it: advance six indices in lexicographic order
// and test each candidate with the plain lookup against the list as it was.
std::vector<Column> ReferenceDevelopment(Globali& g, bool considerFixed) {
    std::vector<Number> L;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (g.system.forecast.has(n)) L.push_back(static_cast<Number>(n));
    const int n = static_cast<int>(L.size());
    std::vector<Column> added;
    if (n < 6) return added;
    const FixedFlags flags = BuildFixedFlags(g.system.fixed);
    const bool wasEmpty = g.system.columns.count == 0;
    int idx[7] = {0, 1, 2, 3, 4, 5, 6};
    for (;;) {
        Column c;
        for (int k = 1; k <= 6; ++k) c[k - 1] = L[static_cast<std::size_t>(idx[k] - 1)];
        if ((!considerFixed || RespectsFixed(c, flags, g.system.fixed.count)) &&
            (wasEmpty || FindColumn(g.system.columns, c) == 0))
            added.push_back(c);
        if (++idx[6] <= n) continue;
        int k = 5;
        while (k >= 1 && idx[k] + 1 > n - (6 - k)) --k;
        if (k < 1) break;
        ++idx[k];
        for (int j = k + 1; j <= 6; ++j) idx[j] = idx[j - 1] + 1;
    }
    return added;
}

class DevelopmentTest : public ::testing::Test {
protected:
    DevelopmentTest() : g(messages, clock), host(state, messages, clock) { g.undo.allocate(); }

    OperationOutcome Develop(bool considerFixed = false) {
        state.enter();
        const OperationOutcome outcome = DevelopForecast(g, host, considerFixed);
        state.leave();
        return outcome;
    }

    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    RunningState state;
    ScriptedHost host;
};

TEST_F(DevelopmentTest, SixNumbersGiveOneColumn) {
    SetForecast(g.system.forecast, {90, 4, 17, 33, 8, 61});
    EXPECT_EQ(Develop(), OperationOutcome::Completed);
    ASSERT_EQ(g.system.columns.count, 1);
    EXPECT_EQ(g.system.columns.at(1), MakeColumn(4, 8, 17, 33, 61, 90));
    EXPECT_EQ(host.maximum, 1);
}

TEST_F(DevelopmentTest, TenNumbersGive210ColumnsInLexicographicOrder) {
    SetForecast(g.system.forecast, {5, 10, 15, 20, 25, 30, 35, 40, 45, 50});
    g.system.relativeWinProbability = 3;
    g.system.absoluteWinProbability = 4;
    EXPECT_EQ(Develop(), OperationOutcome::Completed);
    const auto list = Live(g.system.columns);
    ASSERT_EQ(list.size(), 210u);
    EXPECT_EQ(list.front(), MakeColumn(5, 10, 15, 20, 25, 30));
    EXPECT_EQ(list.back(), MakeColumn(25, 30, 35, 40, 45, 50));
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), ColumnLess));
    EXPECT_EQ(std::adjacent_find(list.begin(), list.end()), list.end());
    EXPECT_EQ(host.maximum, 210);
    EXPECT_TRUE(g.system.modified);
    EXPECT_EQ(g.system.relativeWinProbability, -1);
    EXPECT_EQ(g.system.absoluteWinProbability, -1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DevelopmentTest, DevelopingTwiceAddsNothingTheSecondTime) {
    SetForecastRange(g.system.forecast, 1, 12);
    ASSERT_EQ(Develop(), OperationOutcome::Completed);
    g.system.modified = false;
    g.system.relativeWinProbability = 7;
    EXPECT_EQ(Develop(), OperationOutcome::NothingAdded);
    EXPECT_EQ(g.system.columns.count, 924);
    EXPECT_FALSE(g.system.modified);
    EXPECT_EQ(g.system.relativeWinProbability, 7);
    // The window shows the message; the engine only reports the outcome.
    EXPECT_TRUE(messages.shown.empty());
    // The snapshot was taken before the second run, of the list it started from.
    EXPECT_EQ(g.undo.snapshotCount, 924);
}

TEST_F(DevelopmentTest, ConsideringTheFixedNumbersKeepsOnlyTheColumnsHoldingThem) {
    struct Case {
        bool considerFixed;
        std::int32_t expected;
    };
    for (const Case& c : {Case{true, 70}, Case{false, 210}}) {
        SCOPED_TRACE(c.considerFixed);
        Fill(g.system.columns, {});
        SetForecastRange(g.system.forecast, 1, 10);
        SetFixed(g.system.fixed, {7, 3});
        EXPECT_EQ(Develop(c.considerFixed), OperationOutcome::Completed);
        EXPECT_EQ(g.system.columns.count, c.expected);
        if (c.considerFixed)
            for (const auto& col : Live(g.system.columns)) {
                EXPECT_NE(std::find(col.n.begin(), col.n.end(), 3), col.n.end());
                EXPECT_NE(std::find(col.n.begin(), col.n.end(), 7), col.n.end());
            }
    }
}

TEST_F(DevelopmentTest, FixedNumbersAllOutsideEveryColumnAddNothing) {
    SetForecastRange(g.system.forecast, 1, 6);
    SetFixed(g.system.fixed, {40}); // not in the forecast: no column can respect it
    EXPECT_EQ(Develop(true), OperationOutcome::NothingAdded);
    EXPECT_EQ(g.system.columns.count, 0);
}

TEST_F(DevelopmentTest, OneMoreNumberAddsExactlyTheColumnsHoldingIt) {
    for (bool shuffled : {false, true}) {
        SCOPED_TRACE(shuffled);
        Fill(g.system.columns, {});
        SetForecastRange(g.system.forecast, 1, 20);
        ASSERT_EQ(Develop(), OperationOutcome::Completed);
        ASSERT_EQ(g.system.columns.count, 38'760);
        auto before = Live(g.system.columns);
        if (shuffled) {
            std::shuffle(before.begin(), before.end(), std::mt19937(7));
            Fill(g.system.columns, before);
        }
        g.system.forecast.set(55, true);
        EXPECT_EQ(Develop(), OperationOutcome::Completed);
        ASSERT_EQ(g.system.columns.count, 38'760 + 15'504);
        const auto after = Live(g.system.columns);
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
        for (std::size_t i = before.size(); i < after.size(); ++i) ASSERT_EQ(after[i][5], 55);
    }
}

TEST_F(DevelopmentTest, StopConfirmedLeavesTheListExactlyAsBefore) {
    SetForecastRange(g.system.forecast, 1, 15);
    ASSERT_EQ(Develop(), OperationOutcome::Completed);
    g.system.modified = false;
    const auto before = Live(g.system.columns);
    SetForecastRange(g.system.forecast, 1, 25); // 177,100 combinations: many yields
    host.stopAtYield = 3;
    messages.answerNext(MessageAnswer::Yes);
    EXPECT_EQ(Develop(), OperationOutcome::Interrupted);
    EXPECT_EQ(Live(g.system.columns), before);
    EXPECT_FALSE(g.system.modified);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, kConfirmStopText);
    EXPECT_EQ(messages.last().defaultAnswer, MessageAnswer::No);
    // The snapshot of the list the run started from stays for the undo command.
    EXPECT_EQ(g.undo.snapshotCount, static_cast<std::int32_t>(before.size()));
}

TEST_F(DevelopmentTest, StopRefusedResumesWhereItWas) {
    SetForecastRange(g.system.forecast, 30, 54);
    host.stopAtYield = 3;
    messages.answerNext(MessageAnswer::No);
    EXPECT_EQ(Develop(), OperationOutcome::Completed);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(state.stopRequested);

    RecordingMessages quiet;
    FakeClock otherClock;
    Globali uninterrupted(quiet, otherClock);
    uninterrupted.system.forecast = g.system.forecast;
    RunningState otherState;
    ScriptedHost otherHost(otherState, quiet, otherClock);
    EXPECT_EQ(DevelopForecast(uninterrupted, otherHost, false), OperationOutcome::Completed);
    EXPECT_EQ(Live(g.system.columns), Live(uninterrupted.system.columns));
    // Progress reached the host at every yield, growing.
    EXPECT_TRUE(std::is_sorted(host.progress.begin(), host.progress.end()));
    EXPECT_FALSE(host.progress.empty());
}

TEST_F(DevelopmentTest, GrowthFailureShowsTheMessageOnceAndChangesNothing) {
    for (std::size_t limitColumns : {std::size_t{0}, std::size_t{100}}) {
        SCOPED_TRACE(limitColumns);
        RecordingMessages fresh;
        FakeClock freshClock;
        Globali h(fresh, freshClock);
        RunningState s;
        ScriptedHost freshHost(s, fresh, freshClock);
        SetForecastRange(h.system.forecast, 1, 10);
        h.system.columns.setAllocationLimit(limitColumns * sizeof(Column));
        EXPECT_EQ(DevelopForecast(h, freshHost, false), OperationOutcome::GrowthFailed);
        ASSERT_EQ(fresh.shown.size(), 1u);
        EXPECT_EQ(fresh.last().text, kGrowStoreFailedText);
        EXPECT_EQ(fresh.last().icon, MessageIcon::Warning);
        EXPECT_EQ(h.system.columns.count, 0);
        EXPECT_FALSE(h.system.modified);
    }
}

// The rank-set duplicate test must add exactly what the plain lookup adds, in the same order,
// whatever the list holds: columns of the forecast in any order, columns partly or wholly outside
// it, repeated columns, with and without the fixed numbers.
TEST_F(DevelopmentTest, MatchesThePlainDevelopmentOnManyLists) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::vector<int> pool(90);
        for (int i = 0; i < 90; ++i) pool[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(pool.begin(), pool.end(), rng);
        const int n = 6 + static_cast<int>(rng() % 9);
        ForecastFlags forecast;
        for (int i = 0; i < n; ++i) forecast.set(pool[static_cast<std::size_t>(i)], true);

        // Existing columns: drawn from the forecast plus a few other numbers, so some match.
        std::vector<Column> existing;
        const int extra = static_cast<int>(rng() % 3);
        const auto existingCount = static_cast<int>(rng() % 60);
        for (int k = 0; k < existingCount; ++k) {
            std::vector<int> from(pool.begin(), pool.begin() + n + extra);
            std::shuffle(from.begin(), from.end(), rng);
            Column c;
            for (int j = 0; j < 6; ++j) c[j] = static_cast<Number>(from[static_cast<std::size_t>(j)]);
            SortColumn(c);
            existing.push_back(c);
            if (rng() % 5 == 0) existing.push_back(c);
        }
        FixedNumbers fixed;
        const int fixedCount = static_cast<int>(rng() % 4);
        for (int j = 0; j < fixedCount; ++j)
            fixed.numbers[static_cast<std::size_t>(fixed.count++)] =
                static_cast<Number>(pool[rng() % static_cast<unsigned>(n + 1)]);
        const bool considerFixed = rng() % 2 == 0;

        RecordingMessages refMessages;
        FakeClock refClock;
        Globali ref(refMessages, refClock);
        ref.system.forecast = forecast;
        ref.system.fixed = fixed;
        Fill(ref.system.columns, existing);
        const auto expected = ReferenceDevelopment(ref, considerFixed);

        Fill(g.system.columns, existing);
        g.system.forecast = forecast;
        g.system.fixed = fixed;
        const OperationOutcome outcome = Develop(considerFixed);
        EXPECT_EQ(outcome, expected.empty() ? OperationOutcome::NothingAdded : OperationOutcome::Completed);
        auto all = existing;
        if (!expected.empty()) all.insert(all.end(), expected.begin(), expected.end());
        ASSERT_EQ(Live(g.system.columns), all);
    }
}

} // namespace
