#include "archive/cyclometric_circle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

std::string Label(const char* title, const std::vector<int>& values) {
    std::string s = title;
    for (int v : values) {
        s += ' ';
        s += std::to_string(v);
    }
    return s;
}

// A whole number 1..90 typed in a field; leading zeros are fine, anything else is not.
bool ParseCircleField(const std::string& text, int& value) {
    if (text.empty() || text.size() > 3) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= 90;
}

} // namespace

std::vector<int> CircleSides(const CircleNumbers& n) {
    std::vector<int> v{n[1] - n[0], n[2] - n[1], n[3] - n[2], n[4] - n[3], n[5] - n[4], n[5] - n[0]};
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<int> CircleDistances(const CircleNumbers& n) {
    std::vector<int> v{n[1] - n[0], n[2] - n[1], n[3] - n[2], n[4] - n[3], n[5] - n[4],
                       n[2] - n[0], n[3] - n[0], n[3] - n[1], n[4] - n[1], n[4] - n[2],
                       n[5] - n[1], n[5] - n[2], n[5] - n[3]};
    std::sort(v.begin(), v.end());
    return v;
}

std::string CircleNumbersLabel(const CircleNumbers& n) {
    return Label("Numeri:", {n.begin(), n.end()});
}
std::string CircleSidesLabel(const CircleNumbers& n) {
    return Label("Lati:", CircleSides(n));
}
std::string CircleDistancesLabel(const CircleNumbers& n) {
    return Label("Distanze:", CircleDistances(n));
}

CircleNumbers CircleNumbersOfDraw(const DrawRecord& r) {
    CircleNumbers n;
    std::copy(r.numbers.begin(), r.numbers.end(), n.begin());
    std::sort(n.begin(), n.end());
    return n;
}

CircleFieldsResult ReadCircleFields(const std::array<std::string, 6>& fields) {
    CircleFieldsResult result;
    for (int i = 0; i < 6; ++i)
        if (!ParseCircleField(fields[static_cast<std::size_t>(i)],
                              result.numbers[static_cast<std::size_t>(i)])) {
            result.invalidPosition = i + 1;
            return result;
        }
    std::sort(result.numbers.begin(), result.numbers.end());
    result.parsed = true;
    for (int i = 1; i < 6; ++i)
        if (result.numbers[static_cast<std::size_t>(i)] == result.numbers[static_cast<std::size_t>(i - 1)]) {
            result.invalidPosition = i + 1;
            return result;
        }
    result.ok = true;
    return result;
}

std::string InvalidCircleNumberText(int position) {
    return "Il " + std::to_string(position) + "º numero non è valido!";
}

CirclePoint CirclePointOf(int number, double radius, double cx, double cy) {
    const double angle = (4.0 * number - 90.0) * std::numbers::pi / 180.0;
    return {cx + radius * std::cos(angle), cy + radius * std::sin(angle)};
}

CombinationAnalysis AnalyseCombination(const DrawArchive& archive,
                                       const std::array<std::uint8_t, 90>& flags) {
    auto in = [&](int n) { return n >= 1 && n <= 90 && flags[static_cast<std::size_t>(n - 1)] != 0; };
    CombinationAnalysis out;
    for (int k = 1; k <= archive.count(); ++k) {
        const DrawRecord& r = archive.record(k);
        int right = 0;
        for (int n : r.numbers) right += in(n);
        if (right < 2) continue;
        // 2, 3, 4, 5 -> 0..3; five with the Jolly -> 4; six -> 5.
        const int category = right == 6 ? 5 : (right == 5 && in(r.jolly)) ? 4 : right - 2;
        ++out.totals[static_cast<std::size_t>(category)];
        out.hits.push_back({k, category});
    }
    return out;
}
