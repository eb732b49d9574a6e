#include "shell/forecast_rank_set.h"

#include <array>
#include <new>

namespace {

using BinomialTable = std::array<std::array<std::int64_t, 7>, kMaxNumber + 1>;

constexpr BinomialTable MakeBinomials() {
    BinomialTable t{};
    for (int m = 0; m <= kMaxNumber; ++m) {
        t[m][0] = 1;
        for (int r = 1; r <= 6; ++r) t[m][r] = m == 0 ? 0 : t[m - 1][r - 1] + t[m - 1][r];
    }
    return t;
}

constexpr BinomialTable kBinomials = MakeBinomials();

} // namespace

std::int64_t Binomial(int m, int r) {
    if (m < 0 || r < 0 || r > 6 || m > kMaxNumber) return 0;
    return kBinomials[static_cast<std::size_t>(m)][static_cast<std::size_t>(r)];
}

std::int64_t LexicographicRank(const int positions[6], int n) {
    // The combinations after this one in lexicographic order are counted position by position.
    std::int64_t after = 0;
    for (int i = 0; i < 6; ++i) after += Binomial(n - 1 - positions[i], 6 - i);
    return Binomial(n, 6) - 1 - after;
}

bool ForecastRankSet::build(std::span<const Number> forecast, const Column* columns, std::int32_t count) {
    const int n = static_cast<int>(forecast.size());
    const std::int64_t total = Binomial(n, 6);
    const auto words = static_cast<std::size_t>((total + 63) / 64);
    bits_.reset(new (std::nothrow) std::uint64_t[words > 0 ? words : 1]());
    if (!bits_) return false;
    if (total == 0) return true;

    // Forecast position of every number, -1 outside the forecast.
    std::array<int, kMaxNumber + 1> positionOf;
    positionOf.fill(-1);
    for (int i = 0; i < n; ++i) positionOf[forecast[static_cast<std::size_t>(i)]] = i;

    for (std::int32_t k = 0; k < count; ++k) {
        const Column& c = columns[k];
        if (!IsNormalColumn(c)) continue;
        int p[6];
        bool inside = true;
        for (int i = 0; i < 6 && inside; ++i) {
            p[i] = positionOf[c[i]];
            inside = p[i] >= 0;
        }
        if (!inside) continue;
        const auto r = static_cast<std::uint64_t>(LexicographicRank(p, n));
        bits_[r >> 6] |= std::uint64_t{1} << (r & 63);
    }
    return true;
}
