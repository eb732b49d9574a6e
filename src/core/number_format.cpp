#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                decimals < 0 ? 0 : decimals);
    if (result.ec != std::errc()) return "0";
    return std::string(buffer, result.ptr);
}

} // namespace

std::string FormatReal(double value, int decimals) {
    std::string text = FixedText(value, decimals);
    while (text.size() >= 2 && text[text.size() - 1] == '0' && text[text.size() - 2] == '0') text.pop_back();
    return text;
}

std::string FormatPercent(double value, int decimals) {
    std::string text = FormatReal(value, decimals);
    if (auto dot = text.find('.'); dot != std::string::npos) text[dot] = ',';
    return text;
}

std::string FormatAmount(double value, bool grouping, int decimals) {
    const std::string text = FormatReal(value, 10);
    const auto dot = text.find('.');
    std::string integer = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);

    std::string sign;
    if (!integer.empty() && integer[0] == '-') {
        sign = "-";
        integer.erase(0, 1);
    }
    if (grouping && integer.size() > 3) {
        for (auto i = static_cast<std::ptrdiff_t>(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(static_cast<std::size_t>(i), 1, '.');
    }
    if (decimals < 0) decimals = 0;
    if (fraction.size() > static_cast<std::size_t>(decimals))
        fraction.resize(static_cast<std::size_t>(decimals));
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    std::string result = sign + integer;
    if (!fraction.empty()) result += ',' + fraction;
    return result;
}
