#include "analysis_pages/UPagineAnalisi.h"

#include "analysis_pages/UAggEliNumCasu.h"
#include "analysis_pages/UAggEliNumPiuProba.h"
#include "core/Globali.h"
#include "shell/UPri.h"
#include "shell/forecast_tools.h"
#include "ui/gui_services.h"

void RegisterAnalysisPages(TPri& window, Globali& g, GuiServices& services) {
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
