#pragma once

#include <string>

// Fixed notation with '.', then trailing zeros trimmed down to one: 7.350000000000 -> 7.350.
// Locale-independent: the stored texts must read back the same everywhere.
std::string FormatReal(double value, int decimals);

// As FormatReal with ',' for the decimal point: 33.33333 with 4 decimals -> 33,3333.
std::string FormatPercent(double value, int decimals);

// An amount in Italian form with `decimals` digits after the comma (the "Decimali" setting), cut
// without rounding; with grouping, '.' separates thousands: 1234.5 -> 1.234,50.
std::string FormatAmount(double value, bool grouping, int decimals);
