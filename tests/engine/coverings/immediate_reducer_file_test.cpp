#include "reductions/mathematical/immediate_reducer_file.h"

#include "covering_test_support.h"
#include "reductions/mathematical/forecast_reduction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("coverings_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string dir() const { return path_.string() + "/"; }

private:
    fs::path path_;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PutU32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t GetU32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t{static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)])} << (8 * i);
    return v;
}

// A file built byte by byte, independently of the writer: one entry for (8, 6, 3) with two records
// whose bytes carry the low bit set, placed after a gap so that the position field matters.
std::string HandMadeFile(std::uint16_t checksumDelta = 0) {
    const int gap = 10;
    std::string f(1357, 'x');
    f += std::string(4, '\0');
    PutU32(f, 1357, 12);
    std::string entry(12, '\0');
    entry[0] = static_cast<char>(8 + 17);
    entry[1] = static_cast<char>(~(3 * 16 + 6) & 0xFF);
    const std::int64_t first = 1361 + 12 + gap;
    PutU32(entry, 2, static_cast<std::uint32_t>(first - 12 - 1361 + 54781));
    PutU32(entry, 6, 2u << 4);
    const std::uint16_t sum =
        static_cast<std::uint16_t>((1 + 2 + 3 + 4 + 5 + 6) + (3 + 4 + 5 + 6 + 7 + 8) + checksumDelta);
    entry[10] = static_cast<char>(sum & 0xFF);
    entry[11] = static_cast<char>(sum >> 8);
    f += entry;
    f += std::string(gap, '\x7f');
    for (const int i : {1, 2, 3, 4, 5, 6, 3, 4, 5, 6, 7, 8}) f.push_back(static_cast<char>((i << 1) | 1));
    return f;
}

TEST(ImmediateReducerFile, ReadsAHandMadeFileIgnoringTheLowBit) {
    TempDir tmp;
    WriteAll(tmp.file("t.sxr"), HandMadeFile());
    const ImmediateLookupResult r = FindImmediateEntry(tmp.file("t.sxr"), 8, 3);
    ASSERT_EQ(r.status, ImmediateLookup::Found);
    EXPECT_EQ(r.columns(), 2u);
    EXPECT_EQ(r.entry.firstRecord, 1361 + 12 + 10);

    const std::vector<Number> forecast{5, 10, 20, 30, 40, 50, 60, 70};
    ColumnStore store;
    LimitGrowth(store);
    RecordingMessages messages;
    ScriptedHost host;
    const ImmediatePathResult run =
        RunImmediatePath(tmp.file("t.sxr"), r.entry, forecast, store, messages, host);
    EXPECT_FALSE(run.damaged);
    ASSERT_EQ(run.added, 2);
    EXPECT_EQ(store.at(1), (Column{{5, 10, 20, 30, 40, 50}}));
    EXPECT_EQ(store.at(2), (Column{{20, 30, 40, 50, 60, 70}}));
    EXPECT_EQ(host.maximum, 2);
}

TEST(ImmediateReducerFile, LookupMatchesAllThreeKeys) {
    TempDir tmp;
    WriteAll(tmp.file("t.sxr"), HandMadeFile());
    const struct {
        int n, k;
        ImmediateLookup expected;
    } cases[] = {{8, 3, ImmediateLookup::Found},
                 {8, 2, ImmediateLookup::NotFound},
                 {9, 3, ImmediateLookup::NotFound},
                 {7, 4, ImmediateLookup::NotFound}};
    for (const auto& c : cases)
        EXPECT_EQ(FindImmediateEntry(tmp.file("t.sxr"), c.n, c.k).status, c.expected) << c.n << " " << c.k;
    EXPECT_EQ(FindImmediateEntry(tmp.file("missing.sxr"), 8, 3).status, ImmediateLookup::NoFile);
    EXPECT_EQ(FindImmediateEntry(tmp.file("missing.sxr"), 8, 3).columns(), 0u);
    EXPECT_EQ(ImmediateFileSize(tmp.file("missing.sxr")), -1);
    EXPECT_EQ(ImmediateFileSize(tmp.file("t.sxr")), static_cast<std::int64_t>(HandMadeFile().size()));
}

TEST(ImmediateReducerFile, WriterLayoutAndRoundTrip) {
    TempDir tmp;
    std::vector<ImmediateTable> tables{
        {8, 3, {Column{{1, 2, 3, 4, 5, 6}}, Column{{3, 4, 5, 6, 7, 8}}, Column{{1, 2, 3, 6, 7, 8}}}},
        {10, 2, {Column{{1, 2, 3, 4, 5, 6}}, Column{{5, 6, 7, 8, 9, 10}}}},
        {10, 2, {Column{{1, 2, 3, 4, 9, 10}}}}, // shadowed: the first entry of a key wins
    };
    std::string error;
    ASSERT_TRUE(WriteImmediateReducerFile(tmp.file("w.sxg"), tables, error)) << error;
    const std::string bytes = ReadAll(tmp.file("w.sxg"));
    EXPECT_EQ(GetU32(bytes, 1357), 36u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1361]), 8 + 17);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1362]), static_cast<unsigned char>(~(3 * 16 + 6)));
    EXPECT_EQ(GetU32(bytes, 1361 + 6), 3u << 4);
    const std::int64_t first = static_cast<std::int32_t>(GetU32(bytes, 1363)) + 36 + 1361 - 54781;
    EXPECT_EQ(first, 1361 + 36);
    EXPECT_EQ(bytes.size(), 1361u + 36u + 6u * 6u);
    EXPECT_FALSE(fs::exists(tmp.file("w.sxg.tmp")));

    const ImmediateLookupResult r = FindImmediateEntry(tmp.file("w.sxg"), 10, 2);
    ASSERT_EQ(r.status, ImmediateLookup::Found);
    ASSERT_EQ(r.columns(), 2u);
    ImmediateTableReader reader;
    ASSERT_TRUE(reader.open(tmp.file("w.sxg"), r.entry));
    std::uint8_t idx[6];
    ASSERT_TRUE(reader.next(idx));
    ASSERT_TRUE(reader.next(idx));
    EXPECT_EQ(std::vector<int>(idx, idx + 6), (std::vector<int>{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(reader.runningSum(), r.entry.checksum);
}

TEST(ImmediateReducerFile, WriterRefusesInvalidTables) {
    TempDir tmp;
    std::string error;
    const std::vector<std::vector<ImmediateTable>> bad{
        {{8, 3, {Column{{1, 2, 3, 4, 5, 9}}}}}, // number beyond v
        {{8, 3, {Column{{2, 1, 3, 4, 5, 6}}}}}, // not ascending
        {{6, 3, {Column{{1, 2, 3, 4, 5, 6}}}}}, // v too small
        {{8, 6, {Column{{1, 2, 3, 4, 5, 6}}}}}, // t out of range
    };
    for (const auto& t : bad) {
        EXPECT_FALSE(WriteImmediateReducerFile(tmp.file("bad.sxr"), t, error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(fs::exists(tmp.file("bad.sxr")));
    }
}

TEST(ImmediateReducerFile, MapsRecordsOntoTheForecast) {
    const std::vector<Number> forecast{2, 9, 17, 23, 44, 51, 68, 80, 90};
    const struct {
        std::array<std::uint8_t, 6> idx;
        bool ok;
        Column expected;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, true, Column{{2, 9, 17, 23, 44, 51}}},
        {{4, 5, 6, 7, 8, 9}, true, Column{{23, 44, 51, 68, 80, 90}}},
        {{9, 1, 2, 3, 4, 5}, true, Column{{2, 9, 17, 23, 44, 90}}},
        {{0, 1, 2, 3, 4, 5}, false, {}},
        {{1, 2, 3, 4, 5, 10}, false, {}},
        {{1, 2, 3, 4, 5, 127}, false, {}},
        {{1, 1, 2, 3, 4, 5}, false, {}},
    };
    for (const auto& c : cases) {
        Column col{};
        EXPECT_EQ(MapRecordToForecast(c.idx.data(), forecast, col), c.ok);
        if (c.ok) {
            EXPECT_EQ(col, c.expected);
        }
    }
}

// Damaged copies of a good file: each must be reported, none may be read outside the file.
TEST(ImmediateReducerFile, DamagedCopiesAreReportedNeverReadOutside) {
    TempDir tmp;
    const std::string good = HandMadeFile();
    struct Damage {
        const char* what;
        std::string bytes;
        bool atLookup; // found damaged by the lookup itself, else while reading the table
    };
    std::vector<Damage> damages;
    damages.push_back({"truncated inside the table", good.substr(0, good.size() - 1), true});
    damages.push_back({"truncated inside the index", good.substr(0, 1361 + 5), true});
    damages.push_back({"shorter than the header", good.substr(0, 1000), true});
    damages.push_back({"empty", std::string(), true});
    {
        std::string b = good;
        PutU32(b, 1357, 0x7FFFFFF0u);
        damages.push_back({"index length past the end", b, true});
    }
    {
        std::string b = good;
        PutU32(b, 1357, 0xFFFFFFF4u);
        damages.push_back({"negative index length", b, true});
    }
    {
        std::string b = good;
        PutU32(b, 1361 + 2, 0x7FFFFFFFu);
        damages.push_back({"table position past the end", b, true});
    }
    {
        std::string b = good;
        PutU32(b, 1361 + 2, 0u);
        damages.push_back({"table position before the start", b, true});
    }
    {
        std::string b = good;
        PutU32(b, 1361 + 6, 0xFFFFFFF0u);
        damages.push_back({"column count past the end", b, true});
    }
    damages.push_back({"bad checksum", HandMadeFile(1), false});
    {
        std::string b = good;
        b[b.size() - 1] = static_cast<char>(9 << 1); // index 9 of an 8-number forecast
        damages.push_back({"index beyond the forecast", b, false});
    }
    {
        std::string b = good;
        b[b.size() - 1] = 1; // index 0 (only the low bit set)
        damages.push_back({"index zero", b, false});
    }
    const std::vector<Number> forecast{1, 2, 3, 4, 5, 6, 7, 8};
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        WriteAll(tmp.file("d.sxr"), d.bytes);
        const ImmediateLookupResult r = FindImmediateEntry(tmp.file("d.sxr"), 8, 3);
        if (d.atLookup) {
            EXPECT_EQ(r.status, ImmediateLookup::Damaged);
            EXPECT_EQ(r.columns(), 0u);
            continue;
        }
        ASSERT_EQ(r.status, ImmediateLookup::Found);
        ColumnStore store;
        LimitGrowth(store);
        RecordingMessages messages;
        ScriptedHost host;
        EXPECT_TRUE(RunImmediatePath(tmp.file("d.sxr"), r.entry, forecast, store, messages, host).damaged);
        EXPECT_EQ(store.count, 0);
    }
}

} // namespace
