#include "checking/UDaiNumEstra.h"
#include "checking/UNewModColonnaVincente.h"
#include "checking/USpoglio.h"
#include "core/Globali.h"
#include "core/settings_store.h"

#include "draw_builder.h"
#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

DrawRecord Draw(int d, int m, int y, std::array<std::uint8_t, 6> numbers, int jolly, int superStar) {
    return MakeDraw(d, m, y, numbers, jolly, superStar, 10);
}

struct Fixture {
    Fixture() : g(messages, clock), fake(messages), picker(g.archive) {
        g.archive.insertDraw(Draw(19, 5, 2026, {3, 17, 29, 44, 58, 81}, 66, 12));
        g.archive.insertDraw(Draw(21, 5, 2026, {5, 12, 23, 44, 61, 90}, 7, 33));
        g.archive.insertDraw(Draw(23, 5, 2026, {1, 2, 3, 4, 5, 6}, 7, 8));
        auto& s = g.system.columns;
        s.tryResize(16);
        const Column columns[] = {
            {{5, 12, 23, 44, 61, 90}}, // 6
            {{5, 7, 12, 23, 44, 61}},  // 5+1
            {{1, 2, 3, 4, 10, 11}},    // 0
            {{5, 12, 30, 31, 32, 33}}, // 2
            {{5, 12, 23, 31, 32, 33}}, // 3
        };
        for (const auto& c : columns) s.at(++s.count) = c;
    }
    void type(TSpoglio& w, std::initializer_list<const char*> texts) {
        int i = 2;
        for (const char* t : texts) w.findChild<QLineEdit*>(QString("Edit%1").arg(i++))->setText(t);
    }
    QString label(TSpoglio& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }

    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
    TDaiNumEstra picker;
};

} // namespace

class SpoglioTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutColumns() {
        Fixture f;
        f.g.system.columns.count = 0;
        RunSpoglio(f.g, f.fake.services, f.picker, nullptr);
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.messages.last().text, std::string("Non ci sono colonne finali da controllare."));
    }

    void checkCountsAndListsTheWinners() {
        Fixture f;
        f.g.system.superStar = true;
        TSpoglio w(f.g, f.fake.services, f.picker);
        w.show();
        QVERIFY(!w.findChild<QLabel*>("Label23")->isVisible());
        f.type(w, {"5", "12", "23", "44", "61", "90", "7", ""});
        QTest::mouseClick(w.findChild<QPushButton*>("go"), Qt::LeftButton);
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.label(w, "Count6"), QString("1"));
        QCOMPARE(f.label(w, "CountP51"), QString("1"));
        QCOMPARE(f.label(w, "Count5"), QString("0"));
        QCOMPARE(f.label(w, "Count0"), QString("1"));
        QVERIFY(w.findChild<QLabel*>("Label23")->isVisible());
        auto* grid = w.findChild<QTableView*>("cv_grid");
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QString("6"));
        QCOMPARE(grid->model()->index(1, 0).data().toString(), QString("5+1"));
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QString(" 5  7 12 23 44 61"));
        QCOMPARE(grid->model()->index(3, 0).data().toString(), QString("2"));
        QCOMPARE(grid->model()->index(3, 2).data().toInt(), 4);
    }

    void refusesAJollyAmongTheNumbers() {
        Fixture f;
        TSpoglio w(f.g, f.fake.services, f.picker);
        f.type(w, {"5", "12", "23", "44", "61", "90", "61", ""});
        QTest::mouseClick(w.findChild<QPushButton*>("go"), Qt::LeftButton);
        QCOMPARE(f.messages.last().text,
                 std::string(
                     "Il numero Jolly non può far parte della colonna vincente.\rCorreggere e riprovare."));
        QCOMPARE(f.messages.last().title, std::string("Attenzione"));
    }

    void deletingRowsRemovesThoseColumnsAndChecksAgain() {
        Fixture f;
        TSpoglio w(f.g, f.fake.services, f.picker);
        w.show();
        f.type(w, {"5", "12", "23", "44", "61", "90", "7", ""});
        QTest::mouseClick(w.findChild<QPushButton*>("go"), Qt::LeftButton);
        auto* grid = w.findChild<QTableView*>("cv_grid");
        grid->selectRow(0);
        grid->selectionModel()->select(grid->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        auto* erase = w.findChild<QPushButton*>("BitBtn6");
        QVERIFY(erase->isEnabled());
        f.messages.answerNext(MessageAnswer::Yes);
        QTest::mouseClick(erase, Qt::LeftButton);
        QCOMPARE(f.messages.last().text,
                 std::string("Eliminare le colonne selezionate dall'elenco delle colonne finali ?"));
        QCOMPARE(f.g.system.columns.count, 3);
        QCOMPARE(f.g.undo.snapshotCount, 0); // this test allocates no undo buffer
        QVERIFY(f.g.system.modified);
        QCOMPARE(f.label(w, "Count6"), QString("0"));
        QCOMPARE(grid->model()->rowCount(), 2);
    }

    void arrowsStepThroughTheArchiveAndStopAtItsEnds() {
        Fixture f;
        TSpoglio w(f.g, f.fake.services, f.picker);
        auto* date = w.findChild<QLineEdit*>("Edit1");
        auto* prev = w.findChild<QToolButton*>("UpDown1Prev");
        auto* next = w.findChild<QToolButton*>("UpDown1Next");
        date->setText("21/5/2026");
        QTest::mouseClick(prev, Qt::LeftButton);
        QCOMPARE(date->text(), QString("19/5/2026"));
        QCOMPARE(w.findChild<QLineEdit*>("Edit2")->text(), QString("3"));
        QTest::mouseClick(prev, Qt::LeftButton);
        QCOMPARE(date->text(), QString("19/5/2026"));
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(date->text(), QString("23/5/2026"));
        QCOMPARE(w.findChild<QLineEdit*>("Edit9")->text(), QString("8"));
    }

    void theLastWinningColumnIsKeptBetweenOpenings() {
        Fixture f;
        {
            TSpoglio w(f.g, f.fake.services, f.picker);
            f.type(w, {"5", "12", "23", "44", "61", "90", "7", "33"});
            w.findChild<QLineEdit*>("Edit1")->setText("21/05/2026");
            w.reject();
        }
        QCOMPARE(WindowSettingText(f.g.settingsStore(), "UltimaSpoglio", "", SettingAccess::Read),
                 std::string("5*12*23*44*61*90*7*33*21/05/2026"));
        TSpoglio again(f.g, f.fake.services, f.picker);
        QCOMPARE(again.findChild<QLineEdit*>("Edit7")->text(), QString("90"));
        QCOMPARE(again.findChild<QLineEdit*>("Edit1")->text(), QString("21/05/2026"));
    }

    void typingAFullFieldMovesToTheNextAndBackspaceGoesBack() {
        Fixture f;
        TSpoglio w(f.g, f.fake.services, f.picker);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 2; i <= 9; ++i) w.findChild<QLineEdit*>(QString("Edit%1").arg(i))->clear();
        auto* first = w.findChild<QLineEdit*>("Edit2");
        first->setFocus();
        QTest::keyClicks(first, "1x23");
        QCOMPARE(first->text(), QString("12"));
        auto* second = w.findChild<QLineEdit*>("Edit3");
        QCOMPARE(second->text(), QString("3"));
        QVERIFY(second->hasFocus());
        QTest::keyClick(second, Qt::Key_Backspace);
        QTest::keyClick(second, Qt::Key_Backspace);
        QVERIFY(first->hasFocus());
    }

    void savingAWinningColumnOfAnArchivedDayAsksToReplaceIt() {
        Fixture f;
        TNewModColonnaVincente editor(f.g.archive, f.messages, TNewModColonnaVincente::Mode::New);
        editor.setFields({"21/5/2026", "11", {"1", "2", "3", "4", "5", "6"}, "7", "8"});
        f.messages.answerNext(MessageAnswer::No);
        QTest::mouseClick(editor.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QVERIFY(f.messages.last().text.find("Sovrascrivere la colonna vincente ?") != std::string::npos);
        f.messages.answerNext(MessageAnswer::Yes);
        QTest::mouseClick(editor.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(f.g.archive.insertDraw(editor.record()), 2);
        QCOMPARE(f.g.archive.count(), 3);
    }

    void printsToAPdf() {
        Fixture f;
        QTemporaryDir dir;
        f.fake.printerSetup.printer().setOutputFileName(dir.filePath("spoglio.pdf"));
        TSpoglio w(f.g, f.fake.services, f.picker);
        f.type(w, {"5", "12", "23", "44", "61", "90", "7", "33"});
        QTest::mouseClick(w.findChild<QPushButton*>("go"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton*>("BitBtn5"), Qt::LeftButton);
        QCOMPARE(f.fake.printerSetup.setupCalls, 1);
        QVERIFY(QFileInfo(dir.filePath("spoglio.pdf")).size() > 1000);
    }
};

QTEST_MAIN(SpoglioTest)
#include "spoglio_test.moc"
