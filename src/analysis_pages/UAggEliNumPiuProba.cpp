#include "analysis_pages/UAggEliNumPiuProba.h"

#include "archive/UImpoProbabilita.h"
#include "archive/statistics.h"
#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UAggEliNumPiuProba.h"

#include <QRegularExpressionValidator>

TAggEliNumPiuProba::TAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change,
                                       int maximum, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TAggEliNumPiuProba>()),
      maximum_(maximum) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Edit1 = ui_->Edit1;
    gobtn = ui_->gobtn;
    BitBtn4 = ui_->BitBtn4;
    Impostazioni = ui_->Impostazioni;
    if (change == ForecastChange::Remove) {
        setWindowTitle("Elimina numeri meno probabili");
        Label1->setText("Quatità di numeri da eliminare:");
    }
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    connect(gobtn, &QPushButton::clicked, this, &TAggEliNumPiuProba::gobtnClick);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    connect(Impostazioni, &QPushButton::clicked, this, &TAggEliNumPiuProba::ImpostazioniClick);
}

TAggEliNumPiuProba::~TAggEliNumPiuProba() = default;

void TAggEliNumPiuProba::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setText(QString::number(quantity_));
    Edit1->selectAll();
    Edit1->setFocus();
}

void TAggEliNumPiuProba::gobtnClick() {
    const auto value = AcceptQuantity(services_.messages, Edit1->text().toStdString(), minimum(), maximum_,
                                      QuantityLimit::LowerToMaximum);
    if (!value) {
        Edit1->setFocus();
        return;
    }
    quantity_ = *value;
    tag_ = 1;
    accept();
}

void TAggEliNumPiuProba::ImpostazioniClick() {
    TImpoProbabilita settings(g_, services_, this);
    settings.exec();
}

void RunAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change, QWidget* parent) {
    const ForecastFlags& forecast = globali.system.forecast;
    const int maximum = change == ForecastChange::Add ? AddableCount(forecast) : RemovableCount(forecast);
    if (maximum <= 0) return;
    TAggEliNumPiuProba dialog(globali, services, change, maximum, parent);
    dialog.exec();
    if (dialog.tag() != 1) {
        // "Impostazioni" may have changed how the probabilities are computed.
        recomputeStatistics(globali);
        return;
    }
    // Both commands recompute the probabilities before choosing the numbers.
    if (change == ForecastChange::Add)
        AddMostProbableNumbers(globali, dialog.quantity());
    else
        RemoveLeastProbableNumbers(globali, dialog.quantity());
}
