#pragma once

#include "archive/draw_archive.h"
#include "core/random.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

struct Directories;
struct Globali;

inline constexpr const char* kArchiveFileName = "Sestavia.dbs";
inline constexpr std::size_t kArchiveFillerSize = 101;

struct ArchiveLoadResult {
    bool read = false; // false: no file or unreadable, the archive is empty
    int loaded = 0;
    int skipped = 0; // damaged records left out (impossible dates or numbers, dates out of order)
};

// The file image: 101 filler bytes from the generator, then the records in order.
std::vector<std::uint8_t> EncodeArchive(const DrawArchive& archive, RandomGenerator& random);
// Replaces the archive with the sound records of a file image. A trailing partial record is
// ignored, an image shorter than the filler gives an empty archive, at most 15000 records are kept.
ArchiveLoadResult DecodeArchive(std::span<const std::uint8_t> image, DrawArchive& archive);

// The whole file is read and written in one go (about 60 KB): too quick to need yielding.
ArchiveLoadResult loadArchive(DrawArchive& archive, const std::filesystem::path& path);
// Writes through a temporary file in the same folder: a failed save keeps the previous file.
bool saveArchive(const DrawArchive& archive, const std::filesystem::path& path, RandomGenerator& random);

// The program's archive file: SharedDataDir/Sestavia.dbs.
std::filesystem::path ArchivePath(const Directories& dirs);
ArchiveLoadResult loadArchive(Globali& g);
bool saveArchive(Globali& g);

// First start: the history shipped in AppDir/data becomes the user's archive. Nothing happens when
// SharedDataDir already has one. False when a copy was needed and failed.
bool InstallShippedArchiveIfMissing(const Directories& dirs);

// Copies AppDir/data/<name> into SharedDataDir when SharedDataDir has no such file.
bool InstallShippedFileIfMissing(const Directories& dirs, const char* name);
