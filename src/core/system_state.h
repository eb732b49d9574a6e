#pragma once

#include "core/column_store.h"
#include "core/forecast.h"

#include <string>

// The one open system.
struct SystemState {
    ForecastFlags forecast;
    FixedNumbers fixed;
    ColumnStore columns;
    double relativeWinProbability = -1; // percent; -1 = not computed
    double absoluteWinProbability = -1;
    bool modified = false;
    std::string currentPath;
    bool superStar = false; // not saved; cleared by New

    // Every change of the forecast or of the list marks the system modified and forgets the
    // win probabilities.
    void invalidateResults() {
        modified = true;
        relativeWinProbability = -1;
        absoluteWinProbability = -1;
    }
};
