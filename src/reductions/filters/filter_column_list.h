#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A set of numbers 1..90 and the scores 0..6 it allows: 97 bytes on disk.
struct FilterColumn {
    static constexpr std::size_t kSize = 97;
    std::array<std::uint8_t, 90> numbers{}; // byte n-1 is 1 when n belongs to the filter column
    std::array<std::uint8_t, 7> scores{};   // allowed scores 0..6

    friend bool operator==(const FilterColumn&, const FilterColumn&) = default;
};

// The list of filter columns, shared by all systems (it lives only in its defaults file). The
// array always holds one record more than the count: the zeroed record of the entry row.
struct FilterColumnList {
    std::int32_t count = 0;
    std::int32_t maxErrors = 0;
    std::vector<FilterColumn> columns = std::vector<FilterColumn>(1);
};

inline constexpr const char* kFilterColumnsFile = "Filtri.def";

// The list of the file, or an empty one when the file is missing, short or damaged.
FilterColumnList FilterColumnListDefaults(const std::string& path);
std::vector<std::uint8_t> EncodeFilterColumnFile(const FilterColumnList& list);
bool DecodeFilterColumnFile(const std::vector<std::uint8_t>& bytes, FilterColumnList& list);
bool WriteFilterColumnFile(const std::string& path, const FilterColumnList& list);
