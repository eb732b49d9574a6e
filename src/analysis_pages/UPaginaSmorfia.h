#pragma once

#include <QWidget>

#include <memory>

struct Globali;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace Ui {
class TPaginaSmorfia;
}

// "La smorfia" page of the statistics area: the meanings of the numbers searched by words or by
// numbers typed in `smo`, listed in `sgsmo`.
class TPaginaSmorfia final : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaSmorfia(Globali& globali, QWidget* parent = nullptr);
    ~TPaginaSmorfia() override;

    QLineEdit* smo;
    QPushButton* BitBtn1;
    QTableWidget* sgsmo;

    void BitBtn1Click();

private:
    void smoChange();
    void EmptyGrid();

    Globali& g_;
    std::unique_ptr<Ui::TPaginaSmorfia> ui_;
};
