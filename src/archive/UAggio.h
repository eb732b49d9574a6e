#pragma once

#include "archive/update_protocol.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

struct Globali;
struct GuiServices;
class HttpClient;
class QProgressBar;
class QPushButton;

namespace Ui {
class TAggio;
}

inline constexpr int kUpdateReadTimeoutMs = 60000;

// "Aggiorna da Internet": downloads the new draws from the update server into the archive.
class TAggio final : public QDialog {
    Q_OBJECT
public:
    TAggio(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TAggio() override;

    // The windows the update may open; tests replace them so nothing modal blocks.
    std::function<void(const QString& address)> programUpdate;
    std::function<void(const QString& rtfFile)> showMessage;

    const UpdateSessionResult& lastResult() const { return result_; }
    QString messageFile() const;

    QProgressBar* ProgressBar1;
    QPushButton* speedbutton1;
    QPushButton* speedbutton2;
    QPushButton* Button1;
    QPushButton* Button2;

    void speedbutton1Click();

protected:
    void done(int r) override;

private:
    void setButtonsEnabled(bool enabled);

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<HttpClient> http_;
    UpdateSessionResult result_;
    bool running_ = false;
    std::unique_ptr<Ui::TAggio> ui_;
};

// The command of the archive menu, also started by the checking and archive windows.
void RunAggio(Globali& globali, GuiServices& services, QWidget* parent);
