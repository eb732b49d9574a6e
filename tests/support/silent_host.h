#pragma once

#include "shell/operation_host.h"

#include <vector>

// A host that never stops and records the progress it is shown.
class SilentHost final : public OperationHost {
public:
    std::int64_t nowMs() override { return now += 1; }
    void processMessages() override {}
    bool stopRequested() override { return false; }
    void clearStopRequest() override {}
    bool confirmStop() override { return false; }
    void showProgress(std::int64_t done) override { progress.push_back(done); }
    void showStatus(const std::string&) override {}

    std::int64_t now = 0;
    std::vector<std::int64_t> progress;
};
