#include "checking/winning_entry.h"

#include "checking/draw_check.h"

#include "draw_builder.h"

#include <gtest/gtest.h>

namespace {

DrawRecord Draw(int d, int m, int y) {
    return MakeDraw(d, m, y);
}

DrawArchive Archive(std::initializer_list<DrawRecord> draws) {
    DrawArchive a;
    for (const auto& d : draws) EXPECT_GE(a.insertDraw(d), 0);
    return a;
}

TEST(BuildDrawFromFields, ReportsTheFirstFaultInOrder) {
    const DrawFields good{"23/5/2026", "83", {"61", "5", "12", "23", "44", "90"}, "7", "33"};
    // Each case replaces one field of the good entry: the date, the draw number, the sixth number,
    // the Jolly or the SuperStar.
    enum Field { Date, Concorso, Sixth, Jolly, SuperStar, None };
    struct Case {
        Field field;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {None, "", nullptr},
        {Date, "32/5/2026", kInvalidDateText},
        {Date, "", kInvalidDateText},
        {Concorso, "0", kInvalidConcorsoText},
        {Concorso, "10001", kInvalidConcorsoText},
        {Concorso, "x", kInvalidConcorsoText},
        {Sixth, "61", kInvalidWinningNumbersText},
        {Jolly, "91", kInvalidJollyText},
        {Jolly, "44", kJollyInColumnText},
        {SuperStar, "", kInvalidSuperStarText},
        {SuperStar, "44", nullptr}, // may equal one of the six
        {SuperStar, "7", nullptr},  // or the Jolly
    };
    for (const auto& c : cases) {
        DrawFields f = good;
        std::string* target[] = {&f.date, &f.concorso, &f.numbers[5], &f.jolly, &f.superStar};
        if (c.field != None) target[c.field]->assign(c.value);
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

} // namespace
