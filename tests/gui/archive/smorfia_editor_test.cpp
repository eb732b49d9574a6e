#include "archive/UModificaSmorfia.h"
#include "archive/smorfia.h"
#include "core/Globali.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

class SmorfiaEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() { state_ = std::make_unique<WindowTestState>(); }

    void missingFileGivesOneEmptyRowAndApplyCreatesIt() {
        TModificaSmorfia w(state_->g, state_->fake.services);
        QCOMPARE(w.windowTitle(), QString("Personalizzazione della smorfia"));
        QCOMPARE(w.smo->horizontalHeaderItem(0)->text(), QString("Numero"));
        QCOMPARE(w.smo->horizontalHeaderItem(1)->text(), QString("Descrizione"));
        QCOMPARE(w.smo->rowCount(), 1);
        w.show();
        w.smo->item(0, 0)->setText("3");
        w.smo->item(0, 1)->setText("La Gatta");
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(read(), (std::vector<SmorfiaEntry>{{3, "la gatta"}}));
    }

    void opensTheFileAndKeepsARowForANewEntry() {
        QVERIFY(WriteSmorfia(path(), {{1, "l'italia"}, {90, "la paura"}}));
        TModificaSmorfia w(state_->g, state_->fake.services);
        QCOMPARE(w.smo->rowCount(), 3);
        QCOMPARE(w.smo->item(1, 0)->text(), QString("90"));
        QCOMPARE(w.smo->item(1, 1)->text(), QString("la paura"));
        QVERIFY(w.smo->item(2, 0)->text().isEmpty());
        w.show();
        // Clicking while the last row is still empty adds nothing; once it has a number, a row appears.
        clickCell(w, 0);
        QCOMPARE(w.smo->rowCount(), 3);
        w.smo->item(2, 0)->setText("5");
        clickCell(w, 0);
        QCOMPARE(w.smo->rowCount(), 4);
    }

    void applyDropsRowsWithoutNumberOrDescription() {
        TModificaSmorfia w(state_->g, state_->fake.services);
        w.show();
        const char* rows[][2] = {{"91", "fuori"}, {"7", ""}, {"7", "Il Vaso"}, {"x", "niente"}};
        for (const auto& r : rows) {
            const int last = w.smo->rowCount() - 1;
            w.smo->item(last, 0)->setText(r[0]);
            w.smo->item(last, 1)->setText(r[1]);
            clickCell(w, last);
        }
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QCOMPARE(read(), (std::vector<SmorfiaEntry>{{7, "il vaso"}}));
    }

    void deleteRemovesTheSelectedRows() {
        QVERIFY(WriteSmorfia(path(), {{1, "a"}, {2, "b"}, {3, "c"}}));
        TModificaSmorfia w(state_->g, state_->fake.services);
        w.show();
        w.smo->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
        QTest::mouseClick(w.BitBtn2, Qt::LeftButton);
        QCOMPARE(w.smo->rowCount(), 2);
        QCOMPARE(w.smo->item(0, 1)->text(), QString("c"));
        w.smo->clearSelection();
        w.smo->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
        QTest::mouseClick(w.BitBtn2, Qt::LeftButton);
        QCOMPARE(w.smo->rowCount(), 1);
        QVERIFY(w.smo->item(0, 0)->text().isEmpty());
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QVERIFY(read().empty());
    }

    void cancelWritesNothing() {
        QVERIFY(WriteSmorfia(path(), {{1, "a"}}));
        TModificaSmorfia w(state_->g, state_->fake.services);
        w.show();
        w.smo->item(0, 1)->setText("b");
        QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(read(), (std::vector<SmorfiaEntry>{{1, "a"}}));
    }

    void failedWriteIsReportedAndKeepsTheEditorOpen() {
        std::filesystem::create_directory(path().string() + ".tmp");
        TModificaSmorfia w(state_->g, state_->fake.services);
        w.show();
        w.smo->item(0, 0)->setText("4");
        w.smo->item(0, 1)->setText("il maiale");
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        QCOMPARE(state_->messages.shown.size(), std::size_t{1});
        QCOMPARE(state_->messages.last().title, std::string("Errore"));
        QVERIFY(w.isVisible());
    }

private:
    std::filesystem::path path() const {
        return std::filesystem::path(state_->g.dirs.sharedDataDir) / kSmorfiaFileName;
    }
    std::vector<SmorfiaEntry> read() const {
        std::vector<SmorfiaEntry> e;
        ReadSmorfia(path(), e);
        return e;
    }
    static void clickCell(TModificaSmorfia& w, int row) {
        const QRect r = w.smo->visualItemRect(w.smo->item(row, 0));
        QTest::mouseClick(w.smo->viewport(), Qt::LeftButton, {}, r.center());
    }

    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(SmorfiaEditorTest)
#include "smorfia_editor_test.moc"
