#include "archive/UAggio.h"

#include "archive/archive_file.h"
#include "archive/statistics.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "online/UAggiornaSoftware.h"
#include "online/UImpoConn.h"
#include "online/Uperrtf.h"
#include "platform/http_client.h"
#include "ui/gui_services.h"

#include "ui_UAggio.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>

namespace {

// The update session's requests of the window.
class WindowHost final : public UpdateSessionHost {
public:
    WindowHost(TAggio& window, Globali& g, GuiServices& services) : w_(window), g_(g), services_(services) {}
    ~WindowHost() override { setBusy(false); }

    void setProgress(int percent) override {
        w_.ProgressBar1->setValue(percent);
        w_.ProgressBar1->repaint();
    }
    void setBusy(bool busy) override {
        if (busy == busy_) return;
        busy_ = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    void openUrl(const std::string& url) override { services_.shell.openUrl(QString::fromStdString(url)); }
    void showHelpTopic(const std::string& topic) override {
        services_.help.showTopic(QString::fromStdString(topic));
    }
    void runProgramUpdate(const std::string& address) override {
        if (w_.programUpdate) w_.programUpdate(QString::fromStdString(address));
    }
    void showRtfMessage(const std::filesystem::path& file) override {
        if (w_.showMessage) w_.showMessage(QString::fromStdString(file.string()));
    }
    void archiveChanged() override {
        saveArchive(g_);
        recomputeStatistics(g_);
    }

private:
    TAggio& w_;
    Globali& g_;
    GuiServices& services_;
    bool busy_ = false;
};

} // namespace

TAggio::TAggio(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), http_(std::make_unique<HttpClient>()),
      ui_(std::make_unique<Ui::TAggio>()) {
    ui_->setupUi(this);
    ProgressBar1 = ui_->ProgressBar1;
    speedbutton1 = ui_->speedbutton1;
    speedbutton2 = ui_->speedbutton2;
    Button1 = ui_->Button1;
    Button2 = ui_->Button2;
    programUpdate = [this](const QString& address) { RunAggiornaSoftware(g_, services_, address, this); };
    showMessage = [this](const QString& file) { ShowRtfMessage(file, this); };
    connect(speedbutton1, &QPushButton::clicked, this, &TAggio::speedbutton1Click);
    connect(speedbutton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, [this] { RunImpoConn(g_, services_, this); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { services_.help.showTopic(QStringLiteral("as_aggiorna_internet.htm")); });
}

TAggio::~TAggio() {
    QFile::remove(messageFile());
}

QString TAggio::messageFile() const {
    if (g_.dirs.userDataDir.empty()) return {};
    return QDir(QString::fromStdString(g_.dirs.userDataDir)).filePath(QLatin1String(kMsgRtfFileName));
}

void TAggio::setButtonsEnabled(bool enabled) {
    speedbutton1->setEnabled(enabled);
    speedbutton2->setEnabled(enabled);
    Button1->setEnabled(enabled);
}

void TAggio::speedbutton1Click() {
    if (running_) return;
    running_ = true;
    setButtonsEnabled(false);
    // The proxy is read again on every update: the settings may have changed meanwhile.
    http_->setProxy(ProxyFromSettings(g_.settings));
    // A server that stops sending would otherwise freeze the window for good, with its buttons
    // disabled and no way to cancel.
    http_->setReadTimeout(kUpdateReadTimeoutMs);
    http_->setMaxBytes(static_cast<qint64>(kMaxUpdateAnswerBytes));
    UpdateSessionRequest request;
    request.server = WindowSettingText(g_.settingsStore(), kUpdateServerSettingKey, kDefaultUpdateServer,
                                       SettingAccess::Read);
    if (!g_.dirs.userDataDir.empty()) request.rtfFile = messageFile().toStdString();
    {
        WindowHost host(*this, g_, services_);
        result_ = RunUpdateSession(request, g_.archive, *http_, services_.messages, host);
    }
    setButtonsEnabled(true);
    running_ = false;
    if (!result_.keepWindowOpen) accept();
}

void TAggio::done(int r) {
    // No closing while the requests run: the archive is being written.
    if (running_) return;
    QFile::remove(messageFile());
    QDialog::done(r);
}

void RunAggio(Globali& globali, GuiServices& services, QWidget* parent) {
    TAggio dialog(globali, services, parent);
    dialog.exec();
}
