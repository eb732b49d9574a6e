#include "statistics_view/statistics_views.h"

#include "core/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

const std::array<StatisticsEntryInfo, kStatisticsEntryCount> kEntries{{
    {"Grafico dei ritardi", EntryKind::SingleChart, EntrySettings::Delays, "stats_ritardi.htm", "Ritardi",
     "Sull'asse orizzontale sono visualizzati i 90 numeri, su quello verticale i relativi ritardi. Fare clic "
     "per ordinare i valori."},
    {"Grafico delle frequenze", EntryKind::SingleChart, EntrySettings::Frequencies, "stats_frequenze.htm",
     "Frequenze",
     "Sull'asse orizzontale sono visualizzati i 90 numeri, su quello verticale le relative frequenze. Fare "
     "clic per ordinare i valori."},
    {"Grafico delle probabilità", EntryKind::SingleChart, EntrySettings::Probabilities,
     "stats_probabilita.htm", "Probabilità",
     "Sull'asse orizzontale sono visualizzati i 90 numeri, su quello verticale le relative probabilità. Fare "
     "clic per ordinare i valori."},
    {"Ritardi delle 10 cifre", EntryKind::SingleChart, EntrySettings::Delays, "stats_rit10c.htm", "Ritardi",
     "Sull'asse orizzontale sono visualizzate le 10 cifre, su quello verticale i relativi ritardi. Fare clic "
     "per ordinare i valori."},
    {"Frequenze delle 10 cifre", EntryKind::SingleChart, EntrySettings::Frequencies, "stats_freq10c.htm",
     "Frequenze",
     "Sull'asse orizzontale sono visualizzate le 10 cifre, su quello verticale le relative frequenze. Fare "
     "clic per ordinare i valori."},
    {"Ritardi attuali/minimi/medi/massimi", EntryKind::SummaryChart, EntrySettings::Delays,
     "stats_ritammm.htm", "Ritardi",
     "Sull'asse orizzontale sono visualizzati i 90 numeri, su quello verticale i ritardi attuali, minimi (in "
     "verde), medi (in bianco) e massimi (in rosso). Scegliere l'ordinamento dall'elenco; fare clic per "
     "invertirlo."},
    {"Frequenze attuali/minime/medie/massime", EntryKind::SummaryChart, EntrySettings::Frequencies,
     "stats_freqammm.htm", "Frequenze",
     "Sull'asse orizzontale sono visualizzati i 90 numeri, su quello verticale le frequenze attuali, minime "
     "(in verde), medie (in bianco) e massime (in rosso). Scegliere l'ordinamento dall'elenco; fare clic per "
     "invertirlo."},
    {"Analisi combinazioni su colonne vincenti del Superenalotto", EntryKind::Page, EntrySettings::None, "",
     "", ""},
    {"La smorfia", EntryKind::Page, EntrySettings::Smorfia, "", "", ""},
    {"Cerchio ciclometrico Superenalotto", EntryKind::Window, EntrySettings::None, "", "", ""},
    {"Ritardi del numero SuperStar", EntryKind::SingleChart, EntrySettings::None, "stats_ritardi.htm",
     "Ritardi",
     "Sull'asse orizzontale sono visualizzati i 90 numeri del SuperStar, su quello verticale i relativi "
     "ritardi. Fare clic per ordinare i valori."},
    {"Frequenze del numero SuperStar", EntryKind::SingleChart, EntrySettings::SuperStarFrequencies,
     "stats_frequenze.htm", "Frequenze",
     "Sull'asse orizzontale sono visualizzati i 90 numeri del SuperStar, su quello verticale le relative "
     "frequenze. Fare clic per ordinare i valori."},
}};

template <typename Array> ChartBars NumberBars(const Array& values) {
    ChartBars bars;
    for (int n = 1; n <= 90; ++n) {
        bars.labels.push_back(std::to_string(n));
        bars.values.push_back(static_cast<double>(values[static_cast<std::size_t>(n)]));
    }
    return bars;
}

ChartBars DigitBars(const DigitCounts& values) {
    ChartBars bars;
    for (int d = 0; d <= 9; ++d) {
        bars.labels.push_back(std::to_string(d));
        bars.values.push_back(values[static_cast<std::size_t>(d)]);
    }
    return bars;
}

// The positions 0..size-1 sorted by key, ties kept in position order.
std::vector<std::size_t> StableOrder(const std::vector<double>& keys, bool descending) {
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return descending ? keys[a] > keys[b] : keys[a] < keys[b];
    });
    return order;
}

} // namespace

const StatisticsEntryInfo& EntryInfo(int entry) {
    if (entry < 0 || entry >= kStatisticsEntryCount) entry = 0;
    return kEntries[static_cast<std::size_t>(entry)];
}

BarOrder NextBarOrder(BarOrder order) {
    switch (order) {
    case BarOrder::Numbers:
        return BarOrder::Descending;
    case BarOrder::Descending:
        return BarOrder::Ascending;
    default:
        return BarOrder::Numbers;
    }
}

int RoundedProbability(double score) {
    if (!std::isfinite(score)) return 0;
    const double below = std::floor(score);
    const double fraction = score - below;
    double rounded = fraction > 0.5 ? below + 1 : below;
    if (fraction == 0.5) rounded = std::fmod(below, 2.0) == 0 ? below : below + 1;
    return static_cast<int>(std::clamp(rounded, -1e9, 1e9));
}

ChartBars SingleChartBars(int entry, const StatisticsArrays& stats) {
    switch (entry) {
    case kDelayChart:
        return NumberBars(stats.NumberDelay);
    case kFrequencyChart:
        return NumberBars(stats.NumberFrequency);
    case kProbabilityChart: {
        ChartBars bars = NumberBars(stats.NumberProbability);
        for (double& v : bars.values) v = RoundedProbability(v);
        return bars;
    }
    case kDigitDelayChart:
        return DigitBars(stats.DelayByDigit);
    case kDigitFrequencyChart:
        return DigitBars(stats.FrequencyByDigit);
    case kSuperStarDelayChart:
        return NumberBars(stats.SuperStarDelay);
    case kSuperStarFrequencyChart:
        return NumberBars(stats.SuperStarFrequency);
    default:
        return {};
    }
}

ChartBars OrderBars(const ChartBars& bars, BarOrder order) {
    if (order == BarOrder::Numbers || bars.values.size() != bars.labels.size()) return bars;
    ChartBars out;
    for (std::size_t i : StableOrder(bars.values, order == BarOrder::Descending)) {
        out.labels.push_back(bars.labels[i]);
        out.values.push_back(bars.values[i]);
    }
    return out;
}

std::array<std::string, kSummarySeriesCount + 1> SummaryOrderItems(bool delays) {
    if (delays) return {"Numeri", "Ritardi attuali", "Ritardi minimi", "Ritardi medi", "Ritardi massimi"};
    return {"Numeri", "Frequenze attuali", "Frequenze minime", "Frequenze medie", "Frequenze massime"};
}

bool StartsDescending(int orderItem) {
    return orderItem != 0;
}

SummaryBars OrderSummaryBars(const NumberSummaries& summaries, int orderItem, bool descending) {
    std::vector<double> keys;
    for (int n = 1; n <= 90; ++n) {
        const NumberSummary& s = summaries[static_cast<std::size_t>(n)];
        switch (orderItem) {
        case 1:
            keys.push_back(s.current);
            break;
        case 2:
            keys.push_back(s.minimum);
            break;
        case 3:
            keys.push_back(s.average);
            break;
        case 4:
            keys.push_back(s.maximum);
            break;
        default:
            keys.push_back(n);
        }
    }
    SummaryBars out;
    for (std::size_t i : StableOrder(keys, descending)) {
        const NumberSummary& s = summaries[i + 1];
        out.labels.push_back(std::to_string(i + 1));
        out.series[0].push_back(s.current);
        out.series[1].push_back(s.minimum);
        out.series[2].push_back(s.average);
        out.series[3].push_back(s.maximum);
    }
    return out;
}

int PanelTopRow(int number) {
    return std::clamp(number - 8, 0, kPanelRows - 13);
}

PanelRow PanelRowFor(const StatisticsArrays& stats, int number, int decimals) {
    if (number < 1 || number > 90) return {};
    const auto n = static_cast<std::size_t>(number);
    const double probability = stats.NumberProbability[n];
    PanelRow row;
    row.number = std::to_string(number);
    row.delay = std::to_string(stats.NumberDelay[n]);
    row.frequency = std::to_string(stats.NumberFrequency[n]);
    row.probability = FormatAmount(probability, false, std::clamp(decimals, 0, 10));
    row.barFraction = std::isfinite(probability) ? std::clamp(probability / 100.0, 0.0, 1.0) : 0.0;
    return row;
}

std::uint64_t StatisticsFingerprint(const DrawArchive& archive, const GlobalSettings& s) {
    // FNV-1a over the draws and the settings that shape the arrays.
    std::uint64_t hash = 1469598103934665603ULL;
    const auto mix = [&hash](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash ^= bytes[i];
            hash *= 1099511628211ULL;
        }
    };
    const int count = archive.count();
    mix(&count, sizeof count);
    for (const DrawRecord& r : archive.records()) {
        const std::array<std::uint8_t, 8> key{r.day,        r.month,      r.numbers[0], r.numbers[1],
                                              r.numbers[2], r.numbers[3], r.numbers[4], r.numbers[5]};
        mix(key.data(), key.size());
        const std::array<std::uint8_t, 2> extras{r.jolly, r.superStar};
        mix(extras.data(), extras.size());
    }
    const std::array<std::int64_t, 11> settings{s.ipUsaRit,
                                                s.ipMCPR,
                                                s.ipUsaFre,
                                                s.ipMCPF,
                                                std::llround(s.ipPrMax * 1e6),
                                                std::llround(s.ipPfMax * 1e6),
                                                s.ifNumEstra,
                                                s.ifEscludiJolly,
                                                s.ifEscludiSuperStar,
                                                s.irEscludiJolly,
                                                s.irEscludiSuperStar};
    mix(settings.data(), sizeof settings);
    return hash;
}
