#include "reductions/mathematical/URidGaranzia.h"

TRidGaranzia::TRidGaranzia(Globali& globali, GuiServices& services, QWidget* parent)
    : TRiduzionePronostico(globali, services,
                           {CoveringKind::Guarantee, "Riduzione del pronostico a garanzia", "mdr_garapro.htm",
                            "RidGaraPro", "g"},
                           parent) {
    setObjectName(QStringLiteral("TRidGaranzia"));
}

void RunRidGaranzia(Globali& globali, GuiServices& services, QWidget* parent) {
    TRidGaranzia window(globali, services, parent);
    window.exec();
}
