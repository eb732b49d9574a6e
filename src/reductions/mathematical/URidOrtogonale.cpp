#include "reductions/mathematical/URidOrtogonale.h"

TRidOrtogonale::TRidOrtogonale(Globali& globali, GuiServices& services, QWidget* parent)
    : TRiduzionePronostico(globali, services,
                           {CoveringKind::Orthogonal, "Riduzione ortogonale del pronostico",
                            "mdr_ortopro.htm", "RidOrtog", "o"},
                           parent) {
    setObjectName(QStringLiteral("TRidOrtogonale"));
}

void RunRidOrtogonale(Globali& globali, GuiServices& services, QWidget* parent) {
    TRidOrtogonale window(globali, services, parent);
    window.exec();
}
