#include "shell/summary.h"

#include "core/combinatorics.h"
#include "core/number_format.h"

namespace {

constexpr int kPercentDecimals = 4;

std::string ProbabilityText(const char* prefix, double& value, bool meaningful) {
    const std::string head = std::string("Probabilità ") + prefix + " di vincita:";
    if (!meaningful) {
        value = -1;
        return head;
    }
    if (value < 0) return head + " non calcolata";
    return head + " " + FormatPercent(value, kPercentDecimals) + " %";
}

double Cost(std::int64_t columns, bool superStar, const GlobalSettings& settings) {
    const double n = static_cast<double>(columns);
    double amount = n * settings.costoColonnaNew;
    if (superStar) amount += n * settings.costoColonnaSS;
    return amount;
}

} // namespace

SummaryTexts ComputeSummary(SystemState& state, const GlobalSettings& settings) {
    const std::int32_t n = state.forecast.count();
    const std::int64_t c = Combinations6(n);
    const std::int64_t k = state.columns.count;
    const bool meaningful = k > 0 && k <= c;

    SummaryTexts t;
    t.label13 = "Pronostico iniziale: " + std::to_string(n) + " numeri";
    t.label1 = "Numero fisse: " + std::to_string(state.fixed.count);
    t.label14 = "Sviluppo integrale: " + std::to_string(c) + " colonne";
    t.label17 = "Costo sistema integrale: " +
                FormatAmount(Cost(c, state.superStar, settings), true, settings.decimali) + " €";
    t.label18 = "Nº di colonne finali: " + std::to_string(k);
    t.label21 =
        "Costo colonne finali: " + FormatAmount(Cost(k, state.superStar, settings), true, settings.decimali) +
        " €";
    t.label22 = "Percentuale di riduzione:";
    if (meaningful) {
        const double reduction = 100.0 - 100.0 * static_cast<double>(k) / static_cast<double>(c);
        t.label22 += " " + FormatPercent(reduction, kPercentDecimals) + " %";
    }
    t.label23 = state.modified ? "Stato sistema: non salvato" : "Stato sistema: non modificato";
    t.label5 = ProbabilityText("relativa", state.relativeWinProbability, meaningful);
    t.label4 = ProbabilityText("assoluta", state.absoluteWinProbability, meaningful);
    return t;
}
