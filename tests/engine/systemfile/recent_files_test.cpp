#include "core/system_file.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Disk {
    std::set<std::string> files;
    std::function<bool(const std::string&)> exists() const {
        return [this](const std::string& p) { return files.count(p) != 0; };
    }
};

} // namespace

TEST(RecentFiles, Captions) {
    EXPECT_EQ(RecentFileCaption("C:\\Documenti\\Giochi\\Sistema1.sxv"), "C:\\..\\Sistema1.sxv");
    EXPECT_EQ(RecentFileCaption("d:\\x.sxv"), "d:\\..\\x.sxv");
    EXPECT_EQ(RecentFileCaption("/home/mario/Documenti/Sistema1.sxv"), "/../Sistema1.sxv");
}

TEST(RecentFiles, LoadsTheStoredValuesHidingCurrentMissingAndFloppyFiles) {
    Disk disk{{"/d/A.sxv", "/d/B.sxv", "a:\\F.sxv", "/d/C.sxv"}};
    RecentFileValues stored{" /d/A.sxv ", "/d/gone.sxv", "a:\\F.sxv", "/D/b.SXV", "", "/d/C.sxv"};
    stored[3] = "/d/B.sxv";
    RecentFileItems items;
    const auto written = RebuildRecentFiles(items, stored, "/D/c.sxv", nullptr, disk.exists());
    EXPECT_FALSE(written.has_value()); // only a save writes the values
    EXPECT_TRUE(items[0].visible);
    EXPECT_EQ(items[0].path, "/d/A.sxv");
    EXPECT_EQ(items[0].caption, "/../A.sxv");
    for (int k : {1, 2, 4, 5, 6, 7, 8}) {
        EXPECT_FALSE(items[static_cast<std::size_t>(k)].visible) << k;
        EXPECT_EQ(items[static_cast<std::size_t>(k)].caption, "-") << k;
        EXPECT_TRUE(items[static_cast<std::size_t>(k)].path.empty()) << k;
    }
    EXPECT_TRUE(items[3].visible);
}

TEST(RecentFiles, SavingAThenBThenOpeningAShowsB) {
    Disk disk{{"/d/A.sxv", "/d/B.sxv"}};
    RecentFileValues stored;
    RecentFileItems items;
    // Save A (A is current).
    std::string saved = "/d/A.sxv";
    auto written = RebuildRecentFiles(items, stored, "/d/A.sxv", &saved, disk.exists());
    ASSERT_TRUE(written);
    stored = *written;
    EXPECT_EQ(stored[0], "/d/A.sxv");
    EXPECT_FALSE(items[0].visible);
    // Save B (B is current).
    saved = "/d/B.sxv";
    written = RebuildRecentFiles(items, stored, "/d/B.sxv", &saved, disk.exists());
    ASSERT_TRUE(written);
    stored = *written;
    // Step 1 cleared A's slot? No: A is not current any more, so it stays and moves down.
    EXPECT_EQ(stored[0], "/d/B.sxv");
    EXPECT_EQ(stored[1], "/d/A.sxv");
    // Open A: the list shows B only.
    written = RebuildRecentFiles(items, stored, "/d/A.sxv", nullptr, disk.exists());
    EXPECT_FALSE(written);
    EXPECT_TRUE(items[0].visible);
    EXPECT_EQ(items[0].path, "/d/B.sxv");
    EXPECT_FALSE(items[1].visible);
}

TEST(RecentFiles, AKnownOrFloppyPathIsNotAddedAndNineIsTheLimit) {
    Disk disk;
    RecentFileValues stored;
    for (int k = 0; k < 9; ++k) {
        stored[static_cast<std::size_t>(k)] = "/d/S" + std::to_string(k + 1) + ".sxv";
        disk.files.insert(stored[static_cast<std::size_t>(k)]);
    }
    disk.files.insert("/d/new.sxv");
    disk.files.insert("A:\\x.sxv");
    RecentFileItems items;
    std::string known = "/D/s4.sxv";
    EXPECT_FALSE(RebuildRecentFiles(items, stored, "/d/other.sxv", &known, disk.exists()));
    std::string floppy = "A:\\x.sxv";
    EXPECT_FALSE(RebuildRecentFiles(items, stored, "/d/other.sxv", &floppy, disk.exists()));
    std::string fresh = "/d/new.sxv";
    const auto written = RebuildRecentFiles(items, stored, "/d/other.sxv", &fresh, disk.exists());
    ASSERT_TRUE(written);
    EXPECT_EQ((*written)[0], "/d/new.sxv");
    EXPECT_TRUE(items[0].visible); // not the current file
    for (int k = 1; k < 9; ++k)
        EXPECT_EQ((*written)[static_cast<std::size_t>(k)], stored[static_cast<std::size_t>(k - 1)]);
}
