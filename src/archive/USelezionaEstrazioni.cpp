#include "archive/USelezionaEstrazioni.h"

#include "ui_USelezionaEstrazioni.h"

namespace {

QString DrawLabel(const char* prefix, const DrawRecord& r) {
    return QString("%1%2 del %3/%4/%5").arg(prefix).arg(r.concorso).arg(r.day).arg(r.month).arg(r.year);
}

} // namespace

TSelezionaEstrazioni::TSelezionaEstrazioni(const DrawArchive& archive, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TSelezionaEstrazioni>()), archive_(archive) {
    ui_->setupUi(this);
    const int count = std::max(1, archive_.count());
    ui_->scb1->setRange(1, count);
    ui_->scb2->setRange(1, count);
    ui_->scb1->setValue(count);
    ui_->scb2->setValue(count);
    connect(ui_->scb1, &QScrollBar::valueChanged, this, &TSelezionaEstrazioni::scb1Change);
    connect(ui_->scb2, &QScrollBar::valueChanged, this, &TSelezionaEstrazioni::scb2Change);
    connect(ui_->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::reject);
    showLabels();
}

TSelezionaEstrazioni::~TSelezionaEstrazioni() = default;

void TSelezionaEstrazioni::setExplanation(const QString& text) {
    ui_->Label4->setText(text);
}

void TSelezionaEstrazioni::setRange(int first, int last) {
    ui_->scb1->setValue(first);
    ui_->scb2->setValue(last);
    showLabels();
}

int TSelezionaEstrazioni::first() const {
    return ui_->scb1->value();
}
int TSelezionaEstrazioni::last() const {
    return ui_->scb2->value();
}

void TSelezionaEstrazioni::scb1Change(int value) {
    if (value > ui_->scb2->value()) ui_->scb2->setValue(value);
    showLabels();
}

void TSelezionaEstrazioni::scb2Change(int value) {
    if (value < ui_->scb1->value()) ui_->scb1->setValue(value);
    showLabels();
}

void TSelezionaEstrazioni::showLabels() {
    if (archive_.empty()) return;
    ui_->Label1->setText(DrawLabel("Concorso iniziale nº ", archive_.record(first())));
    ui_->Label2->setText(DrawLabel("Concorso finale nº ", archive_.record(last())));
    ui_->Label3->setText(QString("Numero di concorsi selezionati: %1").arg(last() - first() + 1));
}
