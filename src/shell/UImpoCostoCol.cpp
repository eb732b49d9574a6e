#include "shell/UImpoCostoCol.h"

#include "core/Globali.h"
#include "core/number_format.h"
#include "core/settings_store.h"
#include "ui/gui_services.h"

#include "ui_UImpoCostoCol.h"

QValidator::State AmountKeyFilter::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        QChar c = input.at(i);
        if (c == QLatin1Char(',')) c = QLatin1Char('.');
        if (c.isDigit() && c.unicode() < 128) {
            kept += c;
        } else if (c == QLatin1Char('.')) {
            kept += c;
        } else if (i < pos) {
            --newPos;
        }
    }
    input = kept;
    pos = newPos;
    return Acceptable;
}

TImpoCostoCol::TImpoCostoCol(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TImpoCostoCol>()) {
    ui_->setupUi(this);
    Edit1 = ui_->Edit1;
    Edit2 = ui_->Edit2;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;
    auto* filter = new AmountKeyFilter(this);
    Edit1->setValidator(filter);
    Edit2->setValidator(filter);
    connect(OKBtn, &QPushButton::clicked, this, &TImpoCostoCol::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

TImpoCostoCol::~TImpoCostoCol() = default;

void TImpoCostoCol::FormCreate() {
    Edit1->setText(QString::fromStdString(FormatReal(g_.settings.costoColonnaNew, g_.settings.decimali)));
    Edit2->setText(QString::fromStdString(FormatReal(g_.settings.costoColonnaSS, g_.settings.decimali)));
}

void TImpoCostoCol::OKBtnClick() {
    switch (SetColumnCosts(g_.settings, g_.settingsStore(), Edit1->text().toStdString(),
                           Edit2->text().toStdString())) {
    case ColumnCostError::None:
        accept();
        return;
    case ColumnCostError::SingleColumn:
        services_.messages.warning(kMsgCostoColonnaNonValido);
        Edit1->setFocus();
        return;
    case ColumnCostError::SuperStar:
        services_.messages.warning(kMsgCostoSuperStarNonValido);
        Edit2->setFocus();
        return;
    }
}

void RunImpoCostoCol(Globali& globali, GuiServices& services, QWidget* parent) {
    TImpoCostoCol dialog(globali, services, parent);
    dialog.exec();
}
