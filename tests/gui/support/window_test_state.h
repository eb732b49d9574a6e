#pragma once

#include "core/Globali.h"
#include "fake_clock.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

// A fresh program state for one window test: messages recorded, services replaced, a clock the
// test moves, and the shared data folder in a temporary directory.
struct WindowTestState {
    WindowTestState() { g.dirs.sharedDataDir = dir.path().toStdString() + "/"; }

    QTemporaryDir dir;
    RecordingMessages messages;
    FakeClock clock;
    FakeGuiServices fake{messages};
    Globali g{messages, clock};
};

// To look at a window: SESTAVIA_GRAB_DIR names a folder for its picture.
inline void SaveGrab(QWidget& widget, const char* name) {
    const QImage picture = widget.grab().toImage();
    QVERIFY(!picture.isNull());
    if (const QByteArray out = qgetenv("SESTAVIA_GRAB_DIR"); !out.isEmpty())
        QVERIFY(picture.save(QDir(QString::fromLocal8Bit(out)).filePath(name)));
}
