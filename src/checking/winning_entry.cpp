#include "checking/winning_entry.h"

#include "checking/draw_check.h"

#include <algorithm>

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}

// A trimmed field as a number; anything else counts as 0.
int FieldNumber(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty() || t.size() > 9) return 0;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return 0;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::optional<std::string> BuildDrawFromFields(const DrawFields& fields, DrawRecord& record) {
    record = DrawRecord{};
    DrawDate date;
    if (!parseDrawDate(Trim(fields.date), date)) return std::string(kInvalidDateText);
    const int concorso = FieldNumber(fields.concorso);
    if (concorso < 1 || concorso > 10000) return std::string(kInvalidConcorsoText);
    WinningColumn winning;
    if (auto message = ParseWinningColumn(fields.numbers, fields.jolly, winning)) return message;
    const int superStar = FieldNumber(fields.superStar);
    if (superStar < 1 || superStar > kMaxNumber) return std::string(kInvalidSuperStarText);
    record.day = static_cast<std::uint8_t>(date.day);
    record.month = static_cast<std::uint8_t>(date.month);
    record.year = static_cast<std::int16_t>(date.year);
    record.concorso = static_cast<std::uint16_t>(concorso);
    for (int i = 0; i < kColumnSize; ++i) record.numbers[static_cast<std::size_t>(i)] = winning.numbers[i];
    record.jolly = winning.jolly;
    record.superStar = static_cast<std::uint8_t>(superStar);
    return std::nullopt;
}

int FindDrawByDate(const DrawArchive& archive, int day, int month, int year) {
    for (int k = 1; k <= archive.count(); ++k) {
        const DrawRecord& r = archive.record(k);
        if (r.day == day && r.month == month && r.year == year) return k;
    }
    return 0;
}

int StepArchivedDraw(const DrawArchive& archive, const std::string& dateText, int direction) {
    const int count = archive.count();
    if (count == 0) return 0;
    DrawDate date;
    if (!parseDrawDate(Trim(dateText), date)) return count;
    int k = FindDrawByDate(archive, date.day, date.month, date.year);
    if (k == 0) k = count;
    k += direction < 0 ? -1 : 1;
    return std::clamp(k, 1, count);
}

std::string FormatDrawDateShort(const DrawRecord& r) {
    return std::to_string(r.day) + "/" + std::to_string(r.month) + "/" + std::to_string(r.year);
}

std::vector<int> PickerYears(const DrawArchive& archive) {
    std::vector<int> years;
    if (archive.empty()) return years;
    for (int y = archive.last().year; y >= archive.record(1).year; --y) years.push_back(y);
    return years;
}

std::vector<int> PickerRecordsOfMonth(const DrawArchive& archive, int year, int month) {
    std::vector<int> records;
    for (int k = 1; k <= archive.count(); ++k)
        if (archive.record(k).year == year && archive.record(k).month == month) records.push_back(k);
    return records;
}

int PickerRecordFor(const DrawArchive& archive, int year, int month, int day) {
    int sameMonth = 0;
    for (int k = 1; k <= archive.count(); ++k) {
        const DrawRecord& r = archive.record(k);
        if (r.year != year || r.month != month) continue;
        if (r.day == day) return k;
        if (sameMonth == 0) sameMonth = k;
    }
    return sameMonth ? sameMonth : archive.count();
}
