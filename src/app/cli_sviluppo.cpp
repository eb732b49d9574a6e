// sestavia-cli sviluppo: the integral development of a forecast written to a text file of columns.
#include "app/cli_commands.h"
#include "app/cli_support.h"

#include "core/Globali.h"
#include "core/column_text.h"
#include "core/system_file.h"
#include "shell/column_export.h"
#include "shell/fixed_numbers_rules.h"
#include "shell/integral_development.h"
#include "shell/long_operation.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>

namespace {

struct Options {
    std::optional<std::string> forecast;
    std::optional<std::string> fixed;
    bool considerFixed = false;
    std::optional<std::string> output;
};

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "%s\nUso: sestavia-cli sviluppo --pronostico \"1 2 3 ...\" [--fisse \"...\"] "
                 "[--considera-fisse] --uscita colonne.txt\n",
                 problem);
    return 2;
}

// Fills `options`; on a bad command line returns the reason.
const char* ParseOptions(std::span<const std::string_view> args, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--considera-fisse") {
            options.considerFixed = true;
        } else if (a == "--pronostico" || a == "--fisse" || a == "--uscita") {
            if (!hasValue) return "Manca il valore di un'opzione.";
            std::string value(args[++i]);
            if (a == "--pronostico") options.forecast = value;
            if (a == "--fisse") options.fixed = value;
            if (a == "--uscita") options.output = value;
        } else {
            return "Opzione sconosciuta.";
        }
    }
    if (!options.forecast) return "Manca il pronostico (--pronostico).";
    if (!options.output) return "Manca il file di uscita (--uscita).";
    return nullptr;
}

// The fixed numbers as the five fields of the main window would hold them: one per field, in the
// order given. More than five is refused as the sixth field would be.
bool FixedFields(const std::string& text, FixedFieldTexts& fields) {
    std::istringstream in(text);
    std::string token;
    std::size_t k = 0;
    while (in >> token) {
        if (k == fields.size()) return false;
        fields[k++] = token;
    }
    return true;
}

bool IsSystemFileName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string suffix = path.substr(path.size() - 4);
    for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return suffix == ".sxv";
}

} // namespace

int RunSviluppo(std::span<const std::string_view> args) {
    Options options;
    if (const char* problem = ParseOptions(args, options)) return Usage(problem);

    TerminalMessages messages;
    SteadyClock clock;
    Globali g(messages, clock);
    NewSystem(g, {}); // a system of its own, with the built-in defaults, in case it is saved

    if (ParseNumberList(*options.forecast, g.system.forecast.flags) == 0) {
        messages.warning("Il pronostico indicato non è valido: servono numeri distinti da 1 a 90.");
        return 1;
    }
    FixedFieldTexts fields;
    if (options.fixed && !FixedFields(*options.fixed, fields)) {
        messages.warning(kFixedInvalidText);
        return 1;
    }
    if (!RequireForecast(6, fields, g.system.forecast, g.system.fixed, messages)) return 1;

    RunningState state;
    RunningStateHost host(state, messages, clock); // nobody presses a stop button here
    state.enter();
    const OperationOutcome outcome = DevelopForecast(g, host, options.considerFixed);
    state.leave();
    if (outcome == OperationOutcome::NothingAdded) messages.warning(kNothingAddedText);
    if (outcome != OperationOutcome::Completed) return 1;

    if (IsSystemFileName(*options.output)) {
        // A system file keeps the forecast and the fixed numbers with the columns.
        g.system.currentPath = *options.output;
        if (!SaveSystem(g)) {
            messages.error(kSaveFailedText);
            return 1;
        }
    } else if (ExportColumnsToText(g.system.columns, *options.output, host) != ExportOutcome::Completed) {
        messages.error(kExportFailedText);
        return 1;
    }
    std::printf("Colonne sviluppate: %d\n", g.system.columns.count);
    return 0;
}
