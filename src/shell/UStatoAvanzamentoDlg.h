#pragma once

#include "shell/operation_host.h"

#include <QDialog>

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class Clock;

// The progress window of the column transfers: shown without blocking the main window, on top,
// with a stop button. It closes only once its Tag is 2.
class TStatoAvanzamentoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWorking = 0;
    static constexpr int kStopRequested = 1;
    static constexpr int kMayClose = 2;

    explicit TStatoAvanzamentoDlg(QWidget* parent = nullptr);

    int Tag = kWorking;
    QLabel* Label4;
    QProgressBar* gg;
    QPushButton* stopbtn;

    // Sets Tag 2 and closes.
    void finish();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

// The host the transfers run with: events are processed at each yield, the caption follows the
// stage ("Caricamento colonne ...", "Verifica colonne ..."), the stop is the dialog's button.
class ProgressDialogHost final : public OperationHost {
public:
    ProgressDialogHost(TStatoAvanzamentoDlg& dialog, Clock& clock) : dialog_(dialog), clock_(clock) {}

    std::int64_t nowMs() override;
    void processMessages() override;
    bool stopRequested() override;
    void clearStopRequest() override;
    bool confirmStop() override { return true; }
    void showProgress(std::int64_t done) override;
    void showStatus(const std::string& text) override;
    void setProgressMaximum(std::int64_t units) override;

private:
    TStatoAvanzamentoDlg& dialog_;
    Clock& clock_;
    std::int64_t maximum_ = 0;
};
