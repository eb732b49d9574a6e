#include "ui/bar_chart.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 6;
constexpr int kLegendSwatch = 10;
constexpr int kRestMilliseconds = 600;

// A grid step of 1, 2 or 5 times a power of ten giving at most about six lines up to top.
double NiceStep(double top) {
    if (top <= 0) return 1;
    const double rough = top / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough) return std::max(1.0, factor * power);
    return std::max(1.0, 10 * power);
}

QFont SmallFont(const QFont& base) {
    QFont font = base;
    font.setPointSizeF(std::max(6.0, base.pointSizeF() - 1.5));
    return font;
}

} // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent), scrollBar_(new QScrollBar(Qt::Horizontal, this)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    scrollBar_->setObjectName("BarChartScrollBar");
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) { setFirstIndex(value); });
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMilliseconds);
    connect(&restTimer_, &QTimer::timeout, this, [this] {
        resting_ = true;
        update();
    });
}

BarChart::~BarChart() = default;

void BarChart::setData(const QStringList& labels, const std::vector<BarSeries>& series) {
    labels_ = labels;
    series_ = series;
    for (BarSeries& s : series_) s.values.resize(static_cast<std::size_t>(labels_.size()), 0.0);
    updateScrollBar();
    update();
}

void BarChart::setBars(const QStringList& labels, const std::vector<double>& values, const QColor& color) {
    BarSeries s;
    s.values = values;
    s.color = color;
    setData(labels, {s});
}

void BarChart::setBarColors(const std::vector<QColor>& colors) {
    if (series_.empty()) series_.push_back(BarSeries{{}, std::vector<double>(labels_.size(), 0.0), {}, {}});
    series_.front().barColors = colors;
    update();
}

void BarChart::setAxisTitle(const QString& title) {
    axisTitle_ = title;
    updateScrollBar();
    update();
}

void BarChart::setValueTextsShown(bool shown) {
    valueTextsShown_ = shown;
    updateScrollBar();
    update();
}

void BarChart::setValueDecimals(int decimals) {
    valueDecimals_ = std::clamp(decimals, 0, 6);
    update();
}

void BarChart::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void BarChart::setCaptionPinned(bool pinned) {
    captionPinned_ = pinned;
    update();
}

bool BarChart::captionShown() const {
    return !caption_.isEmpty() && (resting_ || captionPinned_);
}

void BarChart::setMinimumGroupWidth(int pixels) {
    minimumGroupWidth_ = std::max(2, pixels);
    updateScrollBar();
    update();
}

double BarChart::value(int series, int index) const {
    if (series < 0 || series >= seriesCount() || index < 0 || index >= count()) return 0;
    return series_[static_cast<std::size_t>(series)].values[static_cast<std::size_t>(index)];
}

void BarChart::setFirstIndex(int index) {
    const int clamped = std::clamp(index, 0, std::max(0, count() - visibleCount()));
    if (clamped != first_) {
        first_ = clamped;
        emit firstIndexChanged(first_);
        update();
    }
    if (scrollBar_->value() != first_) scrollBar_->setValue(first_);
}

int BarChart::visibleCount() const {
    return geometry().visible;
}

double BarChart::maximumValue() const {
    double top = 0;
    for (const BarSeries& s : series_)
        for (double v : s.values)
            if (std::isfinite(v)) top = std::max(top, v);
    return top;
}

QString BarChart::valueText(double value) const {
    if (!std::isfinite(value)) return {};
    return QString::number(value, 'f', valueDecimals_).replace('.', ',');
}

BarChart::Geometry BarChart::geometry() const {
    Geometry g{};
    const QFontMetrics fm(font());
    const QFontMetrics small(SmallFont(font()));
    const double highest = maximumValue();
    g.step = NiceStep(highest);
    g.top = std::max(g.step, std::ceil(highest / g.step) * g.step);

    int left = kMargin + small.horizontalAdvance(QString::number(g.top, 'f', 0)) + 6;
    if (!axisTitle_.isEmpty()) left += fm.height() + 4;
    int top = kMargin + fm.height() / 2;
    const bool legend =
        series_.size() > 1 &&
        std::any_of(series_.begin(), series_.end(), [](const BarSeries& s) { return !s.name.isEmpty(); });
    if (legend) top += fm.height() + 4;
    if (valueTextsShown_) top += small.height();
    int bottom = kMargin + small.height() + 4;
    // The scroll bar's room is kept whether or not it shows, so the bars do not jump when it does.
    bottom += scrollBar_->sizeHint().height() + 2;
    g.plot =
        QRect(left, top, std::max(1, width() - left - kMargin - 2), std::max(1, height() - top - bottom));

    const int n = count();
    const int fit = std::max(1, g.plot.width() / minimumGroupWidth_);
    g.visible = std::min(n, fit);
    g.groupWidth = g.visible > 0 ? static_cast<double>(g.plot.width()) / g.visible : g.plot.width();
    return g;
}

void BarChart::updateScrollBar() {
    const Geometry g = geometry();
    const int maxFirst = std::max(0, count() - g.visible);
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setRange(0, maxFirst);
    scrollBar_->setPageStep(std::max(1, g.visible));
    scrollBar_->setSingleStep(1);
    const int h = scrollBar_->sizeHint().height();
    scrollBar_->setGeometry(g.plot.left(), height() - kMargin - h, g.plot.width(), h);
    scrollBar_->setVisible(maxFirst > 0);
    const int clamped = std::clamp(first_, 0, maxFirst);
    if (clamped != first_) {
        first_ = clamped;
        emit firstIndexChanged(first_);
    }
    scrollBar_->setValue(first_);
}

int BarChart::indexAt(QPoint position) const {
    const Geometry g = geometry();
    if (!g.plot.adjusted(0, 0, 0, QFontMetrics(SmallFont(font())).height() + 4).contains(position)) return -1;
    const int slot = static_cast<int>((position.x() - g.plot.left()) / g.groupWidth);
    if (slot < 0 || slot >= g.visible) return -1;
    const int index = first_ + slot;
    return index < count() ? index : -1;
}

QSize BarChart::sizeHint() const {
    return {480, 240};
}

QSize BarChart::minimumSizeHint() const {
    return {160, 120};
}

void BarChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateScrollBar();
}

void BarChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(indexAt(event->position().toPoint()));
    QWidget::mouseReleaseEvent(event);
}

void BarChart::mouseMoveEvent(QMouseEvent* event) {
    if (resting_) {
        resting_ = false;
        update();
    }
    restTimer_.start();
    QWidget::mouseMoveEvent(event);
}

void BarChart::enterEvent(QEnterEvent* event) {
    restTimer_.start();
    QWidget::enterEvent(event);
}

void BarChart::leaveEvent(QEvent* event) {
    restTimer_.stop();
    resting_ = false;
    update();
    QWidget::leaveEvent(event);
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const Geometry g = geometry();
    const QFont small = SmallFont(font());
    const QFontMetrics fm(font());
    const QFontMetrics sfm(small);
    const QRect plot = g.plot;
    p.fillRect(plot, QColor(0xFB, 0xFB, 0xF6));

    // Grid lines and their values on the left axis.
    p.setFont(small);
    for (double v = 0; v <= g.top + g.step / 2; v += g.step) {
        const int y = plot.bottom() - static_cast<int>(std::lround(v / g.top * plot.height()));
        p.setPen(QColor(0xDD, 0xDD, 0xD5));
        if (v > 0) p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().color(QPalette::WindowText));
        const QRect text(0, y - sfm.height() / 2, plot.left() - 4, sfm.height());
        p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'f', 0));
    }
    if (!axisTitle_.isEmpty()) {
        p.save();
        p.setFont(font());
        p.translate(kMargin, plot.center().y());
        p.rotate(-90);
        p.drawText(QRect(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignCenter, axisTitle_);
        p.restore();
    }

    // The bars of each visible label, then its label under the axis.
    const int series = std::max(1, seriesCount());
    const double inner = g.groupWidth * (series > 1 ? 0.84 : 0.7);
    const double barWidth = inner / series;
    const QColor outline(0x30, 0x30, 0x30, 170);
    for (int slot = 0; slot < g.visible; ++slot) {
        const int index = first_ + slot;
        if (index >= count()) break;
        const double groupLeft = plot.left() + slot * g.groupWidth;
        const double barsLeft = groupLeft + (g.groupWidth - inner) / 2;
        for (int s = 0; s < seriesCount(); ++s) {
            const BarSeries& data = series_[static_cast<std::size_t>(s)];
            const double v = std::max(0.0, value(s, index));
            const double h = std::isfinite(v) ? v / g.top * plot.height() : 0;
            const QRectF bar(barsLeft + s * barWidth, plot.bottom() + 1 - h, barWidth, h);
            QColor color = data.color;
            const auto i = static_cast<std::size_t>(index);
            if (i < data.barColors.size() && data.barColors[i].isValid()) color = data.barColors[i];
            p.setPen(QPen(outline, 1));
            p.setBrush(color);
            if (h > 0) p.drawRect(bar.adjusted(0.5, 0, -0.5, 0));
            if (!valueTextsShown_) continue;
            const QString text = valueText(value(s, index));
            p.setPen(palette().color(QPalette::WindowText));
            p.setFont(small);
            const QRectF room(bar.left() - 10, bar.top() - sfm.height() - 1, bar.width() + 20, sfm.height());
            p.drawText(room, Qt::AlignHCenter | Qt::AlignBottom, text);
        }
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(small);
        const QRectF labelRoom(groupLeft - 6, plot.bottom() + 3, g.groupWidth + 12, sfm.height());
        p.drawText(labelRoom, Qt::AlignHCenter | Qt::AlignTop, labels_.value(index));
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setBrush(Qt::NoBrush);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // The legend names the series of a multi-series chart.
    if (series > 1) {
        p.setFont(font());
        int x = plot.left();
        const int y = kMargin;
        for (const BarSeries& s : series_) {
            if (s.name.isEmpty()) continue;
            p.setPen(QPen(outline, 1));
            p.setBrush(s.color);
            p.drawRect(x, y + (fm.height() - kLegendSwatch) / 2, kLegendSwatch, kLegendSwatch);
            x += kLegendSwatch + 4;
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRect(x, y, fm.horizontalAdvance(s.name) + 2, fm.height()), Qt::AlignVCenter, s.name);
            x += fm.horizontalAdvance(s.name) + 14;
        }
    }
    if (captionShown()) drawCaption(p, plot);
}

void BarChart::drawCaption(QPainter& p, const QRect& area) {
    p.setFont(font());
    const QFontMetrics fm(font());
    const int width = std::min(area.width() - 16, std::max(200, area.width() * 2 / 3));
    const QRect text = fm.boundingRect(QRect(0, 0, width - 12, 1000), Qt::TextWordWrap, caption_);
    const QRect box(area.left() + (area.width() - width) / 2, area.top() + 8, width, text.height() + 10);
    p.setPen(QColor(0x80, 0x80, 0x60));
    p.setBrush(QColor(0xFF, 0xFF, 0xE1));
    p.drawRect(box);
    p.setPen(QColor(Qt::black));
    p.drawText(box.adjusted(6, 5, -6, -5), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption_);
}
