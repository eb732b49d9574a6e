#include "archive/UImpoCalcoloRitardi.h"

#include "archive/statistics.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "ui/gui_services.h"

#include "ui_UImpoCalcoloRitardi.h"

TImpoCalcoloRitardi::TImpoCalcoloRitardi(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TImpoCalcoloRitardi>()) {
    ui_->setupUi(this);
    CheckBox1 = ui_->CheckBox1;
    CheckBox2 = ui_->CheckBox2;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;
    connect(BitBtn1, &QPushButton::clicked, this, &TImpoCalcoloRitardi::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { services_.help.showTopic("imp_ritardi.htm"); });
    FormCreate();
}

TImpoCalcoloRitardi::~TImpoCalcoloRitardi() = default;

void TImpoCalcoloRitardi::FormCreate() {
    CheckBox1->setChecked(g_.settings.irEscludiJolly != 0);
    CheckBox2->setChecked(g_.settings.irEscludiSuperStar != 0);
}

void TImpoCalcoloRitardi::BitBtn1Click() {
    g_.settings.irEscludiJolly = CheckBox1->isChecked() ? 1 : 0;
    g_.settings.irEscludiSuperStar = CheckBox2->isChecked() ? 1 : 0;
    SaveSettings(g_.settings, g_.settingsStore());
    recomputeStatistics(g_);
    accept();
}
