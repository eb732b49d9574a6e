#include "archive/UAggio.h"
#include "archive/update_protocol.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "online/UAggiornaSoftware.h"
#include "online/UImpoConn.h"
#include "online/Uperrtf.h"
#include "online/rtf_reader.h"

#include "draw_builder.h"
#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"
#include "test_http_server.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

DrawRecord Draw(int day, int month, int year) {
    return MakeDraw(day, month, year, {1, 2, 3, 4, 5, 6}, 7, 8, 0);
}

struct Fixture {
    Fixture() : g(messages, clock), fake(messages) {
        g.dirs.userDataDir = dir.path().toStdString() + "/";
        g.dirs.sharedDataDir = dir.path().toStdString() + "/";
    }
    RecordingMessages messages;
    FakeClock clock;
    Globali g;
    FakeGuiServices fake;
    QTemporaryDir dir;
};

} // namespace

class OnlineWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void impoConnEnablingRules() {
        Fixture f;
        TImpoConn w(f.g, f.fake.services);
        QCOMPARE(w.windowTitle(), QString("Impostazioni di connessione"));
        QVERIFY(!w.CheckBox2->isChecked());
        QVERIFY(!w.Edit1->isEnabled() && !w.SpinEdit2->isEnabled() && !w.CheckBox3->isEnabled());
        QVERIFY(!w.Edit3->isEnabled() && !w.Edit4->isEnabled());

        w.CheckBox2->setChecked(true);
        QVERIFY(w.Edit1->isEnabled() && w.SpinEdit2->isEnabled() && w.CheckBox3->isEnabled());
        QVERIFY(!w.Edit3->isEnabled() && !w.Edit4->isEnabled());
        w.CheckBox3->setChecked(true);
        QVERIFY(w.Edit3->isEnabled() && w.Edit4->isEnabled());
        QCOMPARE(w.Edit4->echoMode(), QLineEdit::Password);

        // Unchecking the proxy unchecks and disables the authentication with its fields.
        w.CheckBox2->setChecked(false);
        QVERIFY(!w.CheckBox3->isChecked() && !w.CheckBox3->isEnabled());
        QVERIFY(!w.Edit3->isEnabled() && !w.Edit4->isEnabled());
        QCOMPARE(w.SpinEdit2->maximum(), 65535);

        w.BitBtn3->click();
        QCOMPARE(f.fake.help.topics, QStringList{"imp_connessione.htm"});
    }

    void impoConnApplyStoresAndWritesTheSettings() {
        Fixture f;
        f.g.settings.proxyPorta = "abc"; // not a number: shown as 8080
        TImpoConn w(f.g, f.fake.services);
        QCOMPARE(w.SpinEdit2->value(), 8080);
        w.CheckBox2->setChecked(true);
        w.Edit1->setText("proxy.lan");
        w.SpinEdit2->setValue(3128);
        w.CheckBox3->setChecked(true);
        w.Edit3->setText("mario");
        w.Edit4->setText("p4ss");
        w.BitBtn1->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(f.g.settings.usaProxy && f.g.settings.proxyAuth);
        QCOMPARE(f.g.settings.proxyServer, std::string("proxy.lan"));
        QCOMPARE(f.g.settings.proxyPorta, std::string("3128"));
        GlobalSettings reread;
        LoadSettings(reread, f.g.settingsStore());
        QVERIFY(reread.usaProxy && reread.proxyAuth);
        QCOMPARE(reread.proxyPorta, std::string("3128"));
        QCOMPARE(reread.proxyUsername, std::string("mario"));
        QCOMPARE(reread.proxyPassword, std::string("p4ss"));
    }

    void impoConnCancelChangesNothing() {
        Fixture f;
        TImpoConn w(f.g, f.fake.services);
        w.CheckBox2->setChecked(true);
        w.BitBtn2->click();
        QVERIFY(!f.g.settings.usaProxy);
    }

    void aggioDownloadsTheDrawsAndShowsTheMessage() {
        Fixture f;
        f.g.archive.insertDraw(Draw(3, 3, 2009));
        TestHttpServer* self = nullptr;
        TestHttpServer server([&](const TestHttpServer::Request& r) {
            if (r.target == "/aggiorna.php?idprogramma=22&versione=40&dues=20090303")
                return TestHttpServer::text(self->base() + "/lista.txt\r\n");
            if (r.target == "/lista.txt")
                return TestHttpServer::text("sue200903050001010203040506070800\r\n"
                                            "sue200903070002111213141516171800\r\n"
                                            "rtf " +
                                            self->base() + "/msg.rtf\r\n");
            if (r.target == "/msg.rtf") return TestHttpServer::text("{\\rtf1 {\\b Ciao} a tutti}");
            return TestHttpServer::status(404, "Not Found");
        });
        self = &server;
        WindowSettingText(f.g.settingsStore(), kUpdateServerSettingKey, (server.base() + "/").toStdString(),
                          SettingAccess::Write);
        TAggio w(f.g, f.fake.services);
        QCOMPARE(w.windowTitle(), QString("Aggiornamento archivio storico tramite Internet"));
        QStringList shown;
        w.showMessage = [&](const QString& file) {
            QFile in(file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            shown << QString::fromUtf8(in.readAll());
        };
        w.speedbutton1->click();
        QCOMPARE(f.g.archive.count(), 3);
        QCOMPARE(
            QString::fromStdString(f.messages.last().text),
            QString("Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Superenalotto: 2"));
        QCOMPARE(shown, QStringList{"{\\rtf1 {\\b Ciao} a tutti}"});
        QVERIFY(QFile::exists(f.dir.filePath("Sestavia.dbs"))); // the archive was saved
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!QFile::exists(w.messageFile())); // removed when the window closed
        QVERIFY(w.speedbutton1->isEnabled());
        QCOMPARE(w.ProgressBar1->value(), 0);
    }

    void aggioConnectionFailureKeepsTheWindow() {
        Fixture f;
        TestHttpServer server(
            [](const TestHttpServer::Request&) { return TestHttpServer::status(404, "x"); });
        WindowSettingText(f.g.settingsStore(), kUpdateServerSettingKey, (server.base() + "/").toStdString(),
                          SettingAccess::Write);
        TAggio w(f.g, f.fake.services);
        w.show();
        w.speedbutton1->click();
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QCOMPARE(f.messages.last().text, std::string(kMsgConnessioneFallita));
        QCOMPARE(f.fake.help.topics, QStringList{"rdp_connessione.htm"});
        QVERIFY(w.isVisible());
        QVERIFY(w.speedbutton1->isEnabled() && w.speedbutton2->isEnabled() && w.Button1->isEnabled());
        w.Button2->click();
        QCOMPARE(f.fake.help.topics.last(), QString("as_aggiorna_internet.htm"));
    }

    void aggiornaSoftwareDownloadsAndOpensTheInstaller() {
        Fixture f;
        const QByteArray installer(300000, 'M');
        TestHttpServer server([&](const TestHttpServer::Request& r) {
            return r.target == "/SestaviaSetup.exe" ? TestHttpServer::text(installer)
                                                    : TestHttpServer::status(404, "Not Found");
        });
        TAggiornaSoftware w(f.g, f.fake.services, server.base() + "/SestaviaSetup.exe");
        QCOMPARE(w.windowTitle(), QString("Aggiornamento di CAROVELA SUPERENALOTTO"));
        w.setDownloadFolder(f.dir.path());
        QFile stale(w.targetFile());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("vecchio");
        stale.close();
        int highest = 0;
        connect(w.ProgressBar1, &QProgressBar::valueChanged, this,
                [&](int v) { highest = std::max(highest, v); });
        w.speedbutton1->click();
        QCOMPARE(f.fake.shell.files, QStringList{w.targetFile()});
        QFile downloaded(w.targetFile());
        QVERIFY(downloaded.open(QIODevice::ReadOnly));
        QCOMPARE(downloaded.readAll(), installer);
        QCOMPARE(highest, 100);
        QCOMPARE(w.ProgressBar1->value(), 0);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(f.messages.shown.empty());
    }

    void aggiornaSoftwareFailureRemovesTheStaleFile() {
        Fixture f;
        TestHttpServer server(
            [](const TestHttpServer::Request&) { return TestHttpServer::status(404, "x"); });
        for (const QByteArray& address : {server.base() + "/manca.exe", QByteArray("file:///etc/hostname")}) {
            f.messages.shown.clear();
            f.fake.help.topics.clear();
            TAggiornaSoftware w(f.g, f.fake.services, address);
            w.setDownloadFolder(f.dir.path());
            QFile stale(w.targetFile());
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write("vecchio");
            stale.close();
            w.speedbutton1->click();
            QVERIFY(!QFile::exists(w.targetFile()));
            QCOMPARE(f.messages.last().text, std::string(kMsgConnessioneFallita));
            QCOMPARE(f.fake.help.topics, QStringList{"rdp_connessione.htm"});
            QVERIFY(f.fake.shell.files.isEmpty());
            QVERIFY(w.speedbutton1->isEnabled());
        }
    }

    void perrtfShowsTheFormattedMessage() {
        Tperrtf w;
        QCOMPARE(w.windowTitle(), QString("Messaggio"));
        QCOMPARE(w.BitBtn1->text(), QString("OK"));
        QVERIFY(w.rtf->isReadOnly());
        w.loadDocument(ReadRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\b\\cf1 Avviso}\\par\\fs40 "
                               "riga\\line due}"));
        const QTextDocument* d = w.rtf->document();
        QCOMPARE(d->blockCount(), 2);
        const QTextBlock first = d->firstBlock();
        QCOMPARE(first.text(), QString("Avviso"));
        const QTextCharFormat bold = first.begin().fragment().charFormat();
        QCOMPARE(bold.fontWeight(), int(QFont::Bold));
        QCOMPARE(bold.foreground().color(), QColor(255, 0, 0));
        const QTextBlock second = first.next();
        QCOMPARE(second.text(), QString("riga") + QChar::LineSeparator + "due");
        QCOMPARE(second.begin().fragment().charFormat().fontPointSize(), 20.0);
    }
};

QTEST_MAIN(OnlineWindowsTest)
#include "online_windows_test.moc"
