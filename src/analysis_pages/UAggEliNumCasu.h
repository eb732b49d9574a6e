#pragma once

#include "analysis_pages/UQuantityDialog.h"

#include <memory>

struct Globali;
struct GuiServices;

namespace Ui {
class TAggEliNumCasu;
}

// How many numbers to add to the forecast at random, or to take out of it. A quantity above the
// maximum is refused like any other invalid value. tag() is 1 when "OK" accepted.
class TAggEliNumCasu final : public TQuantityDialog {
    Q_OBJECT
public:
    TAggEliNumCasu(GuiServices& services, ForecastChange change, int maximum, QWidget* parent = nullptr);
    ~TAggEliNumCasu() override;

private:
    std::unique_ptr<Ui::TAggEliNumCasu> ui_;
};

void RunAggEliNumCasu(Globali& globali, GuiServices& services, ForecastChange change, QWidget* parent);
