#include "core/Globali.h"
#include "shell/UPri.h"
#include "ui/column_strip.h"
#include "ui/gui_services.h"
#include "ui/number_board.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

// A fresh program state and main window for each test.
struct Fixture {
    RecordingMessages messages;
    FakeClock clock;
    Globali g{messages, clock};
    FakeGuiServices fake{messages};
    std::unique_ptr<TPri> window;

    Fixture() {
        window = std::make_unique<TPri>(g, fake.services);
        window->resize(1200, 800);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    ~Fixture() {
        g.system.modified = false; // closing the window must not ask
    }

    QLabel* label(const char* name) { return window->findChild<QLabel*>(name); }
    QLineEdit* edit(int n) { return window->findChild<QLineEdit*>(QString("Edit%1").arg(n)); }
    QAction* item(const char* name) { return window->findChild<QAction*>(name); }
    NumberBoard* board() { return window->findChild<NumberBoard*>("Vss"); }

    void setForecast(int n) {
        for (int i = 1; i <= n; ++i) g.system.forecast.set(i, true);
    }
    void setColumns(std::int32_t k) {
        QVERIFY(g.system.columns.tryResize(k > 0 ? k : 1));
        for (std::int32_t i = 1; i <= k; ++i) g.system.columns.at(i) = Column{{1, 2, 3, 4, 5, 6}};
        g.system.columns.count = k;
    }
};

QPoint CellCentre(int number) {
    return NumberBoard::cellRect(number).center();
}

void Drag(QWidget* board, Qt::MouseButton button, const QList<int>& numbers) {
    QTest::mousePress(board, button, Qt::NoModifier, CellCentre(numbers.front()));
    for (int n : numbers) {
        QMouseEvent move(QEvent::MouseMove, QPointF(CellCentre(n)),
                         board->mapToGlobal(QPointF(CellCentre(n))), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(board, &move);
    }
    QTest::mouseRelease(board, button, Qt::NoModifier, CellCentre(numbers.back()));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void boardCellFormula() {
        struct Case {
            QPoint at;
            int number;
        } cases[] = {
            {{0, 0}, 1},   {{41, 28}, 1},  {{42, 0}, 2},   {{0, 29}, 11},  {{429, 269}, 90},
            {{-5, -5}, 1}, {{900, 0}, 10}, {{0, 900}, 81}, {{85, 59}, 23}, {{428, 0}, 10},
        };
        for (const Case& c : cases) QCOMPARE(NumberBoard::numberAt(c.at), c.number);
        for (int n = 1; n <= 90; ++n) QCOMPARE(NumberBoard::numberAt(CellCentre(n)), n);
    }

    void leftDragPaintsAndRightDragErasesOncePerCell() {
        Fixture f;
        int edits = 0;
        QObject::connect(f.board(), &NumberBoard::forecastEdited, [&edits](int, bool) { ++edits; });

        // Across the first row and down the first column, lingering on some cells.
        Drag(f.board(), Qt::LeftButton, {1, 1, 2, 3, 3, 3, 4, 14, 24});
        QCOMPARE(edits, 6);
        for (int n : {1, 2, 3, 4, 14, 24}) QVERIFY(f.g.system.forecast.has(n));
        QCOMPARE(f.g.system.forecast.count(), 6);
        QVERIFY(f.g.system.modified);
        QCOMPARE(f.label("Label13")->text(), QString("Pronostico iniziale: 6 numeri"));
        QCOMPARE(f.label("Label14")->text(), QString("Sviluppo integrale: 1 colonne"));

        f.g.system.relativeWinProbability = 5;
        edits = 0;
        Drag(f.board(), Qt::RightButton, {2, 3, 3, 4, 5});
        QCOMPARE(edits, 4); // 5 was not in the forecast, but the pointer crossed it
        QCOMPARE(f.g.system.forecast.count(), 3);
        for (int n : {1, 14, 24}) QVERIFY(f.g.system.forecast.has(n));
        QCOMPARE(f.g.system.relativeWinProbability, -1.0);
        QCOMPARE(f.label("Label13")->text(), QString("Pronostico iniziale: 3 numeri"));
    }

    void movingWithoutAButtonChangesNothing() {
        Fixture f;
        int hovered = 0;
        QObject::connect(f.window.get(), &TPri::numberHovered, [&hovered](int n) { hovered = n; });
        QTest::mouseMove(f.board(), CellCentre(37));
        QMouseEvent move(QEvent::MouseMove, QPointF(CellCentre(45)),
                         f.board()->mapToGlobal(QPointF(CellCentre(45))), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f.board(), &move);
        QCOMPARE(hovered, 45);
        QCOMPARE(f.g.system.forecast.count(), 0);
        QVERIFY(!f.g.system.modified);
    }

    void pressingAgainOnTheLastCellTogglesIt() {
        Fixture f;
        QTest::mouseClick(f.board(), Qt::LeftButton, Qt::NoModifier, CellCentre(50));
        QVERIFY(f.g.system.forecast.has(50));
        QTest::mouseClick(f.board(), Qt::RightButton, Qt::NoModifier, CellCentre(50));
        QVERIFY(!f.g.system.forecast.has(50));
    }

    void summaryOfTheWorkedExample() {
        Fixture f;
        f.setForecast(10);
        f.setColumns(70);
        f.window->findChild<QCheckBox*>("CheckBox1")->setChecked(true); // refreshes the summary
        QVERIFY(f.g.system.superStar);
        QCOMPARE(f.label("Label17")->text(), QString("Costo sistema integrale: 315,00 €"));
        QCOMPARE(f.label("Label21")->text(), QString("Costo colonne finali: 105,00 €"));
        QCOMPARE(f.label("Label22")->text(), QString("Percentuale di riduzione: 66,6667 %"));
        QCOMPARE(f.label("Label18")->text(), QString("Nº di colonne finali: 70"));
        QCOMPARE(f.label("Label23")->text(), QString("Stato sistema: non modificato"));
        QCOMPARE(f.label("Label5")->text(), QString("Probabilità relativa di vincita: non calcolata"));
        f.window->findChild<QCheckBox*>("CheckBox1")->setChecked(false);
        QCOMPARE(f.label("Label17")->text(), QString("Costo sistema integrale: 210,00 €"));
        QCOMPARE(f.window->findChild<QCheckBox*>("CheckBox1")->text(),
                 QString("Partecipazione a \"SuperStar\""));
    }

    void fixedFieldKeysAndChanges() {
        Fixture f;
        QLineEdit* e = f.edit(23);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Left);
        QTest::keyClick(e, Qt::Key_Tab);
        QVERIFY(!f.g.system.modified); // moving is not typing
        QTest::keyClicks(e, "a1b");
        QCOMPARE(e->text(), QString("1"));
        QVERIFY(f.g.system.modified); // any key typed, even a discarded one
        QVERIFY(f.messages.shown.empty());

        QTest::keyClick(e, Qt::Key_5);
        QCOMPARE(e->text(), QString("15"));
        QTest::keyClick(e, Qt::Key_5); // two characters at most
        QCOMPARE(e->text(), QString("15"));

        // Values that are no number 1..90 are refused as they are typed.
        struct Case {
            const char* typed;
        } cases[] = {{"0"}, {"00"}, {"91"}, {"99"}};
        for (const Case& c : cases) {
            e->clear();
            f.messages.shown.clear();
            QTest::keyClicks(e, c.typed);
            QCOMPARE(e->text(), QString());
            QVERIFY(!f.messages.shown.empty());
            QCOMPARE(QString::fromStdString(f.messages.last().text),
                     QString("Il valore inserito non è valido!"));
        }
    }

    void leavingAFieldValidatesAndReturnsTheFocus() {
        Fixture f;
        f.setForecast(10);
        struct Case {
            QStringList fields;
            const char* text; // nullptr: no message
            int storedCount;
        } cases[] = {
            {{"40", "", "", "", ""},
             "Uno dei numeri inseriti come fissa non è presente nel pronostico!\rInserire il "
             "numero nel pronostico o eliminare la fissa.",
             0},
            {{"3", "", "3", "", ""}, "Uno dei numeri inseriti come fissa non è valido!", 0},
            {{"3", "", "7", "", ""}, nullptr, 2},
        };
        for (const Case& c : cases) {
            f.messages.shown.clear();
            for (int i = 0; i < 5; ++i) f.edit(23 + i)->setText(c.fields[i]);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(f.edit(25), &out);
            if (c.text) {
                QCOMPARE(f.messages.shown.size(), std::size_t{1});
                QCOMPARE(QString::fromStdString(f.messages.last().text), QString(c.text));
                QCOMPARE(QString::fromStdString(f.messages.last().title), QString("Attenzione"));
                QCOMPARE(QApplication::focusWidget(), f.edit(25));
            } else {
                QVERIFY(f.messages.shown.empty());
            }
            QCOMPARE(f.g.system.fixed.count, c.storedCount);
        }
        QCOMPARE(f.label("Label1")->text(), QString("Numero fisse: 2"));

        // A message box taking the focus is not leaving the field.
        f.messages.shown.clear();
        f.edit(23)->setText("40");
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.edit(23), &away);
        QVERIFY(f.messages.shown.empty());
    }

    void showFixedWritesTheStoredNumbersWithoutChecking() {
        Fixture f;
        f.g.system.fixed.count = 2;
        f.g.system.fixed.numbers = {12, 7, 0, 0, 0};
        f.window->ShowFixed();
        QCOMPARE(f.edit(23)->text(), QString("12"));
        QCOMPARE(f.edit(24)->text(), QString("7"));
        QCOMPARE(f.edit(25)->text(), QString());
        QVERIFY(f.messages.shown.empty());
        QVERIFY(!f.g.system.modified);
    }

    void menuItemsAreDisabledUntilRegistered() {
        Fixture f;
        QVERIFY(f.window->findChild<QMenuBar*>("MainMenu1"));
        QVERIFY(f.window->findChild<QMenu*>("Metodidiriduzione1"));
        QVERIFY(f.window->findChild<QMenu*>("Riapri1"));
        for (const char* live :
             {"Fine1", "Sommario1", "HomePage1", "Informazioni1", "Sviluppointegraledelpronostico1"})
            QVERIFY2(f.item(live) && f.item(live)->isEnabled(), live);
        for (const char* dead :
             {"Nuovo1", "Riduzionecondizionata1", "Spogliodellecolonne1", "Graficodeiritardi1"})
            QVERIFY2(f.item(dead) && !f.item(dead)->isEnabled(), dead);
        QCOMPARE(f.item("Informazioni1")->text(), QString("Informazioni su CAROVELA SUPERENALOTTO"));
        QCOMPARE(f.item("Nuovo1")->shortcut(), QKeySequence("Ctrl+N"));

        QToolBar* bar = f.window->findChild<QToolBar*>("Miopan1");
        QVERIFY(bar);
        int buttons = 0;
        for (QAction* a : bar->actions())
            if (a->objectName().startsWith("ToolButton")) ++buttons;
        QCOMPARE(buttons, 17);
        QAction* button5 = f.window->findChild<QAction*>("ToolButton5");
        QCOMPARE(button5->toolTip(), QString(" Riduzione condizionata "));
        QVERIFY(!button5->isEnabled());

        int runs = 0;
        f.window->registerCommand("Riduzionecondizionata1Click", [&runs] { ++runs; });
        QVERIFY(f.item("Riduzionecondizionata1")->isEnabled());
        QVERIFY(button5->isEnabled());

        // The button runs the item: its checks first, then the command.
        f.setForecast(5);
        button5->trigger();
        QCOMPARE(runs, 0);
        QCOMPARE(
            QString::fromStdString(f.messages.last().text),
            QString("Il pronostico iniziale non contiene abbastanza numeri!\rInserire almeno 6 numeri."));
        f.g.system.forecast.set(6, true);
        button5->trigger();
        QCOMPARE(runs, 1);
    }

    void commandsRefreshAfterTheirWindowCloses() {
        Fixture f;
        f.setForecast(10);
        f.window->registerCommand("Sviluppointegraledelpronostico1Click", [&f] {
            f.setColumns(210);
            f.g.system.invalidateResults();
        });
        f.item("Sviluppointegraledelpronostico1")->trigger();
        QCOMPARE(f.label("Label18")->text(), QString("Nº di colonne finali: 210"));
        QCOMPARE(f.label("Label22")->text(), QString("Percentuale di riduzione: 0,0 %"));
        QCOMPARE(f.label("Label23")->text(), QString("Stato sistema: non salvato"));
        QVERIFY(!f.window->findChild<QLabel*>("Label2")->text().isEmpty());
    }

    void statisticsItemsReceiveTheirTag() {
        Fixture f;
        QList<int> tags;
        f.window->registerTaggedCommand("Statistiche1Click", [&tags](int tag) { tags << tag; });
        f.item("Lasmorfia1")->trigger();
        f.item("Graficodeiritardi1")->trigger();
        f.item("FrequenzedelnumeroSuperStar1")->trigger();
        QCOMPARE(tags, (QList<int>{8, 0, 11}));
    }

    void probabilityLabelsRunTheirCommands() {
        Fixture f;
        f.setForecast(6);
        f.setColumns(1);
        QStringList ran;
        f.window->registerCommand("Calcolaprobabilitrelativadivincita1Click", [&ran] { ran << "relative"; });
        f.window->registerCommand("Calcolaprobabilitassolutadivincita1Click", [&ran] { ran << "absolute"; });
        QTest::mouseClick(f.label("Label4"), Qt::LeftButton);
        QTest::mouseClick(f.label("Label5"), Qt::LeftButton);
        QCOMPARE(ran, (QStringList{"absolute", "relative"}));
    }

    void helpItems() {
        Fixture f;
        f.item("Sommario1")->trigger();
        QCOMPARE(f.fake.help.contentsShown, 1);
        QCOMPARE(f.item("Sommario1")->shortcut(), QKeySequence(Qt::Key_F1));
        f.item("HomePage1")->trigger();
        QCOMPARE(f.fake.shell.urls.size(), 1);
        QVERIFY(f.fake.shell.urls.front().startsWith("https://"));
        f.item("Informazioni1")->trigger();
        QCOMPARE(QString::fromStdString(f.messages.last().title),
                 QString("Informazioni su CAROVELA SUPERENALOTTO"));
        QCOMPARE(f.messages.last().icon, MessageIcon::Information);
    }

    void closingAsksToSaveAModifiedSystem() {
        struct Case {
            bool modified;
            MessageAnswer answer;
            bool saveClears; // what "Salva con nome" achieves
            bool closes;
            int questions;
            int saves;
        } cases[] = {
            {false, MessageAnswer::Yes, true, true, 0, 0},    {true, MessageAnswer::No, true, true, 1, 0},
            {true, MessageAnswer::Cancel, true, false, 1, 0}, {true, MessageAnswer::Yes, true, true, 1, 1},
            {true, MessageAnswer::Yes, false, false, 1, 1}, // the save dialog was cancelled
        };
        for (const Case& c : cases) {
            Fixture f;
            int saves = 0;
            f.window->registerCommand("Salvaconnome1Click", [&] {
                ++saves;
                if (c.saveClears) f.g.system.modified = false;
            });
            f.g.system.modified = c.modified;
            f.messages.answerNext(c.answer);
            QCloseEvent close;
            QApplication::sendEvent(f.window.get(), &close);
            QCOMPARE(close.isAccepted(), c.closes);
            QCOMPARE(static_cast<int>(f.messages.shown.size()), c.questions);
            QCOMPARE(saves, c.saves);
            if (c.questions) {
                const Message& m = f.messages.shown.front();
                QCOMPARE(QString::fromStdString(m.text),
                         QString("Il sistema attuale non è stato salvato!\rSalvare il sistema sul disco ?"));
                QCOMPARE(m.buttons, MessageButtons::YesNoCancel);
                QCOMPARE(m.icon, MessageIcon::Question);
            }
            if (c.closes) QVERIFY(!f.g.system.modified);
        }
    }

    void commandsWithTheSaveQuestionStopOnCancel() {
        Fixture f;
        int runs = 0;
        f.window->registerCommand("Nuovo1Click", [&runs] { ++runs; });
        f.g.system.modified = true;
        f.messages.answerNext(MessageAnswer::Cancel);
        f.item("Nuovo1")->trigger();
        QCOMPARE(runs, 0);
        f.messages.answerNext(MessageAnswer::No);
        f.item("Nuovo1")->trigger();
        QCOMPARE(runs, 1);
    }

    void registeredWindowsOpenModally() {
        struct Case {
            const char* item;
            const char* windowClass;
        } cases[] = {
            {"Modificacostodellecolonne1", "TImpoCostoCol"},
            {"Sviluppointegraledelpronostico1", "TSviluppoIntegrale"},
        };
        for (const Case& c : cases) {
            Fixture f;
            f.setForecast(6);
            QString opened;
            QTimer::singleShot(0, [&opened] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    opened = modal->metaObject()->className();
                    modal->close();
                }
            });
            QVERIFY(f.item(c.item)->isEnabled());
            f.item(c.item)->trigger();
            QCOMPARE(opened, QString(c.windowClass));
            QVERIFY(f.messages.shown.empty());
        }
    }

    void firstActivationSetsTheTag() {
        Fixture f;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(f.window.get(), &activate);
        QCOMPARE(f.window->tag(), 1);
        QCOMPARE(f.window->windowTitle(), QString("CAROVELA SUPERENALOTTO"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
