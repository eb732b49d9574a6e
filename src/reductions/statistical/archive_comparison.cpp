#include "reductions/statistical/archive_comparison.h"

#include "core/binary_io.h"

#include <cstring>

namespace {

constexpr std::size_t kDrawsOffset = 4;
constexpr std::size_t kAllowedOffset = 604;
constexpr std::size_t kMaxErrorsOffset = 1656;
constexpr std::size_t kJollyOffset = 1660;
constexpr std::size_t kSuperStarOffset = 1661;
static_assert(kAllowedOffset == kDrawsOffset + 4 * ArchiveComparison::kMax);
static_assert(kAllowedOffset + 7 * ArchiveComparison::kMax + 2 == kMaxErrorsOffset);
static_assert(kSuperStarOffset + 3 == ArchiveComparison::kSize);

} // namespace

void EncodeRecord(const ArchiveComparison& record, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + ArchiveComparison::kSize, std::uint8_t{0});
    binio::PutI32(out, 0, record.count);
    for (std::size_t k = 0; k < ArchiveComparison::kMax; ++k) {
        binio::PutI32(out, kDrawsOffset + 4 * k, record.draws[k]);
        std::memcpy(&out[kAllowedOffset + 7 * k], record.allowed[k].data(), 7);
    }
    binio::PutI32(out, kMaxErrorsOffset, record.maxErrors);
    binio::PutU8(out, kJollyOffset, record.excludeJolly);
    binio::PutU8(out, kSuperStarOffset, record.excludeSuperStar);
}

void DecodeRecord(std::span<const std::uint8_t> in, ArchiveComparison& record) {
    record.count = binio::Clamp(binio::GetI32(in, 0), 0, ArchiveComparison::kMax);
    for (std::size_t k = 0; k < ArchiveComparison::kMax; ++k) {
        record.draws[k] = binio::GetI32(in, kDrawsOffset + 4 * k);
        std::memcpy(record.allowed[k].data(), &in[kAllowedOffset + 7 * k], 7);
    }
    record.maxErrors = binio::GetI32(in, kMaxErrorsOffset);
    record.excludeJolly = binio::GetU8(in, kJollyOffset);
    record.excludeSuperStar = binio::GetU8(in, kSuperStarOffset);
}

ArchiveComparison ArchiveComparisonBuiltIn() {
    ArchiveComparison record;
    record.count = 2;
    record.draws[0] = 20;
    record.allowed[0][1] = record.allowed[0][2] = 1;
    record.draws[1] = 60;
    record.allowed[1][2] = record.allowed[1][3] = 1;
    record.excludeJolly = 1;
    record.excludeSuperStar = 1;
    return record;
}

ArchiveComparison ArchiveComparisonDefaults(const std::string& path) {
    const auto bytes = binio::ReadFilePrefix(path, ArchiveComparison::kSize);
    if (!bytes) return ArchiveComparisonBuiltIn();
    const std::int32_t count = binio::GetI32(*bytes, 0);
    if (count < 0 || count > ArchiveComparison::kMax) return ArchiveComparisonBuiltIn();
    ArchiveComparison record;
    DecodeRecord(*bytes, record);
    return record;
}

bool WriteArchiveComparisonFile(const std::string& path, const ArchiveComparison& record) {
    std::array<std::uint8_t, ArchiveComparison::kSize> bytes{};
    EncodeRecord(record, bytes);
    return binio::WriteFileAtomically(path, bytes);
}
