#pragma once

#include "shell/operation_host.h"

#include <cstdint>

class ColumnStore;
struct Globali;

// Paces the loops that stop at the first request, without the usual confirmation: the sort and
// the column transfers. The clock is read every `unitsPerClockRead` units only.
class StopPoller {
public:
    StopPoller(OperationHost& host, std::int64_t intervalMs = 600, std::uint32_t unitsPerClockRead = 1024)
        : host_(host), intervalMs_(intervalMs), unitsPerRead_(unitsPerClockRead ? unitsPerClockRead : 1),
          countdown_(unitsPerRead_), last_(host.nowMs()) {}

    // True when a stop was requested at this yield.
    bool step(std::int64_t progress) {
        if (--countdown_ != 0) return false;
        countdown_ = unitsPerRead_;
        if (host_.nowMs() - last_ <= intervalMs_) return false;
        host_.processMessages();
        if (host_.stopRequested()) return true;
        host_.showProgress(progress);
        last_ = host_.nowMs();
        return false;
    }

private:
    OperationHost& host_;
    std::int64_t intervalMs_;
    std::uint32_t unitsPerRead_;
    std::uint32_t countdown_;
    std::int64_t last_;
};

// Sorts positions 1..count in ascending order of their six numbers, compared number by number
// (the order a pairwise exchange sort leaves). Runs in place; a stop leaves the same columns in
// a partly sorted order. Completed or Interrupted.
OperationOutcome SortColumns(ColumnStore& store, OperationHost& host);

// "Ordina colonne": the sort, and the system marked modified when it completed. The win
// probabilities stay, since the set of columns is the same.
OperationOutcome SortFinalColumns(Globali& g, OperationHost& host);

inline constexpr const char* kNothingToSortText = "Non ci sono colonne finali da ordinare.";
