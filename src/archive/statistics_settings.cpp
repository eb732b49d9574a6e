#include "archive/statistics_settings.h"

#include <algorithm>
#include <cmath>

bool ApplyFrequencyWindow(GlobalSettings& s, std::string_view text, int archiveCount) {
    if (text.empty()) return false;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
    }
    if (value < 1) return false;
    if (archiveCount > 0) value = std::min<long long>(value, archiveCount);
    s.ifNumEstra = static_cast<std::int32_t>(value);
    return true;
}

int ProbabilityTrackPosition(const GlobalSettings& s) {
    const double weight = std::isfinite(s.ipPrMax) ? std::clamp(s.ipPrMax, 0.0, 100.0) : 50.0;
    return 100 - static_cast<int>(std::nearbyint(weight));
}

std::string ProbabilityWeightLabel(int position) {
    return "Peso ritardi/frequenze: " + std::to_string(100 - position) + "/" + std::to_string(position);
}

void ApplyProbabilityWeights(GlobalSettings& s, int position) {
    position = std::clamp(position, 0, 100);
    s.ipPrMax = 100 - position;
    s.ipPfMax = 100 - s.ipPrMax;
    s.ipPrMin = 0;
    s.ipPfMin = 0;
}
