#include "core/system_file.h"

#include "core/Globali.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {

constexpr std::size_t kVersion3CountOffset = 31956;
constexpr std::size_t kComparisonBlockIndex = 5; // version 2 kept its extra block after this one

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The fixed part of the file, in memory as it is on disk (version 3 layout).
std::vector<std::uint8_t> EncodeHeader(const SystemState& system, const SettingsBlocks& blocks) {
    std::vector<std::uint8_t> header(SystemHeaderSize(kSystemFileVersion));
    binio::PutU8(header, 0, kSystemFileVersion);
    binio::PutI32(header, kFixedCountOffset, system.fixed.count);
    std::copy(system.fixed.numbers.begin(), system.fixed.numbers.end(), header.begin() + kFixedNumbersOffset);
    std::copy(system.forecast.flags.begin(), system.forecast.flags.end(), header.begin() + kForecastOffset);
    binio::PutF64(header, kRelativeProbabilityOffset, system.relativeWinProbability);
    binio::PutF64(header, kAbsoluteProbabilityOffset, system.absoluteWinProbability);
    std::size_t at = kFirstBlockOffset;
    for (const auto& entry : SystemFileBlocks()) {
        entry.encode(blocks, std::span<std::uint8_t>(header).subspan(at, entry.size));
        at += entry.size;
    }
    binio::PutI32(header, at, system.columns.count);
    return header;
}

// What a sound header holds; read fully before anything of the current system changes.
struct DecodedHeader {
    FixedNumbers fixed;
    ForecastFlags forecast;
    double relative = -1;
    double absolute = -1;
    std::unique_ptr<SettingsBlocks> blocks = std::make_unique<SettingsBlocks>();
    std::int32_t count = 0;
};

bool DecodeHeader(std::span<const std::uint8_t> header, int version, DecodedHeader& out) {
    out.fixed.count = binio::GetI32(header, kFixedCountOffset);
    if (out.fixed.count < 0 || out.fixed.count > 5) return false;
    for (std::size_t i = 0; i < 5; ++i) {
        out.fixed.numbers[i] = header[kFixedNumbersOffset + i];
        if (out.fixed.numbers[i] > kMaxNumber) return false;
    }
    for (std::size_t i = 0; i < kMaxNumber; ++i) {
        out.forecast.flags[i] = header[kForecastOffset + i];
        if (out.forecast.flags[i] > 1) return false;
    }
    out.relative = binio::GetF64(header, kRelativeProbabilityOffset);
    out.absolute = binio::GetF64(header, kAbsoluteProbabilityOffset);
    std::size_t at = kFirstBlockOffset;
    const auto entries = SystemFileBlocks();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].decode(header.subspan(at, entries[i].size), *out.blocks);
        at += entries[i].size;
        if (version == 2 && i == kComparisonBlockIndex) at += kVersion2BlockSize;
    }
    out.count = binio::GetI32(header, at);
    return true;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// Floppy drives are slow and usually empty: their files are never listed.
bool OnDriveA(const std::string& path) {
    return HasDriveLetter(path) && (path[0] == 'a' || path[0] == 'A');
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::size_t SystemColumnCountOffset(int version) {
    return version == 2 ? kVersion3CountOffset + kVersion2BlockSize : kVersion3CountOffset;
}

static_assert(kVersion2BlockOffset == kFirstBlockOffset + 4 * 1968 + 2328 + 1664);

bool WriteSystemFile(binio::AtomicFileWriter& writer, const SystemState& system, const SettingsBlocks& blocks,
                     const MessagePump& pump) {
    const auto header = EncodeHeader(system, blocks);
    if (!writer.write(header)) return false;
    const Column* items = system.columns.items();
    const auto count = static_cast<std::size_t>(std::max(system.columns.count, 0));
    for (std::size_t done = 0; done < count;) {
        const std::size_t chunk = std::min(kColumnsPerChunk, count - done);
        if (!writer.write(items + done, chunk * sizeof(Column))) return false;
        done += chunk;
        if (pump) pump();
    }
    return true;
}

bool SaveSystemWith(Globali& g, binio::AtomicFileWriter& writer, const MessagePump& pump) {
    if (!writer.open()) return false;
    if (!WriteSystemFile(writer, g.system, g.blocks, pump)) {
        writer.abandon();
        return false;
    }
    if (!writer.commit()) return false;
    g.system.modified = false;
    return true;
}

bool SaveSystem(Globali& g, const MessagePump& pump) {
    binio::AtomicFileWriter writer(g.system.currentPath);
    return SaveSystemWith(g, writer, pump);
}

bool LoadSystem(Globali& g, const MessagePump& pump) {
    File file(std::fopen(g.system.currentPath.c_str(), "rb"));
    if (!file) return false;
    std::uint8_t version = 0;
    if (std::fread(&version, 1, 1, file.get()) != 1) return false;
    if (version != 2 && version != 3) {
        g.messages.show({"Errore", kIncompatibleVersionText, MessageIcon::Warning, MessageButtons::Ok,
                         MessageAnswer::Ok});
        return false;
    }
    std::vector<std::uint8_t> header(SystemHeaderSize(version));
    header[0] = version;
    if (std::fread(header.data() + 1, 1, header.size() - 1, file.get()) != header.size() - 1) return false;
    DecodedHeader decoded;
    if (!DecodeHeader(header, version, decoded)) return false;

    // The count must be backed by the file's own bytes: a damaged count never brings in columns
    // from outside the file, nor asks for memory the file cannot fill.
    std::error_code ec;
    const auto fileSize = std::filesystem::file_size(g.system.currentPath, ec);
    if (ec || fileSize < header.size() || decoded.count < 0) return false;
    const auto available = (fileSize - header.size()) / sizeof(Column);
    if (static_cast<std::uintmax_t>(decoded.count) > available) return false;

    ColumnStore& store = g.system.columns;
    store.count = 0;
    if (!EnsureCapacity(store, std::int64_t{decoded.count} + 1, g.messages)) return false;
    Column* items = store.items();
    const auto count = static_cast<std::size_t>(decoded.count);
    for (std::size_t done = 0; done < count;) {
        const std::size_t chunk = std::min(kColumnsPerChunk, count - done);
        if (std::fread(items + done, sizeof(Column), chunk, file.get()) != chunk) return false;
        if (!std::all_of(items + done, items + done + chunk, IsNormalColumn)) return false;
        done += chunk;
        if (pump) pump();
    }

    g.system.fixed = decoded.fixed;
    g.system.forecast = decoded.forecast;
    g.system.relativeWinProbability = decoded.relative;
    g.system.absoluteWinProbability = decoded.absolute;
    FilterColumnList filterColumns = std::move(g.blocks.filterColumns); // not part of a system
    g.blocks = std::move(*decoded.blocks);
    g.blocks.filterColumns = std::move(filterColumns);
    store.count = decoded.count;
    store.lastFound = 0;
    g.system.modified = false;
    return true;
}

std::string DefaultSystemPath(const std::string& folder) {
    for (int k = 1;; ++k) {
        std::string candidate = folder + "Sistema" + std::to_string(k) + ".sxv";
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec)) return candidate;
    }
}

void NewSystem(Globali& g, const NewSystemOptions& options) {
    SystemState& s = g.system;
    s.columns.count = 0;
    s.columns.lastFound = 0;
    s.fixed.clear();
    s.forecast.clear();

    std::string folder = options.initialDir;
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) folder = g.dirs.appDir;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += static_cast<char>(std::filesystem::path::preferred_separator);
    s.currentPath = DefaultSystemPath(folder);

    ResetSettingsBlocks(g.blocks, {g.dirs.userDataDir, options.proFreMode, options.proRitMode});
    s.modified = false;
    s.relativeWinProbability = -1;
    s.absoluteWinProbability = -1;
    s.superStar = false;
}

bool OpenSystem(Globali& g, const std::string& path, const NewSystemOptions& options,
                const MessagePump& pump) {
    NewSystem(g, options);
    const std::string defaultPath = g.system.currentPath;
    g.system.currentPath = path;
    const bool loaded = LoadSystem(g, pump);
    if (!loaded) {
        // The load changes nothing until the whole file proved sound, so the system is still the
        // fresh one; only its name has to come back.
        g.system.columns.count = 0;
        g.system.currentPath = defaultPath;
        g.messages.show(
            {"Attenzione", kOpenFailedText, MessageIcon::Error, MessageButtons::Ok, MessageAnswer::Ok});
    }
    g.system.modified = false;
    return loaded;
}

std::string RecentFileCaption(const std::string& path) {
    const std::string name = FileNameOf(path);
    if (HasDriveLetter(path)) return std::string(1, path[0]) + ":\\..\\" + name;
    return "/../" + name;
}

std::optional<RecentFileValues>
RebuildRecentFiles(RecentFileItems& items, const RecentFileValues& stored, const std::string& currentPath,
                   const std::string* newPath, const std::function<bool(const std::string&)>& fileExists) {
    for (std::size_t k = 0; k < items.size(); ++k) {
        items[k] = RecentFileItem{};
        const std::string value = Trimmed(stored[k]);
        if (value.empty() || OnDriveA(value) || !fileExists(value)) continue;
        if (EqualIgnoringCase(value, currentPath)) continue;
        items[k] = {RecentFileCaption(value), value, true};
    }
    if (!newPath || newPath->empty() || OnDriveA(*newPath) || !fileExists(*newPath)) return std::nullopt;
    for (const auto& item : items)
        if (EqualIgnoringCase(item.path, *newPath)) return std::nullopt;
    std::move_backward(items.begin(), items.end() - 1, items.end());
    items[0] = {RecentFileCaption(*newPath), *newPath, !EqualIgnoringCase(*newPath, currentPath)};
    RecentFileValues values;
    for (std::size_t k = 0; k < items.size(); ++k) values[k] = items[k].path;
    return values;
}
