#pragma once

#include "archive/draw_archive.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Six numbers on the circle of the 90 and the gaps between them; the numbers are kept ascending.
using CircleNumbers = std::array<int, 6>;

// n2-n1 .. n6-n5 and n6-n1, ascending.
std::vector<int> CircleSides(const CircleNumbers& n);
// The five consecutive gaps and n3-n1, n4-n1, n4-n2, n5-n2, n5-n3, n6-n2, n6-n3, n6-n4, ascending.
std::vector<int> CircleDistances(const CircleNumbers& n);

// "Numeri: 1 10 ...", "Lati: 9 10 ...", "Distanze: ...": each value preceded by a space.
std::string CircleNumbersLabel(const CircleNumbers& n);
std::string CircleSidesLabel(const CircleNumbers& n);
std::string CircleDistancesLabel(const CircleNumbers& n);

// The six numbers of an archived draw, ascending.
CircleNumbers CircleNumbersOfDraw(const DrawRecord& r);

// "Ridisegna": six fields typed by the user. A field that is not a whole number 1..90 is refused
// with its position; otherwise the values are sorted and two equal neighbours are refused with
// the sorted position of the second.
struct CircleFieldsResult {
    bool ok = false;
    bool parsed = false;     // every field held a number 1..90; `numbers` are then sorted
    int invalidPosition = 0; // 1..6 when !ok
    CircleNumbers numbers{};
};
CircleFieldsResult ReadCircleFields(const std::array<std::string, 6>& fields);
std::string InvalidCircleNumberText(int position);

// Where number k sits on a circle of the given radius around (cx, cy) on screen (y downwards): at
// 4k - 90 degrees clockwise from the x axis, so 90 is at the top and the numbers run clockwise.
struct CirclePoint {
    double x = 0;
    double y = 0;
};
CirclePoint CirclePointOf(int number, double radius, double cx, double cy);

// "Analisi combinazioni": how a set of numbers scored against every archived draw. Categories are
// 0..5 for 2, 3, 4, 5, 5+1 and 6 right numbers (5+1: five and the Jolly).
struct CombinationHit {
    int record = 0;
    int category = 0;
};
struct CombinationAnalysis {
    std::vector<CombinationHit> hits; // draws with at least two right numbers, in archive order
    std::array<int, 6> totals{};
};
CombinationAnalysis AnalyseCombination(const DrawArchive& archive, const std::array<std::uint8_t, 90>& flags);

inline constexpr const char* kInvalidCombinationText =
    "Alcuni numeri non sono validi!\rInserire i numeri separandoli con uno spazio.";
inline constexpr std::array<const char*, 6> kCombinationHeadings{"Nº di 2", "Nº di 3",   "Nº di 4",
                                                                 "Nº di 5", "Nº di 5+1", "Nº di 6"};
