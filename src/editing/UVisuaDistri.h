#pragma once

#include "editing/number_distribution.h"

#include <QDialog>
#include <QTimer>

class BarChart;
class QCloseEvent;
class QFrame;
class QProgressBar;
class QPushButton;
struct Globali;
struct GuiServices;

// How often each number occurs in the final columns. The count starts shortly after the window
// opens and can be stopped; the window closes only once it has ended.
class TVisuaDistri : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCounting = 1;
    static constexpr int kStopRequested = 2;
    static constexpr int kFinished = 3;

    TVisuaDistri(Globali& globali, GuiServices& services, QWidget* parent = nullptr);

    // The count; Timer1 runs it 100 ms after the window is created.
    void Timer1Timer();
    const DistributionCounts& counts() const { return counts_; }

    int Tag = 0;
    BarChart* Chart5;
    QProgressBar* g1;
    QPushButton* Stop;
    QFrame* Panel2;
    QPushButton* BitBtn1; // "Stampa"
    QPushButton* BitBtn2; // "Guida in linea"
    QPushButton* BitBtn3; // "Chiudi"
    QTimer Timer1;

public slots:
    void reject() override; // Esc: refused until the count has ended

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showCounts();
    void fitValueTexts();
    void BitBtn1Click();

    Globali& g_;
    GuiServices& services_;
    DistributionCounts counts_{};
};

// "Visualizza distribuzione dei numeri": the window, modally.
void RunVisuaDistri(Globali& globali, GuiServices& services, QWidget* parent);
