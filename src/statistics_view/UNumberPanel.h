#pragma once

#include <QObject>

#include <cstdint>

class QTableWidget;
class StatisticsArea;
class TPri;
struct Globali;
struct GuiServices;

// The per-number panel EnterLeavePan1 of the main window: the grid vdb of the 90 numbers with
// their delay, frequency and probability, shown while the pointer is over the board with the row
// of the number under it highlighted. Releasing a button over a row adds (left) or removes
// (right) that number; the headings open the settings of their column.
class NumberPanel final : public QObject {
    Q_OBJECT
public:
    NumberPanel(TPri& window, Globali& g, GuiServices& services, StatisticsArea& area);

    // Fills the grid, highlights the number's row and scrolls it into view, and shows the panel.
    void showNumber(int number);
    // Recomputes the arrays and refills the grid when the draws or the settings changed.
    void refreshValues(bool always = false);

    QTableWidget* vdb;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void vdbMouseUp(int row, Qt::MouseButton button);
    void headingClicked(int column);
    void place();

    TPri& window_;
    Globali& g_;
    GuiServices& services_;
    StatisticsArea& area_;
    bool filled_ = false;
    std::uint64_t fingerprint_ = 0;
    int decimals_ = 0;
};
