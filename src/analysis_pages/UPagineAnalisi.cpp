#include "analysis_pages/UPagineAnalisi.h"

#include "analysis_pages/UAggEliNumCasu.h"
#include "analysis_pages/UAggEliNumPiuProba.h"
#include "analysis_pages/UPaginaAnalisiCombinazioni.h"
#include "analysis_pages/UPaginaSmorfia.h"
#include "archive/UModificaSmorfia.h"
#include "core/Globali.h"
#include "shell/UPri.h"
#include "shell/forecast_tools.h"
#include "statistics_view/UStatisticsArea.h"
#include "statistics_view/statistics_views.h"
#include "ui/column_strip.h"
#include "ui/gui_services.h"

#include <optional>

namespace {

// The final column the combination page takes: the first of the range selected in the column
// strip, while a range is selected.
std::optional<Column> SelectedFinalColumn(const TPri& window, const Globali& g) {
    const ColumnSelection& selection = window.columnStrip->selection();
    if (selection.state != ColumnSelection::Selected) return std::nullopt;
    const std::int32_t position = selection.low();
    if (position < 1 || position > g.system.columns.count) return std::nullopt;
    return g.system.columns.at(position);
}

void RegisterForecastTools(TPri& window, Globali& g, GuiServices& services) {
    const auto byProbability = [&window, &g, &services](ForecastChange change) {
        return [&window, &g, &services, change] { RunAggEliNumPiuProba(g, services, change, &window); };
    };
    const auto atRandom = [&window, &g, &services](ForecastChange change) {
        return [&window, &g, &services, change] { RunAggEliNumCasu(g, services, change, &window); };
    };
    window.registerCommand("Aggiunginumeripiprobabili1Click", byProbability(ForecastChange::Add));
    window.registerCommand("Eliminanumerimenoprobabili1Click", byProbability(ForecastChange::Remove));
    window.registerCommand("Aggoingisegnicasuali1Click", atRandom(ForecastChange::Add));
    window.registerCommand("Eliminanumericasuali1Click", atRandom(ForecastChange::Remove));
    window.registerCommand("Pronosticodagiocate1Click", [&g] { ForecastFromColumns(g); });
    window.registerCommand("Eliminatuttiinumeri1Click", [&g] { ClearForecastNumbers(g); });
}

} // namespace

void RegisterAnalysisPages(TPri& window, Globali& g, GuiServices& services) {
    RegisterForecastTools(window, g, services);

    StatisticsArea& area = StatisticsAreaOf(window, g, services);
    area.setPage(kSmorfia, new TPaginaSmorfia(g));
    area.setSettingsAction(kSmorfia, [&window, &g, &services] {
        TModificaSmorfia editor(g, services, &window);
        editor.exec();
    });
    area.setPage(kCombinationAnalysis, new TPaginaAnalisiCombinazioni(g, services, [&window, &g] {
                     return SelectedFinalColumn(window, g);
                 }));
}
