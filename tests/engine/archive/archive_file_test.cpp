#include "archive/archive_file.h"

#include "archive_test_support.h"
#include "core/Globali.h"
#include "fake_clock.h"
#include "recording_messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path Fixture(const char* name) {
    return std::filesystem::path(SESTAVIA_FIXTURES_DIR) / "archive" / name;
}

TEST(ArchiveFile, SaveAndReloadGiveTheSameRecords) {
    TempDir dir;
    std::mt19937 rng(11);
    const DrawArchive saved = RandomArchive(rng, 500);
    RandomGenerator random(1);
    ASSERT_TRUE(saveArchive(saved, dir / "Sestavia.dbs", random));
    EXPECT_EQ(std::filesystem::file_size(dir / "Sestavia.dbs"), 101u + 14u * 500u);

    DrawArchive loaded;
    const ArchiveLoadResult result = loadArchive(loaded, dir / "Sestavia.dbs");
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.loaded, 500);
    EXPECT_EQ(result.skipped, 0);
    ASSERT_EQ(loaded.count(), 500);
    for (int k = 1; k <= 500; ++k) ASSERT_EQ(loaded.record(k), saved.record(k)) << k;
    EXPECT_FALSE(std::filesystem::exists(dir / "Sestavia.dbs.tmp"));
}

TEST(ArchiveFile, TwoSavesDifferOnlyInTheFiller) {
    TempDir dir;
    const DrawArchive a = ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6}, 7, 8)});
    RandomGenerator random(99);
    ASSERT_TRUE(saveArchive(a, dir / "a.dbs", random));
    ASSERT_TRUE(saveArchive(a, dir / "b.dbs", random));
    const auto first = ReadBytes(dir / "a.dbs"), second = ReadBytes(dir / "b.dbs");
    ASSERT_EQ(first.size(), 115u);
    ASSERT_EQ(second.size(), 115u);
    EXPECT_NE(std::vector<std::uint8_t>(first.begin(), first.begin() + 101),
              std::vector<std::uint8_t>(second.begin(), second.begin() + 101));
    EXPECT_EQ(std::vector<std::uint8_t>(first.begin() + 101, first.end()),
              std::vector<std::uint8_t>(second.begin() + 101, second.end()));

    // The filler comes from the program's generator, so a fixed seed gives a reproducible file.
    RandomGenerator again(99);
    EXPECT_EQ(EncodeArchive(a, again), first);
}

TEST(ArchiveFile, SizeDecidesTheRecordCount) {
    struct Case {
        std::size_t size;
        int records;
    };
    // A trailing partial record is ignored; shorter than the filler is an empty archive.
    const Case cases[] = {{0, 0}, {60, 0}, {101, 0}, {101 + 13, 0}, {101 + 14, 1}, {101 + 14 * 3 + 5, 3}};
    DrawArchive source;
    for (int k = 1; k <= 4; ++k) source.appendUnchecked(DrawNumber(k, {1, 2, 3, 4, 5, 6}));
    RandomGenerator random(3);
    const std::vector<std::uint8_t> full = EncodeArchive(source, random);
    for (const Case& c : cases) {
        DrawArchive a = ArchiveOf({DrawNumber(1, {7, 8, 9, 10, 11, 12})});
        const auto r = DecodeArchive(std::span(full.data(), c.size), a);
        EXPECT_EQ(a.count(), c.records) << c.size;
        EXPECT_EQ(r.loaded, c.records) << c.size;
    }
}

TEST(ArchiveFile, ShorterThanTheFillerLoadsEmpty) {
    DrawArchive a = ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6})});
    const ArchiveLoadResult r = loadArchive(a, Fixture("shorter_than_filler.dbs"));
    EXPECT_TRUE(r.read);
    EXPECT_TRUE(a.empty());
}

TEST(ArchiveFile, MissingFileLoadsEmpty) {
    TempDir dir;
    DrawArchive a = ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6})});
    const ArchiveLoadResult r = loadArchive(a, dir / "none.dbs");
    EXPECT_FALSE(r.read);
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(a.record(1), DrawRecord{}) << "the table is cleared, not just the count";
}

TEST(ArchiveFile, DamagedRecordsAreLeftOut) {
    // Sound draws on 1, 3 and 5 January; between them a month 13, a number 91, a date going
    // back, a repeated date and a record of 0xFF bytes; then five stray bytes.
    DrawArchive a;
    const ArchiveLoadResult r = loadArchive(a, Fixture("damaged_records.dbs"));
    EXPECT_TRUE(r.read);
    EXPECT_EQ(r.loaded, 3);
    EXPECT_EQ(r.skipped, 5);
    ASSERT_EQ(a.count(), 3);
    EXPECT_EQ(a.record(1), MakeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}, 7, 0, 1));
    EXPECT_EQ(a.record(2), MakeDraw(2020, 1, 3, {11, 12, 13, 14, 15, 16}, 17, 18, 3));
    EXPECT_EQ(a.record(3), MakeDraw(2020, 1, 5, {31, 32, 33, 34, 35, 36}, 37, 90, 7));
}

TEST(ArchiveFile, HostileBytesNeverBreakTheOrder) {
    std::mt19937 rng(5);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> bytes(rng() % 2000);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
        // Make some records plausible so the ordering check has work to do.
        for (std::size_t at = 101; at + 14 <= bytes.size(); at += 14)
            if (rng() % 2) {
                bytes[at] = static_cast<std::uint8_t>(1 + rng() % 28);
                bytes[at + 1] = static_cast<std::uint8_t>(1 + rng() % 12);
                bytes[at + 2] = 0xD0, bytes[at + 3] = 0x07;
                for (int i = 0; i < 7; ++i)
                    bytes[at + 4 + i] = static_cast<std::uint8_t>(1 + (rng() % 15) * 6 + i % 6);
                bytes[at + 11] = static_cast<std::uint8_t>(rng() % 91);
            }
        DrawArchive a;
        DecodeArchive(bytes, a);
        for (int k = 1; k <= a.count(); ++k) {
            ASSERT_TRUE(IsSoundDrawRecord(a.record(k)));
            if (k > 1) {
                ASSERT_LT(CompareDrawDates(a.record(k - 1), a.record(k)), 0);
            }
        }
    }
}

TEST(ArchiveFile, ReadsAtMostTheCapacity) {
    DrawArchive big;
    for (int k = 1; k <= kArchiveCapacity; ++k) big.appendUnchecked(DrawNumber(k, {1, 2, 3, 4, 5, 6}));
    RandomGenerator random(1);
    std::vector<std::uint8_t> image = EncodeArchive(big, random);
    std::array<std::uint8_t, kDrawRecordSize> extra{};
    SerializeDrawRecord(MakeDraw(2100, 12, 31, {1, 2, 3, 4, 5, 6}, 7), extra);
    image.insert(image.end(), extra.begin(), extra.end());
    DrawArchive a;
    DecodeArchive(image, a);
    EXPECT_EQ(a.count(), kArchiveCapacity);
    EXPECT_EQ(a.last(), big.last());
}

TEST(ArchiveFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const auto path = dir / "Sestavia.dbs";
    RandomGenerator random(1);
    ASSERT_TRUE(saveArchive(ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6})}), path, random));
    const auto before = ReadBytes(path);
    // A folder where the temporary file should go makes the write fail.
    std::filesystem::create_directory(dir / "Sestavia.dbs.tmp");
    DrawArchive changed = ArchiveOf({DrawNumber(1, {1, 2, 3, 4, 5, 6}), DrawNumber(2, {1, 2, 3, 4, 5, 6})});
    EXPECT_FALSE(saveArchive(changed, path, random));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(saveArchive(changed, dir / "no-such-folder" / "Sestavia.dbs", random));
}

TEST(ArchiveFile, ProgramStateUsesTheSharedDataFolder) {
    TempDir dir;
    RecordingMessages messages;
    FakeClock clock;
    Globali g(messages, clock);
    g.dirs.sharedDataDir = dir.path().string() + "/";
    g.archive.appendUnchecked(DrawNumber(1, {1, 2, 3, 4, 5, 6}, 7, 8));
    EXPECT_EQ(ArchivePath(g.dirs), dir / "Sestavia.dbs");
    ASSERT_TRUE(saveArchive(g));
    g.archive.clear();
    EXPECT_EQ(loadArchive(g).loaded, 1);
    EXPECT_EQ(g.archive.record(1), DrawNumber(1, {1, 2, 3, 4, 5, 6}, 7, 8));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ArchiveFile, ShippedArchiveIsInstalledOnlyWhenMissing) {
    TempDir dir;
    Directories dirs;
    dirs.appDir = (dir / "app").string() + "/";
    dirs.sharedDataDir = (dir / "shared" / "Sestavia").string() + "/";
    std::filesystem::create_directories(dir / "app" / "data");

    EXPECT_FALSE(InstallShippedArchiveIfMissing(dirs)) << "nothing shipped, nothing to copy";
    EXPECT_FALSE(std::filesystem::exists(dir / "shared" / "Sestavia" / "Sestavia.dbs"));

    WriteBytes(dir / "app" / "data" / "Sestavia.dbs", {1, 2, 3});
    EXPECT_TRUE(InstallShippedArchiveIfMissing(dirs));
    EXPECT_EQ(ReadBytes(dir / "shared" / "Sestavia" / "Sestavia.dbs"), (std::vector<std::uint8_t>{1, 2, 3}));

    // The user's own archive is never replaced by the shipped one.
    WriteBytes(dir / "shared" / "Sestavia" / "Sestavia.dbs", {9});
    EXPECT_TRUE(InstallShippedArchiveIfMissing(dirs));
    EXPECT_EQ(ReadBytes(dir / "shared" / "Sestavia" / "Sestavia.dbs"), (std::vector<std::uint8_t>{9}));
}

} // namespace
