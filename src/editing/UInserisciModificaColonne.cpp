#include "editing/UInserisciModificaColonne.h"

#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UInserisciModificaColonne.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

// The hourglass while the lines are appended to a list that may be long.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TInserisciModificaColonne::TInserisciModificaColonne(GuiServices& services, QWidget* parent)
    : QDialog(parent), services_(services), ui_(std::make_unique<Ui::TInserisciModificaColonne>()) {
    ui_->setupUi(this);
    Memo1 = ui_->Memo1;
    JusLab6 = ui_->JusLab6;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;
    Button1 = ui_->Button1;
    // Columns written by FormatColumn line up only in a fixed-width font.
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(OKBtn, &QPushButton::clicked, this, &TInserisciModificaColonne::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TInserisciModificaColonne::CancelBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TInserisciModificaColonne::Button1Click);
}

TInserisciModificaColonne::~TInserisciModificaColonne() = default;

void TInserisciModificaColonne::showForModify(const ColumnLines& lines) {
    setWindowTitle(QStringLiteral("Modifica colonne"));
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    Memo1->setPlainText(text.join('\n'));
}

ColumnLines TInserisciModificaColonne::lines() const {
    const QString text = Memo1->toPlainText();
    ColumnLines result;
    if (text.isEmpty()) return result;
    QStringList pieces = text.split('\n');
    if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.removeLast();
    result.reserve(static_cast<std::size_t>(pieces.size()));
    for (const QString& piece : pieces) result.push_back(piece.toStdString());
    return result;
}

void TInserisciModificaColonne::OKBtnClick() {
    const int bad = FirstInvalidColumnLine(lines());
    if (bad != 0) {
        selectLine(bad);
        services_.messages.warning(InvalidColumnLineText(bad));
        Memo1->setFocus();
        return;
    }
    Tag = 1;
    accept();
}

void TInserisciModificaColonne::selectLine(int line) {
    const QTextBlock block = Memo1->document()->findBlockByNumber(line - 1);
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
}

void TInserisciModificaColonne::CancelBtnClick() {
    services_.help.showTopic(QStringLiteral("cf_altre.htm"));
}

void TInserisciModificaColonne::Button1Click() {
    Tag = 0;
    reject();
}

void RunInserimentoColonne(Globali& globali, GuiServices& services, QWidget* parent) {
    TInserisciModificaColonne window(services, parent);
    window.exec();
    if (window.Tag != 1) return;
    const WaitCursor wait;
    InsertColumnLines(globali, window.lines());
}

void RunModificaColonne(Globali& globali, GuiServices& services, QWidget* parent, std::int32_t lo,
                        std::int32_t hi) {
    TInserisciModificaColonne window(services, parent);
    window.showForModify(FormatColumnRange(globali.system.columns, lo, hi));
    window.exec();
    if (window.Tag != 1) return;
    const WaitCursor wait;
    ModifyColumnRange(globali, lo, hi, window.lines());
}
