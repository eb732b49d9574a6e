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
class TAggEliNumPiuProba;
}

// How many of the most probable numbers to add to the forecast, or of the least probable ones to
// take out of it. A quantity above the maximum is lowered to it. tag() is 1 when "OK" accepted.
class TAggEliNumPiuProba final : public QDialog {
    Q_OBJECT
public:
    TAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change, int maximum,
                       QWidget* parent = nullptr);
    ~TAggEliNumPiuProba() override;

    int tag() const { return tag_; }
    int quantity() const { return quantity_; }
    int minimum() const { return 1; }
    int maximum() const { return maximum_; }

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* gobtn;
    QPushButton* BitBtn4;
    QPushButton* Impostazioni;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void gobtnClick();
    void ImpostazioniClick();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TAggEliNumPiuProba> ui_;
    int maximum_;
    int quantity_ = 1;
    int tag_ = 0;
};

// The two menu commands: nothing happens when there is no number to add (remove); otherwise the
// dialog opens and an accepted quantity changes the forecast.
void RunAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change, QWidget* parent);
