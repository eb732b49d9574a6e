// libFuzzer target for the readers of files that come from outside: LoadSystem and the three
// column imports. Whatever the bytes, nothing may crash, read out of bounds or list a column
// that is not six ascending numbers 1..90. Not part of the normal build; from the source root:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc -Itests/support \
//     tests/fuzz/systemfile_fuzz.cpp src/core/*.cpp src/shell/column_*.cpp \
//     src/reductions/statistical/{stat_filter,prob_stat_filter,archive_comparison}.cpp \
//     src/reductions/filters/{condition_set,group_filters,filter_column_list}.cpp \
//     src/reductions/mathematical/substitution_set.cpp -o systemfile_fuzz
#include "core/Globali.h"
#include "core/system_file.h"
#include "shell/column_import.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class SilentMessages final : public MessageService {
public:
    MessageAnswer show(const Message& m) override { return m.defaultAnswer; }
};

class QuietHost final : public OperationHost {
public:
    std::int64_t nowMs() override { return now += 700; } // every clock read yields
    void processMessages() override {}
    bool stopRequested() override { return false; }
    void clearStopRequest() override {}
    bool confirmStop() override { return false; }
    void showProgress(std::int64_t) override {}
    void showStatus(const std::string&) override {}
    std::int64_t now = 0;
};

void CheckList(const ColumnStore& store) {
    if (store.count < 0 || store.count > store.capacity()) std::abort();
    for (std::int32_t p = 1; p <= store.count; ++p)
        if (!IsNormalColumn(store.at(p))) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("sestavia_fuzz_" + std::to_string(::getpid()))).string();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    SilentMessages messages;
    SteadyClock clock;
    {
        Globali g(messages, clock);
        g.system.columns.setAllocationLimit(std::size_t{64} << 20);
        OpenSystem(g, path, {});
        CheckList(g.system.columns);
        if (g.system.fixed.count < 0 || g.system.fixed.count > 5) std::abort();
    }
    for (ImportSource source : {ImportSource::SystemFile, ImportSource::Duplara, ImportSource::Text}) {
        Globali g(messages, clock);
        g.system.columns.setAllocationLimit(std::size_t{64} << 20);
        QuietHost host;
        ImportColumns(g, source, path, host);
        CheckList(g.system.columns);
    }
    std::remove(path.c_str());
    return 0;
}
