#include "checking/UNewModColonnaVincente.h"

#include "ui_UNewModColonnaVincente.h"

#include "core/messages.h"
#include "ui/number_fields.h"

#include <QRegularExpressionValidator>

TNewModColonnaVincente::TNewModColonnaVincente(const DrawArchive& archive, MessageService& messages,
                                               Mode mode, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TNewModColonnaVincente>()), archive_(archive),
      messages_(messages), mode_(mode) {
    ui_->setupUi(this);
    if (mode_ == Mode::Modify) setWindowTitle("Modifica colonna vincente del Superenalotto");
    new TwoDigitFieldChain(
        {ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6, ui_->Edit7, ui_->Edit8, ui_->Edit9},
        this);
    new DateFieldFilter(ui_->Edit1, this);
    ui_->Edit10->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TNewModColonnaVincente::BitBtn1Click);
    connect(ui_->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

TNewModColonnaVincente::~TNewModColonnaVincente() = default;

void TNewModColonnaVincente::setFields(const DrawFields& f) {
    ui_->Edit1->setText(QString::fromStdString(f.date));
    ui_->Edit10->setText(QString::fromStdString(f.concorso));
    QLineEdit* numbers[] = {ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6, ui_->Edit7};
    for (int i = 0; i < 6; ++i)
        numbers[i]->setText(QString::fromStdString(f.numbers[static_cast<std::size_t>(i)]));
    ui_->Edit8->setText(QString::fromStdString(f.jolly));
    ui_->Edit9->setText(QString::fromStdString(f.superStar));
}

DrawFields TNewModColonnaVincente::fields() const {
    DrawFields f;
    f.date = ui_->Edit1->text().toStdString();
    f.concorso = ui_->Edit10->text().toStdString();
    const QLineEdit* numbers[] = {ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6, ui_->Edit7};
    for (int i = 0; i < 6; ++i) f.numbers[static_cast<std::size_t>(i)] = numbers[i]->text().toStdString();
    f.jolly = ui_->Edit8->text().toStdString();
    f.superStar = ui_->Edit9->text().toStdString();
    return f;
}

void TNewModColonnaVincente::BitBtn1Click() {
    if (auto message = BuildDrawFromFields(fields(), record_)) {
        messages_.warning(*message);
        if (*message == kInvalidDateText) ui_->Edit1->setFocus();
        return;
    }
    if (mode_ == Mode::New && FindDrawByDate(archive_, record_.day, record_.month, record_.year) != 0 &&
        !messages_.askYesNo(kSameDayQuestionText))
        return;
    accept();
}
