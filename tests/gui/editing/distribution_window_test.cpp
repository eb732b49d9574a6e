#include "core/Globali.h"
#include "editing/UComandiColonne.h"
#include "editing/UVisuaDistri.h"
#include "shell/UPri.h"
#include "ui/bar_chart.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QFileInfo>
#include <QFrame>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

struct Fixture {
    Fixture() : g(messages, clock), fake(messages) {}
    // The forecast 11..20 and all its 210 columns.
    void developTen() {
        for (int n = 11; n <= 20; ++n) g.system.forecast.set(n, true);
        auto& s = g.system.columns;
        s.tryResize(211);
        Column c;
        for (int mask = 0; mask < 1 << 10; ++mask) {
            if (__builtin_popcount(static_cast<unsigned>(mask)) != 6) continue;
            int i = 0;
            for (int b = 0; b < 10; ++b)
                if (mask & (1 << b)) c[i++] = static_cast<Number>(11 + b);
            s.at(++s.count) = c;
        }
    }
    ~Fixture() { g.system.modified = false; }

    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
};

} // namespace

class DistributionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void countsTheTenNumbersOfAFullDevelopment() {
        Fixture f;
        f.developTen();
        TVisuaDistri w(f.g, f.fake.services);
        w.show();
        QCOMPARE(w.windowTitle(), QString("Distribuzione dei numeri nelle colonne"));
        QCOMPARE(w.Chart5->count(), 90);
        QCOMPARE(w.Chart5->labels().front(), QString("1"));
        QCOMPARE(w.Chart5->labels().back(), QString("90"));
        QCOMPARE(w.Chart5->axisTitle(), QString("Nº di presenze"));
        QVERIFY(w.Chart5->valueTextsShown());
        QCOMPARE(w.Chart5->series().front().barColors[10], QColor(0x00, 0x80, 0x00)); // 11, in the forecast
        QCOMPARE(w.Chart5->series().front().barColors[9], QColor(0xFF, 0x00, 0x00));
        QVERIFY(!w.Panel2->isVisible());
        QCOMPARE(w.Stop->text(), QString("Interrompi"));
        QVERIFY(!w.close()); // not before the count has ended
        QVERIFY(w.isVisible());

        QTRY_COMPARE(w.Tag, int(TVisuaDistri::kFinished));
        for (int n = 1; n <= 90; ++n) QCOMPARE(w.Chart5->value(0, n - 1), n >= 11 && n <= 20 ? 126.0 : 0.0);
        QCOMPARE(w.g1->maximum(), 210);
        QVERIFY(!w.Stop->isVisible());
        QVERIFY(!w.g1->isVisible());
        QVERIFY(w.Panel2->isVisible());
        QCOMPARE(w.BitBtn3->text(), QString("Chiudi"));
        QTest::mouseClick(w.BitBtn2, Qt::LeftButton);
        QCOMPARE(f.fake.help.topics, QStringList{"cf_distrinu.htm"});
        QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(f.messages.shown.empty());
    }

    void aConfirmedStopEndsTheCountWithWhatWasCounted() {
        Fixture f;
        auto& s = f.g.system.columns;
        s.tryResize(20'000);
        for (int p = 1; p <= 20'000; ++p) s.at(++s.count) = Column{{1, 2, 3, 4, 5, 6}};
        f.clock.step = 1000; // every yield check finds the interval passed
        TVisuaDistri w(f.g, f.fake.services);
        w.show();
        f.messages.answerNext(MessageAnswer::Yes);
        QTimer::singleShot(0, w.Stop, [&w] { QTest::mouseClick(w.Stop, Qt::LeftButton); });
        w.Timer1Timer();
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.messages.last().text),
                 QString("Sei sicuro di voler interrompere l'elaborazione?"));
        QVERIFY(f.messages.last().buttons == MessageButtons::YesNo);
        QCOMPARE(w.Tag, int(TVisuaDistri::kFinished));
        const double counted = w.Chart5->value(0, 0);
        QVERIFY(counted > 0 && counted < 20'000);
        QCOMPARE(w.Chart5->value(0, 5), counted);
        QVERIFY(w.Panel2->isVisible());
    }

    void printsTheWindowAsSestavia() {
        Fixture f;
        f.developTen();
        QTemporaryDir dir;
        TVisuaDistri w(f.g, f.fake.services);
        w.show();
        w.Timer1Timer();
        f.fake.printerSetup.accept = false;
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        const QString pdf = dir.filePath("distribuzione.pdf");
        f.fake.printerSetup.printer().setOutputFileName(pdf);
        QVERIFY(!QFileInfo::exists(pdf));
        f.fake.printerSetup.accept = true;
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QCOMPARE(f.fake.printerSetup.setupCalls, 2);
        QCOMPARE(f.fake.printerSetup.printer().docName(), QString("Sestavia"));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(w.Panel2->isVisible());
    }

    void theCommandOpensTheWindow() {
        Fixture f;
        f.developTen();
        TPri main(f.g, f.fake.services);
        RegisterColumnEditingCommands(main, f.g, f.fake.services);
        main.show();
        int finished = 0;
        QTimer::singleShot(0, &main, [&] {
            auto* w = qobject_cast<TVisuaDistri*>(QApplication::activeModalWidget());
            if (!w) return;
            w->Timer1Timer();
            finished = w->Tag;
            w->BitBtn3->click();
        });
        main.runCommand("Visualizzadistribuzionedeinumeri1");
        QCOMPARE(finished, int(TVisuaDistri::kFinished));
    }
};

QTEST_MAIN(DistributionWindowTest)
#include "distribution_window_test.moc"
