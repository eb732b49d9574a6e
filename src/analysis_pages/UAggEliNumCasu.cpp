#include "analysis_pages/UAggEliNumCasu.h"

#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UAggEliNumCasu.h"

#include <QRegularExpressionValidator>

TAggEliNumCasu::TAggEliNumCasu(GuiServices& services, ForecastChange change, int maximum, QWidget* parent)
    : QDialog(parent), services_(services), ui_(std::make_unique<Ui::TAggEliNumCasu>()), maximum_(maximum) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Edit1 = ui_->Edit1;
    gobtn = ui_->gobtn;
    BitBtn4 = ui_->BitBtn4;
    if (change == ForecastChange::Remove) {
        setWindowTitle("Elimina numeri casualmente");
        Label1->setText("Quantità di numeri da eliminare:");
    }
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    connect(gobtn, &QPushButton::clicked, this, &TAggEliNumCasu::gobtnClick);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
}

TAggEliNumCasu::~TAggEliNumCasu() = default;

void TAggEliNumCasu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setText(QString::number(quantity_));
    Edit1->selectAll();
    Edit1->setFocus();
}

void TAggEliNumCasu::gobtnClick() {
    const auto value = AcceptQuantity(services_.messages, Edit1->text().toStdString(), minimum(), maximum_,
                                      QuantityLimit::RefuseAboveMaximum);
    if (!value) {
        Edit1->setFocus();
        return;
    }
    quantity_ = *value;
    tag_ = 1;
    accept();
}

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
