#include "core/forecast.h"

int ForecastFlags::count() const {
    int n = 0;
    for (auto f : flags) n += f == 1;
    return n;
}

FixedFlags BuildFixedFlags(const FixedNumbers& fixed) {
    FixedFlags result;
    for (int i = 0; i < fixed.count && i < 5; ++i) {
        const int n = fixed.numbers[static_cast<std::size_t>(i)];
        if (n >= 1 && n <= kMaxNumber) result.flags[static_cast<std::size_t>(n - 1)] = 1;
    }
    return result;
}

bool RespectsFixed(const Column& column, const FixedFlags& flags, std::int32_t fixedCount) {
    int held = 0;
    for (int i = 0; i < kColumnSize; ++i) {
        const int n = column[i];
        if (n >= 1 && n <= kMaxNumber) held += flags.flags[static_cast<std::size_t>(n - 1)] == 1;
    }
    return held >= fixedCount;
}
