#pragma once

#include "archive/statistics.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the statistics area of the main window shows for each entry of its selector, and the
// orderings, texts and values of its charts and of the per-number panel. The widgets only draw.

enum StatisticsEntry : int {
    kDelayChart = 0,
    kFrequencyChart = 1,
    kProbabilityChart = 2,
    kDigitDelayChart = 3,
    kDigitFrequencyChart = 4,
    kDelaySummaryChart = 5,
    kFrequencySummaryChart = 6,
    kCombinationAnalysis = 7,
    kSmorfia = 8,
    kCyclometricCircle = 9,
    kSuperStarDelayChart = 10,
    kSuperStarFrequencyChart = 11,
    kStatisticsEntryCount = 12
};

enum class EntryKind {
    SingleChart,  // one bar per number or digit, cycling through three orders on a click
    SummaryChart, // four bars per number with an ordering list
    Page,         // a page of its own, supplied from outside the statistics area
    Window,       // opens a modal window and leaves the selector where it was
};

// The window the settings button opens for an entry.
enum class EntrySettings {
    None, // the button is disabled
    Delays,
    Frequencies,
    Probabilities,
    SuperStarFrequencies, // the frequency settings without the exclusion boxes
    Smorfia,
};

struct StatisticsEntryInfo {
    const char* caption; // the selector's text
    EntryKind kind;
    EntrySettings settings;
    const char* helpTopic; // empty when the entry has no page of its own
    const char* axisTitle; // the chart's left axis
    const char* hoverText; // the chart's explanation while the pointer rests on it
};

// Entry 0..11; an index out of range gives entry 0.
const StatisticsEntryInfo& EntryInfo(int entry);

// The single-series charts: each click moves on to the next order.
enum class BarOrder { Numbers, Descending, Ascending };
BarOrder NextBarOrder(BarOrder order);

struct ChartBars {
    std::vector<std::string> labels;
    std::vector<double> values;
    friend bool operator==(const ChartBars&, const ChartBars&) = default;
};

// The bars of a single-series entry in number (or digit) order, from arrays already computed;
// the probabilities rounded to whole numbers. Other entries give no bars.
ChartBars SingleChartBars(int entry, const StatisticsArrays& stats);
// The same bars in the given order; equal values keep their number order.
ChartBars OrderBars(const ChartBars& bars, BarOrder order);

// A probability score as its chart shows it: the nearest whole number, halves to even.
int RoundedProbability(double score);

// The four-bar charts: "Numeri" and then the current, minimum, average and maximum series.
inline constexpr int kSummarySeriesCount = 4;
std::array<std::string, kSummarySeriesCount + 1> SummaryOrderItems(bool delays);

struct SummaryBars {
    std::vector<std::string> labels;
    std::array<std::vector<double>, kSummarySeriesCount> series; // current, minimum, average, maximum
    friend bool operator==(const SummaryBars&, const SummaryBars&) = default;
};

// Ordered by the item of SummaryOrderItems (0 the numbers, 1..4 a series); equal values keep
// their number order whichever the direction.
SummaryBars OrderSummaryBars(const NumberSummaries& summaries, int orderItem, bool descending);
// The direction an ordering item starts with: the numbers upwards, a series from its largest.
bool StartsDescending(int orderItem);

// The per-number panel: the row shown at the top for number n keeps n's row in view, eight rows
// below the top when the grid can scroll that far.
inline constexpr int kPanelRows = 90;
int PanelTopRow(int number);

struct PanelRow {
    std::string number;
    std::string delay;
    std::string frequency;
    std::string probability; // with the "Decimali" digits, cut
    double barFraction;      // the probability bar's share of its cell, 0..1
};
PanelRow PanelRowFor(const StatisticsArrays& stats, int number, int decimals);

// A cheap fingerprint of what the statistics depend on: the archive's draws and the settings of
// the computations. A view is out of date when it changes.
std::uint64_t StatisticsFingerprint(const DrawArchive& archive, const GlobalSettings& s);
