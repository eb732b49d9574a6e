#include "archive/UImpoJollyESS.h"

#include "ui_UImpoJollyESS.h"

TImpoJollyESS::TImpoJollyESS(int jolly, int superStar, QWidget* parent)
    : QDialog(parent), escludiJolly(jolly), escludiSuperStar(superStar),
      ui_(std::make_unique<Ui::TImpoJollyESS>()) {
    ui_->setupUi(this);
    CheckBox1 = ui_->CheckBox1;
    CheckBox2 = ui_->CheckBox2;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;
    CheckBox1->setChecked(escludiJolly != 0);
    CheckBox2->setChecked(escludiSuperStar != 0);
    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool on) { escludiJolly = on ? 1 : 0; });
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool on) { escludiSuperStar = on ? 1 : 0; });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TImpoJollyESS::~TImpoJollyESS() = default;
