#include "archive/UModificaSmorfia.h"

#include "archive/smorfia.h"
#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UModificaSmorfia.h"

#include <QTableWidget>

#include <algorithm>
#include <filesystem>

namespace {

std::filesystem::path SmorfiaPath(const Globali& g) {
    return std::filesystem::path(g.dirs.sharedDataDir) / kSmorfiaFileName;
}

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

TModificaSmorfia::TModificaSmorfia(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TModificaSmorfia>()) {
    ui_->setupUi(this);
    smo = ui_->smo;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;
    connect(smo, &QTableWidget::cellClicked, this, &TModificaSmorfia::smoClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TModificaSmorfia::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TModificaSmorfia::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

TModificaSmorfia::~TModificaSmorfia() = default;

void TModificaSmorfia::AppendEmptyRow() {
    const int row = smo->rowCount();
    smo->insertRow(row);
    smo->setItem(row, 0, new QTableWidgetItem());
    smo->setItem(row, 1, new QTableWidgetItem());
}

void TModificaSmorfia::FormCreate() {
    // A missing file is an empty smorfia; "Applica" creates it.
    std::vector<SmorfiaEntry> entries;
    ReadSmorfia(SmorfiaPath(g_), entries);
    smo->setRowCount(0);
    for (const SmorfiaEntry& e : entries) {
        const int row = smo->rowCount();
        smo->insertRow(row);
        smo->setItem(row, 0, new QTableWidgetItem(QString::number(e.number)));
        smo->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(e.description)));
    }
    AppendEmptyRow();
}

void TModificaSmorfia::smoClick() {
    if (!CellText(smo, smo->rowCount() - 1, 0).isEmpty()) AppendEmptyRow();
}

void TModificaSmorfia::BitBtn2Click() {
    std::vector<int> rows;
    for (const QTableWidgetSelectionRange& range : smo->selectedRanges())
        for (int r = range.topRow(); r <= range.bottomRow(); ++r)
            if (r >= 0 && r < smo->rowCount()) rows.push_back(r);
    std::sort(rows.rbegin(), rows.rend());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int r : rows) smo->removeRow(r);
    if (smo->rowCount() == 0) AppendEmptyRow();
}

void TModificaSmorfia::BitBtn1Click() {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int r = 0; r < smo->rowCount(); ++r)
        rows.emplace_back(CellText(smo, r, 0).toStdString(), CellText(smo, r, 1).toStdString());
    if (!WriteSmorfia(SmorfiaPath(g_), SmorfiaEntriesFromRows(rows))) {
        // Closing as if it had worked would lose the user's changes without a word.
        services_.messages.error("Impossibile salvare la smorfia nel file " + SmorfiaPath(g_).string() + ".");
        return;
    }
    accept();
}
