#include "analysis_pages/combination_analysis.h"

#include "archive/draw_archive.h"
#include "core/column_text.h"

namespace {

void AppendNumber(std::string& text, int number) {
    if (!text.empty()) text.append(" ");
    text.append(std::to_string(number));
}

} // namespace

std::optional<ForecastFlags> ParseCombinationNumbers(std::string_view text) {
    ForecastFlags set;
    if (ParseNumberList(text, set.flags) == 0) return std::nullopt;
    return set;
}

CombinationAnalysis AnalyseCombination(const DrawArchive& archive, const ForecastFlags& set) {
    CombinationAnalysis analysis;
    for (int k = 1; k <= archive.count(); ++k) {
        const DrawRecord& draw = archive.record(k);
        int shared = 0;
        for (std::uint8_t n : draw.numbers)
            if (set.has(n)) ++shared;
        if (shared < 2) continue;
        // Categories run 2, 3, 4, 5, 5+1, 6: from five on the index is one past the count.
        std::size_t index = static_cast<std::size_t>(shared - 2);
        if (shared == 6 || (shared == 5 && set.has(draw.jolly))) ++index;
        ++analysis.totals[index];
        analysis.hits.push_back({k, static_cast<CombinationCategory>(index)});
    }
    return analysis;
}

std::vector<CombinationListRow> CombinationListRows(const DrawArchive& archive,
                                                    const CombinationAnalysis& analysis) {
    std::vector<CombinationListRow> rows;
    rows.reserve(analysis.hits.size() + 2);
    for (const CombinationHit& hit : analysis.hits) {
        CombinationListRow row;
        if (hit.record >= 1 && hit.record <= archive.count())
            row[0] = FormatDrawDate(archive.record(hit.record));
        row[1 + static_cast<std::size_t>(hit.category)].push_back('1');
        rows.push_back(std::move(row));
    }
    rows.emplace_back();
    CombinationListRow total;
    total[0] = "TOTALE:";
    for (std::size_t i = 0; i < kCombinationCategories; ++i)
        total[1 + i] = std::to_string(analysis.totals[i]);
    rows.push_back(std::move(total));
    return rows;
}

std::string ForecastNumbersText(const ForecastFlags& forecast) {
    std::string text;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (forecast.has(n)) AppendNumber(text, n);
    return text;
}

std::string ColumnNumbersText(const Column& column) {
    std::string text;
    for (Number n : column.n) AppendNumber(text, n);
    return text;
}
