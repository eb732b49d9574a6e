#include "shell/UColonneFile.h"

#include "core/Globali.h"
#include "shell/UOrdinaColonne.h"
#include "shell/UPri.h"
#include "shell/UStatoAvanzamentoDlg.h"
#include "shell/column_export.h"
#include "shell/column_import.h"
#include "ui/gui_services.h"

#include <QApplication>
#include <QFileInfo>

namespace {

const QString kTextFilter = QStringLiteral("File di testo (*.txt);;Tutti i file (*.*)");
const QString kSystemFilter = QStringLiteral("Sistema Carovela Superenalotto (*.sxv);;Tutti i file (*.*)");
const QString kDuplaraFilter = QStringLiteral("Sistema Duplara (*.dup);;Tutti i file (*.*)");

QString ChooseExisting(TPri& window, GuiServices& services, const QString& filter, const QString& suffix) {
    const QString path =
        services.fileDialogs.openFile(&window, {QString(), QString(), QString(), filter, suffix});
    if (path.isEmpty() || !QFileInfo::exists(path)) return {};
    return path;
}

void RunImport(TPri& window, Globali& g, ImportSource source, const QString& path) {
    TStatoAvanzamentoDlg dialog(&window);
    ProgressDialogHost host(dialog, g.clock);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ImportResult collected = CollectImportColumns(g, source, path.toStdString(), host);
    QApplication::restoreOverrideCursor();
    dialog.finish();
    if (collected.outcome == ImportOutcome::Added || collected.outcome == ImportOutcome::NothingFound)
        ConfirmImportColumns(g, source, collected.found);
}

} // namespace

void RegisterColumnFileCommands(TPri& window, Globali& g, GuiServices& services) {
    window.registerCommand("Importacolonnedafileditesto1Click", [&window, &g, &services] {
        const QString path = ChooseExisting(window, services, kTextFilter, QStringLiteral("txt"));
        if (!path.isEmpty()) RunImport(window, g, ImportSource::Text, path);
    });
    window.registerCommand(
        "ImportacolonnedaaltrosistemaCarovelaSuperenalotto1Click", [&window, &g, &services] {
            const QString path = ChooseExisting(window, services, kSystemFilter, QStringLiteral("sxv"));
            if (!path.isEmpty()) RunImport(window, g, ImportSource::SystemFile, path);
        });
    window.registerCommand("ImportacolonnedasistemaDuplaraProfessional1Click", [&window, &g, &services] {
        const QString path = ChooseExisting(window, services, kDuplaraFilter, QStringLiteral("dup"));
        if (!path.isEmpty()) RunImport(window, g, ImportSource::Duplara, path);
    });
    window.registerCommand("Esportacolonnesufileditesto1Click", [&window, &g, &services] {
        if (g.system.columns.count < 1) {
            services.messages.warning(kNothingToExportText);
            return;
        }
        const QString path = services.fileDialogs.saveFile(
            &window, {QString(), QString(), QString(), kTextFilter, QStringLiteral("txt")});
        if (path.isEmpty()) return;
        TStatoAvanzamentoDlg dialog(&window);
        ProgressDialogHost host(dialog, g.clock);
        ExportFinalColumns(g, path.toStdString(), host);
        dialog.finish();
    });
    window.registerCommand("Ordinacolonne1Click", [&window, &g] {
        TOrdinaColonne sorter(g, &window);
        sorter.exec();
    });
}
