#include "archive/draw_text.h"

#include <charconv>
#include <fstream>
#include <vector>

std::vector<std::string_view> SplitDrawFields(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(sep, start);
        parts.push_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

bool ParseDrawField(std::string_view text, int lo, int hi, int& value) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() && value >= lo && value <= hi;
}

bool ParseDrawTsvLine(std::string_view line, DrawRecord& record) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fields = SplitDrawFields(line, '\t');
    if (fields.size() != 5) return false;
    const auto date = SplitDrawFields(fields[0], '-');
    int year, month, day, concorso, jolly, superStar;
    if (date.size() != 3 || !ParseDrawField(date[0], 1800, 2100, year) ||
        !ParseDrawField(date[1], 1, 12, month) || !ParseDrawField(date[2], 1, 31, day) ||
        !ParseDrawField(fields[1], 0, 65535, concorso) || !ParseDrawField(fields[3], 1, 90, jolly) ||
        !ParseDrawField(fields[4], 0, 90, superStar))
        return false;
    const auto numbers = SplitDrawFields(fields[2], ' ');
    if (numbers.size() != 6) return false;
    DrawRecord r;
    for (std::size_t i = 0; i < 6; ++i) {
        int n;
        if (!ParseDrawField(numbers[i], 1, 90, n)) return false;
        r.numbers[i] = static_cast<std::uint8_t>(n);
    }
    r.day = static_cast<std::uint8_t>(day);
    r.month = static_cast<std::uint8_t>(month);
    r.year = static_cast<std::int16_t>(year);
    r.jolly = static_cast<std::uint8_t>(jolly);
    r.superStar = static_cast<std::uint8_t>(superStar);
    r.concorso = static_cast<std::uint16_t>(concorso);
    if (!IsSoundDrawRecord(r)) return false;
    record = r;
    return true;
}

DrawTextResult ReadDrawTsv(const std::filesystem::path& path, DrawArchive& archive) {
    archive.clear();
    DrawTextResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "impossibile aprire il file";
        return result;
    }
    std::string line;
    while (std::getline(in, line)) {
        ++result.lineNumber;
        if (line.empty() || line == "\r" || line[0] == '#') continue;
        DrawRecord r;
        if (!ParseDrawTsvLine(line, r)) {
            result.error = "riga non valida";
            return result;
        }
        if (!archive.empty() && CompareDrawDates(r, archive.last()) <= 0) {
            result.error = "data non successiva a quella della riga precedente";
            return result;
        }
        if (!archive.appendUnchecked(r)) {
            result.error = "troppe estrazioni per l'archivio";
            return result;
        }
    }
    result.ok = true;
    return result;
}
