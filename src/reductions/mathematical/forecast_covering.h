#pragma once

#include "core/column_store.h"
#include "core/forecast.h"
#include "core/messages.h"
#include "core/random.h"
#include "reductions/mathematical/candidate_pool.h"
#include "reductions/mathematical/coverage_bitmap.h"
#include "shell/operation_host.h"

#include <cstdint>
#include <vector>

// What a covering of the forecast needs to know.
struct ForecastCoveringInput {
    std::vector<Number> forecast; // ascending, at least 7 numbers
    int k = 3;                    // guaranteed score, 2..5
    bool considerFixed = false;   // "Considera fisse"
    FixedFlags fixedFlags;
    std::int32_t fixedCount = 0;
};

// The forecast numbers of the flags, ascending.
std::vector<Number> ForecastList(const ForecastFlags& flags);

struct CoveringRunResult {
    OperationOutcome outcome = OperationOutcome::Completed;
    std::int32_t added = 0; // columns written past the count; committed by the caller
};

// Everything a covering search works with besides the store: the window's bitmap (may be null, the
// search then ignores what is already covered), its pool and the program's generator.
struct CoveringWorkspace {
    CoverageBitmap* bitmap = nullptr;
    CandidatePool& pool;
    RandomGenerator& random;
};

// Adds columns past the count so that every k-subset of the forecast (holding every fixed number,
// when they are considered) lies inside a final column. Yields every 600 ms.
CoveringRunResult OrthogonalForecastSearch(const ForecastCoveringInput& input, ColumnStore& store,
                                           MessageService& messages, CoveringWorkspace& work,
                                           OperationHost& host);

// Adds columns of the forecast's development past the count so that every development column
// (respecting the fixed numbers, when considered) shares at least k numbers with a final column.
CoveringRunResult GuaranteeForecastSearch(const ForecastCoveringInput& input, ColumnStore& store,
                                          MessageService& messages, CoveringWorkspace& work,
                                          OperationHost& host);

inline constexpr std::int64_t kCoveringYieldMs = 600;
inline constexpr const char* kColumnCountStatus = "Nº di colonne: ";
