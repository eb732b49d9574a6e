#include "reductions/filters/filter_column_list.h"

#include "core/binary_io.h"

#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 8;
// No user keeps a million filter columns; the bound only stops a damaged count from allocating.
constexpr std::size_t kMaxFileSize = kHeaderSize + FilterColumn::kSize * 1'000'000;

} // namespace

std::vector<std::uint8_t> EncodeFilterColumnFile(const FilterColumnList& list) {
    const auto count = static_cast<std::size_t>(list.count < 0 ? 0 : list.count);
    std::vector<std::uint8_t> bytes(kHeaderSize + FilterColumn::kSize * count);
    binio::PutI32(bytes, 0, static_cast<std::int32_t>(count));
    binio::PutI32(bytes, 4, list.maxErrors);
    for (std::size_t i = 0; i < count && i < list.columns.size(); ++i) {
        std::uint8_t* at = &bytes[kHeaderSize + FilterColumn::kSize * i];
        std::memcpy(at, list.columns[i].numbers.data(), 90);
        std::memcpy(at + 90, list.columns[i].scores.data(), 7);
    }
    return bytes;
}

bool DecodeFilterColumnFile(const std::vector<std::uint8_t>& bytes, FilterColumnList& list) {
    if (bytes.size() < kHeaderSize) return false;
    const std::int32_t count = binio::GetI32(bytes, 0);
    if (count < 0 || static_cast<std::size_t>(count) > (bytes.size() - kHeaderSize) / FilterColumn::kSize)
        return false;
    FilterColumnList decoded;
    decoded.count = count;
    decoded.maxErrors = binio::GetI32(bytes, 4);
    decoded.columns.assign(static_cast<std::size_t>(count) + 1, FilterColumn{});
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const std::uint8_t* at = &bytes[kHeaderSize + FilterColumn::kSize * i];
        std::memcpy(decoded.columns[i].numbers.data(), at, 90);
        std::memcpy(decoded.columns[i].scores.data(), at + 90, 7);
    }
    list = std::move(decoded);
    return true;
}

FilterColumnList FilterColumnListDefaults(const std::string& path) {
    FilterColumnList list;
    if (const auto bytes = binio::ReadWholeFile(path, kMaxFileSize)) DecodeFilterColumnFile(*bytes, list);
    return list;
}

bool WriteFilterColumnFile(const std::string& path, const FilterColumnList& list) {
    return binio::WriteFileAtomically(path, EncodeFilterColumnFile(list));
}
