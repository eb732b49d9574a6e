#include "core/settings_blocks.h"

#include "systemfile_support.h"

#include <gtest/gtest.h>

// Each record is checked against bytes placed by hand at the documented offsets: decoding must
// find them, and encoding the decoded record must give the same bytes back.
template <class R> R DecodeBytes(const std::vector<std::uint8_t>& bytes) {
    R record;
    DecodeRecord(bytes, record);
    return record;
}

template <class R> std::vector<std::uint8_t> EncodeBytes(const R& record, std::size_t size) {
    std::vector<std::uint8_t> out(size, 0xEE); // stale bytes must not survive in the padding
    EncodeRecord(record, out);
    return out;
}

TEST(SettingsRecords, StatFilterOffsets) {
    std::vector<std::uint8_t> b(1968, 0);
    Put32(b, 0, 2);
    PutDouble(b, 8, 10.5);
    PutDouble(b, 16, 20.25);
    PutDouble(b, 808, 11.5);
    PutDouble(b, 808 + 8 * 99, 99.75);
    Put32(b, 1608, 17);
    Put32(b, 1608 + 4 * 89, -3);
    const auto r = DecodeBytes<StatFilter>(b);
    EXPECT_EQ(r.intervals.count, 2);
    EXPECT_EQ(r.intervals.minimum[0], 10.5);
    EXPECT_EQ(r.intervals.minimum[1], 20.25);
    EXPECT_EQ(r.intervals.maximum[0], 11.5);
    EXPECT_EQ(r.intervals.maximum[99], 99.75);
    EXPECT_EQ(r.frozen[0], 17);
    EXPECT_EQ(r.frozen[89], -3);
    EXPECT_EQ(EncodeBytes(r, 1968), b);
}

TEST(SettingsRecords, ProbStatFilterKeepsModeAtZeroAndCountAtFour) {
    std::vector<std::uint8_t> b(1968, 0);
    b[0] = 2;
    Put32(b, 4, 1);
    PutDouble(b, 8, 40);
    PutDouble(b, 808, 65);
    Put32(b, 1608, -1);
    const auto r = DecodeBytes<ProbStatFilter>(b);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.intervals.count, 1);
    EXPECT_EQ(r.intervals.minimum[0], 40);
    EXPECT_EQ(r.intervals.maximum[0], 65);
    EXPECT_FALSE(r.isFrozen());
    EXPECT_EQ(EncodeBytes(r, 1968), b);
}

TEST(SettingsRecords, PersonalFilterProbabilitiesAt1608) {
    std::vector<std::uint8_t> b(2328, 0);
    Put32(b, 0, 1);
    PutDouble(b, 8, 75);
    PutDouble(b, 808, 100);
    PutDouble(b, 1608, 12.5);
    PutDouble(b, 1608 + 8 * 89, 99.5);
    const auto r = DecodeBytes<PersonalFilter>(b);
    EXPECT_EQ(r.intervals.count, 1);
    EXPECT_EQ(r.probability[0], 12.5);
    EXPECT_EQ(r.probability[89], 99.5);
    EXPECT_EQ(EncodeBytes(r, 2328), b);
}

TEST(SettingsRecords, ArchiveComparisonOffsets) {
    std::vector<std::uint8_t> b(1664, 0);
    Put32(b, 0, 150);
    Put32(b, 4, 20);
    Put32(b, 4 + 4 * 149, 900);
    b[604 + 1] = 1;
    b[604 + 7 * 149 + 6] = 1;
    Put32(b, 1656, 3);
    b[1660] = 1;
    b[1661] = 0;
    const auto r = DecodeBytes<ArchiveComparison>(b);
    EXPECT_EQ(r.count, 150);
    EXPECT_EQ(r.draws[0], 20);
    EXPECT_EQ(r.draws[149], 900);
    EXPECT_EQ(r.allowed[0][1], 1);
    EXPECT_EQ(r.allowed[149][6], 1);
    EXPECT_EQ(r.maxErrors, 3);
    EXPECT_EQ(r.excludeJolly, 1);
    EXPECT_EQ(r.excludeSuperStar, 0);
    EXPECT_EQ(EncodeBytes(r, 1664), b);
}

TEST(SettingsRecords, ConditionSetOffsets) {
    std::vector<std::uint8_t> b(17832, 0);
    b[0] = 1;
    b[24] = 1;
    b[25 + 3] = 1;         // condition 0 allows 3
    b[46 + 6] = 1;         // condition 3 allows 6
    PutDouble(b, 56, 100); // condition 4: minimum[0]
    PutDouble(b, 56 + 800, 120);
    Put32(b, 56 + 1600, 1);
    Put32(b, 16136 + 1600, 100); // condition 14 holds a full list
    PutDouble(b, 16136 + 800 + 8 * 99, 89);
    b[17744] = 1;      // condition 15 allows 0
    b[17800 + 3] = 1;  // condition 23 allows 3
    b[17807 + 24] = 1; // 24 failures allowed
    const auto r = DecodeBytes<ConditionSet>(b);
    EXPECT_EQ(r.enabled[0], 1);
    EXPECT_EQ(r.enabled[ConditionSet::kErrorsItem], 1);
    EXPECT_EQ(r.allowedCounts[0][3], 1);
    EXPECT_EQ(r.allowedCounts[3][6], 1);
    EXPECT_EQ(r.intervalsOf(4).minimum[0], 100);
    EXPECT_EQ(r.intervalsOf(4).maximum[0], 120);
    EXPECT_EQ(r.intervalsOf(4).count, 1);
    EXPECT_EQ(r.intervalsOf(14).count, 100);
    EXPECT_EQ(r.intervalsOf(14).maximum[99], 89);
    EXPECT_EQ(r.allowedCounts[15][0], 1);
    EXPECT_EQ(r.allowedCounts[23][3], 1);
    EXPECT_EQ(r.allowedFailures[24], 1);
    EXPECT_EQ(EncodeBytes(r, 17832), b);
}

TEST(SettingsRecords, ConditionSetDocumentedIntervalOffsets) {
    const std::size_t expected[] = {56, 1664, 3272, 4880, 6488, 8096, 9704, 11312, 12920, 14528, 16136};
    for (int k = 4; k <= 14; ++k) EXPECT_EQ(ConditionIntervalsOffset(k), expected[k - 4]) << k;
    const std::size_t counts[] = {17744, 17751, 17758, 17765, 17772, 17779, 17786, 17793, 17800};
    for (int k = 15; k <= 23; ++k) EXPECT_EQ(ConditionCountsOffset(k), counts[k - 15]) << k;
}

TEST(SettingsRecords, IntervalFilterOffsets) {
    std::vector<std::uint8_t> b(700, 0);
    Put32(b, 0, 46);
    Put32(b, 4, 1);
    Put32(b, 8, 30);
    Put32(b, 4 + 8 * 45, 80);
    Put32(b, 8 + 8 * 45, 90);
    b[372 + 2] = 1;
    b[372 + 7 * 45 + 6] = 1;
    Put32(b, 696, 2);
    const auto r = DecodeBytes<IntervalFilter>(b);
    EXPECT_EQ(r.count, 46);
    EXPECT_EQ(r.lo[0], 1);
    EXPECT_EQ(r.hi[0], 30);
    EXPECT_EQ(r.lo[45], 80);
    EXPECT_EQ(r.hi[45], 90);
    EXPECT_EQ(r.allowed[0][2], 1);
    EXPECT_EQ(r.allowed[45][6], 1);
    EXPECT_EQ(r.maxErrors, 2);
    EXPECT_EQ(EncodeBytes(r, 700), b);
}

TEST(SettingsRecords, GroupFilterOffsets) {
    std::vector<std::uint8_t> c(84, 0);
    c[9] = 1;              // cadence 10 enabled
    c[10 + 7 * 9 + 6] = 1; // cadence 10 allows 6
    Put32(c, 80, 4);
    const auto cadences = DecodeBytes<CadenceFilter>(c);
    EXPECT_EQ(cadences.enabled[9], 1);
    EXPECT_EQ(cadences.allowed[9][6], 1);
    EXPECT_EQ(cadences.maxErrors, 4);
    EXPECT_EQ(EncodeBytes(cadences, 84), c);

    std::vector<std::uint8_t> f(76, 0);
    f[8] = 1;             // group 9 enabled
    f[9 + 7 * 8 + 5] = 1; // group 9 allows 5
    Put32(f, 72, 1);
    const auto figures = DecodeBytes<FigureFilter>(f);
    EXPECT_EQ(figures.enabled[8], 1);
    EXPECT_EQ(figures.allowed[8][5], 1);
    EXPECT_EQ(figures.maxErrors, 1);
    EXPECT_EQ(EncodeBytes(figures, 76), f);
    const auto decades = DecodeBytes<DecadeFilter>(f);
    EXPECT_EQ(EncodeBytes(decades, 76), f);
}

TEST(SettingsRecords, SubstitutionSetOffsets) {
    std::vector<std::uint8_t> b(1208, 0);
    b[0] = 5;
    b[6 * 99] = 10;
    b[6 * 99 + 1] = 20;
    b[600] = 7;
    b[600 + 6 * 99 + 1] = 40;
    Put32(b, 1200, 100);
    b[1204] = 1;
    const auto r = DecodeBytes<SubstitutionSet>(b);
    EXPECT_EQ(r.original[0][0], 5);
    EXPECT_EQ(r.original[99][1], 20);
    EXPECT_EQ(r.replacement[0][0], 7);
    EXPECT_EQ(r.replacement[99][1], 40);
    EXPECT_EQ(r.count, 100);
    EXPECT_EQ(r.partial, 1);
    EXPECT_EQ(EncodeBytes(r, 1208), b);
}

TEST(SettingsRecords, DamagedCountsAreBoundedByTheArrays) {
    // A hostile block must never let a window walk past the fixed arrays.
    std::vector<std::uint8_t> b(17832, 0);
    Put32(b, 0, 1'000'000);
    EXPECT_EQ(DecodeBytes<StatFilter>(b).intervals.count, 100);
    EXPECT_EQ(DecodeBytes<ArchiveComparison>(b).count, 150);
    EXPECT_EQ(DecodeBytes<IntervalFilter>(b).count, 46);
    Put32(b, 0, -5);
    EXPECT_EQ(DecodeBytes<PersonalFilter>(b).intervals.count, 0);
    Put32(b, 4, 101);
    EXPECT_EQ(DecodeBytes<ProbStatFilter>(b).intervals.count, 100);
    Put32(b, 1200, -1);
    EXPECT_EQ(DecodeBytes<SubstitutionSet>(b).count, 0);
    Put32(b, 56 + 1600, 7777);
    EXPECT_EQ(DecodeBytes<ConditionSet>(b).intervalsOf(4).count, 100);
}

TEST(SettingsBlocksTable, TwelveBlocksInFileOrder) {
    const std::size_t sizes[] = {1968, 1968, 1968, 1968, 2328, 1664, 17832, 700, 84, 76, 76, 1208};
    const auto blocks = SystemFileBlocks();
    ASSERT_EQ(blocks.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(blocks[i].size, sizes[i]) << i;
    EXPECT_EQ(SystemFileBlocksSize(), 31956u - 116u);
    EXPECT_STREQ(blocks[0].defaultsFile, "Sestavia.ipf");
    EXPECT_STREQ(blocks[3].defaultsFile, "Sestavia.irr");
    EXPECT_STREQ(blocks[5].defaultsFile, "ConfStoSE.def");
    EXPECT_STREQ(blocks[11].defaultsFile, "Sostituzioni.def");
}

TEST(SettingsDefaults, WithoutFilesEveryRecordGetsItsBuiltInDefaults) {
    TempDir tmp;
    SettingsBlocks b;
    b.frequencies.intervals.count = 9;
    ResetSettingsBlocks(b, {tmp.dir(), 1, 2});

    EXPECT_EQ(b.probFrequencies.mode, 1);
    EXPECT_EQ(b.probDelays.mode, 2);
    struct Case {
        const IntervalList* list;
        double lo, hi;
    };
    for (const Case& c : {Case{&b.probFrequencies.intervals, 40, 65}, Case{&b.probDelays.intervals, 10, 25},
                          Case{&b.personal.intervals, 75, 100}}) {
        EXPECT_EQ(c.list->count, 1);
        EXPECT_EQ(c.list->minimum[0], c.lo);
        EXPECT_EQ(c.list->maximum[0], c.hi);
    }
    EXPECT_EQ(b.frequencies.intervals.count, 0);
    EXPECT_EQ(b.delays.intervals.count, 0);
    for (const auto* frozen :
         {&b.frequencies.frozen, &b.delays.frozen, &b.probFrequencies.frozen, &b.probDelays.frozen})
        EXPECT_EQ((*frozen)[0], -1);
    for (double p : b.personal.probability) EXPECT_EQ(p, 50);

    EXPECT_EQ(b.comparison.count, 2);
    EXPECT_EQ(b.comparison.draws[0], 20);
    EXPECT_EQ(b.comparison.draws[1], 60);
    EXPECT_EQ(b.comparison.allowed[0], (std::array<std::uint8_t, 7>{0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(b.comparison.allowed[1], (std::array<std::uint8_t, 7>{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(b.comparison.excludeJolly, 1);
    EXPECT_EQ(b.comparison.excludeSuperStar, 1);

    EXPECT_EQ(b.conditions.enabled, (std::array<std::uint8_t, 25>{}));

    EXPECT_EQ(b.intervals.count, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(b.intervals.lo[k], 30 * k + 1);
        EXPECT_EQ(b.intervals.hi[k], 30 * k + 30);
        EXPECT_EQ(b.intervals.allowed[k], (std::array<std::uint8_t, 7>{1, 1, 1, 0, 0, 0, 0}));
    }
    for (int g = 0; g < 10; ++g) {
        EXPECT_EQ(b.cadences.enabled[g], 1);
        EXPECT_EQ(b.cadences.allowed[g], (std::array<std::uint8_t, 7>{1, 1, 0, 0, 0, 0, 0}));
    }
    for (int g = 0; g < 9; ++g) {
        EXPECT_EQ(b.figures.enabled[g], 1);
        EXPECT_EQ(b.decades.allowed[g], (std::array<std::uint8_t, 7>{1, 1, 0, 0, 0, 0, 0}));
    }
    EXPECT_EQ(b.substitutions.count, 0);
    EXPECT_EQ(b.filterColumns.count, 0);
    EXPECT_EQ(b.filterColumns.columns.size(), 1u);
}

TEST(SettingsDefaults, FilesWrittenByTheWindowsAreReadBack) {
    TempDir tmp;
    IntervalList list;
    list.count = 2;
    list.minimum[0] = 1.5;
    list.maximum[1] = 99;
    ASSERT_TRUE(WriteIntervalsFile(tmp.file("Sestavia.irf"), list));
    ASSERT_TRUE(WriteIntervalsFile(tmp.file("Sestavia.ipr"), list));
    EXPECT_EQ(ReadBytes(tmp.file("Sestavia.irf")).size(), 1604u);

    ArchiveComparison comparison;
    comparison.count = 1;
    comparison.draws[0] = 7;
    ASSERT_TRUE(WriteArchiveComparisonFile(tmp.file("ConfStoSE.def"), comparison));

    IntervalFilter intervals;
    intervals.count = 1;
    intervals.lo[0] = 5;
    ASSERT_TRUE(WriteGroupFilterFile(tmp.file("Intervalli.def"), intervals));
    CadenceFilter cadences;
    cadences.maxErrors = 3;
    ASSERT_TRUE(WriteGroupFilterFile(tmp.file("Cadenze.def"), cadences));

    SubstitutionSet substitutions;
    substitutions.count = 1;
    substitutions.original[0] = {5, 0, 0, 0, 0, 0};
    ASSERT_TRUE(WriteSubstitutionSetFile(tmp.file("Sostituzioni.def"), substitutions));

    ConditionSet conditions;
    conditions.enabled[4] = 1;
    conditions.intervalsOf(4).count = 1;
    ASSERT_TRUE(WriteConditionSetFile(tmp.file("Sestavia.con"), conditions));

    FilterColumnList filters;
    filters.count = 2;
    filters.maxErrors = 1;
    filters.columns.assign(3, FilterColumn{});
    filters.columns[1].numbers[89] = 1;
    filters.columns[1].scores[6] = 1;
    ASSERT_TRUE(WriteFilterColumnFile(tmp.file("Filtri.def"), filters));
    EXPECT_EQ(ReadBytes(tmp.file("Filtri.def")).size(), 8u + 2 * 97);

    SettingsBlocks b;
    ResetSettingsBlocks(b, {tmp.dir(), 0, 0});
    EXPECT_EQ(b.frequencies.intervals.count, 2);
    EXPECT_EQ(b.frequencies.intervals.minimum[0], 1.5);
    EXPECT_EQ(b.frequencies.intervals.maximum[1], 99);
    EXPECT_EQ(b.frequencies.frozen[0], -1);
    EXPECT_EQ(b.probDelays.intervals.count, 2); // a stored list replaces the single default
    EXPECT_EQ(b.comparison.count, 1);
    EXPECT_EQ(b.comparison.draws[0], 7);
    EXPECT_EQ(b.comparison.excludeJolly, 0);
    EXPECT_EQ(b.intervals.count, 1);
    EXPECT_EQ(b.intervals.lo[0], 5);
    EXPECT_EQ(b.cadences.maxErrors, 3);
    EXPECT_EQ(b.cadences.enabled[0], 0);
    EXPECT_EQ(b.substitutions.count, 1);
    EXPECT_EQ(b.conditions.enabled[4], 1);
    EXPECT_EQ(b.conditions.intervalsOf(4).count, 1);
    EXPECT_EQ(b.filterColumns.count, 2);
    EXPECT_EQ(b.filterColumns.maxErrors, 1);
    ASSERT_EQ(b.filterColumns.columns.size(), 3u);
    EXPECT_EQ(b.filterColumns.columns[1], filters.columns[1]);
    // No temporary file is left next to the defaults.
    for (const auto& entry : std::filesystem::directory_iterator(tmp.dir()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST(SettingsDefaults, ShortOrDamagedFilesGiveTheDefaults) {
    TempDir tmp;
    WriteBytes(tmp.file("Sestavia.ipf"), std::vector<std::uint8_t>(1603, 0)); // one byte short
    std::vector<std::uint8_t> badCount(1604, 0);
    Put32(badCount, 0, 101);
    WriteBytes(tmp.file("Sestavia.irr"), badCount);
    WriteBytes(tmp.file("ConfStoSE.def"), std::vector<std::uint8_t>(100, 1));
    WriteBytes(tmp.file("Cadenze.def"), std::vector<std::uint8_t>(83, 0));
    std::vector<std::uint8_t> badIntervals(700, 0);
    Put32(badIntervals, 0, 47);
    WriteBytes(tmp.file("Intervalli.def"), badIntervals);
    WriteBytes(tmp.file("Sestavia.con"), std::vector<std::uint8_t>(17831, 1));
    std::vector<std::uint8_t> filters(8 + 97, 0);
    Put32(filters, 0, 2); // announces two records, holds one
    WriteBytes(tmp.file("Filtri.def"), filters);

    SettingsBlocks b;
    ResetSettingsBlocks(b, {tmp.dir(), 0, 0});
    EXPECT_EQ(b.probFrequencies.intervals.count, 1);
    EXPECT_EQ(b.probFrequencies.intervals.minimum[0], 40);
    EXPECT_EQ(b.delays.intervals.count, 0);
    EXPECT_EQ(b.comparison.count, 2);
    EXPECT_EQ(b.cadences.enabled[0], 1);
    EXPECT_EQ(b.intervals.count, 3);
    EXPECT_EQ(b.conditions.enabled[0], 0);
    EXPECT_EQ(b.filterColumns.count, 0);
}

TEST(SettingsDefaults, PersonalProbabilitiesFileHoldsOnlyTheProbabilities) {
    TempDir tmp;
    std::array<double, 90> p{};
    for (int i = 0; i < 90; ++i) p[static_cast<std::size_t>(i)] = i * 1.25;
    ASSERT_TRUE(WritePersonalProbabilitiesFile(tmp.file("Probabilita.def"), p));
    EXPECT_EQ(ReadBytes(tmp.file("Probabilita.def")).size(), 720u);
    EXPECT_EQ(ReadPersonalProbabilitiesFile(tmp.file("Probabilita.def")), p);
    // A new system does not read it: every probability starts at 50.
    SettingsBlocks b;
    ResetSettingsBlocks(b, {tmp.dir(), 0, 0});
    EXPECT_EQ(b.personal.probability[10], 50);
    EXPECT_FALSE(ReadPersonalProbabilitiesFile(tmp.file("missing.def")).has_value());
}
