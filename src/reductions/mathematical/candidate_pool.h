#pragma once

#include "core/column.h"

#include <array>
#include <cstdint>
#include <memory>

// Two 64-bit words hold the numbers 1..90: bit (n - 1) of the pair.
struct NumberMask {
    std::uint64_t lo = 0, hi = 0;

    void add(int number) {
        if (number <= 64)
            lo |= std::uint64_t{1} << (number - 1);
        else
            hi |= std::uint64_t{1} << (number - 65);
    }
    bool has(int number) const {
        return number <= 64 ? (lo >> (number - 1)) & 1u : (hi >> (number - 65)) & 1u;
    }
    bool empty() const { return (lo | hi) == 0; }
    bool within(const NumberMask& m) const { return (lo & ~m.lo) == 0 && (hi & ~m.hi) == 0; }
};

// Bit count without relying on the processor's instruction being enabled at compile time: the
// library fallback is a call, and this runs 923 times per insertion.
inline int BitCount(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    x += x >> 8;
    x += x >> 16;
    x += x >> 32;
    return static_cast<int>(x & 0x7F);
}

inline int Shared(const NumberMask& a, const NumberMask& b) {
    return BitCount(a.lo & b.lo) + BitCount(a.hi & b.hi);
}

// The bounded working set of a covering search: 924 slots of entries (k numbers, or whole columns)
// with symmetric neighbour lists. Each slot also keeps where it sits in every neighbour's list, so
// a freed slot leaves all lists in constant time per neighbour; the swap-removal itself (last
// element into the hole) is what the lists' order is defined by.
class CandidatePool {
public:
    static constexpr int kSlots = 924;

    CandidatePool();

    // Frees every slot.
    void clear();

    bool occupied(int slot) const { return numbers_[slot][0] != 0; }
    const Column& numbers(int slot) const { return numbers_[slot]; }
    const NumberMask& mask(int slot) const { return masks_[slot]; }
    int neighbourCount(int slot) const { return counts_[slot]; }
    const std::uint16_t* neighbours(int slot) const {
        return &lists_[static_cast<std::size_t>(slot) * kStride];
    }
    int occupiedCount() const { return occupiedCount_; }
    // One past the highest slot that was ever occupied since the last clear: scans stop there.
    int end() const { return end_; }
    bool empty() const { return occupiedCount_ == 0; }

    // Lowest free slot, or 0 when all are taken.
    int lowestFree() const;

    // Puts the entry (ascending, zero-padded) in a free slot and links it with every occupied slot
    // that shares at least `minShared` numbers, in slot order.
    void insert(int slot, const Column& entry, int minShared);

    // Unlinks the slot from each of its neighbours and marks it free.
    void release(int slot);

private:
    static constexpr std::size_t kStride = kSlots + 1; // slots are 1-based
    void link(int a, int b);
    void unlinkFrom(int owner, int removed);

    std::array<Column, kSlots + 1> numbers_{};
    std::array<NumberMask, kSlots + 1> masks_{};
    std::array<std::uint16_t, kSlots + 1> counts_{};
    std::unique_ptr<std::uint16_t[]> lists_;     // lists_[slot * kStride + i]
    std::unique_ptr<std::uint16_t[]> positions_; // positions_[owner * kStride + member]
    std::array<std::uint64_t, (kSlots + 64) / 64 + 1> freeBits_{};
    std::array<std::uint8_t, kSlots + 1> shared_{}; // scratch of insert
    int occupiedCount_ = 0;
    int end_ = 1;
};
