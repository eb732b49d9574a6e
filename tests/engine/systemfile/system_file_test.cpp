#include "core/system_file.h"

#include "core/Globali.h"
#include "fake_clock.h"
#include "recording_messages.h"
#include "systemfile_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct World {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};

    explicit World(const TempDir& tmp) {
        g.dirs.appDir = tmp.dir();
        g.dirs.userDataDir = tmp.dir();
        NewSystem(g, {tmp.dir()});
    }

    void setColumns(std::int32_t n) {
        ASSERT_TRUE(g.system.columns.tryResize(n + 1));
        for (std::int32_t i = 0; i < n; ++i) {
            Column c;
            for (int k = 0; k < 6; ++k) c[k] = static_cast<Number>(1 + k * 10 + (i * 7 + k) % 10);
            g.system.columns.at(i + 1) = c;
        }
        g.system.columns.count = n;
    }
};

void Fill(World& w) {
    SystemState& s = w.g.system;
    s.fixed.count = 2;
    s.fixed.numbers = {7, 70, 0, 0, 0};
    s.forecast.set(7, true);
    s.forecast.set(70, true);
    s.forecast.set(90, true);
    s.relativeWinProbability = 12.5;
    s.absoluteWinProbability = 0.0001;
    w.g.blocks.comparison.count = 1;
    w.g.blocks.comparison.draws[0] = 33;
    w.g.blocks.substitutions.count = 4;
    w.g.blocks.conditions.enabled[3] = 1;
    w.g.blocks.cadences.maxErrors = 5;
    w.g.blocks.frequencies.frozen[0] = 44;
    w.setColumns(3);
}

std::vector<std::uint8_t> BlocksBytes(const SettingsBlocks& b) {
    std::vector<std::uint8_t> out;
    for (const auto& entry : SystemFileBlocks()) {
        std::vector<std::uint8_t> one(entry.size);
        entry.encode(b, one);
        out.insert(out.end(), one.begin(), one.end());
    }
    return out;
}

bool SameColumns(const ColumnStore& a, const ColumnStore& b) {
    if (a.count != b.count) return false;
    for (std::int32_t p = 1; p <= a.count; ++p)
        if (!(a.at(p) == b.at(p))) return false;
    return true;
}

// Writes like the real writer but fails once `limit` bytes have gone out.
class FailingWriter final : public binio::AtomicFileWriter {
public:
    FailingWriter(std::string target, std::size_t limit)
        : AtomicFileWriter(std::move(target)), limit_(limit) {}

protected:
    std::size_t rawWrite(std::FILE* file, const void* data, std::size_t size) override {
        const std::size_t allowed = written_ >= limit_ ? 0 : std::min(size, limit_ - written_);
        const std::size_t done = std::fwrite(data, 1, allowed, file);
        written_ += done;
        return done;
    }

private:
    std::size_t limit_;
    std::size_t written_ = 0;
};

} // namespace

TEST(SystemFile, SavedSizesAndOffsets) {
    TempDir tmp;
    World w(tmp);
    EXPECT_EQ(w.g.system.currentPath, tmp.dir() + "Sistema1.sxv");
    ASSERT_TRUE(SaveSystem(w.g));
    EXPECT_EQ(ReadBytes(w.g.system.currentPath).size(), 31960u);

    Fill(w);
    w.g.system.modified = true;
    ASSERT_TRUE(SaveSystem(w.g));
    EXPECT_FALSE(w.g.system.modified);
    const auto b = ReadBytes(w.g.system.currentPath);
    ASSERT_EQ(b.size(), 31960u + 6 * 3);
    std::vector<std::uint8_t> expect(31960 + 18, 0);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[1], 2); // fixed count, 32-bit
    EXPECT_EQ(b[5], 7); // fixed numbers
    EXPECT_EQ(b[6], 70);
    EXPECT_EQ(b[10 + 6], 1);  // forecast flag of 7
    EXPECT_EQ(b[10 + 89], 1); // of 90
    PutDouble(expect, 100, 12.5);
    EXPECT_TRUE(std::equal(b.begin() + 100, b.begin() + 108, expect.begin() + 100));
    EXPECT_EQ(b[2084 + 1608], 44); // frozen frequency of 1, in the second block
    EXPECT_EQ(b[10316], 1);        // comparison count
    EXPECT_EQ(b[10316 + 4], 33);
    EXPECT_EQ(b[11980 + 3], 1);    // condition 3 enabled
    EXPECT_EQ(b[30512 + 80], 5);   // cadence maximum errors
    EXPECT_EQ(b[30748 + 1200], 4); // substitution count
    EXPECT_EQ(b[31956], 3);        // column count
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::equal(b.begin() + 31960 + 6 * i, b.begin() + 31966 + 6 * i,
                               w.g.system.columns.at(i + 1).n.begin()));
}

TEST(SystemFile, SaveThenOpenGivesTheSameSystem) {
    TempDir tmp;
    World a(tmp);
    Fill(a);
    a.setColumns(25'000); // more than two chunks
    int pumps = 0;
    ASSERT_TRUE(SaveSystem(a.g, [&] { ++pumps; }));
    EXPECT_EQ(pumps, 3);

    World b(tmp);
    ASSERT_TRUE(b.g.system.columns.tryResize(25'001));
    ASSERT_TRUE(OpenSystem(b.g, a.g.system.currentPath, {tmp.dir()}));
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_EQ(b.g.system.currentPath, a.g.system.currentPath);
    EXPECT_EQ(b.g.system.fixed.count, 2);
    EXPECT_EQ(b.g.system.fixed.numbers, a.g.system.fixed.numbers);
    EXPECT_EQ(b.g.system.forecast.flags, a.g.system.forecast.flags);
    EXPECT_EQ(b.g.system.relativeWinProbability, 12.5);
    EXPECT_EQ(b.g.system.absoluteWinProbability, 0.0001);
    EXPECT_EQ(BlocksBytes(b.g.blocks), BlocksBytes(a.g.blocks));
    EXPECT_TRUE(SameColumns(b.g.system.columns, a.g.system.columns));
    EXPECT_FALSE(b.g.system.modified);
}

TEST(SystemFile, LoadKeepsTheFilterColumns) {
    TempDir tmp;
    World a(tmp);
    ASSERT_TRUE(SaveSystem(a.g));
    World b(tmp);
    b.g.blocks.filterColumns.count = 1; // shared by all systems, not part of the file
    b.g.blocks.filterColumns.columns.resize(2);
    b.g.system.currentPath = a.g.system.currentPath;
    ASSERT_TRUE(LoadSystem(b.g));
    EXPECT_EQ(b.g.blocks.filterColumns.count, 1);
}

TEST(SystemFile, Version2IsReadWithItsExtraBlockSkipped) {
    TempDir tmp;
    World a(tmp);
    Fill(a);
    a.setColumns(7);
    ASSERT_TRUE(SaveSystem(a.g));
    auto v3 = ReadBytes(a.g.system.currentPath);
    std::vector<std::uint8_t> v2(v3.size() + 1680, 0xAB); // whatever the old block held is never read
    std::copy_n(v3.begin(), 11980, v2.begin());
    std::copy(v3.begin() + 11980, v3.end(), v2.begin() + 11980 + 1680);
    v2[0] = 2;
    ASSERT_EQ(v2.size(), 33640u + 6 * 7);
    WriteBytes(tmp.file("old.sxv"), v2);

    World b(tmp);
    ASSERT_TRUE(OpenSystem(b.g, tmp.file("old.sxv"), {tmp.dir()}));
    EXPECT_EQ(BlocksBytes(b.g.blocks), BlocksBytes(a.g.blocks));
    EXPECT_TRUE(SameColumns(b.g.system.columns, a.g.system.columns));
    EXPECT_EQ(b.g.system.forecast.flags, a.g.system.forecast.flags);
    // Saving it again writes version 3.
    ASSERT_TRUE(SaveSystem(b.g));
    EXPECT_EQ(ReadBytes(tmp.file("old.sxv")), v3);
}

TEST(SystemFile, UnknownVersionShowsBothMessages) {
    TempDir tmp;
    World w(tmp);
    std::vector<std::uint8_t> bytes(31960, 0);
    bytes[0] = 4;
    WriteBytes(tmp.file("future.sxv"), bytes);
    EXPECT_FALSE(OpenSystem(w.g, tmp.file("future.sxv"), {tmp.dir()}));
    ASSERT_EQ(w.messages.shown.size(), 2u);
    EXPECT_EQ(w.messages.shown[0].title, "Errore");
    EXPECT_EQ(w.messages.shown[0].text, kIncompatibleVersionText);
    EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(w.messages.shown[1].title, "Attenzione");
    EXPECT_EQ(w.messages.shown[1].text, kOpenFailedText);
    EXPECT_EQ(w.messages.shown[1].icon, MessageIcon::Error);
    // A later "Salva" writes the new system's own name, never over the unreadable file.
    EXPECT_EQ(w.g.system.currentPath, tmp.dir() + "Sistema1.sxv");
}

TEST(SystemFile, DamagedFilesAreNotLoaded) {
    TempDir tmp;
    World a(tmp);
    Fill(a);
    a.setColumns(4);
    ASSERT_TRUE(SaveSystem(a.g));
    const auto good = ReadBytes(a.g.system.currentPath);

    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> damage;
    };
    const Case cases[] = {
        {"empty file", [](auto& b) { b.clear(); }},
        {"header cut", [](auto& b) { b.resize(20000); }},
        {"count beyond the file", [](auto& b) { Put32(b, 31956, 5); }},
        {"last column cut", [](auto& b) { b.pop_back(); }},
        {"huge count", [](auto& b) { Put32(b, 31956, 0x7fffffff); }},
        {"negative count", [](auto& b) { Put32(b, 31956, -1); }},
        {"column not ascending", [](auto& b) { std::swap(b[31960], b[31961]); }},
        {"number 0", [](auto& b) { b[31960 + 6] = 0; }},
        {"number 91", [](auto& b) { b[31960 + 23] = 91; }},
        {"repeated number", [](auto& b) { b[31960 + 1] = b[31960]; }},
        {"fixed count 6", [](auto& b) { Put32(b, 1, 6); }},
        {"fixed number 200", [](auto& b) { b[5] = 200; }},
        {"forecast flag 2", [](auto& b) { b[10] = 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bytes = good;
        c.damage(bytes);
        WriteBytes(tmp.file("damaged.sxv"), bytes);
        World w(tmp);
        w.setColumns(2); // whatever the list held before, a failed open leaves it empty
        EXPECT_FALSE(OpenSystem(w.g, tmp.file("damaged.sxv"), {tmp.dir()}));
        ASSERT_FALSE(w.messages.shown.empty());
        EXPECT_EQ(w.messages.last().text, kOpenFailedText);
        EXPECT_EQ(w.g.system.columns.count, 0);
        EXPECT_EQ(w.g.system.fixed.count, 0);
        EXPECT_EQ(w.g.system.forecast.count(), 0);
        EXPECT_EQ(w.g.system.relativeWinProbability, -1);
        EXPECT_EQ(w.g.blocks.comparison.count, 2); // still the defaults of the new system
        EXPECT_EQ(w.g.system.currentPath, tmp.dir() + "Sistema2.sxv");
        EXPECT_FALSE(w.g.system.modified);
    }
    World w(tmp);
    EXPECT_FALSE(OpenSystem(w.g, tmp.file("does-not-exist.sxv"), {tmp.dir()}));
    EXPECT_EQ(w.messages.shown.size(), 1u);
}

TEST(SystemFile, ExtraBytesAfterTheColumnsAreIgnored) {
    TempDir tmp;
    World a(tmp);
    a.setColumns(2);
    ASSERT_TRUE(SaveSystem(a.g));
    auto bytes = ReadBytes(a.g.system.currentPath);
    bytes.insert(bytes.end(), {1, 2, 3});
    WriteBytes(tmp.file("longer.sxv"), bytes);
    World b(tmp);
    ASSERT_TRUE(OpenSystem(b.g, tmp.file("longer.sxv"), {tmp.dir()}));
    EXPECT_EQ(b.g.system.columns.count, 2);
}

TEST(SystemFile, LoadWithoutMemoryLeavesAnEmptyList) {
    TempDir tmp;
    World a(tmp);
    a.setColumns(1000);
    ASSERT_TRUE(SaveSystem(a.g));
    World b(tmp);
    b.g.system.columns.setAllocationLimit(6 * 10);
    EXPECT_FALSE(OpenSystem(b.g, a.g.system.currentPath, {tmp.dir()}));
    EXPECT_EQ(b.g.system.columns.count, 0);
    EXPECT_LE(b.g.system.columns.count, b.g.system.columns.capacity());
    ASSERT_EQ(b.messages.shown.size(), 2u);
    EXPECT_EQ(b.messages.shown[0].text, kGrowStoreFailedText);
    EXPECT_EQ(b.messages.shown[1].text, kOpenFailedText);
}

TEST(SystemFile, FailedSaveKeepsTheFileOnDisk) {
    TempDir tmp;
    World w(tmp);
    Fill(w);
    ASSERT_TRUE(SaveSystem(w.g));
    const auto before = ReadBytes(w.g.system.currentPath);
    w.setColumns(15'000);
    for (std::size_t limit :
         {std::size_t{0}, std::size_t{1}, std::size_t{116}, std::size_t{31959}, std::size_t{31960},
          std::size_t{31960 + 6 * 10'000}, std::size_t{31960 + 6 * 15'000 - 1}}) {
        SCOPED_TRACE(limit);
        w.g.system.modified = true;
        FailingWriter writer(w.g.system.currentPath, limit);
        EXPECT_FALSE(SaveSystemWith(w.g, writer));
        EXPECT_TRUE(w.g.system.modified);
        EXPECT_EQ(ReadBytes(w.g.system.currentPath), before);
        EXPECT_FALSE(std::filesystem::exists(writer.temporaryPath()));
    }
    w.g.system.currentPath = tmp.file("no-such-folder/Sistema1.sxv");
    EXPECT_FALSE(SaveSystem(w.g));
    w.g.system.currentPath = tmp.dir() + "Sistema1.sxv";
    FailingWriter enough(w.g.system.currentPath, 31960 + 6 * 15'000);
    EXPECT_TRUE(SaveSystemWith(w.g, enough));
    EXPECT_EQ(ReadBytes(w.g.system.currentPath).size(), 31960u + 6 * 15'000);
}

TEST(SystemFile, SaveIntoReadOnlyFolderFailsAndKeepsTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir tmp;
    World w(tmp);
    ASSERT_TRUE(SaveSystem(w.g));
    const auto before = ReadBytes(w.g.system.currentPath);
    std::filesystem::permissions(tmp.dir(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    w.setColumns(10);
    w.g.system.modified = true;
    EXPECT_FALSE(SaveSystem(w.g));
    EXPECT_TRUE(w.g.system.modified);
    std::filesystem::permissions(tmp.dir(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadBytes(w.g.system.currentPath), before);
}

TEST(SystemFile, DefaultNameTakesTheFirstFreeNumber) {
    TempDir tmp;
    WriteText(tmp.file("Sistema1.sxv"), "x");
    WriteText(tmp.file("Sistema3.sxv"), "x");
    EXPECT_EQ(DefaultSystemPath(tmp.dir()), tmp.dir() + "Sistema2.sxv");
    WriteText(tmp.file("Sistema2.sxv"), "x");
    EXPECT_EQ(DefaultSystemPath(tmp.dir()), tmp.dir() + "Sistema4.sxv");
}

TEST(SystemFile, NewSystemResetsEverythingButTheUndoSnapshot) {
    TempDir tmp;
    World w(tmp);
    Fill(w);
    w.g.system.superStar = true;
    w.g.system.modified = true;
    w.g.undo.snapshotCount = 3;
    std::filesystem::create_directories(tmp.file("docs"));
    NewSystem(w.g, {tmp.file("docs"), 0, 0});
    EXPECT_EQ(w.g.system.currentPath, tmp.file("docs") + "/Sistema1.sxv");
    EXPECT_EQ(w.g.system.columns.count, 0);
    EXPECT_EQ(w.g.system.fixed.count, 0);
    EXPECT_EQ(w.g.system.forecast.count(), 0);
    EXPECT_EQ(w.g.system.relativeWinProbability, -1);
    EXPECT_EQ(w.g.system.absoluteWinProbability, -1);
    EXPECT_FALSE(w.g.system.superStar);
    EXPECT_FALSE(w.g.system.modified);
    EXPECT_EQ(w.g.blocks.comparison.draws[0], 20);
    EXPECT_EQ(w.g.blocks.frequencies.frozen[0], -1);
    EXPECT_EQ(w.g.undo.snapshotCount, 3);
    // A missing documents folder falls back to the program's folder.
    NewSystem(w.g, {tmp.file("missing")});
    EXPECT_EQ(w.g.system.currentPath, tmp.dir() + "Sistema1.sxv");
}
