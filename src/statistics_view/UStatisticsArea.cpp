#include "statistics_view/UStatisticsArea.h"

#include "archive/UCerchioCiclometricoSE.h"
#include "archive/UImpoCalcoloFrequenze.h"
#include "archive/UImpoCalcoloRitardi.h"
#include "archive/UImpoProbabilita.h"
#include "archive/UModificaSmorfia.h"
#include "core/Globali.h"
#include "shell/UPri.h"
#include "statistics_view/UStatisticsPages.h"
#include "statistics_view/statistics_views.h"
#include "ui/gui_services.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Three sliders: the usual picture of "settings", drawn here so it looks the same everywhere.
QIcon SettingsIcon() {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const int knobs[3] = {5, 12, 8};
    for (int i = 0; i < 3; ++i) {
        const int y = 4 + 5 * i;
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.6));
        p.drawLine(2, y, 16, y);
        p.setBrush(QColor(0x1F, 0x5F, 0xB4));
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        p.drawEllipse(QPointF(knobs[i], y), 2.3, 2.3);
    }
    return QIcon(picture);
}

QWidget* EmptyPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName("EmptyPage");
    return page;
}

} // namespace

StatisticsArea::StatisticsArea(Globali& g, GuiServices& services, QWidget* parent)
    : QWidget(parent), g_(g), services_(services) {
    setObjectName("StatisticsView");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (int i = 0; i < kStatisticsEntryCount; ++i)
        ComboBox1->addItem(QString::fromUtf8(EntryInfo(i).caption));
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setToolTip("Impostazioni");
    SpeedButton1->setIcon(SettingsIcon());
    pages = new QStackedWidget(this);
    pages->setObjectName("StatisticsPages");

    for (int i = 0; i < kStatisticsEntryCount; ++i) {
        QWidget* page = nullptr;
        switch (EntryInfo(i).kind) {
        case EntryKind::SingleChart:
            page = new SingleChartPage(i, g_, services_, pages);
            break;
        case EntryKind::SummaryChart:
            page = new SummaryChartPage(i, g_, services_, pages);
            break;
        default:
            page = EmptyPage(pages);
        }
        pages_[static_cast<std::size_t>(i)] = page;
        pages->addWidget(page);
    }
    settingsActions_[kSmorfia] = [this] {
        TModificaSmorfia editor(g_, services_, window());
        editor.exec();
    };
    circleOpener_ = [this] {
        TCerchioCiclometricoSE circle(g_, services_, window());
        circle.exec();
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(ComboBox1, 1);
    top->addWidget(SpeedButton1);
    layout->addLayout(top);
    layout->addWidget(pages, 1);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) { ComboBox1Change(index); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    showEntry(0);
}

StatisticsArea::~StatisticsArea() = default;

void StatisticsArea::selectEntry(int index) {
    if (index < 0 || index >= kStatisticsEntryCount) return;
    if (index == ComboBox1->currentIndex()) {
        showEntry(index); // chosen again: shown again, recomputed
        return;
    }
    ComboBox1->setCurrentIndex(index);
}

void StatisticsArea::ComboBox1Change(int index) {
    if (index < 0 || index >= kStatisticsEntryCount) return;
    if (EntryInfo(index).kind == EntryKind::Window) {
        openCircle();
        return;
    }
    showEntry(index);
}

void StatisticsArea::openCircle() {
    if (circleOpener_) circleOpener_();
    const QSignalBlocker block(ComboBox1);
    ComboBox1->setCurrentIndex(current_);
}

void StatisticsArea::showEntry(int index) {
    current_ = index;
    pages->setCurrentWidget(pages_[static_cast<std::size_t>(index)]);
    const StatisticsEntryInfo& info = EntryInfo(index);
    const bool hasSettings = info.settings != EntrySettings::None &&
                             (info.settings != EntrySettings::Smorfia || settingsActions_[kSmorfia]);
    SpeedButton1->setEnabled(hasSettings);
    if (StatisticsChartPage* page = chartPage(index)) page->refresh();
    drawnFingerprint_ = StatisticsFingerprint(g_.archive, g_.settings);
}

StatisticsChartPage* StatisticsArea::chartPage(int index) const {
    return qobject_cast<StatisticsChartPage*>(page(index));
}

QWidget* StatisticsArea::page(int index) const {
    if (index < 0 || index >= kStatisticsEntryCount) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void StatisticsArea::setPage(int index, QWidget* page) {
    if (!page || index < 0 || index >= kStatisticsEntryCount || EntryInfo(index).kind != EntryKind::Page)
        return;
    QWidget*& slot = pages_[static_cast<std::size_t>(index)];
    const bool shown = pages->currentWidget() == slot;
    pages->insertWidget(index, page);
    pages->removeWidget(slot);
    delete slot;
    slot = page;
    if (shown) pages->setCurrentWidget(page);
}

void StatisticsArea::setSettingsAction(int index, std::function<void()> action) {
    if (index < 0 || index >= kStatisticsEntryCount) return;
    settingsActions_[static_cast<std::size_t>(index)] = std::move(action);
    if (index == current_) showEntry(current_);
}

void StatisticsArea::setCircleOpener(std::function<void()> opener) {
    circleOpener_ = std::move(opener);
}

void StatisticsArea::SpeedButton1Click() {
    const int entry = current_;
    QWidget* parent = window();
    if (const auto& action = settingsActions_[static_cast<std::size_t>(entry)]) {
        const std::function<void()> run = action; // the action may replace itself
        run();
    } else {
        switch (EntryInfo(entry).settings) {
        case EntrySettings::Delays: {
            TImpoCalcoloRitardi settings(g_, services_, parent);
            settings.exec();
            break;
        }
        case EntrySettings::Frequencies:
        case EntrySettings::SuperStarFrequencies: {
            TImpoCalcoloFrequenze settings(
                g_, services_, EntryInfo(entry).settings == EntrySettings::SuperStarFrequencies, parent);
            settings.exec();
            break;
        }
        case EntrySettings::Probabilities: {
            TImpoProbabilita settings(g_, services_, parent);
            settings.exec();
            break;
        }
        default:
            return;
        }
    }
    showEntry(current_);
}

void StatisticsArea::refreshCurrentView() {
    showEntry(current_);
}

void StatisticsArea::refreshIfOutOfDate() {
    if (StatisticsFingerprint(g_.archive, g_.settings) != drawnFingerprint_) refreshCurrentView();
}

StatisticsArea& StatisticsAreaOf(TPri& window, Globali& g, GuiServices& services) {
    QWidget* host = window.statisticsArea;
    if (auto* area = host->findChild<StatisticsArea*>(QString(), Qt::FindDirectChildrenOnly)) return *area;
    auto* area = new StatisticsArea(g, services, host);
    auto* layout = host->layout() ? host->layout() : new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return *area;
}
