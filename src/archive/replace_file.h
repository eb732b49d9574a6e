#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

// Writes the whole file next to its final place and renames it over the old one, so a failed
// write (full disk, no permission) leaves the previous file untouched. False on any failure.
bool WriteFileReplacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Copies `from` to `to` the same way; false when `from` cannot be read or `to` cannot be written.
bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
