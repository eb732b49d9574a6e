#include "reductions/statistical/prob_stat_filter.h"

#include "core/binary_io.h"

namespace {

constexpr std::size_t kModeOffset = 0;
constexpr std::size_t kProbCountOffset = 4;
constexpr std::size_t kFrozenOffset = 1608;
constexpr std::size_t kProbabilityOffset = 1608;
static_assert(kFrozenOffset + 4 * 90 == ProbStatFilter::kSize);
static_assert(kProbabilityOffset + 8 * 90 == PersonalFilter::kSize);
static_assert(kPersonalProbabilitiesFileSize == 8 * 90);

} // namespace

void EncodeRecord(const ProbStatFilter& record, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + ProbStatFilter::kSize, std::uint8_t{0});
    EncodeIntervals(record.intervals, out, kProbCountOffset);
    binio::PutU8(out, kModeOffset, record.mode);
    for (std::size_t i = 0; i < 90; ++i) binio::PutI32(out, kFrozenOffset + 4 * i, record.frozen[i]);
}

void DecodeRecord(std::span<const std::uint8_t> in, ProbStatFilter& record) {
    DecodeIntervals(in, record.intervals, kProbCountOffset);
    // Only three ways of deriving probabilities exist; anything else is read as the first.
    const std::uint8_t mode = binio::GetU8(in, kModeOffset);
    record.mode = mode <= 2 ? mode : 0;
    for (std::size_t i = 0; i < 90; ++i) record.frozen[i] = binio::GetI32(in, kFrozenOffset + 4 * i);
}

ProbStatFilter ProbStatFilterDefaults(const std::string& intervalsFilePath, std::int32_t mode,
                                      double defaultMin, double defaultMax) {
    ProbStatFilter record;
    record.mode = mode >= 0 && mode <= 2 ? static_cast<std::uint8_t>(mode) : 0;
    record.frozen[0] = StatFilter::kNotFrozen;
    if (auto intervals = ReadIntervalsFile(intervalsFilePath)) record.intervals = *intervals;
    if (record.intervals.count == 0) record.intervals.setSingle(defaultMin, defaultMax);
    return record;
}

void EncodeRecord(const PersonalFilter& record, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + PersonalFilter::kSize, std::uint8_t{0});
    EncodeIntervals(record.intervals, out, 0);
    for (std::size_t i = 0; i < 90; ++i)
        binio::PutF64(out, kProbabilityOffset + 8 * i, record.probability[i]);
}

void DecodeRecord(std::span<const std::uint8_t> in, PersonalFilter& record) {
    DecodeIntervals(in, record.intervals, 0);
    for (std::size_t i = 0; i < 90; ++i)
        record.probability[i] = binio::GetF64(in, kProbabilityOffset + 8 * i);
}

PersonalFilter PersonalFilterDefaults(const std::string& intervalsFilePath) {
    PersonalFilter record;
    if (auto intervals = ReadIntervalsFile(intervalsFilePath)) record.intervals = *intervals;
    if (record.intervals.count == 0) record.intervals.setSingle(75, 100);
    record.probability.fill(PersonalFilter::kDefaultProbability);
    return record;
}

std::optional<std::array<double, 90>> ReadPersonalProbabilitiesFile(const std::string& path) {
    const auto bytes = binio::ReadFilePrefix(path, kPersonalProbabilitiesFileSize);
    if (!bytes) return std::nullopt;
    std::array<double, 90> probability{};
    for (std::size_t i = 0; i < 90; ++i) probability[i] = binio::GetF64(*bytes, 8 * i);
    return probability;
}

bool WritePersonalProbabilitiesFile(const std::string& path, const std::array<double, 90>& probability) {
    std::array<std::uint8_t, kPersonalProbabilitiesFileSize> bytes{};
    for (std::size_t i = 0; i < 90; ++i) binio::PutF64(bytes, 8 * i, probability[i]);
    return binio::WriteFileAtomically(path, bytes);
}
