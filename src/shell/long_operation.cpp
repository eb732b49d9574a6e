#include "shell/long_operation.h"

#include <algorithm>

bool BuildingRun::grow() {
    // One slot is all a candidate needs; GrowStore takes as much as memory allows.
    return GrowStore(store_, messages_);
}

OperationOutcome BuildingRun::finish(OperationOutcome outcome, SystemState& system) {
    if (outcome == OperationOutcome::Completed && added_ == 0) outcome = OperationOutcome::NothingAdded;
    if (outcome == OperationOutcome::Completed) {
        store_.count = startCount_ + added_;
        system.invalidateResults();
    }
    added_ = 0;
    return outcome;
}

void RemovingRun::remove(std::int32_t position) {
    Column* items = store_.items();
    const std::int32_t last = store_.count;
    const Column gone = items[position - 1];
    items[position - 1] = items[last - 1];
    items[last - 1] = gone;
    --store_.count;
    ++removed_;
}

OperationOutcome RemovingRun::finish(OperationOutcome outcome, SystemState& system) {
    if (outcome == OperationOutcome::Completed)
        system.invalidateResults();
    else
        store_.count += removed_;
    removed_ = 0;
    return outcome;
}

bool ReplaceColumns(ColumnStore& store, std::span<const Column> columns, MessageService& messages) {
    const auto n = static_cast<std::int64_t>(columns.size());
    if (!EnsureCapacity(store, n, messages)) return false;
    std::copy(columns.begin(), columns.end(), store.items());
    store.count = static_cast<std::int32_t>(n);
    return true;
}

OperationOutcome CommitReplacement(SystemState& system, std::span<const Column> columns,
                                   MessageService& messages) {
    if (!ReplaceColumns(system.columns, columns, messages)) return OperationOutcome::GrowthFailed;
    system.invalidateResults();
    return OperationOutcome::Completed;
}
