#include "analysis_pages/smorfia_search.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

void PrintTo(const SmorfiaRow& row, std::ostream* os) {
    *os << row.number << " \"" << row.description << '"';
}

namespace {

class SmorfiaSearchFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() / (std::string("sestavia-smorfia-") + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path write(const std::string& bytes) {
        const auto path = dir_ / kSmorfiaFileName;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }

    std::filesystem::path dir_;
};

std::string Record(int length, const std::string& text, int number) {
    std::string r(kSmorfiaRecordSize, '\0');
    r[0] = static_cast<char>(length);
    r.replace(1, std::min<std::size_t>(text.size(), 80), text.substr(0, 80));
    r[81] = static_cast<char>(number);
    return r;
}

TEST_F(SmorfiaSearchFile, GattoAndThreeFromTheFile) {
    const auto path =
        write(Record(8, "la gatta", 3) + Record(10, "gatto nero", 10) + Record(8, "il gatto", 3) +
              Record(6, "l'orso", 30) + Record(14, "un gatto rosso", 40));
    const auto rows = SearchSmorfiaFile(path, "  gatto   3 ");
    ASSERT_TRUE(rows);
    // "il gatto" is placed by its first matching term, gatto, which it does not begin with.
    const std::vector<SmorfiaRow> expected{
        {10, "Gatto nero"}, {3, "La gatta"}, {3, "Il gatto"}, {40, "Un gatto rosso"}};
    EXPECT_EQ(*rows, expected);
    EXPECT_EQ(SmorfiaGridRowCount(*rows), 4u);
}

TEST_F(SmorfiaSearchFile, MissingEmptyAndDamagedFiles) {
    EXPECT_FALSE(SearchSmorfiaFile(dir_ / kSmorfiaFileName, "gatto")) << "missing: the search stops";

    const auto empty = SearchSmorfiaFile(write(""), "gatto");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(SmorfiaGridRowCount(*empty), 1u) << "the grid keeps one empty row";

    // Length 0, length above 80, numbers 0 and 91, then a record cut short: only the sound one.
    const std::string bytes = Record(0, "", 5) + Record(200, "gatto", 5) + Record(5, "gatto", 0) +
                              Record(5, "gatto", 91) + Record(5, "gatto", 7) +
                              Record(5, "gatto", 8).substr(0, 40);
    const auto rows = SearchSmorfiaFile(write(bytes), "gatto 5");
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (std::vector<SmorfiaRow>{{7, "Gatto"}}));
}

TEST_F(SmorfiaSearchFile, RandomBytesNeverBreakIt) {
    std::mt19937 rng(5);
    for (int round = 0; round < 100; ++round) {
        std::string bytes(rng() % 2000, '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        const auto rows = SearchSmorfiaFile(write(bytes), "a e \xC3 1 \xFF 90");
        ASSERT_TRUE(rows);
        for (const SmorfiaRow& row : *rows) {
            ASSERT_GE(row.number, 1);
            ASSERT_LE(row.number, 90);
        }
    }
}

} // namespace
