#include "reductions/mathematical/covering_state.h"

#include <stdexcept>

namespace {

// Beyond this the counters alone would take hundreds of megabytes.
constexpr std::uint64_t kMaxItems = 40'000'000;
constexpr std::uint32_t kNoPosition = 0xFFFFFFFFu;

int LowestBit(std::uint64_t x) {
    return __builtin_ctzll(x);
}

} // namespace

void CollectSubsets(std::uint64_t pool, int k, std::vector<std::uint64_t>& out) {
    int elems[CoveringState::kMaxV];
    int n = 0;
    for (std::uint64_t p = pool; p != 0; p &= p - 1) elems[n++] = LowestBit(p);
    if (k < 0 || k > n) return;
    if (k == 0) {
        out.push_back(0);
        return;
    }
    int idx[CoveringState::kBlockSize + 1];
    for (int i = 0; i < k; ++i) idx[i] = i;
    while (true) {
        std::uint64_t mask = 0;
        for (int i = 0; i < k; ++i) mask |= std::uint64_t{1} << elems[idx[i]];
        out.push_back(mask);
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
}

CoveringState::CoveringState(int v, int t, int m) : v_(v), t_(t), m_(m) {
    if (v < kBlockSize + 1 || v > kMaxV || t < 1 || t > kBlockSize || m < t || m > kBlockSize)
        throw std::invalid_argument("covering parameters out of range");
    for (int n = 0; n <= kMaxV; ++n) {
        binom_[n][0] = 1;
        for (int k = 1; k <= kBlockSize; ++k)
            binom_[n][k] = n == 0 ? 0 : binom_[n - 1][k - 1] + binom_[n - 1][k];
    }
    items_ = binom_[v][m];
    if (items_ > kMaxItems) throw std::invalid_argument("covering item space too large");
    full_ = v == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << v) - 1;
    count_.assign(items_, 0);
    if (v <= 32) {
        split_ = v / 2;
        lowMask_ = (std::uint64_t{1} << split_) - 1;
        highSize_ = std::size_t{1} << (v - split_);
        lowRank_.resize(std::size_t{1} << split_);
        for (std::uint64_t lo = 0; lo < lowRank_.size(); ++lo) {
            const int k = popcount(lo);
            // Only subsets of at most m numbers are ever ranked; larger ones keep a harmless 0.
            lowRank_[lo] =
                k <= m ? static_cast<std::uint32_t>(plainRank(lo)) | static_cast<std::uint32_t>(k) << 28 : 0;
        }
        highRank_.assign(static_cast<std::size_t>(m + 1) * highSize_, 0);
        for (int k = 0; k <= m; ++k)
            for (std::uint64_t hi = 0; hi < highSize_; ++hi) {
                if (popcount(hi) + k > m) continue;
                std::uint64_t r = 0;
                int i = k + 1;
                for (std::uint64_t h = hi; h != 0; h &= h - 1) r += binom_[LowestBit(h) + split_][i++];
                highRank_[static_cast<std::size_t>(k) * highSize_ + hi] = static_cast<std::uint32_t>(r);
            }
    }
    position_.resize(items_);
    uncovered_.resize(items_);
    for (std::uint64_t r = 0; r < items_; ++r) {
        uncovered_[r] = static_cast<std::uint32_t>(r);
        position_[r] = static_cast<std::uint32_t>(r);
    }
}

std::uint64_t CoveringState::plainRank(std::uint64_t mask) const {
    std::uint64_t r = 0;
    int i = 1;
    for (; mask != 0; mask &= mask - 1) r += binom_[LowestBit(mask)][i++];
    return r;
}

std::uint64_t CoveringState::unrank(std::uint64_t r) const {
    std::uint64_t mask = 0;
    int e = v_ - 1;
    for (int i = m_; i >= 1; --i) {
        while (binom_[e][i] > r) --e;
        r -= binom_[e][i];
        mask |= std::uint64_t{1} << e;
        --e;
    }
    return mask;
}

template <typename F> void CoveringState::forEachCovered(std::uint64_t block, F&& f) const {
    std::vector<std::uint64_t> inside, outside;
    for (int j = t_; j <= m_; ++j) {
        inside.clear();
        outside.clear();
        CollectSubsets(block, j, inside);
        CollectSubsets(full_ & ~block, m_ - j, outside);
        for (std::uint64_t a : inside)
            for (std::uint64_t c : outside) f(rank(a | c));
    }
}

void CoveringState::increment(std::uint64_t r) {
    if (count_[r]++ == 0) {
        // Swap-remove from the uncovered list.
        const std::uint32_t p = position_[r];
        const std::uint32_t last = uncovered_.back();
        uncovered_[p] = last;
        position_[last] = p;
        uncovered_.pop_back();
        position_[r] = kNoPosition;
    }
}

void CoveringState::decrement(std::uint64_t r) {
    if (--count_[r] == 0) {
        position_[r] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(static_cast<std::uint32_t>(r));
    }
}

void CoveringState::addBlock(std::uint64_t mask) {
    // Each counter holds at most the number of blocks.
    if (blocks_.size() >= 0xFFFF) throw std::length_error("too many covering blocks");
    blocks_.push_back(mask);
    forEachCovered(mask, [this](std::uint64_t r) { increment(r); });
}

void CoveringState::removeBlock(std::size_t index) {
    const std::uint64_t mask = blocks_[index];
    forEachCovered(mask, [this](std::uint64_t r) { decrement(r); });
    blocks_[index] = blocks_.back();
    blocks_.pop_back();
}

std::uint64_t CoveringState::uniqueCoverage(std::size_t index) const {
    std::uint64_t n = 0;
    forEachCovered(blocks_[index], [this, &n](std::uint64_t r) { n += count_[r] == 1; });
    return n;
}

void CoveringState::prepareMove(std::size_t index, int x, int y) {
    const std::uint64_t block = blocks_[index];
    const std::uint64_t bx = std::uint64_t{1} << x;
    const std::uint64_t by = std::uint64_t{1} << y;
    inner_.clear();
    outer_.clear();
    CollectSubsets(block & ~bx, t_ - 1, inner_);
    CollectSubsets(full_ & ~(block | by), m_ - t_, outer_);
}

// An item changes status only when it meets the block in exactly t numbers one of which is the
// one moved: {x} + A + C is lost and {y} + A + C gained, for A among the other five numbers and C
// outside the block. Both share A and C, so one enumeration serves both.
CoveringState::Delta CoveringState::evaluate(std::size_t index, int x, int y, std::int64_t limit) {
    prepareMove(index, x, y);
    const std::uint64_t bx = std::uint64_t{1} << x;
    const std::uint64_t by = std::uint64_t{1} << y;
    Delta d;
    for (std::uint64_t a : inner_)
        for (std::uint64_t c : outer_) d.gained += count_[rank(by | a | c)] == 0;
    for (std::uint64_t a : inner_) {
        for (std::uint64_t c : outer_) d.lost += count_[rank(bx | a | c)] == 1;
        if (d.lost - d.gained > limit) return d;
    }
    return d;
}

void CoveringState::apply(std::size_t index, int x, int y) {
    prepareMove(index, x, y);
    const std::uint64_t bx = std::uint64_t{1} << x;
    const std::uint64_t by = std::uint64_t{1} << y;
    for (std::uint64_t a : inner_)
        for (std::uint64_t c : outer_) {
            increment(rank(by | a | c));
            decrement(rank(bx | a | c));
        }
    blocks_[index] = (blocks_[index] & ~bx) | by;
}

std::int64_t CoveringState::evaluateWeighted(std::size_t index, int x, int y) {
    if (weight_.empty()) weight_.assign(items_, 1);
    prepareMove(index, x, y);
    const std::uint64_t bx = std::uint64_t{1} << x;
    const std::uint64_t by = std::uint64_t{1} << y;
    std::int64_t delta = 0;
    for (std::uint64_t a : inner_)
        for (std::uint64_t c : outer_) {
            const std::uint64_t gain = rank(by | a | c);
            const std::uint64_t loss = rank(bx | a | c);
            if (count_[gain] == 0) delta -= weight_[gain];
            if (count_[loss] == 1) delta += weight_[loss];
        }
    return delta;
}

void CoveringState::raiseUncoveredWeights() {
    if (weight_.empty()) weight_.assign(items_, 1);
    for (std::uint32_t r : uncovered_) ++weight_[r];
}
