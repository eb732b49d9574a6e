#include "statistics_view/UNumberPanel.h"

#include "archive/UImpoCalcoloFrequenze.h"
#include "archive/UImpoCalcoloRitardi.h"
#include "archive/UImpoProbabilita.h"
#include "core/Globali.h"
#include "shell/UPri.h"
#include "statistics_view/UStatisticsArea.h"
#include "statistics_view/statistics_views.h"
#include "ui/number_board.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum PanelColumn {
    kNumberColumn,
    kDelayColumn,
    kFrequencyColumn,
    kProbabilityColumn,
    kBarColumn,
    kColumnCount
};
constexpr int kRowHeight = 18;
constexpr int kVisibleRows = 13; // with the top row n - 8, the last number still fills the grid
constexpr int kBarRole = Qt::UserRole + 1;

// The probability bar: its length is the probability's share of the cell.
class ProbabilityBarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        plain.text.clear();
        QStyledItemDelegate::paint(p, plain, index);
        const double fraction = index.data(kBarRole).toDouble();
        const QRectF cell = QRectF(option.rect).adjusted(3, 4, -3, -4);
        p->save();
        p->setPen(QColor(0x90, 0x90, 0x90));
        p->setBrush(QColor(0xF4, 0xF4, 0xF0));
        p->drawRect(cell);
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(0x2E, 0x8B, 0x57));
        p->drawRect(
            QRectF(cell.left() + 0.5, cell.top() + 0.5, (cell.width() - 1) * fraction, cell.height() - 1));
        p->restore();
    }
};

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

NumberPanel::NumberPanel(TPri& window, Globali& g, GuiServices& services, StatisticsArea& area)
    : QObject(window.EnterLeavePan1), window_(window), g_(g), services_(services), area_(area) {
    QWidget* panel = window.EnterLeavePan1;
    if (auto* frame = qobject_cast<QFrame*>(panel)) frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    vdb = new QTableWidget(kMaxNumber, kColumnCount, panel);
    vdb->setObjectName("vdb");
    vdb->setHorizontalHeaderLabels({"Numero", "Ritardo", "Frequenza", "Probabilità", "Grafico probabilità"});
    vdb->verticalHeader()->hide();
    vdb->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vdb->verticalHeader()->setDefaultSectionSize(kRowHeight);
    vdb->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    vdb->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vdb->setSelectionBehavior(QAbstractItemView::SelectRows);
    vdb->setSelectionMode(QAbstractItemView::SingleSelection);
    vdb->setFocusPolicy(Qt::NoFocus);
    vdb->setContextMenuPolicy(Qt::PreventContextMenu); // the right button removes the number
    vdb->setItemDelegateForColumn(kBarColumn, new ProbabilityBarDelegate(vdb));
    // The highlight stays visible although the grid never takes the focus.
    QPalette palette = vdb->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0x1F, 0x5F, 0xB4));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    vdb->setPalette(palette);
    QHeaderView* header = vdb->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    const int widths[kColumnCount] = {58, 58, 72, 78, 130};
    for (int c = 0; c < kColumnCount; ++c) vdb->setColumnWidth(c, widths[c]);
    vdb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vdb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int width =
        58 + 58 + 72 + 78 + 130 + vdb->verticalScrollBar()->sizeHint().width() + 2 * vdb->frameWidth();
    vdb->setFixedSize(width, header->sizeHint().height() + kVisibleRows * kRowHeight + 2 * vdb->frameWidth());
    for (int r = 0; r < kMaxNumber; ++r) vdb->setItem(r, kNumberColumn, Cell(std::to_string(r + 1)));

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addWidget(vdb);
    panel->adjustSize();

    vdb->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { headingClicked(column); });
    refreshValues(true);
}

void NumberPanel::refreshValues(bool always) {
    // The pointer moves over the board all the time: refill only when something changed.
    const std::uint64_t fingerprint = StatisticsFingerprint(g_.archive, g_.settings);
    if (!always && filled_ && fingerprint == fingerprint_ && g_.settings.decimali == decimals_) return;
    recomputeStatistics(g_);
    filled_ = true;
    fingerprint_ = fingerprint;
    decimals_ = g_.settings.decimali;
    for (int r = 0; r < kMaxNumber; ++r) {
        const PanelRow row = PanelRowFor(g_.stats, r + 1, g_.settings.decimali);
        vdb->setItem(r, kDelayColumn, Cell(row.delay));
        vdb->setItem(r, kFrequencyColumn, Cell(row.frequency));
        vdb->setItem(r, kProbabilityColumn, Cell(row.probability));
        QTableWidgetItem* bar = Cell({});
        bar->setData(kBarRole, row.barFraction);
        vdb->setItem(r, kBarColumn, bar);
    }
}

void NumberPanel::showNumber(int number) {
    if (number < 1 || number > kMaxNumber) return;
    refreshValues();
    vdb->selectRow(number - 1);
    vdb->verticalScrollBar()->setValue(PanelTopRow(number));
    place();
    window_.EnterLeavePan1->show();
    window_.EnterLeavePan1->raise();
}

// Next to the board, over the summary, so the pointer reaches it well within the hiding delay.
void NumberPanel::place() {
    QWidget* panel = window_.EnterLeavePan1;
    QWidget* host = panel->parentWidget();
    if (!host) return;
    const QPoint boardCorner = window_.Vss->mapTo(host, QPoint(window_.Vss->width(), 0));
    panel->adjustSize();
    const int x = std::max(0, std::min(boardCorner.x() + 10, host->width() - panel->width()));
    panel->move(x, std::max(0, boardCorner.y() - 20));
}

void NumberPanel::vdbMouseUp(int row, Qt::MouseButton button) {
    const int number = row + 1;
    if (number < 1 || number > kMaxNumber) return;
    ForecastFlags& forecast = g_.system.forecast;
    if (button == Qt::LeftButton && !forecast.has(number)) {
        forecast.set(number, true);
    } else if (button == Qt::RightButton && forecast.has(number)) {
        forecast.set(number, false);
    } else {
        return;
    }
    g_.system.invalidateResults();
    window_.Vss->update();
    window_.RefreshSummary();
}

void NumberPanel::headingClicked(int column) {
    QWidget* parent = &window_;
    switch (column) {
    case kDelayColumn: {
        TImpoCalcoloRitardi settings(g_, services_, parent);
        settings.exec();
        break;
    }
    case kFrequencyColumn: {
        TImpoCalcoloFrequenze settings(g_, services_, false, parent);
        settings.exec();
        break;
    }
    case kProbabilityColumn:
    case kBarColumn: {
        TImpoProbabilita settings(g_, services_, parent);
        settings.exec();
        break;
    }
    default:
        return;
    }
    area_.refreshIfOutOfDate();
    refreshValues(true);
}

bool NumberPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == vdb->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = vdb->rowAt(mouse->position().toPoint().y());
        if (row >= 0) vdbMouseUp(row, mouse->button());
    }
    return QObject::eventFilter(watched, event);
}
