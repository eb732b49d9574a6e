#include "archive/UImpoProbabilita.h"

#include "archive/UImpoCalcoloFrequenze.h"
#include "archive/UImpoCalcoloRitardi.h"
#include "archive/statistics.h"
#include "archive/statistics_settings.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "ui/gui_services.h"

#include "ui_UImpoProbabilita.h"

#include <QButtonGroup>

TImpoProbabilita::TImpoProbabilita(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TImpoProbabilita>()) {
    ui_->setupUi(this);
    CheckBox12 = ui_->CheckBox12;
    RadioButton1 = ui_->RadioButton1;
    RadioButton5 = ui_->RadioButton5;
    RadioButton2 = ui_->RadioButton2;
    CheckBox13 = ui_->CheckBox13;
    RadioButton4 = ui_->RadioButton4;
    RadioButton6 = ui_->RadioButton6;
    RadioButton3 = ui_->RadioButton3;
    TrackBar1 = ui_->TrackBar1;
    Label1 = ui_->Label1;
    Button1 = ui_->Button1;
    Button2 = ui_->Button2;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;

    // The two criteria choose independently; the group ids are the stored method values.
    delayGroup_ = new QButtonGroup(this);
    delayGroup_->addButton(RadioButton1, 0);
    delayGroup_->addButton(RadioButton5, 1);
    delayGroup_->addButton(RadioButton2, 2);
    frequencyGroup_ = new QButtonGroup(this);
    frequencyGroup_->addButton(RadioButton4, 0);
    frequencyGroup_->addButton(RadioButton6, 1);
    frequencyGroup_->addButton(RadioButton3, 2);

    connect(CheckBox12, &QCheckBox::clicked, this, &TImpoProbabilita::CheckBoxClick);
    connect(CheckBox13, &QCheckBox::clicked, this, &TImpoProbabilita::CheckBoxClick);
    connect(TrackBar1, &QSlider::valueChanged, this, &TImpoProbabilita::TrackBar1Change);
    connect(Button1, &QPushButton::clicked, this, &TImpoProbabilita::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { services_.help.showTopic("imp_probabilita.htm"); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { TImpoCalcoloRitardi(g_, services_, this).exec(); });
    connect(BitBtn3, &QPushButton::clicked, this,
            [this] { TImpoCalcoloFrequenze(g_, services_, false, this).exec(); });
    FormCreate();
}

TImpoProbabilita::~TImpoProbabilita() = default;

void TImpoProbabilita::FormCreate() {
    const GlobalSettings& s = g_.settings;
    CheckBox12->setChecked(s.ipUsaRit);
    CheckBox13->setChecked(s.ipUsaFre);
    // A stored method other than 0 and 1 scores as 2, so it shows as 2.
    delayGroup_->button(s.ipMCPR <= 1 ? s.ipMCPR : 2)->setChecked(true);
    frequencyGroup_->button(s.ipMCPF <= 1 ? s.ipMCPF : 2)->setChecked(true);
    TrackBar1->setValue(ProbabilityTrackPosition(s));
    TrackBar1Change();
    EnableCriteria();
}

void TImpoProbabilita::EnableCriteria() {
    for (QAbstractButton* b : delayGroup_->buttons()) b->setEnabled(CheckBox12->isChecked());
    for (QAbstractButton* b : frequencyGroup_->buttons()) b->setEnabled(CheckBox13->isChecked());
}

void TImpoProbabilita::CheckBoxClick() {
    // At least one criterion stays on: the delays.
    if (!CheckBox12->isChecked() && !CheckBox13->isChecked()) CheckBox12->setChecked(true);
    EnableCriteria();
    if (!CheckBox12->isChecked())
        TrackBar1->setValue(100);
    else if (!CheckBox13->isChecked())
        TrackBar1->setValue(0);
    else
        TrackBar1->setValue(50);
}

void TImpoProbabilita::TrackBar1Change() {
    Label1->setText(QString::fromStdString(ProbabilityWeightLabel(TrackBar1->value())));
}

void TImpoProbabilita::Button1Click() {
    GlobalSettings& s = g_.settings;
    s.ipUsaRit = CheckBox12->isChecked();
    s.ipMCPR = static_cast<std::uint8_t>(delayGroup_->checkedId());
    s.ipUsaFre = CheckBox13->isChecked();
    s.ipMCPF = static_cast<std::uint8_t>(frequencyGroup_->checkedId());
    ApplyProbabilityWeights(s, TrackBar1->value());
    SaveSettings(s, g_.settingsStore());
    recomputeStatistics(g_);
    accept();
}
