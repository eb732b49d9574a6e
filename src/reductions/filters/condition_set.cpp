#include "reductions/filters/condition_set.h"

#include "core/binary_io.h"

#include <cstring>

namespace {

constexpr std::size_t kLowCountsOffset = 25;     // conditions 0..3
constexpr std::size_t kIntervalsOffset = 56;     // conditions 4..14, after 3 bytes padding
constexpr std::size_t kHighCountsOffset = 17744; // conditions 15..23
static_assert(kLowCountsOffset + 4 * 7 + 3 == kIntervalsOffset);
static_assert(kIntervalsOffset + 11 * ValueIntervals::kSize == kHighCountsOffset);
static_assert(kHighCountsOffset + 9 * 7 == kAllowedFailuresOffset);
static_assert(kAllowedFailuresOffset + 25 == ConditionSet::kSize);

void EncodeIntervals(const ValueIntervals& v, std::span<std::uint8_t> out, std::size_t at) {
    for (std::size_t i = 0; i < ValueIntervals::kMax; ++i) {
        binio::PutF64(out, at + 8 * i, v.minimum[i]);
        binio::PutF64(out, at + 800 + 8 * i, v.maximum[i]);
    }
    binio::PutI32(out, at + 1600, v.count);
}

void DecodeIntervals(std::span<const std::uint8_t> in, ValueIntervals& v, std::size_t at) {
    for (std::size_t i = 0; i < ValueIntervals::kMax; ++i) {
        v.minimum[i] = binio::GetF64(in, at + 8 * i);
        v.maximum[i] = binio::GetF64(in, at + 800 + 8 * i);
    }
    v.count = binio::Clamp(binio::GetI32(in, at + 1600), 0, ValueIntervals::kMax);
}

} // namespace

std::size_t ConditionCountsOffset(int condition) {
    return condition < ConditionSet::kFirstInterval
               ? kLowCountsOffset + 7 * static_cast<std::size_t>(condition)
               : kHighCountsOffset +
                     7 * static_cast<std::size_t>(condition - ConditionSet::kLastInterval - 1);
}

std::size_t ConditionIntervalsOffset(int condition) {
    return kIntervalsOffset +
           ValueIntervals::kSize * static_cast<std::size_t>(condition - ConditionSet::kFirstInterval);
}

void EncodeRecord(const ConditionSet& record, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + ConditionSet::kSize, std::uint8_t{0});
    std::memcpy(&out[0], record.enabled.data(), 25);
    for (int k = 0; k < ConditionSet::kConditions; ++k) {
        if (ConditionSet::isIntervalCondition(k))
            EncodeIntervals(record.intervalsOf(k), out, ConditionIntervalsOffset(k));
        else
            std::memcpy(&out[ConditionCountsOffset(k)],
                        record.allowedCounts[static_cast<std::size_t>(k)].data(), 7);
    }
    std::memcpy(&out[kAllowedFailuresOffset], record.allowedFailures.data(), 25);
}

void DecodeRecord(std::span<const std::uint8_t> in, ConditionSet& record) {
    record = {};
    std::memcpy(record.enabled.data(), &in[0], 25);
    for (int k = 0; k < ConditionSet::kConditions; ++k) {
        if (ConditionSet::isIntervalCondition(k))
            DecodeIntervals(in, record.intervalsOf(k), ConditionIntervalsOffset(k));
        else
            std::memcpy(record.allowedCounts[static_cast<std::size_t>(k)].data(),
                        &in[ConditionCountsOffset(k)], 7);
    }
    std::memcpy(record.allowedFailures.data(), &in[kAllowedFailuresOffset], 25);
}

ConditionSet ConditionSetDefaults(const std::string& path) {
    ConditionSet record;
    if (const auto bytes = binio::ReadFilePrefix(path, ConditionSet::kSize)) DecodeRecord(*bytes, record);
    return record;
}

bool WriteConditionSetFile(const std::string& path, const ConditionSet& record) {
    std::vector<std::uint8_t> bytes(ConditionSet::kSize);
    EncodeRecord(record, bytes);
    return binio::WriteFileAtomically(path, bytes);
}
