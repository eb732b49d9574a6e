#pragma once

#include "archive/draw_archive.h"
#include "core/global_settings.h"

#include <array>
#include <cstdint>

struct Globali;

// The per-number arrays derived from the archive; numbers index 1..90 (slot 0 unused), digits
// 0..9. Recomputed after every change of the archive or of the statistics settings, never stored.
struct StatisticsArrays {
    std::array<std::int32_t, 91> NumberDelay{};
    std::array<std::int32_t, 91> NumberFrequency{};
    std::array<double, 91> NumberProbability{};
    std::array<std::int32_t, 10> DelayByDigit{};
    std::array<std::int32_t, 10> FrequencyByDigit{};
    std::array<std::int32_t, 91> SuperStarDelay{};
    std::array<std::int32_t, 91> SuperStarFrequency{};
};

// Current, minimum, average (rounded, halves to even) and maximum of a number's delays or of its
// frequencies over the past windows.
struct NumberSummary {
    std::int32_t current = 0;
    std::int32_t minimum = 0;
    std::int32_t average = 0;
    std::int32_t maximum = 0;
    friend bool operator==(const NumberSummary&, const NumberSummary&) = default;
};
using NumberSummaries = std::array<NumberSummary, 91>;

// Which of a draw's extra numbers count as "appearing"; the six numbers always do.
struct AppearanceRule {
    bool countJolly = false;
    bool countSuperStar = false;
};
AppearanceRule DelayRule(const GlobalSettings& s);
AppearanceRule FrequencyRule(const GlobalSettings& s);

// The last min(IFNumEstra, count) draws; never negative.
int FrequencyWindow(const DrawArchive& archive, const GlobalSettings& s);

using NumberCounts = std::array<std::int32_t, 91>;
using DigitCounts = std::array<std::int32_t, 10>;

NumberCounts computeNumberDelays(const DrawArchive& archive, const GlobalSettings& s);
NumberCounts computeNumberFrequencies(const DrawArchive& archive, const GlobalSettings& s);
// The probability score of every number from its delays and frequencies, clamped to 0.51..99.4.
std::array<double, 91> computeNumberProbabilities(const NumberCounts& delays, const NumberCounts& frequencies,
                                                  const GlobalSettings& s);
DigitCounts computeDelayByDigit(const DrawArchive& archive, const GlobalSettings& s);
DigitCounts computeFrequencyByDigit(const DrawArchive& archive, const GlobalSettings& s);
NumberCounts computeSuperStarDelays(const DrawArchive& archive);
NumberCounts computeSuperStarFrequencies(const DrawArchive& archive, const GlobalSettings& s);

// The two four-bar views. The frequency windows all end before the last draw, so an archive no
// longer than the window gives 0 for minimum, average and maximum.
NumberSummaries computeDelaySummaries(const DrawArchive& archive, const GlobalSettings& s);
NumberSummaries computeFrequencySummaries(const DrawArchive& archive, const GlobalSettings& s);

// Every array of StatisticsArrays at once (the digit and SuperStar arrays cost next to nothing).
void recomputeStatistics(const DrawArchive& archive, const GlobalSettings& s, StatisticsArrays& out);

// The same on the program's state.
void recomputeStatistics(Globali& g);
void computeDelayByDigit(Globali& g);
void computeFrequencyByDigit(Globali& g);
