#include "reductions/statistical/stat_filter.h"

#include "core/binary_io.h"

namespace {

constexpr std::size_t kMinimaOffset = 8;
constexpr std::size_t kMaximaOffset = 808;
constexpr std::size_t kFrozenOffset = 1608;
static_assert(kMaximaOffset == kMinimaOffset + 8 * IntervalList::kMax);
static_assert(kFrozenOffset == kMaximaOffset + 8 * IntervalList::kMax);
static_assert(kFrozenOffset + 4 * 90 == StatFilter::kSize);
static_assert(kIntervalsFileSize == 4 + 16 * IntervalList::kMax);

} // namespace

void EncodeIntervals(const IntervalList& intervals, std::span<std::uint8_t> out, std::size_t countOffset) {
    binio::PutI32(out, countOffset, intervals.count);
    for (std::size_t i = 0; i < IntervalList::kMax; ++i) {
        binio::PutF64(out, kMinimaOffset + 8 * i, intervals.minimum[i]);
        binio::PutF64(out, kMaximaOffset + 8 * i, intervals.maximum[i]);
    }
}

void DecodeIntervals(std::span<const std::uint8_t> in, IntervalList& intervals, std::size_t countOffset) {
    // A damaged count must not let a window walk past the hundred entries.
    intervals.count = binio::Clamp(binio::GetI32(in, countOffset), 0, IntervalList::kMax);
    for (std::size_t i = 0; i < IntervalList::kMax; ++i) {
        intervals.minimum[i] = binio::GetF64(in, kMinimaOffset + 8 * i);
        intervals.maximum[i] = binio::GetF64(in, kMaximaOffset + 8 * i);
    }
}

std::optional<IntervalList> ReadIntervalsFile(const std::string& path) {
    const auto bytes = binio::ReadFilePrefix(path, kIntervalsFileSize);
    if (!bytes) return std::nullopt;
    const std::int32_t count = binio::GetI32(*bytes, 0);
    if (count < 0 || count > IntervalList::kMax) return std::nullopt;
    // The file is the record's bytes 8..1607 preceded by the count: shift it into record offsets.
    std::array<std::uint8_t, kFrozenOffset> record{};
    std::copy(bytes->begin() + 4, bytes->end(), record.begin() + kMinimaOffset);
    IntervalList intervals;
    DecodeIntervals(record, intervals, 0);
    intervals.count = count;
    return intervals;
}

bool WriteIntervalsFile(const std::string& path, const IntervalList& intervals) {
    std::array<std::uint8_t, kFrozenOffset> record{};
    EncodeIntervals(intervals, record, 0);
    std::array<std::uint8_t, kIntervalsFileSize> file{};
    binio::PutI32(file, 0, intervals.count);
    std::copy(record.begin() + kMinimaOffset, record.end(), file.begin() + 4);
    return binio::WriteFileAtomically(path, file);
}

void EncodeRecord(const StatFilter& record, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + StatFilter::kSize, std::uint8_t{0});
    EncodeIntervals(record.intervals, out, 0);
    for (std::size_t i = 0; i < 90; ++i) binio::PutI32(out, kFrozenOffset + 4 * i, record.frozen[i]);
}

void DecodeRecord(std::span<const std::uint8_t> in, StatFilter& record) {
    DecodeIntervals(in, record.intervals, 0);
    for (std::size_t i = 0; i < 90; ++i) record.frozen[i] = binio::GetI32(in, kFrozenOffset + 4 * i);
}

StatFilter StatFilterDefaults(const std::string& intervalsFilePath) {
    StatFilter record;
    record.frozen[0] = StatFilter::kNotFrozen;
    if (auto intervals = ReadIntervalsFile(intervalsFilePath)) record.intervals = *intervals;
    return record;
}
