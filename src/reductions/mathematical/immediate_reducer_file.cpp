#include "reductions/mathematical/immediate_reducer_file.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::uint32_t ReadU32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint8_t SizeKey(int n) {
    return static_cast<std::uint8_t>((n + 17) & 0xFF);
}

std::uint8_t ScoreKey(int k) {
    return static_cast<std::uint8_t>(~(k * 16 + kColumnSize) & 0xFF);
}

} // namespace

std::int64_t ImmediateFileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return -1;
    const auto size = static_cast<std::int64_t>(in.tellg());
    return size < 0 ? -1 : size;
}

ImmediateLookupResult FindImmediateEntry(const std::string& path, int n, int k) {
    ImmediateLookupResult result;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return result;
    const auto fileSize = static_cast<std::int64_t>(in.tellg());
    result.status = ImmediateLookup::Damaged;
    if (fileSize < immediate::kIndexAt) return result;

    unsigned char word[4];
    in.seekg(immediate::kIndexLengthAt);
    if (!in.read(reinterpret_cast<char*>(word), 4)) return result;
    const auto length = static_cast<std::int32_t>(ReadU32(word));
    if (length < 0 || immediate::kIndexAt + length > fileSize) return result;

    const std::int64_t entries = length / immediate::kEntrySize;
    std::array<unsigned char, immediate::kEntrySize> e{};
    for (std::int64_t i = 0; i < entries; ++i) {
        if (!in.read(reinterpret_cast<char*>(e.data()), immediate::kEntrySize)) return result;
        if (e[0] != SizeKey(n) || e[1] != ScoreKey(k)) continue;
        const auto field = static_cast<std::int32_t>(ReadU32(&e[2]));
        ImmediateEntry& entry = result.entry;
        entry.n = n;
        entry.k = k;
        entry.columns = ReadU32(&e[6]) >> 4;
        entry.checksum = static_cast<std::uint16_t>(e[10] | e[11] << 8);
        entry.firstRecord =
            static_cast<std::int64_t>(field) + length + immediate::kIndexAt - immediate::kPositionBias;
        const std::int64_t tableEnd =
            entry.firstRecord + static_cast<std::int64_t>(entry.columns) * immediate::kRecordSize;
        if (entry.firstRecord < 0 || tableEnd > fileSize) return result;
        result.status = ImmediateLookup::Found;
        return result;
    }
    result.status = ImmediateLookup::NotFound;
    return result;
}

bool ImmediateTableReader::open(const std::string& path, const ImmediateEntry& entry) {
    sum_ = 0;
    in_.close();
    in_.clear();
    in_.open(path, std::ios::binary | std::ios::ate);
    if (!in_) return false;
    const auto fileSize = static_cast<std::int64_t>(in_.tellg());
    const std::int64_t tableEnd =
        entry.firstRecord + static_cast<std::int64_t>(entry.columns) * immediate::kRecordSize;
    if (entry.firstRecord < 0 || tableEnd > fileSize) return false;
    in_.seekg(entry.firstRecord);
    return static_cast<bool>(in_);
}

bool ImmediateTableReader::next(std::uint8_t indices[6]) {
    unsigned char record[immediate::kRecordSize];
    if (!in_.read(reinterpret_cast<char*>(record), immediate::kRecordSize)) return false;
    for (int i = 0; i < kColumnSize; ++i) {
        indices[i] = static_cast<std::uint8_t>(record[i] >> 1);
        sum_ = static_cast<std::uint16_t>(sum_ + indices[i]);
    }
    return true;
}

bool MapRecordToForecast(const std::uint8_t indices[6], const std::vector<Number>& forecast, Column& column) {
    std::array<bool, 128> seen{};
    for (int i = 0; i < kColumnSize; ++i) {
        const int index = indices[i];
        if (index < 1 || index > static_cast<int>(forecast.size()) || seen[index]) return false;
        seen[index] = true;
        column[i] = forecast[static_cast<std::size_t>(index - 1)];
    }
    // The forecast list is ascending, so ascending indices give a column in normal form; a table
    // written in another order is still taken as the set of its numbers.
    for (int i = 1; i < kColumnSize; ++i)
        for (int j = i; j > 0 && column[j] < column[j - 1]; --j) std::swap(column[j], column[j - 1]);
    return true;
}

bool WriteImmediateReducerFile(const std::string& path, const std::vector<ImmediateTable>& tables,
                               std::string& error) {
    const std::int64_t length = static_cast<std::int64_t>(tables.size()) * immediate::kEntrySize;
    std::string out;
    // The leading block is not read by the program; it names the file for whoever opens it.
    const std::string banner = "Sestavia immediate reducers\r\n";
    out.assign(static_cast<std::size_t>(immediate::kIndexLengthAt), '\0');
    out.replace(0, banner.size(), banner);
    PutU32(out, static_cast<std::uint32_t>(length));

    std::string index, records;
    std::int64_t position = immediate::kIndexAt + length;
    for (const ImmediateTable& t : tables) {
        if (t.n < kColumnSize + 1 || t.n > kMaxNumber || t.k < 2 || t.k > 5) {
            error = "tabella con v o t fuori intervallo";
            return false;
        }
        if (t.columns.size() >= (std::size_t{1} << 28)) {
            error = "tabella troppo lunga";
            return false;
        }
        std::uint16_t sum = 0;
        std::uint32_t serial = 0;
        for (const Column& c : t.columns) {
            for (int i = 0; i < kColumnSize; ++i) {
                if (c[i] < 1 || c[i] > t.n || (i > 0 && c[i] <= c[i - 1])) {
                    error = "colonna non valida nella tabella v=" + std::to_string(t.n) +
                            " t=" + std::to_string(t.k);
                    return false;
                }
                // The low bit is not part of the index; it varies so that readers must ignore it.
                records.push_back(
                    static_cast<char>((c[i] << 1) | ((serial + static_cast<std::uint32_t>(i)) & 1u)));
                sum = static_cast<std::uint16_t>(sum + c[i]);
            }
            ++serial;
        }
        const std::int64_t field = position - length - immediate::kIndexAt + immediate::kPositionBias;
        index.push_back(static_cast<char>(SizeKey(t.n)));
        index.push_back(static_cast<char>(ScoreKey(t.k)));
        PutU32(index, static_cast<std::uint32_t>(static_cast<std::int32_t>(field)));
        PutU32(index, static_cast<std::uint32_t>(t.columns.size()) << 4);
        index.push_back(static_cast<char>(sum & 0xFF));
        index.push_back(static_cast<char>(sum >> 8));
        position += static_cast<std::int64_t>(t.columns.size()) * immediate::kRecordSize;
    }
    out += index;
    out += records;

    const std::string temp = path + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f || !f.write(out.data(), static_cast<std::streamsize>(out.size())) || !f.flush()) {
            error = "impossibile scrivere " + temp;
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        error = "impossibile rinominare " + temp;
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
