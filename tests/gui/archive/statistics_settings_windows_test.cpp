#include "archive/UImpoCalcoloFrequenze.h"
#include "archive/UImpoCalcoloRitardi.h"
#include "archive/UImpoJollyESS.h"
#include "archive/UImpoProbabilita.h"
#include "core/Globali.h"
#include "core/settings_store.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

DrawRecord Draw(int day, std::array<std::uint8_t, 6> six, int jolly) {
    DrawRecord r;
    r.day = static_cast<std::uint8_t>(day);
    r.month = 1;
    r.year = 2020;
    r.numbers = six;
    r.jolly = static_cast<std::uint8_t>(jolly);
    return r;
}

template <typename T> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(name);
    if (!c) qFatal("missing control %s", name);
    return c;
}

void click(QWidget& w, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}

} // namespace

class StatisticsSettingsWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        state_ = std::make_unique<WindowTestState>();
        state_->g.useSettingsStore(store_);
        store_.values.clear();
        // Three draws: 1 is the Jolly of the last one and among the six of the first.
        state_->g.archive.appendUnchecked(Draw(1, {1, 2, 3, 4, 5, 6}, 7));
        state_->g.archive.appendUnchecked(Draw(2, {11, 12, 13, 14, 15, 16}, 17));
        state_->g.archive.appendUnchecked(Draw(3, {21, 22, 23, 24, 25, 26}, 1));
        recomputeStatistics(state_->g);
    }

    void delaysApplyStoresSavesAndRecomputes() {
        TImpoCalcoloRitardi w(state_->g, state_->fake.services);
        QCOMPARE(w.windowTitle(), QString("Impostazioni per il calcolo dei ritardi"));
        QCOMPARE(child<QCheckBox>(w, "CheckBox1")->text(), QString("Escludi il numero Jolly"));
        QCOMPARE(child<QCheckBox>(w, "CheckBox2")->text(), QString("Escludi il numero SuperStar"));
        QVERIFY(child<QCheckBox>(w, "CheckBox1")->isChecked());
        QCOMPARE(state_->g.stats.NumberDelay[1], 2);
        w.show();
        click(w, "CheckBox1");
        click(w, "BitBtn1");
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(int(state_->g.settings.irEscludiJolly), 0);
        QCOMPARE(state_->g.stats.NumberDelay[1], 0);
        QCOMPARE(std::get<std::int32_t>(store_.values.at("IREscludiJolly")), 0);
    }

    void delaysCancelAndHelp() {
        TImpoCalcoloRitardi w(state_->g, state_->fake.services);
        w.show();
        click(w, "BitBtn3");
        QCOMPARE(state_->fake.help.topics, QStringList{"imp_ritardi.htm"});
        click(w, "CheckBox1");
        click(w, "BitBtn2");
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(int(state_->g.settings.irEscludiJolly), 1);
        QVERIFY(store_.values.empty());
    }

    void frequencyWindowIsValidated_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("stored");
        QTest::newRow("zero") << "0" << false << 100;
        QTest::newRow("empty") << "" << false << 100;
        QTest::newRow("within the archive") << "2" << true << 2;
        QTest::newRow("above the archive becomes its count") << "50" << true << 3;
    }

    void frequencyWindowIsValidated() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(int, stored);
        TImpoCalcoloFrequenze w(state_->g, state_->fake.services);
        QCOMPARE(w.windowTitle(), QString("Impostazioni per il calcolo delle frequenze"));
        QCOMPARE(child<QLineEdit>(w, "Edit1")->text(), QString("100"));
        w.show();
        child<QLineEdit>(w, "Edit1")->setText(typed);
        click(w, "BitBtn1");
        QCOMPARE(state_->g.settings.ifNumEstra, stored);
        if (accepted) {
            QVERIFY(state_->messages.shown.empty());
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QCOMPARE(std::get<std::int32_t>(store_.values.at("IFNumEstra")), stored);
        } else {
            QCOMPARE(state_->messages.shown.size(), std::size_t{1});
            QCOMPARE(state_->messages.last().text, std::string("Il numero di estrazioni non è valido!"));
            QCOMPARE(state_->messages.last().title, std::string("Attenzione"));
            QVERIFY(w.isVisible());
            QVERIFY(store_.values.empty());
        }
    }

    void frequencyFieldTakesDigitsOnly() {
        TImpoCalcoloFrequenze w(state_->g, state_->fake.services);
        w.show();
        child<QLineEdit>(w, "Edit1")->clear();
        QTest::keyClicks(child<QLineEdit>(w, "Edit1"), "1a-2");
        QCOMPARE(child<QLineEdit>(w, "Edit1")->text(), QString("12"));
    }

    void superStarFrequenciesHideTheBoxes() {
        TImpoCalcoloFrequenze w(state_->g, state_->fake.services, true);
        w.show();
        QVERIFY(!child<QCheckBox>(w, "CheckBox1")->isVisible());
        QVERIFY(!child<QCheckBox>(w, "CheckBox2")->isVisible());
        click(w, "BitBtn3");
        QCOMPARE(state_->fake.help.topics, QStringList{"imp_frequenze.htm"});
    }

    void probabilityOpensWithTheStoredValues() {
        state_->g.settings.ipPrMax = 30;
        state_->g.settings.ipMCPR = 1;
        state_->g.settings.ipMCPF = 0;
        TImpoProbabilita w(state_->g, state_->fake.services);
        QCOMPARE(w.windowTitle(), QString("Impostazioni per il calcolo delle probabilità"));
        QCOMPARE(child<QSlider>(w, "TrackBar1")->value(), 70);
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QString("Peso ritardi/frequenze: 30/70"));
        QVERIFY(child<QRadioButton>(w, "RadioButton5")->isChecked());
        QVERIFY(child<QRadioButton>(w, "RadioButton4")->isChecked());
    }

    void probabilityCheckBoxesMoveTheWeight() {
        TImpoProbabilita w(state_->g, state_->fake.services);
        w.show();
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QString("Peso ritardi/frequenze: 50/50"));
        click(w, "CheckBox12"); // delays off: all the weight to the frequencies
        QCOMPARE(child<QSlider>(w, "TrackBar1")->value(), 100);
        QVERIFY(!child<QRadioButton>(w, "RadioButton1")->isEnabled());
        QVERIFY(child<QRadioButton>(w, "RadioButton4")->isEnabled());
        click(w, "CheckBox13"); // both off: the delays come back on
        QVERIFY(child<QCheckBox>(w, "CheckBox12")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "CheckBox13")->isChecked());
        QCOMPARE(child<QSlider>(w, "TrackBar1")->value(), 0);
        QVERIFY(child<QRadioButton>(w, "RadioButton1")->isEnabled());
        QVERIFY(!child<QRadioButton>(w, "RadioButton3")->isEnabled());
        click(w, "CheckBox13");
        QCOMPARE(child<QSlider>(w, "TrackBar1")->value(), 50);
    }

    void probabilityApply() {
        TImpoProbabilita w(state_->g, state_->fake.services);
        w.show();
        click(w, "RadioButton2");
        click(w, "RadioButton6");
        child<QSlider>(w, "TrackBar1")->setValue(80);
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QString("Peso ritardi/frequenze: 20/80"));
        click(w, "Button1");
        QCOMPARE(w.result(), int(QDialog::Accepted));
        const GlobalSettings& s = state_->g.settings;
        QCOMPARE(int(s.ipMCPR), 2);
        QCOMPARE(int(s.ipMCPF), 1);
        QCOMPARE(s.ipPrMax, 20.0);
        QCOMPARE(s.ipPfMax, 80.0);
        QCOMPARE(std::get<double>(store_.values.at("IPprmax")), 20.0);
        StatisticsArrays expected;
        recomputeStatistics(state_->g.archive, s, expected);
        QCOMPARE(state_->g.stats.NumberProbability, expected.NumberProbability);
    }

    void probabilityCancelAndHelp() {
        TImpoProbabilita w(state_->g, state_->fake.services);
        w.show();
        QCOMPARE(child<QPushButton>(w, "Button2")->text(), QString("Anulla"));
        click(w, "BitBtn1");
        QCOMPARE(state_->fake.help.topics, QStringList{"imp_probabilita.htm"});
        child<QSlider>(w, "TrackBar1")->setValue(10);
        click(w, "Button2");
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(state_->g.settings.ipPrMax, 50.0);
        QVERIFY(store_.values.empty());
    }

    void probabilityOpensTheDelaySettings() {
        TImpoProbabilita w(state_->g, state_->fake.services);
        w.show();
        QTimer::singleShot(0, [] {
            auto* inner = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(inner);
            QCOMPARE(inner->objectName(), QString("TImpoCalcoloRitardi"));
            inner->reject();
        });
        click(w, "BitBtn2");
        QVERIFY(w.isVisible());
    }

    void jollyAndSuperStarFlags() {
        TImpoJollyESS w(1, 0);
        QCOMPARE(w.windowTitle(), QString("Impostazioni"));
        QVERIFY(child<QCheckBox>(w, "CheckBox1")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "CheckBox2")->isChecked());
        w.show();
        click(w, "CheckBox1");
        click(w, "CheckBox2");
        QCOMPARE(w.escludiJolly, 0);
        QCOMPARE(w.escludiSuperStar, 1);
        click(w, "OKBtn");
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

private:
    InMemorySettingsBackend store_;
    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(StatisticsSettingsWindowsTest)
#include "statistics_settings_windows_test.moc"
