#include "shell/long_operation.h"

#include "development_support.h"
#include "recording_messages.h"
#include "scripted_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

std::vector<Column> SomeColumns(int count) {
    std::vector<Column> columns;
    for (int i = 0; i < count; ++i) columns.push_back(MakeColumn(1 + i, 20 + i, 40, 50, 60, 70 + i % 20));
    return columns;
}

std::vector<Column> Sorted(std::vector<Column> columns) {
    std::sort(columns.begin(), columns.end(), ColumnLess);
    return columns;
}

// The removing walk every filter window runs: examine i again after a removal.
void RemoveWhere(ColumnStore& store, RemovingRun& run, const std::function<bool(const Column&)>& goes,
                 int stopAfter = -1) {
    std::int32_t i = 1;
    while (i <= store.count) {
        if (run.removed() == stopAfter) return;
        if (goes(store.at(i)))
            run.remove(i);
        else
            ++i;
    }
}

struct RemovalCase {
    const char* name;
    std::function<bool(const Column&)> goes;
};

const std::vector<RemovalCase> kRemovals{
    {"none", [](const Column&) { return false; }},
    {"all", [](const Column&) { return true; }},
    {"even first number", [](const Column& c) { return c[0] % 2 == 0; }},
    {"the first column", [](const Column& c) { return c[0] == 1; }},
    {"the last column", [](const Column& c) { return c[0] == 30; }},
};

TEST(RemovingRunTest, CompletedRunKeepsExactlyTheColumnsThatStay) {
    for (const auto& removal : kRemovals) {
        SCOPED_TRACE(removal.name);
        SystemState system;
        const auto before = SomeColumns(30);
        Fill(system.columns, before);
        RemovingRun run(system.columns);
        RemoveWhere(system.columns, run, removal.goes);
        EXPECT_EQ(run.finish(OperationOutcome::Completed, system), OperationOutcome::Completed);

        std::vector<Column> expected;
        for (const auto& c : before)
            if (!removal.goes(c)) expected.push_back(c);
        EXPECT_EQ(Sorted(Live(system.columns)), Sorted(expected));
        EXPECT_TRUE(system.modified);
        EXPECT_EQ(system.relativeWinProbability, -1);
    }
}

TEST(RemovingRunTest, InterruptedRunBringsEveryParkedColumnBack) {
    for (const auto& removal : kRemovals) {
        for (int stopAfter : {0, 1, 5}) {
            SCOPED_TRACE(std::string(removal.name) + ", stop after " + std::to_string(stopAfter));
            SystemState system;
            system.relativeWinProbability = 12.5;
            const auto before = SomeColumns(30);
            Fill(system.columns, before);
            RemovingRun run(system.columns);
            RemoveWhere(system.columns, run, removal.goes, stopAfter);
            EXPECT_EQ(run.finish(OperationOutcome::Interrupted, system), OperationOutcome::Interrupted);
            EXPECT_EQ(system.columns.count, 30);
            EXPECT_EQ(Sorted(Live(system.columns)), Sorted(before));
            EXPECT_FALSE(system.modified);
            EXPECT_EQ(system.relativeWinProbability, 12.5);
        }
    }
}

TEST(BuildingRunTest, CandidatesStayPastTheCountUntilTheCommit) {
    RecordingMessages messages;
    SystemState system;
    const auto before = SomeColumns(3);
    Fill(system.columns, before);
    BuildingRun run(system.columns, messages);
    for (const auto& c : SomeColumns(10)) ASSERT_TRUE(run.append(c));
    EXPECT_EQ(system.columns.count, 3);
    EXPECT_EQ(run.added(), 10);
    EXPECT_EQ(system.columns.at(4), SomeColumns(10)[0]);
    EXPECT_EQ(system.columns.at(13), SomeColumns(10)[9]);

    EXPECT_EQ(run.finish(OperationOutcome::Completed, system), OperationOutcome::Completed);
    EXPECT_EQ(system.columns.count, 13);
    EXPECT_TRUE(system.modified);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(BuildingRunTest, EndsThatAreNotACompletedRunWithCandidatesCommitNothing) {
    struct Case {
        OperationOutcome end;
        int candidates;
        OperationOutcome expected;
    };
    for (const Case& c : {Case{OperationOutcome::Interrupted, 5, OperationOutcome::Interrupted},
                          Case{OperationOutcome::GrowthFailed, 5, OperationOutcome::GrowthFailed},
                          Case{OperationOutcome::Completed, 0, OperationOutcome::NothingAdded},
                          Case{OperationOutcome::Interrupted, 0, OperationOutcome::Interrupted}}) {
        RecordingMessages messages;
        SystemState system;
        Fill(system.columns, SomeColumns(4));
        BuildingRun run(system.columns, messages);
        for (const auto& col : SomeColumns(c.candidates)) ASSERT_TRUE(run.append(col));
        EXPECT_EQ(run.finish(c.end, system), c.expected);
        EXPECT_EQ(Live(system.columns), SomeColumns(4));
        EXPECT_FALSE(system.modified);
    }
}

TEST(BuildingRunTest, AFullStoreThatCannotGrowEndsTheRunWithOneMessage) {
    RecordingMessages messages;
    SystemState system;
    Fill(system.columns, SomeColumns(4));
    const std::int32_t capacity = system.columns.capacity();
    system.columns.setAllocationLimit(static_cast<std::size_t>(capacity) * sizeof(Column));
    BuildingRun run(system.columns, messages);
    const auto candidates = SomeColumns(30);
    for (std::int32_t i = 4; i < capacity; ++i)
        ASSERT_TRUE(run.append(candidates[static_cast<std::size_t>(i)]));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(run.append(candidates[0]));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, kGrowStoreFailedText);
    EXPECT_EQ(run.finish(OperationOutcome::GrowthFailed, system), OperationOutcome::GrowthFailed);
    EXPECT_EQ(Live(system.columns), SomeColumns(4));
}

TEST(ReplaceColumnsTest, WritesTheNewListOrKeepsTheOldOneWhenMemoryIsShort) {
    RecordingMessages messages;
    SystemState system;
    Fill(system.columns, SomeColumns(4));
    const auto shorter = SomeColumns(2);
    EXPECT_EQ(CommitReplacement(system, shorter, messages), OperationOutcome::Completed);
    EXPECT_EQ(Live(system.columns), shorter);
    EXPECT_TRUE(system.modified);

    SystemState tight;
    Fill(tight.columns, SomeColumns(4));
    tight.columns.setAllocationLimit(static_cast<std::size_t>(tight.columns.capacity()) * sizeof(Column));
    EXPECT_EQ(CommitReplacement(tight, SomeColumns(30), messages), OperationOutcome::GrowthFailed);
    EXPECT_EQ(Live(tight.columns), SomeColumns(4));
    EXPECT_FALSE(tight.modified);
    EXPECT_EQ(messages.last().text, kGrowStoreFailedText);
}

TEST(RunningStateHostTest, AsksTheSharedQuestionWithNoAsDefault) {
    RecordingMessages messages;
    FakeClock clock;
    RunningState state;
    RunningStateHost host(state, messages, clock);
    messages.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(host.confirmStop());
    EXPECT_FALSE(host.confirmStop()); // unscripted: the default answer
    const Message& m = messages.last();
    EXPECT_EQ(m.title, "Attenzione");
    EXPECT_EQ(m.text, "Sei sicuro di voler interrompere l'elaborazione?");
    EXPECT_EQ(m.icon, MessageIcon::Question);
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.defaultAnswer, MessageAnswer::No);
}

TEST(OperationPacerTest, YieldsOnlyAfterTheIntervalAndForgetsARefusedStop) {
    RecordingMessages messages;
    FakeClock clock;
    RunningState state;
    state.enter();
    RunningStateHost host(state, messages, clock);
    OperationPacer pacer(host, 500, 1);

    clock.advance(500); // not more than the interval
    state.stopRequested = true;
    EXPECT_FALSE(pacer.step(1));
    EXPECT_TRUE(messages.shown.empty());

    clock.advance(1);
    messages.answerNext(MessageAnswer::No);
    EXPECT_FALSE(pacer.step(2));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(state.stopRequested);

    clock.advance(501);
    state.stopRequested = true;
    messages.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(pacer.step(3));
}

} // namespace
