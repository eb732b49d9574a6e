#include "archive/statistics.h"

#include "archive_test_support.h"
#include "core/Globali.h"
#include "fake_clock.h"
#include "recording_messages.h"

#include <gtest/gtest.h>

namespace {

constexpr double kNoSpread = 6.0 / 90.0;

GlobalSettings WithExtras(bool jollyForDelays, bool superStarForDelays, bool jollyForFrequencies,
                          bool superStarForFrequencies) {
    GlobalSettings s;
    s.irEscludiJolly = jollyForDelays ? 0 : 1;
    s.irEscludiSuperStar = superStarForDelays ? 0 : 1;
    s.ifEscludiJolly = jollyForFrequencies ? 0 : 1;
    s.ifEscludiSuperStar = superStarForFrequencies ? 0 : 1;
    return s;
}

// Ten draws; number 5 is among the six of records 2, 3 and 7 only.
DrawArchive TenDraws() {
    DrawArchive a;
    for (int k = 1; k <= 10; ++k) {
        const bool five = k == 2 || k == 3 || k == 7;
        a.appendUnchecked(DrawNumber(k, {five ? 5 : 60, 61, 62, 63, 64, 65}, 66, 67));
    }
    return a;
}

TEST(NumberDelay, LastDrawIsZeroAndNeverDrawnIsTheCount) {
    const DrawArchive a = TenDraws();
    const NumberCounts d = computeNumberDelays(a, GlobalSettings{});
    EXPECT_EQ(d[61], 0);
    EXPECT_EQ(d[5], 3);
    EXPECT_EQ(d[60], 0);
    EXPECT_EQ(d[1], 10);
    EXPECT_EQ(d[66], 10) << "the Jolly is excluded by default";
    EXPECT_EQ(d[67], 10) << "the SuperStar is excluded by default";
}

TEST(NumberDelay, JollyAndSuperStarCountOnlyWhenIncluded) {
    // Last draw: 40 is its Jolly and 50 its SuperStar; both were among the six of record 1.
    const DrawArchive a =
        ArchiveOf({DrawNumber(1, {40, 50, 1, 2, 3, 4}, 5, 6), DrawNumber(2, {1, 2, 3, 4, 5, 6}, 40, 50)});
    struct Case {
        bool jolly, superStar;
        int delay40, delay50;
    };
    for (const Case& c : {Case{false, false, 1, 1}, Case{true, false, 0, 1}, Case{false, true, 1, 0},
                          Case{true, true, 0, 0}}) {
        const NumberCounts d = computeNumberDelays(a, WithExtras(c.jolly, c.superStar, false, false));
        EXPECT_EQ(d[40], c.delay40) << c.jolly << c.superStar;
        EXPECT_EQ(d[50], c.delay50) << c.jolly << c.superStar;
    }
}

TEST(NumberFrequency, ExtrasEqualToOneOfTheSixCountTwice) {
    // Record 2: the SuperStar 3 repeats one of the six; its Jolly 9 does not.
    const DrawArchive a =
        ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6}, 7, 0), DrawNumber(2, {1, 2, 3, 4, 5, 6}, 9, 3)});
    EXPECT_EQ(computeNumberFrequencies(a, WithExtras(false, false, false, false))[3], 2);
    EXPECT_EQ(computeNumberFrequencies(a, WithExtras(false, false, false, true))[3], 3);
    EXPECT_EQ(computeNumberFrequencies(a, WithExtras(false, false, true, false))[9], 1);
    EXPECT_EQ(computeNumberFrequencies(a, WithExtras(false, false, true, true))[7], 1);
    EXPECT_EQ(computeNumberFrequencies(a, WithExtras(false, false, true, true))[90], 0)
        << "a SuperStar of 0 is no number";
}

TEST(NumberFrequency, WindowIsTheLastDrawsOrTheWholeArchive) {
    const DrawArchive a = TenDraws();
    GlobalSettings s;
    s.ifNumEstra = 4; // records 7..10
    EXPECT_EQ(computeNumberFrequencies(a, s)[5], 1);
    EXPECT_EQ(computeNumberFrequencies(a, s)[61], 4);
    s.ifNumEstra = 1000;
    EXPECT_EQ(computeNumberFrequencies(a, s)[5], 3);
    EXPECT_EQ(computeNumberFrequencies(a, s)[61], 10);
    s.ifNumEstra = 0;
    EXPECT_EQ(computeNumberFrequencies(a, s)[61], 0);
}

TEST(DigitStatistics, DigitZeroOnlyThroughTheTens) {
    // Six numbers without a 0 anywhere; the Jolly is 10 and the SuperStar 90.
    const DrawArchive a = ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6}, 10, 90)});
    EXPECT_EQ(computeDelayByDigit(a, WithExtras(false, false, false, false))[0], 1);
    EXPECT_EQ(computeDelayByDigit(a, WithExtras(true, false, false, false))[0], 0);
    EXPECT_EQ(computeDelayByDigit(a, WithExtras(false, true, false, false))[0], 0);
    EXPECT_EQ(computeFrequencyByDigit(a, WithExtras(false, false, false, false))[0], 0);
    EXPECT_EQ(computeFrequencyByDigit(a, WithExtras(false, false, true, true))[0], 2);
    EXPECT_EQ(computeFrequencyByDigit(a, WithExtras(false, false, true, true))[9], 1);
}

TEST(DigitStatistics, EachWrittenDigitCounts) {
    const DrawArchive a =
        ArchiveOf({DrawNumber(1, {11, 10, 5, 23, 89, 77}, 1, 0), DrawNumber(2, {2, 3, 4, 5, 6, 7}, 9, 0)});
    const DigitCounts f = computeFrequencyByDigit(a, GlobalSettings{});
    // 11 gives digit 1 twice, 10 gives 1 and 0, 77 gives 7 twice; single-digit numbers once.
    const DigitCounts expected{1, 3, 2, 2, 1, 2, 1, 3, 1, 1};
    EXPECT_EQ(f, expected);
    const DigitCounts d = computeDelayByDigit(a, GlobalSettings{});
    const DigitCounts expectedDelay{1, 1, 0, 0, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(d, expectedDelay);
    EXPECT_EQ(computeDelayByDigit(DrawArchive{}, GlobalSettings{}), DigitCounts{});
}

TEST(SuperStarStatistics, IgnoreTheExclusionFlagsAndMissingSuperStars) {
    const DrawArchive a =
        ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6}, 7, 8), DrawNumber(2, {1, 2, 3, 4, 5, 6}, 7, 8),
                   DrawNumber(3, {1, 2, 3, 4, 5, 6}, 7, 0)});
    for (const GlobalSettings& s :
         {WithExtras(false, false, false, false), WithExtras(true, true, true, true)}) {
        const NumberCounts d = computeSuperStarDelays(a);
        EXPECT_EQ(d[8], 1);
        EXPECT_EQ(d[1], 3) << "1 was never a SuperStar";
        EXPECT_EQ(computeSuperStarFrequencies(a, s)[8], 2);
        EXPECT_EQ(computeSuperStarFrequencies(a, s)[1], 0);
    }
}

TEST(DelaySummary, GapsOfAHandCountedArchive) {
    // 5 at records 2, 3, 7 of 10: gaps 3 (current), 3, 0 and 1 before the first appearance.
    const NumberSummaries s = computeDelaySummaries(TenDraws(), GlobalSettings{});
    EXPECT_EQ(s[5], (NumberSummary{3, 0, 2, 3}));
    EXPECT_EQ(s[61], (NumberSummary{0, 0, 0, 0})) << "in every draw";
    EXPECT_EQ(s[1], (NumberSummary{10, 10, 10, 10})) << "never drawn: one gap, the count";
}

TEST(DelaySummary, AverageRoundsHalvesToEven) {
    struct Case {
        int count;
        std::vector<int> at; // records where 5 appears
        NumberSummary expected;
    };
    const Case cases[] = {
        {2, {2}, {0, 0, 0, 1}},       // gaps 0, 1: mean 0.5 -> 0
        {4, {4}, {0, 0, 2, 3}},       // gaps 0, 3: mean 1.5 -> 2
        {4, {1, 4}, {0, 0, 1, 2}},    // first appearance is record 1: no gap before it
        {7, {1, 2, 5}, {2, 0, 1, 2}}, // gaps 2, 2, 0
    };
    for (const Case& c : cases) {
        DrawArchive a;
        for (int k = 1; k <= c.count; ++k) {
            const bool five = std::find(c.at.begin(), c.at.end(), k) != c.at.end();
            a.appendUnchecked(DrawNumber(k, {five ? 5 : 60, 61, 62, 63, 64, 65}));
        }
        EXPECT_EQ(computeDelaySummaries(a, GlobalSettings{})[5], c.expected) << c.count;
    }
}

TEST(FrequencySummary, WindowsEndBeforeTheLastDraw) {
    // 5 at records 1, 2, 4 of 5, window 2: windows ending at 2, 3, 4 hold 2, 1, 1.
    DrawArchive a;
    for (int k = 1; k <= 5; ++k)
        a.appendUnchecked(DrawNumber(k, {k == 3 || k == 5 ? 60 : 5, 61, 62, 63, 64, 65}));
    GlobalSettings s;
    s.ifNumEstra = 2;
    EXPECT_EQ(computeFrequencySummaries(a, s)[5], (NumberSummary{1, 1, 1, 2}));
    s.ifNumEstra = 3; // windows ending at 3, 4 hold 2, 2
    EXPECT_EQ(computeFrequencySummaries(a, s)[5], (NumberSummary{1, 2, 2, 2}));
    s.ifNumEstra = 1; // windows ending at 1..4 hold 1, 1, 0, 1: mean 0.75
    EXPECT_EQ(computeFrequencySummaries(a, s)[5], (NumberSummary{0, 0, 1, 1}));
}

TEST(FrequencySummary, WindowLargerThanTheArchiveHasNoHistory) {
    GlobalSettings s;
    s.ifNumEstra = 100;
    const NumberSummaries sum = computeFrequencySummaries(TenDraws(), s);
    EXPECT_EQ(sum[5], (NumberSummary{3, 0, 0, 0}));
    EXPECT_EQ(sum[61], (NumberSummary{10, 0, 0, 0}));
    EXPECT_EQ(s.ifNumEstra, 100) << "the setting itself is left alone";
}

TEST(NumberProbability, NoSpreadGivesSixNinetiethsOfEachWeight) {
    NumberCounts delays, freqs;
    delays.fill(5);
    freqs.fill(3);
    for (std::uint8_t m : {0, 1, 2}) {
        GlobalSettings s;
        s.ipMCPR = m;
        s.ipMCPF = m;
        const auto p = computeNumberProbabilities(delays, freqs, s);
        for (int n = 1; n <= 90; ++n) ASSERT_DOUBLE_EQ(p[n], kNoSpread * 50 + kNoSpread * 50) << int{m};
    }
}

TEST(NumberProbability, ExtremesAreClamped) {
    NumberCounts delays{}, freqs{};
    for (int n = 1; n <= 90; ++n) delays[n] = n; // 90 the most delayed, 1 the least
    GlobalSettings s;
    s.ipUsaFre = false;
    s.ipPrMax = 100;
    s.ipMCPR = 0;
    auto p = computeNumberProbabilities(delays, freqs, s);
    EXPECT_EQ(p[90], 99.4);
    EXPECT_EQ(p[1], 0.51);
    EXPECT_DOUBLE_EQ(p[45], 44.0 / 89.0 * 100);
    s.ipMCPR = 2; // the least delayed is favoured; any other value acts the same
    p = computeNumberProbabilities(delays, freqs, s);
    EXPECT_EQ(p[1], 99.4);
    EXPECT_EQ(p[90], 0.51);
    s.ipMCPR = 7;
    EXPECT_EQ(computeNumberProbabilities(delays, freqs, s), p);
}

TEST(NumberProbability, AverageCriterionGivesNothingToTheFarthest) {
    NumberCounts delays{}, freqs{};
    for (int n = 1; n <= 90; ++n) delays[n] = n <= 89 ? 10 : 100; // mean 11, 90 is the farthest
    freqs.fill(4);
    GlobalSettings s;
    s.ipMCPR = 1;
    const auto p = computeNumberProbabilities(delays, freqs, s);
    EXPECT_DOUBLE_EQ(p[90], kNoSpread * 50) << "only the frequencies' no-spread share is left";
    // The others sit 1 from the mean, D = 89: |89 - 1| / 89 of the weight.
    EXPECT_DOUBLE_EQ(p[1], 88.0 / 89.0 * 50 + kNoSpread * 50);
}

TEST(NumberProbability, CriterionOffOrWithoutWeightContributesNothing) {
    NumberCounts delays{}, freqs{};
    for (int n = 1; n <= 90; ++n) delays[n] = freqs[n] = n;
    GlobalSettings s;
    s.ipUsaRit = false;
    s.ipUsaFre = false;
    for (int n : {1, 45, 90}) EXPECT_EQ(computeNumberProbabilities(delays, freqs, s)[n], 0.51);
    s.ipUsaRit = true;
    s.ipPrMax = 0;
    for (int n : {1, 45, 90}) EXPECT_EQ(computeNumberProbabilities(delays, freqs, s)[n], 0.51);
}

TEST(RecomputeStatistics, EmptyArchive) {
    RecordingMessages messages;
    FakeClock clock;
    Globali g(messages, clock);
    g.stats.NumberDelay.fill(7);
    recomputeStatistics(g);
    for (int n = 1; n <= 90; ++n) {
        ASSERT_EQ(g.stats.NumberDelay[n], 0);
        ASSERT_EQ(g.stats.NumberFrequency[n], 0);
        ASSERT_DOUBLE_EQ(g.stats.NumberProbability[n], kNoSpread * 100);
        ASSERT_EQ(g.stats.SuperStarDelay[n], 0);
    }
    EXPECT_EQ(computeDelaySummaries(g.archive, g.settings)[5], NumberSummary{});
    EXPECT_EQ(computeFrequencySummaries(g.archive, g.settings)[5], NumberSummary{});
}

TEST(RecomputeStatistics, FillsEveryArrayFromTheProgramState) {
    RecordingMessages messages;
    FakeClock clock;
    Globali g(messages, clock);
    g.archive = TenDraws();
    g.settings.ifNumEstra = 5;
    recomputeStatistics(g);
    EXPECT_EQ(g.stats.NumberDelay, computeNumberDelays(g.archive, g.settings));
    EXPECT_EQ(g.stats.NumberFrequency[5], 1);
    EXPECT_EQ(g.stats.NumberProbability,
              computeNumberProbabilities(g.stats.NumberDelay, g.stats.NumberFrequency, g.settings));
    EXPECT_EQ(g.stats.DelayByDigit[6], 0);
    EXPECT_EQ(g.stats.DelayByDigit[9], 10);
    // The tens of 60..65 in each of the last five draws, less the 60 that 5 replaced in record 7.
    EXPECT_EQ(g.stats.FrequencyByDigit[6], 29);
    EXPECT_EQ(g.stats.SuperStarDelay[67], 0);
    EXPECT_EQ(g.stats.SuperStarFrequency[67], 5);
}

} // namespace
