#include "reductions/mathematical/forecast_covering.h"

#include "core/combinatorics.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The clock is read once per this many subsets; a subset costs well under a microsecond when it is
// already covered, so the interval is still honoured to a few milliseconds.
constexpr int kUnitsPerClockRead = 2048;

std::int64_t Binomial(int n, int r) {
    if (r < 0 || n < r) return 0;
    std::int64_t v = 1;
    for (int i = 1; i <= r; ++i) v = v * (n - r + i) / i;
    return v;
}

// Yields with the column count in the status line; true when the user confirmed a stop.
class CoveringPacer {
public:
    CoveringPacer(OperationHost& host, const ColumnStore& store)
        : pacer_(host, kCoveringYieldMs, 1), store_(store) {}

    bool checkpoint(std::int64_t progress, std::int32_t added) {
        status_.assign(kColumnCountStatus);
        status_ += std::to_string(static_cast<std::int64_t>(store_.count) + added);
        return pacer_.checkpoint(progress, &status_);
    }
    bool step(std::int64_t progress, std::int32_t added) {
        if (--countdown_ != 0) return false;
        countdown_ = kUnitsPerClockRead;
        return checkpoint(progress, added);
    }

private:
    OperationPacer pacer_;
    const ColumnStore& store_;
    std::string status_;
    int countdown_ = kUnitsPerClockRead;
};

// The occupied slot with most neighbours; the lowest slot wins a tie.
int BusiestSlot(const CandidatePool& pool) {
    int best = 0, bestCount = -1;
    for (int s = 1; s < pool.end(); ++s)
        if (pool.occupied(s) && pool.neighbourCount(s) > bestCount) {
            best = s;
            bestCount = pool.neighbourCount(s);
        }
    return best;
}

bool Append(ColumnStore& store, std::int32_t& added, const Column& column, MessageService& messages) {
    const std::int64_t slot = static_cast<std::int64_t>(store.count) + added + 1;
    if (store.capacity() < slot && !EnsureCapacity(store, slot, messages)) return false;
    store.at(static_cast<std::int32_t>(slot)) = column;
    ++added;
    return true;
}

struct OrthogonalState {
    const ForecastCoveringInput& input;
    NumberMask forecastMask;
    KSubsetRank rank;
    std::array<int, CandidatePool::kSlots + 1> histogram{};
};

// Builds one column from the pool, appends it and frees the entries it holds. Returns the highest
// freed slot, 0 when the store could not grow.
int EmitOrthogonal(OrthogonalState& st, ColumnStore& store, std::int32_t& added, MessageService& messages,
                   CoveringWorkspace& work, bool marking) {
    CandidatePool& pool = work.pool;
    const int k = st.input.k;
    const int h = BusiestSlot(pool);
    Column column{};
    NumberMask in = pool.mask(h);
    int size = 0;
    for (int j = 0; j < k; ++j) column[size++] = pool.numbers(h)[j];

    if (size < kColumnSize) {
        // Counts are taken level by level from H's down; only the levels some slot has are scanned.
        const int top = pool.neighbourCount(h);
        std::fill(st.histogram.begin(), st.histogram.begin() + top + 1, 0);
        for (int s = 1; s < pool.end(); ++s)
            if (pool.occupied(s)) ++st.histogram[pool.neighbourCount(s)];
        for (int c = top; c >= 0 && size < kColumnSize; --c) {
            if (st.histogram[c] == 0) continue;
            for (int s = 1; s < pool.end() && size < kColumnSize; ++s) {
                if (!pool.occupied(s) || pool.neighbourCount(s) != c) continue;
                for (int j = 0; j < k && size < kColumnSize; ++j) {
                    const Number x = pool.numbers(s)[j];
                    if (!in.has(x)) {
                        in.add(x);
                        column[size++] = x;
                    }
                }
            }
        }
    }
    while (size < kColumnSize) {
        const int x = static_cast<int>(work.random.uniform(kMaxNumber));
        if (st.forecastMask.has(x) && !in.has(x)) {
            in.add(x);
            column[size++] = static_cast<Number>(x);
        }
    }
    SortColumn(column);
    if (!Append(store, added, column, messages)) return 0;
    if (marking && work.bitmap) work.bitmap->markColumn(column, st.rank);

    int highest = 0;
    for (int s = 1; s < pool.end(); ++s)
        if (pool.occupied(s) && pool.mask(s).within(in)) {
            pool.release(s);
            highest = s;
        }
    return highest;
}

// Appends the busiest entry and frees it with all its neighbours. Returns its slot, 0 when the
// store could not grow.
int EmitGuarantee(const KSubsetRank& rank, ColumnStore& store, std::int32_t& added, MessageService& messages,
                  CoveringWorkspace& work, bool marking, std::vector<std::uint16_t>& scratch) {
    CandidatePool& pool = work.pool;
    const int x = BusiestSlot(pool);
    const Column column = pool.numbers(x);
    if (!Append(store, added, column, messages)) return 0;
    if (marking && work.bitmap) work.bitmap->markColumn(column, rank);
    // Freeing a neighbour edits X's own list, so its members are taken before any is freed.
    scratch.assign(pool.neighbours(x), pool.neighbours(x) + pool.neighbourCount(x));
    for (const std::uint16_t y : scratch) pool.release(y);
    pool.release(x);
    return x;
}

void MarkExisting(const ColumnStore& store, CoverageBitmap* bitmap, const KSubsetRank& rank) {
    if (!bitmap) return;
    bitmap->clear();
    for (std::int32_t p = 1; p <= store.count; ++p) bitmap->markColumn(store.at(p), rank);
}

int FixedIn(const Number* numbers, int size, const FixedFlags& flags) {
    int c = 0;
    for (int i = 0; i < size; ++i) c += flags.flags[numbers[i] - 1];
    return c;
}

} // namespace

std::vector<Number> ForecastList(const ForecastFlags& flags) {
    std::vector<Number> list;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (flags.has(n)) list.push_back(static_cast<Number>(n));
    return list;
}

CoveringRunResult OrthogonalForecastSearch(const ForecastCoveringInput& input, ColumnStore& store,
                                           MessageService& messages, CoveringWorkspace& work,
                                           OperationHost& host) {
    CoveringRunResult result;
    const int n = static_cast<int>(input.forecast.size());
    const int k = input.k;
    OrthogonalState st{input, {}, KSubsetRank(k), {}};
    for (const Number x : input.forecast) st.forecastMask.add(x);
    CandidatePool& pool = work.pool;
    pool.clear();
    MarkExisting(store, work.bitmap, st.rank);
    CoveringPacer pacer(host, store);
    const std::int64_t total = std::max<std::int64_t>(1, Binomial(n, k));

    int idx[5];
    for (int j = 0; j < k; ++j) idx[j] = j;
    Column entry{};
    int slot = 1;
    std::int64_t c = 0;
    bool more = n >= k;
    while (more) {
        ++c;
        for (int j = 0; j < k; ++j) entry[j] = input.forecast[idx[j]];
        const bool skip =
            (input.considerFixed && FixedIn(entry.n.data(), k, input.fixedFlags) < input.fixedCount) ||
            (work.bitmap && work.bitmap->test(st.rank.rank(entry.n.data())));
        if (!skip) {
            pool.insert(slot, entry, k - 1);
            slot = pool.lowestFree();
            if (slot == 0) {
                slot = EmitOrthogonal(st, store, result.added, messages, work, true);
                if (slot == 0) return {OperationOutcome::GrowthFailed, result.added};
            }
        }
        if (pacer.step((c * 95 * 2 + total) / (2 * total), result.added))
            return {OperationOutcome::Interrupted, result.added};

        int j = k - 1;
        while (j >= 0 && idx[j] == n - k + j) --j;
        if (j < 0) {
            more = false;
        } else {
            ++idx[j];
            for (int m = j + 1; m < k; ++m) idx[m] = idx[m - 1] + 1;
        }
    }
    const std::int64_t last = (c * 95 * 2 + total) / (2 * total);
    while (!pool.empty()) {
        if (pacer.checkpoint(last, result.added)) return {OperationOutcome::Interrupted, result.added};
        if (EmitOrthogonal(st, store, result.added, messages, work, false) == 0)
            return {OperationOutcome::GrowthFailed, result.added};
    }
    if (result.added == 0) result.outcome = OperationOutcome::NothingAdded;
    return result;
}

CoveringRunResult GuaranteeForecastSearch(const ForecastCoveringInput& input, ColumnStore& store,
                                          MessageService& messages, CoveringWorkspace& work,
                                          OperationHost& host) {
    CoveringRunResult result;
    const int n = static_cast<int>(input.forecast.size());
    const KSubsetRank rank(input.k);
    CandidatePool& pool = work.pool;
    pool.clear();
    MarkExisting(store, work.bitmap, rank);
    CoveringPacer pacer(host, store);
    std::vector<std::uint16_t> scratch;
    scratch.reserve(CandidatePool::kSlots);

    int idx[6] = {0, 1, 2, 3, 4, 5};
    Column column{};
    int slot = 1;
    std::int64_t c = 0;
    bool more = n >= kColumnSize;
    while (more) {
        ++c;
        for (int j = 0; j < kColumnSize; ++j) column[j] = input.forecast[idx[j]];
        const bool skip =
            (input.considerFixed && !RespectsFixed(column, input.fixedFlags, input.fixedCount)) ||
            (work.bitmap && work.bitmap->anyMarked(column, rank));
        if (!skip) {
            pool.insert(slot, column, input.k);
            slot = pool.lowestFree();
            if (slot == 0) {
                slot = EmitGuarantee(rank, store, result.added, messages, work, true, scratch);
                if (slot == 0) return {OperationOutcome::GrowthFailed, result.added};
            }
        }
        if (pacer.step(c - 1, result.added)) return {OperationOutcome::Interrupted, result.added};

        int j = kColumnSize - 1;
        while (j >= 0 && idx[j] == n - kColumnSize + j) --j;
        if (j < 0) {
            more = false;
        } else {
            ++idx[j];
            for (int m = j + 1; m < kColumnSize; ++m) idx[m] = idx[m - 1] + 1;
        }
    }
    while (!pool.empty()) {
        if (pacer.checkpoint(c - 1, result.added)) return {OperationOutcome::Interrupted, result.added};
        if (EmitGuarantee(rank, store, result.added, messages, work, false, scratch) == 0)
            return {OperationOutcome::GrowthFailed, result.added};
    }
    if (result.added == 0) result.outcome = OperationOutcome::NothingAdded;
    return result;
}
