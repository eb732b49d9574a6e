#include "archive/UCerchioCiclometricoSE.h"
#include "archive/UImpoCalcoloFrequenze.h"
#include "archive/UImpoCalcoloRitardi.h"
#include "archive/UImpoProbabilita.h"
#include "core/Globali.h"
#include "shell/UPri.h"
#include "statistics_view/UStatisticsArea.h"
#include "statistics_view/UStatisticsPages.h"
#include "statistics_view/UStatisticsViews.h"
#include "ui/bar_chart.h"
#include "ui/number_board.h"

#include "draw_builder.h"
#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Draw k holds a run of six numbers starting at 13k mod 85 + 1, so delays and frequencies vary.
void FillArchive(DrawArchive& archive, int draws) {
    for (int k = 1; k <= draws; ++k) {
        const auto a = static_cast<std::uint8_t>((k * 13) % 85 + 1);
        const std::array<std::uint8_t, 6> numbers{a,
                                                  static_cast<std::uint8_t>(a + 1),
                                                  static_cast<std::uint8_t>(a + 2),
                                                  static_cast<std::uint8_t>(a + 3),
                                                  static_cast<std::uint8_t>(a + 4),
                                                  static_cast<std::uint8_t>(a + 5)};
        archive.insertDraw(MakeDraw(k % 28 + 1, k / 28 + 1, 2020, numbers, 90, k % 90 + 1));
    }
}

struct Fixture {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};
    FakeGuiServices fake{messages};
    std::unique_ptr<TPri> window;
    StatisticsArea* area = nullptr;

    explicit Fixture(int draws = 60) {
        FillArchive(g.archive, draws);
        recomputeStatistics(g);
        window = std::make_unique<TPri>(g, fake.services);
        RegisterStatisticsViews(*window, g, fake.services);
        window->resize(1400, 900);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        area = window->findChild<StatisticsArea*>();
    }
    ~Fixture() { g.system.modified = false; }

    BarChart* chart(int entry) { return window->findChild<BarChart*>(QString("BarChart%1").arg(entry)); }
    QTableWidget* vdb() { return window->findChild<QTableWidget*>("vdb"); }
};

std::vector<double> Values(const BarChart* chart, int series = 0) {
    std::vector<double> out;
    for (int i = 0; i < chart->count(); ++i) out.push_back(chart->value(series, i));
    return out;
}

// Runs `inspect` on the modal window that `open` shows, then closes it.
template <typename Window>
void WithModal(const std::function<void()>& open, const std::function<void(Window*)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY(w);
        seen = true;
        inspect(w);
        w->reject();
    });
    open();
    QVERIFY(seen);
}

void SaveGrab(QWidget* widget, const QString& name) {
    const QByteArray folder = qgetenv("SESTAVIA_GRAB_DIR");
    if (!folder.isEmpty()) widget->grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace

class StatisticsAreaTest : public QObject {
    Q_OBJECT
private slots:
    void selectorEntriesAndTheirSettingsButton() {
        Fixture f;
        QCOMPARE(f.area->ComboBox1->count(), 12);
        QCOMPARE(f.area->ComboBox1->itemText(0), QString("Grafico dei ritardi"));
        QCOMPARE(f.area->ComboBox1->itemText(11), QString("Frequenze del numero SuperStar"));
        QCOMPARE(f.area->SpeedButton1->toolTip(), QString("Impostazioni"));
        const bool enabled[12] = {true, true, true, true, true, true, true, false, true, false, false, true};
        for (int entry = 0; entry < 12; ++entry) {
            if (entry == kCyclometricCircle) continue;
            f.area->ComboBox1->setCurrentIndex(entry);
            QCOMPARE(f.area->currentEntry(), entry);
            QCOMPARE(f.area->pages->currentWidget(), f.area->page(entry));
            QVERIFY2(f.area->SpeedButton1->isEnabled() == enabled[entry], qPrintable(QString::number(entry)));
        }
        // The menu items choose the entry of their tag.
        f.window->findChild<QAction*>("Frequenzedelle10cifre1")->trigger();
        QCOMPARE(f.area->ComboBox1->currentIndex(), 4);
        QCOMPARE(f.chart(4)->count(), 10);
        QCOMPARE(f.chart(4)->labels().front(), QString("0"));
    }

    void settingsButtonOpensTheEntrysWindow() {
        Fixture f;
        struct Case {
            int entry;
            bool exclusionBoxes;
        };
        for (const Case& c : {Case{1, true}, Case{11, false}}) {
            f.area->selectEntry(c.entry);
            WithModal<TImpoCalcoloFrequenze>([&] { f.area->SpeedButton1->click(); },
                                             [&](TImpoCalcoloFrequenze* w) {
                                                 QCOMPARE(w->CheckBox1->isVisibleTo(w), c.exclusionBoxes);
                                                 QCOMPARE(w->CheckBox2->isVisibleTo(w), c.exclusionBoxes);
                                             });
        }
        f.area->selectEntry(5);
        WithModal<TImpoCalcoloRitardi>([&] { f.area->SpeedButton1->click(); }, [](TImpoCalcoloRitardi*) {});
        f.area->selectEntry(2);
        WithModal<TImpoProbabilita>([&] { f.area->SpeedButton1->click(); }, [](TImpoProbabilita*) {});

        // The smorfia entry runs what its page asks for.
        int edits = 0;
        f.area->setSettingsAction(kSmorfia, [&edits] { ++edits; });
        f.area->selectEntry(kSmorfia);
        f.area->SpeedButton1->click();
        QCOMPARE(edits, 1);
    }

    void singleChartCyclesThroughItsOrders() {
        Fixture f;
        BarChart* chart = f.chart(0);
        QCOMPARE(chart->count(), 90);
        std::vector<double> delays;
        for (int n = 1; n <= 90; ++n) delays.push_back(f.g.stats.NumberDelay[n]);
        QCOMPARE(Values(chart), delays);

        std::vector<double> sorted = delays;
        std::stable_sort(sorted.begin(), sorted.end(), std::greater<>());
        emit chart->clicked(-1);
        QCOMPARE(Values(chart), sorted);
        emit chart->clicked(3);
        std::stable_sort(sorted.begin(), sorted.end());
        QCOMPARE(Values(chart), sorted);

        // Back in number order the values are computed afresh.
        f.g.archive.insertDraw(MakeDraw(1, 12, 2021, {1, 2, 3, 4, 5, 6}));
        emit chart->clicked(-1);
        QCOMPARE(chart->labels().front(), QString("1"));
        QCOMPARE(chart->value(0, 0), 0.0);
        QCOMPARE(chart->value(0, 89), f.g.stats.NumberDelay[90] * 1.0);

        // The probabilities are shown rounded.
        f.area->selectEntry(kProbabilityChart);
        QCOMPARE(f.chart(2)->value(0, 10), double(RoundedProbability(f.g.stats.NumberProbability[11])));
    }

    void summaryChartOrdersBySeriesAndClickReverses() {
        Fixture f;
        f.area->selectEntry(kDelaySummaryChart);
        auto* page = qobject_cast<SummaryChartPage*>(f.area->page(kDelaySummaryChart));
        QVERIFY(page);
        QStringList items;
        for (int i = 0; i < page->OrderBox->count(); ++i) items << page->OrderBox->itemText(i);
        QCOMPARE(items, (QStringList{"Numeri", "Ritardi attuali", "Ritardi minimi", "Ritardi medi",
                                     "Ritardi massimi"}));
        BarChart* chart = f.chart(kDelaySummaryChart);
        QCOMPARE(chart->seriesCount(), 4);
        QCOMPARE(chart->labels().front(), QString("1"));
        QCOMPARE(chart->series()[1].color, QColor(0x22, 0xC0, 0x22));
        QCOMPARE(chart->series()[2].color, QColor(Qt::white));
        QCOMPARE(chart->series()[3].color, QColor(0xE0, 0x20, 0x20));

        page->OrderBox->setCurrentIndex(4); // the maximum delays, largest first
        const std::vector<double> maxima = Values(chart, 3);
        QVERIFY(std::is_sorted(maxima.rbegin(), maxima.rend()));
        QVERIFY(maxima.front() > maxima.back());
        emit chart->clicked(0);
        const std::vector<double> upwards = Values(chart, 3);
        QVERIFY(std::is_sorted(upwards.begin(), upwards.end()));
        page->OrderBox->setCurrentIndex(0);
        QCOMPARE(chart->labels().front(), QString("1"));
        emit chart->clicked(0);
        QCOMPARE(chart->labels().front(), QString("90"));
    }

    void frequencySummaryWithoutHistoricalWindowShowsZeros() {
        Fixture f(20); // fewer draws than the window of 100
        f.area->selectEntry(kFrequencySummaryChart);
        BarChart* chart = f.chart(kFrequencySummaryChart);
        for (int s = 1; s < 4; ++s)
            for (double v : Values(chart, s)) QCOMPARE(v, 0.0);
        QCOMPARE(f.g.settings.ifNumEstra, 20);
    }

    void emptyArchiveShowsZeroBars() {
        Fixture f(0);
        for (int entry : {0, 1, 3, 5, 6, 10, 11}) {
            f.area->selectEntry(entry);
            for (int s = 0; s < f.chart(entry)->seriesCount(); ++s)
                for (double v : Values(f.chart(entry), s)) QCOMPARE(v, 0.0);
        }
        QCOMPARE(f.g.settings.ifNumEstra, 100); // an empty archive leaves the chosen window alone
        f.area->selectEntry(kProbabilityChart);
        QCOMPARE(f.chart(2)->value(0, 0), 7.0); // 6/90 of each weight: 6,67
        f.area->selectEntry(kDelayChart);
        QVERIFY(!f.chart(0)->grab().isNull());
    }

    void circleOpensModallyAndTheSelectorGoesBack() {
        Fixture f;
        f.area->selectEntry(kDigitDelayChart);
        WithModal<TCerchioCiclometricoSE>([&] { f.area->ComboBox1->setCurrentIndex(kCyclometricCircle); },
                                          [](TCerchioCiclometricoSE*) {});
        QCOMPARE(f.area->ComboBox1->currentIndex(), int(kDigitDelayChart));
        QCOMPARE(f.area->currentEntry(), int(kDigitDelayChart));
        WithModal<TCerchioCiclometricoSE>(
            [&] { f.window->findChild<QAction*>("CerchiociclometricoSuperenalotto1")->trigger(); },
            [](TCerchioCiclometricoSE*) {});
        QCOMPARE(f.area->ComboBox1->currentIndex(), int(kDigitDelayChart));
    }

    void helpButtonsOpenTheirTopics() {
        Fixture f;
        for (int entry : {0, 3, 6}) {
            f.area->selectEntry(entry);
            f.window->findChild<QToolButton*>(QString("HelpButton%1").arg(entry))->click();
        }
        QCOMPARE(f.fake.help.topics,
                 (QStringList{"stats_ritardi.htm", "stats_rit10c.htm", "stats_freqammm.htm"}));
    }

    void pagesGivenFromOutsideReplaceTheEmptyOnes() {
        Fixture f;
        f.area->selectEntry(kCombinationAnalysis);
        auto* page = new QLabel("analisi");
        f.area->setPage(kCombinationAnalysis, page);
        QCOMPARE(f.area->pages->currentWidget(), page);
        QCOMPARE(f.area->page(kCombinationAnalysis), page);
        f.area->setPage(kDelayChart, new QLabel("no")); // chart entries keep their charts
        QVERIFY(qobject_cast<BarChart*>(f.chart(0)));
        QCOMPARE(&StatisticsAreaOf(*f.window, f.g, f.fake.services), f.area);
    }

    void viewFollowsAnArchiveChangedByACommand() {
        Fixture f;
        // Stands in for the internet update: a command that adds a draw.
        f.window->registerCommand("AggiornadaInternet1Click", [&f] {
            f.g.archive.insertDraw(MakeDraw(5, 6, 2022, {11, 22, 33, 44, 55, 66}));
        });
        QVERIFY(f.chart(0)->value(0, 10) > 0);
        f.window->findChild<QAction*>("AggiornadaInternet1")->trigger();
        QCOMPARE(f.chart(0)->value(0, 10), 0.0); // number 11 was just drawn
    }

    void panelShowsTheHoveredNumber() {
        Fixture f;
        f.g.settings.decimali = 3;
        struct Case {
            int number;
            int top;
        };
        for (const Case& c : {Case{50, 42}, Case{3, 0}, Case{90, 77}, Case{84, 76}}) {
            emit f.window->numberHovered(c.number);
            QVERIFY(f.window->EnterLeavePan1->isVisible());
            QCOMPARE(f.vdb()->verticalScrollBar()->value(), c.top);
            QCOMPARE(f.vdb()->selectionModel()->selectedRows().size(), 1);
            QCOMPARE(f.vdb()->selectionModel()->selectedRows().front().row(), c.number - 1);
        }
        const int n = 50;
        QCOMPARE(f.vdb()->item(n - 1, 0)->text(), QString("50"));
        QCOMPARE(f.vdb()->item(n - 1, 1)->text(), QString::number(f.g.stats.NumberDelay[n]));
        QCOMPARE(f.vdb()->item(n - 1, 2)->text(), QString::number(f.g.stats.NumberFrequency[n]));
        QCOMPARE(f.vdb()->item(n - 1, 3)->text(),
                 QString::fromStdString(PanelRowFor(f.g.stats, n, 3).probability));
        QVERIFY(f.vdb()->item(n - 1, 3)->text().contains(QRegularExpression("^\\d+,\\d{3}$")));

        // Hovering the real board shows it too.
        f.window->EnterLeavePan1->hide();
        QTest::mouseMove(f.window->Vss, NumberBoard::cellRect(27).center());
        QVERIFY(f.window->EnterLeavePan1->isVisible());
        QCOMPARE(f.vdb()->selectionModel()->selectedRows().front().row(), 26);
        SaveGrab(f.window.get(), "stats_panel");
    }

    void panelClicksAddAndRemoveNumbers() {
        Fixture f;
        emit f.window->numberHovered(20);
        QTableWidget* vdb = f.vdb();
        const QPoint row20 = vdb->visualItemRect(vdb->item(19, 0)).center();
        const QPoint row21 = vdb->visualItemRect(vdb->item(20, 0)).center();
        QTest::mouseClick(vdb->viewport(), Qt::LeftButton, {}, row20);
        QVERIFY(f.g.system.forecast.has(20));
        QVERIFY(f.g.system.modified);
        QCOMPARE(f.window->Label13->text(), QString("Pronostico iniziale: 1 numeri"));
        QTest::mouseClick(vdb->viewport(), Qt::RightButton, {}, row21); // absent: nothing to remove
        QCOMPARE(f.g.system.forecast.count(), 1);
        f.g.system.relativeWinProbability = 12;
        QTest::mouseClick(vdb->viewport(), Qt::RightButton, {}, row20);
        QVERIFY(!f.g.system.forecast.has(20));
        QCOMPARE(f.g.system.relativeWinProbability, -1.0);
    }

    void panelHeadingsOpenTheSettings() {
        Fixture f;
        emit f.window->numberHovered(1);
        QHeaderView* header = f.vdb()->horizontalHeader();
        QCOMPARE(f.vdb()->horizontalHeaderItem(4)->text(), QString("Grafico probabilità"));
        const auto clickHeading = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
        };
        WithModal<TImpoCalcoloRitardi>([&] { clickHeading(1); }, [](TImpoCalcoloRitardi*) {});
        WithModal<TImpoCalcoloFrequenze>(
            [&] { clickHeading(2); },
            [](TImpoCalcoloFrequenze* w) { QVERIFY(w->CheckBox1->isVisibleTo(w)); });
        WithModal<TImpoProbabilita>([&] { clickHeading(3); }, [](TImpoProbabilita*) {});
        WithModal<TImpoProbabilita>([&] { clickHeading(4); }, [](TImpoProbabilita*) {});
    }

    void pictures() {
        if (qgetenv("SESTAVIA_GRAB_DIR").isEmpty()) QSKIP("pictures only when a folder is given");
        Fixture f(400);
        for (int entry = 0; entry < 12; ++entry) {
            if (entry == kCyclometricCircle) continue;
            f.area->selectEntry(entry);
            if (BarChart* chart = f.chart(entry)) chart->setCaptionPinned(entry == 0 || entry == 5);
            SaveGrab(f.window.get(), QString("stats_entry_%1").arg(entry));
        }
    }
};

QTEST_MAIN(StatisticsAreaTest)
#include "statistics_area_test.moc"
