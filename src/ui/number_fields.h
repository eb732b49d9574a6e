#pragma once

#include <QList>
#include <QObject>

class QLineEdit;

// The two-digit number fields of the winning-column windows: digits only; typing a digit into a
// full field with the caret at its end moves on to the next field (the last wraps to the first)
// with that digit as its whole text; Backspace in an empty field goes back. Every keystroke
// reports `edited`.
class TwoDigitFieldChain : public QObject {
    Q_OBJECT
public:
    TwoDigitFieldChain(const QList<QLineEdit*>& fields, QObject* parent);

signals:
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLineEdit*> fields_;
};

// A date field "gg/mm/aaaa": at most ten characters, digits and '/' only, '-' typed becomes '/'.
class DateFieldFilter : public QObject {
    Q_OBJECT
public:
    DateFieldFilter(QLineEdit* field, QObject* parent);

signals:
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
