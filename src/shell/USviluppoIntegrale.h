#pragma once

#include "shell/long_operation.h"
#include "ui/running_state.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;
struct Globali;
struct GuiServices;

namespace Ui {
class TSviluppoIntegrale;
}

// Develops the forecast into all its columns and appends the missing ones to the final columns.
// Closes by itself only after a development that added columns.
class TSviluppoIntegrale : public QDialog {
    Q_OBJECT
public:
    TSviluppoIntegrale(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TSviluppoIntegrale() override;

    QPushButton* gobtn;
    QPushButton* stopbtn;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QProgressBar* gg;
    QLabel* Label1;
    QCheckBox* usafisse;

public slots:
    void reject() override; // Esc and BitBtn4: refused while running

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void gobtnClick();
    void BitBtn3Click();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TSviluppoIntegrale> ui_;
    RunningState running_;
    std::unique_ptr<RunningStateControls> controls_;
};

// The command's own part: warns that existing columns slow the development down, then opens the
// window modally. The forecast has already passed RequireForecast(6).
void RunSviluppoIntegrale(Globali& globali, GuiServices& services, QWidget* parent);
