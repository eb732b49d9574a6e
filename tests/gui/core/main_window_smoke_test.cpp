#include "core/Globali.h"
#include "shell/UPri.h"
#include "ui/gui_services.h"

#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QMenuBar>
#include <QtTest>

class MainWindowSmokeTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsCaptionAndMenu() {
        RecordingMessages messages;
        FakeClock clock;
        Globali g(messages, clock);
        FakeGuiServices fake(messages);
        TPri window(g, fake.services);
        window.show();
        QCOMPARE(window.windowTitle(), QString("CAROVELA SUPERENALOTTO"));
        QVERIFY(window.findChild<QMenuBar*>("MainMenu1"));
    }
};

QTEST_MAIN(MainWindowSmokeTest)
#include "main_window_smoke_test.moc"
