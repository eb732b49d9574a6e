#include "reductions/mathematical/URiduzionePronostico.h"

#include "core/Globali.h"
#include "ui/gui_operation_host.h"
#include "ui/gui_services.h"
#include "ui/shared_texts.h"

#include "ui_URiduzionePronostico.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

int GuaranteedScore(CoveringKind kind, int k, int numbersInForecast) {
    return kind == CoveringKind::Orthogonal ? std::min(numbersInForecast, k)
                                            : std::max(0, k - (kColumnSize - numbersInForecast));
}

TRiduzionePronostico::TRiduzionePronostico(Globali& globali, GuiServices& services, const Kind& kind,
                                           QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), kind_(kind),
      ui_(std::make_unique<Ui::TRiduzionePronostico>()) {
    ui_->setupUi(this);
    setWindowTitle(QString::fromUtf8(kind.caption));
    ComboBox1 = ui_->ComboBox1;
    ListView1 = ui_->ListView1;
    usafisse = ui_->usafisse;
    Label3 = ui_->Label3;
    Label4 = ui_->Label4;
    gobtn = ui_->gobtn;
    stopbtn = ui_->stopbtn;
    BitBtn4 = ui_->BitBtn4;
    BitBtn3 = ui_->BitBtn3;
    BitBtn1 = ui_->BitBtn1;
    gg = ui_->gg;
    Label1 = ui_->Label1;
    controls_ = std::make_unique<RunningStateControls>(
        running_, RunningStateControls::Controls{
                      gobtn, stopbtn, gg, Label1, {ui_->GroupBox1, BitBtn4, BitBtn3, BitBtn1}});
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TRiduzionePronostico::ComboBox1Change);
    connect(usafisse, &QCheckBox::clicked, this, &TRiduzionePronostico::usafisseClick);
    connect(gobtn, &QPushButton::clicked, this, &TRiduzionePronostico::gobtnClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TRiduzionePronostico::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TRiduzionePronostico::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TRiduzionePronostico::reject);
    FormCreate();
}

TRiduzionePronostico::~TRiduzionePronostico() = default;

void TRiduzionePronostico::FormCreate() {
    bitmap_ = CoverageBitmap::tryCreate();
    pool_ = std::make_unique<CandidatePool>();
    const bool hasFixed = g_.system.fixed.count > 0;
    usafisse->setEnabled(hasFixed);
    usafisse->setChecked(hasFixed);
    ComboBox1->setCurrentIndex(1);
    controls_->showIdle();
    refreshTable();
    refreshLabels();
}

void TRiduzionePronostico::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TRiduzionePronostico::FormActivate() {
    int index = WindowSettingInteger(g_.settingsStore(), kind_.setting, 1, SettingAccess::Read);
    // A value from outside the list would leave the combo without a score.
    if (index < 0 || index >= ComboBox1->count()) index = 1;
    ComboBox1->setCurrentIndex(index);
    refreshTable();
    refreshLabels();
}

int TRiduzionePronostico::score() const {
    return ComboBox1->currentIndex() + 2;
}

void TRiduzionePronostico::refreshTable() {
    ListView1->clear();
    for (int n = kColumnSize; n >= 1; --n) {
        auto* row = new QTreeWidgetItem(ListView1);
        row->setText(0, QString::number(n));
        row->setText(1, QString::number(GuaranteedScore(kind_.kind, score(), n)));
    }
}

void TRiduzionePronostico::refreshLabels() {
    const ReductionLabels labels = ForecastReductionLabels(g_, kind_.kind, score(), usafisse->isChecked());
    Label3->setText(QString::fromStdString(labels.estimate));
    Label4->setText(QString::fromStdString(labels.type));
}

void TRiduzionePronostico::ComboBox1Change() {
    refreshTable();
    refreshLabels();
}

void TRiduzionePronostico::usafisseClick() {
    refreshLabels();
}

void TRiduzionePronostico::gobtnClick() {
    if (running_.running()) return;
    GuiOperationHost host(running_, services_.messages, g_.clock, gg, Label1);
    controls_->enter();
    const ForecastReductionRequest request{kind_.kind, score(), usafisse->isChecked(), true};
    const ForecastReductionResult result = RunForecastReduction(g_, request, bitmap_.get(), *pool_, host);
    controls_->leave();
    if (result.openInstallPage)
        services_.shell.openUrl(QString::fromUtf8(kHomePageAddress) + QString::fromUtf8(kInstallPagePath));
    if (result.closesWindow()) accept();
}

void TRiduzionePronostico::BitBtn3Click() {
    services_.help.showTopic(QString::fromUtf8(kind_.helpTopic));
}

void TRiduzionePronostico::BitBtn1Click() {
    const std::int64_t size = ImmediateFileSize(ImmediateFilePath(g_.dirs, kind_.kind));
    services_.shell.openUrl(
        QString::fromUtf8(kHomePageAddress) + QString::fromUtf8(kInstallPagePath) +
        QStringLiteral("?idm=%1&idf=%2").arg(QString::fromUtf8(kind_.pageMode)).arg(size));
}

void TRiduzionePronostico::reject() {
    if (controls_->refusesClose()) return;
    QDialog::reject();
}

void TRiduzionePronostico::done(int result) {
    if (controls_->refusesClose()) return;
    WindowSettingInteger(g_.settingsStore(), kind_.setting, ComboBox1->currentIndex(), SettingAccess::Write);
    QDialog::done(result);
}

void TRiduzionePronostico::closeEvent(QCloseEvent* event) {
    if (controls_->refusesClose()) {
        event->ignore();
        return;
    }
    WindowSettingInteger(g_.settingsStore(), kind_.setting, ComboBox1->currentIndex(), SettingAccess::Write);
    QDialog::closeEvent(event);
}
