#pragma once

#include "archive/draw_archive.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// One line of the archive's text export: d/m/yyyy, TAB, the six numbers separated by single spaces,
// TAB, Jolly, TAB, SuperStar, CR LF. The draw number is not exported.
std::string FormatDrawExportLine(const DrawRecord& r);

// Writes every draw in archive order through a temporary file; false when the file could not be written.
bool ExportArchiveText(const DrawArchive& archive, const std::filesystem::path& path);

// Reads one line of the export format, or of the shipped history's tab-separated format.
bool ParseDrawImportLine(std::string_view line, DrawRecord& record);

struct DrawImportResult {
    bool read = false;             // false: the file could not be read
    int added = 0;                 // new dates
    int replaced = 0;              // dates already archived, now overwritten
    int refused = 0;               // sound lines refused by a full archive
    std::vector<int> invalidLines; // 1-based numbers of the lines that are not draws
};

// Inserts every valid draw of a text file; blank lines and '#' comments are skipped.
DrawImportResult ImportArchiveText(DrawArchive& archive, const std::filesystem::path& path);
DrawImportResult ImportArchiveTextFromMemory(DrawArchive& archive, std::string_view text);

// The message that reports an import to the user.
std::string DrawImportReport(const DrawImportResult& result);

// Deletes records last, last-1, ..., first, never the archive's only remaining draw.
void DeleteDrawRange(DrawArchive& archive, int first, int last);

struct CivilDate {
    int day = 0, month = 0, year = 0;
};

// Whether the update reminder should offer an update: the last draw is four or more days old, or a
// draw day of `days` (seven '0'/'1' from Sunday) fell after the last draw, today only after 20:40.
bool ShouldRemindUpdate(CivilDate today, int hhmm, CivilDate last, std::string_view days);

// "L'ultimo aggiornamento dell'archivio storico risale a <giorno> d/m/yyyy."
std::string ReminderText(CivilDate last);

// The Italian weekday name, Sunday = 0.
const char* WeekdayName(int weekday);
int WeekdayOf(CivilDate date);
