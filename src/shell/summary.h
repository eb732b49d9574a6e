#pragma once

#include "core/global_settings.h"
#include "core/system_state.h"

#include <string>

// The texts of the main window's summary labels, one member per label.
struct SummaryTexts {
    std::string label13; // forecast size
    std::string label1;  // fixed count
    std::string label14; // integral development size
    std::string label17; // integral cost
    std::string label18; // final column count
    std::string label21; // final cost
    std::string label22; // reduction percentage
    std::string label23; // saved state
    std::string label5;  // relative win probability
    std::string label4;  // absolute win probability
};

// Computes the summary of the system. When the final columns are none, or more than the forecast
// can hold (columns not drawn from it), the win probabilities no longer mean anything and are set
// to not computed.
SummaryTexts ComputeSummary(SystemState& state, const GlobalSettings& settings);
