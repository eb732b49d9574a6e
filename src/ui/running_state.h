#pragma once

#include "shell/long_operation.h"

#include <QList>
#include <QPointer>

class QEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// Enters and leaves the running state of a computing window: while running, the start button,
// the option groups and the other action buttons are disabled and stopbtn, gg and the status label
// are enabled; stopbtn's click only records the stop request. The window asks refusesClose() from
// its close event and its Esc (reject) handler.
class RunningStateControls {
public:
    struct Controls {
        QPushButton* gobtn = nullptr;
        QPushButton* stopbtn = nullptr;
        QProgressBar* gg = nullptr;
        QLabel* status = nullptr; // the "Stato avanzamento" label
        QList<QWidget*> disabled; // option groups, BitBtn4 and any other action button
    };

    RunningStateControls(RunningState& state, const Controls& controls);

    void enter();
    void leave();

    // The idle look: stopbtn, gg and the status label disabled, gg at 0.
    void showIdle();

    // True while a run is in progress: the window must stay open.
    bool refusesClose() const { return state_.running(); }
    RunningState& state() { return state_; }

private:
    RunningState& state_;
    QPointer<QPushButton> gobtn_;
    QPointer<QPushButton> stopbtn_;
    QPointer<QProgressBar> gg_;
    QPointer<QLabel> status_;
    QList<QPointer<QWidget>> disabled_;
};
