#pragma once

#include "core/column.h"

#include <array>
#include <cstdint>

// Byte n-1 is 1 when number n is in the forecast.
struct ForecastFlags {
    std::array<std::uint8_t, kMaxNumber> flags{};

    bool has(int number) const { return number >= 1 && number <= kMaxNumber && flags[number - 1] == 1; }
    void set(int number, bool on) { flags[static_cast<std::size_t>(number - 1)] = on ? 1 : 0; }
    void clear() { flags.fill(0); }
    int count() const;
};

// The fixed numbers in the order of the entry fields that hold them.
struct FixedNumbers {
    std::int32_t count = 0;
    std::array<Number, 5> numbers{};

    void clear() {
        count = 0;
        numbers.fill(0);
    }
};

// Scratch flags rebuilt from the fixed numbers before a run that honours "Considera fisse".
struct FixedFlags {
    std::array<std::uint8_t, kMaxNumber> flags{};
};

FixedFlags BuildFixedFlags(const FixedNumbers& fixed);

// A column respects the fixed numbers when it holds at least as many of them as are set.
bool RespectsFixed(const Column& column, const FixedFlags& flags, std::int32_t fixedCount);
