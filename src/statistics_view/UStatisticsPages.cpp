#include "statistics_view/UStatisticsPages.h"

#include "core/Globali.h"
#include "ui/bar_chart.h"
#include "ui/gui_services.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QStringList ToLabels(const std::vector<std::string>& labels) {
    QStringList out;
    for (const std::string& label : labels) out << QString::fromStdString(label);
    return out;
}

// Each family of chart in a colour of its own, so a glance tells them apart.
QColor EntryColor(int entry) {
    switch (entry) {
    case kFrequencyChart:
    case kDigitFrequencyChart:
        return QColor(0x2E, 0x8B, 0x57);
    case kProbabilityChart:
        return QColor(0x7B, 0x4F, 0xB0);
    case kSuperStarDelayChart:
    case kSuperStarFrequencyChart:
        return QColor(0xE0, 0x8A, 0x1E);
    default:
        return QColor(0x1F, 0x5F, 0xB4);
    }
}

} // namespace

StatisticsChartPage::StatisticsChartPage(int entry, Globali& g, GuiServices& services, QWidget* parent)
    : QWidget(parent), g_(g), services_(services), entry_(entry) {
    setObjectName(QString("StatPage%1").arg(entry));
    const StatisticsEntryInfo& info = EntryInfo(entry);
    chart = new BarChart(this);
    chart->setObjectName(QString("BarChart%1").arg(entry));
    chart->setAxisTitle(QString::fromUtf8(info.axisTitle));
    chart->setCaption(QString::fromUtf8(info.hoverText));
    helpButton = new QToolButton(this);
    helpButton->setObjectName(QString("HelpButton%1").arg(entry));
    helpButton->setText("?");
    helpButton->setToolTip("Guida in linea");
    const QString topic = QString::fromUtf8(info.helpTopic);
    connect(helpButton, &QToolButton::clicked, this, [this, topic] { services_.help.showTopic(topic); });
}

SingleChartPage::SingleChartPage(int entry, Globali& g, GuiServices& services, QWidget* parent)
    : StatisticsChartPage(entry, g, services, parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(helpButton);
    side->addStretch(1);
    layout->addLayout(side);
    chart->setValueTextsShown(true);
    chart->setMinimumGroupWidth(entry == kDigitDelayChart || entry == kDigitFrequencyChart ? 30 : 20);
    connect(chart, &BarChart::clicked, this, [this] { chartClicked(); });
}

void SingleChartPage::refresh() {
    recomputeStatistics(g_);
    bars_ = SingleChartBars(entry(), g_.stats);
    order_ = BarOrder::Numbers;
    show(bars_);
}

void SingleChartPage::chartClicked() {
    order_ = NextBarOrder(order_);
    if (order_ == BarOrder::Numbers) {
        recomputeStatistics(g_);
        bars_ = SingleChartBars(entry(), g_.stats);
    }
    show(OrderBars(bars_, order_));
}

void SingleChartPage::show(const ChartBars& bars) {
    chart->setBars(ToLabels(bars.labels), bars.values, EntryColor(entry()));
}

SummaryChartPage::SummaryChartPage(int entry, Globali& g, GuiServices& services, QWidget* parent)
    : StatisticsChartPage(entry, g, services, parent), delays_(entry == kDelaySummaryChart) {
    OrderBox = new QComboBox(this);
    OrderBox->setObjectName("OrderBox");
    for (const std::string& item : SummaryOrderItems(delays_))
        OrderBox->addItem(QString::fromStdString(item));
    OrderBox->setToolTip("Ordina per");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(OrderBox);
    top->addStretch(1);
    left->addLayout(top);
    left->addWidget(chart, 1);
    layout->addLayout(left, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(helpButton);
    side->addStretch(1);
    layout->addLayout(side);
    chart->setMinimumGroupWidth(32);

    connect(OrderBox, &QComboBox::currentIndexChanged, this, [this](int item) {
        descending_ = StartsDescending(item);
        show();
    });
    connect(chart, &BarChart::clicked, this, [this] {
        descending_ = !descending_;
        show();
    });
}

void SummaryChartPage::refresh() {
    recomputeStatistics(g_);
    if (delays_) {
        summaries_ = computeDelaySummaries(g_.archive, g_.settings);
    } else {
        // The window never exceeds the archive; an empty archive keeps the value the user chose.
        const int count = g_.archive.count();
        if (count > 0 && count < g_.settings.ifNumEstra) g_.settings.ifNumEstra = count;
        summaries_ = computeFrequencySummaries(g_.archive, g_.settings);
    }
    show();
}

void SummaryChartPage::show() {
    const SummaryBars bars = OrderSummaryBars(summaries_, OrderBox->currentIndex(), descending_);
    const auto items = SummaryOrderItems(delays_);
    const QColor colors[kSummarySeriesCount] = {QColor(0x1F, 0x5F, 0xB4), QColor(0x22, 0xC0, 0x22),
                                                QColor(Qt::white), QColor(0xE0, 0x20, 0x20)};
    std::vector<BarSeries> series;
    for (int s = 0; s < kSummarySeriesCount; ++s) {
        BarSeries data;
        data.name = QString::fromStdString(items[static_cast<std::size_t>(s + 1)]);
        data.values = bars.series[static_cast<std::size_t>(s)];
        data.color = colors[s];
        series.push_back(std::move(data));
    }
    chart->setData(ToLabels(bars.labels), series);
}
