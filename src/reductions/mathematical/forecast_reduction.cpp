#include "reductions/mathematical/forecast_reduction.h"

#include "core/combinatorics.h"

#include <string>

namespace {

constexpr int kMinForecast = 7;
constexpr int kRecordsPerClockRead = 256;

} // namespace

std::string ImmediateFilePath(const Directories& dirs, CoveringKind kind) {
    return dirs.appDir +
           (kind == CoveringKind::Orthogonal ? immediate::kOrthogonalFile : immediate::kGuaranteeFile);
}

ReductionLabels ForecastReductionLabels(const Globali& g, CoveringKind kind, int k, bool considerFixed) {
    ReductionLabels labels{kEstimateUnknownText, kTypeSearchText};
    if (!considerFixed) {
        const ImmediateLookupResult found =
            FindImmediateEntry(ImmediateFilePath(g.dirs, kind), g.system.forecast.count(), k);
        if (found.status == ImmediateLookup::Found) {
            labels.estimate = kEstimateText + std::to_string(found.entry.columns);
            labels.type = kTypeImmediateText;
        }
    }
    if (considerFixed) labels.type = kTypeFixedText;
    return labels;
}

ImmediatePathResult RunImmediatePath(const std::string& path, const ImmediateEntry& entry,
                                     const std::vector<Number>& forecast, ColumnStore& store,
                                     MessageService& messages, OperationHost& host) {
    ImmediatePathResult result;
    host.setProgressMaximum(entry.columns);
    ImmediateTableReader reader;
    if (!reader.open(path, entry)) {
        result.damaged = true;
        return result;
    }
    OperationPacer pacer(host, kCoveringYieldMs, 1);
    std::string status;
    std::uint8_t indices[6];
    Column column{};
    int countdown = kRecordsPerClockRead;
    for (std::uint32_t r = 1; r <= entry.columns; ++r) {
        if (!reader.next(indices) || !MapRecordToForecast(indices, forecast, column)) {
            result.damaged = true;
            return result;
        }
        if (FindColumn(store, column) == 0) {
            const std::int64_t slot = static_cast<std::int64_t>(store.count) + result.added + 1;
            if (store.capacity() < slot && !EnsureCapacity(store, slot, messages)) {
                result.outcome = OperationOutcome::GrowthFailed;
                return result;
            }
            store.at(static_cast<std::int32_t>(slot)) = column;
            ++result.added;
        }
        if (--countdown == 0) {
            countdown = kRecordsPerClockRead;
            status =
                kColumnCountStatus + std::to_string(static_cast<std::int64_t>(store.count) + result.added);
            if (pacer.checkpoint(r, &status)) {
                result.outcome = OperationOutcome::Interrupted;
                return result;
            }
        }
    }
    if (reader.runningSum() != entry.checksum) {
        result.damaged = true;
        return result;
    }
    if (result.added == 0) result.outcome = OperationOutcome::NothingAdded;
    return result;
}

ForecastReductionResult RunForecastReduction(Globali& g, const ForecastReductionRequest& request,
                                             CoverageBitmap* bitmap, CandidatePool& pool,
                                             OperationHost& host) {
    ForecastReductionResult result;
    SystemState& sys = g.system;
    ColumnStore& store = sys.columns;
    ForecastCoveringInput input;
    input.forecast = ForecastList(sys.forecast);
    input.k = request.k;
    input.considerFixed = request.considerFixed && sys.fixed.count > 0;
    const int n = static_cast<int>(input.forecast.size());
    if (n < kMinForecast || request.k < 2 || request.k > 5) {
        // The menu command refuses such a forecast before the window opens; the engine must still
        // never start a search that could not complete its columns.
        g.messages.warning(
            std::string("Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno ") +
            std::to_string(kMinForecast) + " numeri.");
        result.outcome = OperationOutcome::Interrupted;
        return result;
    }
    if (input.considerFixed) {
        g.fixedFlags = BuildFixedFlags(sys.fixed);
        input.fixedFlags = g.fixedFlags;
        input.fixedCount = sys.fixed.count;
    }
    if (store.count > 0) SaveUndoSnapshot(g.undo, store);

    const std::string path = ImmediateFilePath(g.dirs, request.kind);
    ImmediateLookupResult found;
    if (!input.considerFixed && request.allowImmediate) found = FindImmediateEntry(path, n, request.k);

    if (found.status == ImmediateLookup::Found || found.status == ImmediateLookup::Damaged) {
        result.immediate = true;
        ImmediatePathResult immediate;
        if (found.status == ImmediateLookup::Found)
            immediate = RunImmediatePath(path, found.entry, input.forecast, store, g.messages, host);
        else
            immediate.damaged = true;
        result.outcome = immediate.outcome;
        result.added = immediate.added;
        if (immediate.damaged) {
            // Nothing reaches the list, and the modified flag keeps its value: clearing it would let
            // unsaved work be closed without the save question.
            result.damagedTable = true;
            result.outcome = OperationOutcome::Interrupted;
            result.added = 0;
            g.messages.error(kDamagedTableText, kDamagedTableTitle);
            result.openInstallPage = g.messages.askYesNo(kOpenInstallPageText);
            return result;
        }
    } else {
        CoveringWorkspace work{bitmap, pool, g.random};
        CoveringRunResult run;
        if (request.kind == CoveringKind::Orthogonal) {
            host.setProgressMaximum(100);
            run = OrthogonalForecastSearch(input, store, g.messages, work, host);
        } else {
            host.setProgressMaximum(Combinations6(n));
            run = GuaranteeForecastSearch(input, store, g.messages, work, host);
        }
        result.outcome = run.outcome;
        result.added = run.added;
    }

    switch (result.outcome) {
    case OperationOutcome::Completed:
        store.count += result.added;
        sys.invalidateResults();
        break;
    case OperationOutcome::NothingAdded:
        g.messages.warning(kNothingAddedText);
        break;
    case OperationOutcome::Interrupted:
    case OperationOutcome::GrowthFailed:
        result.added = 0;
        break;
    }
    return result;
}
