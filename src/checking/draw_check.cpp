#include "checking/draw_check.h"

#include "core/column_text.h"

#include <algorithm>
#include <cmath>

namespace {

// Per number: bit 0 set for a winning number, bit 4 for the Jolly. Summing the six bytes of a column
// gives its winning count in the low nibble and the Jolly in the high one, with no branch.
using WeightTable = std::array<std::uint8_t, 256>;

WeightTable Weights(const WinningColumn& winning) {
    WeightTable w{};
    for (int i = 0; i < kColumnSize; ++i) w[winning.numbers[i]] = 1;
    w[winning.jolly] = static_cast<std::uint8_t>(w[winning.jolly] | 0x10);
    w[0] = 0;
    return w;
}

inline int Score(const Column& c, const WeightTable& w) {
    const unsigned sum = w[c[0]] + w[c[1]] + w[c[2]] + w[c[3]] + w[c[4]] + w[c[5]];
    const int s = static_cast<int>(sum & 0x0f);
    return s == 5 && (sum & 0xf0) ? kScoreFivePlusOne : s;
}

int ParseFieldNumber(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
    if (b == e || e - b > 9) return 0;
    int v = 0;
    for (std::size_t i = b; i < e; ++i) {
        if (text[i] < '0' || text[i] > '9') return 0;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

std::string Trimmed(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
    return text.substr(b, e - b);
}

} // namespace

int ScoreColumn(const Column& column, const WinningColumn& winning) {
    return Score(column, Weights(winning));
}

void OrderCheckEntries(std::vector<CheckEntry>& entries, const std::array<std::int32_t, 8>& counters) {
    std::size_t p = 0;
    for (int category : {6, kScoreFivePlusOne, 5, 4, 3}) {
        if (counters[static_cast<std::size_t>(category)] <= 0) continue;
        while (p < entries.size() && entries[p].score == category) ++p;
        for (std::size_t i = p; i < entries.size(); ++i) {
            if (entries[i].score != category) continue;
            std::swap(entries[i], entries[p]);
            ++p;
        }
    }
}

void CheckColumns(const ColumnStore& store, const WinningColumn& winning, CheckResultList& result,
                  OperationHost& host) {
    result.clear();
    const WeightTable w = Weights(winning);
    const std::int32_t count = store.count;
    const Column* items = store.items();
    OperationPacer pacer(host, 600);
    host.showProgress(0);
    for (std::int32_t c = 1; c <= count; ++c) {
        const int s = Score(items[c - 1], w);
        ++result.counters[static_cast<std::size_t>(s)];
        if (s >= 2) {
            if (result.entries.size() < CheckResultList::kCapacity)
                result.entries.push_back({c, static_cast<std::uint8_t>(s)});
            else
                result.truncated = true;
        }
        // The check has no stop button; the pacer only keeps the window painted.
        if ((c & 0xffff) == 0) pacer.checkpoint(std::lround(static_cast<double>(c) / count * 96));
    }
    if (!result.entries.empty()) OrderCheckEntries(result.entries, result.counters);
    host.showProgress(100);
}

std::optional<std::string> ParseWinningColumn(const std::array<std::string, 6>& numberFields,
                                              const std::string& jollyField, WinningColumn& winning) {
    std::string line;
    for (const auto& f : numberFields) {
        if (!line.empty()) line += ' ';
        line += Trimmed(f);
    }
    if (!ParseColumnLine(line, winning.numbers)) return std::string(kInvalidWinningNumbersText);
    const int jolly = ParseFieldNumber(jollyField);
    if (jolly < 1 || jolly > kMaxNumber) return std::string(kInvalidJollyText);
    for (int i = 0; i < kColumnSize; ++i)
        if (winning.numbers[i] == jolly) return std::string(kJollyInColumnText);
    winning.jolly = static_cast<Number>(jolly);
    return std::nullopt;
}

void DeleteCheckedColumns(ColumnStore& store, UndoSnapshot& undo, const CheckResultList& result,
                          std::int32_t first, std::int32_t last) {
    const auto n = static_cast<std::int32_t>(result.entries.size());
    first = std::max(first, 1);
    last = std::min(last, n);
    if (first > last) return;
    SaveUndoSnapshot(undo, store);
    std::vector<std::int32_t> positions;
    positions.reserve(static_cast<std::size_t>(last - first + 1));
    for (std::int32_t r = first; r <= last; ++r)
        positions.push_back(result.entries[static_cast<std::size_t>(r - 1)].position);
    std::sort(positions.begin(), positions.end(), std::greater<>());
    // Descending order keeps every position still to be removed below the shrinking count.
    for (std::int32_t p : positions) {
        if (p < 1 || p > store.count) continue;
        store.at(p) = store.at(store.count);
        --store.count;
    }
}

std::string EncodeLastCheck(const std::array<std::string, 8>& fields, const std::string& date) {
    std::string text;
    for (const auto& f : fields) text += Trimmed(f) + '*';
    return text + Trimmed(date);
}

void DecodeLastCheck(const std::string& stored, std::array<std::string, 8>& fields, std::string& date) {
    std::size_t start = 0;
    for (auto& f : fields) {
        const auto star = stored.find('*', start);
        if (star == std::string::npos) {
            f.clear();
            continue;
        }
        f = stored.substr(start, star - start);
        start = star + 1;
    }
    date = start <= stored.size() ? stored.substr(start) : std::string();
}

std::string ScoreText(int score) {
    return score == kScoreFivePlusOne ? "5+1" : std::to_string(score);
}
