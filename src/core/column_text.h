#pragma once

#include "core/column.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One line holding one column: six numbers 1..90 separated by blanks or tabs, in any order.
bool ParseColumnLine(std::string_view line, Column& column);

// A list of distinct numbers 1..90; returns how many, or 0 for an invalid or empty list.
int ParseNumberList(std::string_view text, std::array<std::uint8_t, kMaxNumber>& flags);

// Each number in two characters, right-aligned, separated by one blank.
std::string FormatColumn(const Column& column);
std::string FormatNumber2(int number);
