#include "archive/statistics.h"

#include "core/Globali.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool IsNumber(int n) {
    return n >= 1 && n <= 90;
}

// Calls f once per counted occurrence: a Jolly or SuperStar equal to one of the six counts twice.
template <typename F> void ForEachOccurrence(const DrawRecord& r, AppearanceRule rule, F&& f) {
    for (std::uint8_t n : r.numbers)
        if (IsNumber(n)) f(n);
    if (rule.countJolly && IsNumber(r.jolly)) f(r.jolly);
    if (rule.countSuperStar && IsNumber(r.superStar)) f(r.superStar);
}

// The numbers that appear in a draw, each once, as a two-word bit set.
struct NumberMask {
    std::uint64_t w[2]{};
    void set(int n) { w[n >> 6] |= std::uint64_t{1} << (n & 63); }
    bool test(int n) const { return (w[n >> 6] >> (n & 63)) & 1u; }
};

NumberMask Appearing(const DrawRecord& r, AppearanceRule rule) {
    NumberMask m;
    ForEachOccurrence(r, rule, [&](int n) { m.set(n); });
    return m;
}

// Digits written in a number's decimal text, as a bit set over 0..9.
unsigned DigitMask(int n) {
    return n > 9 ? (1u << (n / 10)) | (1u << (n % 10)) : 1u << n;
}

// Nearest integer to sum / n, halves to even; sum >= 0, n > 0.
std::int32_t RoundedMean(std::int64_t sum, std::int64_t n) {
    std::int64_t q = sum / n;
    const std::int64_t twice = 2 * (sum % n);
    if (twice > n || (twice == n && (q & 1))) ++q;
    return static_cast<std::int32_t>(q);
}

// One criterion's contribution: P for the favoured end, 0 for the other.
void AddContribution(const NumberCounts& v, int method, double weight, std::array<double, 91>& c) {
    constexpr double kNoSpread = 6.0 / 90.0;
    if (method == 1) {
        std::int64_t sum = 0;
        for (int n = 1; n <= 90; ++n) sum += v[n];
        const double mean = static_cast<double>(sum) / 90;
        double d = 0;
        for (int n = 1; n <= 90; ++n) d = std::max(d, std::fabs(v[n] - mean));
        for (int n = 1; n <= 90; ++n)
            c[n] = d > 0 ? std::fabs(d - std::fabs(mean - v[n])) / d * weight : kNoSpread * weight;
        return;
    }
    const auto [lo, hi] = std::minmax_element(v.begin() + 1, v.end());
    const double range = static_cast<double>(*hi) - *lo;
    for (int n = 1; n <= 90; ++n) {
        if (range <= 0) {
            c[n] = kNoSpread * weight;
            continue;
        }
        const double above = static_cast<double>(v[n]) - *lo;
        c[n] = (method == 0 ? above : range - above) / range * weight;
    }
}

} // namespace

AppearanceRule DelayRule(const GlobalSettings& s) {
    return {s.irEscludiJolly == 0, s.irEscludiSuperStar == 0};
}

AppearanceRule FrequencyRule(const GlobalSettings& s) {
    return {s.ifEscludiJolly == 0, s.ifEscludiSuperStar == 0};
}

int FrequencyWindow(const DrawArchive& archive, const GlobalSettings& s) {
    return std::clamp(s.ifNumEstra, 0, archive.count());
}

NumberCounts computeNumberDelays(const DrawArchive& archive, const GlobalSettings& s) {
    const int count = archive.count();
    const AppearanceRule rule = DelayRule(s);
    NumberCounts delay;
    delay.fill(-1);
    delay[0] = 0;
    int missing = 90;
    for (int k = count; k >= 1 && missing > 0; --k)
        ForEachOccurrence(archive.record(k), rule, [&](int n) {
            if (delay[n] < 0) {
                delay[n] = count - k;
                --missing;
            }
        });
    for (int n = 1; n <= 90; ++n)
        if (delay[n] < 0) delay[n] = count;
    return delay;
}

NumberCounts computeNumberFrequencies(const DrawArchive& archive, const GlobalSettings& s) {
    const int count = archive.count();
    const AppearanceRule rule = FrequencyRule(s);
    NumberCounts freq{};
    for (int k = count - FrequencyWindow(archive, s) + 1; k <= count; ++k)
        ForEachOccurrence(archive.record(k), rule, [&](int n) { ++freq[n]; });
    return freq;
}

std::array<double, 91> computeNumberProbabilities(const NumberCounts& delays, const NumberCounts& frequencies,
                                                  const GlobalSettings& s) {
    std::array<double, 91> byDelay{}, byFrequency{}, score{};
    if (s.ipUsaRit && s.ipPrMax > 0) AddContribution(delays, s.ipMCPR, s.ipPrMax, byDelay);
    if (s.ipUsaFre && s.ipPfMax > 0) AddContribution(frequencies, s.ipMCPF, s.ipPfMax, byFrequency);
    for (int n = 1; n <= 90; ++n) score[n] = std::clamp(byDelay[n] + byFrequency[n], 0.51, 99.4);
    return score;
}

DigitCounts computeDelayByDigit(const DrawArchive& archive, const GlobalSettings& s) {
    const int count = archive.count();
    const AppearanceRule rule = DelayRule(s);
    DigitCounts delay;
    delay.fill(count);
    unsigned seen = 0;
    for (int k = count; k >= 1 && seen != 0x3FFu; --k) {
        unsigned digits = 0;
        ForEachOccurrence(archive.record(k), rule, [&](int n) { digits |= DigitMask(n); });
        for (int d = 0; d < 10; ++d)
            if ((digits & ~seen) & (1u << d)) delay[d] = count - k;
        seen |= digits;
    }
    return delay;
}

DigitCounts computeFrequencyByDigit(const DrawArchive& archive, const GlobalSettings& s) {
    const int count = archive.count();
    const AppearanceRule rule = FrequencyRule(s);
    DigitCounts freq{};
    for (int k = count - FrequencyWindow(archive, s) + 1; k <= count; ++k)
        ForEachOccurrence(archive.record(k), rule, [&](int n) {
            if (n > 9) {
                ++freq[n / 10];
                ++freq[n % 10];
            } else {
                ++freq[n];
            }
        });
    return freq;
}

NumberCounts computeSuperStarDelays(const DrawArchive& archive) {
    const int count = archive.count();
    NumberCounts delay;
    delay.fill(count);
    delay[0] = 0;
    std::array<bool, 91> seen{};
    for (int k = count; k >= 1; --k) {
        const int n = archive.record(k).superStar;
        if (IsNumber(n) && !seen[n]) {
            seen[n] = true;
            delay[n] = count - k;
        }
    }
    return delay;
}

NumberCounts computeSuperStarFrequencies(const DrawArchive& archive, const GlobalSettings& s) {
    const int count = archive.count();
    NumberCounts freq{};
    for (int k = count - FrequencyWindow(archive, s) + 1; k <= count; ++k) {
        const int n = archive.record(k).superStar;
        if (IsNumber(n)) ++freq[n];
    }
    return freq;
}

NumberSummaries computeDelaySummaries(const DrawArchive& archive, const GlobalSettings& s) {
    // One pass from the oldest draw: each appearance closes the gap since the previous one (or
    // since the start of the archive, unless it is record 1); the gap after the last appearance
    // is the current delay.
    struct Acc {
        int last = 0;
        std::int64_t sum = 0;
        int gaps = 0;
        int minimum = std::numeric_limits<int>::max();
        int maximum = 0;
        void add(int gap) {
            sum += gap;
            ++gaps;
            minimum = std::min(minimum, gap);
            maximum = std::max(maximum, gap);
        }
    };
    const int count = archive.count();
    const AppearanceRule rule = DelayRule(s);
    std::array<Acc, 91> acc{};
    for (int k = 1; k <= count; ++k) {
        const NumberMask m = Appearing(archive.record(k), rule);
        for (int n = 1; n <= 90; ++n) {
            if (!m.test(n)) continue;
            if (acc[n].last != 0)
                acc[n].add(k - acc[n].last - 1);
            else if (k > 1)
                acc[n].add(k - 1);
            acc[n].last = k;
        }
    }
    NumberSummaries out{};
    if (count == 0) return out;
    for (int n = 1; n <= 90; ++n) {
        Acc& a = acc[n];
        a.add(count - a.last);
        out[n] = {count - a.last, a.minimum, RoundedMean(a.sum, a.gaps), a.maximum};
    }
    return out;
}

NumberSummaries computeFrequencySummaries(const DrawArchive& archive, const GlobalSettings& s) {
    const int count = archive.count();
    const int w = FrequencyWindow(archive, s);
    const AppearanceRule rule = FrequencyRule(s);
    const NumberCounts current = computeNumberFrequencies(archive, s);
    NumberSummaries out{};
    for (int n = 1; n <= 90; ++n) out[n].current = current[n];
    if (w < 1 || count <= w) return out;

    // Slide the window from the one ending at record w to the one ending at record count - 1.
    NumberCounts inWindow{};
    for (int k = 1; k <= w; ++k) ForEachOccurrence(archive.record(k), rule, [&](int n) { ++inWindow[n]; });
    std::array<std::int64_t, 91> sum{};
    NumberCounts lo, hi{};
    lo.fill(std::numeric_limits<std::int32_t>::max());
    for (int e = w;; ++e) {
        for (int n = 1; n <= 90; ++n) {
            sum[n] += inWindow[n];
            lo[n] = std::min(lo[n], inWindow[n]);
            hi[n] = std::max(hi[n], inWindow[n]);
        }
        if (e + 1 >= count) break;
        ForEachOccurrence(archive.record(e + 1), rule, [&](int n) { ++inWindow[n]; });
        ForEachOccurrence(archive.record(e + 1 - w), rule, [&](int n) { --inWindow[n]; });
    }
    for (int n = 1; n <= 90; ++n) {
        out[n].minimum = lo[n];
        out[n].maximum = hi[n];
        out[n].average = RoundedMean(sum[n], count - w);
    }
    return out;
}

void recomputeStatistics(const DrawArchive& archive, const GlobalSettings& s, StatisticsArrays& out) {
    out.NumberDelay = computeNumberDelays(archive, s);
    out.NumberFrequency = computeNumberFrequencies(archive, s);
    out.NumberProbability = computeNumberProbabilities(out.NumberDelay, out.NumberFrequency, s);
    out.DelayByDigit = computeDelayByDigit(archive, s);
    out.FrequencyByDigit = computeFrequencyByDigit(archive, s);
    out.SuperStarDelay = computeSuperStarDelays(archive);
    out.SuperStarFrequency = computeSuperStarFrequencies(archive, s);
}

void recomputeStatistics(Globali& g) {
    recomputeStatistics(g.archive, g.settings, g.stats);
}

void computeDelayByDigit(Globali& g) {
    g.stats.DelayByDigit = computeDelayByDigit(g.archive, g.settings);
}

void computeFrequencyByDigit(Globali& g) {
    g.stats.FrequencyByDigit = computeFrequencyByDigit(g.archive, g.settings);
}
