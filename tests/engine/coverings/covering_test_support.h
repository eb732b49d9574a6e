#pragma once

#include "core/column_store.h"
#include "reductions/mathematical/forecast_covering.h"
#include "shell/operation_host.h"

#include "fake_clock.h"
#include "recording_messages.h"

#include <algorithm>
#include <random>
#include <vector>

// A host on a fake clock that moves 1 ms per read; it asks for a stop at the given yield and
// answers the confirmation as told.
class ScriptedHost final : public OperationHost {
public:
    std::int64_t nowMs() override { return clock.nowMs(); }
    void processMessages() override { ++yields; }
    bool stopRequested() override { return stopAtYield > 0 && yields >= stopAtYield && !stopCleared; }
    void clearStopRequest() override { stopCleared = true; }
    bool confirmStop() override {
        ++confirmations;
        return confirm;
    }
    void showProgress(std::int64_t done) override { progress.push_back(done); }
    void showStatus(const std::string& text) override { status = text; }
    void setProgressMaximum(std::int64_t units) override { maximum = units; }

    FakeClock clock{1};
    int yields = 0;
    int stopAtYield = 0; // 0 = never
    bool stopCleared = false;
    bool confirm = true;
    int confirmations = 0;
    std::vector<std::int64_t> progress;
    std::string status;
    std::int64_t maximum = -1;
};

// Keeps the first growth of a test store small (a sixteenth of the program's first block), so that
// the many short runs of a test do not each allocate and clear 32 MiB.
inline void LimitGrowth(ColumnStore& store) {
    store.setAllocationLimit(std::size_t{4} << 20);
}

inline void FillStore(ColumnStore& store, const std::vector<Column>& columns) {
    RecordingMessages messages;
    EnsureCapacity(store, static_cast<std::int64_t>(columns.size()) + 1, messages);
    for (std::size_t i = 0; i < columns.size(); ++i) store.at(static_cast<std::int32_t>(i + 1)) = columns[i];
    store.count = static_cast<std::int32_t>(columns.size());
}

inline std::vector<Column> Appended(const ColumnStore& store, std::int32_t added) {
    std::vector<Column> out;
    for (std::int32_t i = 1; i <= added; ++i) out.push_back(store.at(store.count + i));
    return out;
}

// n distinct numbers of 1..90, ascending.
inline std::vector<Number> RandomForecast(std::mt19937& rng, int n) {
    std::vector<Number> all;
    for (int x = 1; x <= 90; ++x) all.push_back(static_cast<Number>(x));
    std::shuffle(all.begin(), all.end(), rng);
    all.resize(static_cast<std::size_t>(n));
    std::sort(all.begin(), all.end());
    return all;
}

// A column of six numbers drawn from `from` (at least six of them).
inline Column RandomColumnOf(std::mt19937& rng, std::vector<Number> from) {
    std::shuffle(from.begin(), from.end(), rng);
    Column c{};
    for (int i = 0; i < 6; ++i) c[i] = from[static_cast<std::size_t>(i)];
    std::sort(c.n.begin(), c.n.end());
    return c;
}

inline int SharedNumbers(const Column& a, const Column& b) {
    int c = 0;
    for (int i = 0; i < 6; ++i)
        if (std::find(b.n.begin(), b.n.end(), a[i]) != b.n.end()) ++c;
    return c;
}

// Every k-subset of the forecast (holding all fixed numbers when given) lies inside some column.
inline bool EveryKSubsetCovered(const std::vector<Number>& forecast, int k, const std::vector<Number>& fixed,
                                const std::vector<Column>& columns) {
    const int n = static_cast<int>(forecast.size());
    std::vector<int> idx(static_cast<std::size_t>(k));
    for (int j = 0; j < k; ++j) idx[static_cast<std::size_t>(j)] = j;
    for (;;) {
        int fixedIn = 0;
        for (int j : idx)
            if (std::find(fixed.begin(), fixed.end(), forecast[static_cast<std::size_t>(j)]) != fixed.end())
                ++fixedIn;
        if (fixedIn >= static_cast<int>(fixed.size())) {
            bool found = false;
            for (const Column& c : columns) {
                bool all = true;
                for (int j : idx)
                    if (std::find(c.n.begin(), c.n.end(), forecast[static_cast<std::size_t>(j)]) == c.n.end())
                        all = false;
                if (all) {
                    found = true;
                    break;
                }
            }
            if (!found) return false;
        }
        int j = k - 1;
        while (j >= 0 && idx[static_cast<std::size_t>(j)] == n - k + j) --j;
        if (j < 0) return true;
        ++idx[static_cast<std::size_t>(j)];
        for (int m = j + 1; m < k; ++m)
            idx[static_cast<std::size_t>(m)] = idx[static_cast<std::size_t>(m - 1)] + 1;
    }
}

// Every development column (respecting the fixed numbers when given) shares k numbers with a column.
inline bool EveryDevelopmentColumnMet(const std::vector<Number>& forecast, int k,
                                      const std::vector<Number>& fixed, const std::vector<Column>& columns) {
    const int n = static_cast<int>(forecast.size());
    int idx[6] = {0, 1, 2, 3, 4, 5};
    for (;;) {
        Column d{};
        int fixedIn = 0;
        for (int j = 0; j < 6; ++j) {
            d[j] = forecast[static_cast<std::size_t>(idx[j])];
            if (std::find(fixed.begin(), fixed.end(), d[j]) != fixed.end()) ++fixedIn;
        }
        if (fixedIn >= static_cast<int>(fixed.size())) {
            bool found = false;
            for (const Column& c : columns)
                if (SharedNumbers(c, d) >= k) {
                    found = true;
                    break;
                }
            if (!found) return false;
        }
        int j = 5;
        while (j >= 0 && idx[j] == n - 6 + j) --j;
        if (j < 0) return true;
        ++idx[j];
        for (int m = j + 1; m < 6; ++m) idx[m] = idx[m - 1] + 1;
    }
}
