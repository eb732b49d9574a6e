#pragma once

#include <cstdint>
#include <random>

// The program's one pseudo-random generator. A uniform number in 1..n is drawn by rejection so
// that a run is reproducible from its seed on every platform (no library distribution involved).
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 5489u) : engine_(seed) {}

    void seed(std::uint32_t s) { engine_.seed(s); }
    std::uint32_t next() { return static_cast<std::uint32_t>(engine_()); }

    // Uniform in 1..n; n must be at least 1.
    std::uint32_t uniform(std::uint32_t n) {
        const std::uint64_t range = std::uint64_t{1} << 32;
        const std::uint64_t limit = range - range % n;
        std::uint64_t r = next();
        while (r >= limit) r = next();
        return 1 + static_cast<std::uint32_t>(r % n);
    }

private:
    std::mt19937 engine_;
};
