#include "archive/draw_archive.h"

#include "archive_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

std::vector<int> Days(const DrawArchive& a) {
    std::vector<int> days;
    for (const DrawRecord& r : a.records()) days.push_back(r.day);
    return days;
}

TEST(DrawRecord, BytesFollowTheFileLayout) {
    const DrawRecord r = MakeDraw(2026, 5, 23, {14, 29, 34, 57, 59, 69}, 20, 16, 0x1234);
    std::array<std::uint8_t, kDrawRecordSize> bytes{};
    SerializeDrawRecord(r, bytes);
    // 2026 = 0x07EA, little-endian; the numbers keep the order received.
    const std::array<std::uint8_t, kDrawRecordSize> expected{23, 5,  0xEA, 0x07, 14, 29,   34,
                                                             57, 59, 69,   20,   16, 0x34, 0x12};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DeserializeDrawRecord(bytes), r);
}

TEST(DrawRecord, SoundnessRejectsImpossibleFields) {
    const DrawRecord good = MakeDraw(2009, 2, 31, {1, 2, 3, 4, 5, 90}, 7, 0);
    EXPECT_TRUE(IsSoundDrawRecord(good));
    struct Case {
        const char* what;
        DrawRecord r;
    };
    const Case cases[] = {
        {"day 0", MakeDraw(2009, 2, 0, {1, 2, 3, 4, 5, 6}, 7)},
        {"day 32", MakeDraw(2009, 2, 32, {1, 2, 3, 4, 5, 6}, 7)},
        {"month 13", MakeDraw(2009, 13, 1, {1, 2, 3, 4, 5, 6}, 7)},
        {"year 1799", MakeDraw(1799, 1, 1, {1, 2, 3, 4, 5, 6}, 7)},
        {"year 2101", MakeDraw(2101, 1, 1, {1, 2, 3, 4, 5, 6}, 7)},
        {"number 0", MakeDraw(2009, 1, 1, {0, 2, 3, 4, 5, 6}, 7)},
        {"number 91", MakeDraw(2009, 1, 1, {1, 2, 3, 4, 5, 91}, 7)},
        {"repeated number", MakeDraw(2009, 1, 1, {1, 2, 3, 4, 5, 1}, 7)},
        {"Jolly 0", MakeDraw(2009, 1, 1, {1, 2, 3, 4, 5, 6}, 0)},
        {"SuperStar 91", MakeDraw(2009, 1, 1, {1, 2, 3, 4, 5, 6}, 7, 91)},
    };
    for (const Case& c : cases) EXPECT_FALSE(IsSoundDrawRecord(c.r)) << c.what;
}

TEST(DrawArchive, InsertKeepsDateOrder) {
    DrawArchive a;
    EXPECT_EQ(a.insertDraw(MakeDraw(2020, 3, 10, {1, 2, 3, 4, 5, 6}, 7)), 1)
        << "first draw of an empty archive";
    EXPECT_EQ(a.insertDraw(MakeDraw(2020, 3, 20, {1, 2, 3, 4, 5, 6}, 7)), 2) << "appended after the last";
    EXPECT_EQ(a.insertDraw(MakeDraw(2020, 3, 15, {1, 2, 3, 4, 5, 6}, 7)), 2) << "inserted in the middle";
    EXPECT_EQ(a.insertDraw(MakeDraw(2020, 3, 1, {1, 2, 3, 4, 5, 6}, 7)), 1) << "before the first";
    EXPECT_EQ(a.count(), 4);
    EXPECT_EQ(Days(a), (std::vector<int>{1, 10, 15, 20}));
    // Months and years order before days: 2019-12-31 precedes 2020-03-01, 2020-04-02 follows 2020-03-20.
    EXPECT_EQ(a.insertDraw(MakeDraw(2019, 12, 31, {1, 2, 3, 4, 5, 6}, 7)), 1);
    EXPECT_EQ(a.insertDraw(MakeDraw(2020, 4, 2, {1, 2, 3, 4, 5, 6}, 7)), 6);
    EXPECT_EQ(Days(a), (std::vector<int>{31, 1, 10, 15, 20, 2}));
}

TEST(DrawArchive, SameDateReplacesWithoutGrowing) {
    DrawArchive a =
        ArchiveOf({MakeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}, 7), MakeDraw(2020, 1, 2, {1, 2, 3, 4, 5, 6}, 7),
                   MakeDraw(2020, 1, 3, {1, 2, 3, 4, 5, 6}, 7)});
    for (int k : {1, 2, 3}) {
        const DrawRecord corrected = MakeDraw(2020, 1, k, {10, 20, 30, 40, 50, 60}, 70, 80, 100 + k);
        EXPECT_EQ(a.insertDraw(corrected), k);
        EXPECT_EQ(a.count(), 3);
        EXPECT_EQ(a.record(k), corrected);
    }
}

TEST(DrawArchive, UnsoundRecordIsNotStored) {
    DrawArchive a = ArchiveOf({MakeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}, 7)});
    EXPECT_EQ(a.insertDraw(MakeDraw(2020, 1, 2, {1, 2, 3, 4, 5, 91}, 7)), -1);
    EXPECT_EQ(a.count(), 1);
}

TEST(DrawArchive, FullArchiveRefusesNewDatesButTakesCorrections) {
    DrawArchive a;
    for (int k = 1; k <= kArchiveCapacity; ++k)
        ASSERT_TRUE(a.appendUnchecked(DrawNumber(k, {1, 2, 3, 4, 5, 6})));
    ASSERT_TRUE(a.full());
    const DrawRecord last = a.last();
    EXPECT_EQ(a.insertDraw(MakeDraw(2100, 12, 31, {1, 2, 3, 4, 5, 6}, 7)), -1) << "after the last";
    EXPECT_EQ(a.insertDraw(MakeDraw(1990, 1, 1, {1, 2, 3, 4, 5, 6}, 7)), -1) << "before the first";
    EXPECT_EQ(a.count(), kArchiveCapacity);
    EXPECT_EQ(a.last(), last);
    DrawRecord corrected = a.record(200);
    corrected.jolly = 33;
    EXPECT_EQ(a.insertDraw(corrected), 200);
    EXPECT_EQ(a.record(200).jolly, 33);
    EXPECT_FALSE(a.appendUnchecked(DrawNumber(1, {1, 2, 3, 4, 5, 6})));
}

TEST(DrawArchive, DeleteMovesLaterDrawsDown) {
    DrawArchive a =
        ArchiveOf({MakeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}, 7), MakeDraw(2020, 1, 2, {1, 2, 3, 4, 5, 6}, 7)});
    EXPECT_TRUE(a.deleteDraw(1));
    EXPECT_EQ(a.count(), 1);
    EXPECT_EQ(a.record(1).day, 2);
    EXPECT_FALSE(a.deleteDraw(0));
    EXPECT_FALSE(a.deleteDraw(2));
    EXPECT_TRUE(a.deleteDraw(1));
    EXPECT_TRUE(a.empty());
    EXPECT_FALSE(a.deleteDraw(1));
}

TEST(DrawArchive, DeleteInTheMiddle) {
    DrawArchive a;
    for (int k = 1; k <= 5; ++k) a.appendUnchecked(DrawNumber(k, {1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(a.deleteDraw(3));
    EXPECT_EQ(Days(a), (std::vector<int>{1, 2, 4, 5}));
    // The freed slot is clean again, so a later insertion cannot pick up stale data.
    EXPECT_EQ(a.insertDraw(DrawNumber(6, {1, 2, 3, 4, 5, 6})), 5);
}

TEST(ParseDrawDate, AcceptsAndRefusesAsTyped) {
    struct Case {
        const char* text;
        bool ok;
        int day = 0, month = 0, year = 0;
    };
    const Case cases[] = {
        {"29/2/1999", true, 29, 2, 1999},
        {"31/4/2009", true, 31, 4, 2009},
        {"05/05/2009", true, 5, 5, 2009},
        {"1/1/1800", true, 1, 1, 1800},
        {"31/12/2100", true, 31, 12, 2100},
        {"0/5/2009", false},
        {"5/13/2009", false},
        {"5/5/1799", false},
        {"5/5/2101", false},
        {"5/5", false},
        {"/5/2009", false},
        {"5//2009", false},
        {"5/5/", false},
        {"5/5/2009/1", false},
        {"a/5/2009", false},
        {"5/5/20o9", false},
        {" 5/5/2009", false},
        {"5-5-2009", false},
        {"", false},
        {"99999999999/5/2009", false},
        {"5/5/000000002009", false},
    };
    for (const Case& c : cases) {
        DrawDate d{-1, -1, -1};
        EXPECT_EQ(parseDrawDate(c.text, d), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(d.day, c.day) << c.text;
            EXPECT_EQ(d.month, c.month) << c.text;
            EXPECT_EQ(d.year, c.year) << c.text;
        } else {
            EXPECT_EQ(d.day, -1) << "a refused text leaves the date alone: " << c.text;
        }
    }
}

TEST(FormatDrawDate, TwoDigitDayAndMonth) {
    EXPECT_EQ(FormatDrawDate(MakeDraw(2026, 3, 7, {1, 2, 3, 4, 5, 6}, 7)), "07/03/2026");
}

} // namespace
