#include "ui/column_strip.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

// Column i holds a pattern readable back from its position: 1..6 shifted by i mod 85.
Column ColumnFor(std::int32_t position) {
    const auto base = static_cast<Number>(position % 85);
    return Column{{static_cast<Number>(base + 1), static_cast<Number>(base + 2),
                   static_cast<Number>(base + 3), static_cast<Number>(base + 4),
                   static_cast<Number>(base + 5), static_cast<Number>(base + 6)}};
}

void Fill(ColumnStore& store, std::int32_t k) {
    QVERIFY(store.tryResize(k > 0 ? k : 1));
    for (std::int32_t i = 1; i <= k; ++i) store.at(i) = ColumnFor(i);
    store.count = k;
}

// Wide enough for exactly `columns` grid columns: (width - 11) div 35.
int GridWidthFor(int columns) {
    return 11 + 35 * columns;
}

struct Strip {
    ColumnStore store;
    std::unique_ptr<ColumnStrip> strip;

    explicit Strip(std::int32_t k, int columns = 10) {
        Fill(store, k);
        strip = std::make_unique<ColumnStrip>(store);
        strip->resize(GridWidthFor(columns), 260);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
        strip->sg_col->setFixedWidth(GridWidthFor(columns));
        strip->refresh();
    }
    // A point of the column's background, clear of its numbers.
    QPoint columnCorner(int gridColumn) const {
        return {ColumnGrid::kMargin + gridColumn * 35 + 3, ColumnGrid::kMargin + 3};
    }
    QPoint columnCentre(int gridColumn) const { return {ColumnGrid::kMargin + gridColumn * 35 + 17, 50}; }
    void move(QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), strip->sg_col->mapToGlobal(QPointF(at)), Qt::NoButton,
                      buttons, Qt::NoModifier);
        QApplication::sendEvent(strip->sg_col, &e);
    }
};

} // namespace

class ColumnStripTest : public QObject {
    Q_OBJECT
private slots:
    void labelsAndScrollRange() {
        struct Case {
            std::int32_t k;
            int shown;
            const char* first;
            const char* last;
            int maximum;
            bool enabled;
        } cases[] = {
            {0, 10, "", "", 1, false},    {1, 10, "1", "", 1, false},  {2, 10, "1", "", 1, false},
            {3, 10, "1", "", 1, false},   {4, 10, "1", "4", 1, false}, {10, 10, "1", "10", 1, false},
            {11, 10, "1", "10", 2, true}, {50, 4, "1", "4", 47, true},
        };
        for (const Case& c : cases) {
            Strip s(c.k, c.shown);
            QCOMPARE(s.strip->visibleCount(), c.shown);
            QCOMPARE(s.strip->Label2->text(), QString(c.first));
            QCOMPARE(s.strip->Label3->text(), QString(c.last));
            QCOMPARE(s.strip->ScrollBar1->minimum(), 1);
            QCOMPARE(s.strip->ScrollBar1->maximum(), c.maximum);
            QCOMPARE(s.strip->ScrollBar1->isEnabled(), c.enabled);
        }
    }

    void tenMillionColumnsScroll() {
        const std::int32_t k = 10'000'000;
        Strip s(k, 20);
        QCOMPARE(s.strip->ScrollBar1->maximum(), k - 20 + 1);
        s.strip->ScrollBar1->setValue(s.strip->ScrollBar1->maximum());
        QCOMPARE(s.strip->Label2->text(), QString::number(k - 19));
        QCOMPARE(s.strip->Label3->text(), QString::number(k));
        s.strip->ScrollBar1->setValue(5'000'000);
        QCOMPARE(s.strip->firstVisible(), 5'000'000);
        QCOMPARE(s.strip->Label3->text(), QString("5000019"));
        QImage picture = s.strip->sg_col->grab().toImage();
        QVERIFY(!picture.isNull());

        // Fewer columns: the position stays while still in range, else it goes back to 1.
        s.store.count = 5'000'019;
        s.strip->refresh();
        QCOMPARE(s.strip->firstVisible(), 5'000'000);
        QCOMPARE(s.strip->Label3->text(), QString("5000019"));
        s.store.count = 5'000'018;
        s.strip->refresh();
        QCOMPARE(s.strip->firstVisible(), 1);
        QCOMPARE(s.strip->ScrollBar1->maximum(), 4'999'999);
    }

    void dragSelectsARangeAndThePopupFollowsIt() {
        Strip s(40, 10);
        QCOMPARE(s.strip->selection().state, int(ColumnSelection::None));
        QTest::mousePress(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(2));
        QCOMPARE(s.strip->selection().state, int(ColumnSelection::Dragging));
        s.move(s.columnCentre(5), Qt::LeftButton);
        QCOMPARE(s.strip->selection().end, 6);
        // Dark green while dragging.
        QCOMPARE(s.strip->sg_col->grab().toImage().pixelColor(s.columnCorner(4)), QColor(0x00, 0x64, 0x00));
        QTest::mouseRelease(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(5));
        QCOMPARE(s.strip->selection().state, int(ColumnSelection::Selected));
        QCOMPARE(s.strip->selection().low(), 3);
        QCOMPARE(s.strip->selection().high(), 6);
        QCOMPARE(s.strip->sg_col->grab().toImage().pixelColor(s.columnCorner(4)), QColor(0x00, 0x00, 0x80));

        // Backwards: the range is min..max of the two ends.
        QTest::mousePress(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(7));
        s.move(s.columnCentre(3), Qt::LeftButton);
        QTest::mouseRelease(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(3));
        QCOMPARE(s.strip->selection().low(), 4);
        QCOMPARE(s.strip->selection().high(), 8);

        QContextMenuEvent menu(QContextMenuEvent::Mouse, s.columnCentre(1),
                               s.strip->sg_col->mapToGlobal(s.columnCentre(1)));
        QApplication::sendEvent(s.strip->sg_col, &menu);
        QVERIFY(s.strip->modifySelected->isEnabled());
        QVERIFY(s.strip->deleteSelected->isEnabled());
        s.strip->PopupMenu1->hide();

        s.strip->clearSelection();
        QApplication::sendEvent(s.strip->sg_col, &menu);
        QVERIFY(!s.strip->modifySelected->isEnabled());
        QVERIFY(!s.strip->deleteSelected->isEnabled());
        s.strip->PopupMenu1->hide();
        QCOMPARE(s.strip->PopupMenu1->actions().at(0)->text(), QString("Modifica colonne selezionate"));
        QCOMPARE(s.strip->PopupMenu1->actions().at(1)->text(), QString("Elimina colonne selezionate"));
    }

    void draggingOnTheEdgeColumnsScrolls() {
        Strip s(40, 10);
        QTest::mousePress(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(3));
        s.move(s.columnCentre(9), Qt::LeftButton); // the last visible column
        QCOMPARE(s.strip->firstVisible(), 2);
        QCOMPARE(s.strip->selection().end, 11);
        s.move(s.columnCentre(9) + QPoint(2, 0), Qt::LeftButton);
        QCOMPARE(s.strip->firstVisible(), 3);
        QCOMPARE(s.strip->selection().end, 12);
        s.move(s.columnCentre(0), Qt::LeftButton); // the first visible column
        QCOMPARE(s.strip->firstVisible(), 2);
        QCOMPARE(s.strip->selection().end, 2);
        QTest::mouseRelease(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(0));
        QCOMPARE(s.strip->selection().low(), 2);
        QCOMPARE(s.strip->selection().high(), 4);
    }

    void refreshForgetsASelectionPastTheCount() {
        Strip s(40, 10);
        QTest::mousePress(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(1));
        s.move(s.columnCentre(6), Qt::LeftButton);
        QTest::mouseRelease(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(6));
        s.store.count = 7;
        s.strip->refresh();
        QCOMPARE(s.strip->selection().state, int(ColumnSelection::Selected));
        s.store.count = 6;
        s.strip->refresh();
        QCOMPARE(s.strip->selection().state, int(ColumnSelection::None));
    }

    void pressingPastTheLastColumnSelectsNothing() {
        Strip s(3, 10);
        QTest::mousePress(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(5));
        QCOMPARE(s.strip->selection().state, int(ColumnSelection::None));
        QTest::mouseRelease(s.strip->sg_col, Qt::LeftButton, Qt::NoModifier, s.columnCentre(5));
    }

    void floatingLabelShowsThePositionUnderThePointer() {
        Strip s(40, 10);
        s.strip->ScrollBar1->setValue(7);
        s.move(s.columnCentre(2), Qt::NoButton);
        QVERIFY(s.strip->Panel3->isVisible());
        QCOMPARE(s.strip->Panel3->text(), QString("9"));
        QCOMPARE(s.strip->Panel3->pos(), s.columnCentre(2) + QPoint(16, 16));
    }
};

QTEST_MAIN(ColumnStripTest)
#include "column_strip_test.moc"
