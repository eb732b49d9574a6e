#pragma once

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

// The controls of the program's small progress windows: "Stato avanzamento" above a bar `gg`
// with the stop button `stopbtn` ("Interrompi") at its right.
struct ProgressRow {
    QLabel* label;
    QProgressBar* bar;
    QPushButton* stop;
};

// Lays the row out as the whole content of `dialog`.
ProgressRow BuildProgressRow(QDialog& dialog);
