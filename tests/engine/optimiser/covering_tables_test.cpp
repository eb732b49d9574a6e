#include "covering_checker.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace {

struct ManifestRow {
    std::string kind;
    int v = 0, t = 0, size = 0;
    std::string file;
};

std::vector<ManifestRow> ReadManifest() {
    std::ifstream in(std::string(SESTAVIA_COVERINGS_DIR) + "/manifest.txt");
    std::vector<ManifestRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
        std::istringstream fields(line);
        ManifestRow r;
        long seed = 0, seconds = 0;
        fields >> r.kind >> r.v >> r.t >> r.size >> seed >> seconds >> r.file;
        EXPECT_TRUE(fields && (r.kind == "orto" || r.kind == "gara")) << "bad manifest line: " << line;
        rows.push_back(r);
    }
    return rows;
}

TEST(ShippedCoverings, EveryTableKeepsItsPromise) {
    const auto rows = ReadManifest();
    ASSERT_FALSE(rows.empty());
    for (const auto& r : rows) {
        SCOPED_TRACE(r.file);
        std::vector<checker::Column> columns;
        std::string error;
        ASSERT_TRUE(
            checker::ReadCovering(std::string(SESTAVIA_COVERINGS_DIR) + "/" + r.file, r.v, columns, error))
            << error;
        EXPECT_EQ(static_cast<int>(columns.size()), r.size);
        std::set<checker::Column> distinct;
        for (auto c : columns) {
            std::sort(c.begin(), c.end());
            distinct.insert(c);
        }
        EXPECT_EQ(distinct.size(), columns.size()) << "repeated column";
        EXPECT_EQ(checker::CountUncovered(r.kind, r.v, r.t, columns), 0);
    }
}

TEST(ShippedCoverings, EveryScoreAndSizeOfTheProgramHasOneTable) {
    std::map<std::tuple<std::string, int, int>, int> seen;
    for (const auto& r : ReadManifest()) ++seen[{r.kind, r.v, r.t}];
    const std::map<int, int> largest{{2, 30}, {3, 30}, {4, 22}, {5, 15}};
    for (const std::string kind : {"orto", "gara"})
        for (const auto& [t, last] : largest)
            for (int v = 7; v <= last; ++v)
                EXPECT_EQ((seen[{kind, v, t}]), 1) << kind << " v=" << v << " t=" << t;
    for (const auto& [key, count] : seen) EXPECT_LE(count, 1);
}

// The checker must see a hole, or the test above proves nothing.
TEST(CoveringChecker, FindsTheMissingSubsets) {
    // Without 1 and 7 together the pair {1, 7} is the only one left out.
    EXPECT_EQ(checker::CountUncovered("orto", 7, 2, {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}}), 1);
    // Two disjoint columns on 12: the six numbers 1-3, 7-9 meet each in three, not four.
    EXPECT_EQ(checker::CountUncovered("gara", 12, 3, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}), 0);
    EXPECT_EQ(checker::CountUncovered("gara", 12, 4, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}), 400);
    EXPECT_EQ(checker::CountUncovered("orto", 8, 3, {}), 56);
}

TEST(CoveringChecker, RejectsMalformedColumns) {
    const std::string path = ::testing::TempDir() + "covering_checker_bad.txt";
    const std::pair<const char*, bool> cases[] = {
        {"1 2 3 4 5 6\r\n# note\n\n2 3 4 5 6 7\n", true},
        {"1 2 3 4 5\n", false},
        {"1 2 3 4 5 5\n", false},
        {"1 2 3 4 5 8\n", false},
        {"0 2 3 4 5 6\n", false},
        {"1 2 3 4 5 x\n", false},
    };
    for (const auto& [text, good] : cases) {
        std::ofstream(path, std::ios::binary) << text;
        std::vector<checker::Column> columns;
        std::string error;
        EXPECT_EQ(checker::ReadCovering(path, 7, columns, error), good) << text;
    }
}

} // namespace
