#pragma once

#include "shell/operation_host.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// A host whose clock jumps past every yield interval, so each clock read yields; it requests a
// stop at the chosen yield (0 = never) and records statuses and progress.
class StepHost final : public OperationHost {
public:
    explicit StepHost(int stopAtYield = 0) : stopAtYield_(stopAtYield) {}
    std::int64_t nowMs() override { return now += 1000; }
    void processMessages() override { ++yields; }
    bool stopRequested() override { return stopAtYield_ > 0 && yields >= stopAtYield_; }
    void clearStopRequest() override {}
    bool confirmStop() override { return true; }
    void showProgress(std::int64_t done) override { progress.push_back(done); }
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void setProgressMaximum(std::int64_t units) override { maxima.push_back(units); }

    std::int64_t now = 0;
    int yields = 0;
    std::vector<std::int64_t> progress;
    std::vector<std::int64_t> maxima;
    std::vector<std::string> statuses;

private:
    int stopAtYield_;
};

// A fresh folder per test, removed at the end.
class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("sestavia_systemfile_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    // The folder with a trailing separator, as the program's folders are kept.
    std::string dir() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// Little-endian writers for hand-made fixtures, independent of the code under test.
inline void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}
inline void PutDouble(std::vector<std::uint8_t>& b, std::size_t at, double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) b[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
