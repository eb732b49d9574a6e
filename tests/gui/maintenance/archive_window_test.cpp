#include "archive/UAggioManuale.h"
#include "archive/UNotificaAgg.h"
#include "archive/USelezionaEstrazioni.h"
#include "archive/archive_file.h"
#include "core/Globali.h"
#include "core/settings_store.h"

#include "draw_builder.h"
#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

DrawRecord Draw(int d, int m, int y, int concorso) {
    return MakeDraw(d, m, y, {3, 17, 29, 44, 58, static_cast<std::uint8_t>(60 + d)}, 1, 2, concorso);
}

struct Fixture {
    Fixture() : g(messages, clock), fake(messages) {
        g.dirs.sharedDataDir = dir.path().toStdString() + "/";
        for (int d = 1; d <= 5; ++d) g.archive.insertDraw(Draw(d, 3, 2026, d));
    }
    QString write(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    QTemporaryDir dir;
    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
};

} // namespace

class ArchiveWindowTest : public QObject {
    Q_OBJECT
private slots:
    void gridShowsEveryDrawAndModifyNeedsASelection() {
        Fixture f;
        TAggioManuale w(f.g, f.fake.services, {});
        w.show();
        auto* grid = w.findChild<QTableView*>("cov");
        QCOMPARE(grid->model()->rowCount(), 5);
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QString("    Colonna vincente"));
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QString("01/03/2026"));
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QString("     3 17 29 44 58 61"));
        QCOMPARE(w.selectedRecord(), 5); // the last draw is selected on opening
        grid->clearSelection();
        QTest::mouseClick(w.findChild<QPushButton*>("BitBtn8"), Qt::LeftButton);
        QCOMPARE(f.messages.last().text, std::string("Selezionare la colonna da modificare."));
        QVERIFY(!w.findChild<QPushButton*>("BitBtn10")->isEnabled()); // no update without a server hook
    }

    void importFromTextAddsAndReplacesAndListsBadLines() {
        Fixture f;
        const QString file = f.write("estrazioni.txt", "2/3/2026\t1 2 3 4 5 6\t7\t8\r\n"
                                                       "2026-03-07\t6\t10 20 30 40 50 60\t70\t0\n"
                                                       "non una estrazione\r\n");
        f.fake.fileDialogs.answerNext(file);
        TAggioManuale w(f.g, f.fake.services, {});
        QTest::mouseClick(w.findChild<QPushButton*>("BitBtn11"), Qt::LeftButton);
        QCOMPARE(f.g.archive.count(), 6);
        QCOMPARE(f.g.archive.record(2).numbers[0], std::uint8_t{1});
        QCOMPARE(
            f.messages.last().text,
            std::string("Estrazioni nuove: 1\rEstrazioni sostituite: 1\rRighe non valide (ignorate): 3"));
        QVERIFY(QFile::exists(f.dir.filePath("Sestavia.dbs"))); // the archive was saved
        QCOMPARE(w.findChild<QTableView*>("cov")->model()->rowCount(), 6);
    }

    void rangeBarsNeverCross() {
        Fixture f;
        TSelezionaEstrazioni range(f.g.archive);
        range.setRange(2, 4);
        auto* scb1 = range.findChild<QScrollBar*>("scb1");
        auto* scb2 = range.findChild<QScrollBar*>("scb2");
        scb1->setValue(5);
        QCOMPARE(scb2->value(), 5);
        scb2->setValue(1);
        QCOMPARE(scb1->value(), 1);
        scb2->setValue(3);
        QCOMPARE(range.findChild<QLabel*>("Label3")->text(), QString("Numero di concorsi selezionati: 3"));
        QCOMPARE(range.findChild<QLabel*>("Label2")->text(), QString("Concorso finale nº 3 del 3/3/2026"));
    }

    void exportWritesOneLinePerDraw() {
        Fixture f;
        const QString target = f.dir.filePath("export.txt");
        f.fake.fileDialogs.answerNext(target);
        RunEsportaArchivio(f.g, f.fake.services, nullptr);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("1/3/2026\t3 17 29 44 58 61\t1\t2\r\n"));
        QCOMPARE(text.count('\n'), 5);
    }

    void backupAndRestoreCopyTheArchiveFile() {
        Fixture f;
        QVERIFY(saveArchive(f.g));
        QTemporaryDir backup;
        f.fake.fileDialogs.answerNext(backup.path());
        RunCopiaSicurezzaArchivio(f.g, f.fake.services, nullptr);
        QCOMPARE(f.messages.last().text, std::string("Copia di sicurezza creata correttamente."));
        QVERIFY(QFile::exists(backup.filePath("Sestavia.dbs")));

        f.g.archive.deleteDraw(1);
        f.fake.fileDialogs.answerNext(backup.path());
        QVERIFY(RunRipristinoArchivio(f.g, f.fake.services, nullptr));
        QCOMPARE(f.g.archive.count(), 5);
        QCOMPARE(f.messages.last().text, std::string("Ripristino eseguito correttamente."));

        QTemporaryDir empty;
        f.fake.fileDialogs.answerNext(empty.path());
        QVERIFY(!RunRipristinoArchivio(f.g, f.fake.services, nullptr));
        QCOMPARE(f.messages.last().text, std::string("Impossibile leggere dalla posizione indicata!"));
        QCOMPARE(f.messages.last().title, std::string("Errore"));
    }

    void aBackupWithoutDrawsNeverReplacesTheArchive() {
        Fixture f;
        QVERIFY(saveArchive(f.g));
        QTemporaryDir backup;
        QFile junk(backup.filePath("Sestavia.dbs"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(300, '\xff'));
        junk.close();
        f.fake.fileDialogs.answerNext(backup.path());
        QVERIFY(!RunRipristinoArchivio(f.g, f.fake.services, nullptr));
        DrawArchive onDisk;
        QCOMPARE(loadArchive(onDisk, ArchivePath(f.g.dirs)).loaded, 5);
    }

    void backupIntoAnUnwritableFolderSaysSo() {
        Fixture f;
        QVERIFY(saveArchive(f.g));
        f.fake.fileDialogs.answerNext(f.dir.filePath("no/such/folder"));
        RunCopiaSicurezzaArchivio(f.g, f.fake.services, nullptr);
        QCOMPARE(f.messages.last().text, std::string("Impossibile scrivere nella posizione indicata!"));
        QCOMPARE(f.messages.last().title, std::string("Errore di scrittura"));
    }

    void notificationSettingsAreStored() {
        Fixture f;
        TImpoNotifiche w(f.g, f.fake.services);
        QVERIFY(w.findChild<QCheckBox*>("CheckBox3")->isChecked());  // Tuesday
        QVERIFY(!w.findChild<QCheckBox*>("CheckBox2")->isChecked()); // Monday
        w.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
        w.findChild<QCheckBox*>("CheckBox8")->setChecked(true);
        w.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
        QTest::mouseClick(w.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(f.g.settings.giorniNotifica, std::string("1110101"));
        QCOMPARE(f.g.settings.notificaAggio, 0);
        GlobalSettings stored;
        LoadSettings(stored, f.g.settingsStore());
        QCOMPARE(stored.giorniNotifica, std::string("1110101"));
    }

    void printsOneDraw() {
        Fixture f;
        f.fake.printerSetup.printer().setOutputFileName(f.dir.filePath("draw.pdf"));
        TAggioManuale w(f.g, f.fake.services, {});
        w.show();
        QTest::mouseClick(w.findChild<QPushButton*>("BitBtn5"), Qt::LeftButton);
        QVERIFY(QFileInfo(f.dir.filePath("draw.pdf")).size() > 1000);
    }
};

QTEST_MAIN(ArchiveWindowTest)
#include "archive_window_test.moc"
