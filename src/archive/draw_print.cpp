#include "archive/draw_print.h"

#include "core/version.h"

#include <string>

PageDescription BuildDrawPrint(const DrawRecord& draw, TextMetrics& metrics) {
    PageDescription doc;
    doc.title = "Sestavia";
    doc.pages.emplace_back();
    auto& items = doc.pages.back().items;
    const double width = metrics.pageWidth();

    // The largest Arial that still puts 40 "H" across the page.
    FontSpec font;
    for (int d = 22;; ++d) {
        font.height = metrics.pageHeight() / d;
        if (40 * metrics.textWidth(font, "H") <= width || d >= 201) break;
    }
    FontSpec bold = font;
    bold.bold = true;
    const double line = metrics.textHeight(font, "Hq") * 1.1;
    const double boxWidth = metrics.textWidth(bold, "  Concorso n. 888 del 88/88/8888  ");
    const double boxX = (width - boxWidth) / 2;
    auto centred = [&](double y, const std::string& text, const FontSpec& f) {
        const double x = (width - metrics.textWidth(f, text)) / 2;
        items.push_back(TextItem{x, y, text, f, false});
    };

    double y = 3 * line;
    const double logoHeight = boxWidth * kLogoAspect;
    items.push_back(ImageItem{boxX, y, boxWidth, logoHeight, kLogoImageName});
    y += logoHeight + line / 2;

    const std::string date = FormatDrawDate(draw);
    centred(y,
            draw.concorso ? "Concorso n. " + std::to_string(draw.concorso) + " del " + date
                          : "Concorso del " + date,
            bold);
    y += 2 * line;

    items.push_back(RectItem{boxX, y, boxWidth, 4 * line, 0x000000, 1, false, 0xffffff});
    items.push_back(
        TextItem{boxX + metrics.textWidth(font, "HH"), y - line / 2, " Combinazione vincente ", font, true});
    std::string numbers;
    for (std::size_t i = 0; i < 6; ++i) {
        if (i) numbers += "  -  ";
        numbers += std::to_string(draw.numbers[i]);
    }
    const double numbersWidth = metrics.textWidth(bold, numbers);
    const double numbersX = (width - numbersWidth) / 2;
    items.push_back(TextItem{numbersX, y + line, numbers, bold, false});
    items.push_back(TextItem{numbersX, y + 2 * line, "Jolly " + std::to_string(draw.jolly), font, false});
    const std::string superStar = "SuperStar " + std::to_string(draw.superStar);
    items.push_back(TextItem{numbersX + numbersWidth - metrics.textWidth(font, superStar), y + 2 * line,
                             superStar, font, false});
    y += 4 * line + 2 * line;

    FontSpec footer = font;
    footer.height = font.height / 2;
    footer.colour = 0x008000;
    centred(y, std::string(kProgramName) + " - " + kPublisherWebAddress, footer);
    return doc;
}
