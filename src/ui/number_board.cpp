#include "ui/number_board.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

struct CellStyle {
    QColor top;
    QColor bottom;
    QColor border;
    QColor text;
};

void DrawBoardPicture(QPixmap& picture, const CellStyle& style) {
    picture = QPixmap(NumberBoard::kColumns * NumberBoard::kCellWidth,
                      NumberBoard::kRows * NumberBoard::kCellHeight);
    picture.fill(QColor(0xF4, 0xF1, 0xE8));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Arial");
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    for (int number = 1; number <= kMaxNumber; ++number) {
        const QRectF cell = QRectF(NumberBoard::cellRect(number)).adjusted(2.5, 2.5, -2.5, -2.5);
        QLinearGradient fill(cell.topLeft(), cell.bottomLeft());
        fill.setColorAt(0, style.top);
        fill.setColorAt(1, style.bottom);
        p.setPen(QPen(style.border, 1));
        p.setBrush(fill);
        p.drawRoundedRect(cell, 6, 6);
        p.setPen(style.text);
        p.drawText(cell, Qt::AlignCenter, QString::number(number));
    }
}

} // namespace

NumberBoard::NumberBoard(ForecastFlags& forecast, const FixedNumbers& fixed, QWidget* parent)
    : QWidget(parent), forecast_(forecast), fixed_(fixed) {
    setObjectName("Vss");
    setMouseTracking(true);
    setFixedSize(sizeHint());
    setContextMenuPolicy(Qt::PreventContextMenu); // the right button erases
    drawPictures();
}

QSize NumberBoard::sizeHint() const {
    return {kColumns * kCellWidth, kRows * kCellHeight};
}

int NumberBoard::numberAt(QPoint position) {
    // The one-pixel shift makes the grid lines belong to the cell on their right and below.
    const int column = std::clamp((position.x() + 1) / kCellWidth, 0, kColumns - 1);
    const int row = std::clamp((position.y() + 1) / kCellHeight, 0, kRows - 1);
    return column + kColumns * row + 1;
}

QRect NumberBoard::cellRect(int number) {
    const int index = number - 1;
    return {(index % kColumns) * kCellWidth, (index / kColumns) * kCellHeight, kCellWidth, kCellHeight};
}

void NumberBoard::drawPictures() {
    DrawBoardPicture(noss_, {QColor(0xFF, 0xFF, 0xFF), QColor(0xE2, 0xE6, 0xEA), QColor(0x9A, 0xA4, 0xAE),
                             QColor(0x33, 0x3D, 0x47)});
    DrawBoardPicture(siss_, {QColor(0x4C, 0xAF, 0x50), QColor(0x1B, 0x7A, 0x2E), QColor(0x14, 0x5A, 0x22),
                             QColor(0xFF, 0xFF, 0xFF)});
    DrawBoardPicture(sifis_, {QColor(0xF0, 0x5A, 0x4A), QColor(0xB7, 0x1C, 0x1C), QColor(0x80, 0x12, 0x12),
                              QColor(0xFF, 0xFF, 0xFF)});
}

bool NumberBoard::isFixed(int number) const {
    const int count = std::clamp<int>(fixed_.count, 0, static_cast<int>(fixed_.numbers.size()));
    for (int i = 0; i < count; ++i)
        if (fixed_.numbers[static_cast<std::size_t>(i)] == number) return true;
    return false;
}

void NumberBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, noss_);
    for (int number = 1; number <= kMaxNumber; ++number) {
        if (!forecast_.has(number)) continue;
        const QRect cell = cellRect(number);
        p.drawPixmap(cell.topLeft(), isFixed(number) ? sifis_ : siss_, cell);
    }
}

void NumberBoard::mousePressEvent(QMouseEvent* event) {
    lastTouched_ = 0;
    handleMove(event->position().toPoint(), event->buttons());
}

void NumberBoard::mouseMoveEvent(QMouseEvent* event) {
    handleMove(event->position().toPoint(), event->buttons());
}

void NumberBoard::leaveEvent(QEvent* event) {
    emit mouseLeft();
    QWidget::leaveEvent(event);
}

void NumberBoard::handleMove(QPoint position, Qt::MouseButtons buttons) {
    const int number = numberAt(position);
    emit numberHovered(number);
    const bool paint = buttons & Qt::LeftButton;
    const bool erase = buttons & Qt::RightButton;
    if (number == lastTouched_ || (!paint && !erase)) return;
    lastTouched_ = number;
    forecast_.set(number, paint);
    update(cellRect(number));
    emit forecastEdited(number, paint);
}
