#pragma once

#include "archive/draw_archive.h"

#include <array>
#include <cstdint>

// A draw for tests, with plausible numbers unless the test says otherwise.
inline DrawRecord MakeDraw(int day, int month, int year,
                           std::array<std::uint8_t, 6> numbers = {1, 2, 3, 4, 5, 6}, int jolly = 7,
                           int superStar = 8, int concorso = 1) {
    DrawRecord r;
    r.day = static_cast<std::uint8_t>(day);
    r.month = static_cast<std::uint8_t>(month);
    r.year = static_cast<std::int16_t>(year);
    r.numbers = numbers;
    r.jolly = static_cast<std::uint8_t>(jolly);
    r.superStar = static_cast<std::uint8_t>(superStar);
    r.concorso = static_cast<std::uint16_t>(concorso);
    return r;
}
