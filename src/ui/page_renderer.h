#pragma once

#include "printing/page_description.h"

#include <QFont>

#include <functional>

class QPaintDevice;
class QPainter;
class QPagedPaintDevice;

QFont ToQFont(const FontSpec& font);

// Measures text on the device a page description is built for.
class QtTextMetrics final : public TextMetrics {
public:
    explicit QtTextMetrics(QPaintDevice& device);
    double pageWidth() override;
    double pageHeight() override;
    double textWidth(const FontSpec& font, std::string_view text) override;
    double textHeight(const FontSpec& font, std::string_view text) override;

private:
    QPaintDevice& device_;
};

void RenderPage(QPainter& painter, const Page& page);

// Paints every page on the device (a printer or a PDF writer); `betweenPages` runs before each new
// page so a long print-out keeps the window alive. False when the device could not be opened.
bool RenderDocument(QPagedPaintDevice& device, const PageDescription& doc,
                    const std::function<void()>& betweenPages = {});
