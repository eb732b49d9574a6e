#pragma once

#include "reductions/statistical/stat_filter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The probabilistic reductions by frequencies and by delays: a StatFilter whose first byte holds
// how probabilities are derived from the frozen statistic (0, 1 or 2).
struct ProbStatFilter {
    static constexpr std::size_t kSize = 1968;

    std::uint8_t mode = 0;                 // offset 0, three zero bytes after it
    IntervalList intervals;                // count at 4, minima at 8, maxima at 808
    std::array<std::int32_t, 90> frozen{}; // at 1608; frozen[0] == StatFilter::kNotFrozen until first use

    bool isFrozen() const { return frozen[0] != StatFilter::kNotFrozen; }
};

inline constexpr const char* kProbFrequencyIntervalsFile = "Sestavia.ipf";
inline constexpr const char* kProbDelayIntervalsFile = "Sestavia.ipr";

void EncodeRecord(const ProbStatFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, ProbStatFilter& record);

// A new system's record: the mode of its per-window value, nothing frozen, the intervals of the
// file or, without any, the single interval [defaultMin, defaultMax].
ProbStatFilter ProbStatFilterDefaults(const std::string& intervalsFilePath, std::int32_t mode,
                                      double defaultMin, double defaultMax);

// The personalised probabilities reduction: intervals of the mean and the user's probability of
// every number, in percent.
struct PersonalFilter {
    static constexpr std::size_t kSize = 2328;
    static constexpr double kDefaultProbability = 50;

    IntervalList intervals;               // count at 0 (4 bytes padding), minima at 8, maxima at 808
    std::array<double, 90> probability{}; // numbers 1..90, at 1608
};

inline constexpr const char* kPersonalIntervalsFile = "Sestavia.ipp";
// Only the probabilities: written by "Imposta come predefinite", read by "Ripristina predefinite".
inline constexpr const char* kPersonalProbabilitiesFile = "Probabilita.def";
inline constexpr std::size_t kPersonalProbabilitiesFileSize = 720;

void EncodeRecord(const PersonalFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, PersonalFilter& record);

// Intervals of "Sestavia.ipp" or [75, 100]; every probability 50 (the probabilities file is not
// read by a new system).
PersonalFilter PersonalFilterDefaults(const std::string& intervalsFilePath);

std::optional<std::array<double, 90>> ReadPersonalProbabilitiesFile(const std::string& path);
bool WritePersonalProbabilitiesFile(const std::string& path, const std::array<double, 90>& probability);
