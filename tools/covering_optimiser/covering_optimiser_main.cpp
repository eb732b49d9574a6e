// Searches a small covering for one immediate-reducer table and writes it as text, one column per
// line. Run by hand or by scripts when the shipped tables are refreshed.

#include "reductions/mathematical/covering_optimiser.h"
#include "reductions/mathematical/orbit_covering.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>

namespace {

void Usage() {
    std::cerr
        << "uso: sestavia-covering-optimiser orto|gara v t secondi seme thread file [obiettivo [pazienza]]\n"
           "       [--inizio file] [--estratti p] [--metodo ricottura|pesi|tabu]\n"
           "  orto: ogni t-insieme di 1..v in una colonna; gara: ogni sestina di 1..v con\n"
           "  almeno t numeri in comune con una colonna. Con obiettivo la ricerca si ferma\n"
           "  appena trova una copertura di non piu' di tante colonne; con pazienza dopo tanti\n"
           "  secondi senza miglioramenti; con --inizio parte dalle colonne del file; con\n"
           "  --estratti (solo gara) le estrazioni hanno p numeri invece di 6; --metodo sceglie\n"
           "  la ricerca (di norma ricottura per orto, pesi per gara).\n"
           "     sestavia-covering-optimiser orbite orto|gara v t secondi seme file [obiettivo]\n"
           "       [--gruppo permutazione ...] [--inizio file] [--estratti p]\n"
           "  orbite: copertura che le permutazioni date (\"(1 2 3)(4 5)\" oppure lunghezze di\n"
           "  cicli consecutivi \"7+7\") trasformano in se stessa; con --inizio parte dalle\n"
           "  orbite delle colonne del file.\n";
}

bool ParseInt(const char* text, long min, long max, long& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < min || value > max) return false;
    out = value;
    return true;
}

// A covering to start from: same text as the output, one column per line.
bool ReadColumns(const std::string& path, std::vector<CoveringColumn>& columns) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
        std::istringstream fields(line);
        CoveringColumn c{};
        long n = 0;
        for (auto& slot : c) {
            if (!(fields >> n) || n < 1 || n > 64) return false;
            slot = static_cast<std::uint8_t>(n);
        }
        columns.push_back(c);
    }
    return true;
}

// Written beside the destination and renamed, so an interrupted run never leaves half a table.
bool WriteColumns(const std::string& path, const std::vector<CoveringColumn>& columns) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (const auto& c : columns) {
            for (int i = 0; i < 6; ++i) out << (i ? " " : "") << static_cast<int>(c[i]);
            out << '\n';
        }
        out.flush();
        if (!out) return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

int RunOrbitSearch(int argc, char** argv) {
    OrbitCoveringRequest request;
    std::vector<std::string> groups;
    std::string startFile;
    long drawn = 6;
    while (argc > 2) {
        const std::string option = argv[argc - 2];
        if (option == "--gruppo") {
            groups.insert(groups.begin(), argv[argc - 1]);
        } else if (option == "--inizio") {
            startFile = argv[argc - 1];
        } else if (option == "--estratti") {
            if (!ParseInt(argv[argc - 1], 2, 6, drawn)) return Usage(), 2;
        } else {
            break;
        }
        argc -= 2;
    }
    if (argc < 8 || argc > 9) return Usage(), 2;
    const std::string kind = argv[2];
    if (kind != "orto" && kind != "gara") return Usage(), 2;
    request.kind = kind == "orto" ? CoveringKind::Orthogonal : CoveringKind::Guarantee;
    long v = 0, t = 0, seconds = 0, seed = 0, target = 0;
    if (!ParseInt(argv[3], 7, 32, v) || !ParseInt(argv[4], 2, 5, t) ||
        !ParseInt(argv[5], 0, 1000000, seconds) || !ParseInt(argv[6], 0, 4294967295L, seed) ||
        (argc == 9 && !ParseInt(argv[8], 0, 100000000, target)))
        return Usage(), 2;
    request.v = static_cast<int>(v);
    request.t = static_cast<int>(t);
    request.drawn = static_cast<int>(drawn);
    request.seconds = static_cast<double>(seconds);
    request.seed = static_cast<std::uint32_t>(seed);
    request.target = static_cast<int>(target);
    for (const auto& text : groups) {
        std::vector<int> image;
        if (!ParseGenerator(text, request.v, image)) {
            std::cerr << "permutazione non valida: " << text << "\n";
            return 2;
        }
        request.generators.push_back(image);
    }
    if (!startFile.empty() && !ReadColumns(startFile, request.start)) {
        std::cerr << "copertura iniziale illeggibile: " << startFile << "\n";
        return 1;
    }
    try {
        const OrbitCoveringResult result = SearchInvariantCovering(request);
        if (!WriteColumns(argv[7], result.columns)) {
            std::cerr << "impossibile scrivere " << argv[7] << "\n";
            return 1;
        }
        std::cout << "orbite " << kind << " v=" << v << " t=" << t << " size " << result.columns.size()
                  << " greedy " << result.greedySize << " seconds " << std::fixed << std::setprecision(1)
                  << result.seconds << " steps " << result.steps << " item-orbits " << result.itemOrbits
                  << " column-orbits " << result.columnOrbits << "\n";
    } catch (const std::exception& e) {
        std::cerr << "errore: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "orbite") return RunOrbitSearch(argc, argv);
    std::string startFile;
    long drawn = 6;
    CoveringMethod method = CoveringMethod::Automatic;
    // Options come after the positional arguments, in any order.
    while (argc > 2) {
        const std::string option = argv[argc - 2];
        const std::string value = argv[argc - 1];
        if (option == "--inizio") {
            startFile = value;
        } else if (option == "--metodo") {
            if (value == "ricottura")
                method = CoveringMethod::Annealing;
            else if (value == "pesi")
                method = CoveringMethod::Breakout;
            else if (value == "tabu")
                method = CoveringMethod::Tabu;
            else
                return Usage(), 2;
        } else if (option == "--estratti") {
            if (!ParseInt(argv[argc - 1], 2, 6, drawn)) {
                Usage();
                return 2;
            }
        } else {
            break;
        }
        argc -= 2;
    }
    if (argc < 8 || argc > 10) {
        Usage();
        return 2;
    }
    CoveringRequest request;
    const std::string kind = argv[1];
    if (kind == "orto")
        request.kind = CoveringKind::Orthogonal;
    else if (kind == "gara")
        request.kind = CoveringKind::Guarantee;
    else {
        Usage();
        return 2;
    }
    long v = 0, t = 0, seconds = 0, seed = 0, threads = 0, target = 0, patience = 0;
    if (!ParseInt(argv[2], 7, 64, v) || !ParseInt(argv[3], 2, 5, t) ||
        !ParseInt(argv[4], 0, 1000000, seconds) || !ParseInt(argv[5], 0, 4294967295L, seed) ||
        !ParseInt(argv[6], 1, 64, threads) || (argc >= 9 && !ParseInt(argv[8], 0, 100000000, target)) ||
        (argc == 10 && !ParseInt(argv[9], 0, 1000000, patience))) {
        Usage();
        return 2;
    }
    request.v = static_cast<int>(v);
    request.t = static_cast<int>(t);
    request.drawn = static_cast<int>(drawn);
    request.seconds = static_cast<double>(seconds);
    request.seed = static_cast<std::uint32_t>(seed);
    request.threads = static_cast<int>(threads);
    request.target = static_cast<int>(target);
    request.patience = static_cast<double>(patience);
    request.method = method;
    if (!startFile.empty() && !ReadColumns(startFile, request.start)) {
        std::cerr << "copertura iniziale illeggibile: " << startFile << "\n";
        return 1;
    }
    try {
        const CoveringResult result = OptimiseCovering(request);
        if (!WriteColumns(argv[7], result.columns)) {
            std::cerr << "impossibile scrivere " << argv[7] << "\n";
            return 1;
        }
        std::cout << kind << " v=" << v << " t=" << t << " size " << result.columns.size() << " greedy "
                  << result.greedySize << " seconds " << std::fixed << std::setprecision(1) << result.seconds
                  << " seed " << result.seed << " moves " << result.moves << " bound "
                  << CoveringLowerBound(request.kind, request.v, request.t) << "\n";
    } catch (const std::exception& e) {
        std::cerr << "errore: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
