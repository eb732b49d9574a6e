#pragma once

#include "core/column_store.h"

#include <cstdint>
#include <string>

struct Globali;

// The two bars of the range dialog over positions 1..K. Each bar drags the other along so that
// first <= last always holds.
class DeleteRange {
public:
    // Starts on lo..hi, or on the whole list when no range is given (lo or hi 0).
    DeleteRange(std::int32_t count, std::int32_t lo = 0, std::int32_t hi = 0);

    std::int32_t count() const { return count_; }
    std::int32_t first() const { return first_; }
    std::int32_t last() const { return last_; }
    std::int32_t size() const { return last_ - first_ + 1; }
    bool inRange(std::int64_t position) const { return position >= 1 && position <= count_; }

    // Both return true when the other bar was dragged along. Positions outside 1..K are clamped.
    bool moveFirst(std::int32_t position);
    bool moveLast(std::int32_t position);

private:
    std::int32_t clamp(std::int32_t position) const;

    std::int32_t count_;
    std::int32_t first_ = 1;
    std::int32_t last_ = 1;
};

// "[1 2 3 4 5 6]": the column under a bar.
std::string BracketedColumn(const Column& column);

// Label3 after a move of the first bar and after a move of the second: the two texts differ.
std::string SelectedPlaysText(std::int32_t n);
std::string SelectedColumnsText(std::int32_t n);

// "Eliminare la colonna selezionata ?" for one column, else "Eliminare le n colonne selezionate ?".
std::string DeleteRangeQuestion(std::int32_t n);

// Deletes the range behind an undo snapshot, keeping the order of the other columns, and
// invalidates the results.
void DeleteColumnRange(Globali& g, std::int32_t first, std::int32_t last);
