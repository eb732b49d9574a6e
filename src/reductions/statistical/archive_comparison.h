#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Settings of the reduction by comparison with the archive: up to 150 comparisons, each the
// number of latest draws it looks at and the scores 0..6 it allows.
struct ArchiveComparison {
    static constexpr std::size_t kSize = 1664;
    static constexpr std::int32_t kMax = 150;

    std::int32_t count = 0;                                  // offset 0, 0..150
    std::array<std::int32_t, kMax> draws{};                  // offset 4 + 4k
    std::array<std::array<std::uint8_t, 7>, kMax> allowed{}; // offset 604 + 7k, flag per score
    std::int32_t maxErrors = 0;                              // offset 1656
    std::uint8_t excludeJolly = 0;                           // offset 1660, 1 = the Jolly does not count
    std::uint8_t excludeSuperStar = 0;                       // offset 1661
};

inline constexpr const char* kArchiveComparisonFile = "ConfStoSE.def";

void EncodeRecord(const ArchiveComparison& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, ArchiveComparison& record);

// 20 latest draws allowing 1 and 2, 60 allowing 2 and 3, no error, Jolly and SuperStar excluded.
ArchiveComparison ArchiveComparisonBuiltIn();
// The whole record from the defaults file, or the built-in defaults when it cannot be read whole.
ArchiveComparison ArchiveComparisonDefaults(const std::string& path);
bool WriteArchiveComparisonFile(const std::string& path, const ArchiveComparison& record);
