#pragma once

#include "core/column_store.h"
#include "shell/operation_host.h"

#include <array>
#include <cstdint>
#include <functional>

// How often each number 1..90 occurs in the final columns; index n-1 for number n.
using DistributionCounts = std::array<std::int64_t, kMaxNumber>;

struct DistributionPacing {
    std::int64_t yieldMs = 600;    // messages processed, stop asked, gauge moved
    std::int64_t refreshMs = 1000; // the bars follow the counters at most this often
    std::uint32_t unitsPerClockRead = 4096;
};

// Counts the numbers of the columns 1..count into `counts` (cleared first). `showCounts` receives
// the counters after the first column, then at most once per refresh interval, and once more at
// the end, with the number of columns counted so far. A confirmed stop ends the count early:
// the counters then hold the columns counted until then. Returns Completed or Interrupted.
OperationOutcome CountNumberDistribution(const ColumnStore& store, DistributionCounts& counts,
                                         OperationHost& host,
                                         const std::function<void(std::int32_t counted)>& showCounts,
                                         const DistributionPacing& pacing = {});
