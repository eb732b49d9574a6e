#pragma once

#include "core/Globali.h"
#include "reductions/mathematical/forecast_covering.h"
#include "reductions/mathematical/immediate_reducer_file.h"
#include "shell/integral_development.h"
#include "shell/operation_host.h"

#include <cstdint>
#include <string>

// The two reductions of the forecast share everything but the neighbourhood and the output rule.
enum class CoveringKind { Orthogonal, Guarantee };

struct ForecastReductionRequest {
    CoveringKind kind = CoveringKind::Orthogonal;
    int k = 3;
    bool considerFixed = false;
    bool allowImmediate = true; // false forces the covering search
};

struct ForecastReductionResult {
    OperationOutcome outcome = OperationOutcome::Completed;
    std::int32_t added = 0;
    bool immediate = false;       // the table was used instead of the search
    bool damagedTable = false;    // the table was unusable: nothing appended, the window closes
    bool openInstallPage = false; // the user asked for the page where the tables are reinstalled

    // A completed run that added columns and a damaged table both close the window.
    bool closesWindow() const {
        return damagedTable || (outcome == OperationOutcome::Completed && added > 0);
    }
};

// The immediate-reducer file of a kind, in the program folder.
std::string ImmediateFilePath(const Directories& dirs, CoveringKind kind);

// The label rule of the covering windows.
struct ReductionLabels {
    std::string estimate; // Label3
    std::string type;     // Label4
};
ReductionLabels ForecastReductionLabels(const Globali& g, CoveringKind kind, int k, bool considerFixed);

// "Avvia": undo snapshot, immediate table or covering search, then the building commit (count +=
// added, results invalidated) or the run's message. The caller enters and leaves the running state.
ForecastReductionResult RunForecastReduction(Globali& g, const ForecastReductionRequest& request,
                                             CoverageBitmap* bitmap, CandidatePool& pool,
                                             OperationHost& host);

// Reads a table onto the forecast, appending past the count the columns not yet listed.
struct ImmediatePathResult {
    OperationOutcome outcome = OperationOutcome::Completed;
    std::int32_t added = 0;
    bool damaged = false;
};
ImmediatePathResult RunImmediatePath(const std::string& path, const ImmediateEntry& entry,
                                     const std::vector<Number>& forecast, ColumnStore& store,
                                     MessageService& messages, OperationHost& host);

inline constexpr const char* kDamagedTableText = "Il file contenente i riduttori immediati risulta "
                                                 "danneggiato. Si consiglia di reinstallare il software o "
                                                 "i riduttori immediati.";
inline constexpr const char* kDamagedTableTitle = "Errore fatale";
inline constexpr const char* kOpenInstallPageText =
    "Vuoi aprire la pagina web del sito di CAROVELA SUPERENALOTTO dedicata all'installazione dei riduttori "
    "immediati ?";
inline constexpr const char* kInstallPagePath = "superenalotto/riduttori_immediati/index.php";
inline constexpr const char* kEstimateUnknownText = "Nº stimato di colonne: non disponibile";
inline constexpr const char* kEstimateText = "Nº stimato di colonne: ";
inline constexpr const char* kTypeSearchText = "Tipo di riduzione: non immediata";
inline constexpr const char* kTypeImmediateText = "Tipo di riduzione: immediata";
inline constexpr const char* kTypeFixedText = "Tipo di riduzione: non immediata (controllo fisse)";
