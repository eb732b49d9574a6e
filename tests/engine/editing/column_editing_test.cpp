#include "shell/column_editing.h"

#include "core/Globali.h"

#include "fake_clock.h"
#include "recording_messages.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    Fixture() : g(messages, clock) {
        g.undo.allocate();
        auto& s = g.system.columns;
        s.tryResize(8);
        for (int p = 1; p <= 5; ++p) s.at(++s.count) = Column{{1, 2, 3, 4, 5, static_cast<Number>(10 + p)}};
    }
    RecordingMessages messages;
    FakeClock clock;
    Globali g;
};

TEST(DeleteAllColumns, AsksThenEmptiesTheListBehindASnapshot) {
    Fixture f;
    f.messages.answerNext(MessageAnswer::No);
    EXPECT_FALSE(DeleteAllColumns(f.g));
    EXPECT_EQ(f.g.system.columns.count, 5);
    EXPECT_EQ(f.messages.last().text, "Eliminare tutte le colonne finali ?");
    EXPECT_EQ(f.messages.last().buttons, MessageButtons::YesNo);

    f.messages.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(DeleteAllColumns(f.g));
    EXPECT_EQ(f.g.system.columns.count, 0);
    EXPECT_EQ(f.g.undo.snapshotCount, 5);
    EXPECT_TRUE(f.g.system.modified);
}

TEST(RestoreUndoSnapshot, BringsBackTheSameListEveryTime) {
    Fixture f;
    f.messages.answerNext(MessageAnswer::Yes);
    DeleteAllColumns(f.g);
    for (int round = 0; round < 2; ++round) {
        f.messages.answerNext(MessageAnswer::Yes);
        ASSERT_TRUE(RestoreUndoSnapshot(f.g));
        ASSERT_EQ(f.g.system.columns.count, 5);
        EXPECT_EQ(f.g.system.columns.at(5), (Column{{1, 2, 3, 4, 5, 15}}));
    }
    EXPECT_EQ(f.messages.last().text, "Sostituire le attuali 5 colonne con le precedenti 5 colonne ?");
    // The first restore replaced the emptied list: the question named 0 current columns.
    EXPECT_EQ(f.messages.shown[1].text, "Sostituire le attuali 0 colonne con le precedenti 5 colonne ?");
}

TEST(RestoreUndoSnapshot, WithoutASnapshotDoesNothing) {
    Fixture f;
    EXPECT_FALSE(RestoreUndoSnapshot(f.g));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.g.system.columns.count, 5);
}

} // namespace
