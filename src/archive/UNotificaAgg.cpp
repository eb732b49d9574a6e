#include "archive/UNotificaAgg.h"

#include "ui_UImpoNotifiche.h"
#include "ui_UNotificaAgg.h"

#include "archive/archive_maintenance.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "ui/gui_services.h"

#include <QDateTime>

TNotificaAgg::TNotificaAgg(const QString& text, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TNotificaAgg>()) {
    ui_->setupUi(this);
    ui_->Label1->setText(text);
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    ui_->BitBtn1->setFocus();
}

TNotificaAgg::~TNotificaAgg() = default;

bool TNotificaAgg::dontShowAgain() const {
    return ui_->CheckBox1->isChecked();
}

namespace {

// The day boxes in the order of the stored characters: Sunday first.
std::array<QCheckBox*, 7> DayBoxes(Ui::TImpoNotifiche& ui) {
    return {ui.CheckBox8, ui.CheckBox2, ui.CheckBox3, ui.CheckBox4, ui.CheckBox5, ui.CheckBox6, ui.CheckBox7};
}

} // namespace

TImpoNotifiche::TImpoNotifiche(Globali& g, GuiServices& services, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TImpoNotifiche>()), g_(g) {
    ui_->setupUi(this);
    ui_->CheckBox1->setChecked(g_.settings.notificaAggio == 1);
    const auto boxes = DayBoxes(*ui_);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(i < g_.settings.giorniNotifica.size() && g_.settings.giorniNotifica[i] == '1');
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TImpoNotifiche::BitBtn1Click);
    connect(ui_->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->BitBtn3, &QPushButton::clicked, this,
            [&services] { services.help.showTopic("imp_notifiche.htm"); });
}

TImpoNotifiche::~TImpoNotifiche() = default;

void TImpoNotifiche::BitBtn1Click() {
    g_.settings.notificaAggio = ui_->CheckBox1->isChecked() ? 1 : 0;
    std::string days;
    for (auto* box : DayBoxes(*ui_)) days += box->isChecked() ? '1' : '0';
    g_.settings.giorniNotifica = days;
    SaveSettings(g_.settings, g_.settingsStore());
    accept();
}

void RunImpoNotifiche(Globali& g, GuiServices& services, QWidget* parent) {
    TImpoNotifiche window(g, services, parent);
    window.exec();
}

void RunUpdateReminder(Globali& g, QWidget* parent, const std::function<void()>& internetUpdate) {
    if (g.settings.notificaAggio != 1 || g.archive.empty()) return;
    const QDateTime now = QDateTime::currentDateTime();
    const CivilDate today{now.date().day(), now.date().month(), now.date().year()};
    const DrawRecord& last = g.archive.last();
    const CivilDate lastDate{last.day, last.month, last.year};
    const int hhmm = now.time().hour() * 100 + now.time().minute();
    if (!ShouldRemindUpdate(today, hhmm, lastDate, g.settings.giorniNotifica)) return;
    TNotificaAgg reminder(QString::fromStdString(ReminderText(lastDate)), parent);
    if (reminder.exec() == QDialog::Accepted && internetUpdate) internetUpdate();
    if (reminder.dontShowAgain()) {
        g.settings.notificaAggio = 0;
        SaveSettings(g.settings, g.settingsStore());
    }
}
