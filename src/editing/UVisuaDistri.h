#pragma once

#include "editing/number_distribution.h"

#include <QColor>
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <vector>

class QCloseEvent;
class QFrame;
class QProgressBar;
class QPushButton;
struct Globali;
struct GuiServices;

// The bars of the distribution window: one per number, its value written above it, the axis
// title along the left side.
class TDistriChart : public QWidget {
    Q_OBJECT
public:
    explicit TDistriChart(QWidget* parent = nullptr);

    void setBars(const QStringList& labels, const std::vector<double>& values);
    void setBarColors(const std::vector<QColor>& colors);
    void setAxisTitle(const QString& title);

    int count() const { return static_cast<int>(labels_.size()); }
    const QStringList& labels() const { return labels_; }
    double value(int index) const;
    QColor barColor(int index) const;
    QString axisTitle() const { return axisTitle_; }

    QSize sizeHint() const override { return {960, 420}; }
    QSize minimumSizeHint() const override { return {640, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList labels_;
    std::vector<double> values_;
    std::vector<QColor> colors_;
    QString axisTitle_;
};

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
    TDistriChart* Chart5;
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
    void BitBtn1Click();

    Globali& g_;
    GuiServices& services_;
    DistributionCounts counts_{};
};

// "Visualizza distribuzione dei numeri": the window, modally.
void RunVisuaDistri(Globali& globali, GuiServices& services, QWidget* parent);
