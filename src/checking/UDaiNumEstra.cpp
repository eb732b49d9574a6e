#include "checking/UDaiNumEstra.h"

#include "ui_UDaiNumEstra.h"

#include "checking/winning_entry.h"

TDaiNumEstra::TDaiNumEstra(const DrawArchive& archive, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TDaiNumEstra>()), archive_(archive) {
    ui_->setupUi(this);
    for (int m = 1; m <= 12; ++m) ui_->ComboBox2->addItem(QString::number(m));
    connect(ui_->sbdb, &QScrollBar::valueChanged, this, &TDaiNumEstra::sbdbChange);
    for (auto* combo : {ui_->ComboBox1, ui_->ComboBox2, ui_->ComboBox3})
        connect(combo, &QComboBox::activated, this, &TDaiNumEstra::ComboChange);
    connect(ui_->go, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TDaiNumEstra::~TDaiNumEstra() = default;

int TDaiNumEstra::chosenRecord() const {
    return ui_->sbdb->value();
}

bool TDaiNumEstra::pick() {
    if (archive_.empty()) return false;
    syncRange();
    return exec() == QDialog::Accepted;
}

void TDaiNumEstra::syncRange() {
    // The lists follow the archive: rebuilt, and the bar put on the last draw, when it changed.
    if (knownCount_ == archive_.count()) return;
    knownCount_ = archive_.count();
    updating_ = true;
    ui_->ComboBox1->clear();
    for (int y : PickerYears(archive_)) ui_->ComboBox1->addItem(QString::number(y));
    ui_->sbdb->setRange(1, archive_.count());
    updating_ = false;
    ui_->sbdb->setValue(archive_.count());
    sbdbChange(archive_.count());
}

void TDaiNumEstra::sbdbChange(int k) {
    if (k < 1 || k > archive_.count()) return;
    const DrawRecord& r = archive_.record(k);
    updating_ = true;
    ui_->ComboBox1->setCurrentText(QString::number(r.year));
    ui_->ComboBox2->setCurrentIndex(r.month - 1);
    ui_->ComboBox3->clear();
    for (int day : PickerRecordsOfMonth(archive_, r.year, r.month)) {
        ui_->ComboBox3->addItem(QString::number(archive_.record(day).day));
        if (day == k) ui_->ComboBox3->setCurrentIndex(ui_->ComboBox3->count() - 1);
    }
    updating_ = false;
    ui_->Label2->setText(r.concorso ? QString("Concorso Nº %1").arg(r.concorso) : QString());
    QStringList numbers;
    for (auto n : r.numbers) numbers << QString::number(n);
    ui_->Label1->setText(
        QString("%1 - Jolly %2 - SuperStar %3").arg(numbers.join(' ')).arg(r.jolly).arg(r.superStar));
}

void TDaiNumEstra::ComboChange() {
    if (updating_) return;
    const int year = ui_->ComboBox1->currentText().toInt();
    const int month = ui_->ComboBox2->currentIndex() + 1;
    const int day = ui_->ComboBox3->currentText().toInt();
    ui_->sbdb->setValue(PickerRecordFor(archive_, year, month, day));
    sbdbChange(ui_->sbdb->value());
}
