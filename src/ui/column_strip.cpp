#include "ui/column_strip.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor kDragColour(0x00, 0x64, 0x00);     // dark green while dragging
const QColor kSelectedColour(0x00, 0x00, 0x80); // navy once selected
const QColor kOddColour(0xFF, 0xFF, 0xFF);
const QColor kEvenColour(0xEE, 0xF3, 0xF8);

} // namespace

ColumnGrid::ColumnGrid(ColumnStrip& strip) : QWidget(&strip), strip_(strip) {
    setObjectName("sg_col");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    drawNumberPictures();
}

void ColumnGrid::drawNumberPictures() {
    QFont font("Arial");
    font.setPixelSize(14);
    font.setBold(true);
    const qreal ratio = devicePixelRatioF();
    for (int number = 1; number <= kMaxNumber; ++number) {
        for (auto* pictures : {&blackNumbers_, &whiteNumbers_}) {
            QPixmap picture(QSize(kColumnWidth, kRowHeight) * ratio);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::transparent);
            QPainter p(&picture);
            p.setFont(font);
            p.setPen(pictures == &blackNumbers_ ? Qt::black : Qt::white);
            p.drawText(QRect(0, 0, kColumnWidth, kRowHeight), Qt::AlignCenter, QString::number(number));
            (*pictures)[static_cast<std::size_t>(number)] = picture;
        }
    }
}

QSize ColumnGrid::sizeHint() const {
    return {2 * kMargin + 20 * (kColumnWidth + 1), 2 * kMargin + kColumnSize * kRowHeight};
}

QSize ColumnGrid::minimumSizeHint() const {
    return {2 * kMargin + 2 * (kColumnWidth + 1), 2 * kMargin + kColumnSize * kRowHeight};
}

int ColumnGrid::gridColumnAt(int x) const {
    if (x < kMargin) return -1;
    const int c = (x - kMargin) / (kColumnWidth + 1);
    return c < strip_.visibleCount() ? c : -1;
}

void ColumnGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const ColumnStore& store = strip_.store();
    const ColumnSelection& sel = strip_.selection();
    const std::int32_t first = strip_.firstVisible();
    const int shown = strip_.visibleCount();
    for (int c = 0; c < shown; ++c) {
        const QRect cell(kMargin + c * (kColumnWidth + 1), kMargin, kColumnWidth, kColumnSize * kRowHeight);
        const std::int64_t position = static_cast<std::int64_t>(first) + c;
        if (position > store.count) {
            p.fillRect(cell, palette().base());
            continue;
        }
        const auto pos = static_cast<std::int32_t>(position);
        const bool inRange = sel.state != ColumnSelection::None && pos >= sel.low() && pos <= sel.high();
        QColor background = position % 2 ? kOddColour : kEvenColour;
        const auto* numbers = &blackNumbers_;
        if (inRange) {
            background = sel.state == ColumnSelection::Dragging ? kDragColour : kSelectedColour;
            numbers = &whiteNumbers_;
        }
        p.fillRect(cell, background);
        p.setPen(QColor(0xB0, 0xB8, 0xC0));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const Column& column = store.at(pos);
        for (int r = 0; r < kColumnSize; ++r) {
            const Number n = column[r];
            if (n >= 1 && n <= kMaxNumber)
                p.drawPixmap(cell.left(), cell.top() + r * kRowHeight, (*numbers)[n]);
        }
    }
}

void ColumnGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int c = gridColumnAt(event->position().toPoint().x());
    if (c >= 0) strip_.pressAt(c);
}

void ColumnGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint where = event->position().toPoint();
    strip_.hover(where);
    if (strip_.selection().state != ColumnSelection::Dragging) return;
    // Past either end of the grid counts as the edge column, so the drag keeps scrolling.
    const int shown = strip_.visibleCount();
    int c = gridColumnAt(where.x());
    if (c < 0 && shown > 0) c = where.x() < kMargin ? 0 : shown - 1;
    strip_.dragTo(c, where);
}

void ColumnGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) strip_.release();
}

void ColumnGrid::leaveEvent(QEvent* event) {
    strip_.Panel3->hide();
    QWidget::leaveEvent(event);
}

void ColumnGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    strip_.refresh();
}

void ColumnGrid::contextMenuEvent(QContextMenuEvent* event) {
    const bool selected = strip_.selection().state == ColumnSelection::Selected;
    strip_.modifySelected->setEnabled(selected);
    strip_.deleteSelected->setEnabled(selected);
    strip_.PopupMenu1->popup(event->globalPos());
}

ColumnStrip::ColumnStrip(const ColumnStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    setObjectName("ColumnStrip");
    sg_col = new ColumnGrid(*this);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(1, 1);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Floating over the grid, so it belongs to the grid and is raised above nothing else.
    Panel3 = new QLabel(sg_col);
    Panel3->setObjectName("Panel3");
    Panel3->setStyleSheet("QLabel { background: #FFFFE1; border: 1px solid #808080; padding: 1px 3px; }");
    Panel3->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    modifySelected = PopupMenu1->addAction("Modifica colonne selezionate");
    modifySelected->setObjectName("Modificacolonneselezionate2");
    deleteSelected = PopupMenu1->addAction("Elimina colonne selezionate");
    deleteSelected->setObjectName("Eliminacolonneselezionate2");
    modifySelected->setEnabled(false);
    deleteSelected->setEnabled(false);
    connect(modifySelected, &QAction::triggered, this, &ColumnStrip::modifySelectedRequested);
    connect(deleteSelected, &QAction::triggered, this, &ColumnStrip::deleteSelectedRequested);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(sg_col, 0, 0, 1, 2);
    layout->addWidget(ScrollBar1, 1, 0, 1, 2);
    layout->addWidget(Label2, 2, 0);
    layout->addWidget(Label3, 2, 1);

    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] {
        updateLabels();
        sg_col->update();
    });
    edgeTimer_.setInterval(80);
    connect(&edgeTimer_, &QTimer::timeout, this, &ColumnStrip::edgeScroll);
    refresh();
}

int ColumnStrip::visibleCount() const {
    // ColCount = (panel width - 11) div (column width + 1), as the grid's margins allow.
    return std::max(0, (sg_col->width() - 11) / (ColumnGrid::kColumnWidth + 1));
}

std::int32_t ColumnStrip::firstVisible() const {
    return ScrollBar1->value();
}

void ColumnStrip::refresh() {
    const std::int32_t k = store_.count;
    const int shown = visibleCount();
    if (shown < k) {
        const std::int32_t maximum = k - shown + 1;
        const bool keep = ScrollBar1->value() >= 1 && ScrollBar1->value() <= maximum;
        const QSignalBlocker block(ScrollBar1);
        ScrollBar1->setEnabled(true);
        ScrollBar1->setRange(1, maximum);
        if (!keep) ScrollBar1->setValue(1);
        ScrollBar1->setPageStep(std::max(1, shown));
    } else {
        const QSignalBlocker block(ScrollBar1);
        ScrollBar1->setRange(1, 1);
        ScrollBar1->setValue(1);
        ScrollBar1->setEnabled(false);
    }
    if (selection_.state != ColumnSelection::None && (selection_.start > k || selection_.end > k))
        selection_ = ColumnSelection{};
    updateLabels();
    sg_col->update();
}

void ColumnStrip::updateLabels() {
    const std::int32_t k = store_.count;
    const std::int32_t first = firstVisible();
    Label2->setText(k > 0 ? QString::number(first) : QString());
    const std::int64_t last =
        std::min<std::int64_t>(static_cast<std::int64_t>(first) + visibleCount() - 1, k);
    Label3->setText(k >= static_cast<std::int64_t>(first) + 3 ? QString::number(last) : QString());
}

void ColumnStrip::clearSelection() {
    selection_ = ColumnSelection{};
    sg_col->update();
}

void ColumnStrip::scrollTo(std::int32_t position) {
    ScrollBar1->setValue(position);
}

void ColumnStrip::pressAt(int gridColumn) {
    if (selection_.state == ColumnSelection::Dragging) return;
    const std::int64_t position = static_cast<std::int64_t>(firstVisible()) + gridColumn;
    if (position > store_.count) return;
    selection_.state = ColumnSelection::Dragging;
    selection_.start = selection_.end = static_cast<std::int32_t>(position);
    pointerColumn_ = gridColumn;
    sg_col->update();
}

void ColumnStrip::dragTo(int gridColumn, QPoint) {
    pointerColumn_ = gridColumn;
    if (gridColumn < 0) return;
    const std::int64_t position =
        std::min<std::int64_t>(static_cast<std::int64_t>(firstVisible()) + gridColumn, store_.count);
    if (position >= 1 && position != selection_.end) {
        selection_.end = static_cast<std::int32_t>(position);
        sg_col->update();
    }
    const bool atEdge = gridColumn == 0 || gridColumn == visibleCount() - 1;
    edgeScroll();
    if (atEdge && !edgeTimer_.isActive()) edgeTimer_.start();
    if (!atEdge) edgeTimer_.stop();
}

// At the last visible column the strip scrolls one step right, at the first one step left; the
// column now under the pointer becomes the end of the range.
void ColumnStrip::edgeScroll() {
    if (selection_.state != ColumnSelection::Dragging) {
        edgeTimer_.stop();
        return;
    }
    const int shown = visibleCount();
    int step = 0;
    if (pointerColumn_ == shown - 1 && ScrollBar1->value() < ScrollBar1->maximum())
        step = 1;
    else if (pointerColumn_ == 0 && ScrollBar1->value() > ScrollBar1->minimum())
        step = -1;
    if (step == 0) return;
    ScrollBar1->setValue(ScrollBar1->value() + step);
    const std::int64_t position =
        std::min<std::int64_t>(static_cast<std::int64_t>(firstVisible()) + pointerColumn_, store_.count);
    if (position >= 1) selection_.end = static_cast<std::int32_t>(position);
    sg_col->update();
}

void ColumnStrip::release() {
    edgeTimer_.stop();
    if (selection_.state != ColumnSelection::Dragging) return;
    selection_.state = ColumnSelection::Selected;
    sg_col->update();
}

void ColumnStrip::hover(QPoint where) {
    const int c = sg_col->gridColumnAt(where.x());
    const std::int64_t position = static_cast<std::int64_t>(firstVisible()) + c;
    if (c < 0 || position > store_.count) {
        Panel3->hide();
        return;
    }
    Panel3->setText(QString::number(position));
    Panel3->adjustSize();
    QPoint at = where + QPoint(16, 16);
    // Kept inside the grid so that it never hides behind its edge.
    if (at.x() + Panel3->width() > sg_col->width()) at.setX(where.x() - 16 - Panel3->width());
    if (at.y() + Panel3->height() > sg_col->height()) at.setY(where.y() - 16 - Panel3->height());
    Panel3->move(at);
    Panel3->show();
    Panel3->raise();
}
