#pragma once

#include "shell/long_operation.h"

#include "fake_clock.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A host whose clock jumps past the yield interval at every read, so every clock read is a yield,
// and whose "message processing" runs a script: press the stop button at the k-th yield.
class ScriptedHost final : public RunningStateHost {
public:
    ScriptedHost(RunningState& state, MessageService& messages, FakeClock& clock)
        : RunningStateHost(state, messages, clock) {
        clock.step = 1000;
    }

    void processMessages() override {
        ++pumps;
        // Two pumps per yield: the first one of a yield is where the user's click arrives.
        if (pumps % 2 == 1 && (pumps + 1) / 2 == stopAtYield) state().stopRequested = true;
    }
    void showProgress(std::int64_t done) override { progress.push_back(done); }
    void setProgressMaximum(std::int64_t units) override { maximum = units; }

    int stopAtYield = 0; // 0 = never
    int pumps = 0;
    std::int64_t maximum = -1;
    std::vector<std::int64_t> progress;
};
