#pragma once

#include "core/column.h"

#include <cstdint>
#include <memory>
#include <span>

// C(m, r) for m <= 90 and r <= 6, exact.
std::int64_t Binomial(int m, int r);

// Rank (from 0) of the six forecast positions p[0] < ... < p[5] among the C(n, 6) combinations of
// n positions in lexicographic order: the order the integral development visits them.
std::int64_t LexicographicRank(const int positions[6], int n);

// Which combinations of the forecast are already in the list, by rank. Built once before a
// development, it answers the duplicate test in constant time whatever the order of the list:
// one bit per combination, C(n, 6) / 8 bytes (78 MB for all 90 numbers, when the development
// itself would need 3.7 GB).
class ForecastRankSet {
public:
    // `forecast` holds the n forecast numbers ascending. Columns with a number outside the
    // forecast, or not in normal form, can never equal a candidate and are left out.
    // False when the bits could not be allocated.
    bool build(std::span<const Number> forecast, const Column* columns, std::int32_t count);

    bool contains(std::int64_t rank) const {
        const auto r = static_cast<std::uint64_t>(rank);
        return (bits_[r >> 6] >> (r & 63)) & 1;
    }

private:
    std::unique_ptr<std::uint64_t[]> bits_;
};
