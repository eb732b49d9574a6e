#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Up to 100 allowed intervals [minimum, maximum] of a mean statistic.
struct IntervalList {
    static constexpr std::int32_t kMax = 100;
    std::int32_t count = 0; // 0..kMax
    std::array<double, kMax> minimum{};
    std::array<double, kMax> maximum{};

    void setSingle(double lo, double hi) {
        *this = {};
        count = 1;
        minimum[0] = lo;
        maximum[0] = hi;
    }
};

// Intervals file (".irf", ".irr", ".ipf", ".ipr", ".ipp"): count, 100 minima, 100 maxima.
inline constexpr std::size_t kIntervalsFileSize = 1604;

// Nothing when the file is missing, short or holds a count outside 0..100.
std::optional<IntervalList> ReadIntervalsFile(const std::string& path);
bool WriteIntervalsFile(const std::string& path, const IntervalList& intervals);

// Shared by the frequency and delay reductions: the allowed intervals of the mean and the
// statistic of every number frozen when the window was first used in this system.
struct StatFilter {
    static constexpr std::size_t kSize = 1968;
    static constexpr std::int32_t kNotFrozen = -1; // in frozen[0]

    IntervalList intervals;                // count at 0 (4 bytes padding), minima at 8, maxima at 808
    std::array<std::int32_t, 90> frozen{}; // numbers 1..90, at 1608

    bool isFrozen() const { return frozen[0] != kNotFrozen; }
};

inline constexpr const char* kFrequencyIntervalsFile = "Sestavia.irf";
inline constexpr const char* kDelayIntervalsFile = "Sestavia.irr";

void EncodeRecord(const StatFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, StatFilter& record);

// The record of a new system: nothing frozen, the intervals of the file or none.
StatFilter StatFilterDefaults(const std::string& intervalsFilePath);

// The interval lists on disk are the intervals at offsets 0/4 and 8..1607 of the records.
void EncodeIntervals(const IntervalList& intervals, std::span<std::uint8_t> out, std::size_t countOffset);
void DecodeIntervals(std::span<const std::uint8_t> in, IntervalList& intervals, std::size_t countOffset);
