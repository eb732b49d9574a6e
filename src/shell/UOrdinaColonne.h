#pragma once

#include "shell/operation_host.h"

#include <QDialog>
#include <QTimer>

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;
struct Globali;

// Sorts the final columns 200 ms after it opens and closes by itself. "Interrompi" or closing
// the window stops at once, without a question; the list keeps the same columns.
class TOrdinaColonne : public QDialog {
    Q_OBJECT
public:
    explicit TOrdinaColonne(Globali& globali, QWidget* parent = nullptr);

    int Tag = 0; // 2 while sorting, 0 = stop
    QLabel* Label4;
    QProgressBar* gg;
    QPushButton* stopbtn;
    QTimer Timer1;

    OperationOutcome outcome() const { return outcome_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Timer1Timer();

    Globali& g_;
    OperationOutcome outcome_ = OperationOutcome::Interrupted;
};
