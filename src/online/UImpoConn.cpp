#include "online/UImpoConn.h"

#include "core/Globali.h"
#include "core/settings_store.h"
#include "platform/http_client.h"
#include "ui/gui_services.h"

#include "ui_UImpoConn.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

TImpoConn::TImpoConn(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TImpoConn>()) {
    ui_->setupUi(this);
    CheckBox2 = ui_->CheckBox2;
    Edit1 = ui_->Edit1;
    SpinEdit2 = ui_->SpinEdit2;
    CheckBox3 = ui_->CheckBox3;
    Edit3 = ui_->Edit3;
    Edit4 = ui_->Edit4;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;
    // Digits only in the port field.
    SpinEdit2->findChild<QLineEdit*>()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), SpinEdit2));
    connect(CheckBox2, &QCheckBox::toggled, this, &TImpoConn::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &TImpoConn::UpdateEnabled);
    connect(BitBtn1, &QPushButton::clicked, this, &TImpoConn::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this,
            [this] { services_.help.showTopic(QStringLiteral("imp_connessione.htm")); });
    FormCreate();
}

TImpoConn::~TImpoConn() = default;

void TImpoConn::FormCreate() {
    const GlobalSettings& s = g_.settings;
    CheckBox2->setChecked(s.usaProxy);
    Edit1->setText(QString::fromStdString(s.proxyServer));
    SpinEdit2->setValue(ProxyPortFromText(s.proxyPorta));
    CheckBox3->setChecked(s.usaProxy && s.proxyAuth);
    Edit3->setText(QString::fromStdString(s.proxyUsername));
    Edit4->setText(QString::fromStdString(s.proxyPassword));
    UpdateEnabled();
}

// Disabled fields show greyed; the labels follow their fields.
void TImpoConn::UpdateEnabled() {
    const bool proxy = CheckBox2->isChecked();
    const bool auth = proxy && CheckBox3->isChecked();
    Edit1->setEnabled(proxy);
    ui_->Label1->setEnabled(proxy);
    SpinEdit2->setEnabled(proxy);
    ui_->Label2->setEnabled(proxy);
    CheckBox3->setEnabled(proxy);
    Edit3->setEnabled(auth);
    ui_->Label3->setEnabled(auth);
    Edit4->setEnabled(auth);
    ui_->Label4->setEnabled(auth);
}

void TImpoConn::CheckBox2Click() {
    if (!CheckBox2->isChecked()) CheckBox3->setChecked(false);
    UpdateEnabled();
}

void TImpoConn::BitBtn1Click() {
    GlobalSettings& s = g_.settings;
    s.usaProxy = CheckBox2->isChecked();
    s.proxyServer = Edit1->text().left(100).toStdString();
    s.proxyPorta = QString::number(SpinEdit2->value()).toStdString();
    s.proxyAuth = CheckBox3->isChecked();
    s.proxyUsername = Edit3->text().left(100).toStdString();
    s.proxyPassword = Edit4->text().left(100).toStdString();
    SaveSettings(s, g_.settingsStore());
    accept();
}

void RunImpoConn(Globali& globali, GuiServices& services, QWidget* parent) {
    TImpoConn dialog(globali, services, parent);
    dialog.exec();
}
