#pragma once

#include "core/column_store.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;

// The selection of a range of the column strip.
struct ColumnSelection {
    enum State { None = 0, Dragging = 1, Selected = 2 };
    int state = None;
    std::int32_t start = 0; // 1-based positions; the range is min..max of the two
    std::int32_t end = 0;

    std::int32_t low() const { return start < end ? start : end; }
    std::int32_t high() const { return start < end ? end : start; }
};

class ColumnStrip;

// The grid `sg_col`: one grid column per final column, six numbers stacked. It paints only the
// visible columns straight from the store, so the length of the list costs nothing.
class ColumnGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumnWidth = 34;
    static constexpr int kRowHeight = 30;
    static constexpr int kMargin = 5;

    explicit ColumnGrid(ColumnStrip& strip);
    // Grid column under x, or -1 outside the columns shown.
    int gridColumnAt(int x) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void drawNumberPictures();

    ColumnStrip& strip_;
    // Every number drawn once in black and once in white: painting a column copies six of them
    // instead of laying out six texts.
    std::array<QPixmap, kMaxNumber + 1> blackNumbers_;
    std::array<QPixmap, kMaxNumber + 1> whiteNumbers_;
};

// The column list of the main window: the grid, its scroll bar `ScrollBar1`, the first and last
// visible positions `Label2` and `Label3`, the floating position label `Panel3` and the pop-up
// menu `PopupMenu1`.
class ColumnStrip : public QWidget {
    Q_OBJECT
public:
    explicit ColumnStrip(const ColumnStore& store, QWidget* parent = nullptr);

    // Re-reads the count, fixes the scroll range and repaints; forgets a selection that no
    // longer lies inside the list.
    void refresh();

    const ColumnSelection& selection() const { return selection_; }
    void clearSelection();
    std::int32_t firstVisible() const; // position shown in grid column 0
    int visibleCount() const;          // ColCount: grid columns that fit
    // Scrolls so that `position` is the first visible column (within the scroll range).
    void scrollTo(std::int32_t position);

    const ColumnStore& store() const { return store_; }
    ColumnGrid* sg_col;
    QScrollBar* ScrollBar1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Panel3;
    QMenu* PopupMenu1;
    QAction* modifySelected; // "Modifica colonne selezionate"
    QAction* deleteSelected; // "Elimina colonne selezionate"

signals:
    void modifySelectedRequested();
    void deleteSelectedRequested();

private:
    friend class ColumnGrid;
    void updateLabels();
    void pressAt(int gridColumn);
    void dragTo(int gridColumn, QPoint where);
    void release();
    void hover(QPoint where);
    void edgeScroll();

    const ColumnStore& store_;
    ColumnSelection selection_;
    int pointerColumn_ = -1; // grid column under the pointer during a drag
    QTimer edgeTimer_;       // keeps scrolling while a drag rests on an edge column
};
