#include "shell/forecast_tools.h"

#include "archive_test_support.h"
#include "core/Globali.h"
#include "core/combinatorics.h"
#include "fake_clock.h"
#include "recording_messages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Fixture {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};
};

void FillForecast(ForecastFlags& f, int upTo) {
    for (int n = 1; n <= upTo; ++n) f.set(n, true);
}

std::vector<int> Numbers(const ForecastFlags& f) {
    std::vector<int> out;
    for (int n = 1; n <= 90; ++n)
        if (f.has(n)) out.push_back(n);
    return out;
}

TEST(Quantity, DialogRules) {
    struct Case {
        const char* text;
        int maximum;
        QuantityLimit limit;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"9", 5, QuantityLimit::LowerToMaximum, 5},
        {"9", 5, QuantityLimit::RefuseAboveMaximum, std::nullopt},
        {"0", 5, QuantityLimit::LowerToMaximum, std::nullopt},
        {"0", 5, QuantityLimit::RefuseAboveMaximum, std::nullopt},
        {"", 5, QuantityLimit::LowerToMaximum, std::nullopt},
        {"3", 5, QuantityLimit::RefuseAboveMaximum, 3},
        {"5", 5, QuantityLimit::RefuseAboveMaximum, 5},
        {"x", 5, QuantityLimit::LowerToMaximum, std::nullopt},
        {"99999999999999", 5, QuantityLimit::LowerToMaximum, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseQuantity(c.text, 1, c.maximum, c.limit), c.expected) << c.text << " " << int(c.limit);
}

TEST(Quantity, RefusalNamesTheRange) {
    RecordingMessages messages;
    EXPECT_FALSE(AcceptQuantity(messages, "9", 1, 5, QuantityLimit::RefuseAboveMaximum));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text,
              "Il valore inserito non è valido.\rIndicare un numero compreso tra 1 e 5");
    EXPECT_EQ(messages.last().title, "Attenzione");
    EXPECT_EQ(messages.last().icon, MessageIcon::Warning);
    EXPECT_EQ(AcceptQuantity(messages, "9", 1, 5, QuantityLimit::LowerToMaximum), 5);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(OrderByProbability, ExchangeSortOrderAmongEquals) {
    // Only 3 stands out. The first pass swaps it with 1, which then sits behind 2: a stable sort
    // would give 3, 1, 2, the program's exchange sort gives 3, 2, 1.
    std::array<double, 91> p;
    p.fill(1.0);
    p[3] = 2.0;
    const auto order = OrderByProbability(p, true);
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)), (std::vector<int>{3, 2, 1, 4}));
    ForecastFlags f;
    EXPECT_EQ(AddMostProbable(f, p, 2), 2);
    EXPECT_EQ(Numbers(f), (std::vector<int>{2, 3}));
}

TEST(OrderByProbability, IsAPermutationInOrder) {
    std::mt19937 rng(8);
    for (int round = 0; round < 50; ++round) {
        std::array<double, 91> p{};
        for (int n = 1; n <= 90; ++n) p[n] = static_cast<double>(rng() % 7);
        for (bool descending : {true, false}) {
            auto order = OrderByProbability(p, descending);
            for (std::size_t i = 1; i < 90; ++i)
                ASSERT_TRUE(descending ? p[order[i - 1]] >= p[order[i]] : p[order[i - 1]] <= p[order[i]]);
            std::sort(order.begin(), order.end());
            for (int i = 0; i < 90; ++i) ASSERT_EQ(order[i], i + 1);
        }
    }
}

TEST(ForecastTools, MostProbableSkipsNumbersAlreadyThere) {
    std::array<double, 91> p{};
    for (int n = 1; n <= 90; ++n) p[n] = n; // 90 the most probable
    ForecastFlags f;
    f.set(90, true);
    f.set(88, true);
    EXPECT_EQ(AddMostProbable(f, p, 3), 3);
    EXPECT_EQ(Numbers(f), (std::vector<int>{86, 87, 88, 89, 90}));
    EXPECT_EQ(RemoveLeastProbable(f, p, 2), 2);
    EXPECT_EQ(Numbers(f), (std::vector<int>{88, 89, 90}));
}

TEST(ForecastTools, EightyFiveNumbersPlusNineBecomesComplete) {
    Fixture fx;
    FillForecast(fx.g.system.forecast, 85);
    const int maximum = AddableCount(fx.g.system.forecast);
    EXPECT_EQ(maximum, 5);
    const auto quantity = AcceptQuantity(fx.messages, "9", 1, maximum, QuantityLimit::LowerToMaximum);
    ASSERT_EQ(quantity, 5);
    AddMostProbableNumbers(fx.g, *quantity);
    EXPECT_EQ(fx.g.system.forecast.count(), 90);
    EXPECT_TRUE(fx.g.system.modified);
    EXPECT_EQ(fx.g.system.relativeWinProbability, -1);
    EXPECT_EQ(fx.g.system.absoluteWinProbability, -1);
}

TEST(ForecastTools, RandomRefusesTooManyAndChangesNothing) {
    Fixture fx;
    FillForecast(fx.g.system.forecast, 85);
    EXPECT_FALSE(AcceptQuantity(fx.messages, "9", 1, AddableCount(fx.g.system.forecast),
                                QuantityLimit::RefuseAboveMaximum));
    EXPECT_EQ(fx.messages.last().text, QuantityRefusalText(1, 5));
    EXPECT_EQ(fx.g.system.forecast.count(), 85);
    EXPECT_FALSE(fx.g.system.modified);
}

TEST(ForecastTools, RandomAddAndRemoveUseTheProgramGenerator) {
    Fixture fx;
    fx.g.random.seed(42);
    AddRandomNumbers(fx.g, 10);
    EXPECT_EQ(fx.g.system.forecast.count(), 10);
    EXPECT_TRUE(fx.g.system.modified);
    // The same seed draws the same numbers.
    ForecastFlags again;
    RandomGenerator random(42);
    EXPECT_EQ(AddRandom(again, random, 10), 10);
    EXPECT_EQ(Numbers(again), Numbers(fx.g.system.forecast));
    RemoveRandomNumbers(fx.g, 4);
    EXPECT_EQ(fx.g.system.forecast.count(), 6);
    for (int n : Numbers(fx.g.system.forecast)) EXPECT_TRUE(again.has(n));
    // Asking for more than possible stops at what there is instead of looping.
    EXPECT_EQ(RemoveRandom(again, random, 50), 10);
    EXPECT_EQ(AddRandom(again, random, 200), 90);
}

TEST(ForecastTools, RemovingTheWholeForecastEmptiesIt) {
    Fixture fx;
    FillForecast(fx.g.system.forecast, 12);
    RemoveLeastProbableNumbers(fx.g, RemovableCount(fx.g.system.forecast));
    EXPECT_EQ(fx.g.system.forecast.count(), 0);
}

TEST(ForecastTools, ProbabilitiesAreRecomputedAroundTheChange) {
    Fixture fx;
    fx.g.archive = ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6}), DrawNumber(2, {7, 8, 9, 10, 11, 12})});
    fx.g.settings.ipUsaFre = false; // by delays only, the most delayed first
    fx.g.settings.ipPrMax = 100;
    AddMostProbableNumbers(fx.g, 3);
    // Never drawn: delay 2, the most delayed; 13, 14 and 15 come first among them.
    EXPECT_EQ(Numbers(fx.g.system.forecast), (std::vector<int>{13, 14, 15}));
    EXPECT_EQ(fx.g.stats.NumberProbability[13], 99.4);
    EXPECT_EQ(fx.g.stats.NumberDelay[1], 1);
}

TEST(ForecastTools, ForecastFromColumnsGivesBackTheirNumbers) {
    Fixture fx;
    EXPECT_FALSE(ForecastFromColumns(fx.g));
    EXPECT_EQ(fx.messages.last().text, kEmptyColumnListText);
    EXPECT_EQ(fx.messages.last().icon, MessageIcon::Warning);

    // The 210 columns of a ten-number forecast; 50 and 60 were in the forecast but in no column.
    const std::vector<int> ten{3, 7, 11, 20, 33, 41, 55, 67, 80, 90};
    ASSERT_TRUE(fx.g.system.columns.tryResize(210));
    int k = 0;
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            for (int c = b + 1; c < 10; ++c)
                for (int d = c + 1; d < 10; ++d)
                    for (int e = d + 1; e < 10; ++e)
                        for (int f = e + 1; f < 10; ++f) {
                            Column col;
                            int i = 0;
                            for (int x : {a, b, c, d, e, f}) col[i++] = static_cast<Number>(ten[x]);
                            fx.g.system.columns.at(++k) = col;
                        }
    fx.g.system.columns.count = k;
    ASSERT_EQ(k, 210);
    fx.g.system.forecast.set(50, true);
    fx.g.system.forecast.set(60, true);

    fx.messages.answerNext(MessageAnswer::No);
    EXPECT_FALSE(ForecastFromColumns(fx.g));
    EXPECT_EQ(fx.messages.last().text, kForecastFromColumnsQuestion);
    EXPECT_EQ(fx.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(fx.g.system.forecast.has(50));
    EXPECT_FALSE(fx.g.system.modified);

    fx.messages.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(ForecastFromColumns(fx.g));
    EXPECT_EQ(Numbers(fx.g.system.forecast), ten);
    EXPECT_TRUE(fx.g.system.modified);
}

TEST(ForecastTools, ClearAsksFirst) {
    Fixture fx;
    FillForecast(fx.g.system.forecast, 7);
    fx.messages.answerNext(MessageAnswer::No);
    EXPECT_FALSE(ClearForecastNumbers(fx.g));
    EXPECT_EQ(fx.g.system.forecast.count(), 7);
    EXPECT_EQ(fx.messages.last().text, kClearForecastQuestion);
    EXPECT_EQ(fx.messages.last().icon, MessageIcon::Question);
    fx.messages.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(ClearForecastNumbers(fx.g));
    EXPECT_EQ(fx.g.system.forecast.count(), 0);
    EXPECT_TRUE(fx.g.system.modified);
}

} // namespace
