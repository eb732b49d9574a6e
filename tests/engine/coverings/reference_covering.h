#pragma once

#include "core/column.h"

#include <cstdint>
#include <vector>

// Plain versions of the two forecast coverings, written step by step from their definition: flags
// per number, neighbour lists searched linearly, a bit vector indexed by a rank summed from
// binomials. Slow, and meant to be obviously right; the fast searches must give the same columns.
struct ReferenceInput {
    std::vector<Number> forecast; // ascending
    int k = 3;
    bool considerFixed = false;
    std::vector<Number> fixed;    // the fixed numbers
    std::vector<Column> existing; // final columns before the run
    bool withBitmap = true;       // false: the bitmap could not be allocated
    std::uint32_t seed = 5489u;   // of the program's generator
};

std::uint64_t ReferenceRank(const Number* a, int k);
std::vector<Column> ReferenceOrthogonal(const ReferenceInput& in);
std::vector<Column> ReferenceGuarantee(const ReferenceInput& in);
