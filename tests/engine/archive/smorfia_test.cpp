#include "archive/smorfia.h"

#include "archive_test_support.h"
#include "core/directories.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::filesystem::path Fixture(const char* name) {
    return std::filesystem::path(SESTAVIA_FIXTURES_DIR) / "archive" / name;
}

TEST(SmorfiaFile, RecordsAreLowerCaseWindows1252CutAt80) {
    const std::string long81(81, 'A');
    const std::string image = EncodeSmorfia({{42, "Il Caffè"}, {7, long81}});
    ASSERT_EQ(image.size(), 2 * kSmorfiaRecordSize);
    EXPECT_EQ(image[0], 8);
    EXPECT_EQ(image.substr(1, 8), "il caff\xE8");
    EXPECT_EQ(image[81], 42);
    EXPECT_EQ(static_cast<unsigned char>(image[82]), 80u);
    EXPECT_EQ(image.substr(83, 80), std::string(80, 'a'));
    EXPECT_EQ(image[163], 7);
    const auto back = DecodeSmorfia(image);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], (SmorfiaEntry{42, "il caffè"}));
    EXPECT_EQ(back[1], (SmorfiaEntry{7, std::string(80, 'a')}));
}

TEST(SmorfiaFile, DamagedRecordsAreSkipped) {
    // Good records for 3 and 42 around a length 0, a number 91, a length 200 and a number 0,
    // then a partial record.
    std::vector<SmorfiaEntry> entries;
    ASSERT_TRUE(ReadSmorfia(Fixture("damaged.smo"), entries));
    EXPECT_EQ(entries, (std::vector<SmorfiaEntry>{{3, "la gatta"}, {42, "il caffè"}}));
}

TEST(SmorfiaFile, HostileBytesNeverBreakTheSearch) {
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(rng() % 1000, '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        for (const SmorfiaEntry& e : DecodeSmorfia(bytes)) {
            ASSERT_GE(e.number, 1);
            ASSERT_LE(e.number, 90);
            ASSERT_FALSE(e.description.empty());
        }
        SearchSmorfia(DecodeSmorfia(bytes), "a \xC3 3 \xFF");
    }
}

TEST(SmorfiaFile, WriteAndReadBackThroughATemporaryFile) {
    TempDir dir;
    std::vector<SmorfiaEntry> entries;
    EXPECT_FALSE(ReadSmorfia(dir / "Sestavia.smo", entries)) << "a missing file is an empty smorfia";
    EXPECT_TRUE(entries.empty());
    ASSERT_TRUE(WriteSmorfia(dir / "Sestavia.smo", {{1, "L'Italia"}, {90, "La paura"}}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Sestavia.smo.tmp"));
    ASSERT_TRUE(ReadSmorfia(dir / "Sestavia.smo", entries));
    EXPECT_EQ(entries, (std::vector<SmorfiaEntry>{{1, "l'italia"}, {90, "la paura"}}));
}

TEST(SmorfiaEditor, RowsWithoutAValidNumberOrDescriptionAreDropped) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"91", "fuori"}, {"3", ""},    {" 7 ", "Il Vaso"}, {"abc", "x"},       {"0", "zero"}, {"90", "   "},
        {"", "x"},       {"4.5", "x"}, {"-1", "x"},        {"90", "La paura"}, {"007", "x"},
    };
    EXPECT_EQ(SmorfiaEntriesFromRows(rows), (std::vector<SmorfiaEntry>{{7, "Il Vaso"}, {90, "La paura"}}));
}

const std::vector<SmorfiaEntry> kEntries{
    {3, "la gatta"},  {3, "il gatto"},        {10, "gatto nero"}, {20, "il gatto e la volpe"},
    {4, "il maiale"}, {30, "un altro gatto"}, {42, "il caffè"},
};

std::vector<std::pair<int, std::string>> Rows(const std::vector<SmorfiaRow>& rows) {
    std::vector<std::pair<int, std::string>> out;
    for (const SmorfiaRow& r : rows) out.emplace_back(r.number, r.description);
    return out;
}

TEST(SmorfiaSearch, TermsAtTheStartOrEqualToTheNumberComeFirst) {
    using R = std::vector<std::pair<int, std::string>>;
    // Each top row goes above the earlier ones; the record "il gatto" of number 3 is placed by
    // "gatto", its first matching term, and listed once.
    EXPECT_EQ(Rows(SearchSmorfia(kEntries, "gatto 3")), (R{{10, "Gatto nero"},
                                                           {3, "La gatta"},
                                                           {3, "Il gatto"},
                                                           {20, "Il gatto e la volpe"},
                                                           {30, "Un altro gatto"}}));
    EXPECT_EQ(Rows(SearchSmorfia(kEntries, "3 gatto")), (R{{10, "Gatto nero"},
                                                           {3, "Il gatto"},
                                                           {3, "La gatta"},
                                                           {20, "Il gatto e la volpe"},
                                                           {30, "Un altro gatto"}}));
}

TEST(SmorfiaSearch, CaseBlanksAndLimits) {
    using R = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(Rows(SearchSmorfia(kEntries, "   CAFFÈ  ")), (R{{42, "Il caffè"}}));
    EXPECT_EQ(Rows(SearchSmorfia(kEntries, "MAIA")), (R{{4, "Il maiale"}}));
    EXPECT_TRUE(SearchSmorfia(kEntries, "").empty());
    EXPECT_TRUE(SearchSmorfia(kEntries, "   ").empty());
    EXPECT_TRUE(SearchSmorfia(kEntries, "03").empty()) << "the number is compared as written";
    std::string many;
    for (int i = 0; i < 250; ++i) many += "zzz ";
    EXPECT_TRUE(SearchSmorfia(kEntries, many + "gatto").empty()) << "terms past the 250th are ignored";
    EXPECT_EQ(SearchSmorfia({{5, "è la mano"}}, "mano").front().description, "È la mano");
    EXPECT_EQ(FormatSmorfiaNumber(5), "    5");
}

TEST(SmorfiaText, Windows1252Conversions) {
    EXPECT_EQ(SmorfiaFromCp1252("caff\xE8 \x80"), "caffè €");
    EXPECT_EQ(SmorfiaToCp1252("caffè € 日"), "caff\xE8 \x80 ?");
    EXPECT_EQ(SmorfiaUpper("àèìòù œ"), "ÀÈÌÒÙ Œ");
    EXPECT_EQ(SmorfiaLower("ÀÈÌÒÙ ŒX"), "àèìòù œx");
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        ASSERT_EQ(SmorfiaToCp1252(SmorfiaFromCp1252(one)), one) << b;
    }
}

TEST(SmorfiaFile, ShippedSmorfiaIsInstalledOnlyWhenMissing) {
    TempDir dir;
    Directories dirs;
    dirs.appDir = (dir / "app").string() + "/";
    dirs.sharedDataDir = (dir / "shared").string() + "/";
    std::filesystem::create_directories(dir / "app" / "data");
    ASSERT_TRUE(WriteSmorfia(dir / "app" / "data" / "Sestavia.smo", {{1, "l'italia"}}));
    EXPECT_TRUE(InstallShippedSmorfiaIfMissing(dirs));
    std::vector<SmorfiaEntry> entries;
    ASSERT_TRUE(ReadSmorfia(dir / "shared" / "Sestavia.smo", entries));
    EXPECT_EQ(entries.size(), 1u);
    ASSERT_TRUE(WriteSmorfia(dir / "shared" / "Sestavia.smo", {{2, "mia"}, {3, "mia"}}));
    EXPECT_TRUE(InstallShippedSmorfiaIfMissing(dirs));
    ASSERT_TRUE(ReadSmorfia(dir / "shared" / "Sestavia.smo", entries));
    EXPECT_EQ(entries.size(), 2u) << "the user's own smorfia stays";
}

} // namespace
