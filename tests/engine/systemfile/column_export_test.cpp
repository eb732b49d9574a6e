#include "shell/column_export.h"

#include "core/Globali.h"
#include "fake_clock.h"
#include "recording_messages.h"
#include "systemfile_support.h"

#include <gtest/gtest.h>

namespace {

struct World {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};

    void fill(std::int32_t n) {
        ColumnStore& s = g.system.columns;
        s.tryResize(n + 1);
        for (std::int32_t i = 0; i < n; ++i) {
            Column c;
            for (int k = 0; k < 6; ++k) c[k] = static_cast<Number>(k * 15 + 1 + (i + k) % 15);
            s.at(i + 1) = c;
        }
        s.count = n;
    }
};

std::string AsText(const std::vector<std::uint8_t>& b) {
    return {b.begin(), b.end()};
}

} // namespace

TEST(TextExport, OneColumnPerLineWithoutPaddingAndCrLf) {
    TempDir tmp;
    World w;
    ColumnStore& s = w.g.system.columns;
    s.tryResize(3);
    s.at(1) = Column{{1, 12, 23, 34, 45, 90}};
    s.at(2) = Column{{2, 3, 4, 5, 6, 7}};
    s.count = 2;
    StepHost host;
    EXPECT_EQ(ExportFinalColumns(w.g, tmp.file("c.txt"), host), ExportOutcome::Completed);
    EXPECT_EQ(AsText(ReadBytes(tmp.file("c.txt"))), "1 12 23 34 45 90\r\n2 3 4 5 6 7\r\n");
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.last().title, "OK");
    EXPECT_EQ(w.messages.last().text, kExportDoneText);
    EXPECT_EQ(w.messages.last().icon, MessageIcon::Information);
}

TEST(TextExport, LargeListsGoOutWhole) {
    TempDir tmp;
    World w;
    w.fill(30'000);
    StepHost host;
    ASSERT_EQ(ExportColumnsToText(w.g.system.columns, tmp.file("c.txt"), host), ExportOutcome::Completed);
    const std::string text = AsText(ReadBytes(tmp.file("c.txt")));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 30'000);
    EXPECT_EQ(text.substr(0, text.find('\r')), "1 17 33 49 65 81");
}

TEST(TextExport, AStoppedExportLeavesNoFile) {
    TempDir tmp;
    World w;
    w.fill(20'000);
    StepHost host(1);
    EXPECT_EQ(ExportFinalColumns(w.g, tmp.file("c.txt"), host), ExportOutcome::Stopped);
    EXPECT_TRUE(std::filesystem::is_empty(tmp.dir()));
    EXPECT_TRUE(w.messages.shown.empty());
    // An older file of that name is kept as it was.
    WriteText(tmp.file("old.txt"), "1 2 3 4 5 6\r\n");
    StepHost again(1);
    EXPECT_EQ(ExportColumnsToText(w.g.system.columns, tmp.file("old.txt"), again), ExportOutcome::Stopped);
    EXPECT_EQ(AsText(ReadBytes(tmp.file("old.txt"))), "1 2 3 4 5 6\r\n");
}

TEST(TextExport, AFolderThatCannotBeWrittenGivesTheErrorMessage) {
    TempDir tmp;
    World w;
    w.fill(3);
    StepHost host;
    EXPECT_EQ(ExportFinalColumns(w.g, tmp.file("no/such/folder/c.txt"), host), ExportOutcome::WriteFailed);
    EXPECT_EQ(w.messages.last().title, "Errore");
    EXPECT_EQ(w.messages.last().text, kExportFailedText);
}
