#pragma once

#include "core/forecast.h"
#include "core/messages.h"

#include <array>
#include <string>

// The texts of the five fixed-number fields, in field order.
using FixedFieldTexts = std::array<std::string, 5>;

inline constexpr int kFixedNotInForecast = 10;

inline constexpr const char* kFixedValueInvalidText = "Il valore inserito non è valido!";
inline constexpr const char* kFixedNotInForecastText =
    "Uno dei numeri inseriti come fissa non è presente nel pronostico!\rInserire il numero nel pronostico o "
    "eliminare la fissa.";
inline constexpr const char* kFixedInvalidText = "Uno dei numeri inseriti come fissa non è valido!";

// A field text that is a number 1..90 gives it; anything else gives 0. The field holds two
// characters, but pasted text may hold anything, so the whole text is checked.
int ParseFixedField(const std::string& text);

// True when the text may stay in a field: empty or a number 1..90.
bool IsAcceptableFixedText(const std::string& text);

// 0 when the fields are valid (and then stores them in `fixed`); 1..5 the invalid field; for a
// repeated value the position of the repetition among the collected values; 10 for a value not
// in the forecast. On any failure `fixed` keeps its previous values.
int ValidateFixed(const FixedFieldTexts& fields, const ForecastFlags& forecast, FixedNumbers& fixed);

// What leaving a field reports: ValidateFixed and, on failure, its message. Returns the code.
int ValidateFixedOnLeave(const FixedFieldTexts& fields, const ForecastFlags& forecast, FixedNumbers& fixed,
                         MessageService& messages);

// ValidateFixed plus the rule of at least k forecast numbers; shows the matching message and
// returns false when the operation must not start.
bool RequireForecast(int k, const FixedFieldTexts& fields, const ForecastFlags& forecast, FixedNumbers& fixed,
                     MessageService& messages);

std::string FixedFieldInvalidText(int field);
std::string NotEnoughNumbersText(int k);
