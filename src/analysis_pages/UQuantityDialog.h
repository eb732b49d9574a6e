#pragma once

#include "shell/forecast_tools.h"

#include <QDialog>

struct GuiServices;
class QLabel;
class QLineEdit;
class QPushButton;

// What the two forecast quantity dialogs share: a digits-only quantity field showing the last
// accepted value selected, "OK" that checks it against 1..maximum under the dialog's limit rule,
// and tag() = 1 once accepted.
class TQuantityDialog : public QDialog {
    Q_OBJECT
public:
    int tag() const { return tag_; }
    int quantity() const { return quantity_; }
    int minimum() const { return 1; }
    int maximum() const { return maximum_; }

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* gobtn = nullptr;
    QPushButton* BitBtn4 = nullptr;

protected:
    TQuantityDialog(GuiServices& services, QuantityLimit limit, int maximum, QWidget* parent);
    // Called by the window once its form is set up.
    void bindControls(QLabel* label, QLineEdit* edit, QPushButton* ok, QPushButton* cancel);
    void showEvent(QShowEvent* event) override;

    GuiServices& services_;

private:
    void gobtnClick();

    QuantityLimit limit_;
    int maximum_;
    int quantity_ = 1;
    int tag_ = 0;
};
