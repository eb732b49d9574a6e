#pragma once

#include "core/Globali.h"
#include "core/column_store.h"
#include "core/forecast.h"

#include <initializer_list>
#include <vector>

inline void SetForecast(ForecastFlags& forecast, std::initializer_list<int> numbers) {
    forecast.clear();
    for (int n : numbers) forecast.set(n, true);
}

inline void SetForecastRange(ForecastFlags& forecast, int first, int last) {
    forecast.clear();
    for (int n = first; n <= last; ++n) forecast.set(n, true);
}

inline void SetFixed(FixedNumbers& fixed, std::initializer_list<int> numbers) {
    fixed.clear();
    for (int n : numbers) fixed.numbers[static_cast<std::size_t>(fixed.count++)] = static_cast<Number>(n);
}

inline Column MakeColumn(int a, int b, int c, int d, int e, int f) {
    Column col;
    col.n = {static_cast<Number>(a), static_cast<Number>(b), static_cast<Number>(c),
             static_cast<Number>(d), static_cast<Number>(e), static_cast<Number>(f)};
    return col;
}

// The live list, positions 1..count.
inline std::vector<Column> Live(const ColumnStore& store) {
    return {store.items(), store.items() + store.count};
}

inline void Fill(ColumnStore& store, const std::vector<Column>& columns) {
    store.count = 0;
    store.lastFound = 0;
    // Room for a few more, so that growing (by half the capacity) never starts from one slot.
    if (!store.tryResize(static_cast<std::int64_t>(columns.size()) + 16)) return;
    for (std::size_t i = 0; i < columns.size(); ++i) store.items()[i] = columns[i];
    store.count = static_cast<std::int32_t>(columns.size());
}

inline bool ColumnLess(const Column& a, const Column& b) {
    return a.n < b.n;
}
