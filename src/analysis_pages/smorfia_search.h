#pragma once

#include "archive/smorfia.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// "Cerca" of the smorfia page over the file itself: the rows in the order the grid shows them, or
// nullopt when the file cannot be opened. Damaged records are skipped by the reader.
std::optional<std::vector<SmorfiaRow>> SearchSmorfiaFile(const std::filesystem::path& path,
                                                         std::string_view text);

// The grid's rows: one per result, and one empty row when there is none, as the grid always
// keeps a row under its heading.
std::size_t SmorfiaGridRowCount(const std::vector<SmorfiaRow>& rows);
