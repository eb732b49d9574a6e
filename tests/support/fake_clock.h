#pragma once

#include "core/clock.h"

// A clock that moves only when told, or by `step` on every read.
class FakeClock final : public Clock {
public:
    explicit FakeClock(std::int64_t stepPerRead = 0) : step(stepPerRead) {}
    std::int64_t nowMs() override {
        now += step;
        return now;
    }
    void advance(std::int64_t ms) { now += ms; }

    std::int64_t now = 0;
    std::int64_t step = 0;
};
