#include "platform/app_directories.h"
#include "platform/single_instance.h"
#include "ui/qt_help_service.h"

#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUuid>
#include <QtTest>

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QString S(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void foldersFollowHomeAndAreCreated() {
        const QString exe = home_.filePath("build");
        WriteFile(exe + "/help/html/index.htm", "<html></html>");
        const Directories dirs = ComputeDirectories(exe);
        QCOMPARE(S(dirs.appDir), exe + "/");
        QCOMPARE(S(dirs.sharedDataDir), home_.path() + "/.local/share/Sestavia/");
        QCOMPARE(S(dirs.userDataDir), home_.path() + "/.config/Sestavia/");
        QCOMPARE(S(dirs.reducersDir), home_.path() + "/.config/Sestavia/Riduttori/");
        for (const auto& d : {dirs.sharedDataDir, dirs.userDataDir, dirs.reducersDir})
            QVERIFY(QFileInfo(S(d)).isDir());
    }

    void xdgVariablesWinAndRelativeOnesAreIgnored() {
        qputenv("XDG_DATA_HOME", (home_.path() + "/dati").toUtf8());
        qputenv("XDG_CONFIG_HOME", "relativo/config");
        const Directories dirs = ComputeDirectories(home_.path());
        QCOMPARE(S(dirs.sharedDataDir), home_.path() + "/dati/Sestavia/");
        QCOMPARE(S(dirs.userDataDir), home_.path() + "/.config/Sestavia/");
    }

    void installedProgramFindsItsSharedFiles() {
        const QString prefix = home_.filePath("usr");
        QDir().mkpath(prefix + "/bin");
        QDir().mkpath(prefix + "/share/sestavia/help/html");
        const Directories dirs = ComputeDirectories(prefix + "/bin");
        QCOMPARE(S(dirs.appDir), prefix + "/share/sestavia/");
    }

    void aFolderThatCannotBeCreatedFallsBackToAppDir() {
        // A plain file where the folder's parent should be makes creation impossible.
        WriteFile(home_.filePath("occupato"), "x");
        qputenv("XDG_CONFIG_HOME", home_.filePath("occupato").toUtf8());
        const QString exe = home_.filePath("prog");
        QDir().mkpath(exe);
        const Directories dirs = ComputeDirectories(exe);
        QCOMPARE(S(dirs.userDataDir), exe + "/");
        QCOMPARE(S(dirs.sharedDataDir), home_.path() + "/.local/share/Sestavia/");
    }

    void onlyOneCopyOwnsTheMarker() {
        const QString name = "AM_Sestavia_test_" + QUuid::createUuid().toString(QUuid::Id128);
        auto first = std::make_unique<SingleInstanceMarker>(name);
        QVERIFY(first->owned());
        {
            SingleInstanceMarker second(name);
            QVERIFY(!second.owned());
        }
        first.reset();
        SingleInstanceMarker third(name);
        QVERIFY(third.owned());
    }

    void helpShowsATopicPageInTheViewer() {
        const QString folder = home_.filePath("help/html");
        WriteFile(folder + "/mdr_svilint.htm",
                  "<html><head><title>Sviluppo integrale</title></head><body><p>Testo</p></body></html>");
        RecordingMessages messages;
        RecordingShell shell;
        QtHelpService help(folder, messages, shell);
        help.showTopic("mdr_svilint.htm");
        QVERIFY(messages.shown.empty());
        QWidget* viewer = help.viewer();
        QVERIFY(viewer && viewer->isVisible());
        auto* browser = viewer->findChild<QTextBrowser*>("HelpBrowser");
        QVERIFY(browser);
        QCOMPARE(QFileInfo(browser->source().toLocalFile()).fileName(), QString("mdr_svilint.htm"));
        QVERIFY(browser->toPlainText().contains("Testo"));
        QCOMPARE(viewer->windowTitle(), QString("Sviluppo integrale"));
    }

    void helpContentsOpensTheIndexPage() {
        const QString folder = home_.filePath("help/html");
        WriteFile(folder + "/index.htm",
                  "<html><head><title>Guida</title></head><body>Sommario</body></html>");
        RecordingMessages messages;
        RecordingShell shell;
        QtHelpService help(folder, messages, shell);
        help.showContents();
        auto* browser = help.viewer()->findChild<QTextBrowser*>("HelpBrowser");
        QCOMPARE(QFileInfo(browser->source().toLocalFile()).fileName(), QString("index.htm"));
    }

    void missingOrOutsidePagesAreReportedNotShown_data() {
        QTest::addColumn<QString>("topic");
        QTest::newRow("missing page") << "stampa_sucarta.htm";
        QTest::newRow("path outside the help") << "../segreto.htm";
        QTest::newRow("empty name") << "";
    }

    void missingOrOutsidePagesAreReportedNotShown() {
        QFETCH(QString, topic);
        WriteFile(home_.filePath("help/segreto.htm"), "<html>segreto</html>");
        RecordingMessages messages;
        RecordingShell shell;
        QtHelpService help(home_.filePath("help/html"), messages, shell);
        help.showTopic(topic);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(messages.last().title, std::string("Errore"));
        QVERIFY(S(messages.last().text)
                    .startsWith("La pagina della guida \"" + topic + "\" non è stata trovata."));
        QVERIFY(!help.viewer());
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
