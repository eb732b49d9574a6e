#include "online/UAggiornaSoftware.h"

#include "archive/replace_file.h"
#include "archive/update_protocol.h"
#include "core/Globali.h"
#include "online/UImpoConn.h"
#include "platform/http_client.h"
#include "ui/gui_services.h"

#include "ui_UAggiornaSoftware.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <span>

TAggiornaSoftware::TAggiornaSoftware(Globali& globali, GuiServices& services, const QString& address,
                                     QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), address_(address),
      ui_(std::make_unique<Ui::TAggiornaSoftware>()) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    ProgressBar1 = ui_->ProgressBar1;
    speedbutton1 = ui_->speedbutton1;
    speedbutton2 = ui_->speedbutton2;
    Button1 = ui_->Button1;
    Button2 = ui_->Button2;
    folder_ = QDir::tempPath();
    if (folder_.isEmpty()) folder_ = QString::fromStdString(g_.dirs.sharedDataDir);
    connect(speedbutton1, &QPushButton::clicked, this, &TAggiornaSoftware::speedbutton1Click);
    connect(speedbutton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, [this] { RunImpoConn(g_, services_, this); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { services_.help.showTopic(QStringLiteral("as_aggiorna_internet.htm")); });
}

TAggiornaSoftware::~TAggiornaSoftware() = default;

QString TAggiornaSoftware::targetFile() const {
    return QDir(folder_).filePath(QLatin1String(kProgramUpdateFileName));
}

void TAggiornaSoftware::setButtonsEnabled(bool enabled) {
    speedbutton1->setEnabled(enabled);
    speedbutton2->setEnabled(enabled);
    Button1->setEnabled(enabled);
}

void TAggiornaSoftware::speedbutton1Click() {
    setButtonsEnabled(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Label1->setText(QStringLiteral("Scaricamento file di aggiornamento in corso ..."));
    const QString target = targetFile();
    QFile::remove(target);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    HttpClient http;
    http.setProxy(ProxyFromSettings(g_.settings));
    http.setReadTimeout(kProgramUpdateTimeoutMs);
    http.setMaxBytes(kMaxProgramUpdateBytes);
    int shown = 0;
    http.setProgress([this, &shown](qint64 received, qint64 total) {
        if (total <= 0) return;
        const int percent = static_cast<int>(received * 100 / total);
        if (percent == shown || percent < 1 || percent > 100) return;
        shown = percent;
        ProgressBar1->setValue(percent);
    });
    const bool web = IsWebAddress(address_.toStdString());
    const HttpClient::Result r = web ? http.get(QUrl(address_)) : HttpClient::Result{};
    if (r.ok && !r.body.isEmpty()) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(r.body.constData());
        WriteFileReplacing(target.toStdString(), std::span(bytes, static_cast<std::size_t>(r.body.size())));
    }
    QApplication::restoreOverrideCursor();

    const bool downloaded = r.ok && QFileInfo::exists(target);
    if (!downloaded) {
        services_.messages.warning(kMsgConnessioneFallita);
        services_.help.showTopic(QLatin1String(kHelpConnessione));
    } else {
        services_.shell.openFile(target);
    }
    ProgressBar1->setValue(0);
    setButtonsEnabled(true);
    if (downloaded) accept();
}

void RunAggiornaSoftware(Globali& globali, GuiServices& services, const QString& address, QWidget* parent) {
    TAggiornaSoftware dialog(globali, services, address, parent);
    dialog.exec();
}
