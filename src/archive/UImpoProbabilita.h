#pragma once

#include <QDialog>

#include <memory>

struct Globali;
struct GuiServices;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace Ui {
class TImpoProbabilita;
}

// "Impostazioni per il calcolo delle probabilità": which criteria the score uses, how each one
// favours the numbers, and the weight of delays against frequencies. exec() returns Accepted when
// the settings were applied.
class TImpoProbabilita final : public QDialog {
    Q_OBJECT
public:
    TImpoProbabilita(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TImpoProbabilita() override;

    QCheckBox* CheckBox12;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton2;
    QCheckBox* CheckBox13;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton3;
    QSlider* TrackBar1;
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

private:
    void FormCreate();
    void CheckBoxClick();
    void EnableCriteria();
    void TrackBar1Change();
    void Button1Click();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TImpoProbabilita> ui_;
    QButtonGroup* delayGroup_;
    QButtonGroup* frequencyGroup_;
};
