#include "ui/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

void PaintLogo(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = rect.height() * 0.18;
    QLinearGradient sea(rect.topLeft(), rect.bottomLeft());
    sea.setColorAt(0, QColor(0x14, 0x3d, 0x7a));
    sea.setColorAt(1, QColor(0x0a, 0x22, 0x48));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sea);
    painter.drawRoundedRect(rect, radius, radius);

    // A small sail on the left: the caravel the name speaks of.
    const double h = rect.height();
    const QPointF base(rect.left() + h * 0.55, rect.top() + h * 0.78);
    QPainterPath sail;
    sail.moveTo(base + QPointF(0, -h * 0.62));
    sail.lineTo(base + QPointF(h * 0.30, -h * 0.08));
    sail.lineTo(base);
    sail.closeSubpath();
    painter.setBrush(QColor(0xf5, 0xf0, 0xe1));
    painter.drawPath(sail);
    QPainterPath hull;
    hull.moveTo(base + QPointF(-h * 0.30, h * 0.02));
    hull.lineTo(base + QPointF(h * 0.40, h * 0.02));
    hull.lineTo(base + QPointF(h * 0.28, h * 0.14));
    hull.lineTo(base + QPointF(-h * 0.20, h * 0.14));
    hull.closeSubpath();
    painter.setBrush(QColor(0xe8, 0xb8, 0x3a));
    painter.drawPath(hull);

    const QRectF text(rect.left() + h * 1.1, rect.top(), rect.width() - h * 1.25, h);
    QFont name("Arial");
    name.setBold(true);
    name.setPixelSize(std::max(1, static_cast<int>(h * 0.40)));
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(text.left(), text.top() + h * 0.08, text.width(), h * 0.5),
                     Qt::AlignLeft | Qt::AlignVCenter, "CAROVELA");
    QFont game = name;
    game.setPixelSize(std::max(1, static_cast<int>(h * 0.24)));
    game.setLetterSpacing(QFont::PercentageSpacing, 110);
    painter.setFont(game);
    painter.setPen(QColor(0xe8, 0xb8, 0x3a));
    painter.drawText(QRectF(text.left(), text.top() + h * 0.55, text.width(), h * 0.35),
                     Qt::AlignLeft | Qt::AlignVCenter, "SUPERENALOTTO");
    painter.restore();
}
