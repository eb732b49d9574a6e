#include "statistics_view/UStatisticsViews.h"

#include "shell/UPri.h"
#include "statistics_view/UNumberPanel.h"
#include "statistics_view/UStatisticsArea.h"

#include <QAction>
#include <QEvent>

namespace {

// Every command may have changed the archive or the statistics settings (the internet update, the
// archive window, a restore, the settings windows) and the main window comes back to the front
// after each of their windows; at those moments the view is redrawn if its data changed.
class ViewRefresher final : public QObject {
public:
    ViewRefresher(TPri& window, StatisticsArea& area) : QObject(&area), area_(area) {
        window.installEventFilter(this);
        // Connected after the window's own handlers, so this runs once the command is done.
        for (QAction* action : window.findChildren<QAction*>())
            connect(action, &QAction::triggered, this, [this] { area_.refreshIfOutOfDate(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) area_.refreshIfOutOfDate();
        return QObject::eventFilter(watched, event);
    }

private:
    StatisticsArea& area_;
};

} // namespace

void RegisterStatisticsViews(TPri& window, Globali& g, GuiServices& services) {
    StatisticsArea& area = StatisticsAreaOf(window, g, services);
    auto* panel = new NumberPanel(window, g, services, area);
    QObject::connect(&window, &TPri::numberHovered, panel, &NumberPanel::showNumber);
    window.registerTaggedCommand("Statistiche1Click", [&area](int tag) { area.selectEntry(tag); });
    new ViewRefresher(window, area);
}
