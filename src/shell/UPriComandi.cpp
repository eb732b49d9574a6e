#include "shell/UPriComandi.h"

#include "analysis_pages/UPagineAnalisi.h"
#include "archive/UAggio.h"
#include "archive/UAggioManuale.h"
#include "archive/UImpoCalcoloFrequenze.h"
#include "archive/UImpoCalcoloRitardi.h"
#include "archive/UImpoProbabilita.h"
#include "archive/UModificaSmorfia.h"
#include "archive/UNotificaAgg.h"
#include "checking/UDaiNumEstra.h"
#include "checking/USpoglio.h"
#include "core/Globali.h"
#include "editing/UComandiColonne.h"
#include "online/UImpoConn.h"
#include "reductions/mathematical/URidGaranzia.h"
#include "reductions/mathematical/URidOrtogonale.h"
#include "shell/UColonneFile.h"
#include "shell/UPri.h"
#include "shell/UPriSistema.h"
#include "shell/column_editing.h"
#include "statistics_view/UStatisticsViews.h"
#include "ui/gui_services.h"

#include <QTimer>

namespace {

template <typename Window> void OpenModal(Globali& g, GuiServices& services, QWidget* parent) {
    Window window(g, services, parent);
    window.exec();
}

} // namespace

void RegisterProgramCommands(TPri& window, Globali& g, GuiServices& services) {
    new SystemFileCommands(window, g, services);
    RegisterColumnFileCommands(window, g, services);
    RegisterAnalysisPages(window, g, services);
    RegisterStatisticsViews(window, g, services);

    // One draw picker for the whole run, so it reopens where the user left it.
    auto* picker = new TDaiNumEstra(g.archive, &window);
    const auto internetUpdate = [&window, &g, &services] { RunAggio(g, services, &window); };

    window.registerCommand("Eliminatuttelecolonne1Click", [&g] { DeleteAllColumns(g); });
    window.registerCommand("Annullaultimaoperazione1Click", [&g] { RestoreUndoSnapshot(g); });
    RegisterColumnEditingCommands(window, g, services);
    window.registerCommand("Riduzioneortogonaledelpronostico1Click",
                           [&window, &g, &services] { RunRidOrtogonale(g, services, &window); });
    window.registerCommand("Riduzionedelpronosticoagaranzia1Click",
                           [&window, &g, &services] { RunRidGaranzia(g, services, &window); });
    window.registerCommand("Spogliodellecolonne1Click", [&window, &g, &services, picker, internetUpdate] {
        RunSpoglio(g, services, *picker, &window, internetUpdate);
    });

    window.registerCommand("AggiornadaInternet1Click", internetUpdate);
    window.registerCommand("Aggiornamentomanuale1Click", [&window, &g, &services, internetUpdate] {
        RunAggioManuale(g, services, &window, internetUpdate);
    });
    window.registerCommand("Creacopiadisicurezza1Click",
                           [&window, &g, &services] { RunCopiaSicurezzaArchivio(g, services, &window); });
    window.registerCommand("Ripristinadacopiadisicurezza1Click",
                           [&window, &g, &services] { RunRipristinoArchivio(g, services, &window); });
    window.registerCommand("Esportasufileditesto1Click",
                           [&window, &g, &services] { RunEsportaArchivio(g, services, &window); });
    window.registerCommand("Notificheaggiornamenti1Click",
                           [&window, &g, &services] { RunImpoNotifiche(g, services, &window); });
    window.registerCommand("ConnessioneadInternet1Click",
                           [&window, &g, &services] { RunImpoConn(g, services, &window); });

    window.registerCommand("Calcolodeiritardi1Click", [&window, &g, &services] {
        OpenModal<TImpoCalcoloRitardi>(g, services, &window);
    });
    window.registerCommand("Calcolodellefrequenze1Click", [&window, &g, &services] {
        TImpoCalcoloFrequenze settings(g, services, false, &window);
        settings.exec();
    });
    window.registerCommand("Calcolodelleprobabilit1Click",
                           [&window, &g, &services] { OpenModal<TImpoProbabilita>(g, services, &window); });
    window.registerCommand("Personalizzalasmorfia1Click",
                           [&window, &g, &services] { OpenModal<TModificaSmorfia>(g, services, &window); });

    QTimer::singleShot(500, &window,
                       [&window, &g, internetUpdate] { RunUpdateReminder(g, &window, internetUpdate); });
}
