#pragma once

#include "core/column.h"
#include "reductions/mathematical/position_patterns.h"

#include <array>
#include <cstdint>
#include <memory>

// Lexicographic rank of a k-subset of 1..90 (k = 1..6), as a sum of one table entry per number:
// entry[i][a] folds the partial binomial sums of position i together with the correction owed by
// position i + 1, so a rank costs k lookups and no branch.
class KSubsetRank {
public:
    explicit KSubsetRank(int k);

    int k() const { return k_; }
    std::uint32_t subsets() const { return total_; }

    // a holds k numbers in strictly ascending order.
    std::uint32_t rank(const Number* a) const {
        std::uint32_t r = 0;
        for (int i = 0; i < k_; ++i) r += table_[i][a[i]];
        return r;
    }

private:
    int k_;
    std::uint32_t total_;
    std::array<std::array<std::uint32_t, kMaxNumber + 2>, 6> table_{};
};

// One bit per k-subset of 1..90, by rank; sized for C(90, 5) and shared by every k. A covering
// window owns one for its whole life; allocation may fail, and the searches then run without it.
class CoverageBitmap {
public:
    static constexpr std::size_t kBytes = 5'493'760;

    // nullptr when the memory is not available.
    static std::unique_ptr<CoverageBitmap> tryCreate();

    void clear();
    bool test(std::uint32_t rank) const { return (bits_[rank >> 6] >> (rank & 63)) & 1u; }
    void set(std::uint32_t rank) { bits_[rank >> 6] |= std::uint64_t{1} << (rank & 63); }

    // Marks the k-subsets of a column, taken by the position patterns.
    void markColumn(const Column& column, const KSubsetRank& rank);
    // True when some k-subset of the column is marked.
    bool anyMarked(const Column& column, const KSubsetRank& rank) const;

private:
    CoverageBitmap() = default;
    std::unique_ptr<std::uint64_t[]> bits_;
};
