#include "ui/number_fields.h"

#include <QKeyEvent>
#include <QLineEdit>

TwoDigitFieldChain::TwoDigitFieldChain(const QList<QLineEdit*>& fields, QObject* parent)
    : QObject(parent), fields_(fields) {
    for (auto* f : fields_) {
        f->setMaxLength(2);
        f->installEventFilter(this);
    }
}

bool TwoDigitFieldChain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    const auto index = fields_.indexOf(field);
    if (index < 0) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace && field->text().isEmpty()) {
        fields_[(index + fields_.size() - 1) % fields_.size()]->setFocus();
        emit edited();
        return true;
    }
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).isDigit()) {
        if (field->text().size() >= 2 && !field->hasSelectedText()) {
            if (field->cursorPosition() >= field->text().size()) {
                QLineEdit* next = fields_[(index + 1) % fields_.size()];
                next->setText(text);
                next->setFocus();
                next->setCursorPosition(1);
            } else {
                // With the caret inside a full field the digit overwrites the one after the caret.
                QString t = field->text();
                const int at = field->cursorPosition();
                t[at] = text.at(0);
                field->setText(t);
                field->setCursorPosition(at + 1);
            }
            emit edited();
            return true;
        }
        emit edited();
        return false;
    }
    if (text.size() == 1 && text.at(0).isPrint()) return true; // other printable characters are dropped
    if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) emit edited();
    return false;
}

DateFieldFilter::DateFieldFilter(QLineEdit* field, QObject* parent) : QObject(parent) {
    field->setMaxLength(10);
    field->installEventFilter(this);
}

bool DateFieldFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    emit edited();
    if (text == QLatin1String("-")) {
        field->insert(QStringLiteral("/"));
        return true;
    }
    return !(text.at(0).isDigit() || text == QLatin1String("/"));
}
