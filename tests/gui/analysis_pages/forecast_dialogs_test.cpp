#include "analysis_pages/UAggEliNumCasu.h"
#include "analysis_pages/UAggEliNumPiuProba.h"
#include "analysis_pages/UPagineAnalisi.h"
#include "core/Globali.h"
#include "shell/UPri.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

void FillForecast(ForecastFlags& f, int upTo) {
    for (int n = 1; n <= upTo; ++n) f.set(n, true);
}

// Runs `act` on the modal dialog the next command opens; `opened` tells whether one did.
void OnNextModal(std::function<void(QDialog&)> act, bool* opened) {
    QTimer::singleShot(0, [act = std::move(act), opened] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (opened) *opened = dialog != nullptr;
        if (dialog) act(*dialog);
    });
}

// Runs the command; a dialog it opens is cancelled.
bool OpensADialog(TPri& w, const char* item) {
    bool opened = false;
    OnNextModal([](QDialog& d) { d.reject(); }, &opened);
    w.runCommand(item);
    QCoreApplication::processEvents(); // the check runs now when no dialog held the command
    return opened;
}

void Type(QDialog& dialog, const char* text) {
    auto* edit = dialog.findChild<QLineEdit*>("Edit1");
    edit->clear();
    QTest::keyClicks(edit, text);
}

void Click(QDialog& dialog, const char* name) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
}

} // namespace

class ForecastDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { state_ = std::make_unique<WindowTestState>(); }

    void captionsAndLabelsOfBothForms() {
        struct Case {
            bool byProbability;
            ForecastChange change;
            const char* caption;
            const char* label;
        };
        const Case cases[] = {
            {true, ForecastChange::Add, "Aggiungi numeri più probabili", "Quantità di numeri da aggiungere:"},
            {true, ForecastChange::Remove, "Elimina numeri meno probabili",
             "Quatità di numeri da eliminare:"},
            {false, ForecastChange::Add, "Aggiungi numeri casualmente", "Quantità di numeri da aggiungere:"},
            {false, ForecastChange::Remove, "Elimina numeri casualmente", "Quantità di numeri da eliminare:"},
        };
        for (const Case& c : cases) {
            std::unique_ptr<QDialog> dialog;
            if (c.byProbability)
                dialog = std::make_unique<TAggEliNumPiuProba>(state_->g, state_->fake.services, c.change, 7);
            else
                dialog = std::make_unique<TAggEliNumCasu>(state_->fake.services, c.change, 7);
            dialog->show();
            QCOMPARE(dialog->windowTitle(), QString(c.caption));
            QCOMPARE(dialog->findChild<QLabel*>("Label1")->text(), QString(c.label));
            auto* edit = dialog->findChild<QLineEdit*>("Edit1");
            QCOMPARE(edit->text(), QString("1"));
            QCOMPARE(edit->selectedText(), QString("1"));
            QVERIFY(dialog->findChild<QPushButton*>("gobtn")->isDefault());
            QCOMPARE(dialog->findChild<QPushButton*>("BitBtn4")->text(), QString("Annulla"));
            QCOMPARE(dialog->findChild<QPushButton*>("Impostazioni") != nullptr, c.byProbability);
            // Only digits reach the field.
            edit->clear();
            QTest::keyClicks(edit, "4a-b 2");
            QCOMPARE(edit->text(), QString("42"));
        }
    }

    void aboveTheMaximumIsLoweredOrRefused() {
        TAggEliNumPiuProba probable(state_->g, state_->fake.services, ForecastChange::Add, 5);
        probable.show();
        Type(probable, "9");
        Click(probable, "gobtn");
        QVERIFY(state_->messages.shown.empty());
        QCOMPARE(probable.tag(), 1);
        QCOMPARE(probable.quantity(), 5);
        QCOMPARE(probable.result(), int(QDialog::Accepted));

        TAggEliNumCasu random(state_->fake.services, ForecastChange::Add, 5);
        random.show();
        QApplication::setActiveWindow(&random);
        Type(random, "9");
        Click(random, "gobtn");
        QCOMPARE(state_->messages.shown.size(), std::size_t(1));
        QCOMPARE(state_->messages.last().text,
                 std::string("Il valore inserito non è valido.\rIndicare un numero compreso tra 1 e 5"));
        QCOMPARE(state_->messages.last().title, std::string("Attenzione"));
        QCOMPARE(random.tag(), 0);
        QVERIFY(random.isVisible());
        QVERIFY(random.Edit1->hasFocus());
    }

    void zeroAndEmptyAreRefusedByBoth() {
        for (const char* text : {"0", ""}) {
            TAggEliNumPiuProba probable(state_->g, state_->fake.services, ForecastChange::Remove, 12);
            probable.show();
            Type(probable, text);
            Click(probable, "gobtn");
            TAggEliNumCasu random(state_->fake.services, ForecastChange::Remove, 12);
            random.show();
            Type(random, text);
            Click(random, "gobtn");
            QCOMPARE(probable.tag() + random.tag(), 0);
        }
        QCOMPARE(state_->messages.shown.size(), std::size_t(4));
        for (const Message& m : state_->messages.shown)
            QCOMPARE(m.text,
                     std::string("Il valore inserito non è valido.\rIndicare un numero compreso tra 1 e 12"));
    }

    void impostazioniOpensTheProbabilitySettings() {
        TAggEliNumPiuProba probable(state_->g, state_->fake.services, ForecastChange::Add, 5);
        probable.show();
        QString opened;
        OnNextModal(
            [&opened](QDialog& d) {
                opened = d.objectName();
                d.reject();
            },
            nullptr);
        Click(probable, "Impostazioni");
        QCOMPARE(opened, QString("TImpoProbabilita"));
        QVERIFY(probable.isVisible());
    }

    void commandsChangeTheForecastAndTheSummary() {
        TPri w(state_->g, state_->fake.services);
        RegisterAnalysisPages(w, state_->g, state_->fake.services);
        FillForecast(state_->g.system.forecast, 85);

        // Cancelled: nothing changes, nothing is invalidated.
        bool opened = false;
        OnNextModal([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, &opened);
        w.runCommand("Aggiunginumeripiprobabili1");
        QVERIFY(opened);
        QCOMPARE(state_->g.system.forecast.count(), 85);
        QVERIFY(!state_->g.system.modified);

        OnNextModal(
            [](QDialog& d) {
                Type(d, "9");
                Click(d, "gobtn");
            },
            &opened);
        w.runCommand("Aggiunginumeripiprobabili1");
        QCOMPARE(state_->g.system.forecast.count(), 90);
        QCOMPARE(w.Label23->text(), QString("Stato sistema: non salvato"));
        QCOMPARE(w.Label13->text(), QString("Pronostico iniziale: 90 numeri"));
        QCOMPARE(state_->g.system.relativeWinProbability, -1.0);
        QCOMPARE(state_->g.system.absoluteWinProbability, -1.0);

        // A complete forecast has nothing to add: no dialog at all.
        for (const char* item : {"Aggiunginumeripiprobabili1", "Aggoingisegnicasuali1"})
            QVERIFY2(!OpensADialog(w, item), item);

        OnNextModal(
            [](QDialog& d) {
                Type(d, "30");
                Click(d, "gobtn");
            },
            &opened);
        w.runCommand("Eliminanumericasuali1");
        QCOMPARE(state_->g.system.forecast.count(), 60);
        OnNextModal(
            [](QDialog& d) {
                QCOMPARE(d.windowTitle(), QString("Elimina numeri meno probabili"));
                Type(d, "60");
                Click(d, "gobtn");
            },
            &opened);
        w.runCommand("Eliminanumerimenoprobabili1");
        QCOMPARE(state_->g.system.forecast.count(), 0);
        QVERIFY(!OpensADialog(w, "Eliminanumericasuali1"));
        QVERIFY(!OpensADialog(w, "Eliminanumerimenoprobabili1"));

        OnNextModal(
            [](QDialog& d) {
                Type(d, "7");
                Click(d, "gobtn");
            },
            &opened);
        w.runCommand("Aggoingisegnicasuali1");
        QCOMPARE(state_->g.system.forecast.count(), 7);
        QCOMPARE(w.Label13->text(), QString("Pronostico iniziale: 7 numeri"));
    }

    void columnsAndClearCommands() {
        TPri w(state_->g, state_->fake.services);
        RegisterAnalysisPages(w, state_->g, state_->fake.services);
        w.runCommand("Pronosticodagiocate1");
        QCOMPARE(state_->messages.last().text, std::string("L'elenco delle colonne finali è vuoto."));

        state_->g.system.columns.tryResize(2);
        state_->g.system.columns.at(++state_->g.system.columns.count) = Column{{1, 2, 3, 4, 5, 6}};
        state_->g.system.columns.at(++state_->g.system.columns.count) = Column{{5, 6, 7, 8, 9, 90}};
        state_->g.system.forecast.set(50, true);
        state_->messages.answerNext(MessageAnswer::Yes);
        w.runCommand("Pronosticodagiocate1");
        QCOMPARE(state_->g.system.forecast.count(), 10);
        QVERIFY(!state_->g.system.forecast.has(50));
        QCOMPARE(w.Label13->text(), QString("Pronostico iniziale: 10 numeri"));

        state_->messages.answerNext(MessageAnswer::No);
        w.runCommand("Eliminatuttiinumeri1");
        QCOMPARE(state_->g.system.forecast.count(), 10);
        state_->messages.answerNext(MessageAnswer::Yes);
        w.runCommand("Eliminatuttiinumeri1");
        QCOMPARE(state_->messages.last().text,
                 std::string("Eliminare tutti numeri del pronostico iniziale ?"));
        QCOMPARE(state_->g.system.forecast.count(), 0);
        QCOMPARE(w.Label13->text(), QString("Pronostico iniziale: 0 numeri"));
    }

private:
    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(ForecastDialogsTest)
#include "forecast_dialogs_test.moc"
