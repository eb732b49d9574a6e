#include "shell/USviluppoIntegrale.h"

#include "core/Globali.h"
#include "shell/integral_development.h"
#include "ui/gui_operation_host.h"
#include "ui/gui_services.h"

#include "ui_USviluppoIntegrale.h"

#include <QCloseEvent>

TSviluppoIntegrale::TSviluppoIntegrale(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TSviluppoIntegrale>()) {
    ui_->setupUi(this);
    gobtn = ui_->gobtn;
    stopbtn = ui_->stopbtn;
    BitBtn3 = ui_->BitBtn3;
    BitBtn4 = ui_->BitBtn4;
    gg = ui_->gg;
    Label1 = ui_->Label1;
    usafisse = ui_->usafisse;
    controls_ = std::make_unique<RunningStateControls>(
        running_, RunningStateControls::Controls{gobtn, stopbtn, gg, Label1, {ui_->GroupBox1, BitBtn4}});
    connect(gobtn, &QPushButton::clicked, this, &TSviluppoIntegrale::gobtnClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TSviluppoIntegrale::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TSviluppoIntegrale::reject);
    FormCreate();
}

TSviluppoIntegrale::~TSviluppoIntegrale() = default;

void TSviluppoIntegrale::FormCreate() {
    const bool hasFixed = g_.system.fixed.count > 0;
    usafisse->setEnabled(hasFixed);
    usafisse->setChecked(hasFixed);
    controls_->showIdle();
}

void TSviluppoIntegrale::gobtnClick() {
    if (running_.running()) return;
    GuiOperationHost host(running_, services_.messages, g_.clock, gg, Label1);
    controls_->enter();
    const OperationOutcome outcome = DevelopForecast(g_, host, usafisse->isChecked());
    controls_->leave();
    switch (outcome) {
    case OperationOutcome::Completed:
        accept();
        break;
    case OperationOutcome::NothingAdded:
        services_.messages.warning(kNothingAddedText);
        break;
    case OperationOutcome::Interrupted:
    case OperationOutcome::GrowthFailed:
        // The list is as it was; the user may change the options and start again.
        break;
    }
}

void TSviluppoIntegrale::BitBtn3Click() {
    services_.help.showTopic(QStringLiteral("mdr_svilint.htm"));
}

void TSviluppoIntegrale::reject() {
    if (controls_->refusesClose()) return;
    QDialog::reject();
}

void TSviluppoIntegrale::closeEvent(QCloseEvent* event) {
    if (controls_->refusesClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void RunSviluppoIntegrale(Globali& globali, GuiServices& services, QWidget* parent) {
    if (globali.system.columns.count > 0) services.messages.information(kDevelopmentSlowWarningText);
    TSviluppoIntegrale window(globali, services, parent);
    window.exec();
}
