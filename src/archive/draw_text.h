#pragma once

#include "archive/draw_archive.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The shipped history as text: one draw per line, tab-separated
//   yyyy-mm-dd  concorso  n1 n2 n3 n4 n5 n6  jolly  superstar(0 = none)
// lines beginning with '#' and blank lines are skipped. The numbers keep the order given.
bool ParseDrawTsvLine(std::string_view line, DrawRecord& record);

// The pieces of the draw text formats: the fields between separators, and one decimal field that
// must lie in lo..hi (no blanks, no sign).
std::vector<std::string_view> SplitDrawFields(std::string_view text, char sep);
bool ParseDrawField(std::string_view text, int lo, int hi, int& value);

struct DrawTextResult {
    bool ok = false;
    int lineNumber = 0; // the first faulty line when !ok
    std::string error;  // Italian, for the developer running the build
};

// Reads a whole history into the archive (emptied first). Refuses lines that do not parse, draws
// out of date order and more than the archive holds: the shipped file must be exactly right.
DrawTextResult ReadDrawTsv(const std::filesystem::path& path, DrawArchive& archive);
