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
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<RecordingMessages>();
        fake_ = std::make_unique<FakeGuiServices>(*messages_);
        g_ = std::make_unique<Globali>(*messages_, clock_);
        g_->dirs.sharedDataDir = dir_->path().toStdString() + "/";
    }

    void smorfiaPageIsEntryEightWithItsEditor() {
        QVERIFY(
            WriteSmorfia(std::filesystem::path(g_->dirs.sharedDataDir) / kSmorfiaFileName,
                         {{3, "'a jatta, la gatta"}, {3, "il gatto"}, {10, "gatto nero"}, {4, "il maiale"}}));
        TPri w(*g_, fake_->services);
        RegisterAnalysisPages(w, *g_, fake_->services);
        StatisticsArea& area = StatisticsAreaOf(w, *g_, fake_->services);
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

        saveGrab(w, "main_window_smorfia.png");

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
        auto& columns = g_->system.columns;
        QVERIFY(columns.tryResize(3));
        columns.at(++columns.count) = Column{{1, 2, 3, 4, 5, 6}};
        columns.at(++columns.count) = Column{{7, 18, 29, 40, 51, 62}};
        columns.at(++columns.count) = Column{{8, 19, 30, 41, 52, 63}};
        TPri w(*g_, fake_->services);
        RegisterAnalysisPages(w, *g_, fake_->services);
        auto* page = qobject_cast<TPaginaAnalisiCombinazioni*>(
            StatisticsAreaOf(w, *g_, fake_->services).page(kCombinationAnalysis));
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

        StatisticsAreaOf(w, *g_, fake_->services).selectEntry(kCombinationAnalysis);
        QTest::mouseClick(page->BitBtn3, Qt::LeftButton);
        QCOMPARE(page->ListView1->topLevelItemCount(), 2); // no draws: the totals only
        saveGrab(w, "main_window_combinations.png");
    }

private:
    // To look at the window: SESTAVIA_GRAB_DIR names a folder for its picture.
    static void saveGrab(QWidget& window, const char* name) {
        const QImage picture = window.grab().toImage();
        QVERIFY(!picture.isNull());
        if (const QByteArray out = qgetenv("SESTAVIA_GRAB_DIR"); !out.isEmpty())
            QVERIFY(picture.save(QDir(QString::fromLocal8Bit(out)).filePath(name)));
    }

    FakeClock clock_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<RecordingMessages> messages_;
    std::unique_ptr<FakeGuiServices> fake_;
    std::unique_ptr<Globali> g_;
};

QTEST_MAIN(MainWindowPagesTest)
#include "main_window_pages_test.moc"
