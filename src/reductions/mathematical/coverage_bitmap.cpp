#include "reductions/mathematical/coverage_bitmap.h"

#include <cstring>
#include <new>

namespace {

std::uint32_t Binomial(int n, int r) {
    if (r < 0 || n < r) return 0;
    std::uint64_t v = 1;
    for (int i = 1; i <= r; ++i)
        v = v * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return static_cast<std::uint32_t>(v);
}

} // namespace

KSubsetRank::KSubsetRank(int k) : k_(k), total_(Binomial(kMaxNumber, k)) {
    // partial[i][a]: subsets whose (i+1)-th number is below a, given the numbers before it are
    // fixed: sum over x < a of C(90 - x, k - i - 1). Position i contributes
    // partial[i][a_i] - partial[i][a_(i-1) + 1]; the subtraction is moved into the entry of i - 1.
    std::array<std::array<std::uint32_t, kMaxNumber + 2>, 6> partial{};
    for (int i = 0; i < k; ++i) {
        std::uint32_t sum = 0;
        for (int a = 1; a <= kMaxNumber + 1; ++a) {
            partial[i][a] = sum;
            sum += Binomial(kMaxNumber - a, k - i - 1);
        }
    }
    for (int i = 0; i < k; ++i)
        for (int a = 1; a <= kMaxNumber; ++a)
            table_[i][a] = partial[i][a] - (i + 1 < k ? partial[i + 1][a + 1] : 0u);
}

std::unique_ptr<CoverageBitmap> CoverageBitmap::tryCreate() {
    std::unique_ptr<CoverageBitmap> bitmap(new (std::nothrow) CoverageBitmap);
    if (!bitmap) return nullptr;
    bitmap->bits_.reset(new (std::nothrow) std::uint64_t[kBytes / 8]);
    if (!bitmap->bits_) return nullptr;
    bitmap->clear();
    return bitmap;
}

void CoverageBitmap::clear() {
    std::memset(bits_.get(), 0, kBytes);
}

void CoverageBitmap::markColumn(const Column& column, const KSubsetRank& rank) {
    const int k = rank.k();
    Number sub[6];
    for (int p = 0; p < kPositionPatterns.count[k]; ++p) {
        for (int j = 0; j < k; ++j) sub[j] = column[kPositionPatterns.patterns[k][p][j]];
        set(rank.rank(sub));
    }
}

bool CoverageBitmap::anyMarked(const Column& column, const KSubsetRank& rank) const {
    const int k = rank.k();
    Number sub[6];
    for (int p = 0; p < kPositionPatterns.count[k]; ++p) {
        for (int j = 0; j < k; ++j) sub[j] = column[kPositionPatterns.patterns[k][p][j]];
        if (test(rank.rank(sub))) return true;
    }
    return false;
}
