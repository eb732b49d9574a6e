#include "core/Globali.h"
#include "shell/UImpoCostoCol.h"
#include "ui/gui_services.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class CostDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        messages_ = std::make_unique<RecordingMessages>();
        fake_ = std::make_unique<FakeGuiServices>(*messages_);
        g_ = std::make_unique<Globali>(*messages_, clock_);
        g_->useSettingsStore(store_);
        store_.values.clear();
    }

    void showsTheCostsWithItsCaptionAndLabels() {
        TImpoCostoCol dialog(*g_, fake_->services);
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
        TImpoCostoCol dialog(*g_, fake_->services);
        QLineEdit* field = edit(dialog, "Edit2");
        field->clear();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), shown);
    }

    void okWithValidCostsReplacesThemSavesAndCloses() {
        TImpoCostoCol dialog(*g_, fake_->services);
        dialog.show();
        edit(dialog, "Edit1")->clear();
        QTest::keyClicks(edit(dialog, "Edit1"), "2,5");
        QCOMPARE(edit(dialog, "Edit1")->text(), QString("2.5"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(messages_->shown.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(g_->settings.costoColonnaNew, 2.5);
        QCOMPARE(g_->settings.costoColonnaSS, 0.5);
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
        TImpoCostoCol dialog(*g_, fake_->services);
        dialog.show();
        edit(dialog, "Edit1")->setText(first);
        edit(dialog, "Edit2")->setText(second);
        QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QCOMPARE(messages_->shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages_->last().text), message);
        QCOMPARE(messages_->last().title, std::string("Attenzione"));
        QVERIFY(messages_->last().icon == MessageIcon::Warning);
        QVERIFY(dialog.isVisible());
        QCOMPARE(g_->settings.costoColonnaNew, 1.0);
        QCOMPARE(g_->settings.costoColonnaSS, 0.5);
        QVERIFY(store_.values.empty());
    }

    void cancelChangesNothing() {
        TImpoCostoCol dialog(*g_, fake_->services);
        dialog.show();
        edit(dialog, "Edit1")->setText("9");
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(g_->settings.costoColonnaNew, 1.0);
        QVERIFY(store_.values.empty());
    }

private:
    static QLineEdit* edit(QWidget& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

    FakeClock clock_;
    InMemorySettingsBackend store_;
    std::unique_ptr<RecordingMessages> messages_;
    std::unique_ptr<FakeGuiServices> fake_;
    std::unique_ptr<Globali> g_;
};

QTEST_MAIN(CostDialogTest)
#include "cost_dialog_test.moc"
