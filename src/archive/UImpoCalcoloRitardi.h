#pragma once

#include <QDialog>

#include <memory>

struct Globali;
struct GuiServices;
class QCheckBox;
class QPushButton;

namespace Ui {
class TImpoCalcoloRitardi;
}

// "Impostazioni per il calcolo dei ritardi": whether the delays count the Jolly and the SuperStar.
// exec() returns Accepted when the settings were applied.
class TImpoCalcoloRitardi final : public QDialog {
    Q_OBJECT
public:
    TImpoCalcoloRitardi(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TImpoCalcoloRitardi() override;

    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

private:
    void FormCreate();
    void BitBtn1Click();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TImpoCalcoloRitardi> ui_;
};
