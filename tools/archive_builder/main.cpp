// Build-time converter of the shipped data:
//   sestavia-archive-builder archivio DRAWS.tsv OUT.dbs
//   sestavia-archive-builder smorfia SMORFIA.txt OUT.smo
// The archive's 101 filler bytes come from a fixed seed so the same history always gives the
// same file and the build is reproducible.
#include "archive/archive_file.h"
#include "archive/draw_text.h"
#include "archive/smorfia.h"
#include "core/random.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::uint32_t kShippedFillerSeed = 20260523u;

int BuildArchive(const char* in, const char* out) {
    DrawArchive archive;
    const DrawTextResult read = ReadDrawTsv(in, archive);
    if (!read.ok) {
        std::fprintf(stderr, "%s, riga %d: %s\n", in, read.lineNumber, read.error.c_str());
        return 1;
    }
    RandomGenerator random(kShippedFillerSeed);
    if (!saveArchive(archive, out, random)) {
        std::fprintf(stderr, "Impossibile scrivere %s\n", out);
        return 1;
    }
    return 0;
}

// Lines "number<TAB>description" in UTF-8; '#' starts a comment line.
int BuildSmorfia(const char* in, const char* out) {
    std::ifstream text(in, std::ios::binary);
    if (!text) {
        std::fprintf(stderr, "Impossibile aprire %s\n", in);
        return 1;
    }
    std::vector<SmorfiaEntry> entries;
    std::string line;
    int lineNumber = 0;
    while (std::getline(text, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        const std::string description = tab == std::string::npos ? std::string() : line.substr(tab + 1);
        const auto kept = SmorfiaEntriesFromRows({{line.substr(0, tab), description}});
        if (kept.empty() || SmorfiaToCp1252(description).size() > kSmorfiaMaxDescription) {
            std::fprintf(stderr, "%s, riga %d: voce non valida\n", in, lineNumber);
            return 1;
        }
        entries.push_back(kept.front());
    }
    if (!WriteSmorfia(out, entries)) {
        std::fprintf(stderr, "Impossibile scrivere %s\n", out);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::string_view(argv[1]) == "archivio") return BuildArchive(argv[2], argv[3]);
    if (argc == 4 && std::string_view(argv[1]) == "smorfia") return BuildSmorfia(argv[2], argv[3]);
    std::fprintf(stderr, "Uso: sestavia-archive-builder archivio DRAWS.tsv OUT.dbs\n"
                         "     sestavia-archive-builder smorfia SMORFIA.txt OUT.smo\n");
    return 2;
}
