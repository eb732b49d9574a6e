#pragma once

#include <string>

struct Globali;

// "Elimina tutte le colonne": after the question, the list is emptied behind an undo snapshot.
// Returns true when the columns were removed.
bool DeleteAllColumns(Globali& g);

// "Annulla ultima operazione": after the question, the list becomes the snapshot again. The snapshot
// stays, so the command can be repeated and always brings back the same list.
bool RestoreUndoSnapshot(Globali& g);

std::string RestoreQuestionText(int current, int previous);

inline constexpr const char* kDeleteAllQuestionText = "Eliminare tutte le colonne finali ?";
