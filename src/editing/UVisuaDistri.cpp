#include "editing/UVisuaDistri.h"

#include "core/Globali.h"
#include "shell/long_operation.h"
#include "ui/gui_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

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
    bool confirmStop() override { return messages_.askYesNo(kConfirmStopText); }
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

TDistriChart::TDistriChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TDistriChart::setBars(const QStringList& labels, const std::vector<double>& values) {
    labels_ = labels;
    values_ = values;
    values_.resize(static_cast<std::size_t>(labels_.size()), 0.0);
    update();
}

void TDistriChart::setBarColors(const std::vector<QColor>& colors) {
    colors_ = colors;
    update();
}

void TDistriChart::setAxisTitle(const QString& title) {
    axisTitle_ = title;
    update();
}

double TDistriChart::value(int index) const {
    return index >= 0 && index < count() ? values_[static_cast<std::size_t>(index)] : 0.0;
}

QColor TDistriChart::barColor(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < colors_.size()
               ? colors_[static_cast<std::size_t>(index)]
               : QColor(Qt::gray);
}

void TDistriChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int valueRoom = fm.horizontalAdvance("0000000") + 4;
    const QRect plot =
        rect().adjusted(fm.height() + 34, valueRoom + 6, -8, -(fm.horizontalAdvance("00") + 10));
    if (plot.width() < 10 || plot.height() < 10 || labels_.isEmpty()) return;

    // The axis title, along the left side.
    p.save();
    p.translate(4 + fm.ascent(), plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-plot.height() / 2, -fm.ascent(), plot.height(), fm.height()), Qt::AlignCenter,
               axisTitle_);
    p.restore();

    const double top = std::max(1.0, *std::max_element(values_.begin(), values_.end()));
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    for (int i = 0; i <= 4; ++i) {
        const int y = plot.bottom() - static_cast<int>(std::lround(plot.height() * i / 4.0));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(plot.left() - 32, y - fm.height() / 2, 28, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(std::lround(top * i / 4.0)));
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
    }
    p.setPen(Qt::black);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    const double slot = static_cast<double>(plot.width()) / count();
    for (int i = 0; i < count(); ++i) {
        const double v = value(i);
        const int x = plot.left() + static_cast<int>(std::lround(i * slot));
        const int w = std::max(1, static_cast<int>(std::lround(slot)) - 2);
        const int h = static_cast<int>(std::lround(plot.height() * v / top));
        p.fillRect(QRect(x + 1, plot.bottom() - h, w, h), barColor(i));
        // The value and the label stand upright so that 90 of them fit side by side.
        for (const auto& [text, baseline] :
             {std::pair{QString::number(std::llround(v)), plot.bottom() - h - 3},
              std::pair{labels_[i], plot.bottom() + 4 + fm.horizontalAdvance(labels_[i])}}) {
            p.save();
            p.translate(x + 1 + w / 2 + fm.ascent() / 2, baseline);
            p.rotate(-90);
            p.drawText(0, 0, text);
            p.restore();
        }
    }
}

TVisuaDistri::TVisuaDistri(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services) {
    setObjectName("TVisuaDistri");
    setWindowTitle(QStringLiteral("Distribuzione dei numeri nelle colonne"));
    auto* layout = new QVBoxLayout(this);
    Chart5 = new TDistriChart(this);
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

    QStringList labels;
    std::vector<QColor> colours;
    for (int n = 1; n <= kMaxNumber; ++n) {
        labels << QString::number(n);
        colours.push_back(g_.system.forecast.has(n) ? kForecastBar : kOtherBar);
    }
    Chart5->setBars(labels, std::vector<double>(kMaxNumber, 0.0));
    Chart5->setBarColors(colours);
    Chart5->setAxisTitle(QStringLiteral("Nº di presenze"));

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
    std::vector<double> values(counts_.begin(), counts_.end());
    Chart5->setBars(Chart5->labels(), values);
    Chart5->repaint();
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
