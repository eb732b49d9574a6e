#include "shell/fixed_numbers_rules.h"

#include <vector>

int ParseFixedField(const std::string& text) {
    if (text.empty() || text.size() > 2) return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= kMaxNumber ? value : 0;
}

bool IsAcceptableFixedText(const std::string& text) {
    return text.empty() || ParseFixedField(text) != 0;
}

int ValidateFixed(const FixedFieldTexts& fields, const ForecastFlags& forecast, FixedNumbers& fixed) {
    std::vector<int> values;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (fields[f].empty()) continue;
        const int value = ParseFixedField(fields[f]);
        if (value == 0) return static_cast<int>(f) + 1;
        values.push_back(value);
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        for (std::size_t j = i + 1; j < values.size(); ++j)
            if (values[i] == values[j]) return static_cast<int>(j) + 1;
    for (int value : values)
        if (!forecast.has(value)) return kFixedNotInForecast;

    fixed.clear();
    fixed.count = static_cast<std::int32_t>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) fixed.numbers[i] = static_cast<Number>(values[i]);
    return 0;
}

int ValidateFixedOnLeave(const FixedFieldTexts& fields, const ForecastFlags& forecast, FixedNumbers& fixed,
                         MessageService& messages) {
    const int code = ValidateFixed(fields, forecast, fixed);
    if (code == kFixedNotInForecast)
        messages.warning(kFixedNotInForecastText);
    else if (code != 0)
        messages.warning(kFixedInvalidText);
    return code;
}

std::string FixedFieldInvalidText(int field) {
    return "La fissa numero " + std::to_string(field) + " non è valida!";
}

std::string NotEnoughNumbersText(int k) {
    return "Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno " + std::to_string(k) +
           " numeri.";
}

bool RequireForecast(int k, const FixedFieldTexts& fields, const ForecastFlags& forecast, FixedNumbers& fixed,
                     MessageService& messages) {
    const int code = ValidateFixed(fields, forecast, fixed);
    if (code == kFixedNotInForecast) {
        messages.warning(kFixedNotInForecastText);
        return false;
    }
    if (code != 0) {
        messages.warning(FixedFieldInvalidText(code));
        return false;
    }
    if (forecast.count() < k) {
        messages.warning(NotEnoughNumbersText(k));
        return false;
    }
    return true;
}
