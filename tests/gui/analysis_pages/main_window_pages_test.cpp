#include "analysis_pages/UPaginaAnalisiCombinazioni.h"
#include "analysis_pages/UPaginaSmorfia.h"
#include "analysis_pages/UPagineAnalisi.h"
#include "archive/smorfia.h"
#include "core/Globali.h"
#include "shell/UPri.h"
#include "statistics_view/UStatisticsArea.h"
#include "statistics_view/statistics_views.h"
#include "ui/column_strip.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "window_test_state.h"
#include "recording_messages.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <memory>

class MainWindowPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { state_ = std::make_unique<WindowTestState>(); }

    void smorfiaPageIsEntryEightWithItsEditor() {
        QVERIFY(
            WriteSmorfia(std::filesystem::path(state_->g.dirs.sharedDataDir) / kSmorfiaFileName,
                         {{3, "'a jatta, la gatta"}, {3, "il gatto"}, {10, "gatto nero"}, {4, "il maiale"}}));
        TPri w(state_->g, state_->fake.services);
        RegisterAnalysisPages(w, state_->g, state_->fake.services);
        StatisticsArea& area = StatisticsAreaOf(w, state_->g, state_->fake.services);
        auto* page = qobject_cast<TPaginaSmorfia*>(area.page(kSmorfia));
        QVERIFY(page);
        w.resize(1200, 800);
        w.show();
        area.selectEntry(kSmorfia);
        QCOMPARE(area.pages->currentWidget(), page);
        QTest::keyClicks(page->smo, "gatto 3");
        QTest::keyClick(page->smo, Qt::Key_Enter);
        QCOMPARE(page->sgsmo->rowCount(), 3);
        QCOMPARE(page->sgsmo->item(0, 1)->text(), QString("Gatto nero"));

        SaveGrab(w, "main_window_smorfia.png");

        QVERIFY(area.SpeedButton1->isEnabled());
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        QTest::mouseClick(area.SpeedButton1, Qt::LeftButton);
        QCOMPARE(opened, QString("TModificaSmorfia"));
    }

    void combinationPageTakesTheColumnSelectedInTheStrip() {
        auto& columns = state_->g.system.columns;
        QVERIFY(columns.tryResize(3));
        columns.at(++columns.count) = Column{{1, 2, 3, 4, 5, 6}};
        columns.at(++columns.count) = Column{{7, 18, 29, 40, 51, 62}};
        columns.at(++columns.count) = Column{{8, 19, 30, 41, 52, 63}};
        TPri w(state_->g, state_->fake.services);
        RegisterAnalysisPages(w, state_->g, state_->fake.services);
        auto* page = qobject_cast<TPaginaAnalisiCombinazioni*>(
            StatisticsAreaOf(w, state_->g, state_->fake.services).page(kCombinationAnalysis));
        QVERIFY(page);
        w.resize(1200, 800);
        w.show();
        w.RefreshColumnList();

        QTest::mouseClick(page->SpeedButton4, Qt::LeftButton);
        QVERIFY(page->Edit1->text().isEmpty()); // nothing selected yet

        // Select columns 3 back to 2: the page takes the first of the range.
        QWidget* grid = w.columnStrip->sg_col;
        const auto centre = [](int gridColumn) {
            return QPoint(ColumnGrid::kMargin + gridColumn * (ColumnGrid::kColumnWidth + 1) +
                              ColumnGrid::kColumnWidth / 2,
                          40);
        };
        QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, centre(2));
        QMouseEvent move(QEvent::MouseMove, centre(1), grid->mapToGlobal(centre(1)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
        QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, centre(1));
        QCOMPARE(w.columnStrip->selection().state, int(ColumnSelection::Selected));
        QTest::mouseClick(page->SpeedButton4, Qt::LeftButton);
        QCOMPARE(page->Edit1->text(), QString("7 18 29 40 51 62"));

        StatisticsAreaOf(w, state_->g, state_->fake.services).selectEntry(kCombinationAnalysis);
        QTest::mouseClick(page->BitBtn3, Qt::LeftButton);
        QCOMPARE(page->ListView1->topLevelItemCount(), 2); // no draws: the totals only
        SaveGrab(w, "main_window_combinations.png");
    }

private:
    std::unique_ptr<WindowTestState> state_;
};

QTEST_MAIN(MainWindowPagesTest)
#include "main_window_pages_test.moc"
