#include "editing/UEliminaGiocate.h"

#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UEliminaGiocate.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>

TEliminaGiocate::TEliminaGiocate(Globali& globali, GuiServices& services, std::int32_t lo, std::int32_t hi,
                                 QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TEliminaGiocate>()),
      range_(globali.system.columns.count, lo, hi) {
    ui_->setupUi(this);
    Label4 = ui_->Label4;
    scb1 = ui_->scb1;
    Edit1 = ui_->Edit1;
    gioini = ui_->gioini;
    scb2 = ui_->scb2;
    Edit2 = ui_->Edit2;
    giofini = ui_->giofini;
    Label3 = ui_->Label3;
    Button1 = ui_->Button1;
    Button2 = ui_->Button2;

    for (QScrollBar* bar : {scb1, scb2}) {
        const QSignalBlocker block(bar);
        bar->setRange(1, range_.count());
        bar->setPageStep(std::max(1, range_.count() / 10));
    }
    {
        const QSignalBlocker block1(scb1), block2(scb2);
        scb1->setValue(range_.first());
        scb2->setValue(range_.last());
    }
    showFirst();
    showLast();
    Label3->setText(QString::fromStdString(SelectedColumnsText(range_.size())));

    connect(scb1, &QScrollBar::valueChanged, this, &TEliminaGiocate::scb1Change);
    connect(scb2, &QScrollBar::valueChanged, this, &TEliminaGiocate::scb2Change);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TEliminaGiocate::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TEliminaGiocate::reject);
}

TEliminaGiocate::~TEliminaGiocate() = default;

void TEliminaGiocate::scb1Change(int position) {
    if (range_.moveFirst(position)) {
        const QSignalBlocker block(scb2);
        scb2->setValue(range_.last());
        showLast();
    }
    showFirst();
    Label3->setText(QString::fromStdString(SelectedPlaysText(range_.size())));
}

void TEliminaGiocate::scb2Change(int position) {
    if (range_.moveLast(position)) {
        const QSignalBlocker block(scb1);
        scb1->setValue(range_.first());
        showFirst();
    }
    showLast();
    Label3->setText(QString::fromStdString(SelectedColumnsText(range_.size())));
}

namespace {

QString ColumnUnderBar(const ColumnStore& store, std::int32_t position) {
    if (position < 1 || position > store.count) return {};
    return QString::fromStdString(BracketedColumn(store.at(position)));
}

} // namespace

void TEliminaGiocate::showFirst() {
    Edit1->setText(QString::number(range_.first()));
    gioini->setText(ColumnUnderBar(g_.system.columns, range_.first()));
}

void TEliminaGiocate::showLast() {
    Edit2->setText(QString::number(range_.last()));
    giofini->setText(ColumnUnderBar(g_.system.columns, range_.last()));
}

void TEliminaGiocate::applyField(QLineEdit* field) {
    QScrollBar* bar = field == Edit1 ? scb1 : scb2;
    bool ok = false;
    const qlonglong position = field->text().toLongLong(&ok);
    if (ok && range_.inRange(position)) {
        bar->setValue(static_cast<int>(position));
        return;
    }
    // Not a position of the list: the field shows its bar again rather than a number nobody uses.
    field->setText(QString::number(bar->value()));
}

bool TEliminaGiocate::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && (field == Edit1 || field == Edit2)) {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            // Digits and backspace only; keys that type nothing (arrows, Delete) and Enter or Esc,
            // which the dialog handles, pass.
            if (text.size() == 1 && text[0] >= QChar(' ') && !text[0].isDigit()) return true;
        } else if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) applyField(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEliminaGiocate::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Button1Click();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TEliminaGiocate::Button1Click() {
    // Enter does not leave the field being typed in, yet its number is what the user means.
    for (QLineEdit* field : {Edit1, Edit2})
        if (field->text() != QString::number((field == Edit1 ? scb1 : scb2)->value())) applyField(field);
    const std::int32_t n = range_.size();
    if (!services_.messages.askYesNo(DeleteRangeQuestion(n))) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DeleteColumnRange(g_, range_.first(), range_.last());
    QApplication::restoreOverrideCursor();
    accept();
}

void RunEliminaColonne(Globali& globali, GuiServices& services, QWidget* parent, std::int32_t lo,
                       std::int32_t hi) {
    TEliminaGiocate window(globali, services, lo, hi, parent);
    window.exec();
}
