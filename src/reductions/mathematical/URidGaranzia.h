#pragma once

#include "reductions/mathematical/URiduzionePronostico.h"

// "Riduzione del pronostico a garanzia": every development column meets a final column in k numbers.
class TRidGaranzia final : public TRiduzionePronostico {
    Q_OBJECT
public:
    TRidGaranzia(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
};

// Opens the window modally; the forecast has already passed RequireForecast(7).
void RunRidGaranzia(Globali& globali, GuiServices& services, QWidget* parent);
