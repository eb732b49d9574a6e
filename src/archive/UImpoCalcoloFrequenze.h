#pragma once

#include <QDialog>

#include <memory>

struct Globali;
struct GuiServices;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace Ui {
class TImpoCalcoloFrequenze;
}

// "Impostazioni per il calcolo delle frequenze": the size of the frequency window and whether the
// frequencies count the Jolly and the SuperStar. For the SuperStar frequencies the two boxes are
// hidden. exec() returns Accepted when the settings were applied.
class TImpoCalcoloFrequenze final : public QDialog {
    Q_OBJECT
public:
    TImpoCalcoloFrequenze(Globali& globali, GuiServices& services, bool forSuperStar = false,
                          QWidget* parent = nullptr);
    ~TImpoCalcoloFrequenze() override;

    QLineEdit* Edit1;
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
    std::unique_ptr<Ui::TImpoCalcoloFrequenze> ui_;
};
