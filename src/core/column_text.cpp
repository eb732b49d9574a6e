#include "core/column_text.h"

#include "core/combinatorics.h"

#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Trims characters up to code 32 at both ends, then splits at runs of blanks and tabs.
std::vector<std::string_view> Tokens(std::string_view text) {
    auto low = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && low(text.front())) text.remove_prefix(1);
    while (!text.empty() && low(text.back())) text.remove_suffix(1);
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

// An unsigned decimal 1..90, leading zeros allowed.
int ParseNumberToken(std::string_view token) {
    if (token.empty()) return 0;
    int value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > kMaxNumber) return 0;
    }
    return value;
}

} // namespace

bool ParseColumnLine(std::string_view line, Column& column) {
    column = Column{};
    if (line.size() > 255) line = line.substr(0, 255);
    const auto tokens = Tokens(line);
    if (tokens.size() != 6) return false;
    for (int i = 0; i < 6; ++i) {
        const int n = ParseNumberToken(tokens[static_cast<std::size_t>(i)]);
        if (n == 0) return false;
        column[i] = static_cast<Number>(n);
    }
    SortColumn(column);
    for (int i = 1; i < 6; ++i)
        if (column[i] == column[i - 1]) return false;
    return true;
}

int ParseNumberList(std::string_view text, std::array<std::uint8_t, kMaxNumber>& flags) {
    flags.fill(0);
    const auto tokens = Tokens(text);
    if (tokens.empty() || tokens.size() > static_cast<std::size_t>(kMaxNumber)) {
        return 0;
    }
    for (auto token : tokens) {
        const int n = ParseNumberToken(token);
        if (n == 0 || flags[static_cast<std::size_t>(n - 1)]) {
            flags.fill(0);
            return 0;
        }
        flags[static_cast<std::size_t>(n - 1)] = 1;
    }
    return static_cast<int>(tokens.size());
}

std::string FormatNumber2(int number) {
    std::string text = std::to_string(number);
    if (text.size() < 2) text.insert(0, 2 - text.size(), ' ');
    return text;
}

std::string FormatColumn(const Column& column) {
    std::string text;
    text.reserve(17);
    for (int i = 0; i < 6; ++i) {
        if (i) text += ' ';
        text += FormatNumber2(column[i]);
    }
    return text;
}
