#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <vector>

class QScrollBar;

// One series of a bar chart: a value per label, drawn in one colour unless barColors gives a
// colour per bar (an invalid QColor there falls back to the series colour).
struct BarSeries {
    QString name; // shown in the legend when the chart has several series
    std::vector<double> values;
    QColor color = QColor(0x1F, 0x5F, 0xB4);
    std::vector<QColor> barColors;
};

// A bar chart drawn with QPainter: a group of bars per label (one bar per series), the labels
// under the horizontal axis, an optional value text above each bar and a title on the left axis.
// When the labels do not fit at their minimum width the chart shows only some of them from
// firstIndex() on, and its own scroll bar chooses the first one. When the pointer rests on the
// chart a caption explains what it shows, until the pointer moves again. A click says which label was hit.
class BarChart : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);
    ~BarChart() override;

    // Every series has one value per label; missing values count as 0.
    void setData(const QStringList& labels, const std::vector<BarSeries>& series);
    // The common case: one series in one colour.
    void setBars(const QStringList& labels, const std::vector<double>& values,
                 const QColor& color = QColor(0x1F, 0x5F, 0xB4));
    // Per-bar colours of the first series.
    void setBarColors(const std::vector<QColor>& colors);

    void setAxisTitle(const QString& title);
    QString axisTitle() const { return axisTitle_; }
    void setValueTextsShown(bool shown);
    bool valueTextsShown() const { return valueTextsShown_; }
    // Digits after the comma in the value texts.
    void setValueDecimals(int decimals);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // Keeps the caption on screen without the pointer (for pictures of the chart).
    void setCaptionPinned(bool pinned);
    bool captionShown() const;
    // The narrowest a label's group of bars may be before the chart starts scrolling.
    void setMinimumGroupWidth(int pixels);

    int count() const { return static_cast<int>(labels_.size()); }
    int seriesCount() const { return static_cast<int>(series_.size()); }
    const QStringList& labels() const { return labels_; }
    const std::vector<BarSeries>& series() const { return series_; }
    double value(int series, int index) const;

    // The first label shown and how many fit; the scroll bar follows setFirstIndex.
    int firstIndex() const { return first_; }
    void setFirstIndex(int index);
    int visibleCount() const;
    QScrollBar* scrollBar() const { return scrollBar_; }

    // The label under a point of the chart, or -1.
    int indexAt(QPoint position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A left click on the chart; index is the label under the pointer or -1.
    void clicked(int index);
    void firstIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Geometry {
        QRect plot;        // the area of the bars
        double groupWidth; // width of one label's group
        int visible;
        double top;  // the value at the top of the plot
        double step; // distance between grid lines, in values
    };
    Geometry geometry() const;
    void updateScrollBar();
    double maximumValue() const;
    QString valueText(double value) const;
    void drawCaption(QPainter& p, const QRect& area);

    QStringList labels_;
    std::vector<BarSeries> series_;
    QString axisTitle_;
    QString caption_;
    bool valueTextsShown_ = false;
    int valueDecimals_ = 0;
    bool resting_ = false; // the pointer has rested on the chart long enough for the caption
    QTimer restTimer_;
    bool captionPinned_ = false;
    int minimumGroupWidth_ = 18;
    int first_ = 0;
    QScrollBar* scrollBar_;
};
