#include "ui/bar_chart.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList NumberLabels(int n) {
    QStringList labels;
    for (int i = 1; i <= n; ++i) labels << QString::number(i);
    return labels;
}

std::vector<double> Ramp(int n) {
    std::vector<double> values;
    for (int i = 1; i <= n; ++i) values.push_back(i);
    return values;
}

// Pictures of the chart for a look by eye, when the environment names a folder for them.
void SaveGrab(QWidget& widget, const char* name) {
    const QByteArray folder = qgetenv("SESTAVIA_GRAB_DIR");
    if (!folder.isEmpty()) widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace

class BarChartTest : public QObject {
    Q_OBJECT
private slots:
    void scrollsWhenTheLabelsDoNotFit() {
        BarChart chart;
        chart.setMinimumGroupWidth(20);
        chart.resize(500, 240);
        chart.setBars(NumberLabels(90), Ramp(90));
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));

        const int visible = chart.visibleCount();
        QVERIFY(visible > 5 && visible < 90);
        QVERIFY(chart.scrollBar()->isVisible());
        QCOMPARE(chart.scrollBar()->maximum(), 90 - visible);

        QSignalSpy moved(&chart, &BarChart::firstIndexChanged);
        chart.scrollBar()->setValue(10);
        QCOMPARE(chart.firstIndex(), 10);
        QCOMPARE(moved.count(), 1);
        chart.setFirstIndex(500); // past the end: the last page
        QCOMPARE(chart.firstIndex(), 90 - visible);
        QCOMPARE(chart.scrollBar()->value(), 90 - visible);

        // Widening until everything fits takes the scroll bar away and shows from the first.
        chart.resize(20 * 90 + 200, 240);
        QCOMPARE(chart.visibleCount(), 90);
        QCOMPARE(chart.firstIndex(), 0);
        QVERIFY(!chart.scrollBar()->isVisible());
    }

    void clickNamesTheLabelUnderThePointer() {
        BarChart chart;
        chart.setMinimumGroupWidth(20);
        chart.resize(500, 240);
        chart.setBars(NumberLabels(90), Ramp(90));
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.setFirstIndex(30);

        // The middle of the plot's first and second slots, found by probing along the axis.
        int firstSlotX = -1;
        for (int x = 0; x < chart.width() && firstSlotX < 0; ++x)
            if (chart.indexAt(QPoint(x, chart.height() / 2)) == 30) firstSlotX = x;
        QVERIFY(firstSlotX >= 0);

        QSignalSpy clicked(&chart, &BarChart::clicked);
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(firstSlotX + 2, chart.height() / 2));
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(1, 1)); // outside the bars
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0).at(0).toInt(), 30);
        QCOMPARE(clicked.at(1).at(0).toInt(), -1);
    }

    void keepsEverySeriesAsLongAsTheLabels() {
        BarChart chart;
        BarSeries current{"Ritardi attuali", {3, 4}, Qt::blue, {}};
        BarSeries minimum{"Ritardi minimi", {1}, Qt::green, {}}; // one value short
        BarSeries average{"Ritardi medi", {2, 2, 9}, Qt::white, {}};
        chart.setData({"1", "2"}, {current, minimum, average});
        QCOMPARE(chart.seriesCount(), 3);
        QCOMPARE(chart.value(1, 1), 0.0);
        QCOMPARE(chart.value(2, 1), 2.0);
        QCOMPARE(chart.value(2, 2), 0.0); // beyond the labels
        QCOMPARE(chart.value(7, 0), 0.0);
    }

    void captionShowsWhileThePointerRestsOrWhenPinned() {
        BarChart chart;
        chart.resize(400, 200);
        chart.setBars(NumberLabels(10), Ramp(10));
        chart.setCaption("Fare clic per ordinare i valori.");
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QVERIFY(!chart.captionShown());
        QTest::mouseMove(&chart, QPoint(200, 100));
        QTRY_VERIFY(chart.captionShown());
        QTest::mouseMove(&chart, QPoint(220, 100)); // moving again hides it until the next rest
        QVERIFY(!chart.captionShown());
        QTRY_VERIFY(chart.captionShown());
        chart.setCaption({});
        QVERIFY(!chart.captionShown());

        BarChart pinned;
        pinned.setCaption("Fare clic per ordinare i valori.");
        pinned.setCaptionPinned(true);
        QVERIFY(pinned.captionShown());
    }

    void pictures() {
        BarChart single;
        single.resize(640, 260);
        single.setBars(NumberLabels(90), Ramp(90));
        std::vector<QColor> colors(90, QColor(Qt::darkGreen));
        colors[4] = Qt::red;
        single.setBarColors(colors);
        single.setAxisTitle("Nº di presenze");
        single.setValueTextsShown(true);
        single.setCaption("Sull'asse orizzontale sono visualizzati i 90 numeri.");
        single.setCaptionPinned(true);
        SaveGrab(single, "bar_chart_single");

        BarChart four;
        four.resize(640, 260);
        std::vector<BarSeries> series{{"Attuale", {5, 2, 8}, QColor(0x1F, 0x5F, 0xB4), {}},
                                      {"Minimo", {0, 1, 2}, Qt::green, {}},
                                      {"Medio", {6, 7, 8}, Qt::white, {}},
                                      {"Massimo", {20, 30, 25}, Qt::red, {}}};
        four.setData({"1", "2", "3"}, series);
        four.setValueTextsShown(true);
        SaveGrab(four, "bar_chart_four");
        QVERIFY(!single.grab().isNull());
    }
};

QTEST_MAIN(BarChartTest)
#include "bar_chart_test.moc"
