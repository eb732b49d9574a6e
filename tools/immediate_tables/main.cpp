// Builds the two immediate-reducer files from the coverings listed in a manifest (see
// data/coverings/README.md). Every table is verified before it is written, so a wrong covering
// fails the build instead of reaching the program.
#include "reductions/mathematical/coverage_bitmap.h"
#include "reductions/mathematical/immediate_reducer_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ManifestLine {
    std::string kind; // orto | gara
    int v = 0;
    int t = 0;
    long long size = 0;
    std::string file;
    int lineNumber = 0;
};

bool Fail(const std::string& text) {
    std::fprintf(stderr, "sestavia-immediate-tables: %s\n", text.c_str());
    return false;
}

bool ReadManifest(const fs::path& path, std::vector<ManifestLine>& lines) {
    std::ifstream in(path);
    if (!in) return true; // no manifest: no tables, the program computes every reduction
    std::string text;
    int number = 0;
    std::set<std::string> keys;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#') continue;
        std::istringstream fields(text);
        ManifestLine l;
        unsigned long long seed = 0;
        long long seconds = 0;
        std::string extra;
        l.lineNumber = number;
        if (!(fields >> l.kind >> l.v >> l.t >> l.size >> seed >> seconds >> l.file) || (fields >> extra))
            return Fail(path.string() + ":" + std::to_string(number) + ": servono sette campi");
        if (l.kind != "orto" && l.kind != "gara")
            return Fail(path.string() + ":" + std::to_string(number) + ": tipo sconosciuto " + l.kind);
        if (l.v < 7 || l.v > kMaxNumber || l.t < 2 || l.t > 5 || l.size < 1)
            return Fail(path.string() + ":" + std::to_string(number) + ": v, t o size fuori intervallo");
        const std::string key = l.kind + " " + std::to_string(l.v) + " " + std::to_string(l.t);
        if (!keys.insert(key).second)
            return Fail(path.string() + ":" + std::to_string(number) + ": tabella ripetuta " + key);
        lines.push_back(l);
    }
    return true;
}

bool ReadCovering(const fs::path& path, const ManifestLine& l, std::vector<Column>& columns) {
    std::ifstream in(path);
    if (!in) return Fail("impossibile leggere " + path.string());
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#') continue;
        std::istringstream fields(text);
        std::vector<int> numbers;
        int x;
        while (fields >> x) numbers.push_back(x);
        std::sort(numbers.begin(), numbers.end());
        const bool distinct = std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
        if (!fields.eof() || numbers.size() != 6 || !distinct || numbers.front() < 1 || numbers.back() > l.v)
            return Fail(path.string() + ":" + std::to_string(number) + ": colonna non valida");
        Column c{};
        for (int i = 0; i < 6; ++i) c[i] = static_cast<Number>(numbers[static_cast<std::size_t>(i)]);
        columns.push_back(c);
    }
    if (static_cast<long long>(columns.size()) != l.size)
        return Fail(path.string() + ": " + std::to_string(columns.size()) +
                    " colonne, il manifesto ne dichiara " + std::to_string(l.size));
    return true;
}

// Walks the r-subsets of 1..v in lexicographic order; false from `visit` stops the walk.
template <typename Visit> bool ForEachSubset(int v, int r, Visit visit) {
    Number a[6];
    for (int j = 0; j < r; ++j) a[j] = static_cast<Number>(j + 1);
    for (;;) {
        if (!visit(a)) return false;
        int j = r - 1;
        while (j >= 0 && a[j] == v - r + 1 + j) --j;
        if (j < 0) return true;
        ++a[j];
        for (int m = j + 1; m < r; ++m) a[m] = static_cast<Number>(a[m - 1] + 1);
    }
}

bool KeepsPromise(const ManifestLine& l, const std::vector<Column>& columns, CoverageBitmap& bitmap) {
    const KSubsetRank rank(l.t);
    bitmap.clear();
    for (const Column& c : columns) bitmap.markColumn(c, rank);
    if (l.kind == "orto")
        return ForEachSubset(l.v, l.t, [&](const Number* a) { return bitmap.test(rank.rank(a)); });
    return ForEachSubset(l.v, 6, [&](const Number* a) {
        Column c{};
        for (int i = 0; i < 6; ++i) c[i] = a[i];
        return bitmap.anyMarked(c, rank);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    fs::path manifest, outDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--manifest")
            manifest = argv[i + 1];
        else if (option == "--uscita")
            outDir = argv[i + 1];
    }
    if (manifest.empty() || outDir.empty()) {
        std::fprintf(stderr, "Uso: sestavia-immediate-tables --manifest manifest.txt --uscita cartella\n");
        return 2;
    }
    std::vector<ManifestLine> lines;
    if (!ReadManifest(manifest, lines)) return 1;
    auto bitmap = CoverageBitmap::tryCreate();
    if (!bitmap) return Fail("memoria insufficiente"), 1;

    std::vector<ImmediateTable> orthogonal, guarantee;
    for (const ManifestLine& l : lines) {
        ImmediateTable table{l.v, l.t, {}};
        if (!ReadCovering(manifest.parent_path() / l.file, l, table.columns)) return 1;
        if (!KeepsPromise(l, table.columns, *bitmap)) {
            Fail(l.file + ": la copertura non mantiene la garanzia " + l.kind + " v=" + std::to_string(l.v) +
                 " t=" + std::to_string(l.t));
            return 1;
        }
        (l.kind == "orto" ? orthogonal : guarantee).push_back(std::move(table));
    }
    std::string error;
    if (!WriteImmediateReducerFile((outDir / immediate::kOrthogonalFile).string(), orthogonal, error) ||
        !WriteImmediateReducerFile((outDir / immediate::kGuaranteeFile).string(), guarantee, error)) {
        Fail(error);
        return 1;
    }
    std::printf("%zu tabelle ortogonali, %zu a garanzia\n", orthogonal.size(), guarantee.size());
    return 0;
}
