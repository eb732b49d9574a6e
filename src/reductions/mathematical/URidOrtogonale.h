#pragma once

#include "reductions/mathematical/URiduzionePronostico.h"

// "Riduzione ortogonale del pronostico": every k-subset of the forecast inside a final column.
class TRidOrtogonale final : public TRiduzionePronostico {
    Q_OBJECT
public:
    TRidOrtogonale(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
};

// Opens the window modally; the forecast has already passed RequireForecast(7).
void RunRidOrtogonale(Globali& globali, GuiServices& services, QWidget* parent);
