#include "ui/running_state.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

RunningStateControls::RunningStateControls(RunningState& state, const Controls& controls)
    : state_(state), gobtn_(controls.gobtn), stopbtn_(controls.stopbtn), gg_(controls.gg),
      status_(controls.status) {
    for (QWidget* w : controls.disabled) disabled_ << QPointer<QWidget>(w);
    if (stopbtn_)
        QObject::connect(stopbtn_, &QPushButton::clicked, stopbtn_, [this] {
            if (state_.running()) state_.stopRequested = true;
        });
}

void RunningStateControls::enter() {
    state_.enter();
    if (gobtn_) gobtn_->setEnabled(false);
    for (const auto& w : disabled_)
        if (w) w->setEnabled(false);
    if (status_) status_->setEnabled(true);
    if (gg_) {
        gg_->setEnabled(true);
        gg_->setValue(0);
    }
    if (stopbtn_) stopbtn_->setEnabled(true);
}

void RunningStateControls::leave() {
    state_.leave();
    if (gobtn_) gobtn_->setEnabled(true);
    for (const auto& w : disabled_)
        if (w) w->setEnabled(true);
    showIdle();
}

void RunningStateControls::showIdle() {
    if (stopbtn_) stopbtn_->setEnabled(false);
    if (gg_) {
        gg_->setValue(0);
        gg_->setEnabled(false);
    }
    if (status_) status_->setEnabled(false);
}
