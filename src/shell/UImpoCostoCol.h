#pragma once

#include <QDialog>
#include <QValidator>

#include <memory>

struct Globali;
struct GuiServices;
class QLineEdit;
class QPushButton;

namespace Ui {
class TImpoCostoCol;
}

// Keeps an amount field to digits and '.': a typed ',' becomes '.', any other character is
// dropped, so the text always reads back the same whatever the locale.
class AmountKeyFilter final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// "Modifica costo delle colonne": the cost of a column and the SuperStar extra.
class TImpoCostoCol final : public QDialog {
    Q_OBJECT
public:
    TImpoCostoCol(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TImpoCostoCol() override;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void FormCreate();
    void OKBtnClick();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TImpoCostoCol> ui_;
};

// The command of the settings menu; the main window refreshes its summary afterwards.
void RunImpoCostoCol(Globali& globali, GuiServices& services, QWidget* parent);
