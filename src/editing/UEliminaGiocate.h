#pragma once

#include "editing/range_delete.h"

#include <QDialog>

#include <memory>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
struct Globali;
struct GuiServices;

namespace Ui {
class TEliminaGiocate;
}

// Chooses the range of columns to delete with two bars (or by typing the positions) and deletes
// it after a question. Enter runs "OK", Esc "Anulla".
class TEliminaGiocate : public QDialog {
    Q_OBJECT
public:
    // Starts on lo..hi, or on the whole list when lo or hi is 0.
    TEliminaGiocate(Globali& globali, GuiServices& services, std::int32_t lo, std::int32_t hi,
                    QWidget* parent = nullptr);
    ~TEliminaGiocate() override;

    QLabel* Label4;
    QScrollBar* scb1;
    QLineEdit* Edit1;
    QLabel* gioini;
    QScrollBar* scb2;
    QLineEdit* Edit2;
    QLabel* giofini;
    QLabel* Label3;
    QPushButton* Button1; // "OK"
    QPushButton* Button2; // "Anulla"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void scb1Change(int position);
    void scb2Change(int position);
    void showFirst();
    void showLast();
    // Leaving a field: its number moves the bar when it is a position of the list.
    void applyField(QLineEdit* field);
    void Button1Click();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TEliminaGiocate> ui_;
    DeleteRange range_;
};

// "Elimina colonne selezionate": the range dialog over the selection lo..hi (0, 0 when none).
void RunEliminaColonne(Globali& globali, GuiServices& services, QWidget* parent, std::int32_t lo,
                       std::int32_t hi);
