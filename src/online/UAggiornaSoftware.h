#pragma once

#include <QDialog>
#include <QString>

#include <memory>

struct Globali;
struct GuiServices;
class HttpClient;
class QLabel;
class QProgressBar;
class QPushButton;

namespace Ui {
class TAggiornaSoftware;
}

// Downloads the installer of a new version announced by the update server and opens it.
class TAggiornaSoftware final : public QDialog {
    Q_OBJECT
public:
    TAggiornaSoftware(Globali& globali, GuiServices& services, const QString& address,
                      QWidget* parent = nullptr);
    ~TAggiornaSoftware() override;

    // The folder the installer is written to; the system's temporary folder unless a test sets one.
    void setDownloadFolder(const QString& folder) { folder_ = folder; }
    QString targetFile() const;

    QLabel* Label1; // the status label
    QProgressBar* ProgressBar1;
    QPushButton* speedbutton1;
    QPushButton* speedbutton2;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void speedbutton1Click();
    void setButtonsEnabled(bool enabled);

    Globali& g_;
    GuiServices& services_;
    QString address_;
    QString folder_;
    std::unique_ptr<Ui::TAggiornaSoftware> ui_;
};

inline constexpr const char* kProgramUpdateFileName = "SestaviaUPD.exe";
// An installer is far larger than any archive answer, but still bounded.
inline constexpr qint64 kMaxProgramUpdateBytes = 512LL * 1024 * 1024;

void RunAggiornaSoftware(Globali& globali, GuiServices& services, const QString& address, QWidget* parent);
