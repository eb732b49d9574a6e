// sestavia-cli info, esporta, importa: a system file read, its columns written to text, text
// columns added to a system file.
#include "app/cli_commands.h"
#include "app/cli_support.h"

#include "core/Globali.h"
#include "core/number_format.h"
#include "core/system_file.h"
#include "shell/column_export.h"
#include "shell/column_import.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct Session {
    TerminalMessages messages;
    SteadyClock clock;
    Globali g{messages, clock};
    TerminalHost host{clock};

    // Defaults files are not read: the command line works on the file it is given only.
    Session() { NewSystem(g, {}); }

    bool open(const std::string& path) { return OpenSystem(g, path, {}); }
};

std::string Probability(double percent) {
    return percent < 0 ? "non calcolata" : FormatPercent(percent, 4) + " %";
}

int Usage(const char* usage) {
    std::fprintf(stderr, "Uso: sestavia-cli %s\n", usage);
    return 2;
}

} // namespace

int RunInfo(std::span<const std::string_view> args) {
    if (args.size() != 1) return Usage("info sistema.sxv");
    Session s;
    if (!s.open(std::string(args[0]))) return 1;
    const SystemState& sys = s.g.system;
    std::string forecast;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (sys.forecast.has(n)) {
            if (!forecast.empty()) forecast += ' ';
            forecast += std::to_string(n);
        }
    std::string fixed;
    for (std::int32_t i = 0; i < sys.fixed.count; ++i) {
        if (!fixed.empty()) fixed += ' ';
        fixed += std::to_string(sys.fixed.numbers[static_cast<std::size_t>(i)]);
    }
    std::printf("Pronostico (%d numeri): %s\n", sys.forecast.count(), forecast.c_str());
    std::printf("Numeri fissi (%d): %s\n", sys.fixed.count, fixed.c_str());
    std::printf("Colonne finali: %d\n", sys.columns.count);
    std::printf("Probabilità relativa di vincita: %s\n", Probability(sys.relativeWinProbability).c_str());
    std::printf("Probabilità assoluta di vincita: %s\n", Probability(sys.absoluteWinProbability).c_str());
    return 0;
}

int RunEsporta(std::span<const std::string_view> args) {
    if (args.size() != 2) return Usage("esporta sistema.sxv colonne.txt");
    Session s;
    if (!s.open(std::string(args[0]))) return 1;
    if (s.g.system.columns.count < 1) {
        s.messages.warning(kNothingToExportText);
        return 1;
    }
    if (ExportFinalColumns(s.g, std::string(args[1]), s.host) != ExportOutcome::Completed) return 1;
    std::printf("Colonne esportate: %d\n", s.g.system.columns.count);
    return 0;
}

int RunImporta(std::span<const std::string_view> args) {
    if (args.size() != 2) return Usage("importa sistema.sxv colonne.txt");
    const std::string system(args[0]);
    Session s;
    std::error_code ec;
    if (std::filesystem::exists(system, ec)) {
        if (!s.open(system)) return 1;
    } else {
        s.g.system.currentPath = system;
    }
    const std::int32_t before = s.g.system.columns.count;
    const ImportOutcome outcome = ImportColumns(s.g, ImportSource::Text, std::string(args[1]), s.host);
    if (outcome == ImportOutcome::CannotOpen) {
        s.messages.error("Impossibile aprire il file " + std::string(args[1]) + ".");
        return 1;
    }
    if (outcome != ImportOutcome::Added && outcome != ImportOutcome::NothingFound) return 1;
    if (outcome == ImportOutcome::Added || !std::filesystem::exists(system, ec)) {
        if (!SaveSystem(s.g)) {
            s.messages.error(kSaveFailedText);
            return 1;
        }
    }
    std::printf("Colonne aggiunte: %d (totale %d)\n", s.g.system.columns.count - before,
                s.g.system.columns.count);
    return 0;
}
