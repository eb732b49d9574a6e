// The real history shipped with the program. The expected values were counted by hand from the
// text file with a separate script, not with this program's code.
#include "archive/archive_file.h"
#include "archive/draw_text.h"
#include "archive/smorfia.h"
#include "archive/statistics.h"

#include "archive_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class ShippedHistory : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        history = new DrawArchive;
        const DrawTextResult r = ReadDrawTsv(SESTAVIA_SHIPPED_DRAWS, *history);
        ASSERT_TRUE(r.ok) << "line " << r.lineNumber << ": " << r.error;
    }
    static void TearDownTestSuite() {
        delete history;
        history = nullptr;
    }
    static const DrawArchive& a() { return *history; }
    static DrawArchive* history;
};
DrawArchive* ShippedHistory::history = nullptr;

TEST_F(ShippedHistory, FirstAndLastDraws) {
    ASSERT_EQ(a().count(), 4202);
    EXPECT_EQ(a().record(1), MakeDraw(1997, 12, 3, {20, 36, 39, 41, 72, 76}, 88, 0, 87));
    // Kept in the order the file gives them, not sorted.
    EXPECT_EQ(a().last(), MakeDraw(2026, 5, 23, {14, 29, 34, 57, 59, 69}, 20, 16, 83));
}

TEST_F(ShippedHistory, BuiltArchiveFileHoldsTheSameDraws) {
    DrawArchive built;
    const ArchiveLoadResult r =
        loadArchive(built, std::filesystem::path(SESTAVIA_SHIPPED_DATA_DIR) / "Sestavia.dbs");
    ASSERT_TRUE(r.read);
    EXPECT_EQ(r.skipped, 0);
    ASSERT_EQ(built.count(), a().count());
    for (int k = 1; k <= a().count(); ++k) ASSERT_EQ(built.record(k), a().record(k)) << k;
}

TEST_F(ShippedHistory, DelaysAndFrequencies) {
    const GlobalSettings defaults;
    const NumberCounts delay = computeNumberDelays(a(), defaults);
    const NumberCounts freq = computeNumberFrequencies(a(), defaults);
    struct Case {
        int n, delay, freq;
    };
    for (const Case& c :
         {Case{1, 2, 7}, Case{7, 4, 10}, Case{13, 5, 8}, Case{55, 11, 6}, Case{90, 4, 8}, Case{20, 23, 6}}) {
        EXPECT_EQ(delay[c.n], c.delay) << c.n;
        EXPECT_EQ(freq[c.n], c.freq) << c.n;
    }
    EXPECT_EQ(*std::max_element(delay.begin() + 1, delay.end()), 99);
    EXPECT_EQ(delay[70], 99);

    GlobalSettings extras = defaults;
    extras.irEscludiJolly = extras.irEscludiSuperStar = 0;
    extras.ifEscludiJolly = extras.ifEscludiSuperStar = 0;
    EXPECT_EQ(computeNumberDelays(a(), extras)[20], 0) << "the Jolly of the last draw";
    EXPECT_EQ(computeNumberDelays(a(), defaults)[16], 9);
    EXPECT_EQ(computeNumberDelays(a(), extras)[16], 0) << "the SuperStar of the last draw";
    const NumberCounts freqAll = computeNumberFrequencies(a(), extras);
    for (const Case& c : {Case{1, 0, 9}, Case{7, 0, 13}, Case{13, 0, 10}, Case{55, 0, 6}, Case{90, 0, 10}})
        EXPECT_EQ(freqAll[c.n], c.freq) << c.n;
}

TEST_F(ShippedHistory, Summaries) {
    const GlobalSettings defaults;
    const NumberSummaries delays = computeDelaySummaries(a(), defaults);
    EXPECT_EQ(delays[1], (NumberSummary{2, 0, 13, 90}));
    EXPECT_EQ(delays[7], (NumberSummary{4, 0, 15, 98}));
    EXPECT_EQ(delays[13], (NumberSummary{5, 0, 15, 91}));
    EXPECT_EQ(delays[55], (NumberSummary{11, 0, 13, 80}));
    EXPECT_EQ(delays[90], (NumberSummary{4, 0, 13, 87}));
    EXPECT_EQ(computeFrequencySummaries(a(), defaults)[7], (NumberSummary{10, 1, 6, 13}));
}

TEST_F(ShippedHistory, DigitsAndSuperStar) {
    const GlobalSettings defaults;
    EXPECT_EQ(computeDelayByDigit(a(), defaults), (DigitCounts{4, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(computeFrequencyByDigit(a(), defaults),
              (DigitCounts{60, 136, 117, 127, 129, 118, 132, 108, 138, 66}));
    const NumberCounts ssDelay = computeSuperStarDelays(a());
    const NumberCounts ssFreq = computeSuperStarFrequencies(a(), defaults);
    struct Case {
        int n, delay, freq;
    };
    for (const Case& c : {Case{1, 74, 1}, Case{16, 0, 3}, Case{50, 2, 3}, Case{86, 1, 1}, Case{90, 98, 1}}) {
        EXPECT_EQ(ssDelay[c.n], c.delay) << c.n;
        EXPECT_EQ(ssFreq[c.n], c.freq) << c.n;
    }
}

TEST_F(ShippedHistory, ProbabilitiesWithTheDefaultSettings) {
    StatisticsArrays s;
    recomputeStatistics(a(), GlobalSettings{}, s);
    struct Case {
        int n;
        double p;
    };
    for (const Case& c :
         {Case{1, 23.737373737373737}, Case{7, 11.111111111111112}, Case{20, 38.888888888888886},
          Case{55, 32.828282828282823}, Case{90, 20.202020202020204}})
        EXPECT_NEAR(s.NumberProbability[c.n], c.p, 1e-12) << c.n;
}

TEST(ShippedSmorfia, EveryNumberHasAMeaning) {
    std::vector<SmorfiaEntry> entries;
    ASSERT_TRUE(ReadSmorfia(std::filesystem::path(SESTAVIA_SHIPPED_DATA_DIR) / "Sestavia.smo", entries));
    std::set<int> numbers;
    for (const SmorfiaEntry& e : entries) numbers.insert(e.number);
    EXPECT_EQ(numbers.size(), 90u);
    const auto rows = SearchSmorfia(entries, "paura");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().number, 90);
}

} // namespace
