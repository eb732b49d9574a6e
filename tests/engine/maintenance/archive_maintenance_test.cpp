#include "archive/archive_maintenance.h"

#include "draw_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

DrawRecord Draw(int d, int m, int y, std::array<std::uint8_t, 6> numbers = {1, 2, 3, 4, 5, 6}, int jolly = 7,
                int superStar = 8) {
    return MakeDraw(d, m, y, numbers, jolly, superStar, 4);
}

TEST(ArchiveExport, WritesDayMonthYearWithoutLeadingZeros) {
    EXPECT_EQ(FormatDrawExportLine(Draw(7, 3, 2026, {61, 5, 12, 23, 44, 90}, 7, 0)),
              "7/3/2026\t61 5 12 23 44 90\t7\t0\r\n");
}

TEST(ArchiveImport, ReadsBothFormatsAndReportsNewReplacedAndInvalid) {
    DrawArchive archive;
    archive.insertDraw(Draw(3, 1, 2026));
    const std::string text = "# date\tconcorso\tnumbers\tjolly\tsuperstar\n"
                             "2026-01-06\t2\t10 20 30 40 50 60\t7\t8\n" // the shipped history's format
                             "3/1/2026\t11 12 13 14 15 16\t17\t18\r\n"  // export format, same date: replaces
                             "8/1/2026\t1 2 3 4 5 5\t7\t8\r\n"          // repeated number
                             "\r\n"
                             "9/1/2026\t1 2 3 4 5 6\t6\t8\r\n"      // Jolly among the six
                             "31/13/2026\t1 2 3 4 5 6\t7\t8\r\n"    // no such month
                             "10/1/2026\t1 2 3 4 5 6\t7\t91\r\n"    // SuperStar out of range
                             "13/1/2026\t21 22 23 24 25 26\t27\t0"; // no SuperStar, last line without end
    const auto result = ImportArchiveTextFromMemory(archive, text);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.replaced, 1);
    EXPECT_EQ(result.invalidLines, (std::vector<int>{4, 6, 7, 8}));
    ASSERT_EQ(archive.count(), 3);
    EXPECT_EQ(archive.record(1).numbers[0], 11);
    EXPECT_EQ(archive.record(3).superStar, 0);
    EXPECT_EQ(DrawImportReport(result),
              "Estrazioni nuove: 2\rEstrazioni sostituite: 1\rRighe non valide (ignorate): 4, 6, 7, 8");
}

TEST(ArchiveImport, ExportThenImportGivesTheSameArchive) {
    DrawArchive archive;
    for (int d = 1; d <= 20; ++d)
        archive.insertDraw(Draw(d, 4, 2025, {static_cast<std::uint8_t>(d), 31, 42, 53, 64, 75}, 89, d % 3));
    const auto path = std::filesystem::temp_directory_path() / "sestavia_export_test.txt";
    ASSERT_TRUE(ExportArchiveText(archive, path));
    DrawArchive copy;
    const auto result = ImportArchiveText(copy, path);
    std::filesystem::remove(path);
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.added, 20);
    ASSERT_EQ(copy.count(), 20);
    for (int k = 1; k <= 20; ++k) {
        DrawRecord expected = archive.record(k);
        expected.concorso = 0; // not exported
        EXPECT_EQ(copy.record(k), expected);
    }
    EXPECT_FALSE(ImportArchiveText(copy, path).read);
}

TEST(DeleteDrawRange, NeverDeletesTheLastRemainingDraw) {
    DrawArchive archive;
    for (int d = 1; d <= 5; ++d) archive.insertDraw(Draw(d, 2, 2026));
    DeleteDrawRange(archive, 2, 3);
    ASSERT_EQ(archive.count(), 3);
    EXPECT_EQ(archive.record(2).day, 4);
    DeleteDrawRange(archive, 1, 3);
    ASSERT_EQ(archive.count(), 1);
    EXPECT_EQ(archive.record(1).day, 1) << "the first draw of the range stays";
}

TEST(UpdateReminder, FollowsTheAgeAndTheDrawDays) {
    const std::string days = "0010101"; // Tuesday, Thursday, Saturday
    // 12 December 2026 is a Saturday.
    const CivilDate saturday{12, 12, 2026};
    struct Case {
        CivilDate last;
        int hhmm;
        bool remind;
    };
    const Case cases[] = {
        {{8, 12, 2026}, 900, true},    // four days old
        {{10, 12, 2026}, 2040, false}, // Thursday's draw is in; today's is not yet drawn
        {{10, 12, 2026}, 2041, true},  // after 20:40 today's draw is due
        {{9, 12, 2026}, 900, true},    // Thursday's draw is missing
        {{12, 12, 2026}, 2359, false}, // up to date
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShouldRemindUpdate(saturday, c.hhmm, c.last, days), c.remind)
            << c.last.day << " " << c.hhmm;
    EXPECT_FALSE(ShouldRemindUpdate(saturday, 2359, {10, 12, 2026}, "0000000"));
    EXPECT_EQ(WeekdayOf(saturday), 6);
    EXPECT_EQ(ReminderText({10, 12, 2026}),
              "L'ultimo aggiornamento dell'archivio storico risale a Giovedì 10/12/2026.");
}

} // namespace
