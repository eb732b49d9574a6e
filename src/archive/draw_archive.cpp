#include "archive/draw_archive.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

void SerializeDrawRecord(const DrawRecord& r, std::span<std::uint8_t, kDrawRecordSize> out) {
    const auto year = static_cast<std::uint16_t>(r.year);
    out[0] = r.day;
    out[1] = r.month;
    out[2] = static_cast<std::uint8_t>(year & 0xFF);
    out[3] = static_cast<std::uint8_t>(year >> 8);
    std::copy(r.numbers.begin(), r.numbers.end(), out.begin() + 4);
    out[10] = r.jolly;
    out[11] = r.superStar;
    out[12] = static_cast<std::uint8_t>(r.concorso & 0xFF);
    out[13] = static_cast<std::uint8_t>(r.concorso >> 8);
}

DrawRecord DeserializeDrawRecord(std::span<const std::uint8_t, kDrawRecordSize> in) {
    DrawRecord r;
    r.day = in[0];
    r.month = in[1];
    r.year = static_cast<std::int16_t>(static_cast<std::uint16_t>(in[2] | (in[3] << 8)));
    std::copy(in.begin() + 4, in.begin() + 10, r.numbers.begin());
    r.jolly = in[10];
    r.superStar = in[11];
    r.concorso = static_cast<std::uint16_t>(in[12] | (in[13] << 8));
    return r;
}

bool IsSoundDrawRecord(const DrawRecord& r) {
    if (r.day < 1 || r.day > 31 || r.month < 1 || r.month > 12 || r.year < 1800 || r.year > 2100)
        return false;
    for (std::size_t i = 0; i < r.numbers.size(); ++i) {
        if (r.numbers[i] < 1 || r.numbers[i] > 90) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (r.numbers[j] == r.numbers[i]) return false;
    }
    return r.jolly >= 1 && r.jolly <= 90 && r.superStar <= 90;
}

int CompareDrawDates(const DrawRecord& a, const DrawRecord& b) {
    const auto ka = std::make_tuple(a.year, a.month, a.day);
    const auto kb = std::make_tuple(b.year, b.month, b.day);
    return ka < kb ? -1 : (kb < ka ? 1 : 0);
}

void DrawArchive::clear() {
    std::fill(slots_.begin(), slots_.end(), DrawRecord{});
    count_ = 0;
}

bool DrawArchive::appendUnchecked(const DrawRecord& r) {
    if (full()) return false;
    slots_[static_cast<std::size_t>(count_++)] = r;
    return true;
}

int DrawArchive::insertDraw(const DrawRecord& r) {
    // An unsound record would break the date order every reader relies on.
    if (!IsSoundDrawRecord(r)) return -1;
    if (count_ == 0 || CompareDrawDates(r, last()) > 0) {
        if (full()) return -1;
        slots_[static_cast<std::size_t>(count_++)] = r;
        return count_;
    }
    int k = 1;
    while (k < count_ && CompareDrawDates(record(k), r) < 0) ++k;
    const int order = CompareDrawDates(record(k), r);
    if (order == 0) {
        // A corrected draw needs no new slot, so it is accepted even when the table is full.
        slots_[static_cast<std::size_t>(k - 1)] = r;
        return k;
    }
    if (order < 0 || full()) return -1;
    const auto at = slots_.begin() + (k - 1);
    std::copy_backward(at, slots_.begin() + count_, slots_.begin() + count_ + 1);
    *at = r;
    ++count_;
    return k;
}

bool DrawArchive::deleteDraw(int k) {
    if (k < 1 || k > count_) return false;
    std::copy(slots_.begin() + k, slots_.begin() + count_, slots_.begin() + (k - 1));
    slots_[static_cast<std::size_t>(--count_)] = DrawRecord{};
    return true;
}

namespace {

// A non-empty run of at most four digits; longer runs cannot be a valid field and would overflow.
bool ParseField(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

bool parseDrawDate(std::string_view text, DrawDate& date) {
    const auto first = text.find('/');
    if (first == std::string_view::npos || first == 0) return false;
    const auto second = text.find('/', first + 1);
    if (second == std::string_view::npos || second == first + 1) return false;
    DrawDate d;
    if (!ParseField(text.substr(0, first), d.day) || d.day < 1 || d.day > 31) return false;
    if (!ParseField(text.substr(first + 1, second - first - 1), d.month) || d.month < 1 || d.month > 12)
        return false;
    if (!ParseField(text.substr(second + 1), d.year) || d.year < 1800 || d.year > 2100) return false;
    date = d;
    return true;
}

std::string FormatDrawDate(const DrawRecord& r) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", r.day, r.month, static_cast<int>(r.year));
    return buf;
}
