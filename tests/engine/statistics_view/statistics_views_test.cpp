#include "statistics_view/statistics_views.h"

#include "draw_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Labels(std::initializer_list<int> numbers) {
    std::vector<std::string> out;
    for (int n : numbers) out.push_back(std::to_string(n));
    return out;
}

TEST(StatisticsEntries, SelectorTextsSettingsAndHelpTopics) {
    struct Case {
        int entry;
        const char* caption;
        EntryKind kind;
        EntrySettings settings;
        const char* topic;
    };
    const Case cases[] = {
        {0, "Grafico dei ritardi", EntryKind::SingleChart, EntrySettings::Delays, "stats_ritardi.htm"},
        {1, "Grafico delle frequenze", EntryKind::SingleChart, EntrySettings::Frequencies,
         "stats_frequenze.htm"},
        {2, "Grafico delle probabilità", EntryKind::SingleChart, EntrySettings::Probabilities,
         "stats_probabilita.htm"},
        {3, "Ritardi delle 10 cifre", EntryKind::SingleChart, EntrySettings::Delays, "stats_rit10c.htm"},
        {4, "Frequenze delle 10 cifre", EntryKind::SingleChart, EntrySettings::Frequencies,
         "stats_freq10c.htm"},
        {5, "Ritardi attuali/minimi/medi/massimi", EntryKind::SummaryChart, EntrySettings::Delays,
         "stats_ritammm.htm"},
        {6, "Frequenze attuali/minime/medie/massime", EntryKind::SummaryChart, EntrySettings::Frequencies,
         "stats_freqammm.htm"},
        {7, "Analisi combinazioni su colonne vincenti del Superenalotto", EntryKind::Page,
         EntrySettings::None, ""},
        {8, "La smorfia", EntryKind::Page, EntrySettings::Smorfia, ""},
        {9, "Cerchio ciclometrico Superenalotto", EntryKind::Window, EntrySettings::None, ""},
        {10, "Ritardi del numero SuperStar", EntryKind::SingleChart, EntrySettings::None,
         "stats_ritardi.htm"},
        {11, "Frequenze del numero SuperStar", EntryKind::SingleChart, EntrySettings::SuperStarFrequencies,
         "stats_frequenze.htm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const StatisticsEntryInfo& info = EntryInfo(c.entry);
        EXPECT_STREQ(info.caption, c.caption);
        EXPECT_EQ(info.kind, c.kind);
        EXPECT_EQ(info.settings, c.settings);
        EXPECT_STREQ(info.helpTopic, c.topic);
    }
    EXPECT_STREQ(EntryInfo(0).hoverText, "Sull'asse orizzontale sono visualizzati i 90 numeri, su quello "
                                         "verticale i relativi ritardi. Fare clic per ordinare i valori.");
    EXPECT_STREQ(EntryInfo(12).caption, EntryInfo(0).caption);
    EXPECT_STREQ(EntryInfo(-1).caption, EntryInfo(0).caption);
}

TEST(SingleCharts, EachEntryShowsItsArrayWithItsLabels) {
    StatisticsArrays stats;
    for (int n = 1; n <= 90; ++n) {
        stats.NumberDelay[n] = n;
        stats.NumberFrequency[n] = 100 + n;
        stats.SuperStarDelay[n] = 200 + n;
        stats.SuperStarFrequency[n] = 300 + n;
    }
    for (int d = 0; d <= 9; ++d) {
        stats.DelayByDigit[d] = 40 + d;
        stats.FrequencyByDigit[d] = 50 + d;
    }
    struct Case {
        int entry;
        std::size_t size;
        double firstValue;
        const char* firstLabel;
    };
    const Case cases[] = {{kDelayChart, 90, 1, "1"},
                          {kFrequencyChart, 90, 101, "1"},
                          {kDigitDelayChart, 10, 40, "0"},
                          {kDigitFrequencyChart, 10, 50, "0"},
                          {kSuperStarDelayChart, 90, 201, "1"},
                          {kSuperStarFrequencyChart, 90, 301, "1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const ChartBars bars = SingleChartBars(c.entry, stats);
        ASSERT_EQ(bars.values.size(), c.size);
        ASSERT_EQ(bars.labels.size(), c.size);
        EXPECT_EQ(bars.values.front(), c.firstValue);
        EXPECT_EQ(bars.labels.front(), c.firstLabel);
        EXPECT_EQ(bars.labels.back(), c.size == 10 ? "9" : "90");
    }
    EXPECT_TRUE(SingleChartBars(kDelaySummaryChart, stats).values.empty());
    EXPECT_TRUE(SingleChartBars(kSmorfia, stats).values.empty());
}

TEST(SingleCharts, ProbabilitiesAreRoundedHalvesToEven) {
    const std::pair<double, int> cases[] = {{0.51, 1},   {2.5, 2},   {3.5, 4},  {6.6666, 7},
                                            {49.49, 49}, {99.4, 99}, {50.5, 50}};
    StatisticsArrays stats;
    for (std::size_t i = 0; i < std::size(cases); ++i) stats.NumberProbability[i + 1] = cases[i].first;
    const ChartBars bars = SingleChartBars(kProbabilityChart, stats);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].first);
        EXPECT_EQ(RoundedProbability(cases[i].first), cases[i].second);
        EXPECT_EQ(bars.values[i], cases[i].second);
    }
}

TEST(SingleCharts, ClicksCycleThroughNumbersDescendingAscendingWithTiesInNumberOrder) {
    EXPECT_EQ(NextBarOrder(BarOrder::Numbers), BarOrder::Descending);
    EXPECT_EQ(NextBarOrder(BarOrder::Descending), BarOrder::Ascending);
    EXPECT_EQ(NextBarOrder(BarOrder::Ascending), BarOrder::Numbers);

    const ChartBars bars{Labels({1, 2, 3, 4, 5}), {3, 7, 3, 0, 7}};
    EXPECT_EQ(OrderBars(bars, BarOrder::Numbers), bars);
    EXPECT_EQ(OrderBars(bars, BarOrder::Descending), (ChartBars{Labels({2, 5, 1, 3, 4}), {7, 7, 3, 3, 0}}));
    EXPECT_EQ(OrderBars(bars, BarOrder::Ascending), (ChartBars{Labels({4, 1, 3, 2, 5}), {0, 3, 3, 7, 7}}));
}

TEST(SummaryCharts, OrderingItemsAndDirections) {
    EXPECT_EQ(SummaryOrderItems(true),
              (std::array<std::string, 5>{"Numeri", "Ritardi attuali", "Ritardi minimi", "Ritardi medi",
                                          "Ritardi massimi"}));
    EXPECT_EQ(SummaryOrderItems(false),
              (std::array<std::string, 5>{"Numeri", "Frequenze attuali", "Frequenze minime",
                                          "Frequenze medie", "Frequenze massime"}));
    EXPECT_FALSE(StartsDescending(0));
    EXPECT_TRUE(StartsDescending(3));

    NumberSummaries s{};
    s[1] = {5, 1, 9, 30};
    s[2] = {0, 0, 4, 12};
    s[3] = {5, 2, 9, 40};
    for (int n = 4; n <= 90; ++n) s[n] = {1, 0, 1, 2};

    const SummaryBars numbers = OrderSummaryBars(s, 0, false);
    ASSERT_EQ(numbers.labels.size(), 90U);
    EXPECT_EQ(numbers.labels.front(), "1");
    EXPECT_EQ(numbers.labels.back(), "90");
    EXPECT_EQ(numbers.series[3][2], 40);
    EXPECT_EQ(OrderSummaryBars(s, 0, true).labels.front(), "90");

    // Ordering by the averages: 1 and 3 tie at 9 and stay in number order in both directions.
    const SummaryBars byAverage = OrderSummaryBars(s, 3, true);
    EXPECT_EQ(std::vector<std::string>(byAverage.labels.begin(), byAverage.labels.begin() + 3),
              Labels({1, 3, 2}));
    EXPECT_EQ(byAverage.series[0][1], 5); // number 3's current value moves with it
    EXPECT_EQ(byAverage.series[1][1], 2);
    const SummaryBars upwards = OrderSummaryBars(s, 3, false);
    EXPECT_EQ(std::vector<std::string>(upwards.labels.end() - 3, upwards.labels.end()), Labels({2, 1, 3}));
    EXPECT_EQ(OrderSummaryBars(s, 4, true).labels.front(), "3");
    EXPECT_EQ(OrderSummaryBars(s, 2, false).labels.front(), "2");
}

TEST(PerNumberPanel, TopRowKeepsTheNumberInView) {
    const std::pair<int, int> cases[] = {{1, 0},   {7, 0},   {8, 0},   {9, 1},
                                         {50, 42}, {84, 76}, {85, 77}, {90, 77}};
    for (const auto& [number, top] : cases) EXPECT_EQ(PanelTopRow(number), top) << number;
}

TEST(PerNumberPanel, RowTextsUseTheDecimalsSetting) {
    StatisticsArrays stats;
    stats.NumberDelay[12] = 34;
    stats.NumberFrequency[12] = 5;
    stats.NumberProbability[12] = 62.4789;
    const PanelRow two = PanelRowFor(stats, 12, 2);
    EXPECT_EQ(two.number, "12");
    EXPECT_EQ(two.delay, "34");
    EXPECT_EQ(two.frequency, "5");
    EXPECT_EQ(two.probability, "62,47"); // cut, not rounded
    EXPECT_DOUBLE_EQ(two.barFraction, 0.624789);
    EXPECT_EQ(PanelRowFor(stats, 12, 0).probability, "62");
    EXPECT_EQ(PanelRowFor(stats, 12, 4).probability, "62,4789");
    EXPECT_EQ(PanelRowFor(stats, 91, 2).number, "");
}

TEST(Fingerprint, ChangesWithTheDrawsAndTheSettingsOnly) {
    DrawArchive archive;
    GlobalSettings settings;
    const std::uint64_t empty = StatisticsFingerprint(archive, settings);
    archive.insertDraw(MakeDraw(1, 2, 2020));
    const std::uint64_t one = StatisticsFingerprint(archive, settings);
    EXPECT_NE(one, empty);
    EXPECT_EQ(StatisticsFingerprint(archive, settings), one);
    archive.insertDraw(MakeDraw(1, 2, 2020, {1, 2, 3, 4, 5, 9})); // same date: replaced
    EXPECT_NE(StatisticsFingerprint(archive, settings), one);

    const std::uint64_t before = StatisticsFingerprint(archive, settings);
    settings.costoColonnaNew = 3; // nothing to do with the statistics
    EXPECT_EQ(StatisticsFingerprint(archive, settings), before);
    settings.ifNumEstra = 50;
    EXPECT_NE(StatisticsFingerprint(archive, settings), before);
}

} // namespace
