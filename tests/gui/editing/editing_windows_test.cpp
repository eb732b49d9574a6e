#include "core/Globali.h"
#include "editing/UComandiColonne.h"
#include "editing/UEliminaGiocate.h"
#include "editing/UInserisciModificaColonne.h"
#include "shell/UPri.h"
#include "ui/column_strip.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

Column Numbered(int p) {
    return Column{{1, 2, 3, 4, 5, static_cast<Number>(10 + p)}};
}

struct Fixture {
    explicit Fixture(int columns = 0) : g(messages, clock), fake(messages) {
        g.undo.allocate();
        auto& s = g.system.columns;
        s.tryResize(columns + 1);
        for (int p = 1; p <= columns; ++p) s.at(++s.count) = Numbered(p);
    }
    std::vector<Column> list() const {
        const auto& s = g.system.columns;
        return {s.items(), s.items() + s.count};
    }
    // The main window with the editing commands, a selection made with the mouse when asked.
    TPri& mainWindow() {
        window = std::make_unique<TPri>(g, fake.services);
        RegisterColumnEditingCommands(*window, g, fake.services);
        window->resize(1200, 800);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qFatal("main window not shown");
        return *window;
    }
    void select(int fromColumn, int toColumn) {
        ColumnGrid* grid = window->columnStrip->sg_col;
        const auto centre = [](int c) { return QPoint(ColumnGrid::kMargin + c * 35 + 17, 50); };
        QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, centre(fromColumn));
        QMouseEvent move(QEvent::MouseMove, QPointF(centre(toColumn)),
                         grid->mapToGlobal(QPointF(centre(toColumn))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
        QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, centre(toColumn));
    }
    ~Fixture() { g.system.modified = false; } // closing the main window must not ask

    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
    std::unique_ptr<TPri> window;
};

// Acts on the modal window of type W as soon as the command has opened it.
template <typename W> void WhenOpen(std::function<void(W&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!w) return;
        poll->stop();
        poll->deleteLater();
        act(*w);
    });
    poll->start(5);
}

} // namespace

class EditingWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void entryRefusesABadLineAndSelectsIt() {
        Fixture f;
        TInserisciModificaColonne w(f.fake.services);
        w.show();
        QCOMPARE(w.windowTitle(), QString("Inserimento colonne da tastiera"));
        QCOMPARE(w.JusLab6->text(),
                 QString("Inserire una colonna per riga separando i 6 numeri con uno spazio."));
        QCOMPARE(w.OKBtn->text(), QString("Applica"));
        QCOMPARE(w.Button1->text(), QString("Annulla"));
        w.Memo1->setPlainText("1 2 3 4 5 6\n\n7 8 9 10 11\n1 2");
        QTest::mouseClick(w.OKBtn, Qt::LeftButton);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.messages.last().text), QString("La colonna nº 3 non è valida."));
        QCOMPARE(f.messages.last().title, std::string("Attenzione"));
        QVERIFY(f.messages.last().icon == MessageIcon::Warning);
        QCOMPARE(w.Memo1->textCursor().selectedText(), QString("7 8 9 10 11"));
        QVERIFY(w.isVisible());
        QCOMPARE(w.Tag, 0);

        w.Memo1->setPlainText("1 2 3 4 5 6\n\n7 8 9 10 11 12\n");
        QTest::mouseClick(w.OKBtn, Qt::LeftButton);
        QCOMPARE(w.Tag, 1);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.lines(), (ColumnLines{"1 2 3 4 5 6", "", "7 8 9 10 11 12"}));
    }

    void entryHelpAndCancel() {
        Fixture f;
        TInserisciModificaColonne w(f.fake.services);
        w.show();
        QTest::mouseClick(w.CancelBtn, Qt::LeftButton);
        QCOMPARE(f.fake.help.topics, QStringList{"cf_altre.htm"});
        w.Memo1->setPlainText("1 2 3 4 5 6");
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QCOMPARE(w.Tag, 0);
        QVERIFY(!w.isVisible());
    }

    void typingAColumnTwiceAddsItOnce() {
        Fixture f(2);
        TPri& main = f.mainWindow();
        WhenOpen<TInserisciModificaColonne>([](TInserisciModificaColonne& w) {
            w.Memo1->setPlainText("40 30 20 10 50 60\n10 20 30 40 50 60\n1 2 3 4 5 12");
            QTest::mouseClick(w.OKBtn, Qt::LeftButton);
        });
        main.runCommand("Inserimentocolonnedatastiera1");
        QCOMPARE(f.list(), (std::vector<Column>{Numbered(1), Numbered(2), Column{{10, 20, 30, 40, 50, 60}}}));
        QVERIFY(f.g.system.modified);
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(main.Label18->text(), QString("Nº di colonne finali: 3"));
    }

    void modifyingASelectionUnchangedMovesItToTheEnd() {
        Fixture f(6);
        TPri& main = f.mainWindow();
        f.select(1, 3); // positions 2..4
        QString caption;
        QString memo;
        WhenOpen<TInserisciModificaColonne>([&](TInserisciModificaColonne& w) {
            caption = w.windowTitle();
            memo = w.Memo1->toPlainText();
            QTest::mouseClick(w.OKBtn, Qt::LeftButton);
        });
        main.runCommand("Modificacolonneselezionate1");
        QCOMPARE(caption, QString("Modifica colonne"));
        QCOMPARE(memo, QString(" 1  2  3  4  5 12\n 1  2  3  4  5 13\n 1  2  3  4  5 14"));
        QCOMPARE(f.list(), (std::vector<Column>{Numbered(1), Numbered(5), Numbered(6), Numbered(2),
                                                Numbered(3), Numbered(4)}));
        QVERIFY(f.g.system.modified);
        QCOMPARE(f.g.undo.snapshotCount, 6);
    }

    void theRangeDialogFollowsItsBars() {
        Fixture f(10);
        TEliminaGiocate w(f.g, f.fake.services, 7, 5);
        w.show();
        QCOMPARE(w.windowTitle(), QString("Selezionare l'intervallo"));
        QCOMPARE(w.Label4->text(), QString("Selezionare l'intervallo di colonne da eliminare"));
        QCOMPARE(w.Button2->text(), QString("Anulla"));
        QCOMPARE(w.scb1->minimum(), 1);
        QCOMPARE(w.scb2->maximum(), 10);
        QCOMPARE(w.Edit1->text(), QString("5"));
        QCOMPARE(w.gioini->text(), QString("[1 2 3 4 5 15]"));
        QCOMPARE(w.Edit2->text(), QString("7"));
        QCOMPARE(w.giofini->text(), QString("[1 2 3 4 5 17]"));

        w.scb1->setValue(6);
        QCOMPARE(w.Label3->text(), QString("Numero di giocate selezionate: 2"));
        w.scb2->setValue(9);
        QCOMPARE(w.Label3->text(), QString("Numero di colonne selezionate: 4"));
        w.scb1->setValue(10); // drags the second bar along
        QCOMPARE(w.scb2->value(), 10);
        QCOMPARE(w.Edit2->text(), QString("10"));
        QCOMPARE(w.giofini->text(), QString("[1 2 3 4 5 20]"));
        w.scb2->setValue(2); // and back
        QCOMPARE(w.scb1->value(), 2);
        QCOMPARE(w.Edit1->text(), QString("2"));
        QCOMPARE(w.Label3->text(), QString("Numero di colonne selezionate: 1"));
    }

    void theFieldsTakeDigitsAndMoveTheBarsOnLeaving() {
        Fixture f(10);
        TEliminaGiocate w(f.g, f.fake.services, 0, 0);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.scb1->value(), 1);
        QCOMPARE(w.scb2->value(), 10);
        w.Edit1->setFocus();
        w.Edit1->clear();
        QTest::keyClicks(w.Edit1, "a4-x");
        QCOMPARE(w.Edit1->text(), QString("4"));
        QCOMPARE(w.scb1->value(), 1); // not before leaving the field
        w.Edit2->setFocus();
        QCOMPARE(w.scb1->value(), 4);
        QTest::keyClick(w.Edit2, Qt::Key_Backspace);
        QTest::keyClicks(w.Edit2, "5");
        QCOMPARE(w.Edit2->text(), QString("15"));
        w.Edit1->setFocus(); // 15 is past K: the bar stays
        QCOMPARE(w.scb2->value(), 10);
        QCOMPARE(w.Edit2->text(), QString("10"));
    }

    void enterAsksAndDeletesTheRange() {
        Fixture f(10);
        TEliminaGiocate w(f.g, f.fake.services, 5, 7);
        w.show();
        f.messages.answerNext(MessageAnswer::No);
        QTest::keyClick(w.scb1, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(f.messages.last().text),
                 QString("Eliminare le 3 colonne selezionate ?"));
        QVERIFY(f.messages.last().buttons == MessageButtons::YesNo);
        QVERIFY(f.messages.last().icon == MessageIcon::Question);
        QVERIFY(w.isVisible());
        QCOMPARE(f.g.system.columns.count, 10);

        f.messages.answerNext(MessageAnswer::Yes);
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.list(), (std::vector<Column>{Numbered(1), Numbered(2), Numbered(3), Numbered(4),
                                                Numbered(8), Numbered(9), Numbered(10)}));
        QVERIFY(f.g.system.modified);
        QCOMPARE(f.g.undo.snapshotCount, 10);
    }

    void escapeClosesWithoutDeleting() {
        Fixture f(3);
        TEliminaGiocate w(f.g, f.fake.services, 2, 2);
        w.show();
        QTest::keyClick(w.Edit1, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.g.system.columns.count, 3);
    }

    void theDeleteCommandStartsOnTheSelection() {
        Fixture f(8);
        TPri& main = f.mainWindow();
        std::vector<int> bars;
        const auto readBars = [&](TEliminaGiocate& w) {
            bars.push_back(w.scb1->value());
            bars.push_back(w.scb2->value());
            w.reject();
        };
        WhenOpen<TEliminaGiocate>(readBars);
        main.runCommand("Eliminacolonneselezionate1");
        f.select(4, 2);
        WhenOpen<TEliminaGiocate>([&](TEliminaGiocate& w) {
            bars.push_back(w.scb1->value());
            bars.push_back(w.scb2->value());
            f.messages.answerNext(MessageAnswer::Yes);
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        });
        main.runCommand("Eliminacolonneselezionate1");
        QCOMPARE(bars, (std::vector<int>{1, 8, 3, 5}));
        QCOMPARE(QString::fromStdString(f.messages.last().text),
                 QString("Eliminare le 3 colonne selezionate ?"));
        QCOMPARE(f.list(),
                 (std::vector<Column>{Numbered(1), Numbered(2), Numbered(6), Numbered(7), Numbered(8)}));
    }
};

QTEST_MAIN(EditingWindowsTest)
#include "editing_windows_test.moc"
