#include "ui/gui_operation_host.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {

int ToBarValue(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, std::numeric_limits<int>::max()));
}

} // namespace

GuiOperationHost::GuiOperationHost(RunningState& state, MessageService& messages, Clock& clock,
                                   QProgressBar* gg, QLabel* status)
    : RunningStateHost(state, messages, clock), gg_(gg), status_(status) {}

void GuiOperationHost::processMessages() {
    QCoreApplication::processEvents();
}

void GuiOperationHost::showProgress(std::int64_t done) {
    if (gg_) gg_->setValue(std::min(ToBarValue(done), gg_->maximum()));
}

void GuiOperationHost::showStatus(const std::string& text) {
    if (status_) status_->setText(QString::fromStdString(text));
}

void GuiOperationHost::setProgressMaximum(std::int64_t units) {
    if (!gg_) return;
    gg_->setMaximum(std::max(1, ToBarValue(units)));
    gg_->setValue(0);
}
