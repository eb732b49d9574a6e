#pragma once

#include <array>
#include <cstdint>

// The k-subsets of the six positions of a column, in lexicographic order: every covering takes the
// k-subsets of a column in this order, so the tables are built once at compile time.
struct PositionPatterns {
    static constexpr int kMaxPatterns = 20; // C(6, 3)

    // patterns[k][p][j]: 0-based position of the j-th number of pattern p for score k (2..5).
    std::array<std::array<std::array<std::uint8_t, 5>, kMaxPatterns>, 6> patterns{};
    std::array<int, 6> count{};

    constexpr PositionPatterns() {
        for (int k = 2; k <= 5; ++k) {
            int idx[5]{};
            for (int j = 0; j < k; ++j) idx[j] = j;
            int p = 0;
            for (;;) {
                for (int j = 0; j < k; ++j) patterns[k][p][j] = static_cast<std::uint8_t>(idx[j]);
                ++p;
                int j = k - 1;
                while (j >= 0 && idx[j] == 6 - k + j) --j;
                if (j < 0) break;
                ++idx[j];
                for (int m = j + 1; m < k; ++m) idx[m] = idx[m - 1] + 1;
            }
            count[k] = p;
        }
    }
};

inline constexpr PositionPatterns kPositionPatterns{};
static_assert(kPositionPatterns.count[2] == 15 && kPositionPatterns.count[3] == 20 &&
              kPositionPatterns.count[4] == 15 && kPositionPatterns.count[5] == 6);
