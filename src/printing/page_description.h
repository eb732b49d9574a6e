#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What a print-out draws, built by the engine and rendered by the GUI on the printer, a PDF file or
// a preview. Coordinates and sizes are in device units of the target page (pixels at the printer's
// resolution), with the origin at the top left of the printable area.

struct FontSpec {
    std::string family = "Arial";
    double height = 0; // character height in device units
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t colour = 0x000000; // 0xRRGGBB

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct TextItem {
    double x = 0, y = 0; // top left of the text's line box
    std::string text;    // UTF-8
    FontSpec font;
    bool opaque = false; // paint a white background under the text (text over a frame line)

    friend bool operator==(const TextItem&, const TextItem&) = default;
};

struct RectItem {
    double x = 0, y = 0, width = 0, height = 0;
    std::uint32_t pen = 0x000000;
    double penWidth = 1;
    bool filled = false;
    std::uint32_t fill = 0xffffff;

    friend bool operator==(const RectItem&, const RectItem&) = default;
};

struct EllipseItem {
    double x = 0, y = 0, width = 0, height = 0;
    std::uint32_t fill = 0x000000;

    friend bool operator==(const EllipseItem&, const EllipseItem&) = default;
};

struct LineItem {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t pen = 0x000000;
    double penWidth = 1;

    friend bool operator==(const LineItem&, const LineItem&) = default;
};

// A picture of the program's own resources, stretched into the rectangle.
struct ImageItem {
    double x = 0, y = 0, width = 0, height = 0;
    std::string name;

    friend bool operator==(const ImageItem&, const ImageItem&) = default;
};

using PageItem = std::variant<TextItem, RectItem, EllipseItem, LineItem, ImageItem>;

struct Page {
    std::vector<PageItem> items;
};

struct PageDescription {
    std::string title; // the print job's document name
    std::vector<Page> pages;
};

// Text measures of the target device, so layouts fit the real page. Tests use fixed metrics.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual double pageWidth() = 0;
    virtual double pageHeight() = 0;
    virtual double textWidth(const FontSpec& font, std::string_view text) = 0;
    virtual double textHeight(const FontSpec& font, std::string_view text) = 0;
};
