#include "reductions/mathematical/URidGaranzia.h"
#include "reductions/mathematical/URidOrtogonale.h"

#include "core/Globali.h"
#include "reductions/mathematical/forecast_reduction.h"

#include "fake_clock.h"
#include "child_control.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct Fixture {
    Fixture() : g(messages, clock), fake(messages) {
        clock.step = 1000;
        g.undo.allocate();
        g.dirs.appDir = dir.path().toStdString() + "/";
        for (const int n : {10, 20, 30, 40, 50, 60, 70, 80}) g.system.forecast.set(n, true);
    }
    void orthogonalTable() {
        std::string error;
        const std::vector<ImmediateTable> tables{
            {8, 3, {Column{{1, 2, 3, 4, 5, 6}}, Column{{1, 2, 3, 6, 7, 8}}, Column{{3, 4, 5, 6, 7, 8}}}}};
        QVERIFY(
            WriteImmediateReducerFile(ImmediateFilePath(g.dirs, CoveringKind::Orthogonal), tables, error));
    }

    QTemporaryDir dir;
    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
};

QStringList Column2(QWidget& w) {
    QStringList out;
    auto* list = Child<QTreeWidget>(w, "ListView1");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0) + ":" + list->topLevelItem(i)->text(1);
    return out;
}

// The shipped covering of (kind, v, t) from the manifest, mapped onto the forecast's numbers.
std::vector<Column> ShippedCovering(const std::string& kind, int v, int t, const std::vector<int>& forecast) {
    const std::string dir = SESTAVIA_COVERINGS_DIR "/";
    std::ifstream manifest(dir + "manifest.txt");
    std::string line, file;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string k, name;
        int vv = 0, tt = 0, size = 0, seed = 0, seconds = 0;
        if (fields >> k >> vv >> tt >> size >> seed >> seconds >> name && k == kind && vv == v && tt == t)
            file = name;
    }
    std::vector<Column> out;
    std::ifstream in(dir + file);
    while (std::getline(in, line)) {
        std::istringstream numbers(line);
        std::vector<int> c;
        for (int n = 0; numbers >> n;) c.push_back(forecast[static_cast<std::size_t>(n - 1)]);
        if (c.size() != 6) continue;
        std::sort(c.begin(), c.end());
        Column col{};
        for (std::size_t i = 0; i < 6; ++i) col.n[i] = static_cast<Number>(c[i]);
        out.push_back(col);
    }
    return out;
}

} // namespace

class ForecastReductionWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsControlsAndDefaults() {
        Fixture f;
        TRidOrtogonale w(f.g, f.fake.services);
        w.show();
        QCOMPARE(w.windowTitle(), QString("Riduzione ortogonale del pronostico"));
        auto* combo = Child<QComboBox>(w, "ComboBox1");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentText(), QString("3"));
        QCOMPARE(Child<QCheckBox>(w, "usafisse")->text(), QString("Considera fisse"));
        QVERIFY(!Child<QCheckBox>(w, "usafisse")->isEnabled());
        QCOMPARE(Child<QPushButton>(w, "gobtn")->text(), QString("Avvia"));
        QVERIFY(Child<QPushButton>(w, "gobtn")->isDefault());
        QVERIFY(!Child<QPushButton>(w, "stopbtn")->isEnabled());
        QCOMPARE(Child<QPushButton>(w, "BitBtn1")->text(), QString("Scarica riduttori"));
        QCOMPARE(Child<QLabel>(w, "Label3")->text(), QString("Nº stimato di colonne: non disponibile"));
        QCOMPARE(Child<QLabel>(w, "Label4")->text(), QString("Tipo di riduzione: non immediata"));
        QCOMPARE(Child<QTreeWidget>(w, "ListView1")->headerItem()->text(0), QString("Punti nel pronostico"));
        QCOMPARE(Child<QTreeWidget>(w, "ListView1")->headerItem()->text(1),
                 QString("Punti garantiti nelle colonne"));
        QCOMPARE(Column2(w), (QStringList{"6:3", "5:3", "4:3", "3:3", "2:2", "1:1"}));

        TRidGaranzia gw(f.g, f.fake.services);
        gw.show();
        QCOMPARE(gw.windowTitle(), QString("Riduzione del pronostico a garanzia"));
        QCOMPARE(Column2(gw), (QStringList{"6:3", "5:2", "4:1", "3:0", "2:0", "1:0"}));
        Child<QComboBox>(gw, "ComboBox1")->setCurrentIndex(3);
        QCOMPARE(Column2(gw), (QStringList{"6:5", "5:4", "4:3", "3:2", "2:1", "1:0"}));
    }

    void labelRuleFollowsTableAndFixedOption() {
        Fixture f;
        f.orthogonalTable();
        f.g.system.fixed.count = 1;
        f.g.system.fixed.numbers[0] = 20;
        TRidOrtogonale w(f.g, f.fake.services);
        w.show();
        auto* fixed = Child<QCheckBox>(w, "usafisse");
        QVERIFY(fixed->isEnabled() && fixed->isChecked());
        QCOMPARE(Child<QLabel>(w, "Label3")->text(), QString("Nº stimato di colonne: non disponibile"));
        QCOMPARE(Child<QLabel>(w, "Label4")->text(),
                 QString("Tipo di riduzione: non immediata (controllo fisse)"));
        fixed->click();
        QCOMPARE(Child<QLabel>(w, "Label3")->text(), QString("Nº stimato di colonne: 3"));
        QCOMPARE(Child<QLabel>(w, "Label4")->text(), QString("Tipo di riduzione: immediata"));
        Child<QComboBox>(w, "ComboBox1")->setCurrentIndex(0);
        QCOMPARE(Child<QLabel>(w, "Label4")->text(), QString("Tipo di riduzione: non immediata"));
    }

    void immediateRunAppendsAndCloses() {
        Fixture f;
        f.orthogonalTable();
        TRidOrtogonale w(f.g, f.fake.services);
        w.show();
        Child<QPushButton>(w, "gobtn")->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(f.g.system.columns.count, 3);
        QCOMPARE(f.g.system.columns.at(1), (Column{{10, 20, 30, 40, 50, 60}}));
        QVERIFY(f.g.system.modified);
        QVERIFY(f.messages.shown.empty());
    }

    void shippedTablesServeATwentyNumberForecast() {
        // The tables the build wrote, reached as the menu reaches them, on 20 scattered numbers.
        for (const std::string kind : {"orto", "gara"}) {
            Fixture f;
            for (const char* name : {"Sestavia.sxr", "Sestavia.sxg"})
                std::filesystem::copy_file(std::string(SESTAVIA_TABLES_DIR "/") + name,
                                           f.g.dirs.appDir + name);
            f.g.system.forecast = {};
            std::vector<int> forecast;
            for (int i = 0; i < 20; ++i) forecast.push_back(4 + 4 * i);
            for (int n : forecast) f.g.system.forecast.set(n, true);
            const int t = kind == "orto" ? 3 : 4;
            const std::vector<Column> expected = ShippedCovering(kind, 20, t, forecast);
            QVERIFY(!expected.empty());
            std::unique_ptr<QDialog> w;
            if (kind == "orto")
                w = std::make_unique<TRidOrtogonale>(f.g, f.fake.services);
            else
                w = std::make_unique<TRidGaranzia>(f.g, f.fake.services);
            w->show();
            Child<QComboBox>(*w, "ComboBox1")
                ->setCurrentIndex(Child<QComboBox>(*w, "ComboBox1")->findText(QString::number(t)));
            QCOMPARE(Child<QLabel>(*w, "Label4")->text(), QString("Tipo di riduzione: immediata"));
            QCOMPARE(Child<QLabel>(*w, "Label3")->text(),
                     QString("Nº stimato di colonne: %1").arg(expected.size()));
            Child<QPushButton>(*w, "gobtn")->click();
            QCOMPARE(w->result(), int(QDialog::Accepted));
            QVERIFY(!w->isVisible());
            QCOMPARE(f.g.system.columns.count, static_cast<int>(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i)
                QCOMPARE(f.g.system.columns.at(static_cast<int>(i + 1)), expected[i]);
        }
    }

    void searchRunThatAddsNothingStaysOpen() {
        Fixture f;
        // Every pair of the forecast already lies in these columns.
        std::vector<Column> existing{Column{{10, 20, 30, 40, 50, 60}}, Column{{10, 20, 30, 60, 70, 80}},
                                     Column{{10, 40, 50, 60, 70, 80}}, Column{{20, 30, 40, 50, 70, 80}}};
        EnsureCapacity(f.g.system.columns, 10, f.messages);
        for (std::size_t i = 0; i < existing.size(); ++i)
            f.g.system.columns.at(static_cast<int>(i + 1)) = existing[i];
        f.g.system.columns.count = 4;
        TRidGaranzia w(f.g, f.fake.services);
        w.show();
        Child<QComboBox>(w, "ComboBox1")->setCurrentIndex(0);
        Child<QPushButton>(w, "gobtn")->click();
        QVERIFY(w.isVisible());
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.messages.last().text),
                 QString("Non è stata aggiunta nemmeno una colonna!\rVerificare la presenza delle fisse nel "
                         "pronostico."));
        QCOMPARE(f.g.system.columns.count, 4);
        QVERIFY(Child<QPushButton>(w, "gobtn")->isEnabled());
        QVERIFY(!Child<QPushButton>(w, "stopbtn")->isEnabled());
    }

    void damagedTableAsksAndOpensTheInstallPage() {
        Fixture f;
        f.orthogonalTable();
        const std::string path = ImmediateFilePath(f.g.dirs, CoveringKind::Orthogonal);
        {
            std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
            file.seekp(-1, std::ios::end);
            file.put(static_cast<char>(7 << 1));
        }
        f.messages.answerNext(MessageAnswer::Ok);
        f.messages.answerNext(MessageAnswer::Yes);
        TRidOrtogonale w(f.g, f.fake.services);
        w.show();
        Child<QPushButton>(w, "gobtn")->click();
        QCOMPARE(f.messages.shown.size(), size_t(2));
        QCOMPARE(QString::fromStdString(f.messages.shown[0].title), QString("Errore fatale"));
        QCOMPARE(
            f.fake.shell.urls,
            QStringList{"https://www.carovela-superenalotto.it/superenalotto/riduttori_immediati/index.php"});
        QVERIFY(!w.isVisible());
        QCOMPARE(f.g.system.columns.count, 0);
    }

    void downloadPageAndHelp() {
        Fixture f;
        {
            TRidOrtogonale w(f.g, f.fake.services);
            w.show();
            Child<QPushButton>(w, "BitBtn1")->click();
            Child<QPushButton>(w, "BitBtn3")->click();
        }
        f.orthogonalTable();
        {
            TRidOrtogonale w(f.g, f.fake.services);
            w.show();
            Child<QPushButton>(w, "BitBtn1")->click();
        }
        TRidGaranzia gw(f.g, f.fake.services);
        gw.show();
        Child<QPushButton>(gw, "BitBtn1")->click();
        Child<QPushButton>(gw, "BitBtn3")->click();
        const QString base =
            "https://www.carovela-superenalotto.it/superenalotto/riduttori_immediati/index.php";
        const qint64 size =
            QFileInfo(QString::fromStdString(ImmediateFilePath(f.g.dirs, CoveringKind::Orthogonal))).size();
        QCOMPARE(f.fake.shell.urls,
                 (QStringList{base + "?idm=o&idf=-1", base + QString("?idm=o&idf=%1").arg(size),
                              base + "?idm=g&idf=-1"}));
        QCOMPARE(f.fake.help.topics, (QStringList{"mdr_ortopro.htm", "mdr_garapro.htm"}));
    }

    void scoreSettingIsReadOnActivationAndWrittenOnClose() {
        Fixture f;
        {
            SettingsKey key(f.g.settingsStore());
            f.g.settingsStore().writeInteger("IDE_RidGaraPro", 3);
        }
        TRidGaranzia w(f.g, f.fake.services);
        w.show();
        QCOMPARE(Child<QComboBox>(w, "ComboBox1")->currentText(), QString("5"));
        Child<QComboBox>(w, "ComboBox1")->setCurrentIndex(0);
        Child<QPushButton>(w, "BitBtn4")->click();
        SettingsKey key(f.g.settingsStore());
        QCOMPARE(f.g.settingsStore().readInteger("IDE_RidGaraPro").value_or(-1), 0);
        QVERIFY(!f.g.settingsStore().readInteger("IDE_RidOrtog"));
    }
};

QTEST_MAIN(ForecastReductionWindowsTest)
#include "forecast_reduction_windows_test.moc"
