#include "core/Globali.h"
#include "shell/UColonneFile.h"
#include "shell/UPri.h"
#include "shell/UStatoAvanzamentoDlg.h"
#include "shell/column_export.h"
#include "ui/gui_services.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

namespace {

struct World {
    RecordingMessages messages;
    FakeClock clock{1};
    Globali g{messages, clock};
    FakeGuiServices fake{messages};
    TPri window{g, fake.services};

    World() {
        RegisterColumnFileCommands(window, g, fake.services);
        g.system.columns.tryResize(100);
    }
    void set(std::initializer_list<Column> columns) {
        ColumnStore& s = g.system.columns;
        s.count = 0;
        for (const Column& c : columns) s.at(++s.count) = c;
    }
};

std::string ReadAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

class ColumnFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void sortCommandOrdersTheListAndMarksItModified() {
        World w;
        w.set({Column{{2, 3, 4, 5, 6, 7}}, Column{{1, 2, 3, 4, 5, 6}}, Column{{1, 2, 3, 4, 5, 7}}});
        w.window.runCommand("Ordinacolonne1");
        QCOMPARE(w.g.system.columns.count, 3);
        QVERIFY(w.g.system.columns.at(1) == (Column{{1, 2, 3, 4, 5, 6}}));
        QVERIFY(w.g.system.columns.at(2) == (Column{{1, 2, 3, 4, 5, 7}}));
        QVERIFY(w.g.system.columns.at(3) == (Column{{2, 3, 4, 5, 6, 7}}));
        QVERIFY(w.g.system.modified);
    }

    void exportWritesTheFileAndSaysSo() {
        QTemporaryDir dir;
        World w;
        w.set({Column{{1, 12, 23, 34, 45, 90}}});
        const QString path = dir.filePath("c.txt");
        w.fake.fileDialogs.answerNext(path);
        w.window.runCommand("Esportacolonnesufileditesto1");
        QCOMPARE(QString::fromStdString(ReadAll(path)), QString("1 12 23 34 45 90\r\n"));
        QCOMPARE(QString::fromStdString(w.messages.last().text), QString(kExportDoneText));
        QCOMPARE(w.fake.fileDialogs.calls.back().kind, ScriptedFileDialogs::Call::Save);
        QVERIFY(w.fake.fileDialogs.calls.back().request.filter.startsWith("File di testo (*.txt)"));
    }

    void exportWithoutColumnsIsRefused() {
        World w;
        w.window.runCommand("Esportacolonnesufileditesto1");
        QCOMPARE(QString::fromStdString(w.messages.last().text), QString(kNothingToExportText));
        QVERIFY(w.fake.fileDialogs.calls.empty());
    }

    void textImportAddsTheConfirmedColumns() {
        QTemporaryDir dir;
        World w;
        w.set({Column{{1, 2, 3, 4, 5, 6}}});
        const QString path = dir.filePath("in.txt");
        {
            std::ofstream out(path.toStdString(), std::ios::binary);
            out << "6 5 4 3 2 1\r\n10 20 30 40 50 60\r\n";
        }
        w.fake.fileDialogs.answerNext(path);
        w.window.runCommand("Importacolonnedafileditesto1");
        QCOMPARE(QString::fromStdString(w.messages.last().text),
                 QString("Inserire le 1 colonne trovate nel file di testo ?"));
        QCOMPARE(w.g.system.columns.count, 2);
        QVERIFY(w.g.system.columns.at(2) == (Column{{10, 20, 30, 40, 50, 60}}));
        QVERIFY(w.g.system.modified);
    }

    void cancelledDialogDoesNothing() {
        World w;
        w.window.runCommand("ImportacolonnedasistemaDuplaraProfessional1");
        QVERIFY(w.messages.shown.empty());
        QVERIFY(w.fake.fileDialogs.calls.back().request.filter.startsWith("Sistema Duplara (*.dup)"));
    }

    void progressDialogClosesOnlyWhenAllowed() {
        TStatoAvanzamentoDlg dialog;
        dialog.show();
        dialog.close();
        QVERIFY(dialog.isVisible());
        dialog.stopbtn->click();
        QCOMPARE(dialog.Tag, TStatoAvanzamentoDlg::kStopRequested);
        dialog.finish();
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(ColumnFileCommandsTest)
#include "column_file_commands_test.moc"
