#pragma once

#include "shell/operation_host.h"

#include <cstddef>
#include <cstdint>
#include <string>

class ColumnStore;
struct Globali;

// Where imported columns come from.
enum class ImportSource {
    Text,       // one column per line
    SystemFile, // the columns of another system file (versions 2 and 3)
    Duplara,    // the columns of a Duplara system file
};

enum class ImportOutcome {
    Added,        // the user confirmed; the columns are in the list
    Declined,     // the user answered No
    NothingFound, // no new valid column
    Incompatible, // wrong format byte
    CannotOpen,
    GrowthFailed,
    Stopped, // nothing added
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::NothingFound;
    std::int32_t found = 0; // candidates at positions count+1..count+found of the store
};

inline constexpr std::size_t kDuplaraColumnsOffset = 4778;
inline constexpr std::uint8_t kDuplaraFormat = 8;

inline constexpr const char* kLoadingColumnsCaption = "Caricamento colonne ...";
inline constexpr const char* kCheckingColumnsCaption = "Verifica colonne ...";
inline constexpr const char* kNothingFoundText = "Nel file non è stata trovata nessuna nuova colonna valida.";
inline constexpr const char* kNothingFoundInTextFileText =
    "Nel file non è stata trovata nessuna nuova colonna valida.\rIl file di testo deve contenere una sola "
    "colonna "
    "per riga.\rLe colonne devono essere composte da sei numeri separati da almeno uno spazio o un segno di "
    "tabulazione.";

// First part of an import, while the progress dialog is shown (its caption arrives through the
// host's status): checks the format byte, takes the undo snapshot, reads the candidates into the
// scratch slots after the list and drops those already listed. A stop adds nothing.
// Columns that are not six ascending numbers 1..90 are never taken from a file.
ImportResult CollectImportColumns(Globali& g, ImportSource source, const std::string& path,
                                  OperationHost& host);

// Second part, after the dialog closed: asks to insert the candidates, or says none was found.
ImportOutcome ConfirmImportColumns(Globali& g, ImportSource source, std::int32_t found);

// Both parts.
ImportOutcome ImportColumns(Globali& g, ImportSource source, const std::string& path, OperationHost& host);

// Drops from the candidates at count+1..count+found every column found among positions 1..count,
// copying the last candidate over it (so the survivors' order is fixed). Returns the new found,
// or -1 when stopped. Large lists are checked through a hash table, with the same result.
std::int32_t RemoveListedCandidates(ColumnStore& store, std::int32_t found, OperationHost& host);
