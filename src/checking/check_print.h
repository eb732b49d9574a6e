#pragma once

#include "checking/draw_check.h"
#include "printing/page_description.h"

#include <array>
#include <string>

// What the checking window prints: the winning column as typed, the counters and the winning list.
struct CheckPrintInput {
    std::array<std::string, 6> numberFields;
    std::string jollyField;
    std::string superStarField;
    std::string date; // empty when the date field is empty
    const ColumnStore* columns = nullptr;
    const CheckResultList* result = nullptr;
};

PageDescription BuildCheckPrint(const CheckPrintInput& input, TextMetrics& metrics);
