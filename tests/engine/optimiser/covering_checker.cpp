#include "covering_checker.h"

#include <fstream>
#include <set>
#include <sstream>

namespace checker {

namespace {

bool CoveredBySome(const std::vector<int>& subset, int t, const std::vector<std::vector<bool>>& members) {
    for (const auto& column : members) {
        int shared = 0;
        for (int n : subset) shared += column[n] ? 1 : 0;
        if (shared >= t) return true;
    }
    return false;
}

void Walk(int v, int m, int t, int next, std::vector<int>& subset,
          const std::vector<std::vector<bool>>& members, long& uncovered) {
    if (static_cast<int>(subset.size()) == m) {
        if (!CoveredBySome(subset, t, members)) ++uncovered;
        return;
    }
    for (int n = next; n <= v; ++n) {
        subset.push_back(n);
        Walk(v, m, t, n + 1, subset, members, uncovered);
        subset.pop_back();
    }
}

} // namespace

long CountUncovered(const std::string& kind, int v, int t, const std::vector<Column>& columns, int drawn) {
    const int m = kind == "orto" ? t : drawn;
    std::vector<std::vector<bool>> members;
    for (const auto& c : columns) {
        std::vector<bool> in(static_cast<std::size_t>(v) + 1, false);
        for (int n : c)
            if (n >= 1 && n <= v) in[static_cast<std::size_t>(n)] = true;
        members.push_back(in);
    }
    long uncovered = 0;
    std::vector<int> subset;
    Walk(v, m, t, 1, subset, members, uncovered);
    return uncovered;
}

bool ReadCovering(const std::string& path, int v, std::vector<Column>& columns, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        std::istringstream fields(line);
        Column c;
        std::string word;
        while (fields >> word) {
            if (word.find_first_not_of("0123456789") != std::string::npos || word.size() > 3) {
                error = path + ":" + std::to_string(lineNumber) + ": not a number";
                return false;
            }
            c.push_back(std::stoi(word));
        }
        const std::set<int> distinct(c.begin(), c.end());
        if (c.size() != 6 || distinct.size() != 6 || *distinct.begin() < 1 || *distinct.rbegin() > v) {
            error = path + ":" + std::to_string(lineNumber) + ": not six distinct numbers in 1.." +
                    std::to_string(v);
            return false;
        }
        columns.push_back(c);
    }
    return true;
}

} // namespace checker
