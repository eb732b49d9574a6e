#include "shell/fixed_numbers_rules.h"

#include "recording_messages.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

ForecastFlags Forecast(std::initializer_list<int> numbers) {
    ForecastFlags f;
    for (int n : numbers) f.set(n, true);
    return f;
}

const ForecastFlags kTen = Forecast({1, 2, 3, 12, 20, 33, 45, 60, 77, 90});

TEST(ParseFixedField, AcceptsOnlyNumbersOneToNinety) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"1", 1}, {"05", 5}, {"90", 90}, {"0", 0},  {"00", 0},  {"91", 0}, {"99", 0},
                 {"", 0},  {"1a", 0}, {" 5", 0},  {"-1", 0}, {"123", 0}, {"+5", 0}, {"\xff", 0}};
    for (const Case& c : cases) EXPECT_EQ(ParseFixedField(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(IsAcceptableFixedText(""));
    EXPECT_TRUE(IsAcceptableFixedText("7"));
    EXPECT_FALSE(IsAcceptableFixedText("0"));
}

TEST(ValidateFixed, ReturnsTheDefinedCodes) {
    struct Case {
        FixedFieldTexts fields;
        int code;
    } cases[] = {
        {{"", "", "", "", ""}, 0},        {{"12", "", "", "", "3"}, 0},
        {{"12", "", "12", "", ""}, 2},  // the repetition is the second collected value, not field 3
        {{"", "", "1", "2", "1"}, 3},   // third collected value
        {{"1", "2", "3", "2", "1"}, 5}, // the first value is compared with all later ones first
        {{"12", "91", "", "", ""}, 2},  // invalid field number
        {{"", "", "", "", "0"}, 5},       {{"40", "", "", "", ""}, 10}, // not in the forecast
        {{"40", "40", "", "", ""}, 2}, // a repetition is reported before the forecast
        {{"91", "40", "", "", ""}, 1}, // an invalid field before anything else
        {{"1", "2", "3", "12", "20"}, 0},
    };
    for (const Case& c : cases) {
        FixedNumbers fixed;
        EXPECT_EQ(ValidateFixed(c.fields, kTen, fixed), c.code)
            << c.fields[0] << '|' << c.fields[1] << '|' << c.fields[2] << '|' << c.fields[3] << '|'
            << c.fields[4];
    }
}

TEST(ValidateFixed, StoresInCollectedOrderAndKeepsOldValuesOnFailure) {
    FixedNumbers fixed;
    ASSERT_EQ(ValidateFixed({"", "20", "", "3", ""}, kTen, fixed), 0);
    EXPECT_EQ(fixed.count, 2);
    EXPECT_EQ(fixed.numbers[0], 20);
    EXPECT_EQ(fixed.numbers[1], 3);
    EXPECT_EQ(fixed.numbers[2], 0);

    for (const FixedFieldTexts& bad :
         {FixedFieldTexts{"40", "", "", "", ""}, FixedFieldTexts{"1", "1", "", "", ""},
          FixedFieldTexts{"x", "", "", "", ""}}) {
        EXPECT_NE(ValidateFixed(bad, kTen, fixed), 0);
        EXPECT_EQ(fixed.count, 2);
        EXPECT_EQ(fixed.numbers[0], 20);
        EXPECT_EQ(fixed.numbers[1], 3);
    }

    ASSERT_EQ(ValidateFixed({"", "", "", "", ""}, kTen, fixed), 0);
    EXPECT_EQ(fixed.count, 0);
    EXPECT_EQ(fixed.numbers[0], 0);
}

TEST(RequireForecast, ShowsTheMatchingMessage) {
    struct Case {
        FixedFieldTexts fields;
        ForecastFlags forecast;
        int k;
        bool passes;
        const char* text;
    } cases[] = {
        {{"12", "", "12", "", ""}, kTen, 6, false, "La fissa numero 2 non è valida!"},
        {{"", "", "", "", "95"}, kTen, 6, false, "La fissa numero 5 non è valida!"},
        {{"40", "", "", "", ""}, kTen, 6, false, kFixedNotInForecastText},
        {{"", "", "", "", ""},
         Forecast({1, 2, 3, 4, 5}),
         6,
         false,
         "Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno 6 numeri."},
        {{"", "", "", "", ""},
         Forecast({1, 2, 3, 4, 5, 6}),
         7,
         false,
         "Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno 7 numeri."},
        {{"", "", "", "", ""}, Forecast({1, 2, 3, 4, 5, 6}), 6, true, ""},
        {{"3", "", "", "", ""}, kTen, 10, true, ""},
    };
    for (const Case& c : cases) {
        RecordingMessages messages;
        FixedNumbers fixed;
        EXPECT_EQ(RequireForecast(c.k, c.fields, c.forecast, fixed, messages), c.passes) << c.text;
        if (c.passes) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.last().text, c.text);
            EXPECT_EQ(messages.last().title, "Attenzione");
            EXPECT_EQ(messages.last().icon, MessageIcon::Warning);
            EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
        }
    }
}

TEST(ValidateFixedOnLeave, NamesTheForecastOrTheInvalidValue) {
    struct Case {
        FixedFieldTexts fields;
        int code;
        const char* text;
    } cases[] = {
        {{"40", "", "", "", ""}, 10, kFixedNotInForecastText},
        {{"12", "12", "", "", ""}, 2, kFixedInvalidText},
        {{"", "", "", "0", ""}, 4, kFixedInvalidText},
        {{"12", "", "", "", ""}, 0, nullptr},
    };
    for (const Case& c : cases) {
        RecordingMessages messages;
        FixedNumbers fixed;
        EXPECT_EQ(ValidateFixedOnLeave(c.fields, kTen, fixed, messages), c.code);
        if (c.text) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.last().text, c.text);
        } else {
            EXPECT_TRUE(messages.shown.empty());
        }
    }
}

} // namespace
