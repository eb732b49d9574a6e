// sestavia-cli riduzione: the orthogonal or guarantee reduction of a forecast, as the two windows
// run it (immediate table when one fits, covering search otherwise), written to a text file.
#include "app/cli_commands.h"
#include "app/cli_support.h"

#include "core/Globali.h"
#include "core/column_text.h"
#include "reductions/mathematical/forecast_reduction.h"
#include "shell/fixed_numbers_rules.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

struct Options {
    std::optional<CoveringKind> kind;
    std::optional<std::string> forecast, fixed, output, seed, score, tables;
    bool considerFixed = false;
    bool noTables = false;
};

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "%s\nUso: sestavia-cli riduzione ortogonale|garanzia --pronostico \"1 2 3 ...\" --punti K "
                 "[--fisse \"...\"] [--considera-fisse] [--seme S] [--senza-tabelle] [--tabelle CARTELLA] "
                 "--uscita colonne.txt\n",
                 problem);
    return 2;
}

const char* ParseOptions(std::span<const std::string_view> args, Options& o) {
    if (args.empty()) return "Manca il tipo di riduzione.";
    if (args[0] == "ortogonale")
        o.kind = CoveringKind::Orthogonal;
    else if (args[0] == "garanzia")
        o.kind = CoveringKind::Guarantee;
    else
        return "Il tipo di riduzione è ortogonale o garanzia.";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a == "--considera-fisse") {
            o.considerFixed = true;
            continue;
        }
        if (a == "--senza-tabelle") {
            o.noTables = true;
            continue;
        }
        std::optional<std::string>* target = a == "--pronostico" ? &o.forecast
                                             : a == "--fisse"    ? &o.fixed
                                             : a == "--uscita"   ? &o.output
                                             : a == "--seme"     ? &o.seed
                                             : a == "--punti"    ? &o.score
                                             : a == "--tabelle"  ? &o.tables
                                                                 : nullptr;
        if (!target) return "Opzione sconosciuta.";
        if (i + 1 >= args.size()) return "Manca il valore di un'opzione.";
        *target = std::string(args[++i]);
    }
    if (!o.forecast) return "Manca il pronostico (--pronostico).";
    if (!o.score) return "Mancano i punti garantiti (--punti).";
    if (!o.output) return "Manca il file di uscita (--uscita).";
    return nullptr;
}

bool ParseUnsigned(const std::string& text, unsigned long long max, unsigned long long& value) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoull(text);
    return value <= max;
}

// The tables sit next to the program, as in the window.
std::string ProgramFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "";
    return self.parent_path().string() + "/";
}

bool WriteColumns(const ColumnStore& store, const std::string& path) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (std::int32_t p = 1; p <= store.count && out; ++p) {
            const Column& c = store.at(p);
            for (int i = 0; i < kColumnSize; ++i) out << (i ? " " : "") << static_cast<int>(c[i]);
            out << "\r\n";
        }
        if (!out.flush()) {
            std::filesystem::remove(temp);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

} // namespace

int RunRiduzione(std::span<const std::string_view> args) {
    Options o;
    if (const char* problem = ParseOptions(args, o)) return Usage(problem);

    TerminalMessages messages(true); // never open a web page from the terminal
    SteadyClock clock;
    Globali g(messages, clock);
    unsigned long long k = 0, seed = 0;
    if (!ParseUnsigned(*o.score, 5, k) || k < 2) return Usage("I punti garantiti vanno da 2 a 5.");
    if (o.seed && !ParseUnsigned(*o.seed, 0xFFFFFFFFull, seed))
        return Usage("Il seme è un intero da 0 a 4294967295.");
    if (o.seed) g.random.seed(static_cast<std::uint32_t>(seed));

    if (ParseNumberList(*o.forecast, g.system.forecast.flags) == 0) {
        messages.warning("Il pronostico indicato non è valido: servono numeri distinti da 1 a 90.");
        return 1;
    }
    // The fixed numbers as the five fields of the main window would hold them, one per field.
    FixedFieldTexts fields;
    if (o.fixed) {
        std::istringstream in(*o.fixed);
        std::string token;
        std::size_t used = 0;
        while (in >> token) {
            if (used == fields.size()) {
                messages.warning(kFixedInvalidText);
                return 1;
            }
            fields[used++] = token;
        }
    }
    if (!RequireForecast(7, fields, g.system.forecast, g.system.fixed, messages)) return 1;
    g.dirs.appDir = o.tables ? *o.tables + "/" : ProgramFolder();

    auto bitmap = CoverageBitmap::tryCreate();
    CandidatePool pool;
    TerminalHost host(clock);
    const ForecastReductionRequest request{*o.kind, static_cast<int>(k), o.considerFixed, !o.noTables};
    const ForecastReductionResult result = RunForecastReduction(g, request, bitmap.get(), pool, host);
    if (result.outcome != OperationOutcome::Completed) return 1;
    if (!WriteColumns(g.system.columns, *o.output)) {
        messages.error("Si è verificato un errore durante la scrittura del file.");
        return 1;
    }
    std::printf("Colonne: %d (%s)\n", g.system.columns.count,
                result.immediate ? "riduzione immediata" : "calcolata");
    return 0;
}
