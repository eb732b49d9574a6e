#include "analysis_pages/UQuantityDialog.h"

#include "ui/gui_services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TQuantityDialog::TQuantityDialog(GuiServices& services, QuantityLimit limit, int maximum, QWidget* parent)
    : QDialog(parent), services_(services), limit_(limit), maximum_(maximum) {}

void TQuantityDialog::bindControls(QLabel* label, QLineEdit* edit, QPushButton* ok, QPushButton* cancel) {
    Label1 = label;
    Edit1 = edit;
    gobtn = ok;
    BitBtn4 = cancel;
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    connect(gobtn, &QPushButton::clicked, this, &TQuantityDialog::gobtnClick);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
}

void TQuantityDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setText(QString::number(quantity_));
    Edit1->selectAll();
    Edit1->setFocus();
}

void TQuantityDialog::gobtnClick() {
    const auto value =
        AcceptQuantity(services_.messages, Edit1->text().toStdString(), minimum(), maximum_, limit_);
    if (!value) {
        Edit1->setFocus();
        return;
    }
    quantity_ = *value;
    tag_ = 1;
    accept();
}
