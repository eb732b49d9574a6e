#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Little-endian field access on fixed-size records. Every binary file of the program is read and
// written through these, so no layout depends on the compiler's padding or the host's byte order.
namespace binio {

inline void PutU8(std::span<std::uint8_t> out, std::size_t offset, std::uint8_t v) {
    out[offset] = v;
}

inline void PutI32(std::span<std::uint8_t> out, std::size_t offset, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i) out[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline void PutF64(std::span<std::uint8_t> out, std::size_t offset, double v) {
    const auto u = std::bit_cast<std::uint64_t>(v);
    for (std::size_t i = 0; i < 8; ++i) out[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline std::uint8_t GetU8(std::span<const std::uint8_t> in, std::size_t offset) {
    return in[offset];
}

inline std::int32_t GetI32(std::span<const std::uint8_t> in, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= std::uint32_t{in[offset + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

inline double GetF64(std::span<const std::uint8_t> in, std::size_t offset) {
    std::uint64_t u = 0;
    for (std::size_t i = 0; i < 8; ++i) u |= std::uint64_t{in[offset + i]} << (8 * i);
    return std::bit_cast<double>(u);
}

inline std::int32_t Clamp(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// The first `size` bytes of the file, or nothing when it cannot be opened or is shorter.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t size);

// The whole file up to `maxBytes`, or nothing when it cannot be read or is longer.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Writes a file so that an existing one is replaced only by a complete new one: the bytes go to a
// temporary file in the same folder, which is renamed over the target once every write succeeded.
// Destroying an uncommitted writer removes the temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string target);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    virtual ~AtomicFileWriter();

    bool open();
    // False once any write has failed; later writes are ignored.
    bool write(const void* data, std::size_t size);
    bool write(std::span<const std::uint8_t> bytes) { return write(bytes.data(), bytes.size()); }
    // Closes and renames; false (with the target untouched) when anything failed.
    bool commit();
    // Closes and removes the temporary file; the target is untouched.
    void abandon();

    const std::string& target() const { return target_; }
    const std::string& temporaryPath() const { return temporary_; }

protected:
    // The one place bytes reach the disk; returns how many were written.
    virtual std::size_t rawWrite(std::FILE* file, const void* data, std::size_t size);

private:
    std::string target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Writes a whole small file through AtomicFileWriter.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace binio
