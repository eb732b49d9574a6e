#include "shell/USviluppoIntegrale.h"

#include "core/Globali.h"
#include "shell/integral_development.h"

#include "fake_clock.h"
#include "child_control.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct Fixture {
    Fixture() : g(messages, clock), fake(messages) {
        // Every clock read is past the yield interval: the run yields at every pacing check.
        clock.step = 1000;
        g.undo.allocate();
    }
    void forecast(int first, int last) {
        for (int n = first; n <= last; ++n) g.system.forecast.set(n, true);
    }

    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
};

// Runs `action` once, at the first event processing of the run that is about to start.
void DuringTheRun(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
}

} // namespace

class DevelopmentWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsControls() {
        Fixture f;
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        QCOMPARE(w.windowTitle(), QString("Sviluppo integrale"));
        QCOMPARE(Child<QLabel>(w, "Label1")->text(), QString("Stato avanzamento"));
        QCOMPARE(Child<QGroupBox>(w, "GroupBox1")->title(), QString(" Opzioni "));
        QCOMPARE(Child<QCheckBox>(w, "usafisse")->text(), QString("Considera fisse"));
        QPushButton* go = Child<QPushButton>(w, "gobtn");
        QCOMPARE(go->text(), QString("Avvia"));
        QVERIFY(go->isDefault());
        QCOMPARE(Child<QPushButton>(w, "stopbtn")->text(), QString("Interrompi"));
        QVERIFY(!Child<QPushButton>(w, "stopbtn")->isEnabled());
        QCOMPARE(Child<QPushButton>(w, "BitBtn3")->text(), QString("Guida in linea"));
        QCOMPARE(Child<QPushButton>(w, "BitBtn4")->text(), QString("Annulla"));
        QVERIFY(Child<QProgressBar>(w, "gg"));
    }

    void usafisseFollowsTheFixedCount_data() {
        QTest::addColumn<int>("fixedCount");
        QTest::newRow("no fixed number") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("five") << 5;
    }
    void usafisseFollowsTheFixedCount() {
        QFETCH(int, fixedCount);
        Fixture f;
        f.forecast(1, 10);
        for (int i = 0; i < fixedCount; ++i)
            f.g.system.fixed.numbers[static_cast<std::size_t>(i)] = Number(i + 1);
        f.g.system.fixed.count = fixedCount;
        TSviluppoIntegrale w(f.g, f.fake.services);
        QCOMPARE(w.usafisse->isEnabled(), fixedCount > 0);
        QCOMPARE(w.usafisse->isChecked(), fixedCount > 0);
    }

    void aDevelopmentCommitsAndCloses() {
        Fixture f;
        f.forecast(11, 20);
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        QTest::mouseClick(w.gobtn, Qt::LeftButton);
        QCOMPARE(f.g.system.columns.count, 210);
        QVERIFY(f.g.system.modified);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!w.isVisible());
        QVERIFY(f.messages.shown.empty());
    }

    void considerFixedIsHonoured() {
        Fixture f;
        f.forecast(1, 10);
        f.g.system.fixed.numbers[0] = 3;
        f.g.system.fixed.numbers[1] = 7;
        f.g.system.fixed.count = 2;
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        QTest::mouseClick(w.gobtn, Qt::LeftButton);
        QCOMPARE(f.g.system.columns.count, 70);
    }

    void aStoppedDevelopmentLeavesTheListAndStaysOpen() {
        Fixture f;
        f.forecast(1, 25);
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        f.messages.answerNext(MessageAnswer::Yes);
        bool runningLook = false;
        bool stillOpen = false;
        int barMaximum = 0;
        DuringTheRun([&] {
            barMaximum = w.gg->maximum();
            runningLook = !w.gobtn->isEnabled() && !w.BitBtn4->isEnabled() &&
                          !Child<QGroupBox>(w, "GroupBox1")->isEnabled() && w.stopbtn->isEnabled() &&
                          w.gg->isEnabled() && w.Label1->isEnabled();
            // Neither Esc, Annulla nor the close box can close the window while it runs.
            QTest::keyClick(&w, Qt::Key_Escape);
            w.close();
            stillOpen = w.isVisible();
            QTest::mouseClick(w.stopbtn, Qt::LeftButton);
        });
        QTest::mouseClick(w.gobtn, Qt::LeftButton);
        QVERIFY(runningLook);
        QVERIFY(stillOpen);
        QCOMPARE(barMaximum, 177'100);
        QCOMPARE(f.g.system.columns.count, 0);
        QVERIFY(!f.g.system.modified);
        QVERIFY(w.isVisible());
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(f.messages.last().text, std::string(kConfirmStopText));
        QCOMPARE(f.messages.last().buttons, MessageButtons::YesNo);
        QCOMPARE(f.messages.last().defaultAnswer, MessageAnswer::No);
        // Back to idle.
        QVERIFY(w.gobtn->isEnabled());
        QVERIFY(w.BitBtn4->isEnabled());
        QVERIFY(!w.stopbtn->isEnabled());
        QCOMPARE(w.gg->value(), 0);
    }

    void aRefusedStopCompletesTheDevelopment() {
        Fixture f;
        f.forecast(1, 25);
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        f.messages.answerNext(MessageAnswer::No);
        DuringTheRun([&] { QTest::mouseClick(w.stopbtn, Qt::LeftButton); });
        QTest::mouseClick(w.gobtn, Qt::LeftButton);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(f.g.system.columns.count, 177'100);
        QVERIFY(!w.isVisible());
    }

    void theSecondDevelopmentAddsNothingAndStaysOpen() {
        Fixture f;
        f.forecast(1, 10);
        {
            TSviluppoIntegrale first(f.g, f.fake.services);
            first.show();
            QTest::mouseClick(first.gobtn, Qt::LeftButton);
        }
        QCOMPARE(f.g.system.columns.count, 210);
        f.g.system.modified = false;
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        QTest::mouseClick(w.gobtn, Qt::LeftButton);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        const Message& m = f.messages.last();
        QCOMPARE(m.title, std::string("Attenzione"));
        QCOMPARE(m.text,
                 std::string("Non è stata aggiunta nemmeno una colonna!\rVerificare la presenza delle fisse "
                             "nel pronostico."));
        QCOMPARE(m.icon, MessageIcon::Warning);
        QVERIFY(w.isVisible());
        QCOMPARE(f.g.system.columns.count, 210);
        QVERIFY(!f.g.system.modified);
    }

    void helpOpensItsTopic() {
        Fixture f;
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
        QCOMPARE(f.fake.help.topics, QStringList{"mdr_svilint.htm"});
    }

    void annullaAndEscCloseWhenIdle() {
        Fixture f;
        TSviluppoIntegrale w(f.g, f.fake.services);
        w.show();
        QTest::mouseClick(w.BitBtn4, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        w.show();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void theCommandWarnsOnlyWhenTheListHasColumns_data() {
        QTest::addColumn<bool>("withColumns");
        QTest::newRow("empty list") << false;
        QTest::newRow("list with columns") << true;
    }
    void theCommandWarnsOnlyWhenTheListHasColumns() {
        QFETCH(bool, withColumns);
        Fixture f;
        f.forecast(1, 6);
        if (withColumns) {
            f.g.system.columns.tryResize(16);
            f.g.system.columns.at(1).n = {1, 2, 3, 4, 5, 6};
            f.g.system.columns.count = 1;
        }
        bool windowOpened = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<TSviluppoIntegrale*>(QApplication::activeModalWidget());
            windowOpened = w != nullptr;
            if (w) w->reject();
        });
        RunSviluppoIntegrale(f.g, f.fake.services, nullptr);
        QVERIFY(windowOpened);
        if (withColumns) {
            QCOMPARE(f.messages.shown.size(), std::size_t(1));
            const Message& m = f.messages.last();
            QCOMPARE(m.title, std::string("Attenzione"));
            QCOMPARE(m.icon, MessageIcon::Information);
            QCOMPARE(m.text,
                     std::string("Lo sviluppo integrale potrebbe essere rallentato dalla presenza di colonne "
                                 "finali.\rIn questo caso, prima dello sviluppo integrale, sarà sufficiente "
                                 "eliminare le colonne finali."));
        } else {
            QVERIFY(f.messages.shown.empty());
        }
    }
};

QTEST_MAIN(DevelopmentWindowTest)
#include "development_window_test.moc"
