#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The message the update server may send is an RTF document; this reads the part of RTF such a
// message uses into a plain model the message window renders. Anything unknown is ignored, and
// any bytes at all are read without failing: the document comes from the network.
struct RtfColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RtfColor&, const RtfColor&) = default;
};

struct RtfRun {
    std::string text; // UTF-8; '\n' for a line break inside the paragraph, '\t' for a tab
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSizeHalfPoints = 24;   // \fs, 24 = 12 points
    std::optional<RtfColor> color; // nullopt: the view's default colour
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    std::string text() const; // the runs' text joined
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    std::string plainText() const; // paragraphs joined by '\n'
};

// Groups nested deeper than this are skipped whole, so hostile nesting cannot exhaust memory.
inline constexpr int kRtfMaxGroupDepth = 100;

RtfDocument ReadRtf(std::string_view bytes);
