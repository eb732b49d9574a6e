#include "analysis_pages/UAggEliNumCasu.h"

#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UAggEliNumCasu.h"

#include <QLabel>

TAggEliNumCasu::TAggEliNumCasu(GuiServices& services, ForecastChange change, int maximum, QWidget* parent)
    : TQuantityDialog(services, QuantityLimit::RefuseAboveMaximum, maximum, parent),
      ui_(std::make_unique<Ui::TAggEliNumCasu>()) {
    ui_->setupUi(this);
    bindControls(ui_->Label1, ui_->Edit1, ui_->gobtn, ui_->BitBtn4);
    if (change == ForecastChange::Remove) {
        setWindowTitle("Elimina numeri casualmente");
        Label1->setText("Quantità di numeri da eliminare:");
    }
}

TAggEliNumCasu::~TAggEliNumCasu() = default;

void RunAggEliNumCasu(Globali& globali, GuiServices& services, ForecastChange change, QWidget* parent) {
    const ForecastFlags& forecast = globali.system.forecast;
    const int maximum = change == ForecastChange::Add ? AddableCount(forecast) : RemovableCount(forecast);
    if (maximum <= 0) return;
    TAggEliNumCasu dialog(services, change, maximum, parent);
    dialog.exec();
    if (dialog.tag() != 1) return;
    if (change == ForecastChange::Add)
        AddRandomNumbers(globali, dialog.quantity());
    else
        RemoveRandomNumbers(globali, dialog.quantity());
}
