#include "shell/summary.h"

#include "core/combinatorics.h"

#include <gtest/gtest.h>

namespace {

void Forecast(SystemState& s, int n) {
    s.forecast.clear();
    for (int i = 1; i <= n; ++i) s.forecast.set(i, true);
}

void Columns(SystemState& s, std::int32_t k) {
    ASSERT_TRUE(s.columns.tryResize(k > 0 ? k : 1));
    for (std::int32_t i = 1; i <= k; ++i) s.columns.at(i) = Column{{1, 2, 3, 4, 5, 6}};
    s.columns.count = k;
}

TEST(Summary, WorkedExampleWithSuperStar) {
    SystemState s;
    GlobalSettings settings; // P = 1, S = 0.5, two decimals
    Forecast(s, 10);
    Columns(s, 70);
    s.superStar = true;
    s.fixed.count = 2;
    s.modified = true;
    s.relativeWinProbability = 12.5;

    const SummaryTexts t = ComputeSummary(s, settings);
    EXPECT_EQ(t.label13, "Pronostico iniziale: 10 numeri");
    EXPECT_EQ(t.label1, "Numero fisse: 2");
    EXPECT_EQ(t.label14, "Sviluppo integrale: 210 colonne");
    EXPECT_EQ(t.label17, "Costo sistema integrale: 315,00 €");
    EXPECT_EQ(t.label18, "Nº di colonne finali: 70");
    EXPECT_EQ(t.label21, "Costo colonne finali: 105,00 €");
    EXPECT_EQ(t.label22, "Percentuale di riduzione: 66,6667 %");
    EXPECT_EQ(t.label23, "Stato sistema: non salvato");
    EXPECT_EQ(t.label5, "Probabilità relativa di vincita: 12,50 %");
    EXPECT_EQ(t.label4, "Probabilità assoluta di vincita: non calcolata");
    EXPECT_EQ(s.relativeWinProbability, 12.5);
}

TEST(Summary, CostsFollowSuperStarDecimalsAndGrouping) {
    struct Case {
        int n;
        bool superStar;
        int decimali;
        double p, ss;
        const char* integral;
    } cases[] = {
        {10, false, 2, 1.0, 0.5, "Costo sistema integrale: 210,00 €"},
        {20, true, 2, 1.0, 0.5, "Costo sistema integrale: 58.140,00 €"},
        {90, false, 0, 1.0, 0.5, "Costo sistema integrale: 622.614.630 €"},
        {90, true, 3, 0.7, 0.3, "Costo sistema integrale: 622.614.630,000 €"},
        {7, false, 2, 0.7, 0.5, "Costo sistema integrale: 4,90 €"},
        {5, true, 2, 1.0, 0.5, "Costo sistema integrale: 0,00 €"},
    };
    for (const Case& c : cases) {
        SystemState s;
        GlobalSettings settings;
        settings.decimali = c.decimali;
        settings.costoColonnaNew = c.p;
        settings.costoColonnaSS = c.ss;
        Forecast(s, c.n);
        s.superStar = c.superStar;
        EXPECT_EQ(ComputeSummary(s, settings).label17, c.integral);
    }
}

TEST(Summary, NoMeaningfulReductionForgetsTheProbabilities) {
    // K = 0, and K > C (columns that were not drawn from the forecast).
    for (std::int32_t k : {0, 211, 1000}) {
        SystemState s;
        Forecast(s, 10);
        Columns(s, k);
        s.relativeWinProbability = 3;
        s.absoluteWinProbability = 4;
        const SummaryTexts t = ComputeSummary(s, GlobalSettings{});
        EXPECT_EQ(t.label22, "Percentuale di riduzione:") << k;
        EXPECT_EQ(t.label5, "Probabilità relativa di vincita:");
        EXPECT_EQ(t.label4, "Probabilità assoluta di vincita:");
        EXPECT_EQ(s.relativeWinProbability, -1);
        EXPECT_EQ(s.absoluteWinProbability, -1);
        EXPECT_EQ(t.label23, "Stato sistema: non modificato");
    }
}

TEST(Summary, ReductionAtTheEdges) {
    struct Case {
        int n;
        std::int32_t k;
        const char* text;
    } cases[] = {
        {10, 210, "Percentuale di riduzione: 0,0 %"},     {10, 1, "Percentuale di riduzione: 99,5238 %"},
        {6, 1, "Percentuale di riduzione: 0,0 %"},        {5, 1, "Percentuale di riduzione:"},
        {12, 308, "Percentuale di riduzione: 66,6667 %"}, {12, 231, "Percentuale di riduzione: 75,0 %"},
    };
    for (const Case& c : cases) {
        SystemState s;
        Forecast(s, c.n);
        Columns(s, c.k);
        EXPECT_EQ(ComputeSummary(s, GlobalSettings{}).label22, c.text) << c.n << ' ' << c.k;
    }
}

} // namespace
