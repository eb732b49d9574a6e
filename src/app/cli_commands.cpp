#include "app/cli_commands.h"

#include "core/version.h"

namespace {

int RunVersione(std::span<const std::string_view>) {
    std::printf("%s %s\n", kProgramName, kProgramVersion);
    return 0;
}

} // namespace

int RunSviluppo(std::span<const std::string_view> args);  // cli_sviluppo.cpp
int RunRiduzione(std::span<const std::string_view> args); // cli_riduzione.cpp

int RunStatistiche(std::span<const std::string_view> args); // cli_archivio.cpp
int RunArchivio(std::span<const std::string_view> args);    // cli_archivio.cpp
int RunAggiorna(std::span<const std::string_view> args);    // cli_aggiorna.cpp

int RunInfo(std::span<const std::string_view> args);           // cli_sistema.cpp
int RunEsporta(std::span<const std::string_view> args);        // cli_sistema.cpp
int RunImporta(std::span<const std::string_view> args);        // cli_sistema.cpp
int RunSpoglioCommand(std::span<const std::string_view> args); // cli_spoglio.cpp

const std::vector<CliCommand>& CliCommands() {
    // Each subsystem adds its subcommands here, one line each.
    static const std::vector<CliCommand> commands{
        {"versione", "", "mostra la versione del programma", RunVersione},
        {"info", "sistema.sxv", "pronostico, fisse, colonne e probabilità di un sistema", RunInfo},
        {"esporta", "sistema.sxv colonne.txt", "esporta le colonne finali di un sistema su file di testo",
         RunEsporta},
        {"importa", "sistema.sxv colonne.txt",
         "aggiunge a un sistema (creato se manca) le colonne di un file di testo", RunImporta},
        {"statistiche", "[--archivio FILE.dbs] [--escludi-jolly-ritardi 0|1] [--estrazioni N] [...]",
         "ritardi, frequenze e probabilità dei numeri, delle cifre e del SuperStar", RunStatistiche},
        {"spoglio", "sistema.sxv --colonna \"n1 ... n6\" --jolly J",
         "spoglio delle colonne di un sistema con una colonna vincente", RunSpoglioCommand},
        {"archivio", "FILE.dbs", "elenca le estrazioni di un archivio storico", RunArchivio},
        {"aggiorna", "[--server URL] [--archivio FILE.dbs]", "aggiorna l'archivio storico da Internet",
         RunAggiorna},
        {"sviluppo", "--pronostico \"1 2 ...\" [--fisse \"...\"] [--considera-fisse] --uscita FILE",
         "sviluppo integrale del pronostico su file di testo", RunSviluppo},
        {"riduzione",
         "ortogonale|garanzia --pronostico \"...\" --punti K [--fisse \"...\"] [--considera-fisse] [--seme "
         "S] [--senza-tabelle] --uscita FILE",
         "riduzione ortogonale o a garanzia del pronostico su file di testo", RunRiduzione},
    };
    return commands;
}

void PrintCliHelp(std::FILE* out) {
    std::fprintf(out, "Uso: sestavia-cli <comando> [argomenti]\n\nComandi:\n");
    for (const auto& c : CliCommands())
        std::fprintf(out, "  %-12.*s %.*s\n      %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                     static_cast<int>(c.usage.size()), c.usage.data(), static_cast<int>(c.description.size()),
                     c.description.data());
    std::fprintf(out, "  %-12s mostra questo aiuto\n", "--help");
}
