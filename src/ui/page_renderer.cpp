#include "ui/page_renderer.h"

#include "ui/logo.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

QColor ToColour(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}

QString ToText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct ItemPainter {
    QPainter& p;

    void operator()(const TextItem& t) const {
        p.setFont(ToQFont(t.font));
        p.setPen(ToColour(t.font.colour));
        const QString s = ToText(t.text);
        const QFontMetricsF fm(p.font(), p.device());
        if (t.opaque) p.fillRect(QRectF(t.x, t.y, fm.horizontalAdvance(s), fm.height()), Qt::white);
        p.drawText(QPointF(t.x, t.y + fm.ascent()), s);
    }
    void operator()(const RectItem& r) const {
        p.setPen(QPen(ToColour(r.pen), r.penWidth));
        p.setBrush(r.filled ? QBrush(ToColour(r.fill)) : QBrush(Qt::NoBrush));
        p.drawRect(QRectF(r.x, r.y, r.width, r.height));
    }
    void operator()(const EllipseItem& e) const {
        p.setPen(Qt::NoPen);
        p.setBrush(ToColour(e.fill));
        p.drawEllipse(QRectF(e.x, e.y, e.width, e.height));
    }
    void operator()(const LineItem& l) const {
        p.setPen(QPen(ToColour(l.pen), l.penWidth));
        p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    void operator()(const ImageItem& i) const {
        const QRectF target(i.x, i.y, i.width, i.height);
        if (i.name == "logo") {
            PaintLogo(p, target);
            return;
        }
        const QImage image(QString(":/images/%1").arg(ToText(i.name)));
        if (!image.isNull()) p.drawImage(target, image);
    }
};

} // namespace

QFont ToQFont(const FontSpec& font) {
    QFont f(ToText(font.family));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

QtTextMetrics::QtTextMetrics(QPaintDevice& device) : device_(device) {}

double QtTextMetrics::pageWidth() {
    return device_.width();
}
double QtTextMetrics::pageHeight() {
    return device_.height();
}

double QtTextMetrics::textWidth(const FontSpec& font, std::string_view text) {
    return QFontMetricsF(ToQFont(font), &device_).horizontalAdvance(ToText(text));
}

double QtTextMetrics::textHeight(const FontSpec& font, std::string_view) {
    return QFontMetricsF(ToQFont(font), &device_).height();
}

void RenderPage(QPainter& painter, const Page& page) {
    ItemPainter itemPainter{painter};
    for (const auto& item : page.items) std::visit(itemPainter, item);
}

bool RenderDocument(QPagedPaintDevice& device, const PageDescription& doc,
                    const std::function<void()>& betweenPages) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setDocName(ToText(doc.title));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0) {
            if (betweenPages) betweenPages();
            device.newPage();
        }
        RenderPage(painter, doc.pages[i]);
    }
    return painter.end();
}
