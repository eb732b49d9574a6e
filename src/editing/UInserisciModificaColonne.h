#pragma once

#include "editing/column_entry.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct Globali;
struct GuiServices;

namespace Ui {
class TInserisciModificaColonne;
}

// The memo where columns are typed, one per line, for a new entry or to rewrite a selected range.
// "Applica" accepts only when every non-blank line holds a valid column; Tag tells the caller.
class TInserisciModificaColonne : public QDialog {
    Q_OBJECT
public:
    explicit TInserisciModificaColonne(GuiServices& services, QWidget* parent = nullptr);
    ~TInserisciModificaColonne() override;

    // Turns the window into "Modifica colonne" over these lines.
    void showForModify(const ColumnLines& lines);
    // The memo's lines as typed (a final line break does not start another line).
    ColumnLines lines() const;

    int Tag = 0; // 1 after a successful "Applica"
    QPlainTextEdit* Memo1;
    QLabel* JusLab6;
    QPushButton* OKBtn;
    QPushButton* CancelBtn; // "Guida in linea"
    QPushButton* Button1;   // "Annulla"

private:
    void OKBtnClick();
    void CancelBtnClick();
    void Button1Click();
    void selectLine(int line);

    GuiServices& services_;
    std::unique_ptr<Ui::TInserisciModificaColonne> ui_;
};

// "Inserimento colonne da tastiera": the empty memo, then the lines appended to the list.
void RunInserimentoColonne(Globali& globali, GuiServices& services, QWidget* parent);

// "Modifica colonne selezionate" over the range lo..hi (either order): the range is rewritten by
// the memo and moves to the end of the list.
void RunModificaColonne(Globali& globali, GuiServices& services, QWidget* parent, std::int32_t lo,
                        std::int32_t hi);
