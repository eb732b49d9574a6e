#pragma once

#include "core/Globali.h"

#include "fake_clock.h"
#include "recording_messages.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

inline Column Col(std::initializer_list<int> numbers) {
    Column c;
    int i = 0;
    for (int n : numbers) c[i++] = static_cast<Number>(n);
    return c;
}

// Column p of a test list: 1 2 3 4 5 and 10+p, so every position is told apart by its last number.
inline Column Numbered(int p) {
    return Col({1, 2, 3, 4, 5, 10 + p});
}

struct EditingFixture {
    explicit EditingFixture(int columns = 0) : g(messages, clock) {
        g.undo.allocate();
        auto& s = g.system.columns;
        EXPECT_TRUE(s.tryResize(columns + 1));
        for (int p = 1; p <= columns; ++p) s.at(++s.count) = Numbered(p);
    }
    std::vector<Column> list() const {
        const auto& s = g.system.columns;
        return {s.items(), s.items() + s.count};
    }

    RecordingMessages messages;
    FakeClock clock;
    Globali g;
};
