#include "editing/range_delete.h"

#include "editing_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(DeleteColumnRange, TheLaterColumnsCloseTheGapInOrder) {
    EditingFixture f(10);
    DeleteColumnRange(f.g, 5, 7);
    EXPECT_EQ(f.list(), (std::vector<Column>{Numbered(1), Numbered(2), Numbered(3), Numbered(4), Numbered(8),
                                             Numbered(9), Numbered(10)}));
    EXPECT_EQ(f.g.undo.snapshotCount, 10);
    EXPECT_TRUE(f.g.system.modified);

    EditingFixture whole(3);
    DeleteColumnRange(whole.g, 1, 3);
    EXPECT_EQ(whole.g.system.columns.count, 0);
}

TEST(DeleteRange, StartsOnTheSelectionOrOnTheWholeList) {
    struct Case {
        std::int32_t count, lo, hi, first, last;
    } cases[] = {
        {10, 3, 6, 3, 6}, {10, 6, 3, 3, 6}, {10, 0, 0, 1, 10}, {10, 4, 40, 4, 10}, {1, 0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        const DeleteRange r(c.count, c.lo, c.hi);
        EXPECT_EQ(r.first(), c.first);
        EXPECT_EQ(r.last(), c.last);
    }
}

TEST(DeleteRange, EachBarDragsTheOtherAlong) {
    DeleteRange r(10, 3, 6);
    EXPECT_FALSE(r.moveFirst(5));
    EXPECT_EQ(r.size(), 2);
    EXPECT_TRUE(r.moveFirst(8));
    EXPECT_EQ(r.last(), 8);
    EXPECT_TRUE(r.moveLast(2));
    EXPECT_EQ(r.first(), 2);
    EXPECT_FALSE(r.moveLast(99)); // clamped to K
    EXPECT_EQ(r.last(), 10);
    EXPECT_EQ(r.size(), 9);
}

TEST(DeleteRangeTexts, AreThoseOfTheDialog) {
    EXPECT_EQ(BracketedColumn(Col({1, 9, 10, 45, 67, 90})), "[1 9 10 45 67 90]");
    EXPECT_EQ(SelectedPlaysText(3), "Numero di giocate selezionate: 3");
    EXPECT_EQ(SelectedColumnsText(3), "Numero di colonne selezionate: 3");
    EXPECT_EQ(DeleteRangeQuestion(1), "Eliminare la colonna selezionata ?");
    EXPECT_EQ(DeleteRangeQuestion(3), "Eliminare le 3 colonne selezionate ?");
}

} // namespace
