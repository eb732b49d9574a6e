// The statistics take shortcuts (one pass for all numbers, bit sets, a sliding window); these
// plain transcriptions of the definitions must agree with them on many random archives.
#include "archive/statistics.h"

#include "archive_test_support.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>
#include <vector>

namespace {

int Occurrences(const DrawRecord& r, int n, bool jolly, bool superStar) {
    int c = 0;
    for (int x : r.numbers) c += x == n;
    if (jolly && r.jolly == n) ++c;
    if (superStar && r.superStar != 0 && r.superStar == n) ++c;
    return c;
}

bool AppearsForDelay(const DrawRecord& r, int n, const GlobalSettings& s) {
    return Occurrences(r, n, s.irEscludiJolly == 0, s.irEscludiSuperStar == 0) > 0;
}

int RefDelay(const DrawArchive& a, int n, const GlobalSettings& s) {
    for (int k = a.count(); k >= 1; --k)
        if (AppearsForDelay(a.record(k), n, s)) return a.count() - k;
    return a.count();
}

int RefWindowCount(const DrawArchive& a, int n, const GlobalSettings& s, int first, int last) {
    int c = 0;
    for (int k = first; k <= last; ++k)
        c += Occurrences(a.record(k), n, s.ifEscludiJolly == 0, s.ifEscludiSuperStar == 0);
    return c;
}

int RefFrequency(const DrawArchive& a, int n, const GlobalSettings& s) {
    const int w = std::min(s.ifNumEstra, a.count());
    return RefWindowCount(a, n, s, a.count() - w + 1, a.count());
}

bool DigitIn(int number, int d) {
    return number >= 1 && number <= 90 && std::to_string(number).find(char('0' + d)) != std::string::npos;
}

int RefDigitDelay(const DrawArchive& a, int d, const GlobalSettings& s) {
    for (int k = a.count(); k >= 1; --k) {
        const DrawRecord& r = a.record(k);
        bool in = false;
        for (int x : r.numbers) in = in || DigitIn(x, d);
        in = in || (s.irEscludiJolly == 0 && DigitIn(r.jolly, d)) ||
             (s.irEscludiSuperStar == 0 && DigitIn(r.superStar, d));
        if (in) return a.count() - k;
    }
    return a.count();
}

int RefDigitFrequency(const DrawArchive& a, int d, const GlobalSettings& s) {
    const int w = std::min(s.ifNumEstra, a.count());
    int c = 0;
    auto add = [&](int x) {
        if (x < 1 || x > 90) return;
        for (char ch : std::to_string(x)) c += ch == '0' + d;
    };
    for (int k = a.count() - w + 1; k <= a.count(); ++k) {
        const DrawRecord& r = a.record(k);
        for (int x : r.numbers) add(x);
        if (s.ifEscludiJolly == 0) add(r.jolly);
        if (s.ifEscludiSuperStar == 0) add(r.superStar);
    }
    return c;
}

int RoundHalfEven(double mean) {
    std::fesetround(FE_TONEAREST);
    return static_cast<int>(std::nearbyint(mean));
}

NumberSummary RefDelaySummary(const DrawArchive& a, int n, const GlobalSettings& s) {
    std::vector<int> gaps;
    int start = a.count();
    while (start > 0) {
        int k = start;
        while (k >= 1 && !AppearsForDelay(a.record(k), n, s)) --k;
        gaps.push_back(start - k);
        start = k == 0 ? 0 : k - 1;
    }
    NumberSummary out;
    out.current = RefDelay(a, n, s);
    if (gaps.empty()) return out;
    double sum = 0;
    for (int g : gaps) sum += g;
    out.minimum = *std::min_element(gaps.begin(), gaps.end());
    out.maximum = *std::max_element(gaps.begin(), gaps.end());
    out.average = RoundHalfEven(sum / static_cast<double>(gaps.size()));
    return out;
}

NumberSummary RefFrequencySummary(const DrawArchive& a, int n, const GlobalSettings& s) {
    const int w = std::min(s.ifNumEstra, a.count());
    std::vector<int> counts;
    for (int e = w; e <= a.count() - 1; ++e) counts.push_back(RefWindowCount(a, n, s, e - w + 1, e));
    NumberSummary out;
    out.current = RefFrequency(a, n, s);
    if (counts.empty()) return out;
    double sum = 0;
    for (int c : counts) sum += c;
    out.minimum = *std::min_element(counts.begin(), counts.end());
    out.maximum = *std::max_element(counts.begin(), counts.end());
    out.average = RoundHalfEven(sum / static_cast<double>(counts.size()));
    return out;
}

TEST(StatisticsReference, AgreeOnRandomArchives) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 60; ++round) {
        const int count = static_cast<int>(rng() % 160);
        // Few distinct numbers make long runs and repeated appearances; all 90 leave many gaps.
        const int maxNumber = round % 3 == 0 ? 12 : 90;
        const DrawArchive a = RandomArchive(rng, count, maxNumber);
        GlobalSettings s;
        s.irEscludiJolly = rng() % 2;
        s.irEscludiSuperStar = rng() % 2;
        s.ifEscludiJolly = rng() % 2;
        s.ifEscludiSuperStar = rng() % 2;
        s.ifNumEstra = 1 + static_cast<int>(rng() % 60);
        const std::string where = "round " + std::to_string(round);

        const NumberCounts delays = computeNumberDelays(a, s);
        const NumberCounts freqs = computeNumberFrequencies(a, s);
        const NumberSummaries delaySum = computeDelaySummaries(a, s);
        const NumberSummaries freqSum = computeFrequencySummaries(a, s);
        const NumberCounts ssDelay = computeSuperStarDelays(a);
        const NumberCounts ssFreq = computeSuperStarFrequencies(a, s);
        for (int n = 1; n <= 90; ++n) {
            ASSERT_EQ(delays[n], RefDelay(a, n, s)) << where << " n " << n;
            ASSERT_EQ(freqs[n], RefFrequency(a, n, s)) << where << " n " << n;
            ASSERT_EQ(delaySum[n], RefDelaySummary(a, n, s)) << where << " n " << n;
            ASSERT_EQ(freqSum[n], RefFrequencySummary(a, n, s)) << where << " n " << n;
            int ssd = count, ssf = 0;
            for (int k = count; k >= 1; --k)
                if (a.record(k).superStar == n) {
                    ssd = count - k;
                    break;
                }
            for (int k = count - std::min(s.ifNumEstra, count) + 1; k <= count; ++k)
                ssf += a.record(k).superStar == n;
            ASSERT_EQ(ssDelay[n], ssd) << where << " n " << n;
            ASSERT_EQ(ssFreq[n], ssf) << where << " n " << n;
        }
        const DigitCounts digitDelay = computeDelayByDigit(a, s);
        const DigitCounts digitFreq = computeFrequencyByDigit(a, s);
        for (int d = 0; d < 10; ++d) {
            ASSERT_EQ(digitDelay[d], RefDigitDelay(a, d, s)) << where << " digit " << d;
            ASSERT_EQ(digitFreq[d], RefDigitFrequency(a, d, s)) << where << " digit " << d;
        }
    }
}

} // namespace
