#pragma once

#include "core/global_settings.h"

#include <string>
#include <string_view>

// What the three statistics settings windows do with their controls, kept out of the windows.

inline constexpr const char* kInvalidDrawCountText = "Il numero di estrazioni non è valido!";

// "Per il calcolo delle frequenze usa le ultime N estrazioni": false (and nothing stored) when the
// text is not a whole number of at least 1; a value above the archive's count is stored as the
// count. An empty archive keeps the value typed, so the window is not stuck at 0 once draws exist.
bool ApplyFrequencyWindow(GlobalSettings& s, std::string_view text, int archiveCount);

// The weight slider: position = 100 - round(IPprmax), rounding halves to even; 0..100.
int ProbabilityTrackPosition(const GlobalSettings& s);
// "Peso ritardi/frequenze: 50/50" for the slider position.
std::string ProbabilityWeightLabel(int position);
// IPprmax = 100 - position, IPpfmax = 100 - IPprmax, the two minimums 0.
void ApplyProbabilityWeights(GlobalSettings& s, int position);
