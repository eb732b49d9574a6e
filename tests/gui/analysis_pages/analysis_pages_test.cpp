#include "analysis_pages/UPaginaAnalisiCombinazioni.h"
#include "analysis_pages/UPaginaSmorfia.h"
#include "archive/smorfia.h"
#include "core/Globali.h"

#include "draw_builder.h"
#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <optional>

namespace {

QStringList RowTexts(const QTableWidget& grid) {
    QStringList rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const QTableWidgetItem* number = grid.item(r, 0);
        const QTableWidgetItem* text = grid.item(r, 1);
        rows << (number ? number->text() : QString()) + "|" + (text ? text->text() : QString());
    }
    return rows;
}

QStringList ItemTexts(const QTreeWidgetItem& item) {
    QStringList texts;
    for (int c = 0; c < item.columnCount(); ++c) texts << item.text(c);
    return texts;
}

} // namespace

class AnalysisPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { state_ = std::make_unique<WindowTestState>(); }

    void smorfiaSearchListsNumberAndStartMatchesFirst() {
        QVERIFY(WriteSmorfia(smorfiaPath(), {{3, "la gatta"},
                                             {1, "l'italia"},
                                             {10, "gatto nero"},
                                             {3, "il gatto"},
                                             {20, "il gatto e la volpe"},
                                             {33, "gli anni di cristo"},
                                             {42, "il caffè"}}));
        TPaginaSmorfia page(state_->g);
        page.resize(420, 260);
        page.show();
        QCOMPARE(page.smo->toolTip(), QString(" Inserire i termini o i numeri da ricercare "));
        QCOMPARE(page.sgsmo->horizontalHeaderItem(0)->text(), QString("Numero"));
        QCOMPARE(page.sgsmo->horizontalHeaderItem(1)->text(), QString("Descrizione"));
        QVERIFY(!page.BitBtn1->isEnabled());
        QTest::keyClicks(page.smo, "   ");
        QVERIFY(!page.BitBtn1->isEnabled());
        page.smo->clear();
        QTest::keyClicks(page.smo, "gatto 3");
        QVERIFY(page.BitBtn1->isEnabled());
        QTest::keyClick(page.smo, Qt::Key_Return);
        QVERIFY(page.sgsmo->isVisible());
        QCOMPARE(RowTexts(*page.sgsmo), (QStringList{"    10|Gatto nero", "    3|La gatta", "    3|Il gatto",
                                                     "    20|Il gatto e la volpe"}));

        SaveGrab(page, "smorfia_gatto_3.png");

        page.smo->setText("CAFFÈ");
        QTest::mouseClick(page.BitBtn1, Qt::LeftButton);
        QCOMPARE(RowTexts(*page.sgsmo), QStringList{"    42|Il caffè"});
        page.smo->setText("niente");
        QTest::mouseClick(page.BitBtn1, Qt::LeftButton);
        QCOMPARE(RowTexts(*page.sgsmo), QStringList{"|"});
        QVERIFY(page.sgsmo->isVisible());
    }

    void smorfiaSearchWithoutItsFileShowsNothing() {
        TPaginaSmorfia page(state_->g);
        page.show();
        page.smo->setText("gatto");
        QTest::mouseClick(page.BitBtn1, Qt::LeftButton);
        QVERIFY(!page.sgsmo->isVisible());
        QCOMPARE(page.sgsmo->rowCount(), 1);
        QVERIFY(state_->messages.shown.empty());
    }

    void combinationOfAnArchivedDrawListsItUnderSix() {
        state_->g.archive.appendUnchecked(MakeDraw(4, 3, 2008, {5, 17, 22, 41, 60, 88}, 3));
        state_->g.archive.appendUnchecked(MakeDraw(6, 3, 2008, {1, 2, 3, 4, 5, 6}, 7));
        state_->g.archive.appendUnchecked(MakeDraw(8, 3, 2008, {17, 22, 41, 60, 88, 90}, 5));
        state_->g.archive.appendUnchecked(MakeDraw(11, 3, 2008, {17, 22, 70, 71, 72, 73}, 5));
        TPaginaAnalisiCombinazioni page(state_->g, state_->fake.services,
                                        [] { return std::optional<Column>(); });
        page.resize(520, 260);
        page.show();
        QCOMPARE(page.ListView1->headerItem()->text(5), QString("Nº di 5+1"));
        QVERIFY(!page.BitBtn3->isEnabled());
        QTest::keyClicks(page.Edit1, "88 60 41 22 17 5");
        QVERIFY(page.BitBtn3->isEnabled());
        QTest::keyClick(page.Edit1, Qt::Key_Return);
        QVERIFY(page.ListView1->isVisible());
        QCOMPARE(page.ListView1->topLevelItemCount(), 5);
        QCOMPARE(ItemTexts(*page.ListView1->topLevelItem(0)),
                 (QStringList{"04/03/2008", "", "", "", "", "", "1"}));
        QCOMPARE(ItemTexts(*page.ListView1->topLevelItem(1)),
                 (QStringList{"08/03/2008", "", "", "", "", "1", ""}));
        QCOMPARE(ItemTexts(*page.ListView1->topLevelItem(2)),
                 (QStringList{"11/03/2008", "1", "", "", "", "", ""}));
        QCOMPARE(ItemTexts(*page.ListView1->topLevelItem(3)), (QStringList{"", "", "", "", "", "", ""}));
        QTreeWidgetItem* total = page.ListView1->topLevelItem(4);
        QCOMPARE(ItemTexts(*total), (QStringList{"TOTALE:", "1", "0", "0", "0", "1", "1"}));
        QCOMPARE(page.ListView1->currentItem(), total);
        SaveGrab(page, "combination_analysis.png");
    }

    void combinationRefusesInvalidNumbers() {
        TPaginaAnalisiCombinazioni page(state_->g, state_->fake.services,
                                        [] { return std::optional<Column>(); });
        page.show();
        QTest::keyClicks(page.Edit1, "12a;, 7");
        QCOMPARE(page.Edit1->text(), QString("12 7"));
        QTest::mouseClick(page.BitBtn3, Qt::LeftButton);
        QCOMPARE(page.ListView1->topLevelItemCount(), 2); // the totals of an empty archive
        for (const char* text : {"12 12", "0 5", "5 91"}) {
            page.Edit1->setText(text);
            QTest::mouseClick(page.BitBtn3, Qt::LeftButton);
            QCOMPARE(
                state_->messages.last().text,
                std::string("Alcuni numeri non sono validi!\rInserire i numeri separandoli con uno spazio."));
            QCOMPARE(state_->messages.last().title, std::string("Attenzione"));
            QCOMPARE(page.ListView1->topLevelItemCount(), 2);
        }
        QCOMPARE(state_->messages.shown.size(), std::size_t(3));
    }

    void fillButtonsTakeTheForecastAndTheSelectedColumn() {
        std::optional<Column> selected;
        TPaginaAnalisiCombinazioni page(state_->g, state_->fake.services, [&selected] { return selected; });
        page.show();
        for (int n : {44, 2, 90, 17}) state_->g.system.forecast.set(n, true);
        QCOMPARE(page.SpeedButton3->toolTip(), QString(" Inserisci i numeri del pronostico "));
        QTest::mouseClick(page.SpeedButton3, Qt::LeftButton);
        QCOMPARE(page.Edit1->text(), QString("2 17 44 90"));
        QTest::mouseClick(page.SpeedButton4, Qt::LeftButton);
        QCOMPARE(page.Edit1->text(), QString("2 17 44 90")); // no column selected: unchanged
        selected = Column{{3, 9, 27, 31, 62, 81}};
        QTest::mouseClick(page.SpeedButton4, Qt::LeftButton);
        QCOMPARE(page.Edit1->text(), QString("3 9 27 31 62 81"));
    }

private:
    std::filesystem::path smorfiaPath() const {
        return std::filesystem::path(state_->g.dirs.sharedDataDir) / kSmorfiaFileName;
    }

    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(AnalysisPagesTest)
#include "analysis_pages_test.moc"
