#include "core/Globali.h"
#include "shell/UImpoCostoCol.h"
#include "ui/gui_services.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class CostDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        state_ = std::make_unique<WindowTestState>();
        state_->g.useSettingsStore(store_);
        store_.values.clear();
    }

    void showsTheCostsWithItsCaptionAndLabels() {
        TImpoCostoCol dialog(state_->g, state_->fake.services);
        QCOMPARE(dialog.windowTitle(), QString("Modifica costo colonne del Superenalotto"));
        QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QString("Costo singola colonna (€):"));
        QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), QString("Costo partecipazione SuperStar (€):"));
        QCOMPARE(dialog.findChild<QPushButton*>("OKBtn")->text(), QString("OK"));
        QCOMPARE(dialog.findChild<QPushButton*>("CancelBtn")->text(), QString("Annulla"));
        // FormatReal with two decimals trims one trailing zero pair: 1.00 -> 1.0, 0.50 stays.
        QCOMPARE(edit(dialog, "Edit1")->text(), QString("1.0"));
        QCOMPARE(edit(dialog, "Edit2")->text(), QString("0.50"));
    }

    void typedKeysAreFiltered_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma becomes point") << "2,5"
                                             << "2.5";
        QTest::newRow("letters and signs dropped") << "1a-+ 2e%"
                                                   << "12";
        QTest::newRow("points kept") << "0.75"
                                     << "0.75";
    }

    void typedKeysAreFiltered() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TImpoCostoCol dialog(state_->g, state_->fake.services);
        QLineEdit* field = edit(dialog, "Edit2");
        field->clear();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), shown);
    }

    void okWithValidCostsReplacesThemSavesAndCloses() {
        TImpoCostoCol dialog(state_->g, state_->fake.services);
        dialog.show();
        edit(dialog, "Edit1")->clear();
        QTest::keyClicks(edit(dialog, "Edit1"), "2,5");
        QCOMPARE(edit(dialog, "Edit1")->text(), QString("2.5"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(state_->messages.shown.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(state_->g.settings.costoColonnaNew, 2.5);
        QCOMPARE(state_->g.settings.costoColonnaSS, 0.5);
        QCOMPARE(std::get<double>(store_.values.at("CostoColonnaNew")), 2.5);
    }

    void invalidCostKeepsTheDialogOpenAndChangesNothing_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        const QString single = "L'importo inserito come costo di una singola colonna non è valido.";
        const QString superStar = "L'importo inserito com costo di partecipazione a superstar non è valido.";
        QTest::newRow("second is zero") << "3"
                                        << "0" << superStar;
        QTest::newRow("second is empty") << "3"
                                         << "" << superStar;
        QTest::newRow("first is zero") << "0"
                                       << "0.5" << single;
        QTest::newRow("first is a lone point") << "."
                                               << "0" << single;
    }

    void invalidCostKeepsTheDialogOpenAndChangesNothing() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        TImpoCostoCol dialog(state_->g, state_->fake.services);
        dialog.show();
        edit(dialog, "Edit1")->setText(first);
        edit(dialog, "Edit2")->setText(second);
        QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QCOMPARE(state_->messages.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(state_->messages.last().text), message);
        QCOMPARE(state_->messages.last().title, std::string("Attenzione"));
        QVERIFY(state_->messages.last().icon == MessageIcon::Warning);
        QVERIFY(dialog.isVisible());
        QCOMPARE(state_->g.settings.costoColonnaNew, 1.0);
        QCOMPARE(state_->g.settings.costoColonnaSS, 0.5);
        QVERIFY(store_.values.empty());
    }

    void cancelChangesNothing() {
        TImpoCostoCol dialog(state_->g, state_->fake.services);
        dialog.show();
        edit(dialog, "Edit1")->setText("9");
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(state_->g.settings.costoColonnaNew, 1.0);
        QVERIFY(store_.values.empty());
    }

private:
    static QLineEdit* edit(QWidget& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

    InMemorySettingsBackend store_;
    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(CostDialogTest)
#include "cost_dialog_test.moc"
