#include "reductions/filters/group_filters.h"

#include "core/binary_io.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kLoOffset = 4;
constexpr std::size_t kHiOffset = 8;
constexpr std::size_t kIntervalAllowedOffset = 372;
constexpr std::size_t kIntervalMaxErrorsOffset = 696;
static_assert(kLoOffset + 8 * IntervalFilter::kMax == kIntervalAllowedOffset);
static_assert(kIntervalAllowedOffset + 7 * IntervalFilter::kMax + 2 == kIntervalMaxErrorsOffset);
static_assert(kIntervalMaxErrorsOffset + 4 == IntervalFilter::kSize);

template <int G> void EncodeGroups(const GroupFlagsFilter<G>& r, std::span<std::uint8_t> out) {
    using R = GroupFlagsFilter<G>;
    std::fill(out.begin(), out.begin() + R::kSize, std::uint8_t{0});
    std::memcpy(&out[0], r.enabled.data(), G);
    for (std::size_t g = 0; g < G; ++g) std::memcpy(&out[R::kAllowedOffset + 7 * g], r.allowed[g].data(), 7);
    binio::PutI32(out, R::kMaxErrorsOffset, r.maxErrors);
}

template <int G> void DecodeGroups(std::span<const std::uint8_t> in, GroupFlagsFilter<G>& r) {
    using R = GroupFlagsFilter<G>;
    std::memcpy(r.enabled.data(), &in[0], G);
    for (std::size_t g = 0; g < G; ++g) std::memcpy(r.allowed[g].data(), &in[R::kAllowedOffset + 7 * g], 7);
    r.maxErrors = binio::GetI32(in, R::kMaxErrorsOffset);
}

template <class R> R AllGroupsBuiltIn() {
    R r;
    for (std::size_t g = 0; g < R::kGroups; ++g) {
        r.enabled[g] = 1;
        r.allowed[g][0] = r.allowed[g][1] = 1;
    }
    return r;
}

template <class R> R FromFileOr(const std::string& path, R (*builtIn)()) {
    const auto bytes = binio::ReadFilePrefix(path, R::kSize);
    if (!bytes) return builtIn();
    R r;
    DecodeRecord(*bytes, r);
    return r;
}

template <class R> bool WriteRecordFile(const std::string& path, const R& r) {
    std::vector<std::uint8_t> bytes(R::kSize);
    EncodeRecord(r, bytes);
    return binio::WriteFileAtomically(path, bytes);
}

} // namespace

void EncodeRecord(const IntervalFilter& r, std::span<std::uint8_t> out) {
    std::fill(out.begin(), out.begin() + IntervalFilter::kSize, std::uint8_t{0});
    binio::PutI32(out, 0, r.count);
    for (std::size_t k = 0; k < IntervalFilter::kMax; ++k) {
        binio::PutI32(out, kLoOffset + 8 * k, r.lo[k]);
        binio::PutI32(out, kHiOffset + 8 * k, r.hi[k]);
        std::memcpy(&out[kIntervalAllowedOffset + 7 * k], r.allowed[k].data(), 7);
    }
    binio::PutI32(out, kIntervalMaxErrorsOffset, r.maxErrors);
}

void DecodeRecord(std::span<const std::uint8_t> in, IntervalFilter& r) {
    r.count = binio::Clamp(binio::GetI32(in, 0), 0, IntervalFilter::kMax);
    for (std::size_t k = 0; k < IntervalFilter::kMax; ++k) {
        r.lo[k] = binio::GetI32(in, kLoOffset + 8 * k);
        r.hi[k] = binio::GetI32(in, kHiOffset + 8 * k);
        std::memcpy(r.allowed[k].data(), &in[kIntervalAllowedOffset + 7 * k], 7);
    }
    r.maxErrors = binio::GetI32(in, kIntervalMaxErrorsOffset);
}

void EncodeRecord(const CadenceFilter& r, std::span<std::uint8_t> out) {
    EncodeGroups(r, out);
}
void DecodeRecord(std::span<const std::uint8_t> in, CadenceFilter& r) {
    DecodeGroups(in, r);
}
void EncodeRecord(const FigureFilter& r, std::span<std::uint8_t> out) {
    EncodeGroups(r, out);
}
void DecodeRecord(std::span<const std::uint8_t> in, FigureFilter& r) {
    DecodeGroups(in, r);
}
void EncodeRecord(const DecadeFilter& r, std::span<std::uint8_t> out) {
    EncodeGroups(r, out);
}
void DecodeRecord(std::span<const std::uint8_t> in, DecadeFilter& r) {
    DecodeGroups(in, r);
}

IntervalFilter IntervalFilterBuiltIn() {
    IntervalFilter r;
    r.count = 3;
    for (std::size_t k = 0; k < 3; ++k) {
        r.lo[k] = static_cast<std::int32_t>(30 * k + 1);
        r.hi[k] = static_cast<std::int32_t>(30 * k + 30);
        r.allowed[k][0] = r.allowed[k][1] = r.allowed[k][2] = 1;
    }
    return r;
}

CadenceFilter CadenceFilterBuiltIn() {
    return AllGroupsBuiltIn<CadenceFilter>();
}
FigureFilter FigureFilterBuiltIn() {
    return AllGroupsBuiltIn<FigureFilter>();
}
DecadeFilter DecadeFilterBuiltIn() {
    return AllGroupsBuiltIn<DecadeFilter>();
}

IntervalFilter IntervalFilterDefaults(const std::string& path) {
    const auto bytes = binio::ReadFilePrefix(path, IntervalFilter::kSize);
    if (!bytes) return IntervalFilterBuiltIn();
    const std::int32_t count = binio::GetI32(*bytes, 0);
    if (count < 0 || count > IntervalFilter::kMax) return IntervalFilterBuiltIn();
    IntervalFilter r;
    DecodeRecord(*bytes, r);
    return r;
}

CadenceFilter CadenceFilterDefaults(const std::string& path) {
    return FromFileOr(path, &CadenceFilterBuiltIn);
}
FigureFilter FigureFilterDefaults(const std::string& path) {
    return FromFileOr(path, &FigureFilterBuiltIn);
}
DecadeFilter DecadeFilterDefaults(const std::string& path) {
    return FromFileOr(path, &DecadeFilterBuiltIn);
}

bool WriteGroupFilterFile(const std::string& path, const IntervalFilter& r) {
    return WriteRecordFile(path, r);
}
bool WriteGroupFilterFile(const std::string& path, const CadenceFilter& r) {
    return WriteRecordFile(path, r);
}
bool WriteGroupFilterFile(const std::string& path, const FigureFilter& r) {
    return WriteRecordFile(path, r);
}
bool WriteGroupFilterFile(const std::string& path, const DecadeFilter& r) {
    return WriteRecordFile(path, r);
}
