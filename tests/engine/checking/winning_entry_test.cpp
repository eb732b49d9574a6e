#include "checking/winning_entry.h"

#include "checking/draw_check.h"

#include <gtest/gtest.h>

namespace {

DrawRecord Draw(int d, int m, int y, int concorso = 1) {
    DrawRecord r;
    r.day = static_cast<std::uint8_t>(d);
    r.month = static_cast<std::uint8_t>(m);
    r.year = static_cast<std::int16_t>(y);
    r.numbers = {1, 2, 3, 4, 5, 6};
    r.jolly = 7;
    r.superStar = 8;
    r.concorso = static_cast<std::uint16_t>(concorso);
    return r;
}

DrawArchive Archive(std::initializer_list<DrawRecord> draws) {
    DrawArchive a;
    for (const auto& d : draws) EXPECT_GE(a.insertDraw(d), 0);
    return a;
}

TEST(BuildDrawFromFields, ReportsTheFirstFaultInOrder) {
    const DrawFields good{"23/5/2026", "83", {"61", "5", "12", "23", "44", "90"}, "7", "33"};
    struct Case {
        void (*spoil)(DrawFields&);
        const char* message;
    };
    const Case cases[] = {
        {[](DrawFields&) {}, nullptr},
        {[](DrawFields& f) { f.date = "32/5/2026"; }, kInvalidDateText},
        {[](DrawFields& f) { f.date = ""; }, kInvalidDateText},
        {[](DrawFields& f) { f.concorso = "0"; }, kInvalidConcorsoText},
        {[](DrawFields& f) { f.concorso = "10001"; }, kInvalidConcorsoText},
        {[](DrawFields& f) { f.concorso = "x"; }, kInvalidConcorsoText},
        {[](DrawFields& f) { f.numbers[5] = "61"; }, kInvalidWinningNumbersText},
        {[](DrawFields& f) { f.jolly = "91"; }, kInvalidJollyText},
        {[](DrawFields& f) { f.jolly = "44"; }, kJollyInColumnText},
        {[](DrawFields& f) { f.superStar = ""; }, kInvalidSuperStarText},
        {[](DrawFields& f) { f.superStar = "44"; }, nullptr},  // may equal one of the six
        {[](DrawFields& f) { f.superStar = "7"; }, nullptr},   // or the Jolly
    };
    for (const auto& c : cases) {
        DrawFields f = good;
        c.spoil(f);
        DrawRecord r;
        const auto message = BuildDrawFromFields(f, r);
        if (c.message) {
            ASSERT_TRUE(message.has_value());
            EXPECT_EQ(*message, c.message);
        } else {
            ASSERT_FALSE(message.has_value()) << *message;
            EXPECT_EQ(r.numbers, (std::array<std::uint8_t, 6>{5, 12, 23, 44, 61, 90}));
            EXPECT_EQ(r.concorso, 83);
            EXPECT_EQ(r.day, 23);
        }
    }
}

TEST(StepArchivedDraw, StopsAtTheFirstAndLastDraws) {
    const DrawArchive a = Archive({Draw(3, 1, 2026), Draw(6, 1, 2026), Draw(8, 1, 2026)});
    EXPECT_EQ(StepArchivedDraw(a, "3/1/2026", -1), 1);
    EXPECT_EQ(StepArchivedDraw(a, "6/1/2026", -1), 1);
    EXPECT_EQ(StepArchivedDraw(a, "8/1/2026", +1), 3);
    EXPECT_EQ(StepArchivedDraw(a, "3/1/2026", +1), 2);
    EXPECT_EQ(StepArchivedDraw(a, "1/1/2020", -1), 2) << "an unknown date starts from the last draw";
    EXPECT_EQ(StepArchivedDraw(a, "nonsense", -1), 3) << "no date: the last draw itself";
    EXPECT_EQ(StepArchivedDraw(DrawArchive{}, "3/1/2026", -1), 0);
}

TEST(DrawPicker, ListsYearsAndDaysAndFindsTheRecord) {
    const DrawArchive a = Archive({Draw(30, 12, 2023), Draw(3, 1, 2026), Draw(6, 1, 2026), Draw(3, 2, 2026)});
    EXPECT_EQ(PickerYears(a), (std::vector<int>{2026, 2025, 2024, 2023}));
    EXPECT_EQ(PickerRecordsOfMonth(a, 2026, 1), (std::vector<int>{2, 3}));
    EXPECT_EQ(PickerRecordFor(a, 2026, 1, 6), 3);
    EXPECT_EQ(PickerRecordFor(a, 2026, 1, 9), 2) << "failing the day, the first draw of the month";
    EXPECT_EQ(PickerRecordFor(a, 2025, 1, 6), 4) << "failing the month, the last draw";
    EXPECT_EQ(FormatDrawDateShort(Draw(7, 3, 2026)), "7/3/2026");
}

}  // namespace
