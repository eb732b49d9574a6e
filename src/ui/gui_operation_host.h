#pragma once

#include "shell/long_operation.h"

class QLabel;
class QProgressBar;

// The one host of every computing window: pending events are processed at each yield (that is
// where a click on stopbtn reaches the run), the stop request is the window's RunningState, the
// confirmation is the shared question, and progress goes to the window's `gg`.
class GuiOperationHost final : public RunningStateHost {
public:
    GuiOperationHost(RunningState& state, MessageService& messages, Clock& clock, QProgressBar* gg,
                     QLabel* status = nullptr);

    void processMessages() override;
    void showProgress(std::int64_t done) override;
    void showStatus(const std::string& text) override;
    void setProgressMaximum(std::int64_t units) override;

private:
    QProgressBar* gg_;
    QLabel* status_;
};
