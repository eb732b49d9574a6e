#include "shell/column_import.h"

#include "core/Globali.h"
#include "core/binary_io.h"
#include "core/column_store.h"
#include "core/column_text.h"
#include "core/system_file.h"
#include "shell/column_sort.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>
#include <system_error>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A longer line cannot be a column worth keeping; the cap keeps a file without line ends from
// filling the memory.
constexpr std::size_t kMaxLineLength = 65536;

// Below this many comparisons the plain scan is cheaper than building a table.
constexpr std::int64_t kPlainScanLimit = 4'000'000;

std::uint64_t KeyOf(const Column& c) {
    std::uint64_t key = 0;
    for (int i = 0; i < kColumnSize; ++i) key = (key << 8) | c[i];
    return key | (std::uint64_t{1} << 63); // never 0, the empty slot
}

// Open-addressing set of the listed columns.
class ColumnSet {
public:
    bool build(const Column* items, std::int32_t count, StopPoller& poller, bool& stopped) {
        std::size_t size = 16;
        while (size < static_cast<std::size_t>(count) + static_cast<std::size_t>(count) / 2) size <<= 1;
        try {
            slots_.assign(size, 0);
        } catch (const std::bad_alloc&) {
            return false;
        }
        mask_ = size - 1;
        for (std::int32_t i = 0; i < count; ++i) {
            insert(KeyOf(items[i]));
            if (poller.step(0)) {
                stopped = true;
                return true;
            }
        }
        return true;
    }

    bool contains(std::uint64_t key) const {
        for (std::size_t h = Hash(key) & mask_;; h = (h + 1) & mask_) {
            if (slots_[h] == key) return true;
            if (slots_[h] == 0) return false;
        }
    }

private:
    static std::size_t Hash(std::uint64_t key) {
        key ^= key >> 29;
        key *= 0xbf58476d1ce4e5b9ULL;
        key ^= key >> 32;
        return static_cast<std::size_t>(key);
    }

    void insert(std::uint64_t key) {
        for (std::size_t h = Hash(key) & mask_;; h = (h + 1) & mask_) {
            if (slots_[h] == key) return;
            if (slots_[h] == 0) {
                slots_[h] = key;
                return;
            }
        }
    }

    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
};

// Keeps only the normal columns of [first, first + n), in order; returns how many.
std::int32_t KeepNormal(Column* first, std::int32_t n) {
    return static_cast<std::int32_t>(
        std::remove_if(first, first + n, [](const Column& c) { return !IsNormalColumn(c); }) - first);
}

struct Reader {
    Globali& g;
    OperationHost& host;
    StopPoller poller;
    bool stopped = false;
    bool growthFailed = false;
};

// Text: each line that holds a column becomes the next candidate.
std::int32_t ReadTextCandidates(Reader& r, std::FILE* file, std::uintmax_t fileSize) {
    ColumnStore& store = r.g.system.columns;
    r.host.setProgressMaximum(static_cast<std::int64_t>(fileSize));
    std::int32_t found = 0;
    std::string line;
    bool overlong = false;
    std::int64_t position = 0;
    std::vector<char> buffer(1 << 16);

    auto takeLine = [&]() -> bool {
        Column column;
        if (!overlong && ParseColumnLine(line, column)) {
            if (!EnsureCapacity(store, std::int64_t{store.count} + found + 2, r.g.messages)) {
                r.growthFailed = true;
                return false;
            }
            store.at(store.count + found + 1) = column;
            ++found;
        }
        line.clear();
        overlong = false;
        if (r.poller.step(position)) {
            r.stopped = true;
            return false;
        }
        return true;
    };

    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (got == 0) break;
        for (std::size_t i = 0; i < got; ++i) {
            const char ch = buffer[i];
            ++position;
            if (ch == '\r' || ch == '\n') {
                if (!takeLine()) return found;
            } else if (line.size() < kMaxLineLength) {
                line.push_back(ch);
            } else {
                overlong = true;
            }
        }
    }
    if (!line.empty()) takeLine();
    return found;
}

// System and Duplara files: n six-byte columns from `offset`, read straight into the store.
std::int32_t ReadBinaryCandidates(Reader& r, std::FILE* file, std::size_t offset, std::int64_t n) {
    ColumnStore& store = r.g.system.columns;
    if (n <= 0) return 0;
    if (n > std::numeric_limits<std::int32_t>::max() - std::int64_t{store.count} - 2) n = 0;
    if (!EnsureCapacity(store, std::int64_t{store.count} + n + 1, r.g.messages)) {
        r.growthFailed = true;
        return 0;
    }
    r.host.setProgressMaximum(n);
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return 0;
    std::int32_t found = 0;
    for (std::int64_t done = 0; done < n;) {
        const auto chunk = static_cast<std::int32_t>(std::min<std::int64_t>(kColumnsPerChunk, n - done));
        Column* at = &store.at(store.count + found + 1);
        const auto got =
            static_cast<std::int32_t>(std::fread(at, sizeof(Column), static_cast<std::size_t>(chunk), file));
        found += KeepNormal(at, got);
        done += chunk;
        if (got < chunk) break;
        if (r.poller.step(done)) {
            r.stopped = true;
            break;
        }
    }
    return found;
}

} // namespace

std::int32_t RemoveListedCandidates(ColumnStore& store, std::int32_t found, OperationHost& host) {
    const std::int32_t count = store.count;
    Column* candidates = store.items() + count; // candidate j at candidates[j - 1]
    StopPoller poller(host, 600, 256);

    ColumnSet listed;
    bool useTable = std::int64_t{count} * found > kPlainScanLimit;
    bool stopped = false;
    if (useTable) {
        useTable = listed.build(store.items(), count, poller, stopped);
        if (stopped) return -1;
    }
    for (std::int32_t j = 1; j <= found;) {
        const bool known =
            useTable ? listed.contains(KeyOf(candidates[j - 1])) : FindColumn(store, candidates[j - 1]) != 0;
        if (known) {
            candidates[j - 1] = candidates[found - 1];
            --found;
        } else {
            ++j;
        }
        if (poller.step(j)) return -1;
    }
    return found;
}

ImportResult CollectImportColumns(Globali& g, ImportSource source, const std::string& path,
                                  OperationHost& host) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return {ImportOutcome::CannotOpen, 0};
    std::error_code ec;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, ec);
    if (ec) return {ImportOutcome::CannotOpen, 0};

    std::uint8_t format = 0;
    if (source != ImportSource::Text) {
        const bool read = std::fread(&format, 1, 1, file.get()) == 1;
        const bool known =
            source == ImportSource::Duplara ? format == kDuplaraFormat : (format == 2 || format == 3);
        if (!read || !known) {
            g.messages.show({"Errore", kIncompatibleVersionText, MessageIcon::Warning, MessageButtons::Ok,
                             MessageAnswer::Ok});
            return {ImportOutcome::Incompatible, 0};
        }
    }

    ColumnStore& store = g.system.columns;
    if (store.count > 0) SaveUndoSnapshot(g.undo, store);
    host.showStatus(kLoadingColumnsCaption);

    Reader reader{g, host, StopPoller(host, 600, 256)};
    std::int32_t found = 0;
    switch (source) {
    case ImportSource::Text:
        found = ReadTextCandidates(reader, file.get(), fileSize);
        break;
    case ImportSource::SystemFile: {
        // The count is trusted only as far as the file really holds columns.
        const std::size_t countOffset = SystemColumnCountOffset(format);
        std::uint8_t bytes[4];
        std::int64_t n = 0;
        if (fileSize >= countOffset + 4 &&
            std::fseek(file.get(), static_cast<long>(countOffset), SEEK_SET) == 0 &&
            std::fread(bytes, 1, 4, file.get()) == 4) {
            n = binio::GetI32(bytes, 0);
            const auto held = static_cast<std::int64_t>((fileSize - countOffset - 4) / sizeof(Column));
            n = std::clamp<std::int64_t>(n, 0, held);
        }
        found = ReadBinaryCandidates(reader, file.get(), countOffset + 4, n);
        break;
    }
    case ImportSource::Duplara: {
        const auto n = fileSize > kDuplaraColumnsOffset
                           ? static_cast<std::int64_t>((fileSize - kDuplaraColumnsOffset) / sizeof(Column))
                           : 0;
        found = ReadBinaryCandidates(reader, file.get(), kDuplaraColumnsOffset, n);
        break;
    }
    }
    if (reader.growthFailed) return {ImportOutcome::GrowthFailed, 0};
    if (reader.stopped) return {ImportOutcome::Stopped, 0};

    if (found > 0) {
        host.setProgressMaximum(found);
        host.showProgress(0);
        host.showStatus(kCheckingColumnsCaption);
        found = RemoveListedCandidates(store, found, host);
        if (found < 0) return {ImportOutcome::Stopped, 0};
    }
    return {found > 0 ? ImportOutcome::Added : ImportOutcome::NothingFound, found};
}

ImportOutcome ConfirmImportColumns(Globali& g, ImportSource source, std::int32_t found) {
    const bool text = source == ImportSource::Text;
    if (found <= 0) {
        g.messages.warning(text ? kNothingFoundInTextFileText : kNothingFoundText);
        return ImportOutcome::NothingFound;
    }
    const std::string question =
        "Inserire le " + std::to_string(found) +
        (text ? " colonne trovate nel file di testo ?" : " colonne trovate nel file ?");
    if (!g.messages.askYesNo(question, MessageAnswer::Yes, "Conferma")) return ImportOutcome::Declined;
    g.system.columns.count += found;
    g.system.invalidateResults();
    return ImportOutcome::Added;
}

ImportOutcome ImportColumns(Globali& g, ImportSource source, const std::string& path, OperationHost& host) {
    const ImportResult collected = CollectImportColumns(g, source, path, host);
    if (collected.outcome != ImportOutcome::Added && collected.outcome != ImportOutcome::NothingFound)
        return collected.outcome;
    return ConfirmImportColumns(g, source, collected.found);
}
