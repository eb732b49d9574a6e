#pragma once

#include "analysis_pages/UQuantityDialog.h"

#include <memory>

struct Globali;
struct GuiServices;
class QPushButton;

namespace Ui {
class TAggEliNumPiuProba;
}

// How many of the most probable numbers to add to the forecast, or of the least probable ones to
// take out of it. A quantity above the maximum is lowered to it. tag() is 1 when "OK" accepted.
class TAggEliNumPiuProba final : public TQuantityDialog {
    Q_OBJECT
public:
    TAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change, int maximum,
                       QWidget* parent = nullptr);
    ~TAggEliNumPiuProba() override;

    QPushButton* Impostazioni;

private:
    void ImpostazioniClick();

    Globali& g_;
    std::unique_ptr<Ui::TAggEliNumPiuProba> ui_;
};

// The two menu commands: nothing happens when there is no number to add (remove); otherwise the
// dialog opens and an accepted quantity changes the forecast.
void RunAggEliNumPiuProba(Globali& globali, GuiServices& services, ForecastChange change, QWidget* parent);
