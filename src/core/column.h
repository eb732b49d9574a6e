#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// A lottery number 1..90; 0 marks an empty slot.
using Number = std::uint8_t;

inline constexpr int kMaxNumber = 90;
inline constexpr int kColumnSize = 6;

// Six distinct numbers, strictly ascending: the normal form every store and comparison relies on.
struct Column {
    std::array<Number, kColumnSize> n{};

    Number& operator[](int i) { return n[static_cast<std::size_t>(i)]; }
    Number operator[](int i) const { return n[static_cast<std::size_t>(i)]; }
    friend bool operator==(const Column& a, const Column& b) {
        return std::memcmp(a.n.data(), b.n.data(), 6) == 0;
    }
};
static_assert(sizeof(Column) == 6, "columns are packed in six bytes");

// True when the six numbers are in 1..90 and strictly ascending (what files from outside must hold).
inline bool IsNormalColumn(const Column& c) {
    if (c[0] < 1 || c[5] > kMaxNumber) return false;
    for (int i = 1; i < kColumnSize; ++i)
        if (c[i] <= c[i - 1]) return false;
    return true;
}
