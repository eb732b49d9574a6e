#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Settings of the numbers reduction: up to 46 intervals of numbers, each with the counts 0..6 of a
// column's numbers it allows.
struct IntervalFilter {
    static constexpr std::size_t kSize = 700;
    static constexpr std::int32_t kMax = 46;

    std::int32_t count = 0;                                  // offset 0, 0..46
    std::array<std::int32_t, kMax> lo{};                     // offset 4 + 8k
    std::array<std::int32_t, kMax> hi{};                     // offset 8 + 8k
    std::array<std::array<std::uint8_t, 7>, kMax> allowed{}; // offset 372 + 7k
    std::int32_t maxErrors = 0;                              // offset 696
};

// Groups fixed by the window (cadences, figures, decades): an enabled flag and the allowed counts
// of every group, then the maximum number of errors.
template <int Groups> struct GroupFlagsFilter {
    static constexpr int kGroups = Groups;
    static constexpr std::size_t kAllowedOffset = Groups;
    static constexpr std::size_t kMaxErrorsOffset = Groups + 7 * Groups;
    static constexpr std::size_t kSize = kMaxErrorsOffset + 4;

    std::array<std::uint8_t, Groups> enabled{};
    std::array<std::array<std::uint8_t, 7>, Groups> allowed{};
    std::int32_t maxErrors = 0;
};

struct CadenceFilter : GroupFlagsFilter<10> {};
struct FigureFilter : GroupFlagsFilter<9> {};
struct DecadeFilter : GroupFlagsFilter<9> {};
static_assert(CadenceFilter::kSize == 84 && CadenceFilter::kMaxErrorsOffset == 80);
static_assert(FigureFilter::kSize == 76 && FigureFilter::kMaxErrorsOffset == 72);
static_assert(DecadeFilter::kSize == 76);

inline constexpr const char* kIntervalFilterFile = "Intervalli.def";
inline constexpr const char* kCadenceFilterFile = "Cadenze.def";
inline constexpr const char* kFigureFilterFile = "Figure.def";
inline constexpr const char* kDecadeFilterFile = "Decine.def";

void EncodeRecord(const IntervalFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, IntervalFilter& record);
void EncodeRecord(const CadenceFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, CadenceFilter& record);
void EncodeRecord(const FigureFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, FigureFilter& record);
void EncodeRecord(const DecadeFilter& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, DecadeFilter& record);

// Built-in defaults: 1-30, 31-60, 61-90 allowing 0, 1 and 2; every group enabled allowing 0 and 1.
IntervalFilter IntervalFilterBuiltIn();
CadenceFilter CadenceFilterBuiltIn();
FigureFilter FigureFilterBuiltIn();
DecadeFilter DecadeFilterBuiltIn();

// The record of the defaults file, or the built-in one when the file cannot be read whole.
IntervalFilter IntervalFilterDefaults(const std::string& path);
CadenceFilter CadenceFilterDefaults(const std::string& path);
FigureFilter FigureFilterDefaults(const std::string& path);
DecadeFilter DecadeFilterDefaults(const std::string& path);

bool WriteGroupFilterFile(const std::string& path, const IntervalFilter& record);
bool WriteGroupFilterFile(const std::string& path, const CadenceFilter& record);
bool WriteGroupFilterFile(const std::string& path, const FigureFilter& record);
bool WriteGroupFilterFile(const std::string& path, const DecadeFilter& record);
