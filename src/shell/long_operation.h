#pragma once

#include "core/clock.h"
#include "core/column_store.h"
#include "core/messages.h"
#include "core/system_state.h"
#include "core/undo_snapshot.h"
#include "shell/operation_host.h"

#include <cstdint>
#include <span>

// The running state of a computing window: the window's Tag (0 idle, 2 running) and the stop
// button's request. The GUI mirrors it on its controls; hosts read the request from it.
struct RunningState {
    static constexpr int kIdle = 0;
    static constexpr int kRunning = 2;

    int tag = kIdle;
    bool stopRequested = false; // the stop button's Tag

    bool running() const { return tag != kIdle; }
    void enter() {
        tag = kRunning;
        stopRequested = false;
    }
    void leave() {
        tag = kIdle;
        stopRequested = false;
    }
};

// A host whose stop request lives in a RunningState and whose confirmation is the shared question.
// The GUI, the command line and the tests only add how messages are pumped and progress is shown.
class RunningStateHost : public OperationHost {
public:
    RunningStateHost(RunningState& state, MessageService& messages, Clock& clock)
        : state_(state), messages_(messages), clock_(clock) {}

    std::int64_t nowMs() override { return clock_.nowMs(); }
    bool stopRequested() override { return state_.stopRequested; }
    void clearStopRequest() override { state_.stopRequested = false; }
    bool confirmStop() override { return AskConfirmStop(messages_); }
    void processMessages() override {}
    void showProgress(std::int64_t) override {}
    void showStatus(const std::string&) override {}

    RunningState& state() { return state_; }

private:
    RunningState& state_;
    MessageService& messages_;
    Clock& clock_;
};

// Taken before a run touches the list: the snapshot the undo command restores, even when the run
// is later interrupted and commits nothing.
inline void SnapshotBeforeChange(UndoSnapshot& undo, const ColumnStore& store) {
    if (store.count > 0) SaveUndoSnapshot(undo, store);
}

// Building: candidates go to the slots past the count, so the live list never changes until the
// commit and an interrupted run simply forgets them.
class BuildingRun {
public:
    BuildingRun(ColumnStore& store, MessageService& messages)
        : store_(store), messages_(messages), startCount_(store.count) {}

    // Writes the candidate at slot count + added + 1, growing the store when it is full. False means
    // the store could not grow (the shortage message has been shown): the run must end.
    bool append(const Column& column) {
        if (static_cast<std::int64_t>(startCount_) + added_ >= store_.capacity() && !grow()) return false;
        store_.items()[startCount_ + added_] = column;
        ++added_;
        return true;
    }

    std::int32_t added() const { return added_; }
    std::int32_t startCount() const { return startCount_; }

    // Ends the run as `outcome` says. A completed run that accepted nothing becomes NothingAdded and
    // changes nothing; a completed run with candidates commits them and invalidates the results;
    // any other end leaves the count, which discards the candidates.
    OperationOutcome finish(OperationOutcome outcome, SystemState& system);

private:
    bool grow();

    ColumnStore& store_;
    MessageService& messages_;
    std::int32_t startCount_;
    std::int32_t added_ = 0;
};

// Removing: a removed column swaps places with the last live one and waits just past the shrinking
// count, so an interrupted run gets every column back by raising the count again.
class RemovingRun {
public:
    explicit RemovingRun(ColumnStore& store) : store_(store) {}

    // Parks the column at `position` (1..count); the caller examines `position` again, since the
    // former last column now sits there.
    void remove(std::int32_t position);

    std::int32_t removed() const { return removed_; }

    // Completed: the parked columns stay out and the results are invalidated. Any other end brings
    // them back (same columns, another order) and invalidates nothing.
    OperationOutcome finish(OperationOutcome outcome, SystemState& system);

private:
    ColumnStore& store_;
    std::int32_t removed_ = 0;
};

// Replacing: the whole new list is written at once. The columns must not live in the store itself
// (growing may move it). False when the store could not grow (the shortage message has been
// shown); the old list is then untouched.
bool ReplaceColumns(ColumnStore& store, std::span<const Column> columns, MessageService& messages);

// Replaces the list and invalidates the results; the outcome for the caller.
OperationOutcome CommitReplacement(SystemState& system, std::span<const Column> columns,
                                   MessageService& messages);
