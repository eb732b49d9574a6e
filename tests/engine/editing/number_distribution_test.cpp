#include "editing/number_distribution.h"

#include "shell/long_operation.h"

#include "editing_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The real stop protocol over a fake clock; `onYield` plays the user between two yields.
class ScriptedHost final : public RunningStateHost {
public:
    ScriptedHost(RunningState& state, MessageService& messages, Clock& clock)
        : RunningStateHost(state, messages, clock) {}
    void processMessages() override {
        if (onYield) onYield();
    }
    void showProgress(std::int64_t done) override { progress.push_back(done); }

    std::function<void()> onYield;
    std::vector<std::int64_t> progress;
};

// All C(10, 6) columns of the forecast 11..20.
void DevelopTen(ColumnStore& store) {
    ASSERT_TRUE(store.tryResize(210));
    store.count = 0;
    int i[6];
    for (i[0] = 11; i[0] <= 15; ++i[0])
        for (i[1] = i[0] + 1; i[1] <= 16; ++i[1])
            for (i[2] = i[1] + 1; i[2] <= 17; ++i[2])
                for (i[3] = i[2] + 1; i[3] <= 18; ++i[3])
                    for (i[4] = i[3] + 1; i[4] <= 19; ++i[4])
                        for (i[5] = i[4] + 1; i[5] <= 20; ++i[5])
                            store.at(++store.count) = Col({i[0], i[1], i[2], i[3], i[4], i[5]});
    ASSERT_EQ(store.count, 210);
}

struct CountRun {
    RecordingMessages messages;
    FakeClock clock;
    RunningState state;
    ScriptedHost host{state, messages, clock};
    DistributionCounts counts{};
    std::vector<std::int32_t> shown; // columns counted at each refresh of the bars
    OperationOutcome run(const ColumnStore& store, std::uint32_t perRead = 1) {
        return CountNumberDistribution(
            store, counts, host, [this](std::int32_t counted) { shown.push_back(counted); },
            DistributionPacing{600, 1000, perRead});
    }
};

TEST(CountNumberDistribution, TheTenNumbersOfAFullDevelopmentOccur126TimesEach) {
    ColumnStore store;
    DevelopTen(store);
    CountRun r;
    r.counts.fill(7); // a previous count must not leak in
    ASSERT_EQ(r.run(store, 4096), OperationOutcome::Completed);
    for (int n = 1; n <= kMaxNumber; ++n)
        EXPECT_EQ(r.counts[static_cast<std::size_t>(n - 1)], n >= 11 && n <= 20 ? 126 : 0) << n;
    EXPECT_EQ(r.shown, (std::vector<std::int32_t>{1, 210}));
    EXPECT_EQ(r.host.progress.back(), 210);
}

TEST(CountNumberDistribution, TheBarsFollowAtMostOnceASecond) {
    ColumnStore store;
    DevelopTen(store);
    CountRun r;
    r.clock.step = 100; // every clock read moves 100 ms
    r.run(store);
    ASSERT_GE(r.shown.size(), 3u);
    EXPECT_EQ(r.shown.front(), 1);
    EXPECT_EQ(r.shown.back(), 210);
    // Each refresh in between costs several columns' worth of clock reads: at least a second apart.
    for (std::size_t i = 2; i + 1 < r.shown.size(); ++i) EXPECT_GE(r.shown[i] - r.shown[i - 1], 3);
    EXPECT_LT(r.shown.size(), 80u);
}

TEST(CountNumberDistribution, AStopIsAskedAndOnlyAYesEndsTheCount) {
    ColumnStore store;
    DevelopTen(store);
    CountRun refused;
    refused.clock.step = 700;
    refused.host.onYield = [&] { refused.state.stopRequested = true; };
    refused.messages.answerNext(MessageAnswer::No);
    refused.messages.answerNext(MessageAnswer::Yes);
    ASSERT_EQ(refused.run(store), OperationOutcome::Interrupted);
    ASSERT_EQ(refused.messages.shown.size(), 2u);
    EXPECT_EQ(refused.messages.last().text, kConfirmStopText);
    // Stopped after the second yield: the counters hold exactly the columns counted so far.
    const std::int32_t counted = refused.shown.back();
    EXPECT_LT(counted, 210);
    std::int64_t total = 0;
    for (const std::int64_t c : refused.counts) total += c;
    EXPECT_EQ(total, 6 * counted);
}

TEST(CountNumberDistribution, AnEmptyListCountsNothing) {
    ColumnStore store;
    CountRun r;
    EXPECT_EQ(r.run(store), OperationOutcome::Completed);
    EXPECT_EQ(r.shown, (std::vector<std::int32_t>{0}));
}

} // namespace
