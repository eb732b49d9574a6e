#include "archive/statistics_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(FrequencyWindowSetting, ValidatesAndLimitsToTheArchive) {
    struct Case {
        const char* text;
        int archiveCount;
        bool ok;
        int stored;
    };
    const Case cases[] = {
        {"25", 4202, true, 25},
        {"5000", 4202, true, 4202},
        {"1", 10, true, 1},
        {"0", 4202, false, 100},
        {"", 4202, false, 100},
        {"-3", 4202, false, 100},
        {"1.5", 4202, false, 100},
        {"99999999999999999999", 4202, true, 4202},
        // With no draws yet the typed size is kept rather than turned into 0.
        {"30", 0, true, 30},
    };
    for (const Case& c : cases) {
        GlobalSettings s;
        EXPECT_EQ(ApplyFrequencyWindow(s, c.text, c.archiveCount), c.ok) << c.text;
        EXPECT_EQ(s.ifNumEstra, c.stored) << c.text;
    }
}

TEST(ProbabilityWeights, SliderPositionAndLabel) {
    struct Case {
        double prMax;
        int position;
    };
    const Case cases[] = {{50, 50},   {30.4, 70}, {49.5, 50},
                          {50.5, 50}, {0, 100},   {100, 0},
                          {140, 0},   {-5, 100},  {std::numeric_limits<double>::quiet_NaN(), 50}};
    for (const Case& c : cases) {
        GlobalSettings s;
        s.ipPrMax = c.prMax;
        EXPECT_EQ(ProbabilityTrackPosition(s), c.position) << c.prMax;
    }
    EXPECT_EQ(ProbabilityWeightLabel(50), "Peso ritardi/frequenze: 50/50");
    EXPECT_EQ(ProbabilityWeightLabel(100), "Peso ritardi/frequenze: 0/100");
    GlobalSettings s;
    s.ipPrMin = 3;
    ApplyProbabilityWeights(s, 80);
    EXPECT_EQ(s.ipPrMax, 20);
    EXPECT_EQ(s.ipPfMax, 80);
    EXPECT_EQ(s.ipPrMin, 0);
    EXPECT_EQ(s.ipPfMin, 0);
}

} // namespace
