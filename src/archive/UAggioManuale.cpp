#include "archive/UAggioManuale.h"

#include "ui_UAggioManuale.h"

#include "archive/USelezionaEstrazioni.h"
#include "archive/archive_file.h"
#include "archive/archive_maintenance.h"
#include "archive/draw_print.h"
#include "archive/replace_file.h"
#include "archive/statistics.h"
#include "checking/UNewModColonnaVincente.h"
#include "checking/winning_entry.h"
#include "core/Globali.h"
#include "ui/gui_services.h"
#include "ui/page_renderer.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPrinter>

namespace {

QString Padded(int n) {
    return n < 10 ? QString(" %1").arg(n) : QString::number(n);
}

} // namespace

// The grid reads the archive directly: thousands of rows cost nothing until they are painted.
class DrawArchiveModel : public QAbstractTableModel {
public:
    DrawArchiveModel(const DrawArchive& archive, QObject* parent)
        : QAbstractTableModel(parent), archive_(archive) {}

    void refresh() {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : archive_.count();
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || index.row() >= archive_.count()) return {};
        const DrawRecord& r = archive_.record(index.row() + 1);
        switch (index.column()) {
        case 0:
            return QString::fromStdString(FormatDrawDate(r));
        case 1:
            return QString("   %1").arg(r.concorso);
        case 2: {
            QStringList numbers;
            for (auto n : r.numbers) numbers << Padded(n);
            return "    " + numbers.join(' ');
        }
        case 3:
            return "  " + Padded(r.jolly);
        default:
            return "    " + Padded(r.superStar);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const headings[] = {"        Data", "Nº Concorso", "    Colonna vincente",
                                               "  Jolly", "SuperStar"};
        return QString::fromUtf8(headings[section]);
    }

private:
    const DrawArchive& archive_;
};

TAggioManuale::TAggioManuale(Globali& g, GuiServices& services, std::function<void()> internetUpdate,
                             QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TAggioManuale>()), g_(g), services_(services),
      internetUpdate_(std::move(internetUpdate)) {
    ui_->setupUi(this);
    model_ = new DrawArchiveModel(g_.archive, this);
    ui_->cov->setModel(model_);
    ui_->cov->verticalHeader()->hide();
    ui_->cov->horizontalHeader()->setStretchLastSection(true);
    ui_->cov->setFont(QFont("Courier New"));
    ui_->cov->setColumnWidth(2, 220);
    connect(ui_->cov, &QTableView::doubleClicked, this, &TAggioManuale::BitBtn8Click);
    connect(ui_->BitBtn7, &QPushButton::clicked, this, &TAggioManuale::BitBtn7Click);
    connect(ui_->BitBtn8, &QPushButton::clicked, this, &TAggioManuale::BitBtn8Click);
    connect(ui_->BitBtn9, &QPushButton::clicked, this, &TAggioManuale::BitBtn9Click);
    connect(ui_->BitBtn10, &QPushButton::clicked, this, &TAggioManuale::BitBtn10Click);
    connect(ui_->BitBtn11, &QPushButton::clicked, this, &TAggioManuale::BitBtn11Click);
    connect(ui_->BitBtn5, &QPushButton::clicked, this, &TAggioManuale::BitBtn5Click);
    connect(ui_->BitBtn6, &QPushButton::clicked, this,
            [this] { services_.help.showTopic("as_aggiorna_manuale.htm"); });
    connect(ui_->BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    ui_->BitBtn10->setEnabled(static_cast<bool>(internetUpdate_));
}

TAggioManuale::~TAggioManuale() = default;

void TAggioManuale::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    selectLast();
}

void TAggioManuale::done(int r) {
    recomputeStatistics(g_);
    QDialog::done(r);
}

int TAggioManuale::selectedRecord() const {
    const auto rows = ui_->cov->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.front().row() + 1;
}

void TAggioManuale::refill() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model_->refresh();
    QApplication::restoreOverrideCursor();
}

void TAggioManuale::selectLast() {
    if (g_.archive.empty()) return;
    ui_->cov->selectRow(g_.archive.count() - 1);
    ui_->cov->scrollToBottom();
}

void TAggioManuale::BitBtn7Click() {
    TNewModColonnaVincente editor(g_.archive, services_.messages, TNewModColonnaVincente::Mode::New, this);
    DrawFields fields;
    fields.concorso = std::to_string(g_.archive.empty() ? 1 : g_.archive.last().concorso + 1);
    editor.setFields(fields);
    if (editor.exec() != QDialog::Accepted) return;
    if (g_.archive.insertDraw(editor.record()) < 0) {
        services_.messages.warning(kArchiveFullText);
        return;
    }
    services_.messages.information("Colonna vincente inserita con successo.", "Colonna inserita");
    saveArchive(g_);
    refill();
    selectLast();
}

void TAggioManuale::BitBtn8Click() {
    const int k = selectedRecord();
    if (k < 1) {
        services_.messages.warning("Selezionare la colonna da modificare.");
        return;
    }
    const DrawRecord old = g_.archive.record(k);
    TNewModColonnaVincente editor(g_.archive, services_.messages, TNewModColonnaVincente::Mode::Modify, this);
    DrawFields fields;
    fields.date = FormatDrawDateShort(old);
    fields.concorso = std::to_string(old.concorso);
    for (std::size_t i = 0; i < 6; ++i) fields.numbers[i] = std::to_string(old.numbers[i]);
    fields.jolly = std::to_string(old.jolly);
    fields.superStar = std::to_string(old.superStar);
    editor.setFields(fields);
    if (editor.exec() != QDialog::Accepted) return;
    g_.archive.deleteDraw(k);
    if (g_.archive.insertDraw(editor.record()) < 0) {
        g_.archive.insertDraw(old); // the edited draw could not be stored: keep the old one
        return;
    }
    services_.messages.information("Colonna vincente modificata con successo.", "Colonna inserita");
    saveArchive(g_);
    refill();
    selectLast();
}

void TAggioManuale::BitBtn9Click() {
    if (g_.archive.empty()) return;
    TSelezionaEstrazioni range(g_.archive, this);
    range.setWindowTitle("Selezionare i concorsi del Superenalotto");
    range.setExplanation("Selezionare l'intervallo di colonne vincenti del Superenalotto da eliminare");
    const auto rows = ui_->cov->selectionModel()->selectedRows();
    int first = g_.archive.count(), last = first;
    if (!rows.isEmpty()) {
        first = last = rows.front().row() + 1;
        for (const auto& r : rows) {
            first = std::min(first, r.row() + 1);
            last = std::max(last, r.row() + 1);
        }
    }
    range.setRange(first, last);
    if (range.exec() != QDialog::Accepted) return;
    first = range.first();
    last = range.last();
    const std::string question = "Eliminare le colonne vincenti del Superenalotto dalla nº " +
                                 std::to_string(first) + " alla nº " + std::to_string(last) + " ?";
    if (!services_.messages.askYesNo(question, MessageAnswer::Yes)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DeleteDrawRange(g_.archive, first, last);
    saveArchive(g_);
    QApplication::restoreOverrideCursor();
    refill();
    selectLast();
}

void TAggioManuale::BitBtn10Click() {
    if (internetUpdate_) internetUpdate_();
    refill();
    selectLast();
}

void TAggioManuale::BitBtn11Click() {
    const QString path =
        services_.fileDialogs.openFile(this, {"Importa estrazioni da file di testo",
                                              QDir::homePath(),
                                              {},
                                              "File di testo (*.txt *.tsv);;Tutti i file (*)",
                                              {}});
    if (path.isEmpty()) return;
    const auto result = ImportArchiveText(g_.archive, path.toStdString());
    if (!result.read) {
        services_.messages.error("Impossibile leggere il file indicato.");
        return;
    }
    if (result.added + result.replaced > 0) {
        saveArchive(g_);
        recomputeStatistics(g_);
    }
    services_.messages.information(DrawImportReport(result), "Importazione estrazioni");
    refill();
    selectLast();
}

void TAggioManuale::BitBtn5Click() {
    if (g_.archive.empty() || !services_.printerSetup.setup(this)) return;
    const int k = selectedRecord() ? selectedRecord() : g_.archive.count();
    QPrinter& printer = services_.printerSetup.printer();
    QtTextMetrics metrics(printer);
    RenderDocument(printer, BuildDrawPrint(g_.archive.record(k), metrics));
}

void RunAggioManuale(Globali& g, GuiServices& services, QWidget* parent,
                     std::function<void()> internetUpdate) {
    TAggioManuale window(g, services, std::move(internetUpdate), parent);
    window.exec();
}

void RunEsportaArchivio(Globali& g, GuiServices& services, QWidget* parent) {
    const QString path = services.fileDialogs.saveFile(
        parent,
        {"Esporta su file di testo", QDir::homePath(), {}, "File di testo (*.txt);;Tutti i file (*)", "txt"});
    if (path.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ExportArchiveText(g.archive, path.toStdString()); // write errors are not reported, as the menu promises
    QApplication::restoreOverrideCursor();
}

void RunCopiaSicurezzaArchivio(Globali& g, GuiServices& services, QWidget* parent) {
    const QString folder = services.fileDialogs.chooseFolder(
        parent, "\r\nIndicare la posizione in cui scrivere la copia di sicurezza.", QDir::homePath());
    if (folder.isEmpty()) return;
    const auto target = std::filesystem::path(folder.toStdString()) / kArchiveFileName;
    if (CopyFileReplacing(ArchivePath(g.dirs), target))
        services.messages.information("Copia di sicurezza creata correttamente.", "Sestavia");
    else
        services.messages.warning("Impossibile scrivere nella posizione indicata!", "Errore di scrittura");
}

bool RunRipristinoArchivio(Globali& g, GuiServices& services, QWidget* parent) {
    const QString folder = services.fileDialogs.chooseFolder(
        parent, "\r\nIndicare la posizione della copia di sicurezza.", QDir::homePath());
    if (folder.isEmpty()) return false;
    const auto source = std::filesystem::path(folder.toStdString()) / kArchiveFileName;
    // A copy that holds no sound draw is not a backup: it must not replace the archive.
    DrawArchive probe;
    if (loadArchive(probe, source).loaded == 0 || !CopyFileReplacing(source, ArchivePath(g.dirs))) {
        services.messages.warning("Impossibile leggere dalla posizione indicata!", "Errore");
        return false;
    }
    loadArchive(g);
    recomputeStatistics(g);
    services.messages.information("Ripristino eseguito correttamente.", "Sestavia");
    return true;
}
