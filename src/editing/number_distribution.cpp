#include "editing/number_distribution.h"

OperationOutcome CountNumberDistribution(const ColumnStore& store, DistributionCounts& counts,
                                         OperationHost& host,
                                         const std::function<void(std::int32_t counted)>& showCounts,
                                         const DistributionPacing& pacing) {
    counts.fill(0);
    const std::int32_t k = store.count;
    host.setProgressMaximum(k);
    OperationPacer pacer(host, pacing.yieldMs, 1);
    const std::uint32_t perRead = pacing.unitsPerClockRead ? pacing.unitsPerClockRead : 1;
    std::uint32_t countdown = perRead;
    std::int64_t lastRefresh = host.nowMs();
    const Column* items = store.items();
    for (std::int32_t i = 0; i < k; ++i) {
        for (const Number n : items[i].n)
            if (n >= 1 && n <= kMaxNumber) ++counts[static_cast<std::size_t>(n - 1)];
        const std::int32_t counted = i + 1;
        if (counted == 1) {
            showCounts(counted);
            lastRefresh = host.nowMs();
        }
        // The clock is read only once every few thousand columns: counting one costs far less.
        if (--countdown != 0) continue;
        countdown = perRead;
        if (pacer.checkpoint(counted)) {
            showCounts(counted);
            return OperationOutcome::Interrupted;
        }
        if (host.nowMs() - lastRefresh >= pacing.refreshMs) {
            showCounts(counted);
            lastRefresh = host.nowMs();
        }
    }
    host.showProgress(k);
    showCounts(k);
    return OperationOutcome::Completed;
}
