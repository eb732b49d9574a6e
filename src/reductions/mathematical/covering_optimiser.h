#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Finds small coverings for the immediate-reducer tables: a greedy start, then simulated annealing
// at a fixed number of columns, dropping one column each time the current count is solved.
enum class CoveringKind {
    Orthogonal, // every t-subset of 1..v inside some column
    Guarantee,  // every 6-subset of 1..v shares at least t numbers with some column
};

using CoveringColumn = std::array<std::uint8_t, 6>; // ascending numbers 1..v

// Bit n-1 for each number n of the column. Throws std::invalid_argument unless the column holds
// six distinct numbers of 1..v.
std::uint64_t ColumnMask(const CoveringColumn& column, int v);

// How a search at a fixed number of columns looks for a covering.
enum class CoveringMethod {
    Automatic, // annealing for orthogonal tables, breakout for guarantee ones
    Annealing, // random moves accepted by temperature
    Breakout,  // the best move under item weights that grow while an item stays uncovered
    Tabu,      // the best move by uncovered count, a column just taken out staying out a while
};

struct CoveringRequest {
    CoveringKind kind = CoveringKind::Orthogonal;
    int v = 7;
    int t = 2;
    // Guarantee only: how many numbers the draw has (every `drawn`-subset of 1..v must share at
    // least t numbers with a column). Smaller draws make the parts of a lotto design built from
    // two disjoint forecasts.
    int drawn = 6;
    double seconds = 10.0;      // wall-clock budget of the whole run
    std::uint64_t maxMoves = 0; // moves per search, 0 for none: with one thread the result then
                                // depends on the seed only
    std::uint32_t seed = 1;
    int threads = 1; // independent searches, seeds seed, seed+1, ...
    int target = 0;  // stop as soon as a covering of at most this many columns is found
    // Columns to start from instead of the greedy covering (for instance a covering found by
    // another method); whatever they leave uncovered is completed greedily.
    std::vector<CoveringColumn> start;
    double patience = 0.0; // seconds without a smaller covering after which a search gives
                           // up, 0 for none
    CoveringMethod method = CoveringMethod::Automatic;
};

struct CoveringResult {
    std::vector<CoveringColumn> columns; // sorted
    int greedySize = 0;
    double seconds = 0.0;
    std::uint64_t moves = 0; // summed over the searches
    std::uint32_t seed = 0;  // seed of the search that gave the columns
};

// Throws std::invalid_argument for v outside 7..64, t outside 2..5, drawn outside t..6, threads < 1, a start
// column that is not six distinct numbers of 1..v, or an item space too large to count.
CoveringResult OptimiseCovering(const CoveringRequest& request);

// The smallest number of columns any covering of this kind can have by the Schoenheim bound
// (orthogonal) or 1 (guarantee: no comparable closed bound), for targets and reports.
int CoveringLowerBound(CoveringKind kind, int v, int t);
