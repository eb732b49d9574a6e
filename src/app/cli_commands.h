#pragma once

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

struct CliCommand {
    std::string_view name;
    std::string_view usage;       // the arguments, as shown in the help
    std::string_view description; // Italian, one line
    int (*run)(std::span<const std::string_view> args);
};

// Every subcommand, in the order the help lists them.
const std::vector<CliCommand>& CliCommands();
void PrintCliHelp(std::FILE* out);
