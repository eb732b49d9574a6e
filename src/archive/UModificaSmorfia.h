#pragma once

#include <QDialog>

#include <memory>

struct Globali;
struct GuiServices;
class QPushButton;
class QTableWidget;

namespace Ui {
class TModificaSmorfia;
}

// "Personalizzazione della smorfia": the whole smorfia file as an editable grid, one record per
// row and always an empty row at the end for a new entry. "Applica" rewrites the file.
class TModificaSmorfia final : public QDialog {
    Q_OBJECT
public:
    TModificaSmorfia(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TModificaSmorfia() override;

    QTableWidget* smo;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

private:
    void FormCreate();
    void smoClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void AppendEmptyRow();

    Globali& g_;
    GuiServices& services_;
    std::unique_ptr<Ui::TModificaSmorfia> ui_;
};
