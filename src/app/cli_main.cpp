// The headless front end: the engine's operations from the command line, for scripts and timing.
#include "app/cli_commands.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto& commands = CliCommands();
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "aiuto") {
        PrintCliHelp(stdout);
        return args.empty() ? 2 : 0;
    }
    for (const auto& command : commands)
        if (args[0] == command.name) return command.run({args.begin() + 1, args.end()});
    std::fprintf(stderr, "Comando sconosciuto: %.*s\n", static_cast<int>(args[0].size()), args[0].data());
    PrintCliHelp(stderr);
    return 2;
}
