#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QPushButton;

namespace Ui {
class TImpoJollyESS;
}

// "Impostazioni": the two exclusion flags of a comparison. The caller sets them before exec() and
// reads them back after OK; 1 = excluded.
class TImpoJollyESS final : public QDialog {
    Q_OBJECT
public:
    explicit TImpoJollyESS(int escludiJolly = 1, int escludiSuperStar = 1, QWidget* parent = nullptr);
    ~TImpoJollyESS() override;

    int escludiJolly;
    int escludiSuperStar;

    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    std::unique_ptr<Ui::TImpoJollyESS> ui_;
};
