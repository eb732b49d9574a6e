#pragma once

#include <QDialog>

#include <memory>

struct Globali;
struct GuiServices;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace Ui {
class TImpoConn;
}

// "Connessione ad Internet": the proxy every request goes through.
class TImpoConn final : public QDialog {
    Q_OBJECT
public:
    TImpoConn(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TImpoConn() override;

    QCheckBox* CheckBox2;
    QLineEdit* Edit1;
    QSpinBox* SpinEdit2;
    QCheckBox* CheckBox3;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

private:
    void FormCreate();
    void UpdateEnabled();
    void CheckBox2Click();
    void BitBtn1Click();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TImpoConn> ui_;
};

void RunImpoConn(Globali& globali, GuiServices& services, QWidget* parent);
