#pragma once

#include "shell/forecast_tools.h"

#include <QDialog>

#include <memory>

struct Globali;
struct GuiServices;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TAggEliNumCasu;
}

// How many numbers to add to the forecast at random, or to take out of it. A quantity above the
// maximum is refused like any other invalid value. tag() is 1 when "OK" accepted.
class TAggEliNumCasu final : public QDialog {
    Q_OBJECT
public:
    TAggEliNumCasu(GuiServices& services, ForecastChange change, int maximum, QWidget* parent = nullptr);
    ~TAggEliNumCasu() override;

    int tag() const { return tag_; }
    int quantity() const { return quantity_; }
    int minimum() const { return 1; }
    int maximum() const { return maximum_; }

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* gobtn;
    QPushButton* BitBtn4;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void gobtnClick();

    GuiServices& services_;
    std::unique_ptr<Ui::TAggEliNumCasu> ui_;
    int maximum_;
    int quantity_ = 1;
    int tag_ = 0;
};

void RunAggEliNumCasu(Globali& globali, GuiServices& services, ForecastChange change, QWidget* parent);
