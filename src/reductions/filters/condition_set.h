#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Up to 100 allowed intervals of one measured value of the conditional reduction.
struct ValueIntervals {
    static constexpr std::size_t kSize = 1608;
    static constexpr std::int32_t kMax = 100;

    std::array<double, kMax> minimum{}; // offset 0
    std::array<double, kMax> maximum{}; // offset 800
    std::int32_t count = 0;             // offset 1600, then 4 bytes padding
};

// The 24 structural conditions of the conditional reduction and the allowed numbers of failures.
struct ConditionSet {
    static constexpr std::size_t kSize = 17832;
    static constexpr int kConditions = 24;
    static constexpr int kErrorsItem = 24;   // enabled[24]: the "Errori consentiti" item
    static constexpr int kFirstInterval = 4; // conditions 4..14 are tested on intervals
    static constexpr int kLastInterval = 14;

    std::array<std::uint8_t, 25> enabled{};                               // offset 0
    std::array<std::array<std::uint8_t, 7>, kConditions> allowedCounts{}; // conditions 0..3 and 15..23 only
    std::array<ValueIntervals, kLastInterval - kFirstInterval + 1> intervals{}; // conditions 4..14
    std::array<std::uint8_t, 25> allowedFailures{}; // offset 17807, failures 0..24

    ValueIntervals& intervalsOf(int condition) {
        return intervals[static_cast<std::size_t>(condition - kFirstInterval)];
    }
    const ValueIntervals& intervalsOf(int condition) const {
        return intervals[static_cast<std::size_t>(condition - kFirstInterval)];
    }
    static bool isIntervalCondition(int condition) {
        return condition >= kFirstInterval && condition <= kLastInterval;
    }
};

inline constexpr const char* kConditionSetFile = "Sestavia.con";

// Where each part lives in the record (and so in the file).
std::size_t ConditionCountsOffset(int condition);    // conditions 0..3, 15..23
std::size_t ConditionIntervalsOffset(int condition); // conditions 4..14
inline constexpr std::size_t kAllowedFailuresOffset = 17807;

void EncodeRecord(const ConditionSet& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, ConditionSet& record);

// The file's record, or an all-zero one (nothing enabled, nothing allowed) when it cannot be read.
ConditionSet ConditionSetDefaults(const std::string& path);
bool WriteConditionSetFile(const std::string& path, const ConditionSet& record);
