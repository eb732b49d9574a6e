#include "editing/column_entry.h"

#include "editing_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(FirstInvalidColumnLine, NamesTheFirstBadLineAndSkipsBlankOnes) {
    struct Case {
        ColumnLines lines;
        int expected;
    } cases[] = {
        {{}, 0},
        {{"1 2 3 4 5 6", "", "   ", "90 80 70 60 50 40"}, 0},
        {{"1 2 3 4 5 6", "7 8 9 10 11 12", "1 2 3 4 5"}, 3},
        {{"", "1 2 3 4 5 6 7"}, 2},
        {{"1 2 3 4 5 91"}, 1},
        {{"1 2 3 4 5 6", "\t", "1 2 3 4 5 x", "1 2 3"}, 3},
        {{"1 1 2 3 4 5"}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstInvalidColumnLine(c.lines), c.expected);
    EXPECT_EQ(InvalidColumnLineText(3), "La colonna nº 3 non è valida.");
}

TEST(InsertColumnLines, SkipsRepeatsSilentlyAndInvalidatesOnlyWhenSomethingWasAdded) {
    EditingFixture f(2);
    f.g.system.relativeWinProbability = 12;
    // A new column typed twice, and the listed column 2 written in another order.
    const AppendResult r =
        InsertColumnLines(f.g, {"30 20 10 40 50 60", "", "10 20 30 40 50 60", "12 5 4 3 2 1"});
    EXPECT_TRUE(r.grown);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(f.list(), (std::vector<Column>{Numbered(1), Numbered(2), Col({10, 20, 30, 40, 50, 60})}));
    EXPECT_EQ(f.g.undo.snapshotCount, 2);
    EXPECT_TRUE(f.g.system.modified);
    EXPECT_EQ(f.g.system.relativeWinProbability, -1);
    EXPECT_TRUE(f.messages.shown.empty());

    EditingFixture same(2);
    EXPECT_EQ(InsertColumnLines(same.g, {" 1 2 3 4 5 11"}).added, 0);
    EXPECT_EQ(same.g.system.columns.count, 2);
    EXPECT_FALSE(same.g.system.modified);
    EXPECT_TRUE(same.messages.shown.empty());
}

TEST(InsertColumnLines, FillsAnEmptyStore) {
    EditingFixture f;
    ASSERT_EQ(InsertColumnLines(f.g, {"1 2 3 4 5 6", "7 8 9 10 11 12"}).added, 2);
    EXPECT_EQ(f.list(), (std::vector<Column>{Col({1, 2, 3, 4, 5, 6}), Col({7, 8, 9, 10, 11, 12})}));
    EXPECT_EQ(f.g.undo.snapshotCount, 0); // nothing to save from an empty list
}

TEST(ModifyColumnRange, UnchangedLinesMoveTheRangeToTheEnd) {
    EditingFixture f(6);
    const ColumnLines lines = FormatColumnRange(f.g.system.columns, 4, 2); // ends in either order
    ASSERT_EQ(lines, (ColumnLines{" 1  2  3  4  5 12", " 1  2  3  4  5 13", " 1  2  3  4  5 14"}));
    const AppendResult r = ModifyColumnRange(f.g, 2, 4, lines);
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(f.list(), (std::vector<Column>{Numbered(1), Numbered(5), Numbered(6), Numbered(2), Numbered(3),
                                             Numbered(4)}));
    EXPECT_TRUE(f.g.system.modified);
    EXPECT_EQ(f.g.undo.snapshotCount, 6);
    EXPECT_EQ(f.g.undo.buffer[1], Numbered(2));
}

TEST(ModifyColumnRange, RewritesDropsAndDeduplicates) {
    EditingFixture f(5);
    // Column 2 rewritten, column 3 turned into a copy of column 5 (dropped), the memo's last line
    // cleared away.
    ModifyColumnRange(f.g, 2, 4, {"60 61 62 63 64 65", "1 2 3 4 5 15"});
    EXPECT_EQ(f.list(), (std::vector<Column>{Numbered(1), Numbered(5), Col({60, 61, 62, 63, 64, 65})}));

    EditingFixture cleared(5);
    ModifyColumnRange(cleared.g, 5, 5, {});
    EXPECT_EQ(cleared.g.system.columns.count, 4);
    EXPECT_TRUE(cleared.g.system.modified);
}

TEST(AppendColumnLines, AShortageAddsNothingAndAModificationKeepsTheRangeRemoved) {
    EditingFixture f(4);
    auto& s = f.g.system.columns;
    s.setAllocationLimit(static_cast<std::size_t>(s.capacity()) * sizeof(Column));
    const AppendResult r =
        ModifyColumnRange(f.g, 1, 2, {"1 2 3 4 5 6", "7 8 9 10 11 12", "13 14 15 16 17 18"});
    EXPECT_FALSE(r.grown);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(f.list(), (std::vector<Column>{Numbered(3), Numbered(4)}));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.last().text, kGrowStoreFailedText);
    EXPECT_EQ(f.g.undo.snapshotCount, 4);
}

TEST(RemoveColumnRange, ClampsToTheLiveList) {
    EditingFixture f(5);
    RemoveColumnRange(f.g.system.columns, 4, 99);
    EXPECT_EQ(f.list(), (std::vector<Column>{Numbered(1), Numbered(2), Numbered(3)}));
    RemoveColumnRange(f.g.system.columns, 7, 9);
    RemoveColumnRange(f.g.system.columns, 0, 0);
    EXPECT_EQ(f.g.system.columns.count, 3);
    EXPECT_TRUE(FormatColumnRange(f.g.system.columns, 5, 8).empty());
}

} // namespace
