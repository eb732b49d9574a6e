#include "editing/UVisuaDistri.h"

#include "core/Globali.h"
#include "shell/long_operation.h"
#include "ui/bar_chart.h"
#include "ui/gui_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kForecastBar(0x00, 0x80, 0x00);
const QColor kOtherBar(0xFF, 0x00, 0x00);

// The window's own stop protocol: Stop asks for a stop by setting Tag 2; a refused question goes
// back to counting.
class DistriHost final : public OperationHost {
public:
    DistriHost(TVisuaDistri& window, MessageService& messages, Clock& clock)
        : window_(window), messages_(messages), clock_(clock) {}
    std::int64_t nowMs() override { return clock_.nowMs(); }
    void processMessages() override { QApplication::processEvents(); }
    bool stopRequested() override { return window_.Tag == TVisuaDistri::kStopRequested; }
    void clearStopRequest() override { window_.Tag = TVisuaDistri::kCounting; }
    bool confirmStop() override { return AskConfirmStop(messages_); }
    void showProgress(std::int64_t done) override {
        window_.g1->setValue(static_cast<int>(std::clamp<std::int64_t>(done, 0, window_.g1->maximum())));
    }
    void showStatus(const std::string&) override {}

private:
    TVisuaDistri& window_;
    MessageService& messages_;
    Clock& clock_;
};

} // namespace

TVisuaDistri::TVisuaDistri(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services) {
    setObjectName("TVisuaDistri");
    setWindowTitle(QStringLiteral("Distribuzione dei numeri nelle colonne"));
    auto* layout = new QVBoxLayout(this);
    Chart5 = new BarChart(this);
    Chart5->setObjectName("Chart5");
    layout->addWidget(Chart5, 1);

    auto* run = new QHBoxLayout;
    g1 = new QProgressBar(this);
    g1->setObjectName("g1");
    g1->setTextVisible(false);
    Stop = new QPushButton(QStringLiteral("Interrompi"), this);
    Stop->setObjectName("Stop");
    Stop->setAutoDefault(false);
    run->addWidget(g1, 1);
    run->addWidget(Stop);
    layout->addLayout(run);

    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    auto* buttons = new QHBoxLayout(Panel2);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    BitBtn1 = new QPushButton(QStringLiteral("Stampa"), Panel2);
    BitBtn2 = new QPushButton(QStringLiteral("Guida in linea"), Panel2);
    BitBtn3 = new QPushButton(QStringLiteral("Chiudi"), Panel2);
    int i = 1;
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3}) {
        b->setObjectName(QString("BitBtn%1").arg(i++));
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addWidget(Panel2);
    Panel2->hide();
    resize(1360, 540); // wide enough for the 90 bars of most lists without scrolling

    QStringList labels;
    std::vector<QColor> colours;
    for (int n = 1; n <= kMaxNumber; ++n) {
        labels << QString::number(n);
        colours.push_back(g_.system.forecast.has(n) ? kForecastBar : kOtherBar);
    }
    Chart5->setBars(labels, std::vector<double>(kMaxNumber, 0.0));
    Chart5->setBarColors(colours);
    Chart5->setAxisTitle(QStringLiteral("Nº di presenze"));
    Chart5->setValueTextsShown(true);
    Chart5->setMinimumSize(640, 300);
    fitValueTexts();

    connect(Stop, &QPushButton::clicked, this, [this] {
        if (Tag == kCounting) Tag = kStopRequested;
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TVisuaDistri::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { services_.help.showTopic(QStringLiteral("cf_distrinu.htm")); });
    connect(BitBtn3, &QPushButton::clicked, this, &TVisuaDistri::accept);

    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &TVisuaDistri::Timer1Timer);
    Timer1.start();
}

void TVisuaDistri::Timer1Timer() {
    if (Tag != 0) return;
    Timer1.stop();
    Tag = kCounting;
    const std::int32_t k = g_.system.columns.count;
    g1->setRange(0, std::max(1, k));
    g1->setValue(0);
    DistriHost host(*this, services_.messages, g_.clock);
    CountNumberDistribution(g_.system.columns, counts_, host, [this](std::int32_t) { showCounts(); });
    Tag = kFinished;
    Stop->hide();
    g1->hide();
    Panel2->show();
}

void TVisuaDistri::showCounts() {
    BarSeries bars = Chart5->series().front();
    bars.values.assign(counts_.begin(), counts_.end());
    Chart5->setData(Chart5->labels(), {bars});
    fitValueTexts();
    Chart5->repaint();
}

void TVisuaDistri::fitValueTexts() {
    // Every bar keeps room for the widest count above it; when the 90 no longer fit side by side
    // the chart scrolls instead of letting the counts run into each other.
    const std::int64_t highest = *std::max_element(counts_.begin(), counts_.end());
    QFont small = Chart5->font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.5)); // the chart's value texts
    const int text =
        QFontMetrics(small).horizontalAdvance(QString::number(std::max<std::int64_t>(highest, 10)));
    Chart5->setMinimumGroupWidth(text + 1);
}

void TVisuaDistri::BitBtn1Click() {
    if (!services_.printerSetup.setup(this)) return;
    QPrinter& printer = services_.printerSetup.printer();
    printer.setDocName(QStringLiteral("Sestavia"));
    Panel2->hide();
    const QImage image = grab().toImage();
    Panel2->show();
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    painter.end();
}

void TVisuaDistri::reject() {
    if (Tag != kFinished) return;
    QDialog::reject();
}

void TVisuaDistri::closeEvent(QCloseEvent* event) {
    if (Tag != kFinished) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void RunVisuaDistri(Globali& globali, GuiServices& services, QWidget* parent) {
    TVisuaDistri window(globali, services, parent);
    window.exec();
}
