#include "reductions/mathematical/orbit_covering.h"

#include "covering_checker.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

struct Case {
    CoveringKind kind;
    int v, t, drawn;
    std::vector<std::string> generators;
};

OrbitCoveringRequest Request(const Case& c) {
    OrbitCoveringRequest r;
    r.kind = c.kind;
    r.v = c.v;
    r.t = c.t;
    r.drawn = c.drawn;
    r.seconds = 60;
    r.maxSteps = 20'000;
    r.seed = 5;
    for (const auto& text : c.generators) {
        std::vector<int> image;
        EXPECT_TRUE(ParseGenerator(text, c.v, image)) << text;
        r.generators.push_back(image);
    }
    return r;
}

TEST(OrbitCovering, GivesInvariantCoverings) {
    const Case cases[] = {
        {CoveringKind::Orthogonal, 13, 2, 6, {"13"}},
        {CoveringKind::Orthogonal, 15, 3, 6, {"7+7"}},
        {CoveringKind::Orthogonal, 12, 4, 6, {"(1 2 3)(4 5 6)(7 8 9)", "(1 4)(2 5)(3 6)"}},
        {CoveringKind::Guarantee, 14, 4, 6, {"(1,2,3,4,5)(6,7,8,9,10)"}},
        {CoveringKind::Guarantee, 12, 3, 4, {"6+6"}},
        {CoveringKind::Orthogonal, 11, 3, 6, {}},
    };
    for (const auto& c : cases) {
        const std::string kind = c.kind == CoveringKind::Orthogonal ? "orto" : "gara";
        SCOPED_TRACE(kind + " v=" + std::to_string(c.v) + " t=" + std::to_string(c.t));
        const auto request = Request(c);
        const auto result = SearchInvariantCovering(request);
        std::vector<checker::Column> columns;
        std::set<std::vector<int>> present;
        for (const auto& col : result.columns) {
            columns.emplace_back(col.begin(), col.end());
            present.insert(columns.back());
        }
        EXPECT_EQ(present.size(), columns.size()) << "a column listed twice";
        EXPECT_LE(static_cast<int>(columns.size()), result.greedySize);
        EXPECT_EQ(checker::CountUncovered(kind, c.v, c.t, columns, c.drawn), 0);
        for (const auto& image : request.generators)
            for (const auto& col : columns) {
                std::vector<int> moved;
                for (int n : col) moved.push_back(image[static_cast<std::size_t>(n - 1)] + 1);
                std::sort(moved.begin(), moved.end());
                EXPECT_TRUE(present.count(moved)) << "the covering is not invariant";
            }
    }
}

TEST(OrbitCovering, PlainSearchReachesSmallOptima) {
    // C(8,6,3) = 4, C(7,6,5) = 6, C(10,6,2) = 4 and L(10,6,6,3) = 2, as in the optimiser's tests.
    const struct {
        CoveringKind kind;
        int v, t, size;
    } known[] = {{CoveringKind::Orthogonal, 8, 3, 4},
                 {CoveringKind::Orthogonal, 7, 5, 6},
                 {CoveringKind::Orthogonal, 10, 2, 4},
                 {CoveringKind::Guarantee, 10, 3, 2}};
    for (const auto& k : known) {
        auto request = Request({k.kind, k.v, k.t, 6, {}});
        request.target = k.size;
        EXPECT_EQ(static_cast<int>(SearchInvariantCovering(request).columns.size()), k.size)
            << "v=" << k.v << " t=" << k.t;
    }
}

TEST(OrbitCovering, StartsFromTheOrbitsOfGivenColumns) {
    // Under x -> x+1 mod 13 the orbit of {1..6} (13 columns) misses the pairs at distance 6: the
    // greedy adds more.
    auto request = Request({CoveringKind::Orthogonal, 13, 2, 6, {"13"}});
    request.start = {{1, 2, 3, 4, 5, 6}};
    request.maxSteps = 1;
    const auto partial = SearchInvariantCovering(request);
    EXPECT_GT(partial.greedySize, 13);
    std::vector<checker::Column> columns;
    for (const auto& c : partial.columns) columns.emplace_back(c.begin(), c.end());
    EXPECT_EQ(checker::CountUncovered("orto", 13, 2, columns, 6), 0);

    // A complete start with a column too many is kept whole as the start and then improved.
    request = Request({CoveringKind::Orthogonal, 11, 3, 6, {}});
    const auto found = SearchInvariantCovering(request);
    request.start = found.columns;
    request.start.push_back({1, 2, 3, 4, 5, 6});
    request.maxSteps = 10;
    const auto again = SearchInvariantCovering(request);
    EXPECT_EQ(again.greedySize, static_cast<int>(found.columns.size()) + 1);
    EXPECT_LE(again.columns.size(), found.columns.size());

    for (const CoveringColumn bad : {CoveringColumn{1, 2, 3, 4, 5, 12}, CoveringColumn{1, 1, 2, 3, 4, 5}}) {
        request.start = {bad};
        EXPECT_THROW(SearchInvariantCovering(request), std::invalid_argument);
    }
}

TEST(OrbitCovering, ParsesGenerators) {
    std::vector<int> image;
    ASSERT_TRUE(ParseGenerator("(1 3 2)(4,5)", 7, image));
    EXPECT_EQ(image, (std::vector<int>{2, 0, 1, 4, 3, 5, 6}));
    ASSERT_TRUE(ParseGenerator("3+2", 7, image));
    EXPECT_EQ(image, (std::vector<int>{1, 2, 0, 4, 3, 5, 6}));
    for (const char* bad : {"", "(1 2 1)", "(1 8)", "(1 2", "()", "3+", "5+5", "x", "(1 2)x"})
        EXPECT_FALSE(ParseGenerator(bad, 7, image)) << bad;
}

TEST(OrbitCovering, RefusesWhatIsNotAPermutation) {
    OrbitCoveringRequest request;
    request.v = 7;
    request.generators = {{0, 0, 1, 2, 3, 4, 5}};
    EXPECT_THROW(SearchInvariantCovering(request), std::invalid_argument);
    request.generators = {{0, 1, 2}};
    EXPECT_THROW(SearchInvariantCovering(request), std::invalid_argument);
    request.generators.clear();
    request.v = 33;
    EXPECT_THROW(SearchInvariantCovering(request), std::invalid_argument);
}

} // namespace
