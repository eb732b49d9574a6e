#pragma once

#include "shell/operation_host.h"

#include <string>

class ColumnStore;
struct Globali;

enum class ExportOutcome { Completed, Stopped, WriteFailed };

inline constexpr const char* kWritingColumnsCaption = "Scrittura colonne su file ...";
inline constexpr const char* kNothingToExportText = "Non ci sono colonne finali da esportare.";
inline constexpr const char* kExportDoneText = "Colonne salvate con successo.";
inline constexpr const char* kExportFailedText =
    "Si è verificato un errore durante la scrittura del file.\rLe colonne non sono state esportate.";

// One column per line, its numbers ascending without padding and separated by one blank, CR LF.
// The lines go to a temporary file renamed over the target at the end, so a stopped or failed
// export leaves no partial file (and an older file of that name as it was).
ExportOutcome ExportColumnsToText(const ColumnStore& store, const std::string& path, OperationHost& host);

// "Esporta colonne su file di testo" once the file is chosen: the export and its closing message.
ExportOutcome ExportFinalColumns(Globali& g, const std::string& path, OperationHost& host);
