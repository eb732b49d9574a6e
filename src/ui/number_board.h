#pragma once

#include "core/forecast.h"

#include <QPixmap>
#include <QWidget>

// The 90-number board: ten columns by nine rows of 43 x 30 cells, number = column + 10 * row + 1.
// Dragging with the left button paints numbers into the forecast, with the right button erases
// them, touching each cell once per pass. The board changes the forecast it is given and says so;
// what a change means for the system is the window's business.
class NumberBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 43;
    static constexpr int kCellHeight = 30;
    static constexpr int kColumns = 10;
    static constexpr int kRows = 9;

    NumberBoard(ForecastFlags& forecast, const FixedNumbers& fixed, QWidget* parent = nullptr);

    // The number of the cell under a point of the board, the edges clamped onto the outer cells.
    static int numberAt(QPoint position);
    static QRect cellRect(int number);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // After a drag added or removed one number.
    void forecastEdited(int number, bool selected);
    // The pointer is over this number (with or without a button held).
    void numberHovered(int number);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void handleMove(QPoint position, Qt::MouseButtons buttons);
    void drawPictures();
    bool isFixed(int number) const;

    ForecastFlags& forecast_;
    const FixedNumbers& fixed_;
    int lastTouched_ = 0;
    // The board with every number unselected, selected and selected as fixed; a cell is painted
    // by copying its rectangle from one of them.
    QPixmap noss_;
    QPixmap siss_;
    QPixmap sifis_;
};
