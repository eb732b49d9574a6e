#include "archive/archive_file.h"

#include "archive/replace_file.h"
#include "core/Globali.h"

#include <fstream>
#include <iterator>
#include <system_error>

std::vector<std::uint8_t> EncodeArchive(const DrawArchive& archive, RandomGenerator& random) {
    std::vector<std::uint8_t> image(kArchiveFillerSize + kDrawRecordSize * archive.records().size());
    for (std::size_t i = 0; i < kArchiveFillerSize; ++i)
        image[i] = static_cast<std::uint8_t>(random.next() & 0xFF);
    std::size_t at = kArchiveFillerSize;
    for (const DrawRecord& r : archive.records()) {
        SerializeDrawRecord(r, std::span<std::uint8_t, kDrawRecordSize>(image.data() + at, kDrawRecordSize));
        at += kDrawRecordSize;
    }
    return image;
}

ArchiveLoadResult DecodeArchive(std::span<const std::uint8_t> image, DrawArchive& archive) {
    archive.clear();
    ArchiveLoadResult result;
    result.read = true;
    if (image.size() < kArchiveFillerSize) return result;
    const std::size_t records = (image.size() - kArchiveFillerSize) / kDrawRecordSize;
    for (std::size_t i = 0; i < records && !archive.full(); ++i) {
        const DrawRecord r = DeserializeDrawRecord(std::span<const std::uint8_t, kDrawRecordSize>(
            image.data() + kArchiveFillerSize + i * kDrawRecordSize, kDrawRecordSize));
        // A damaged record is dropped rather than trusted: readers index numbers 1..90 directly and
        // rely on strictly increasing dates.
        if (!IsSoundDrawRecord(r) || (!archive.empty() && CompareDrawDates(r, archive.last()) <= 0)) {
            ++result.skipped;
            continue;
        }
        archive.appendUnchecked(r);
        ++result.loaded;
    }
    return result;
}

ArchiveLoadResult loadArchive(DrawArchive& archive, const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        archive.clear();
        return {};
    }
    std::vector<std::uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        archive.clear();
        return {};
    }
    const ArchiveLoadResult result = DecodeArchive(image, archive);
    return result;
}

bool saveArchive(const DrawArchive& archive, const std::filesystem::path& path, RandomGenerator& random) {
    const std::vector<std::uint8_t> image = EncodeArchive(archive, random);
    return WriteFileReplacing(path, image);
}

std::filesystem::path ArchivePath(const Directories& dirs) {
    return std::filesystem::path(dirs.sharedDataDir) / kArchiveFileName;
}

ArchiveLoadResult loadArchive(Globali& g) {
    return loadArchive(g.archive, ArchivePath(g.dirs));
}

bool saveArchive(Globali& g) {
    return saveArchive(g.archive, ArchivePath(g.dirs), g.random);
}

bool InstallShippedFileIfMissing(const Directories& dirs, const char* name) {
    if (dirs.sharedDataDir.empty()) return false;
    const std::filesystem::path target = std::filesystem::path(dirs.sharedDataDir) / name;
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) return true;
    std::filesystem::create_directories(dirs.sharedDataDir, ec);
    return CopyFileReplacing(std::filesystem::path(dirs.appDir) / "data" / name, target);
}

bool InstallShippedArchiveIfMissing(const Directories& dirs) {
    return InstallShippedFileIfMissing(dirs, kArchiveFileName);
}
