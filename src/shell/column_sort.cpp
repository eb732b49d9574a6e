#include "shell/column_sort.h"

#include "core/Globali.h"
#include "core/column_store.h"

#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr std::int32_t kInsertionRange = 24;

struct SortRun {
    Column* items;
    StopPoller poller;
    std::int64_t settled = 0; // columns already in their final place, for the progress bar
    bool stopped = false;

    // Columns whose bytes 0..depth-1 are equal: sorts them on bytes depth..5.
    void insertion(std::int32_t lo, std::int32_t hi, int depth) {
        const auto tail = static_cast<std::size_t>(kColumnSize - depth);
        for (std::int32_t i = lo + 1; i < hi; ++i) {
            for (std::int32_t j = i;
                 j > lo && std::memcmp(&items[j - 1].n[depth], &items[j].n[depth], tail) > 0; --j)
                std::swap(items[j - 1], items[j]);
        }
        settled += hi - lo;
    }

    // In-place distribution of [lo, hi) by byte `depth`, then each bucket on the next byte.
    // Every move is a swap, so the list is a permutation of its columns at any stop.
    void sort(std::int32_t lo, std::int32_t hi, int depth) {
        if (stopped) return;
        if (depth == kColumnSize || hi - lo <= 1) {
            settled += hi - lo;
            return;
        }
        if (hi - lo <= kInsertionRange) {
            insertion(lo, hi, depth);
            return;
        }
        std::array<std::int32_t, 256> counts{};
        for (std::int32_t i = lo; i < hi; ++i) ++counts[items[i].n[depth]];
        std::array<std::int32_t, 256> next{};
        std::array<std::int32_t, 256> end{};
        std::int32_t at = lo;
        for (int b = 0; b < 256; ++b) {
            next[b] = at;
            at += counts[b];
            end[b] = at;
        }
        for (int b = 0; b < 256; ++b) {
            while (next[b] < end[b]) {
                const int c = items[next[b]].n[depth];
                if (c == b)
                    ++next[b];
                else
                    std::swap(items[next[b]], items[next[c]++]);
                if (poller.step(settled)) {
                    stopped = true;
                    return;
                }
            }
        }
        std::int32_t start = lo;
        for (int b = 0; b < 256; ++b) {
            if (counts[b] > 0) sort(start, start + counts[b], depth + 1);
            if (stopped) return;
            start += counts[b];
        }
    }
};

} // namespace

OperationOutcome SortColumns(ColumnStore& store, OperationHost& host) {
    host.setProgressMaximum(store.count);
    SortRun run{store.items(), StopPoller(host)};
    if (store.count > 1) run.sort(0, store.count, 0);
    store.lastFound = 0;
    if (run.stopped) return OperationOutcome::Interrupted;
    host.showProgress(store.count);
    return OperationOutcome::Completed;
}

OperationOutcome SortFinalColumns(Globali& g, OperationHost& host) {
    const OperationOutcome outcome = SortColumns(g.system.columns, host);
    if (outcome == OperationOutcome::Completed) g.system.modified = true;
    return outcome;
}
