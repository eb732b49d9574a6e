#include "core/binary_io.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace binio {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

} // namespace

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t size) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> bytes(size);
    if (size > 0 && std::fread(bytes.data(), 1, size, f.get()) != size) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, f.get());
        if (got == 0) break;
        if (bytes.size() + got > maxBytes) return std::nullopt;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    if (std::ferror(f.get())) return std::nullopt;
    return bytes;
}

AtomicFileWriter::AtomicFileWriter(std::string target) : target_(std::move(target)) {
    // Same folder as the target, so the final rename never crosses file systems.
    temporary_ = target_ + ".tmp~";
}

AtomicFileWriter::~AtomicFileWriter() {
    abandon();
}

bool AtomicFileWriter::open() {
    if (file_) return true;
    file_ = std::fopen(temporary_.c_str(), "wb");
    failed_ = file_ == nullptr;
    return !failed_;
}

bool AtomicFileWriter::write(const void* data, std::size_t size) {
    if (!file_ || failed_) return false;
    if (size == 0) return true;
    if (rawWrite(file_, data, size) != size) failed_ = true;
    return !failed_;
}

std::size_t AtomicFileWriter::rawWrite(std::FILE* file, const void* data, std::size_t size) {
    return std::fwrite(data, 1, size, file);
}

bool AtomicFileWriter::commit() {
    if (!file_) return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed_ || !closed) {
        std::error_code ec;
        std::filesystem::remove(temporary_, ec);
        failed_ = true;
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary_, target_, ec);
    if (ec) {
        std::filesystem::remove(temporary_, ec);
        failed_ = true;
        return false;
    }
    return true;
}

void AtomicFileWriter::abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    AtomicFileWriter writer(path);
    return writer.open() && writer.write(bytes) && writer.commit();
}

} // namespace binio
