#include "reductions/mathematical/substitution_set.h"

#include "core/binary_io.h"

#include <cstring>

namespace {

constexpr std::size_t kReplacementOffset = 600;
constexpr std::size_t kCountOffset = 1200;
constexpr std::size_t kPartialOffset = 1204;
static_assert(kReplacementOffset == 6 * SubstitutionSet::kMax);
static_assert(kCountOffset == kReplacementOffset + 6 * SubstitutionSet::kMax);
static_assert(kPartialOffset + 4 == SubstitutionSet::kSize);

} // namespace

void EncodeRecord(const SubstitutionSet& r, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + SubstitutionSet::kSize, std::uint8_t{0});
    for (std::size_t i = 0; i < SubstitutionSet::kMax; ++i) {
        std::memcpy(&out[6 * i], r.original[i].data(), 6);
        std::memcpy(&out[kReplacementOffset + 6 * i], r.replacement[i].data(), 6);
    }
    binio::PutI32(out, kCountOffset, r.count);
    binio::PutU8(out, kPartialOffset, r.partial);
}

void DecodeRecord(std::span<const std::uint8_t> in, SubstitutionSet& r) {
    for (std::size_t i = 0; i < SubstitutionSet::kMax; ++i) {
        std::memcpy(r.original[i].data(), &in[6 * i], 6);
        std::memcpy(r.replacement[i].data(), &in[kReplacementOffset + 6 * i], 6);
    }
    r.count = binio::Clamp(binio::GetI32(in, kCountOffset), 0, SubstitutionSet::kMax);
    r.partial = binio::GetU8(in, kPartialOffset);
}

SubstitutionSet SubstitutionSetDefaults(const std::string& path) {
    SubstitutionSet r;
    const auto bytes = binio::ReadFilePrefix(path, SubstitutionSet::kSize);
    if (!bytes) return r;
    const std::int32_t count = binio::GetI32(*bytes, kCountOffset);
    if (count < 0 || count > SubstitutionSet::kMax) return r;
    DecodeRecord(*bytes, r);
    return r;
}

bool WriteSubstitutionSetFile(const std::string& path, const SubstitutionSet& r) {
    std::array<std::uint8_t, SubstitutionSet::kSize> bytes{};
    EncodeRecord(r, bytes);
    return binio::WriteFileAtomically(path, bytes);
}
