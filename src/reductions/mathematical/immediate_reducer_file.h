#pragma once

#include "core/column.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Tables of ready-made coverings, one per (forecast size, score): `Sestavia.sxr` holds orthogonal
// ones, `Sestavia.sxg` guarantee ones, both in the program folder. The files come from outside the
// program, so every size and position in them is checked against the file before it is used.
namespace immediate {

inline constexpr std::int64_t kIndexLengthAt = 1357;
inline constexpr std::int64_t kIndexAt = 1361;
inline constexpr std::int64_t kEntrySize = 12;
inline constexpr std::int64_t kRecordSize = 6;
// The table position field is stored shifted by this much.
inline constexpr std::int64_t kPositionBias = 54781;

inline constexpr const char* kOrthogonalFile = "Sestavia.sxr";
inline constexpr const char* kGuaranteeFile = "Sestavia.sxg";

} // namespace immediate

struct ImmediateEntry {
    int n = 0;
    int k = 0;
    std::uint32_t columns = 0;
    std::int64_t firstRecord = 0; // byte position of the table's first record
    std::uint16_t checksum = 0;
};

enum class ImmediateLookup { NoFile, Damaged, NotFound, Found };

struct ImmediateLookupResult {
    ImmediateLookup status = ImmediateLookup::NoFile;
    ImmediateEntry entry;
    // 0 unless found: what the label shows as the estimated number of columns.
    std::uint32_t columns() const { return status == ImmediateLookup::Found ? entry.columns : 0; }
};

// The first entry for (n, 6, k). An index that does not fit in the file is a damaged file; so is a
// found entry whose table does not fit.
ImmediateLookupResult FindImmediateEntry(const std::string& path, int n, int k);

// Size in bytes, -1 when the file cannot be opened (what the download page is told).
std::int64_t ImmediateFileSize(const std::string& path);

// Reads one table record by record.
class ImmediateTableReader {
public:
    // False when the file cannot be opened or the table does not lie inside it.
    bool open(const std::string& path, const ImmediateEntry& entry);

    // The next record's indices (1-based positions in the forecast list, as stored: the byte's upper
    // seven bits) and adds them to the running sum. False at a read failure.
    bool next(std::uint8_t indices[6]);

    std::uint16_t runningSum() const { return sum_; }

private:
    std::ifstream in_;
    std::uint16_t sum_ = 0;
};

// Translates a record into a column of the forecast list. False when an index is outside 1..n or
// repeats (a damaged record: the column would not be a column).
bool MapRecordToForecast(const std::uint8_t indices[6], const std::vector<Number>& forecast, Column& column);

// One table to write: columns of positions 1..n.
struct ImmediateTable {
    int n = 0;
    int k = 0;
    std::vector<Column> columns;
};

// Writes a file in the format above (to a temporary file in the same folder, then renamed).
// False with a reason in `error` when a table is invalid or the file cannot be written.
bool WriteImmediateReducerFile(const std::string& path, const std::vector<ImmediateTable>& tables,
                               std::string& error);
