#include "core/combinatorics.h"

#include <cmath>
#include <utility>

std::int32_t Combinations6(std::int32_t n) {
    if (n < 6) return 0;
    // Extended precision and rounding: the product of 7..n over (n-6)! is exact for every n the
    // program meets.
    long double numerator = 1, denominator = 1;
    for (std::int32_t i = 7; i <= n; ++i) numerator *= i;
    for (std::int32_t i = 2; i <= n - 6; ++i) denominator *= i;
    return static_cast<std::int32_t>(std::llround(numerator / denominator));
}

void SortColumn(Number numbers[6]) {
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (numbers[j] < numbers[i]) std::swap(numbers[i], numbers[j]);
}
