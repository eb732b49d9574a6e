#pragma once

#include <QWidget>
#include <QtGlobal>

// The control of a window by its object name; a missing one ends the test at once.
template <typename T> T* Child(QWidget& w, const char* name) {
    T* child = w.findChild<T*>(name);
    if (!child) qFatal("missing control %s", name);
    return child;
}
