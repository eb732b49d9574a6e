#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QStackedWidget;
class QToolButton;
class StatisticsChartPage;
class TPri;
struct Globali;
struct GuiServices;

// The statistics area of the main window: the selector ComboBox1 of the twelve views, the
// settings button SpeedButton1 and one page per view. The combination analysis and the smorfia
// pages come from outside through setPage; until then they are empty. The cyclometric circle is
// a modal window, after which the selector goes back to the view it showed.
class StatisticsArea final : public QWidget {
    Q_OBJECT
public:
    StatisticsArea(Globali& g, GuiServices& services, QWidget* parent = nullptr);
    ~StatisticsArea() override;

    // Shows the view as choosing it in the selector does (the menu items come here).
    void selectEntry(int index);
    int currentEntry() const { return current_; }

    // The page of a view that has no chart (entries 7 and 8); the area takes ownership.
    void setPage(int index, QWidget* page);
    QWidget* page(int index) const;
    // What the settings button runs for a view (the smorfia editor for entry 8).
    void setSettingsAction(int index, std::function<void()> action);
    // Replaces the cyclometric circle window, for tests.
    void setCircleOpener(std::function<void()> opener);

    // Recomputes and redraws the view shown.
    void refreshCurrentView();
    // The same, only when the draws or the statistics settings changed since it was drawn.
    void refreshIfOutOfDate();

    QComboBox* ComboBox1;
    QToolButton* SpeedButton1;
    QStackedWidget* pages;

private:
    void ComboBox1Change(int index);
    void SpeedButton1Click();
    void showEntry(int index);
    void openCircle();
    StatisticsChartPage* chartPage(int index) const;

    Globali& g_;
    GuiServices& services_;
    int current_ = 0;
    std::uint64_t drawnFingerprint_ = 0;
    std::array<QWidget*, 12> pages_{};
    std::array<std::function<void()>, 12> settingsActions_{};
    std::function<void()> circleOpener_;
};

// The statistics area inside the main window's statisticsArea frame, created on first use, so
// the pages of entries 7 and 8 can be given to it whichever registration runs first.
StatisticsArea& StatisticsAreaOf(TPri& window, Globali& g, GuiServices& services);
