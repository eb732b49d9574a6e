#include "shell/command_table.h"

#include "core/Globali.h"

#include <utility>

namespace {

CommandCheck RF(int k) {
    return {CheckKind::RequireForecast, k, "", MessageIcon::Warning};
}
CommandCheck Cols(int n, const char* message, MessageIcon icon = MessageIcon::Warning) {
    return {CheckKind::MinColumns, n, message, icon};
}
CommandCheck Snap(const char* message) {
    return {CheckKind::UndoSnapshot, 0, message, MessageIcon::Information};
}
CommandCheck Sel(const char* message) {
    return {CheckKind::Selection, 0, message, MessageIcon::Information};
}
const char* const kTwoColumns = "Questo metodo richiede almeno due colonne.";
const char* const kNothingToDelete = "Non ci sono colonne finali da eliminare.";
const char* const kNothingToCheck = "Non ci sono colonne finali da controllare.";
const char* const kNothingToPrint = "Non ci sono colonne finali da stampare!";

CommandItem Cmd(const char* name, const char* caption, const char* window = "",
                std::vector<CommandCheck> checks = {}) {
    CommandItem item;
    item.name = name;
    item.caption = caption;
    item.handler = std::string(name) + "Click";
    item.window = window;
    item.checks = std::move(checks);
    return item;
}
CommandItem Key(CommandItem item, const char* shortcut) {
    item.shortcut = shortcut;
    return item;
}
CommandItem AsksToSave(CommandItem item) {
    item.saveQuestion = true;
    return item;
}
// For items that share one handler and tell themselves apart by their tag.
CommandItem Handler(CommandItem item, const char* handler, int tag) {
    item.handler = handler;
    item.tag = tag;
    return item;
}
CommandItem Submenu(const char* name, const char* caption, std::vector<CommandItem> children) {
    CommandItem item = Cmd(name, caption);
    item.kind = ItemKind::Submenu;
    item.handler.clear();
    item.children = std::move(children);
    return item;
}
CommandItem Separator() {
    CommandItem item;
    item.kind = ItemKind::Separator;
    return item;
}

const CommandItem* FindIn(const std::vector<CommandItem>& items, std::string_view name) {
    for (const CommandItem& item : items) {
        if (item.kind != ItemKind::Separator && name == item.name) return &item;
        if (const CommandItem* found = FindIn(item.children, name)) return found;
    }
    return nullptr;
}

bool CheckOne(const CommandCheck& check, Globali& g, const CommandContext& context) {
    switch (check.kind) {
    case CheckKind::RequireForecast:
        return RequireForecast(check.amount, context.fixedFields, g.system.forecast, g.system.fixed,
                               g.messages);
    case CheckKind::MinColumns:
        if (g.system.columns.count >= check.amount) return true;
        break;
    case CheckKind::UndoSnapshot:
        if (g.undo.buffer && g.undo.snapshotCount > 0) return true;
        break;
    case CheckKind::Selection:
        if (context.hasSelection) return true;
        break;
    }
    g.messages.show({"Attenzione", check.message, check.icon, MessageButtons::Ok, MessageAnswer::Ok});
    return false;
}

} // namespace

// Item names follow the habit of naming a menu item after its caption (letters and digits only,
// then a counter); the handlers that other windows of the program already refer to keep theirs.
const std::vector<CommandMenu>& CommandMenus() {
    static const std::vector<CommandMenu> menus = {
        {"File1",
         "File",
         {
             AsksToSave(Key(Cmd("Nuovo1", "Nuovo"), "Ctrl+N")),
             AsksToSave(Key(Cmd("Apri1", "Apri"), "Ctrl+A")),
             Submenu("Riapri1", "Riapri", {}), // filled with the recent files
             Separator(),
             Key(Cmd("Salvax1", "Salva"), "Ctrl+S"),
             Key(Cmd("Salvaconnome1", "Salva con nome"), "Ctrl+W"),
             Separator(),
             Key(Cmd("Fine1", "Esci"), "Alt+F4"),
         }},
        {"Pronosticoiniziale1",
         "Pronostico iniziale",
         {
             Cmd("Aggiunginumeripiprobabili1", "Aggiungi numeri più probabili", "TAggEliNumPiuProba"),
             Cmd("Eliminanumerimenoprobabili1", "Elimina numeri meno probabili", "TAggEliNumPiuProba"),
             Cmd("Aggoingisegnicasuali1", "Aggiungi numeri casualmente", "TAggEliNumCasu"),
             Cmd("Eliminanumericasuali1", "Elimina numeri casualmente", "TAggEliNumCasu"),
             Cmd("Pronosticodagiocate1", "Pronostico da colonne"),
             Cmd("Eliminatuttiinumeri1", "Elimina tutti i numeri"),
         }},
        {"Metodidiriduzione1",
         "Metodi di riduzione",
         {
             Cmd("Riduzioneortogonaledelpronostico1", "Riduzione ortogonale del pronostico", "TRidOrtogonale",
                 {RF(7)}),
             Cmd("Riduzionedelpronosticoagaranzia1", "Riduzione del pronostico a garanzia", "TRidGaranzia",
                 {RF(7)}),
             Cmd("Riduzioneortogonaledellecolonne1", "Riduzione ortogonale delle colonne",
                 "TRidOrtogonaleGiocate", {Cols(2, kTwoColumns)}),
             Cmd("Riduzionedellecolonneagaranzia1", "Riduzione delle colonne a garanzia",
                 "TRidGaranziaGiocate", {Cols(2, kTwoColumns)}),
             Cmd("Chiusuraortogonaledellecolonne1", "Chiusura ortogonale delle colonne", "TRidChiudiOrto",
                 {Cols(2, kTwoColumns), RF(7)}),
             Cmd("Chiusuradellecolonneagaranzia1", "Chiusura delle colonne a garanzia", "TRidChiudiGaranzia",
                 {Cols(2, kTwoColumns), RF(7)}),
             Separator(),
             Cmd("Aggiungicolonnepirappresentative1", "Aggiungi colonne più rappresentative", "TRidGenio",
                 {RF(7)}),
             Cmd("Eliminacolonnemenorappresentative1", "Elimina colonne meno rappresentative",
                 "TRidMenoRappre", {RF(6), Cols(1, kNothingToDelete)}),
             Cmd("Ottimizzaprobabilitdivincita1", "Ottimizza probabilità di vincita",
                 "TRidOttimizzaProbabilita",
                 {RF(7), Cols(2, "Questo metodo richiede la presenza di almeno 2 colonne.",
                              MessageIcon::Information)}),
             Separator(),
             Cmd("Riduzioneprobabilisticainbaseairitardi1", "Riduzione probabilistica in base ai ritardi",
                 "TRidProbaRit", {RF(6)}),
             Cmd("Riduzioneinbaseairitardi1", "Riduzione in base ai ritardi", "TRidRit", {RF(6)}),
             Cmd("Riduzioneprobabilisticainbaseallefrequenze1",
                 "Riduzione probabilistica in base alle frequenze", "TRidProbaFre", {RF(6)}),
             Cmd("Riduzioneinbaseallefrequenze1", "Riduzione in base alle frequenze", "TRidFre", {RF(6)}),
             Cmd("Riduzioneinbaseaprobabilitpersonalizzate1",
                 "Riduzione in base a probabilità personalizzate", "TRidProbaPer", {RF(6)}),
             Cmd("RiduzionetramiteilconfrontoconlarchiviostoricodelSuperenalotto1",
                 "Riduzione tramite il confronto con l'archivio storico del Superenalotto", "TRidConfStorico",
                 {RF(6)}),
             Separator(),
             Cmd("Riduzionecondizionata1", "Riduzione condizionata", "TRidCondizionata", {RF(6)}),
             Cmd("Riduzionetramitecolonnefiltro1", "Riduzione tramite colonne filtro", "TRidColonneFiltro",
                 {RF(6)}),
             Cmd("Riduzionecruciverba1", "Riduzione cruciverba", "TRidCruciverba", {RF(9)}),
             Cmd("Riduzioneinbaseainumeri1", "Riduzione in base ai numeri", "TRidNumeri", {RF(6)}),
             Cmd("Riduzioneinbaseallecadenze1", "Riduzione in base alle cadenze", "TRidCadenze", {RF(6)}),
             Cmd("Riduzioneinbaseallefigure1", "Riduzione in base alle figure", "TRidFigure", {RF(6)}),
             Cmd("Riduzioneinbasealledecine1", "Riduzione in base alle decine", "TRidDecine", {RF(6)}),
             Separator(),
             Cmd("Normalizzadistribuzionedeinumeri1", "Normalizza distribuzione dei numeri",
                 "TRidNormaDistri", {Cols(2, kTwoColumns), RF(7)}),
             Cmd("Sostituzionecombinazionidinumeri1", "Sostituzione combinazioni di numeri", "TRidSostComb",
                 {Cols(1, "Questo metodo richiede almeno una colonna.")}),
             Cmd("Aggiungicolonnecasuali1", "Aggiungi colonne casuali", "TRidCasuale", {RF(7)}),
             Cmd("Eliminacolonnecasualmente1", "Elimina colonne casualmente", "TRidCasualeElimina",
                 {Cols(1, kNothingToDelete)}),
             Separator(),
             Cmd("Applicariduttore1", "Applica riduttore", "TApplicaRiduttore", {RF(6)}),
             Cmd("Gestioneriduttori1", "Gestione riduttori", "TGestioneRiduttori"),
             Separator(),
             Cmd("Sviluppointegraledelpronostico1", "Sviluppo integrale del pronostico", "TSviluppoIntegrale",
                 {RF(6)}),
             Handler(
                 Cmd("Eliminatuttelecolonne1", "Elimina tutte le colonne", "", {Cols(1, kNothingToDelete)}),
                 "Eliminatuttelecolonne1Click", 0),
         }},
        {"Colonnefinali1",
         "Colonne finali",
         {
             Cmd("Spogliodellecolonne1", "Spoglio delle colonne", "TSpoglio", {Cols(1, kNothingToCheck)}),
             Cmd("Spoglioconlarchiviostorico1", "Spoglio con l'archivio storico", "TSpoglioStorico",
                 {Cols(1, kNothingToCheck)}),
             Cmd("Calcolaprobabilitrelativadivincita1", "Calcola probabilità relativa di vincita",
                 "TProbabilitaRelativaVincita", {Cols(1, kNothingToCheck), RF(6)}),
             Cmd("Calcolaprobabilitassolutadivincita1", "Calcola probabilità assoluta di vincita",
                 "TProbabilitaAssolutaVincita", {Cols(1, kNothingToCheck)}),
             Cmd("Visualizzadistribuzionedeinumeri1", "Visualizza distribuzione dei numeri", "TVisuaDistri",
                 {Cols(1, kNothingToCheck), RF(6)}),
             Separator(),
             Cmd("Annullaultimaoperazione1", "Annulla ultima operazione", "",
                 {Snap("Non ci sono colonne da ripristinare!")}),
             Cmd("Modificacolonneselezionate1", "Modifica colonne selezionate", "TInserisciModificaColonne",
                 {Cols(1, "Non ci sono colonne da modificare!", MessageIcon::Information),
                  Sel("Selezionare le colonne da modificare!")}),
             Cmd("Inserimentocolonnedatastiera1", "Inserimento colonne da tastiera",
                 "TInserisciModificaColonne"),
             Cmd("Eliminacolonneselezionate1", "Elimina colonne selezionate", "TEliminaGiocate",
                 {Cols(1, "Non ci sono colonne da eliminare!", MessageIcon::Information)}),
             Cmd("Ordinacolonne1", "Ordina colonne", "TOrdinaColonne",
                 {Cols(1, "Non ci sono colonne finali da ordinare.")}),
             Separator(),
             Cmd("Importacolonnedafileditesto1", "Importa colonne da file di testo"),
             Cmd("Esportacolonnesufileditesto1", "Esporta colonne su file di testo"),
             Cmd("ImportacolonnedaaltrosistemaCarovelaSuperenalotto1",
                 "Importa colonne da altro sistema Carovela Superenalotto"),
             Cmd("ImportacolonnedasistemaDuplaraProfessional1",
                 "Importa colonne da sistema Duplara Professional"),
             Separator(),
             Handler(
                 Cmd("Eliminatuttelecolonne2", "Elimina tutte le colonne", "", {Cols(1, kNothingToDelete)}),
                 "Eliminatuttelecolonne1Click", 0),
         }},
        {"Statistiche1",
         "Statistiche",
         {
             Handler(Cmd("Graficodeiritardi1", "Grafico dei ritardi"), "Statistiche1Click", 0),
             Handler(Cmd("Graficodellefrequenze1", "Grafico delle frequenze"), "Statistiche1Click", 1),
             Handler(Cmd("Graficodelleprobabilit1", "Grafico delle probabilità"), "Statistiche1Click", 2),
             Handler(Cmd("Ritardidelle10cifre1", "Ritardi delle 10 cifre"), "Statistiche1Click", 3),
             Handler(Cmd("Frequenzedelle10cifre1", "Frequenze delle 10 cifre"), "Statistiche1Click", 4),
             Handler(Cmd("Ritardiattualiminimimedimassimi1", "Ritardi attuali/minimi/medi/massimi"),
                     "Statistiche1Click", 5),
             Handler(Cmd("Frequenzeattualiminimemediemassime1", "Frequenze attuali/minime/medie/massime"),
                     "Statistiche1Click", 6),
             Handler(Cmd("AnalisicombinazionisucolonnevincentidelSuperenalotto1",
                         "Analisi combinazioni su colonne vincenti del Superenalotto"),
                     "Statistiche1Click", 7),
             Handler(Cmd("Lasmorfia1", "La smorfia"), "Statistiche1Click", 8),
             Handler(Cmd("CerchiociclometricoSuperenalotto1", "Cerchio ciclometrico Superenalotto"),
                     "Statistiche1Click", 9),
             Handler(Cmd("RitardidelnumeroSuperStar1", "Ritardi del numero SuperStar"), "Statistiche1Click",
                     10),
             Handler(Cmd("FrequenzedelnumeroSuperStar1", "Frequenze del numero SuperStar"),
                     "Statistiche1Click", 11),
         }},
        {"Stampa1",
         "Stampa",
         {
             Cmd("Impostastampante1", "Imposta stampante"),
             Separator(),
             Cmd("Stampasuschedineda5pannelli1", "Stampa su schedine da 5 pannelli", "TColSuSche5PNew",
                 {Cols(1, kNothingToPrint, MessageIcon::Information)}),
             Cmd("Calibralastampaverticalesuschedineda5pannelli1",
                 "Calibra la stampa verticale su schedine da 5 pannelli", "TCalibra5PNewVer"),
             Cmd("Calibralastampaorizzintalesuschedineda5pannelli1",
                 "Calibra la stampa orizzintale su schedine da 5 pannelli", "TCalibra5PNewOri"),
             Separator(),
             Cmd("Stampasuschedineda2pannelli1", "Stampa su schedine da 2 pannelli", "TColSuSche2PSS",
                 {Cols(1, kNothingToPrint, MessageIcon::Information)}),
             Cmd("Calibralastampaverticalesuschedineda2pannelli1",
                 "Calibra la stampa verticale su schedine da 2 pannelli", "TCalibra2PVerSS"),
             Cmd("Calibralastampaorizzintalesuschedineda2pannelli1",
                 "Calibra la stampa orizzintale su schedine da 2 pannelli", "TCalibra2POriSS"),
             Separator(),
             Cmd("Stampasucartacomune1", "Stampa su carta comune", "TColSuCarta"),
             Separator(),
             Submenu("Stampasuvecchieschedine1", "Stampa su vecchie schedine",
                     {
                         Cmd("Stampasuschedineda5pannelli2", "Stampa su schedine da 5 pannelli",
                             "TColSuSche5P", {Cols(1, kNothingToPrint, MessageIcon::Information)}),
                         Cmd("Stampasuschedineda2pannelli2", "Stampa su schedine da 2 pannelli",
                             "TColSuSche2P", {Cols(1, kNothingToPrint, MessageIcon::Information)}),
                         Separator(),
                         Cmd("Calibralastampaverticalesuschedineda5pannelli2",
                             "Calibra la stampa verticale su schedine da 5 pannelli", "TCalibra5PVer"),
                         Cmd("Calibralastampaorizzintalesuschedineda5pannelli2",
                             "Calibra la stampa orizzintale su schedine da 5 pannelli", "TCalibra5POri"),
                         Cmd("Calibralastampaverticalesuschedineda2pannelli2",
                             "Calibra la stampa verticale su schedine da 2 pannelli", "TCalibra2PVer"),
                         Cmd("Calibralastampaorizzintalesuschedineda2pannelli2",
                             "Calibra la stampa orizzintale su schedine da 2 pannelli", "TCalibra2POri"),
                     }),
         }},
        {"Archiviostorico1",
         "Archivio storico",
         {
             Cmd("AggiornadaInternet1", "Aggiorna da Internet", "TAggio"),
             Cmd("Aggiornamentomanuale1", "Aggiornamento manuale", "TAggioManuale"),
             Separator(),
             Cmd("Creacopiadisicurezza1", "Crea copia di sicurezza"),
             Cmd("Ripristinadacopiadisicurezza1", "Ripristina da copia di sicurezza"),
             Separator(),
             Cmd("Esportasufileditesto1", "Esporta su file di testo"),
         }},
        {"Impostazioni1",
         "Impostazioni",
         {
             Cmd("Calcolodeiritardi1", "Calcolo dei ritardi", "TImpoCalcoloRitardi"),
             Cmd("Calcolodellefrequenze1", "Calcolo delle frequenze", "TImpoCalcoloFrequenze"),
             Cmd("Calcolodelleprobabilit1", "Calcolo delle probabilità", "TImpoProbabilita"),
             Separator(),
             Cmd("Notificheaggiornamenti1", "Notifiche aggiornamenti", "TImpoNotifiche"),
             Cmd("ConnessioneadInternet1", "Connessione ad Internet", "TImpoConn"),
             Separator(),
             Cmd("Modificacostodellecolonne1", "Modifica costo delle colonne", "TImpoCostoCol"),
             Cmd("Personalizzalasmorfia1", "Personalizza la smorfia", "TModificaSmorfia"),
         }},
        {"Guidainlinea1",
         "Guida in linea",
         {
             Key(Cmd("Sommario1", "Sommario"), "F1"),
             Separator(),
             Cmd("HomePage1", "CAROVELA SUPERENALOTTO Home Page"),
             Cmd("Informazioni1", "Informazioni su CAROVELA SUPERENALOTTO"),
         }},
    };
    return menus;
}

const std::vector<ToolBarButton>& ToolBarButtons() {
    static const std::vector<ToolBarButton> buttons = {
        {1, " Nuovo sistema ", "Nuovo1"},
        {2, " Carica un sistema dal disco ", "Apri1"},
        {3, " Salva il sistema sul disco ", "Salvaconnome1"},
        {4, " Riduzione del pronostico a garanzia ", "Riduzionedelpronosticoagaranzia1"},
        {5, " Riduzione condizionata ", "Riduzionecondizionata1"},
        {6, " Riduzione cruciverba ", "Riduzionecruciverba1"},
        {7, " Riduzione probabilistica in base ai ritardi ", "Riduzioneprobabilisticainbaseairitardi1"},
        {8, " Riduzione probabilistica in base alle frequenze ",
         "Riduzioneprobabilisticainbaseallefrequenze1"},
        {9, " Annulla l'ultima operazione eseguita sulle colonne ", "Annullaultimaoperazione1"},
        {10, " Elimina colonne ", "Eliminacolonneselezionate1"},
        {11, " Modifica colonne manualmente ", "Modificacolonneselezionate1"},
        {12, " Spoglio delle colonne ", "Spogliodellecolonne1"},
        {13, " Stampa colonne su schedine da 5 pannelli ", "Stampasuschedineda5pannelli1"},
        {14, " Aggiornamento tramite Internet degli archivi storici ", "AggiornadaInternet1"},
        {15, " Calcola probabilità relativa di vincita ", "Calcolaprobabilitrelativadivincita1"},
        {16, " Riduzione ortogonale del pronostico ", "Riduzioneortogonaledelpronostico1"},
        {17, " Ottimizza probabilità di vincita ", "Ottimizzaprobabilitdivincita1"},
    };
    return buttons;
}

const CommandItem* FindCommandItem(std::string_view name) {
    for (const CommandMenu& menu : CommandMenus())
        if (const CommandItem* found = FindIn(menu.items, name)) return found;
    return nullptr;
}

bool CheckCommand(const CommandItem& item, Globali& g, const CommandContext& context) {
    for (const CommandCheck& check : item.checks)
        if (!CheckOne(check, g, context)) return false;
    return true;
}
