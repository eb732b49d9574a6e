#pragma once

#include <QMainWindow>

struct Globali;
struct GuiServices;

// The main window: the forecast board, the fixed numbers, the summary and the column strip.
class TPri : public QMainWindow {
    Q_OBJECT
public:
    TPri(Globali& globali, GuiServices& services, QWidget* parent = nullptr);

private:
    Globali& g_;
    GuiServices& services_;
};
