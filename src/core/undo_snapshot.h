#pragma once

#include "core/column_store.h"

#include <cstdint>
#include <memory>

// One-level copy of the list taken before every list-changing operation.
struct UndoSnapshot {
    static constexpr std::int32_t kSlots = 873'813; // 5,242,878 bytes

    std::unique_ptr<Column[]> buffer; // absent when the allocation at start-up failed
    std::int32_t snapshotCount = 0;   // 0 = no snapshot; New and Open leave it as it is

    // Allocates the buffer once; on failure the program runs without undo.
    bool allocate();
};

// Copies the list when the buffer exists and 1 <= count <= kSlots; otherwise the older snapshot stays.
void SaveUndoSnapshot(UndoSnapshot& undo, const ColumnStore& store);
