#pragma once

#include "archive/draw_archive.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The fields of the winning-column editor, as typed.
struct DrawFields {
    std::string date;
    std::string concorso;
    std::array<std::string, 6> numbers;
    std::string jolly;
    std::string superStar;
};

// Validates the editor's fields in the order the user is told about them (date, draw number,
// numbers, Jolly, SuperStar) and builds the record with the numbers ascending. Returns the message
// to show, or nothing when the record is complete.
std::optional<std::string> BuildDrawFromFields(const DrawFields& fields, DrawRecord& record);

// The record with that calendar date, or 0.
int FindDrawByDate(const DrawArchive& archive, int day, int month, int year);

// The previous (-1) or next (+1) archived draw from the one whose date is typed; from the last
// draw when the date names none, and the last draw itself when the text is not a date. 0 when
// the archive is empty.
int StepArchivedDraw(const DrawArchive& archive, const std::string& dateText, int direction);

// d/m/yyyy without leading zeros, as the windows fill their date fields.
std::string FormatDrawDateShort(const DrawRecord& r);

// The draw picker's lists: years from the last draw's down to the first's, every year between
// included; the records of one year and month in archive order; the record the three lists name.
std::vector<int> PickerYears(const DrawArchive& archive);
std::vector<int> PickerRecordsOfMonth(const DrawArchive& archive, int year, int month);
int PickerRecordFor(const DrawArchive& archive, int year, int month, int day);

inline constexpr const char* kInvalidDateText = "La data non è valida.\rCorreggere e riprovare.";
inline constexpr const char* kInvalidConcorsoText =
    "Il numero del concorso non è valido.\rCorreggere e riprovare.";
inline constexpr const char* kInvalidSuperStarText =
    "Il numero SuperStar non è valido.\rCorreggere e riprovare.";
inline constexpr const char* kSameDayQuestionText =
    "Nell'archivio storico del Superenalotto è già presente una colonna vincente relativa allo stesso "
    "giorno.\rSovrascrivere la colonna vincente ?";
