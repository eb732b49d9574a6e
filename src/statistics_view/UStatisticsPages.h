#pragma once

#include "statistics_view/statistics_views.h"

#include <QWidget>

class BarChart;
class QComboBox;
class QToolButton;
struct Globali;
struct GuiServices;

// A page of the statistics area showing one chart entry; refresh() recomputes what it shows.
class StatisticsChartPage : public QWidget {
    Q_OBJECT
public:
    StatisticsChartPage(int entry, Globali& g, GuiServices& services, QWidget* parent = nullptr);

    virtual void refresh() = 0;
    int entry() const { return entry_; }

    BarChart* chart;
    QToolButton* helpButton;

protected:
    Globali& g_;
    GuiServices& services_;

private:
    int entry_;
};

// The delays, frequencies or probabilities of the 90 numbers, of the ten digits or of the
// SuperStar: each click moves to the next order, back in number order after a fresh computation.
class SingleChartPage final : public StatisticsChartPage {
    Q_OBJECT
public:
    SingleChartPage(int entry, Globali& g, GuiServices& services, QWidget* parent = nullptr);

    void refresh() override;
    BarOrder order() const { return order_; }

private:
    void chartClicked();
    void show(const ChartBars& bars);

    BarOrder order_ = BarOrder::Numbers;
    ChartBars bars_; // in number order, as last computed
};

// Current, minimum, average and maximum of every number's delays or frequencies, ordered by the
// series chosen in the list; each click on the chart turns the order round.
class SummaryChartPage final : public StatisticsChartPage {
    Q_OBJECT
public:
    SummaryChartPage(int entry, Globali& g, GuiServices& services, QWidget* parent = nullptr);

    void refresh() override;
    bool descending() const { return descending_; }

    QComboBox* OrderBox;

private:
    void show();

    bool delays_;
    bool descending_ = false;
    NumberSummaries summaries_{};
};
