#include "archive/UCerchioCiclometricoSE.h"
#include "core/Globali.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

DrawRecord Draw(int day, std::array<std::uint8_t, 6> six) {
    DrawRecord r;
    r.day = static_cast<std::uint8_t>(day);
    r.month = 3;
    r.year = 2026;
    r.numbers = six;
    r.jolly = 89;
    return r;
}

} // namespace

class CircleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        state_ = std::make_unique<WindowTestState>();
        state_->g.archive.appendUnchecked(Draw(5, {50, 1, 40, 10, 30, 20}));
        state_->g.archive.appendUnchecked(Draw(7, {14, 29, 34, 57, 59, 69}));
    }

    void opensOnTheLastDraw() {
        TCerchioCiclometricoSE w(state_->g, state_->fake.services);
        QCOMPARE(w.windowTitle(),
                 QString("Il cerchio cilometrico basato sulle colonne vincenti del Superenalotto"));
        QCOMPARE(w.sbdb->minimum(), 1);
        QCOMPARE(w.sbdb->maximum(), 2);
        QCOMPARE(w.sbdb->value(), 2);
        QCOMPARE(w.Label3->text(), QString("Del:7/3/2026"));
        QCOMPARE(w.Label4->text(), QString("Nº:2"));
        QCOMPARE(w.Label6->text(), QString("Numeri: 14 29 34 57 59 69"));
        QVERIFY(!w.BitBtn1->isEnabled());
    }

    void scrollingShowsADrawSorted() {
        TCerchioCiclometricoSE w(state_->g, state_->fake.services);
        w.sbdb->setValue(1);
        QCOMPARE(w.Edit[0]->text(), QString("1"));
        QCOMPARE(w.Edit[5]->text(), QString("50"));
        QCOMPARE(w.Label7->text(), QString("Lati: 9 10 10 10 10 49"));
        QCOMPARE(w.Label4->text(), QString("Nº:1"));
    }

    void typedNumbersAreRedrawnOrRefused() {
        TCerchioCiclometricoSE w(state_->g, state_->fake.services);
        w.show();
        const char* typed[] = {"90", "7", "33", "3", "8", "20"};
        for (int i = 0; i < 6; ++i) {
            w.Edit[i]->clear();
            QTest::keyClicks(w.Edit[i], typed[i]);
        }
        QVERIFY(w.BitBtn1->isEnabled());
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QVERIFY(state_->messages.shown.empty());
        QCOMPARE(w.Edit[0]->text(), QString("3"));
        QCOMPARE(w.Label6->text(), QString("Numeri: 3 7 8 20 33 90"));
        QVERIFY(!w.BitBtn1->isEnabled());

        QTest::keyClicks(w.Edit[1], "x"); // refused by the field
        QCOMPARE(w.Edit[1]->text(), QString("7"));
        w.Edit[2]->clear();
        QTest::keyClicks(w.Edit[2], "7");
        QVERIFY(w.BitBtn1->isEnabled());
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QCOMPARE(state_->messages.shown.size(), std::size_t{1});
        QCOMPARE(state_->messages.last().text, std::string("Il 3º numero non è valido!"));
        QCOMPARE(state_->messages.last().title, std::string("Attenzione"));
        w.Edit[2]->clear();
        QTest::keyClicks(w.Edit[2], "8");
        w.Edit[4]->clear();
        QTest::keyClicks(w.Edit[4], "91");
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QCOMPARE(state_->messages.last().text, std::string("Il 5º numero non è valido!"));
        QCOMPARE(w.Label6->text(), QString("Numeri: 3 7 8 20 33 90"));
    }

    void paintsAndHelps() {
        TCerchioCiclometricoSE w(state_->g, state_->fake.services);
        w.show();
        w.PaintBox1->repaint();
        QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
        QCOMPARE(state_->fake.help.topics, QStringList{"stats_ciclometriase.htm"});
        QTest::mouseClick(w.BitBtn2, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void emptyArchive() {
        state_->g.archive.clear();
        TCerchioCiclometricoSE w(state_->g, state_->fake.services);
        QVERIFY(!w.sbdb->isEnabled());
        QVERIFY(!w.numbers());
        w.show();
        w.PaintBox1->repaint();
    }

private:
    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(CircleWindowTest)
#include "circle_window_test.moc"
