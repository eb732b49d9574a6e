#include "core/undo_snapshot.h"

#include <algorithm>
#include <new>

bool UndoSnapshot::allocate() {
    if (!buffer) buffer.reset(new (std::nothrow) Column[kSlots]);
    return buffer != nullptr;
}

void SaveUndoSnapshot(UndoSnapshot& undo, const ColumnStore& store) {
    if (!undo.buffer || store.count < 1 || store.count > UndoSnapshot::kSlots) return;
    std::copy_n(store.items(), store.count, undo.buffer.get());
    undo.snapshotCount = store.count;
}
