#include "analysis_pages/UPaginaSmorfia.h"

#include "analysis_pages/smorfia_search.h"
#include "core/Globali.h"

#include "ui_UPaginaSmorfia.h"

#include <QHeaderView>
#include <QTableWidget>

#include <filesystem>

TPaginaSmorfia::TPaginaSmorfia(Globali& globali, QWidget* parent)
    : QWidget(parent), g_(globali), ui_(std::make_unique<Ui::TPaginaSmorfia>()) {
    ui_->setupUi(this);
    smo = ui_->smo;
    BitBtn1 = ui_->BitBtn1;
    sgsmo = ui_->sgsmo;
    sgsmo->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    sgsmo->setColumnWidth(0, sgsmo->fontMetrics().horizontalAdvance("Numero") + 30);
    sgsmo->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sgsmo->verticalHeader()->setDefaultSectionSize(sgsmo->fontMetrics().height() + 8);
    EmptyGrid();
    connect(smo, &QLineEdit::textChanged, this, &TPaginaSmorfia::smoChange);
    connect(smo, &QLineEdit::returnPressed, this, [this] {
        if (BitBtn1->isEnabled()) BitBtn1Click();
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TPaginaSmorfia::BitBtn1Click);
}

TPaginaSmorfia::~TPaginaSmorfia() = default;

void TPaginaSmorfia::smoChange() {
    BitBtn1->setEnabled(!smo->text().trimmed().isEmpty());
}

void TPaginaSmorfia::EmptyGrid() {
    sgsmo->clearContents();
    sgsmo->setRowCount(1);
}

void TPaginaSmorfia::BitBtn1Click() {
    EmptyGrid();
    sgsmo->hide();
    const auto path = std::filesystem::path(g_.dirs.sharedDataDir) / kSmorfiaFileName;
    const auto rows = SearchSmorfiaFile(path, smo->text().toStdString());
    if (!rows) return;
    sgsmo->setRowCount(static_cast<int>(SmorfiaGridRowCount(*rows)));
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const SmorfiaRow& row = (*rows)[i];
        const int r = static_cast<int>(i);
        sgsmo->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(FormatSmorfiaNumber(row.number))));
        sgsmo->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.description)));
    }
    sgsmo->scrollToTop();
    sgsmo->show();
}
