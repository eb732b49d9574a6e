#pragma once

#include "core/column.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

struct Globali;
struct GuiServices;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace Ui {
class TPaginaAnalisiCombinazioni;
}

// "Analisi combinazioni su colonne vincenti del Superenalotto": how the numbers typed in `Edit1`
// would have scored against every archived draw, one row per draw that shared two or more.
class TPaginaAnalisiCombinazioni final : public QWidget {
    Q_OBJECT
public:
    // `selectedColumn` gives the final column selected in the main window, if any.
    TPaginaAnalisiCombinazioni(Globali& globali, GuiServices& services,
                               std::function<std::optional<Column>()> selectedColumn,
                               QWidget* parent = nullptr);
    ~TPaginaAnalisiCombinazioni() override;

    QLineEdit* Edit1;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QPushButton* BitBtn3;
    QTreeWidget* ListView1;

    void BitBtn3Click();

private:
    void Edit1Change();
    void SpeedButton3Click();
    void SpeedButton4Click();

    Globali& g_;
    GuiServices& services_;
    std::function<std::optional<Column>()> selectedColumn_;
    std::unique_ptr<Ui::TPaginaAnalisiCombinazioni> ui_;
};
