#pragma once

#include "archive/draw_archive.h"
#include "printing/page_description.h"

// The program's logo as printed: a picture four times as wide as it is high.
inline constexpr const char* kLogoImageName = "logo";
inline constexpr double kLogoAspect = 0.25; // height / width

// One archived draw on one page: logo, heading, the winning column in a frame and the footer.
PageDescription BuildDrawPrint(const DrawRecord& draw, TextMetrics& metrics);
