#include "archive/smorfia.h"

#include "archive/archive_file.h"
#include "archive/replace_file.h"
#include "core/directories.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes keep their C1 code points so they survive
// a round trip.
constexpr std::array<char32_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at text[i] and advances i; a malformed byte reads as U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i++]);
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) > text.size()) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto cont = static_cast<unsigned char>(text[i]);
        if ((cont & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (cont & 0x3F);
        ++i;
    }
    return c;
}

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
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string SmorfiaToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        const auto it = std::find(kCp1252High.begin(), kCp1252High.end(), c);
        out += it == kCp1252High.end() ? '?' : static_cast<char>(0x80 + (it - kCp1252High.begin()));
    }
    return out;
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
