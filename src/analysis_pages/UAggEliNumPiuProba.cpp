#include "analysis_pages/UAggEliNumPiuProba.h"

#include "archive/UImpoProbabilita.h"
#include "archive/statistics.h"
#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UAggEliNumPiuProba.h"

#include <QLabel>
#include <QPushButton>

TAggEliNumPiuProba::TAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change,
                                       int maximum, QWidget* parent)
    : TQuantityDialog(services, QuantityLimit::LowerToMaximum, maximum, parent), g_(globali),
      ui_(std::make_unique<Ui::TAggEliNumPiuProba>()) {
    ui_->setupUi(this);
    bindControls(ui_->Label1, ui_->Edit1, ui_->gobtn, ui_->BitBtn4);
    Impostazioni = ui_->Impostazioni;
    if (change == ForecastChange::Remove) {
        setWindowTitle("Elimina numeri meno probabili");
        Label1->setText("Quatità di numeri da eliminare:");
    }
    connect(Impostazioni, &QPushButton::clicked, this, &TAggEliNumPiuProba::ImpostazioniClick);
}

TAggEliNumPiuProba::~TAggEliNumPiuProba() = default;

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
