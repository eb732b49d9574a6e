#include "archive/UImpoCalcoloFrequenze.h"

#include "archive/statistics.h"
#include "archive/statistics_settings.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "ui/gui_services.h"

#include "ui_UImpoCalcoloFrequenze.h"

#include <QRegularExpressionValidator>

TImpoCalcoloFrequenze::TImpoCalcoloFrequenze(Globali& globali, GuiServices& services, bool forSuperStar,
                                             QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TImpoCalcoloFrequenze>()) {
    ui_->setupUi(this);
    Edit1 = ui_->Edit1;
    CheckBox1 = ui_->CheckBox1;
    CheckBox2 = ui_->CheckBox2;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;
    // Digits only; the other keys (Backspace, Tab, arrows) are not text and pass anyway.
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), Edit1));
    CheckBox1->setVisible(!forSuperStar);
    CheckBox2->setVisible(!forSuperStar);
    connect(BitBtn1, &QPushButton::clicked, this, &TImpoCalcoloFrequenze::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { services_.help.showTopic("imp_frequenze.htm"); });
    FormCreate();
}

TImpoCalcoloFrequenze::~TImpoCalcoloFrequenze() = default;

void TImpoCalcoloFrequenze::FormCreate() {
    Edit1->setText(QString::number(g_.settings.ifNumEstra));
    CheckBox1->setChecked(g_.settings.ifEscludiJolly != 0);
    CheckBox2->setChecked(g_.settings.ifEscludiSuperStar != 0);
}

void TImpoCalcoloFrequenze::BitBtn1Click() {
    GlobalSettings changed = g_.settings;
    if (!ApplyFrequencyWindow(changed, Edit1->text().toStdString(), g_.archive.count())) {
        services_.messages.warning(kInvalidDrawCountText);
        Edit1->setFocus();
        return;
    }
    changed.ifEscludiJolly = CheckBox1->isChecked() ? 1 : 0;
    changed.ifEscludiSuperStar = CheckBox2->isChecked() ? 1 : 0;
    g_.settings = changed;
    SaveSettings(g_.settings, g_.settingsStore());
    recomputeStatistics(g_);
    accept();
}
