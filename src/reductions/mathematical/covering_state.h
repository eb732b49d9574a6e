#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Incremental coverage of the m-subsets ("items") of 0..v-1 by a list of 6-number blocks, where a
// block covers an item when they share at least t numbers. With m = t this is an ordinary covering
// design (every t-subset inside a block); with m = 6 it is a lotto design. Sets are bit masks, items
// are addressed by their colex rank, and every block change updates only the items whose status it
// can alter, so a local search pays per move for a few items instead of the whole space.
class CoveringState {
public:
    static constexpr int kBlockSize = 6;
    static constexpr int kMaxV = 64;

    // Throws std::invalid_argument when v, t, m are out of range or the item space is too large.
    CoveringState(int v, int t, int m);

    int v() const { return v_; }
    int t() const { return t_; }
    int m() const { return m_; }
    std::uint64_t itemCount() const { return items_; }

    std::uint64_t rank(std::uint64_t mask) const {
        if (!lowRank_.empty()) {
            // Colex rank split in two halves: the low half's rank and size pick the high half's share.
            const std::uint32_t low = lowRank_[mask & lowMask_];
            return (low & 0x0FFFFFFFu) + highRank_[(low >> 28) * highSize_ + (mask >> split_)];
        }
        return plainRank(mask);
    }
    std::uint64_t plainRank(std::uint64_t mask) const;
    std::uint64_t unrank(std::uint64_t rank) const;
    static int popcount(std::uint64_t x) { return __builtin_popcountll(x); }

    const std::vector<std::uint64_t>& blocks() const { return blocks_; }
    std::size_t uncoveredCount() const { return uncovered_.size(); }
    std::uint64_t uncoveredItem(std::size_t i) const { return uncovered_[i]; }
    std::uint32_t coverCount(std::uint64_t rank) const { return count_[rank]; }

    void addBlock(std::uint64_t mask);
    void removeBlock(std::size_t index);
    // Items covered by this block and by no other one.
    std::uint64_t uniqueCoverage(std::size_t index) const;

    // The change of uncovered items if number x of block `index` were replaced by y (x in the
    // block, y not), as gained (newly covered) and lost (newly uncovered). Counting of losses stops
    // once lost - gained exceeds `limit`, so a move that will be rejected is abandoned early.
    struct Delta {
        std::int64_t gained = 0;
        std::int64_t lost = 0;
    };
    Delta evaluate(std::size_t index, int x, int y, std::int64_t limit);
    void apply(std::size_t index, int x, int y);

    // Weighted cost for the breakout search: each item carries a weight (1 at first) that grows
    // while the item stays uncovered, so the search is pushed away from the places it keeps
    // failing. The result is the weight lost minus the weight gained.
    std::int64_t evaluateWeighted(std::size_t index, int x, int y);
    void raiseUncoveredWeights();

private:
    void prepareMove(std::size_t index, int x, int y);
    void increment(std::uint64_t rank);
    void decrement(std::uint64_t rank);
    template <typename F> void forEachCovered(std::uint64_t block, F&& f) const;

    int v_, t_, m_;
    std::uint64_t items_;
    std::uint64_t full_;
    std::uint64_t binom_[kMaxV + 1][kBlockSize + 1] = {};
    std::vector<std::uint64_t> blocks_;
    // Rank tables for v <= 32, where two lookups replace a walk over the six numbers.
    int split_ = 0;
    std::uint64_t lowMask_ = 0;
    std::size_t highSize_ = 0;
    std::vector<std::uint32_t> lowRank_;
    std::vector<std::uint32_t> highRank_;
    std::vector<std::uint16_t> count_;  // two bytes keep the hottest array in cache
    std::vector<std::uint32_t> weight_; // empty until the first weighted evaluation
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::uint32_t> position_;
    // Scratch of the move being examined: the (t-1)-subsets of the block without x, and the
    // (m-t)-subsets of the numbers outside the block and y.
    std::vector<std::uint64_t> inner_;
    std::vector<std::uint64_t> outer_;
};

// Uniform integer in 0..n-1 by rejection, identical on every platform for a given engine state.
inline std::uint32_t DrawBelow(std::mt19937& rng, std::uint32_t n) {
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t limit = range - range % n;
    std::uint64_t r = rng();
    while (r >= limit) r = rng();
    return static_cast<std::uint32_t>(r % n);
}

// The k-subsets of the numbers set in `pool`, as masks, appended to `out`.
void CollectSubsets(std::uint64_t pool, int k, std::vector<std::uint64_t>& out);
