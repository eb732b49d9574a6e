#include "shell/UStatoAvanzamentoDlg.h"

#include "core/clock.h"
#include "ui/progress_row.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <limits>

TStatoAvanzamentoDlg::TStatoAvanzamentoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TStatoAvanzamentoDlg");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    const ProgressRow controls = BuildProgressRow(*this);
    Label4 = controls.label;
    gg = controls.bar;
    stopbtn = controls.stop;
    gg->setRange(0, 100);
    gg->setValue(0);
    connect(stopbtn, &QPushButton::clicked, this, [this] {
        if (Tag == kWorking) Tag = kStopRequested;
    });
}

void TStatoAvanzamentoDlg::finish() {
    Tag = kMayClose;
    close();
}

void TStatoAvanzamentoDlg::closeEvent(QCloseEvent* event) {
    if (Tag == kMayClose)
        event->accept();
    else
        event->ignore();
}

void TStatoAvanzamentoDlg::reject() {
    if (Tag == kMayClose) QDialog::reject();
}

std::int64_t ProgressDialogHost::nowMs() {
    return clock_.nowMs();
}

void ProgressDialogHost::processMessages() {
    QApplication::processEvents();
}

bool ProgressDialogHost::stopRequested() {
    return dialog_.Tag == TStatoAvanzamentoDlg::kStopRequested;
}

void ProgressDialogHost::clearStopRequest() {
    if (dialog_.Tag == TStatoAvanzamentoDlg::kStopRequested) dialog_.Tag = TStatoAvanzamentoDlg::kWorking;
}

void ProgressDialogHost::setProgressMaximum(std::int64_t units) {
    maximum_ = std::max<std::int64_t>(units, 0);
    // The bar counts in int; very long runs are shown in proportion.
    dialog_.gg->setRange(0,
                         static_cast<int>(std::min<std::int64_t>(maximum_, std::numeric_limits<int>::max())));
}

void ProgressDialogHost::showProgress(std::int64_t done) {
    const std::int64_t top = dialog_.gg->maximum();
    const std::int64_t value = maximum_ > top ? done * top / std::max<std::int64_t>(maximum_, 1) : done;
    dialog_.gg->setValue(static_cast<int>(std::clamp<std::int64_t>(value, 0, top)));
}

void ProgressDialogHost::showStatus(const std::string& text) {
    dialog_.setWindowTitle(QString::fromStdString(text));
    // The dialog appears with the first stage, after the checks that may refuse the file.
    if (!dialog_.isVisible()) dialog_.show();
}
