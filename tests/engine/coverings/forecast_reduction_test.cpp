#include "reductions/mathematical/forecast_reduction.h"

#include "covering_test_support.h"
#include "reference_covering.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class ForecastReductionTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / (std::string("forecast_reduction_") +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        g_.dirs.appDir = dir_.string() + "/";
        LimitGrowth(g_.system.columns);
        bitmap_ = CoverageBitmap::tryCreate();
        ASSERT_TRUE(bitmap_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void setForecast(const std::vector<Number>& numbers) {
        g_.system.forecast.clear();
        for (const Number x : numbers) g_.system.forecast.set(x, true);
    }
    void writeTable(CoveringKind kind, const std::vector<ImmediateTable>& tables) {
        std::string error;
        ASSERT_TRUE(WriteImmediateReducerFile(ImmediateFilePath(g_.dirs, kind), tables, error)) << error;
    }
    ForecastReductionResult run(CoveringKind kind, int k, bool fixed = false, bool immediate = true) {
        return RunForecastReduction(g_, {kind, k, fixed, immediate}, bitmap_.get(), pool_, host_);
    }

    RecordingMessages messages_;
    FakeClock clock_;
    Globali g_{messages_, clock_};
    std::unique_ptr<CoverageBitmap> bitmap_;
    CandidatePool pool_;
    ScriptedHost host_;
    fs::path dir_;
};

const std::vector<ImmediateTable> kTables{
    {8, 3, {Column{{1, 2, 3, 4, 5, 6}}, Column{{1, 2, 3, 6, 7, 8}}, Column{{3, 4, 5, 6, 7, 8}}}},
};

TEST_F(ForecastReductionTest, ImmediateTableIsMappedAppendedAndCommitted) {
    writeTable(CoveringKind::Orthogonal, kTables);
    setForecast({10, 20, 30, 40, 50, 60, 70, 80});
    FillStore(g_.system.columns, {Column{{10, 20, 30, 60, 70, 80}}, Column{{1, 2, 3, 4, 5, 6}}});
    g_.undo.allocate();

    const ForecastReductionResult r = run(CoveringKind::Orthogonal, 3);
    EXPECT_TRUE(r.immediate);
    EXPECT_EQ(r.outcome, OperationOutcome::Completed);
    EXPECT_TRUE(r.closesWindow());
    ASSERT_EQ(g_.system.columns.count, 4) << "the column already listed is not appended again";
    EXPECT_EQ(g_.system.columns.at(3), (Column{{10, 20, 30, 40, 50, 60}}));
    EXPECT_EQ(g_.system.columns.at(4), (Column{{30, 40, 50, 60, 70, 80}}));
    EXPECT_TRUE(g_.system.modified);
    EXPECT_EQ(g_.system.relativeWinProbability, -1);
    EXPECT_EQ(g_.undo.snapshotCount, 2);
    EXPECT_EQ(host_.maximum, 3);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ForecastReductionTest, WithoutATableOrWithFixedNumbersTheSearchRuns) {
    writeTable(CoveringKind::Orthogonal, kTables);
    setForecast({10, 20, 30, 40, 50, 60, 70, 80});
    g_.system.fixed.count = 1;
    g_.system.fixed.numbers[0] = 20;
    g_.random.seed(9);
    ForecastReductionResult r = run(CoveringKind::Orthogonal, 3, true);
    EXPECT_FALSE(r.immediate);
    EXPECT_EQ(host_.maximum, 100);
    ASSERT_GT(g_.system.columns.count, 0);
    for (std::int32_t p = 1; p <= g_.system.columns.count; ++p)
        EXPECT_TRUE(
            std::binary_search(g_.system.columns.at(p).n.begin(), g_.system.columns.at(p).n.end(), 20));

    // No guarantee table at all: the search, with the development's size as the maximum.
    g_.system.columns.count = 0;
    r = run(CoveringKind::Guarantee, 5);
    EXPECT_FALSE(r.immediate);
    EXPECT_EQ(host_.maximum, 28);
    EXPECT_GT(g_.system.columns.count, 0);
}

TEST_F(ForecastReductionTest, NothingAddedShowsTheMessageAndLeavesTheSystemAlone) {
    setForecast({1, 2, 3, 4, 5, 6, 7});
    std::vector<Column> development;
    for (int drop = 7; drop >= 1; --drop) {
        Column c{};
        int s = 0;
        for (int x = 1; x <= 7; ++x)
            if (x != drop) c[s++] = static_cast<Number>(x);
        development.push_back(c);
    }
    FillStore(g_.system.columns, development);
    for (const CoveringKind kind : {CoveringKind::Orthogonal, CoveringKind::Guarantee}) {
        messages_.shown.clear();
        const ForecastReductionResult r = run(kind, 2);
        EXPECT_EQ(r.outcome, OperationOutcome::NothingAdded);
        EXPECT_FALSE(r.closesWindow());
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.last().text, kNothingAddedText);
        EXPECT_EQ(messages_.last().title, "Attenzione");
        EXPECT_EQ(messages_.last().icon, MessageIcon::Warning);
        EXPECT_EQ(g_.system.columns.count, 7);
        EXPECT_FALSE(g_.system.modified);
    }
}

TEST_F(ForecastReductionTest, DamagedTableShowsBothMessagesAppendsNothingAndKeepsTheFlag) {
    std::vector<ImmediateTable> tables = kTables;
    writeTable(CoveringKind::Guarantee, tables);
    // Corrupt one index in the table: the checksum no longer matches.
    const std::string path = ImmediateFilePath(g_.dirs, CoveringKind::Guarantee);
    {
        std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(static_cast<std::streamoff>(fs::file_size(path) - 1));
        f.put(static_cast<char>(7 << 1));
    }
    setForecast({10, 20, 30, 40, 50, 60, 70, 80});
    for (const bool answerYes : {true, false}) {
        messages_.shown.clear();
        g_.system.modified = answerYes;
        messages_.answerNext(MessageAnswer::Ok);
        messages_.answerNext(answerYes ? MessageAnswer::Yes : MessageAnswer::No);
        const ForecastReductionResult r = run(CoveringKind::Guarantee, 3);
        EXPECT_TRUE(r.damagedTable);
        EXPECT_TRUE(r.closesWindow());
        EXPECT_EQ(r.openInstallPage, answerYes);
        EXPECT_EQ(g_.system.columns.count, 0);
        EXPECT_EQ(g_.system.modified, answerYes);
        ASSERT_EQ(messages_.shown.size(), 2u);
        EXPECT_EQ(messages_.shown[0].title, "Errore fatale");
        EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(messages_.shown[0].text, kDamagedTableText);
        EXPECT_EQ(messages_.shown[1].buttons, MessageButtons::YesNo);
        EXPECT_EQ(messages_.shown[1].text, kOpenInstallPageText);
    }
}

TEST_F(ForecastReductionTest, LabelsFollowTheTableAndTheFixedOption) {
    writeTable(CoveringKind::Orthogonal, kTables);
    setForecast({10, 20, 30, 40, 50, 60, 70, 80});
    const struct {
        CoveringKind kind;
        int k;
        bool fixed;
        const char* estimate;
        const char* type;
    } cases[] = {
        {CoveringKind::Orthogonal, 3, false, "Nº stimato di colonne: 3", "Tipo di riduzione: immediata"},
        {CoveringKind::Orthogonal, 3, true, "Nº stimato di colonne: non disponibile",
         "Tipo di riduzione: non immediata (controllo fisse)"},
        {CoveringKind::Orthogonal, 4, false, "Nº stimato di colonne: non disponibile",
         "Tipo di riduzione: non immediata"},
        {CoveringKind::Guarantee, 3, false, "Nº stimato di colonne: non disponibile",
         "Tipo di riduzione: non immediata"},
    };
    for (const auto& c : cases) {
        const ReductionLabels l = ForecastReductionLabels(g_, c.kind, c.k, c.fixed);
        EXPECT_EQ(l.estimate, c.estimate);
        EXPECT_EQ(l.type, c.type);
    }
}

TEST_F(ForecastReductionTest, ForcedSearchIgnoresTheTableAndMatchesTheReference) {
    writeTable(CoveringKind::Orthogonal, kTables);
    const std::vector<Number> forecast{10, 20, 30, 40, 50, 60, 70, 80};
    setForecast(forecast);
    g_.random.seed(4);
    const ForecastReductionResult r = run(CoveringKind::Orthogonal, 3, false, false);
    EXPECT_FALSE(r.immediate);
    ReferenceInput ref;
    ref.forecast = forecast;
    ref.k = 3;
    ref.seed = 4;
    const std::vector<Column> expected = ReferenceOrthogonal(ref);
    ASSERT_EQ(g_.system.columns.count, static_cast<std::int32_t>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(g_.system.columns.at(static_cast<std::int32_t>(i + 1)), expected[i]);
}

TEST_F(ForecastReductionTest, StoppedRunAppendsNothing) {
    setForecast(RandomForecast(*std::make_unique<std::mt19937>(3), 25));
    host_.clock.step = 700;
    host_.stopAtYield = 1;
    const ForecastReductionResult r = run(CoveringKind::Guarantee, 3);
    EXPECT_EQ(r.outcome, OperationOutcome::Interrupted);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(g_.system.columns.count, 0);
    EXPECT_FALSE(g_.system.modified);
}

} // namespace
