// sestavia-cli spoglio: the columns of a system checked against a winning column.
#include "app/cli_commands.h"
#include "app/cli_support.h"

#include "checking/draw_check.h"
#include "core/Globali.h"
#include "core/column_text.h"
#include "core/system_file.h"

#include <cstdio>
#include <string>

int RunSpoglioCommand(std::span<const std::string_view> args) {
    std::string path, column, jolly;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--colonna" && hasValue)
            column = args[++i];
        else if (args[i] == "--jolly" && hasValue)
            jolly = args[++i];
        else if (path.empty() && !args[i].starts_with("--"))
            path = args[i];
        else {
            std::fprintf(stderr, "Argomento non riconosciuto: %.*s\n", static_cast<int>(args[i].size()),
                         args[i].data());
            return 2;
        }
    }
    if (path.empty() || column.empty() || jolly.empty()) {
        std::fprintf(stderr, "Uso: sestavia-cli spoglio sistema.sxv --colonna \"n1 ... n6\" --jolly J\n");
        return 2;
    }
    // The six numbers as the window reads its six fields.
    std::array<std::string, 6> fields;
    Column parsed;
    if (!ParseColumnLine(column, parsed)) {
        std::fprintf(stderr, "%s\n", "Alcuni numeri della colonna vincente non sono validi.");
        return 2;
    }
    for (int i = 0; i < 6; ++i) fields[static_cast<std::size_t>(i)] = std::to_string(parsed[i]);
    WinningColumn winning;
    if (auto message = ParseWinningColumn(fields, jolly, winning)) {
        std::string text = *message;
        for (char& ch : text)
            if (ch == '\r') ch = '\n';
        std::fprintf(stderr, "%s\n", text.c_str());
        return 2;
    }

    TerminalMessages messages;
    SteadyClock clock;
    Globali g(messages, clock);
    NewSystem(g, {});
    if (!OpenSystem(g, path, {})) return 1;
    TerminalHost host(clock);
    CheckResultList result;
    CheckColumns(g.system.columns, winning, result, host);

    std::printf("Punti\tNº colonne\n");
    for (int category : {0, 1, 2, 3, 4, 5, kScoreFivePlusOne, 6})
        std::printf("%s\t%d\n", ScoreText(category).c_str(),
                    result.counters[static_cast<std::size_t>(category)]);
    std::printf("\nPunti\tColonna\tNº colonna\n");
    for (const auto& e : result.entries)
        std::printf("%s\t%s\t%d\n", ScoreText(e.score).c_str(),
                    FormatColumn(g.system.columns.at(e.position)).c_str(), e.position);
    return 0;
}
