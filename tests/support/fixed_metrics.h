#pragma once

#include "printing/page_description.h"

#include <string>

// Page and text measures that make layouts easy to check by hand: every character is half the font
// height wide, and a line is the font height plus two.
class FixedMetrics final : public TextMetrics {
public:
    FixedMetrics(double width, double height) : width_(width), height_(height) {}
    double pageWidth() override { return width_; }
    double pageHeight() override { return height_; }
    double textWidth(const FontSpec& font, std::string_view text) override {
        return font.height / 2 * static_cast<double>(CountCharacters(text));
    }
    double textHeight(const FontSpec& font, std::string_view) override { return font.height + 2; }

    static std::size_t CountCharacters(std::string_view utf8) {
        std::size_t n = 0;
        for (unsigned char c : utf8) n += (c & 0xc0) != 0x80;
        return n;
    }

private:
    double width_, height_;
};
