#include "analysis_pages/UPaginaAnalisiCombinazioni.h"

#include "analysis_pages/combination_analysis.h"
#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UPaginaAnalisiCombinazioni.h"

#include <QHeaderView>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Button pictures drawn here rather than shipped: a patch of the board for the forecast, a
// stacked column for the selected final column.
QIcon BoardIcon() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const bool on = (r + c) % 2 == 0;
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.setBrush(on ? QColor(0xD0, 0x20, 0x20) : QColor(Qt::white));
            p.drawRect(1 + c * 6, 1 + r * 6, 5, 5);
        }
    return QIcon(picture);
}

QIcon ColumnIcon() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xFF, 0xF5, 0xC0));
    p.drawRect(6, 0, 8, 19);
    p.setBrush(QColor(0x20, 0x20, 0x80));
    for (int i = 0; i < 6; ++i) p.drawRect(8, 1 + i * 3, 4, 1);
    return QIcon(picture);
}

} // namespace

TPaginaAnalisiCombinazioni::TPaginaAnalisiCombinazioni(Globali& globali, GuiServices& services,
                                                       std::function<std::optional<Column>()> selectedColumn,
                                                       QWidget* parent)
    : QWidget(parent), g_(globali), services_(services), selectedColumn_(std::move(selectedColumn)),
      ui_(std::make_unique<Ui::TPaginaAnalisiCombinazioni>()) {
    ui_->setupUi(this);
    Edit1 = ui_->Edit1;
    SpeedButton3 = ui_->SpeedButton3;
    SpeedButton4 = ui_->SpeedButton4;
    BitBtn3 = ui_->BitBtn3;
    ListView1 = ui_->ListView1;
    SpeedButton3->setIcon(BoardIcon());
    SpeedButton4->setIcon(ColumnIcon());
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 ]*"), this));
    // The date keeps its width; the six counts share what is left.
    QHeaderView* header = ListView1->header();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(header->fontMetrics().horizontalAdvance("0000") + 12);
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    ListView1->setColumnWidth(0, header->fontMetrics().horizontalAdvance("00/00/0000") + 14);
    connect(Edit1, &QLineEdit::textChanged, this, &TPaginaAnalisiCombinazioni::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        if (BitBtn3->isEnabled()) BitBtn3Click();
    });
    connect(SpeedButton3, &QToolButton::clicked, this, &TPaginaAnalisiCombinazioni::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TPaginaAnalisiCombinazioni::SpeedButton4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPaginaAnalisiCombinazioni::BitBtn3Click);
}

TPaginaAnalisiCombinazioni::~TPaginaAnalisiCombinazioni() = default;

void TPaginaAnalisiCombinazioni::Edit1Change() {
    BitBtn3->setEnabled(!Edit1->text().trimmed().isEmpty());
}

void TPaginaAnalisiCombinazioni::SpeedButton3Click() {
    Edit1->setText(QString::fromStdString(ForecastNumbersText(g_.system.forecast)));
}

void TPaginaAnalisiCombinazioni::SpeedButton4Click() {
    if (!selectedColumn_) return;
    if (const auto column = selectedColumn_())
        Edit1->setText(QString::fromStdString(ColumnNumbersText(*column)));
}

void TPaginaAnalisiCombinazioni::BitBtn3Click() {
    const auto set = ParseCombinationNumbers(Edit1->text().toStdString());
    if (!set) {
        services_.messages.warning(kCombinationNumbersInvalidText);
        Edit1->setFocus();
        return;
    }
    ListView1->clear();
    ListView1->hide();
    const auto rows = CombinationListRows(g_.archive, AnalyseCombination(g_.archive, *set));
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const CombinationListRow& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const int column = static_cast<int>(c);
            item->setText(column, QString::fromStdString(row[c]));
            item->setTextAlignment(column, Qt::AlignCenter);
        }
        items.append(item);
    }
    ListView1->addTopLevelItems(items);
    ListView1->show();
    ListView1->setCurrentItem(items.last());
    ListView1->scrollToBottom();
}
