#include "shell/column_import.h"

#include "core/Globali.h"
#include "core/system_file.h"
#include "fake_clock.h"
#include "recording_messages.h"
#include "shell/column_export.h"
#include "systemfile_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct World {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};

    explicit World(std::int64_t capacity = 20'000) {
        g.undo.allocate();
        g.system.columns.tryResize(capacity); // spares most tests the first 32 MiB growth step
    }

    void add(std::initializer_list<Column> columns) {
        ColumnStore& s = g.system.columns;
        EnsureCapacity(s, s.count + static_cast<std::int32_t>(columns.size()) + 1, messages);
        for (const Column& c : columns) s.at(++s.count) = c;
    }
    std::vector<Column> list() const {
        const ColumnStore& s = g.system.columns;
        return {s.items(), s.items() + s.count};
    }
};

Column C(std::initializer_list<int> numbers) {
    Column c;
    int i = 0;
    for (int n : numbers) c[i++] = static_cast<Number>(n);
    return c;
}

std::string Fixture(const char* name) {
    return std::string(SESTAVIA_FIXTURES_DIR) + "/systemfile/" + name;
}

// A system file of the given version holding `columns` (announcing `announced` of them).
std::vector<std::uint8_t> SystemBytes(int version, const std::vector<Column>& columns,
                                      std::int32_t announced) {
    const std::size_t header = version == 2 ? 33640 : 31960;
    std::vector<std::uint8_t> b(header, 0);
    b[0] = static_cast<std::uint8_t>(version);
    Put32(b, header - 4, announced);
    for (const Column& c : columns) b.insert(b.end(), c.n.begin(), c.n.end());
    return b;
}

} // namespace

TEST(TextImport, OffersEveryValidLineOnceEachEvenWhenRepeated) {
    TempDir tmp;
    WriteText(tmp.file("a.txt"), "6 5 4 3 2 1\r\n\r\nColonne\r\n1 2 3 4 5 6\r\n");
    World w;
    StepHost host;
    EXPECT_EQ(ImportColumns(w.g, ImportSource::Text, tmp.file("a.txt"), host), ImportOutcome::Added);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.last().text, "Inserire le 2 colonne trovate nel file di testo ?");
    EXPECT_EQ(w.messages.last().title, "Conferma");
    EXPECT_EQ(w.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(w.list(), (std::vector<Column>{C({1, 2, 3, 4, 5, 6}), C({1, 2, 3, 4, 5, 6})}));
    EXPECT_TRUE(w.g.system.modified);
    EXPECT_EQ(host.statuses.front(), kLoadingColumnsCaption);
}

TEST(TextImport, AcceptsTabsBlanksAndAnyLineEnd) {
    World w;
    StepHost host;
    const auto r = CollectImportColumns(w.g, ImportSource::Text, Fixture("import_line_ends.txt"), host);
    ASSERT_EQ(r.outcome, ImportOutcome::Added);
    ASSERT_EQ(r.found, 7);
    const ColumnStore& s = w.g.system.columns;
    const std::vector<Column> found(s.items(), s.items() + r.found);
    EXPECT_EQ(found, (std::vector<Column>{C({1, 2, 3, 4, 5, 6}), C({1, 2, 3, 4, 5, 6}), C({1, 2, 3, 4, 5, 7}),
                                          C({8, 9, 10, 11, 12, 13}), C({10, 20, 30, 40, 50, 60}),
                                          C({11, 21, 31, 41, 51, 61}), C({21, 22, 23, 24, 25, 26})}));
    EXPECT_EQ(s.count, 0); // candidates wait in the scratch slots
}

TEST(TextImport, ColumnsAlreadyListedAreNotOfferedAndTheLongMessageExplains) {
    TempDir tmp;
    WriteText(tmp.file("a.txt"), "1 2 3 4 5 6\r\n7 8 9 10 11 12\n");
    World w;
    w.add({C({7, 8, 9, 10, 11, 12}), C({1, 2, 3, 4, 5, 6})});
    StepHost host;
    EXPECT_EQ(ImportColumns(w.g, ImportSource::Text, tmp.file("a.txt"), host), ImportOutcome::NothingFound);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.last().text, kNothingFoundInTextFileText);
    EXPECT_EQ(w.messages.last().icon, MessageIcon::Warning);
    EXPECT_EQ(w.g.system.columns.count, 2);
    EXPECT_FALSE(w.g.system.modified);
}

TEST(TextImport, ExportThenImportFindsNothingNew) {
    TempDir tmp;
    World w;
    w.add({C({1, 12, 23, 34, 45, 90}), C({2, 3, 4, 5, 6, 7})});
    StepHost host;
    ASSERT_EQ(ExportColumnsToText(w.g.system.columns, tmp.file("out.txt"), host), ExportOutcome::Completed);
    EXPECT_EQ(ImportColumns(w.g, ImportSource::Text, tmp.file("out.txt"), host), ImportOutcome::NothingFound);
    EXPECT_EQ(w.g.system.columns.count, 2);
}

TEST(TextImport, AnsweringNoAddsNothingButKeepsTheFreshSnapshot) {
    TempDir tmp;
    WriteText(tmp.file("a.txt"), "1 2 3 4 5 6\r\n");
    World w;
    w.add({C({7, 8, 9, 10, 11, 12}), C({2, 3, 4, 5, 6, 7}), C({3, 4, 5, 6, 7, 8})});
    w.messages.answerNext(MessageAnswer::No);
    StepHost host;
    EXPECT_EQ(ImportColumns(w.g, ImportSource::Text, tmp.file("a.txt"), host), ImportOutcome::Declined);
    EXPECT_EQ(w.g.system.columns.count, 3);
    EXPECT_EQ(w.g.undo.snapshotCount, 3);
    EXPECT_FALSE(w.g.system.modified);
}

TEST(SystemImport, ReadsTheColumnsOfBothVersions) {
    TempDir tmp;
    const std::vector<Column> cols{C({1, 2, 3, 4, 5, 6}), C({10, 20, 30, 40, 50, 60}),
                                   C({5, 6, 7, 8, 9, 10})};
    for (int version : {2, 3}) {
        SCOPED_TRACE(version);
        WriteBytes(tmp.file("s.sxv"), SystemBytes(version, cols, 3));
        World w;
        w.add({C({5, 6, 7, 8, 9, 10})});
        StepHost host;
        EXPECT_EQ(ImportColumns(w.g, ImportSource::SystemFile, tmp.file("s.sxv"), host),
                  ImportOutcome::Added);
        EXPECT_EQ(w.messages.last().text, "Inserire le 2 colonne trovate nel file ?");
        EXPECT_EQ(w.list(), (std::vector<Column>{C({5, 6, 7, 8, 9, 10}), C({1, 2, 3, 4, 5, 6}),
                                                 C({10, 20, 30, 40, 50, 60})}));
    }
}

TEST(SystemImport, NeverTakesColumnsFromOutsideTheFileNorAbnormalOnes) {
    TempDir tmp;
    const std::vector<Column> cols{C({1, 2, 3, 4, 5, 6}), C({6, 5, 4, 3, 2, 1}), C({0, 2, 3, 4, 5, 6}),
                                   C({1, 2, 3, 4, 5, 91}), C({7, 8, 9, 10, 11, 12})};
    auto bytes = SystemBytes(3, cols, 1000); // announces far more than it holds
    bytes.insert(bytes.end(), {1, 2, 3});    // and a cut column
    WriteBytes(tmp.file("s.sxv"), bytes);
    World w;
    StepHost host;
    const auto r = CollectImportColumns(w.g, ImportSource::SystemFile, tmp.file("s.sxv"), host);
    ASSERT_EQ(r.found, 2);
    EXPECT_EQ(w.g.system.columns.at(1), C({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(w.g.system.columns.at(2), C({7, 8, 9, 10, 11, 12}));

    for (std::int32_t announced : {-5, 0}) {
        WriteBytes(tmp.file("s.sxv"), SystemBytes(3, cols, announced));
        World v;
        EXPECT_EQ(ImportColumns(v.g, ImportSource::SystemFile, tmp.file("s.sxv"), host),
                  ImportOutcome::NothingFound);
        EXPECT_EQ(v.messages.last().text, kNothingFoundText);
    }
}

TEST(SystemImport, WrongFormatByteIsRefused) {
    TempDir tmp;
    struct Case {
        ImportSource source;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {ImportSource::SystemFile, {4, 0, 0}},
        {ImportSource::SystemFile, {}},
        {ImportSource::Duplara, {7, 1, 2}},
        {ImportSource::Duplara, {3}},
    };
    for (const Case& c : cases) {
        WriteBytes(tmp.file("f"), c.bytes);
        World w;
        w.add({C({1, 2, 3, 4, 5, 6})});
        StepHost host;
        EXPECT_EQ(ImportColumns(w.g, c.source, tmp.file("f"), host), ImportOutcome::Incompatible);
        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.last().title, "Errore");
        EXPECT_EQ(w.messages.last().text, kIncompatibleVersionText);
        EXPECT_EQ(w.g.undo.snapshotCount, 0); // refused before the snapshot
    }
}

TEST(DuplaraImport, ColumnsFromOffset4778AndAShortTailIgnored) {
    TempDir tmp;
    std::vector<std::uint8_t> b(4778, 0xFF);
    b[0] = 8;
    for (int i = 0; i < 100; ++i) {
        const Column c = C({1, 2, 3, 4, 5, 6 + i % 80});
        b.insert(b.end(), c.n.begin(), c.n.end());
    }
    b.insert(b.end(), {1, 2, 3});
    ASSERT_EQ(b.size(), 4778u + 600 + 3);
    WriteBytes(tmp.file("d.dup"), b);
    World w;
    StepHost host;
    const auto r = CollectImportColumns(w.g, ImportSource::Duplara, tmp.file("d.dup"), host);
    EXPECT_EQ(r.found, 100);
    EXPECT_EQ(w.g.system.columns.at(1), C({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(w.g.system.columns.at(100), C({1, 2, 3, 4, 5, 6 + 99 % 80}));
    EXPECT_EQ(host.maxima.front(), 100);
}

TEST(Import, AStopAtAnyYieldAddsNothing) {
    TempDir tmp;
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += std::to_string(1 + i % 80) + " 81 82 83 84 " + std::to_string(85 + i % 6) + "\r\n";
    WriteText(tmp.file("big.txt"), text);
    for (int stopAt : {1, 2, 5, 20, 21}) {
        SCOPED_TRACE(stopAt);
        World w;
        w.add({C({1, 2, 3, 4, 5, 6})});
        StepHost host(stopAt);
        EXPECT_EQ(ImportColumns(w.g, ImportSource::Text, tmp.file("big.txt"), host), ImportOutcome::Stopped);
        EXPECT_EQ(w.g.system.columns.count, 1);
        EXPECT_TRUE(w.messages.shown.empty());
        EXPECT_FALSE(w.g.system.modified);
    }
}

TEST(Import, WithoutMemoryNothingIsAdded) {
    TempDir tmp;
    WriteText(tmp.file("a.txt"), "1 2 3 4 5 6\n2 3 4 5 6 7\n3 4 5 6 7 8\n");
    World w(0);
    w.g.system.columns.setAllocationLimit(6 * 2);
    StepHost host;
    EXPECT_EQ(ImportColumns(w.g, ImportSource::Text, tmp.file("a.txt"), host), ImportOutcome::GrowthFailed);
    EXPECT_EQ(w.g.system.columns.count, 0);
    EXPECT_EQ(w.messages.last().text, kGrowStoreFailedText);
}

// The plain procedure: FindColumn among the listed columns, the last candidate copied over a hit.
std::vector<Column> ReferenceRemove(const std::vector<Column>& listed, std::vector<Column> cand) {
    std::size_t found = cand.size();
    for (std::size_t j = 0; j < found;) {
        if (std::find(listed.begin(), listed.end(), cand[j]) != listed.end()) {
            cand[j] = cand[found - 1];
            --found;
        } else {
            ++j;
        }
    }
    cand.resize(found);
    return cand;
}

TEST(Import, FastDuplicateRemovalEqualsThePlainScan) {
    std::mt19937 rng(7);
    // Small number ranges make many duplicates; the larger cases go through the hash table.
    struct Case {
        int listed, candidates, spread;
    };
    for (const Case& c : {Case{0, 50, 3}, Case{40, 0, 3}, Case{30, 60, 2}, Case{500, 300, 3},
                          Case{6000, 2000, 4}, Case{3000, 3000, 3}}) {
        for (int trial = 0; trial < 4; ++trial) {
            auto random = [&] {
                Column col;
                for (int k = 0; k < 6; ++k) col[k] = static_cast<Number>(1 + k * 15 + rng() % c.spread);
                return col;
            };
            World w;
            std::vector<Column> listed, cand;
            for (int i = 0; i < c.listed; ++i) listed.push_back(random());
            for (int i = 0; i < c.candidates; ++i) cand.push_back(random());
            ColumnStore& s = w.g.system.columns;
            ASSERT_TRUE(s.tryResize(c.listed + c.candidates + 1));
            std::copy(listed.begin(), listed.end(), s.items());
            std::copy(cand.begin(), cand.end(), s.items() + c.listed);
            s.count = c.listed;
            StepHost host;
            const std::int32_t found = RemoveListedCandidates(s, c.candidates, host);
            const auto expect = ReferenceRemove(listed, cand);
            ASSERT_EQ(found, static_cast<std::int32_t>(expect.size()));
            EXPECT_TRUE(std::equal(expect.begin(), expect.end(), s.items() + c.listed));
            EXPECT_TRUE(std::equal(listed.begin(), listed.end(), s.items()));
        }
    }
}
