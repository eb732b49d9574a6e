#include "reductions/mathematical/candidate_pool.h"

CandidatePool::CandidatePool()
    : lists_(new std::uint16_t[kStride * kStride]), positions_(new std::uint16_t[kStride * kStride]) {
    clear();
}

void CandidatePool::clear() {
    for (int s = 0; s <= kSlots; ++s) {
        numbers_[s] = Column{};
        masks_[s] = NumberMask{};
        counts_[s] = 0;
    }
    freeBits_.fill(0);
    for (int s = 1; s <= kSlots; ++s) freeBits_[s >> 6] |= std::uint64_t{1} << (s & 63);
    occupiedCount_ = 0;
    end_ = 1;
}

int CandidatePool::lowestFree() const {
    for (std::size_t w = 0; w < freeBits_.size(); ++w)
        if (freeBits_[w]) return static_cast<int>(w * 64) + __builtin_ctzll(freeBits_[w]);
    return 0;
}

void CandidatePool::link(int a, int b) {
    const std::size_t ia = static_cast<std::size_t>(a) * kStride, ib = static_cast<std::size_t>(b) * kStride;
    lists_[ia + counts_[a]] = static_cast<std::uint16_t>(b);
    positions_[ia + b] = counts_[a]++;
    lists_[ib + counts_[b]] = static_cast<std::uint16_t>(a);
    positions_[ib + a] = counts_[b]++;
}

void CandidatePool::insert(int slot, const Column& entry, int minShared) {
    NumberMask m;
    for (int i = 0; i < kColumnSize && entry[i] != 0; ++i) m.add(entry[i]);
    numbers_[slot] = entry;
    masks_[slot] = m;
    counts_[slot] = 0;
    freeBits_[slot >> 6] &= ~(std::uint64_t{1} << (slot & 63));
    ++occupiedCount_;
    if (slot + 1 > end_) end_ = slot + 1;
    // Free slots hold an empty mask, which shares nothing, so the counting pass needs no occupancy
    // test and no branch (the compiler vectorises it); links are made in slot order afterwards.
    const NumberMask* masks = masks_.data();
    std::uint8_t* shared = shared_.data();
    for (int s = 1; s < end_; ++s) shared[s] = static_cast<std::uint8_t>(Shared(m, masks[s]));
    shared[slot] = 0;
    for (int s = 1; s < end_; ++s)
        if (shared[s] >= minShared) link(slot, s);
}

void CandidatePool::unlinkFrom(int owner, int removed) {
    const std::size_t io = static_cast<std::size_t>(owner) * kStride;
    const std::uint16_t at = positions_[io + removed];
    const std::uint16_t last = lists_[io + counts_[owner] - 1];
    lists_[io + at] = last;
    positions_[io + last] = at;
    --counts_[owner];
}

void CandidatePool::release(int slot) {
    const std::size_t is = static_cast<std::size_t>(slot) * kStride;
    for (int i = 0; i < counts_[slot]; ++i) unlinkFrom(lists_[is + i], slot);
    counts_[slot] = 0;
    numbers_[slot] = Column{};
    masks_[slot] = NumberMask{};
    freeBits_[slot >> 6] |= std::uint64_t{1} << (slot & 63);
    --occupiedCount_;
}
