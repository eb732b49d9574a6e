#pragma once

#include "core/column.h"
#include "core/messages.h"

#include <cstddef>
#include <cstdint>
#include <limits>

// The one list of final columns. Positions are 1-based; slots count+1..capacity are scratch that
// building runs write candidates into and removing runs park removed columns in.
class ColumnStore {
public:
    // The first growth step: a block of just under 32 MiB.
    static constexpr std::int32_t kFirstIncrement = 5'592'405;

    ColumnStore() = default;
    ColumnStore(const ColumnStore&) = delete;
    ColumnStore& operator=(const ColumnStore&) = delete;
    ~ColumnStore();

    std::int32_t count = 0;
    std::int32_t lastFound = 0; // search hint only

    std::int32_t capacity() const { return capacity_; }
    Column& at(std::int32_t position) { return items_[position - 1]; }
    const Column& at(std::int32_t position) const { return items_[position - 1]; }
    Column* items() { return items_; }
    const Column* items() const { return items_; }

    // Lets tests (and nothing else) bound what the store may allocate, so that the growth steps
    // under memory pressure run for real. The bound is in bytes of column storage.
    void setAllocationLimit(std::size_t bytes) { allocationLimit_ = bytes; }

    // Tries to hold `slots` slots in all, keeping the columns; false leaves everything unchanged.
    bool tryResize(std::int64_t slots);

private:
    Column* items_ = nullptr;
    std::int32_t capacity_ = 0;
    std::size_t allocationLimit_ = std::numeric_limits<std::size_t>::max();
};

// Enlarges the capacity by half (the first time by kFirstIncrement), quartering the step while the
// allocation fails; only when not even one slot can be added does it report the shortage.
bool GrowStore(ColumnStore& store, MessageService& messages);

// Makes room for `needed` slots in all, growing as many times as it takes.
bool EnsureCapacity(ColumnStore& store, std::int64_t needed, MessageService& messages);

// Position 1..count of the column, or 0. Starts after the last hit, so lookups in list order cost
// one comparison each.
std::int32_t FindColumn(ColumnStore& store, const Column& column);

// As FindColumn, among positions 1..n only (n may exceed count: used for candidates in scratch).
std::int32_t FindColumnAmongFirst(ColumnStore& store, const Column& column, std::int32_t n);

inline constexpr const char* kGrowStoreFailedText =
    "Errore, non c'è abbastanza memoria libera per lo sviluppo delle colonne.\rDiminuire il numero di segni "
    "o selezionare un altro metodo di riduzione.";
