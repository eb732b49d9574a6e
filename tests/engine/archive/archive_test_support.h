#pragma once

#include "archive/draw_archive.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>

// A draw for tests: date, six numbers, Jolly, SuperStar, concorso.
inline DrawRecord MakeDraw(int year, int month, int day, std::initializer_list<int> six, int jolly = 90,
                           int superStar = 0, int concorso = 0) {
    DrawRecord r;
    r.year = static_cast<std::int16_t>(year);
    r.month = static_cast<std::uint8_t>(month);
    r.day = static_cast<std::uint8_t>(day);
    std::size_t i = 0;
    for (int n : six) r.numbers[i++] = static_cast<std::uint8_t>(n);
    r.jolly = static_cast<std::uint8_t>(jolly);
    r.superStar = static_cast<std::uint8_t>(superStar);
    r.concorso = static_cast<std::uint16_t>(concorso);
    return r;
}

// Draws on consecutive days from 1 January 2000 (the day wraps at 28, so every date is real).
inline DrawRecord DrawNumber(int k, std::initializer_list<int> six, int jolly = 90, int superStar = 0) {
    const int index = k - 1;
    return MakeDraw(2000 + index / (12 * 28), 1 + (index / 28) % 12, 1 + index % 28, six, jolly, superStar,
                    k);
}

inline DrawArchive ArchiveOf(std::initializer_list<DrawRecord> draws) {
    DrawArchive a;
    for (const DrawRecord& r : draws) a.appendUnchecked(r);
    return a;
}

// A random archive of `count` sound draws; the extras sometimes repeat one of the six on purpose
// (a real SuperStar often does), which is where counting by occurrence and by presence differ.
inline DrawArchive RandomArchive(std::mt19937& rng, int count, int maxNumber = 90) {
    DrawArchive a;
    std::uniform_int_distribution<int> pick(1, maxNumber);
    for (int k = 1; k <= count; ++k) {
        DrawRecord r = DrawNumber(k, {1, 2, 3, 4, 5, 6});
        for (std::size_t i = 0; i < 6; ++i) {
            int n;
            do {
                n = pick(rng);
            } while (std::find(r.numbers.begin(), r.numbers.begin() + static_cast<long>(i), n) !=
                     r.numbers.begin() + static_cast<long>(i));
            r.numbers[i] = static_cast<std::uint8_t>(n);
        }
        r.jolly = static_cast<std::uint8_t>(rng() % 4 == 0 ? r.numbers[rng() % 6] : pick(rng));
        const int ss = static_cast<int>(rng() % 5);
        r.superStar = static_cast<std::uint8_t>(ss == 0 ? 0 : ss == 1 ? r.numbers[rng() % 6] : pick(rng));
        a.appendUnchecked(r);
    }
    return a;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("sestavia-archive-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};
