#include "core/column_store.h"
#include "core/undo_snapshot.h"

#include "recording_messages.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Column Col(int a, int b, int c, int d, int e, int f) {
    return Column{{static_cast<Number>(a), static_cast<Number>(b), static_cast<Number>(c),
                   static_cast<Number>(d), static_cast<Number>(e), static_cast<Number>(f)}};
}

constexpr std::size_t Bytes(std::int64_t slots) {
    return static_cast<std::size_t>(slots) * sizeof(Column);
}

TEST(GrowStore, StepsAreTheFirstBlockThenHalfTheCapacity) {
    RecordingMessages messages;
    ColumnStore store;
    ASSERT_TRUE(GrowStore(store, messages));
    EXPECT_EQ(store.capacity(), 5'592'405);
    store.at(1) = Col(1, 2, 3, 4, 5, 6);
    store.at(5'592'405) = Col(85, 86, 87, 88, 89, 90);
    store.count = 5'592'405;
    ASSERT_TRUE(GrowStore(store, messages));
    EXPECT_EQ(store.capacity(), 5'592'405 + 2'796'202);
    EXPECT_EQ(store.at(1), Col(1, 2, 3, 4, 5, 6));
    EXPECT_EQ(store.at(5'592'405), Col(85, 86, 87, 88, 89, 90));
    EXPECT_EQ(store.at(5'592'406), Column{}) << "new slots are zeroed";
    EXPECT_TRUE(messages.shown.empty());
}

TEST(GrowStore, UnderMemoryPressureTakesAQuarterThenASixteenth) {
    struct Case {
        std::int64_t allowedExtra; // slots the cap leaves above the first block
        std::int64_t expectedExtra;
    };
    // From 5,592,405 the full step is 2,796,202; a quarter 699,050; a sixteenth 174,762; then 43,690.
    for (const Case c : {Case{2'796'201, 699'050}, Case{699'049, 174'762}, Case{174'762, 174'762},
                         Case{50'000, 43'690}, Case{2, 2}}) {
        RecordingMessages messages;
        ColumnStore store;
        ASSERT_TRUE(GrowStore(store, messages));
        store.setAllocationLimit(Bytes(5'592'405 + c.allowedExtra));
        ASSERT_TRUE(GrowStore(store, messages)) << c.allowedExtra;
        EXPECT_EQ(store.capacity(), 5'592'405 + c.expectedExtra) << c.allowedExtra;
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(GrowStore, FirstGrowthUnderPressureQuartersTheFirstBlock) {
    RecordingMessages messages;
    ColumnStore store;
    store.setAllocationLimit(Bytes(5'592'404));
    ASSERT_TRUE(GrowStore(store, messages));
    EXPECT_EQ(store.capacity(), 1'398'101);
}

TEST(GrowStore, AStoreOfOneSlotStillGrows) {
    RecordingMessages messages;
    ColumnStore store;
    ASSERT_TRUE(store.tryResize(1));
    ASSERT_TRUE(GrowStore(store, messages));
    EXPECT_EQ(store.capacity(), 2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(GrowStore, FailsWithTheMessageOnlyWhenNotOneSlotFits) {
    RecordingMessages messages;
    ColumnStore store;
    store.setAllocationLimit(Bytes(1'398'101));
    ASSERT_TRUE(GrowStore(store, messages));
    store.at(7) = Col(1, 2, 3, 4, 5, 6);
    store.count = 7;
    EXPECT_FALSE(GrowStore(store, messages));
    EXPECT_EQ(store.capacity(), 1'398'101);
    EXPECT_EQ(store.at(7), Col(1, 2, 3, 4, 5, 6));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().title, "Attenzione");
    EXPECT_EQ(messages.last().icon, MessageIcon::Warning);
    EXPECT_EQ(
        messages.last().text,
        "Errore, non c'è abbastanza memoria libera per lo sviluppo delle colonne.\rDiminuire il numero di "
        "segni o selezionare un altro metodo di riduzione.");
}

class FindColumnTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.tryResize(16));
        for (int i = 1; i <= 8; ++i) store.at(i) = Col(i, 20, 30, 40, 50, 60 + i);
        store.count = 8;
    }
    ColumnStore store;
};

TEST_F(FindColumnTest, EmptyListFindsNothingAndKeepsTheHint) {
    store.count = 0;
    store.lastFound = 3;
    EXPECT_EQ(FindColumn(store, Col(1, 20, 30, 40, 50, 61)), 0);
    EXPECT_EQ(store.lastFound, 3);
}

TEST_F(FindColumnTest, HintWrapsAroundAndMovesOnlyOnAHit) {
    store.lastFound = 6;
    EXPECT_EQ(FindColumn(store, Col(2, 20, 30, 40, 50, 62)), 2);
    EXPECT_EQ(store.lastFound, 2);
    EXPECT_EQ(FindColumn(store, Col(8, 20, 30, 40, 50, 68)), 8);
    EXPECT_EQ(FindColumn(store, Col(9, 20, 30, 40, 50, 68)), 0) << "the last byte alone must not match";
    EXPECT_EQ(store.lastFound, 8);
}

TEST_F(FindColumnTest, ShrunkListNeverReportsAScratchColumn) {
    EXPECT_EQ(FindColumn(store, Col(7, 20, 30, 40, 50, 67)), 7);
    store.count = 4; // positions 5..8 are now scratch, the hint points past the count
    EXPECT_EQ(FindColumn(store, Col(7, 20, 30, 40, 50, 67)), 0);
    EXPECT_EQ(FindColumn(store, Col(5, 20, 30, 40, 50, 65)), 0);
    EXPECT_EQ(FindColumn(store, Col(3, 20, 30, 40, 50, 63)), 3);
}

TEST_F(FindColumnTest, AmongFirstNeverMatchesTheCandidateAtSlotNPlusOne) {
    store.at(9) = Col(1, 20, 30, 40, 50, 61); // candidate in scratch, equal to position 1
    store.at(10) = Col(11, 12, 13, 14, 15, 16);
    store.lastFound = 0;
    EXPECT_EQ(FindColumnAmongFirst(store, store.at(10), 9), 0);
    EXPECT_EQ(FindColumnAmongFirst(store, store.at(9), 8), 1);
    EXPECT_EQ(FindColumnAmongFirst(store, store.at(10), 10), 10);
}

TEST(FindColumn, AgreesWithAPlainScanOnRandomLists) {
    std::mt19937 rng(7);
    ColumnStore store;
    ASSERT_TRUE(store.tryResize(400));
    auto randomColumn = [&] {
        Column c;
        do {
            for (int i = 0; i < 6; ++i) c[i] = static_cast<Number>(1 + rng() % 12);
            std::sort(c.n.begin(), c.n.end());
        } while (std::adjacent_find(c.n.begin(), c.n.end()) != c.n.end());
        return c;
    };
    for (int i = 1; i <= 400; ++i) store.at(i) = randomColumn();
    store.count = 300;
    for (int q = 0; q < 3000; ++q) {
        const Column wanted = randomColumn();
        const std::int32_t hint = store.lastFound;
        std::int32_t expected = 0;
        for (int p = hint + 1; p <= store.count && !expected; ++p)
            if (store.at(p) == wanted) expected = p;
        for (int p = 1; p <= std::min(hint, store.count) && !expected; ++p)
            if (store.at(p) == wanted) expected = p;
        ASSERT_EQ(FindColumn(store, wanted), expected);
        if (q % 500 == 0) store.count = 100 + static_cast<int>(rng() % 300);
    }
}

TEST(SaveUndoSnapshot, CopiesOnlyListsThatFit) {
    UndoSnapshot undo;
    ASSERT_TRUE(undo.allocate());
    ColumnStore store;
    ASSERT_TRUE(store.tryResize(UndoSnapshot::kSlots + 1));
    store.at(1) = Col(1, 2, 3, 4, 5, 6);
    store.at(2) = Col(2, 3, 4, 5, 6, 7);
    store.count = 2;
    SaveUndoSnapshot(undo, store);
    EXPECT_EQ(undo.snapshotCount, 2);
    EXPECT_EQ(undo.buffer[1], Col(2, 3, 4, 5, 6, 7));

    for (std::int32_t count : {0, UndoSnapshot::kSlots + 1}) {
        store.count = count;
        store.at(1) = Col(80, 81, 82, 83, 84, 85);
        SaveUndoSnapshot(undo, store);
        EXPECT_EQ(undo.snapshotCount, 2) << count;
        EXPECT_EQ(undo.buffer[0], Col(1, 2, 3, 4, 5, 6)) << count;
    }
    store.count = UndoSnapshot::kSlots;
    SaveUndoSnapshot(undo, store);
    EXPECT_EQ(undo.snapshotCount, UndoSnapshot::kSlots);
}

TEST(SaveUndoSnapshot, WithoutABufferDoesNothing) {
    UndoSnapshot undo;
    ColumnStore store;
    ASSERT_TRUE(store.tryResize(1));
    store.count = 1;
    SaveUndoSnapshot(undo, store);
    EXPECT_EQ(undo.snapshotCount, 0);
}

} // namespace
