#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Directories;

inline constexpr const char* kSmorfiaFileName = "Sestavia.smo";
inline constexpr std::size_t kSmorfiaRecordSize = 82;
inline constexpr std::size_t kSmorfiaMaxDescription = 80;

// One meaning of a number. In memory the description is UTF-8; the file holds it in Windows-1252,
// lower case, at most 80 characters.
struct SmorfiaEntry {
    int number = 0; // 1..90
    std::string description;
    friend bool operator==(const SmorfiaEntry&, const SmorfiaEntry&) = default;
};

// Records in file order. Damaged records (length 0 or above 80, number outside 1..90) are left
// out, a trailing partial record is ignored; a missing file gives an empty list and false.
bool ReadSmorfia(const std::filesystem::path& path, std::vector<SmorfiaEntry>& entries);
std::vector<SmorfiaEntry> DecodeSmorfia(std::string_view bytes);

// The file image: each entry lower-cased and cut to 80 characters; entries with a number outside
// 1..90 or an empty description are dropped.
std::string EncodeSmorfia(const std::vector<SmorfiaEntry>& entries);
// Writes through a temporary file so a failed write keeps the previous smorfia.
bool WriteSmorfia(const std::filesystem::path& path, const std::vector<SmorfiaEntry>& entries);

// The editor's rows (number text, description) as entries: rows whose number is not a whole
// number 1..90 or whose description is blank are dropped.
std::vector<SmorfiaEntry>
SmorfiaEntriesFromRows(const std::vector<std::pair<std::string, std::string>>& rows);

struct SmorfiaRow {
    int number = 0;
    std::string description; // first letter in upper case
    friend bool operator==(const SmorfiaRow&, const SmorfiaRow&) = default;
};

// "Cerca": the terms are the blank-separated words of `text` (up to 250). For each entry in order
// the first term that matches decides: its upper case occurs in the upper-cased description, or
// it equals the number. A row goes to the top when the description begins with the term or the
// term is the number, otherwise to the bottom.
std::vector<SmorfiaRow> SearchSmorfia(const std::vector<SmorfiaEntry>& entries, std::string_view text);

// The grid's number cell: four spaces and the number.
std::string FormatSmorfiaNumber(int number);

// Text helpers for the Latin letters the smorfia uses (ASCII and the accented letters of
// Windows-1252); other characters are left as they are.
std::string SmorfiaUpper(std::string_view utf8);
std::string SmorfiaLower(std::string_view utf8);
std::string SmorfiaFromCp1252(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string SmorfiaToCp1252(std::string_view utf8);

// The shipped smorfia in the shared data folder at first start.
bool InstallShippedSmorfiaIfMissing(const Directories& dirs);
