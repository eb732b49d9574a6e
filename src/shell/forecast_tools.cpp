#include "shell/forecast_tools.h"

#include "archive/statistics.h"
#include "core/Globali.h"

#include <algorithm>
#include <utility>

std::string QuantityRefusalText(int minimum, int maximum) {
    return "Il valore inserito non è valido.\rIndicare un numero compreso tra " + std::to_string(minimum) +
           " e " + std::to_string(maximum);
}

std::optional<int> ParseQuantity(std::string_view text, int minimum, int maximum, QuantityLimit limit) {
    // The field takes digits only; a long run of them is simply too large.
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > maximum && limit == QuantityLimit::LowerToMaximum) value = maximum;
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

std::optional<int> AcceptQuantity(MessageService& messages, std::string_view text, int minimum, int maximum,
                                  QuantityLimit limit) {
    const auto value = ParseQuantity(text, minimum, maximum, limit);
    if (!value) messages.warning(QuantityRefusalText(minimum, maximum));
    return value;
}

std::array<int, 90> OrderByProbability(const std::array<double, 91>& probability, bool descending) {
    std::array<int, 90> order;
    for (int i = 0; i < 90; ++i) order[static_cast<std::size_t>(i)] = i + 1;
    for (std::size_t i = 0; i < 89; ++i)
        for (std::size_t j = i + 1; j < 90; ++j) {
            const double a = probability[static_cast<std::size_t>(order[i])];
            const double b = probability[static_cast<std::size_t>(order[j])];
            if (descending ? a < b : a > b) std::swap(order[i], order[j]);
        }
    return order;
}

int AddMostProbable(ForecastFlags& forecast, const std::array<double, 91>& probability, int quantity) {
    int added = 0;
    for (int n : OrderByProbability(probability, true)) {
        if (added >= quantity) break;
        if (forecast.has(n)) continue;
        forecast.set(n, true);
        ++added;
    }
    return added;
}

int RemoveLeastProbable(ForecastFlags& forecast, const std::array<double, 91>& probability, int quantity) {
    int removed = 0;
    for (int n : OrderByProbability(probability, false)) {
        if (removed >= quantity) break;
        if (!forecast.has(n)) continue;
        forecast.set(n, false);
        ++removed;
    }
    return removed;
}

int AddableCount(const ForecastFlags& forecast) {
    return kMaxNumber - forecast.count();
}
int RemovableCount(const ForecastFlags& forecast) {
    return forecast.count();
}

int AddRandom(ForecastFlags& forecast, RandomGenerator& random, int quantity) {
    const int target = std::min(quantity, AddableCount(forecast));
    int added = 0;
    while (added < target) {
        const int n = static_cast<int>(random.uniform(kMaxNumber));
        if (forecast.has(n)) continue;
        forecast.set(n, true);
        ++added;
    }
    return added;
}

int RemoveRandom(ForecastFlags& forecast, RandomGenerator& random, int quantity) {
    const int target = std::min(quantity, RemovableCount(forecast));
    int removed = 0;
    while (removed < target) {
        const int n = static_cast<int>(random.uniform(kMaxNumber));
        if (!forecast.has(n)) continue;
        forecast.set(n, false);
        ++removed;
    }
    return removed;
}

void ForecastFromColumnList(ForecastFlags& forecast, const ColumnStore& columns) {
    forecast.clear();
    for (std::int32_t k = 1; k <= columns.count; ++k)
        for (Number n : columns.at(k).n)
            if (n >= 1 && n <= kMaxNumber) forecast.set(n, true);
}

namespace {

template <typename Change> void ChangeByProbability(Globali& g, Change&& change) {
    recomputeStatistics(g);
    if (change(g.stats.NumberProbability) > 0) g.system.invalidateResults();
    // The probabilities are recomputed once more so no view sees them in sorted order.
    recomputeStatistics(g);
}

} // namespace

void AddMostProbableNumbers(Globali& g, int quantity) {
    ChangeByProbability(g, [&](const auto& p) { return AddMostProbable(g.system.forecast, p, quantity); });
}

void RemoveLeastProbableNumbers(Globali& g, int quantity) {
    ChangeByProbability(g,
                        [&](const auto& p) { return RemoveLeastProbable(g.system.forecast, p, quantity); });
}

void AddRandomNumbers(Globali& g, int quantity) {
    if (AddRandom(g.system.forecast, g.random, quantity) > 0) g.system.invalidateResults();
}

void RemoveRandomNumbers(Globali& g, int quantity) {
    if (RemoveRandom(g.system.forecast, g.random, quantity) > 0) g.system.invalidateResults();
}

bool ForecastFromColumns(Globali& g) {
    if (g.system.columns.count <= 0) {
        g.messages.warning(kEmptyColumnListText);
        return false;
    }
    if (!g.messages.askYesNo(kForecastFromColumnsQuestion)) return false;
    ForecastFromColumnList(g.system.forecast, g.system.columns);
    g.system.invalidateResults();
    return true;
}

bool ClearForecastNumbers(Globali& g) {
    if (!g.messages.askYesNo(kClearForecastQuestion)) return false;
    g.system.forecast.clear();
    g.system.invalidateResults();
    return true;
}
