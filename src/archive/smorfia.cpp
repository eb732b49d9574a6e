#include "archive/smorfia.h"

#include "archive/archive_file.h"
#include "archive/replace_file.h"
#include "core/cp1252.h"
#include "core/directories.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace {

char32_t UpperOf(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;
    return c;
}

char32_t LowerOf(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c == 0x152 || c == 0x160 || c == 0x17D) return c + 1;
    return c;
}

template <typename F> std::string MapCase(std::string_view utf8, F&& f) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) AppendUtf8(out, f(NextCodePoint(utf8, i)));
    return out;
}

std::string CapitaliseFirst(std::string_view utf8) {
    if (utf8.empty()) return {};
    std::size_t i = 0;
    std::string out;
    AppendUtf8(out, UpperOf(NextCodePoint(utf8, i)));
    out.append(utf8.substr(i));
    return out;
}

std::string_view Trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

constexpr std::size_t kMaxTerms = 250;

} // namespace

std::string SmorfiaFromCp1252(std::string_view bytes) {
    return Cp1252ToUtf8(bytes, UndefinedBytes::Keep);
}

std::string SmorfiaToCp1252(std::string_view utf8) {
    return Utf8ToCp1252(utf8);
}

std::string SmorfiaUpper(std::string_view utf8) {
    return MapCase(utf8, UpperOf);
}
std::string SmorfiaLower(std::string_view utf8) {
    return MapCase(utf8, LowerOf);
}

std::vector<SmorfiaEntry> DecodeSmorfia(std::string_view bytes) {
    std::vector<SmorfiaEntry> entries;
    for (std::size_t at = 0; at + kSmorfiaRecordSize <= bytes.size(); at += kSmorfiaRecordSize) {
        const auto length = static_cast<unsigned char>(bytes[at]);
        const auto number = static_cast<unsigned char>(bytes[at + 81]);
        if (length < 1 || length > kSmorfiaMaxDescription || number < 1 || number > 90) continue;
        entries.push_back({number, SmorfiaFromCp1252(bytes.substr(at + 1, length))});
    }
    return entries;
}

bool ReadSmorfia(const std::filesystem::path& path, std::vector<SmorfiaEntry>& entries) {
    entries.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    entries = DecodeSmorfia(bytes);
    return true;
}

std::string EncodeSmorfia(const std::vector<SmorfiaEntry>& entries) {
    std::string image;
    for (const SmorfiaEntry& e : entries) {
        if (e.number < 1 || e.number > 90) continue;
        std::string text = SmorfiaToCp1252(SmorfiaLower(e.description));
        if (text.empty()) continue;
        if (text.size() > kSmorfiaMaxDescription) text.resize(kSmorfiaMaxDescription);
        std::string record(kSmorfiaRecordSize, '\0');
        record[0] = static_cast<char>(text.size());
        record.replace(1, text.size(), text);
        record[81] = static_cast<char>(e.number);
        image += record;
    }
    return image;
}

bool WriteSmorfia(const std::filesystem::path& path, const std::vector<SmorfiaEntry>& entries) {
    const std::string image = EncodeSmorfia(entries);
    return WriteFileReplacing(path, {reinterpret_cast<const std::uint8_t*>(image.data()), image.size()});
}

std::vector<SmorfiaEntry>
SmorfiaEntriesFromRows(const std::vector<std::pair<std::string, std::string>>& rows) {
    std::vector<SmorfiaEntry> entries;
    for (const auto& [numberText, description] : rows) {
        const std::string_view digits = Trim(numberText);
        if (digits.empty() || digits.size() > 2 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const int number = std::stoi(std::string(digits));
        if (number < 1 || number > 90 || Trim(description).empty()) continue;
        entries.push_back({number, description});
    }
    return entries;
}

std::vector<SmorfiaRow> SearchSmorfia(const std::vector<SmorfiaEntry>& entries, std::string_view text) {
    std::vector<std::string> terms;
    for (std::size_t i = 0; i < text.size() && terms.size() < kMaxTerms;) {
        const auto b = text.find_first_not_of(" \t", i);
        if (b == std::string_view::npos) break;
        const auto e = std::min(text.find_first_of(" \t", b), text.size());
        terms.push_back(SmorfiaUpper(text.substr(b, e - b)));
        i = e;
    }
    std::vector<SmorfiaRow> rows;
    if (terms.empty()) return rows;
    for (const SmorfiaEntry& entry : entries) {
        const std::string upper = SmorfiaUpper(entry.description);
        const std::string number = std::to_string(entry.number);
        for (const std::string& term : terms) {
            const bool isNumber = term == number;
            const auto at = upper.find(term);
            if (!isNumber && at == std::string::npos) continue;
            SmorfiaRow row{entry.number, CapitaliseFirst(entry.description)};
            if (isNumber || at == 0)
                rows.insert(rows.begin(), std::move(row));
            else
                rows.push_back(std::move(row));
            break;
        }
    }
    return rows;
}

std::string FormatSmorfiaNumber(int number) {
    return "    " + std::to_string(number);
}

bool InstallShippedSmorfiaIfMissing(const Directories& dirs) {
    return InstallShippedFileIfMissing(dirs, kSmorfiaFileName);
}
