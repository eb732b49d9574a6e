#include "core/Globali.h"
#include "shell/UPri.h"
#include "shell/UPriComandi.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Fixture {
    Fixture() : g(messages, clock), fake(messages) {
        qputenv("HOME", home.path().toUtf8()); // no documents folder: new systems go to AppDir
        g.dirs.appDir = dir.path().toStdString() + "/";
        g.dirs.sharedDataDir = g.dirs.appDir;
    }
    QAction* item(TPri& w, const char* name) { return w.findChild<QAction*>(name); }
    void develop(int numbers) {
        auto& s = g.system.columns;
        s.tryResize(numbers);
        for (int p = 1; p <= numbers; ++p)
            s.at(++s.count) = Column{{1, 2, 3, 4, 5, static_cast<Number>(5 + p)}};
        g.system.modified = true;
    }
    QTemporaryDir home, dir;
    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
};

} // namespace

class ProgramCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void startsANewSystemAndEnablesTheExistingWindows() {
        Fixture f;
        TPri w(f.g, f.fake.services);
        RegisterProgramCommands(w, f.g, f.fake.services);
        QCOMPARE(w.windowTitle(), QString("CAROVELA SUPERENALOTTO - [Sistema1.sxv]"));
        QCOMPARE(f.item(w, "Salvax1")->text(), QString("Salva Sistema1.sxv"));
        for (const char* name : {"Spogliodellecolonne1", "Aggiornamentomanuale1", "AggiornadaInternet1",
                                 "Riduzioneortogonaledelpronostico1", "Riduzionedelpronosticoagaranzia1",
                                 "ConnessioneadInternet1", "Esportasufileditesto1", "Nuovo1", "Apri1"})
            QVERIFY2(f.item(w, name)->isEnabled(), name);
    }

    void savesOpensAndListsRecentFiles() {
        Fixture f;
        TPri w(f.g, f.fake.services);
        RegisterProgramCommands(w, f.g, f.fake.services);
        f.develop(4);
        const QString a = f.dir.filePath("A.sxv"), b = f.dir.filePath("B.sxv");
        f.fake.fileDialogs.answerNext(a);
        w.runCommand("Salvaconnome1");
        QCOMPARE(QFileInfo(a).size(), qint64(31'960 + 6 * 4));
        QVERIFY(!f.g.system.modified);
        QCOMPARE(w.windowTitle(), QString("CAROVELA SUPERENALOTTO - [A.sxv]"));

        w.runCommand("Nuovo1");
        QCOMPARE(f.g.system.columns.count, 0);
        f.fake.fileDialogs.answerNext(b);
        w.runCommand("Salvaconnome1");
        // B goes on top but stays hidden while it is the current system; A follows it.
        QVERIFY(!f.item(w, "ria1")->isVisible());
        QAction* ria2 = f.item(w, "ria2");
        QVERIFY(ria2->isVisible());
        QCOMPARE(ria2->toolTip(), a);

        ria2->trigger();
        QCOMPARE(f.g.system.columns.count, 4);
        QCOMPARE(w.windowTitle(), QString("CAROVELA SUPERENALOTTO - [A.sxv]"));
        QVERIFY(f.item(w, "ria1")->isVisible());
        QCOMPARE(f.item(w, "ria1")->toolTip(), b);
    }

    void deleteAllThenUndoFromTheMenu() {
        Fixture f;
        f.g.undo.allocate();
        TPri w(f.g, f.fake.services);
        RegisterProgramCommands(w, f.g, f.fake.services);
        w.runCommand("Annullaultimaoperazione1");
        QCOMPARE(f.messages.last().text, std::string("Non ci sono colonne da ripristinare!"));
        f.develop(3);
        f.messages.answerNext(MessageAnswer::Yes);
        w.runCommand("Eliminatuttelecolonne2");
        QCOMPARE(f.g.system.columns.count, 0);
        f.messages.answerNext(MessageAnswer::Yes);
        w.runCommand("Annullaultimaoperazione1");
        QCOMPARE(f.g.system.columns.count, 3);
    }

    void openAnswersTheSaveQuestionFirst() {
        Fixture f;
        TPri w(f.g, f.fake.services);
        RegisterProgramCommands(w, f.g, f.fake.services);
        f.develop(2);
        f.messages.answerNext(MessageAnswer::Cancel);
        w.runCommand("Apri1");
        QCOMPARE(f.messages.last().text,
                 std::string("Il sistema attuale non è stato salvato!\rSalvare il sistema sul disco ?"));
        QVERIFY(f.fake.fileDialogs.calls.empty());
        QCOMPARE(f.g.system.columns.count, 2);
    }
};

QTEST_MAIN(ProgramCommandsTest)
#include "program_commands_test.moc"
