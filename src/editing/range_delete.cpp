#include "editing/range_delete.h"

#include "core/Globali.h"
#include "editing/column_entry.h"

#include <algorithm>

DeleteRange::DeleteRange(std::int32_t count, std::int32_t lo, std::int32_t hi) : count_(std::max(count, 1)) {
    if (lo < 1 || hi < 1) {
        lo = 1;
        hi = count_;
    }
    first_ = clamp(std::min(lo, hi));
    last_ = clamp(std::max(lo, hi));
}

std::int32_t DeleteRange::clamp(std::int32_t position) const {
    return std::clamp(position, 1, count_);
}

bool DeleteRange::moveFirst(std::int32_t position) {
    first_ = clamp(position);
    if (first_ <= last_) return false;
    last_ = first_;
    return true;
}

bool DeleteRange::moveLast(std::int32_t position) {
    last_ = clamp(position);
    if (last_ >= first_) return false;
    first_ = last_;
    return true;
}

std::string BracketedColumn(const Column& column) {
    std::string text = "[";
    for (int i = 0; i < kColumnSize; ++i) {
        if (i > 0) text.push_back(' ');
        text.append(std::to_string(column[i]));
    }
    text.push_back(']');
    return text;
}

std::string SelectedPlaysText(std::int32_t n) {
    std::string text = "Numero di giocate selezionate: ";
    return text.append(std::to_string(n));
}

std::string SelectedColumnsText(std::int32_t n) {
    std::string text = "Numero di colonne selezionate: ";
    return text.append(std::to_string(n));
}

std::string DeleteRangeQuestion(std::int32_t n) {
    if (n == 1) return "Eliminare la colonna selezionata ?";
    std::string text = "Eliminare le ";
    return text.append(std::to_string(n)).append(" colonne selezionate ?");
}

void DeleteColumnRange(Globali& g, std::int32_t first, std::int32_t last) {
    SaveUndoSnapshot(g.undo, g.system.columns);
    RemoveColumnRange(g.system.columns, first, last);
    g.system.invalidateResults();
}
