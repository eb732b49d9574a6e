#include "editing/column_entry.h"

#include "core/Globali.h"
#include "core/column_text.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

// The range clamped to the live list; empty (lo > hi) when nothing of it is live.
std::pair<std::int32_t, std::int32_t> LiveRange(const ColumnStore& store, std::int32_t a, std::int32_t b) {
    const std::int32_t lo = std::max<std::int32_t>(1, std::min(a, b));
    const std::int32_t hi = std::min(store.count, std::max(a, b));
    return {lo, hi};
}

} // namespace

int FirstInvalidColumnLine(const ColumnLines& lines) {
    Column scratch;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!IsBlank(lines[i]) && !ParseColumnLine(lines[i], scratch)) return static_cast<int>(i + 1);
    return 0;
}

std::string InvalidColumnLineText(int line) {
    std::string text = "La colonna nº ";
    return text.append(std::to_string(line)).append(" non è valida.");
}

AppendResult AppendColumnLines(ColumnStore& store, const ColumnLines& lines, MessageService& messages) {
    AppendResult result;
    const std::int64_t needed =
        static_cast<std::int64_t>(store.count) + static_cast<std::int64_t>(lines.size()) + 1;
    if (!EnsureCapacity(store, needed, messages)) {
        result.grown = false;
        return result;
    }
    for (const std::string& line : lines) {
        if (IsBlank(line)) continue;
        const std::int32_t slot = store.count + result.added + 1;
        Column& candidate = store.at(slot);
        if (ParseColumnLine(line, candidate) && FindColumnAmongFirst(store, candidate, slot - 1) == 0)
            ++result.added;
    }
    store.count += result.added;
    return result;
}

void RemoveColumnRange(ColumnStore& store, std::int32_t a, std::int32_t b) {
    const auto [lo, hi] = LiveRange(store, a, b);
    if (lo > hi) return;
    Column* items = store.items();
    const std::int32_t tail = store.count - hi;
    if (tail > 0) std::memmove(items + (lo - 1), items + hi, static_cast<std::size_t>(tail) * sizeof(Column));
    store.count -= hi - lo + 1;
}

ColumnLines FormatColumnRange(const ColumnStore& store, std::int32_t a, std::int32_t b) {
    const auto [lo, hi] = LiveRange(store, a, b);
    ColumnLines lines;
    for (std::int32_t p = lo; p <= hi; ++p) lines.push_back(FormatColumn(store.at(p)));
    return lines;
}

AppendResult InsertColumnLines(Globali& g, const ColumnLines& lines) {
    SaveUndoSnapshot(g.undo, g.system.columns);
    const AppendResult result = AppendColumnLines(g.system.columns, lines, g.messages);
    if (result.added > 0) g.system.invalidateResults();
    return result;
}

AppendResult ModifyColumnRange(Globali& g, std::int32_t lo, std::int32_t hi, const ColumnLines& lines) {
    SaveUndoSnapshot(g.undo, g.system.columns);
    RemoveColumnRange(g.system.columns, lo, hi);
    const AppendResult result = AppendColumnLines(g.system.columns, lines, g.messages);
    g.system.invalidateResults();
    return result;
}
