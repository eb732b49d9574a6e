// The immediate-reducer files the build produced from data/coverings: every manifest line must be
// found with its size and give back its covering, mapped onto the forecast, with its promise kept.
#include "reductions/mathematical/forecast_reduction.h"

#include "covering_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct Line {
    std::string kind;
    int v = 0, t = 0;
    std::uint32_t size = 0;
    std::string file;
};

std::vector<Line> Manifest() {
    std::vector<Line> lines;
    std::ifstream in(std::string(SESTAVIA_COVERINGS_DIR) + "/manifest.txt");
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream f(text);
        Line l;
        std::string seed, seconds;
        if (text.empty() || text[0] == '#' ||
            !(f >> l.kind >> l.v >> l.t >> l.size >> seed >> seconds >> l.file))
            continue;
        lines.push_back(l);
    }
    return lines;
}

std::vector<Column> CoveringFile(const std::string& name, const std::vector<Number>& forecast) {
    std::vector<Column> columns;
    std::ifstream in(std::string(SESTAVIA_COVERINGS_DIR) + "/" + name);
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream f(text);
        std::vector<int> numbers;
        int x;
        while (f >> x) numbers.push_back(x);
        if (numbers.size() != 6) continue;
        std::sort(numbers.begin(), numbers.end());
        Column c{};
        for (int i = 0; i < 6; ++i)
            c[i] = forecast[static_cast<std::size_t>(numbers[static_cast<std::size_t>(i)] - 1)];
        columns.push_back(c);
    }
    return columns;
}

TEST(ShippedTables, EveryManifestLineIsFoundAndGivesItsCovering) {
    const std::vector<Line> lines = Manifest();
    if (lines.empty()) GTEST_SKIP() << "no coverings shipped";
    const std::string dir = std::string(SESTAVIA_TABLES_DIR) + "/";
    for (const Line& l : lines) {
        SCOPED_TRACE(l.file);
        const std::string path =
            dir + (l.kind == "orto" ? immediate::kOrthogonalFile : immediate::kGuaranteeFile);
        const ImmediateLookupResult found = FindImmediateEntry(path, l.v, l.t);
        ASSERT_EQ(found.status, ImmediateLookup::Found);
        EXPECT_EQ(found.columns(), l.size);

        // Every third number from 3 on: positions and numbers differ, so a mapping error shows.
        std::vector<Number> forecast;
        for (int i = 0; i < l.v; ++i) forecast.push_back(static_cast<Number>(3 + 3 * i % 88));
        std::sort(forecast.begin(), forecast.end());
        ColumnStore store;
        LimitGrowth(store);
        RecordingMessages messages;
        ScriptedHost host;
        const ImmediatePathResult run = RunImmediatePath(path, found.entry, forecast, store, messages, host);
        ASSERT_FALSE(run.damaged);
        const std::vector<Column> expected = CoveringFile(l.file, forecast);
        EXPECT_EQ(Appended(store, run.added), expected);
        if (l.v <= 12) {
            const bool kept = l.kind == "orto" ? EveryKSubsetCovered(forecast, l.t, {}, expected)
                                               : EveryDevelopmentColumnMet(forecast, l.t, {}, expected);
            EXPECT_TRUE(kept);
        }
    }
}

} // namespace
