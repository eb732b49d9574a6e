#include "editing/UComandiColonne.h"

#include "editing/UEliminaGiocate.h"
#include "editing/UInserisciModificaColonne.h"
#include "editing/UVisuaDistri.h"
#include "shell/UPri.h"
#include "ui/column_strip.h"

void RegisterColumnEditingCommands(TPri& window, Globali& g, GuiServices& services) {
    window.registerCommand("Inserimentocolonnedatastiera1Click",
                           [&window, &g, &services] { RunInserimentoColonne(g, services, &window); });
    // The command checks that a range is selected before it gets here.
    window.registerCommand("Modificacolonneselezionate1Click", [&window, &g, &services] {
        const ColumnSelection& s = window.columnStrip->selection();
        RunModificaColonne(g, services, &window, s.low(), s.high());
    });
    window.registerCommand("Eliminacolonneselezionate1Click", [&window, &g, &services] {
        const ColumnSelection& s = window.columnStrip->selection();
        const bool selected = s.state == ColumnSelection::Selected;
        RunEliminaColonne(g, services, &window, selected ? s.low() : 0, selected ? s.high() : 0);
    });
    window.registerCommand("Visualizzadistribuzionedeinumeri1Click",
                           [&window, &g, &services] { RunVisuaDistri(g, services, &window); });
}
