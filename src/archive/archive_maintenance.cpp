#include "archive/archive_maintenance.h"

#include "archive/draw_text.h"
#include "archive/replace_file.h"

#include <charconv>
#include <chrono>
#include <fstream>
#include <sstream>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s;
}

bool ToInt(std::string_view text, int lo, int hi, int& value) {
    return ParseDrawField(Trim(text), lo, hi, value);
}

std::chrono::sys_days ToDays(CivilDate d) {
    using namespace std::chrono;
    return sys_days{year{d.year} / month{static_cast<unsigned>(d.month)} / day{static_cast<unsigned>(d.day)}};
}

} // namespace

std::string FormatDrawExportLine(const DrawRecord& r) {
    // Built by appending: GCC 12 warns falsely on chains of string '+' here.
    std::string line;
    line.reserve(40);
    line.append(std::to_string(r.day)).append("/").append(std::to_string(r.month)).append("/");
    line.append(std::to_string(r.year)).append("\t");
    for (std::size_t i = 0; i < 6; ++i) {
        if (i) line += ' ';
        line.append(std::to_string(r.numbers[i]));
    }
    line.append("\t").append(std::to_string(r.jolly)).append("\t").append(std::to_string(r.superStar));
    return line.append("\r\n");
}

bool ExportArchiveText(const DrawArchive& archive, const std::filesystem::path& path) {
    std::string text;
    text.reserve(static_cast<std::size_t>(archive.count()) * 36);
    for (const auto& r : archive.records()) text += FormatDrawExportLine(r);
    return WriteFileReplacing(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

namespace {

// A Jolly drawn among the six cannot be: such a line is a typing error, not a draw.
bool JollyApart(const DrawRecord& r) {
    for (auto n : r.numbers)
        if (n == r.jolly) return false;
    return true;
}

} // namespace

bool ParseDrawImportLine(std::string_view line, DrawRecord& record) {
    DrawRecord shipped;
    if (ParseDrawTsvLine(line, shipped)) {
        if (!JollyApart(shipped)) return false;
        record = shipped;
        return true;
    }
    const auto fields = SplitDrawFields(Trim(line), '\t');
    if (fields.size() != 4) return false;
    DrawDate date;
    if (!parseDrawDate(Trim(fields[0]), date)) return false;
    DrawRecord r;
    r.day = static_cast<std::uint8_t>(date.day);
    r.month = static_cast<std::uint8_t>(date.month);
    r.year = static_cast<std::int16_t>(date.year);
    const auto numbers = SplitDrawFields(Trim(fields[1]), ' ');
    if (numbers.size() != 6) return false;
    for (std::size_t i = 0; i < 6; ++i) {
        int n;
        if (!ToInt(numbers[i], 1, 90, n)) return false;
        r.numbers[i] = static_cast<std::uint8_t>(n);
    }
    int jolly, superStar;
    if (!ToInt(fields[2], 1, 90, jolly) || !ToInt(fields[3], 0, 90, superStar)) return false;
    r.jolly = static_cast<std::uint8_t>(jolly);
    r.superStar = static_cast<std::uint8_t>(superStar);
    if (!IsSoundDrawRecord(r) || !JollyApart(r)) return false;
    record = r;
    return true;
}

DrawImportResult ImportArchiveTextFromMemory(DrawArchive& archive, std::string_view text) {
    DrawImportResult result;
    result.read = true;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        DrawRecord r;
        if (!ParseDrawImportLine(line, r)) {
            result.invalidLines.push_back(lineNumber);
            continue;
        }
        const int before = archive.count();
        if (archive.insertDraw(r) < 0) {
            ++result.refused;
            continue;
        }
        if (archive.count() > before)
            ++result.added;
        else
            ++result.replaced;
    }
    return result;
}

DrawImportResult ImportArchiveText(DrawArchive& archive, const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    // A draw list is small; anything past a few megabytes is not one.
    constexpr std::streamsize kLimit = 8 << 20;
    std::string text(static_cast<std::size_t>(kLimit) + 1, '\0');
    in.read(text.data(), kLimit + 1);
    if (in.gcount() > kLimit) return {};
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ImportArchiveTextFromMemory(archive, text);
}

std::string DrawImportReport(const DrawImportResult& r) {
    std::string text = "Estrazioni nuove: " + std::to_string(r.added) +
                       "\rEstrazioni sostituite: " + std::to_string(r.replaced);
    if (r.refused)
        text += "\rEstrazioni non inserite perché l'archivio è pieno: " + std::to_string(r.refused);
    if (!r.invalidLines.empty()) {
        text += "\rRighe non valide (ignorate): ";
        const std::size_t shown = std::min<std::size_t>(r.invalidLines.size(), 30);
        for (std::size_t i = 0; i < shown; ++i) text += (i ? ", " : "") + std::to_string(r.invalidLines[i]);
        if (shown < r.invalidLines.size())
            text += " e altre " + std::to_string(r.invalidLines.size() - shown);
    }
    return text;
}

void DeleteDrawRange(DrawArchive& archive, int first, int last) {
    for (int k = last; k >= first; --k)
        if (archive.count() > 1) archive.deleteDraw(k);
}

int WeekdayOf(CivilDate date) {
    return static_cast<int>(std::chrono::weekday{ToDays(date)}.c_encoding());
}

const char* WeekdayName(int weekday) {
    static constexpr const char* names[] = {"Domenica", "Lunedì",  "Martedì", "Mercoledì",
                                            "Giovedì",  "Venerdì", "Sabato"};
    return names[((weekday % 7) + 7) % 7];
}

bool ShouldRemindUpdate(CivilDate today, int hhmm, CivilDate last, std::string_view days) {
    const auto todayDays = ToDays(today);
    const auto lastDays = ToDays(last);
    if ((todayDays - lastDays).count() >= 4) return true;
    for (int w = 0; w < 7 && w < static_cast<int>(days.size()); ++w) {
        if (days[static_cast<std::size_t>(w)] != '1') continue;
        for (int j = 0; j <= 7; ++j) {
            const auto d = todayDays - std::chrono::days{j};
            if (static_cast<int>(std::chrono::weekday{d}.c_encoding()) != w || d <= lastDays) continue;
            if (j > 0 || hhmm > 2040) return true;
        }
    }
    return false;
}

std::string ReminderText(CivilDate last) {
    return std::string("L'ultimo aggiornamento dell'archivio storico risale a ") +
           WeekdayName(WeekdayOf(last)) + " " + std::to_string(last.day) + "/" + std::to_string(last.month) +
           "/" + std::to_string(last.year) + ".";
}
