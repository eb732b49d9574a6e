#pragma once

#include "core/column_store.h"
#include "core/messages.h"

#include <cstdint>
#include <string>
#include <vector>

struct Globali;

// The lines of the column-entry memo: one column per line, blank lines ignored.
using ColumnLines = std::vector<std::string>;

// 1-based number of the first line that is not blank and does not hold a valid column; 0 when
// every line passes.
int FirstInvalidColumnLine(const ColumnLines& lines);

// "La colonna nº 3 non è valida."
std::string InvalidColumnLineText(int line);

struct AppendResult {
    bool grown = true; // false: the store could not make room and nothing was added
    std::int32_t added = 0;
};

// Appends the valid lines after the list, skipping silently those that repeat a listed column or an
// earlier line. Room for every line is made first, so a shortage adds nothing.
AppendResult AppendColumnLines(ColumnStore& store, const ColumnLines& lines, MessageService& messages);

// Closes the gap lo..hi (1-based, inclusive), moving the later columns down in their order.
void RemoveColumnRange(ColumnStore& store, std::int32_t lo, std::int32_t hi);

// The columns lo..hi as memo lines, one FormatColumn each.
ColumnLines FormatColumnRange(const ColumnStore& store, std::int32_t lo, std::int32_t hi);

// "Inserimento colonne da tastiera" after the memo was accepted: snapshot, append, and invalidate
// the results only when something was added.
AppendResult InsertColumnLines(Globali& g, const ColumnLines& lines);

// "Modifica colonne selezionate" after the memo was accepted: the range lo..hi is replaced by the
// memo lines, which go to the end of the list. A shortage while appending keeps the range removed
// (the snapshot still holds it).
AppendResult ModifyColumnRange(Globali& g, std::int32_t lo, std::int32_t hi, const ColumnLines& lines);
