#pragma once

#include "core/column.h"
#include "core/forecast.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class DrawArchive;

inline constexpr const char* kCombinationNumbersInvalidText =
    "Alcuni numeri non sono validi!\rInserire i numeri separandoli con uno spazio.";

// The categories a draw can reach against the set, in the order of the list's columns.
enum class CombinationCategory { Two, Three, Four, Five, FivePlusOne, Six };
inline constexpr std::size_t kCombinationCategories = 6;

struct CombinationHit {
    int record = 0; // archive record number
    CombinationCategory category = CombinationCategory::Two;
};

struct CombinationAnalysis {
    std::vector<CombinationHit> hits; // draws with at least two numbers of the set, oldest first
    std::array<int, kCombinationCategories> totals{};
};

// The numbers typed in the page: distinct numbers 1..90 separated by blanks. nullopt when any of
// them is not valid (or nothing was typed).
std::optional<ForecastFlags> ParseCombinationNumbers(std::string_view text);

// Every archived draw scored against the set: the numbers it shares, 5 becoming 5+1 when its Jolly
// is in the set too.
CombinationAnalysis AnalyseCombination(const DrawArchive& archive, const ForecastFlags& set);

// The list as shown: "Data" and the six category columns, a "1" under the category each draw
// reached; then an empty row and the "TOTALE:" row.
using CombinationListRow = std::array<std::string, 1 + kCombinationCategories>;
std::vector<CombinationListRow> CombinationListRows(const DrawArchive& archive,
                                                    const CombinationAnalysis& analysis);

// The texts the two fill buttons put in the field: the numbers ascending, one space apart.
std::string ForecastNumbersText(const ForecastFlags& forecast);
std::string ColumnNumbersText(const Column& column);
