#pragma once

#include "archive/cyclometric_circle.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

struct Globali;
struct GuiServices;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace Ui {
class TCerchioCiclometricoSE;
}

// "Il cerchio cilometrico ...": six numbers drawn as a hexagon on the circle of the 90, with their
// sides and distances; the numbers come from an archived draw (the scroll bar) or are typed.
class TCerchioCiclometricoSE final : public QDialog {
    Q_OBJECT
public:
    TCerchioCiclometricoSE(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TCerchioCiclometricoSE() override;

    QWidget* PaintBox1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    std::array<QLineEdit*, 6> Edit;
    QScrollBar* sbdb;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    const std::optional<CircleNumbers>& numbers() const { return numbers_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sbdbChange();
    void BitBtn1Click();
    void ShowNumbers(const CircleNumbers& n);
    void PaintBox1Paint();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TCerchioCiclometricoSE> ui_;
    std::optional<CircleNumbers> numbers_;
};
