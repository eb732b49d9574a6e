#include "checking/check_print.h"

#include "core/column_text.h"

namespace {

// The largest Arial that still puts 90 "H" across the page, tried from a sixty-first of the page
// height downwards.
FontSpec ChooseFont(TextMetrics& metrics) {
    FontSpec font;
    int d = 61;
    for (;; ++d) {
        font.height = metrics.pageHeight() / d;
        if (90 * metrics.textWidth(font, "H") <= metrics.pageWidth() || d >= 201) break;
    }
    return font;
}

} // namespace

PageDescription BuildCheckPrint(const CheckPrintInput& input, TextMetrics& metrics) {
    PageDescription doc;
    doc.title = "Sestavia";
    doc.pages.emplace_back();
    const FontSpec font = ChooseFont(metrics);
    const double line = metrics.textHeight(font, "Hq");
    const double h = metrics.textWidth(font, "H");
    const double width = metrics.pageWidth();
    const double bottom = metrics.pageHeight() - line;

    auto text = [&](double x, double y, std::string s) {
        doc.pages.back().items.push_back(TextItem{x, y, std::move(s), font, false});
    };
    auto centred = [&](double y, std::string s) {
        const double x = (width - metrics.textWidth(font, s)) / 2;
        text(x, y, std::move(s));
    };

    double y = line / 2;
    centred(y, "Spoglio delle colonne");
    y += 2 * line;
    std::string winning = "Combinazione vincente";
    if (!input.date.empty()) winning += " del " + input.date;
    winning += ": ";
    for (const auto& f : input.numberFields) winning += f + " ";
    winning += "- Jolly " + input.jollyField + " - SuperStar " + input.superStarField;
    centred(y, winning);

    y += 2 * line;
    text(0, y, "Punti:");
    text(0, y + line, "Nº colonne:");
    const double countersX = metrics.textWidth(font, "Nº colonne:") + 2 * h;
    const int categories[8] = {0, 1, 2, 3, 4, 5, kScoreFivePlusOne, 6};
    for (int i = 0; i < 8; ++i) {
        const double x = countersX + i * 6 * h;
        text(x, y, ScoreText(categories[i]));
        const auto counter =
            input.result ? input.result->counters[static_cast<std::size_t>(categories[i])] : 0;
        text(x, y + line, std::to_string(counter));
    }

    y += line + 3 * line;
    text(0, y, "Elenco vincite:");
    y += line;
    text(0, y, "Punti");
    text(10 * h, y, "Colonna");
    text(30 * h, y, "Nº colonna");
    if (!input.result || !input.columns) return doc;
    const auto& entries = input.result->entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        y += line;
        if (y > bottom) {
            doc.pages.emplace_back();
            y = 0;
        }
        const CheckEntry e = entries[i];
        text(0, y, ScoreText(e.score));
        const Column& c = e.position >= 1 && e.position <= input.columns->capacity()
                              ? input.columns->at(e.position)
                              : Column{};
        text(10 * h, y, FormatColumn(c));
        text(30 * h, y, std::to_string(e.position));
    }
    return doc;
}
