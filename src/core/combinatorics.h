#pragma once

#include "core/column.h"

#include <cstdint>

// C(n, 6); 0 for n < 6. C(90, 6) = 622,614,630 fits in 32 bits.
std::int32_t Combinations6(std::int32_t n);

// Ascending exchange sort of six numbers, in place.
void SortColumn(Number numbers[6]);
inline void SortColumn(Column& column) {
    SortColumn(column.n.data());
}
