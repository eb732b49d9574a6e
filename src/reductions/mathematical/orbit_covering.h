#pragma once

#include "reductions/mathematical/covering_optimiser.h"

#include <cstdint>
#include <string>
#include <vector>

// Searches coverings that a group of permutations of 1..v maps onto themselves. The unknowns are
// the orbits of columns instead of the columns, and an orbit of columns covers an orbit of items
// (t-subsets, or drawn-subsets for a guarantee) as soon as one column covers one item of it, so the
// problem shrinks by about the order of the group. A good group turns a search that stalls on
// hundreds of columns into one over a few dozen orbits; the ordinary optimiser can then start from
// the result and try to drop single columns.
struct OrbitCoveringRequest {
    CoveringKind kind = CoveringKind::Orthogonal;
    int v = 7;
    int t = 2;
    int drawn = 6; // guarantee only, as in CoveringRequest
    // Generators of the group: each lists the image (0-based) of 0..v-1. None: the plain problem.
    std::vector<std::vector<int>> generators;
    double seconds = 10.0;      // wall-clock budget
    std::uint64_t maxSteps = 0; // steps of the local search, 0 for none
    std::uint32_t seed = 1;
    int target = 0; // stop once a covering of at most this many columns is found
    // Columns to start from instead of the greedy alone: the orbit of each is taken, and the greedy
    // completes whatever they leave uncovered.
    std::vector<CoveringColumn> start;
};

struct OrbitCoveringResult {
    std::vector<CoveringColumn> columns; // sorted; every image of every chosen orbit
    int greedySize = 0;                  // columns of the covering it started from
    std::size_t itemOrbits = 0;
    std::size_t columnOrbits = 0;
    std::uint64_t steps = 0;
    double seconds = 0.0;
};

// Throws std::invalid_argument for v outside 7..32, t outside 2..5, drawn outside t..6, a
// generator that is not a permutation of 0..v-1, or a start column that is not six numbers of 1..v.
OrbitCoveringResult SearchInvariantCovering(const OrbitCoveringRequest& request);

// Parses a generator written as cycles of 1-based numbers, "(1 2 3)(4 5 6)" (blanks or commas
// between numbers; numbers left out stay in place), or as consecutive cycle lengths from 1,
// "7+7" for (1..7)(8..14). Returns false on anything else, a repeated number or one above v.
bool ParseGenerator(const std::string& text, int v, std::vector<int>& image);
