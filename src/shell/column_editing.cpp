#include "shell/column_editing.h"

#include "core/Globali.h"

#include <algorithm>

bool DeleteAllColumns(Globali& g) {
    if (!g.messages.askYesNo(kDeleteAllQuestionText, MessageAnswer::Yes)) return false;
    SaveUndoSnapshot(g.undo, g.system.columns);
    g.system.columns.count = 0;
    g.system.invalidateResults();
    return true;
}

std::string RestoreQuestionText(int current, int previous) {
    std::string text = "Sostituire le attuali ";
    text.append(std::to_string(current)).append(" colonne con le precedenti ");
    return text.append(std::to_string(previous)).append(" colonne ?");
}

bool RestoreUndoSnapshot(Globali& g) {
    const int previous = g.undo.snapshotCount;
    if (!g.undo.buffer || previous < 1) return false;
    if (!g.messages.askYesNo(RestoreQuestionText(g.system.columns.count, previous), MessageAnswer::Yes))
        return false;
    // The snapshot was taken from this store, whose capacity never shrinks; the check only guards
    // against a snapshot of a list the store never held.
    if (!EnsureCapacity(g.system.columns, previous, g.messages)) return false;
    std::copy_n(g.undo.buffer.get(), previous, g.system.columns.items());
    g.system.columns.count = previous;
    g.system.invalidateResults();
    return true;
}
