#pragma once

#include "core/binary_io.h"
#include "core/settings_blocks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct Globali;
struct SystemState;

// The system file ".sxv": version byte, fixed numbers, forecast, the two win probabilities, the
// twelve settings blocks, the column count and the columns. Version 3 is written; version 2, with
// one more block of 1680 bytes after the comparison block, is read.
inline constexpr std::uint8_t kSystemFileVersion = 3;
inline constexpr std::size_t kFixedCountOffset = 1;
inline constexpr std::size_t kFixedNumbersOffset = 5;
inline constexpr std::size_t kForecastOffset = 10;
inline constexpr std::size_t kRelativeProbabilityOffset = 100;
inline constexpr std::size_t kAbsoluteProbabilityOffset = 108;
inline constexpr std::size_t kFirstBlockOffset = 116;
inline constexpr std::size_t kVersion2BlockOffset = 11980; // where version 2 kept its extra block
inline constexpr std::size_t kVersion2BlockSize = 1680;
inline constexpr std::size_t kColumnsPerChunk = 10'000;

// Offset of the column count; the columns follow it.
std::size_t SystemColumnCountOffset(int version);
inline std::size_t SystemHeaderSize(int version) {
    return SystemColumnCountOffset(version) + 4;
}

inline constexpr const char* kIncompatibleVersionText =
    "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.";
inline constexpr const char* kOpenFailedText = "Si è verificato un errore durante l'apertura del sistema.";
inline constexpr const char* kSaveFailedText = "Si è verificato un errore durante il salvataggio del "
                                               "sistema!\rImpossibile scrivere sul disco.\rIl sistema non "
                                               "è stato salvaro";
inline constexpr const char* kSaveQuestionText =
    "Il sistema attuale non è stato salvato!\rSalvare il sistema sul disco ?";

// Lets the window repaint between chunks of a long save or load.
using MessagePump = std::function<void()>;

// Writes the whole file through `writer` (already open); false at the first failed write.
bool WriteSystemFile(binio::AtomicFileWriter& writer, const SystemState& system, const SettingsBlocks& blocks,
                     const MessagePump& pump = {});

// Saves to currentPath through a temporary file renamed over it, so a failed save leaves the
// file on disk as it was. Success clears modified.
bool SaveSystem(Globali& g, const MessagePump& pump = {});
bool SaveSystemWith(Globali& g, binio::AtomicFileWriter& writer, const MessagePump& pump = {});

// Reads currentPath into the system (the caller has started a new system). Nothing of the system
// changes unless the whole file is sound: a known version, a count the file really holds and
// columns of six ascending numbers 1..90. Shows the version message; GrowStore shows its own.
bool LoadSystem(Globali& g, const MessagePump& pump = {});

struct NewSystemOptions {
    std::string initialDir; // the save dialog's folder (documents); AppDir when empty or missing
    std::int32_t proFreMode = 0;
    std::int32_t proRitMode = 0;
};

// folder + "Sistema" k ".sxv" for the smallest k >= 1 naming no existing file.
std::string DefaultSystemPath(const std::string& folder);

// Empties the list, clears forecast, fixed numbers and results, gives the default name and resets
// every settings block from its defaults file. The undo snapshot is kept.
void NewSystem(Globali& g, const NewSystemOptions& options);

// The engine side of "Apri"/"Riapri": new system, then the load. A failed load shows the open
// message and leaves the fresh system under its own default name, so a later save cannot
// overwrite the file that could not be read.
bool OpenSystem(Globali& g, const std::string& path, const NewSystemOptions& options,
                const MessagePump& pump = {});

// Recent files: nine menu items, their paths kept in the values "mrf_1".."mrf_9".
struct RecentFileItem {
    std::string caption = "-";
    std::string path;
    bool visible = false;
};
using RecentFileItems = std::array<RecentFileItem, 9>;
using RecentFileValues = std::array<std::string, 9>;

// "C:\..\Sistema1.sxv" for a path with a drive letter; "/../Sistema1.sxv" for a path without one.
std::string RecentFileCaption(const std::string& path);

// Rebuilds the items from the stored values; when newPath (a file just saved) is given and new to
// the list, it goes on top and the values to store are returned. The current file is never shown.
std::optional<RecentFileValues> RebuildRecentFiles(RecentFileItems& items, const RecentFileValues& stored,
                                                   const std::string& currentPath, const std::string* newPath,
                                                   const std::function<bool(const std::string&)>& fileExists);
