#include "checking/USpoglio.h"

#include "ui_USpoglio.h"

#include "archive/archive_file.h"
#include "archive/statistics.h"
#include "checking/UDaiNumEstra.h"
#include "checking/UNewModColonnaVincente.h"
#include "checking/check_print.h"
#include "checking/winning_entry.h"
#include "core/Globali.h"
#include "core/column_text.h"
#include "core/settings_store.h"
#include "ui/gui_operation_host.h"
#include "ui/gui_services.h"
#include "ui/number_fields.h"
#include "ui/page_renderer.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QPrinter>
#include <QThread>

// The winning list, read straight from the result: a million rows cost nothing until shown.
class CheckResultModel : public QAbstractTableModel {
public:
    CheckResultModel(const CheckResultList& result, const ColumnStore& store, QObject* parent)
        : QAbstractTableModel(parent), result_(result), store_(store) {}

    void reset(bool holdsResult) {
        beginResetModel();
        rows_ = holdsResult ? static_cast<int>(result_.entries.size()) : 0;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (role != Qt::DisplayRole || index.row() >= rows_) return {};
        const CheckEntry e = result_.entries[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
        case 0:
            return QString::fromStdString(ScoreText(e.score));
        case 1:
            return e.position <= store_.capacity()
                       ? QString::fromStdString(FormatColumn(store_.at(e.position)))
                       : QString();
        default:
            return e.position;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const headings[] = {" Punti", " Colonna", " Nº Colonna"};
        return QString::fromUtf8(headings[section]);
    }

private:
    const CheckResultList& result_;
    const ColumnStore& store_;
    int rows_ = 0;
};

TSpoglio::TSpoglio(Globali& g, GuiServices& services, TDaiNumEstra& picker, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TSpoglio>()), g_(g), services_(services), picker_(picker) {
    ui_->setupUi(this);
    fields_ = {ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5,
               ui_->Edit6, ui_->Edit7, ui_->Edit8, ui_->Edit9};
    auto* chain = new TwoDigitFieldChain({fields_.begin(), fields_.end()}, this);
    auto* date = new DateFieldFilter(ui_->Edit1, this);
    connect(chain, &TwoDigitFieldChain::edited, this, [this] { ui_->go->setEnabled(true); });
    connect(date, &DateFieldFilter::edited, this, [this] { ui_->go->setEnabled(true); });

    model_ = new CheckResultModel(result_, g_.system.columns, this);
    ui_->cv_grid->setModel(model_);
    ui_->cv_grid->verticalHeader()->hide();
    ui_->cv_grid->horizontalHeader()->setStretchLastSection(true);
    ui_->cv_grid->setColumnWidth(1, 180);
    connect(ui_->cv_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        ui_->BitBtn6->setEnabled(holdsResult_ && ui_->cv_grid->selectionModel()->hasSelection());
    });

    connect(ui_->go, &QPushButton::clicked, this, &TSpoglio::goClick);
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TSpoglio::BitBtn1Click);
    connect(ui_->BitBtn2, &QPushButton::clicked, this, &TSpoglio::BitBtn2Click);
    connect(ui_->BitBtn5, &QPushButton::clicked, this, &TSpoglio::BitBtn5Click);
    connect(ui_->BitBtn6, &QPushButton::clicked, this, &TSpoglio::BitBtn6Click);
    connect(ui_->BitBtn7, &QPushButton::clicked, this, &TSpoglio::BitBtn7Click);
    connect(ui_->BitBtn8, &QPushButton::clicked, this, [this] {
        if (internetUpdate_) internetUpdate_();
        ui_->go->setEnabled(true);
    });
    connect(ui_->BitBtn3, &QPushButton::clicked, this,
            [this] { services_.help.showTopic("cf_spoglio.htm"); });
    connect(ui_->BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->UpDown1Prev, &QToolButton::clicked, this, [this] { UpDown1Click(-1); });
    connect(ui_->UpDown1Next, &QToolButton::clicked, this, [this] { UpDown1Click(+1); });
    ui_->BitBtn8->setEnabled(false);
    FormShow();
}

TSpoglio::~TSpoglio() = default;

void TSpoglio::setInternetUpdate(std::function<void()> update) {
    internetUpdate_ = std::move(update);
    ui_->BitBtn8->setEnabled(static_cast<bool>(internetUpdate_));
}

void TSpoglio::FormShow() {
    ui_->Label23->hide();
    ui_->pb1->hide();
    ui_->BitBtn6->setEnabled(false);
    std::array<std::string, 8> stored;
    std::string date;
    DecodeLastCheck(WindowSettingText(g_.settingsStore(), "UltimaSpoglio", "********", SettingAccess::Read),
                    stored, date);
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(QString::fromStdString(stored[i]));
    ui_->Edit1->setText(QString::fromStdString(date));
    result_.clear();
    model_->reset(false);
}

void TSpoglio::done(int r) {
    if (checking_) return; // the close button is disabled during a check; Esc is refused the same way
    std::array<std::string, 8> texts;
    for (std::size_t i = 0; i < fields_.size(); ++i) texts[i] = fields_[i]->text().toStdString();
    WindowSettingText(g_.settingsStore(), "UltimaSpoglio",
                      EncodeLastCheck(texts, ui_->Edit1->text().toStdString()), SettingAccess::Write);
    QDialog::done(r);
}

std::array<std::string, 6> TSpoglio::numberFields() const {
    std::array<std::string, 6> numbers;
    for (std::size_t i = 0; i < 6; ++i) numbers[i] = fields_[i]->text().toStdString();
    return numbers;
}

void TSpoglio::showCounters() {
    QLabel* counters[8] = {ui_->Count0, ui_->Count1, ui_->Count2, ui_->Count3,
                           ui_->Count4, ui_->Count5, ui_->Count6, ui_->CountP51};
    const int category[8] = {0, 1, 2, 3, 4, 5, 6, kScoreFivePlusOne};
    for (int i = 0; i < 8; ++i)
        counters[i]->setText(holdsResult_ || result_.counters[static_cast<std::size_t>(category[i])]
                                 ? QString::number(result_.counters[static_cast<std::size_t>(category[i])])
                                 : QString());
}

void TSpoglio::goClick() {
    WinningColumn winning;
    if (auto message = ParseWinningColumn(numberFields(), ui_->Edit8->text().toStdString(), winning)) {
        services_.messages.warning(*message);
        return;
    }
    if (g_.system.superStar) ui_->Label23->show();

    checking_ = true;
    result_.clear();
    holdsResult_ = false;
    showCounters();
    ui_->go->setEnabled(false);
    ui_->GroupBox1->setEnabled(false);
    ui_->BitBtn4->setEnabled(false);
    ui_->pb1->setRange(0, 100);
    ui_->pb1->setValue(0);
    ui_->pb1->show();
    ui_->cv_grid->hide();
    model_->reset(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    RunningState state;
    GuiOperationHost host(state, services_.messages, g_.clock, ui_->pb1);
    CheckColumns(g_.system.columns, winning, result_, host);

    holdsResult_ = !result_.entries.empty();
    model_->reset(holdsResult_);
    ui_->cv_grid->show();
    showCounters();
    QApplication::restoreOverrideCursor();
    ui_->go->setEnabled(true);
    ui_->GroupBox1->setEnabled(true);
    ui_->BitBtn4->setEnabled(true);
    ui_->BitBtn6->setEnabled(false);
    ui_->pb1->hide();
    checking_ = false;
}

void TSpoglio::BitBtn6Click() {
    ui_->BitBtn6->setEnabled(false);
    const auto rows = ui_->cv_grid->selectionModel()->selectedRows();
    if (!holdsResult_ || rows.isEmpty()) return;
    int first = rows.front().row(), last = first;
    for (const auto& r : rows) {
        first = std::min(first, r.row());
        last = std::max(last, r.row());
    }
    if (!services_.messages.askYesNo("Eliminare le colonne selezionate dall'elenco delle colonne finali ?",
                                     MessageAnswer::Yes))
        return;
    DeleteCheckedColumns(g_.system.columns, g_.undo, result_, first + 1, last + 1);
    g_.system.invalidateResults();
    goClick();
}

void TSpoglio::fillFromDraw(int k) {
    if (k < 1 || k > g_.archive.count()) return;
    const DrawRecord& r = g_.archive.record(k);
    ui_->Edit1->setText(QString::fromStdString(FormatDrawDateShort(r)));
    for (std::size_t i = 0; i < 6; ++i) fields_[i]->setText(QString::number(r.numbers[i]));
    fields_[6]->setText(QString::number(r.jolly));
    fields_[7]->setText(QString::number(r.superStar));
    ui_->go->setEnabled(true);
}

void TSpoglio::UpDown1Click(int direction) {
    fillFromDraw(StepArchivedDraw(g_.archive, ui_->Edit1->text().toStdString(), direction));
}

void TSpoglio::BitBtn1Click() {
    if (picker_.pick()) fillFromDraw(picker_.chosenRecord());
    ui_->go->setEnabled(true);
}

void TSpoglio::BitBtn7Click() {
    if (!services_.messages.askYesNo("Eliminare i dati della colonna vincente ?", MessageAnswer::Yes,
                                     "Conferma"))
        return;
    for (auto* f : fields_) f->clear();
    ui_->Edit1->clear();
}

void TSpoglio::BitBtn2Click() {
    WinningColumn winning;
    Column parsed;
    std::string line;
    for (const auto& n : numberFields()) line += n + " ";
    if (!ParseColumnLine(line, parsed)) {
        services_.messages.warning(kInvalidWinningNumbersText);
        return;
    }
    TNewModColonnaVincente editor(g_.archive, services_.messages, TNewModColonnaVincente::Mode::New, this);
    DrawFields f;
    f.date = ui_->Edit1->text().toStdString();
    f.concorso = std::to_string(g_.archive.empty() ? 1 : g_.archive.last().concorso + 1);
    f.numbers = numberFields();
    f.jolly = fields_[6]->text().toStdString();
    f.superStar = fields_[7]->text().toStdString();
    editor.setFields(f);
    if (editor.exec() != QDialog::Accepted) return;
    const int k = g_.archive.insertDraw(editor.record());
    if (k < 0) {
        services_.messages.warning(kArchiveFullText);
        return;
    }
    services_.messages.information("Colonna vincente inserita con successo.", "Colonna inserita");
    recomputeStatistics(g_);
    saveArchive(g_);
}

void TSpoglio::BitBtn5Click() {
    if (!services_.printerSetup.setup(this)) return;
    QPrinter& printer = services_.printerSetup.printer();
    QtTextMetrics metrics(printer);
    CheckPrintInput input;
    input.numberFields = numberFields();
    input.jollyField = fields_[6]->text().toStdString();
    input.superStarField = fields_[7]->text().toStdString();
    input.date = ui_->Edit1->text().trimmed().toStdString();
    input.columns = &g_.system.columns;
    input.result = &result_;
    RenderDocument(printer, BuildCheckPrint(input, metrics), [] {
        QApplication::processEvents();
        QThread::msleep(150);
    });
}

void RunSpoglio(Globali& g, GuiServices& services, TDaiNumEstra& picker, QWidget* parent,
                std::function<void()> internetUpdate) {
    if (g.system.columns.count < 1) {
        services.messages.warning(kNoColumnsToCheckText);
        return;
    }
    TSpoglio window(g, services, picker, parent);
    if (internetUpdate) window.setInternetUpdate(std::move(internetUpdate));
    window.exec();
}
