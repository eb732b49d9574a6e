// The archive and its statistics from the command line: "statistiche" and "archivio".
#include "archive/archive_file.h"
#include "archive/statistics.h"
#include "core/global_settings.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

// Where the program keeps the archive on this kind of system: $XDG_DATA_HOME/Sestavia, or
// ~/.local/share/Sestavia.
std::filesystem::path DefaultArchivePath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data && *data) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home ? home : ".") / ".local" / "share";
    }
    return base / "Sestavia" / kArchiveFileName;
}

std::optional<int> ToInt(std::string_view text, int lo, int hi) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v < lo || v > hi) return std::nullopt;
    return v;
}

bool LoadFromFile(const std::filesystem::path& path, DrawArchive& archive) {
    const ArchiveLoadResult r = loadArchive(archive, path);
    if (!r.read) {
        std::fprintf(stderr, "Impossibile leggere l'archivio %s\n", path.string().c_str());
        return false;
    }
    if (r.skipped > 0)
        std::fprintf(stderr, "Attenzione: %d estrazioni danneggiate ignorate in %s\n", r.skipped,
                     path.string().c_str());
    return true;
}

struct IntOption {
    std::string_view name;
    int lo, hi;
    void (*apply)(GlobalSettings&, int);
};

const IntOption kIntOptions[] = {
    {"--escludi-jolly-ritardi", 0, 1,
     [](GlobalSettings& s, int v) { s.irEscludiJolly = static_cast<std::uint8_t>(v); }},
    {"--escludi-superstar-ritardi", 0, 1,
     [](GlobalSettings& s, int v) { s.irEscludiSuperStar = static_cast<std::uint8_t>(v); }},
    {"--escludi-jolly-frequenze", 0, 1,
     [](GlobalSettings& s, int v) { s.ifEscludiJolly = static_cast<std::uint8_t>(v); }},
    {"--escludi-superstar-frequenze", 0, 1,
     [](GlobalSettings& s, int v) { s.ifEscludiSuperStar = static_cast<std::uint8_t>(v); }},
    {"--estrazioni", 1, 1000000, [](GlobalSettings& s, int v) { s.ifNumEstra = v; }},
    {"--usa-ritardi", 0, 1, [](GlobalSettings& s, int v) { s.ipUsaRit = v != 0; }},
    {"--criterio-ritardi", 0, 2, [](GlobalSettings& s, int v) { s.ipMCPR = static_cast<std::uint8_t>(v); }},
    {"--usa-frequenze", 0, 1, [](GlobalSettings& s, int v) { s.ipUsaFre = v != 0; }},
    {"--criterio-frequenze", 0, 2, [](GlobalSettings& s, int v) { s.ipMCPF = static_cast<std::uint8_t>(v); }},
    {"--peso-ritardi", 0, 100, [](GlobalSettings& s, int v) { s.ipPrMax = v; }},
    {"--peso-frequenze", 0, 100, [](GlobalSettings& s, int v) { s.ipPfMax = v; }},
};

} // namespace

int RunStatistiche(std::span<const std::string_view> args) {
    GlobalSettings s;
    std::filesystem::path path = DefaultArchivePath();
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "Manca il valore di %.*s\n", static_cast<int>(args[i].size()),
                         args[i].data());
            return 2;
        }
        if (args[i] == "--archivio") {
            path = std::string(args[i + 1]);
            continue;
        }
        const IntOption* option = nullptr;
        for (const IntOption& o : kIntOptions)
            if (o.name == args[i]) option = &o;
        const auto value = option ? ToInt(args[i + 1], option->lo, option->hi) : std::nullopt;
        if (!value) {
            std::fprintf(stderr, "Opzione non valida: %.*s %.*s\n", static_cast<int>(args[i].size()),
                         args[i].data(), static_cast<int>(args[i + 1].size()), args[i + 1].data());
            return 2;
        }
        option->apply(s, *value);
    }
    DrawArchive archive;
    if (!LoadFromFile(path, archive)) return 1;

    StatisticsArrays st;
    recomputeStatistics(archive, s, st);
    const NumberSummaries delays = computeDelaySummaries(archive, s);
    const NumberSummaries freqs = computeFrequencySummaries(archive, s);
    std::printf("# numero\tritardo\tfrequenza\tprobabilita\tritardo_min\tritardo_medio\tritardo_max"
                "\tfrequenza_min\tfrequenza_media\tfrequenza_max\n");
    for (int n = 1; n <= 90; ++n)
        std::printf("%d\t%d\t%d\t%.17g\t%d\t%d\t%d\t%d\t%d\t%d\n", n, st.NumberDelay[n],
                    st.NumberFrequency[n], st.NumberProbability[n], delays[n].minimum, delays[n].average,
                    delays[n].maximum, freqs[n].minimum, freqs[n].average, freqs[n].maximum);
    std::printf("# cifra\tritardo\tfrequenza\n");
    for (int d = 0; d < 10; ++d) std::printf("%d\t%d\t%d\n", d, st.DelayByDigit[d], st.FrequencyByDigit[d]);
    std::printf("# superstar\tritardo\tfrequenza\n");
    for (int n = 1; n <= 90; ++n)
        std::printf("%d\t%d\t%d\n", n, st.SuperStarDelay[n], st.SuperStarFrequency[n]);
    return 0;
}

int RunArchivio(std::span<const std::string_view> args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "Uso: sestavia-cli archivio FILE.dbs\n");
        return 2;
    }
    DrawArchive archive;
    if (!LoadFromFile(std::string(args[0]), archive)) return 1;
    for (const DrawRecord& r : archive.records())
        std::printf("%s\t%u\t%u %u %u %u %u %u\t%u\t%u\n", FormatDrawDate(r).c_str(), unsigned{r.concorso},
                    unsigned{r.numbers[0]}, unsigned{r.numbers[1]}, unsigned{r.numbers[2]},
                    unsigned{r.numbers[3]}, unsigned{r.numbers[4]}, unsigned{r.numbers[5]}, unsigned{r.jolly},
                    unsigned{r.superStar});
    return 0;
}
