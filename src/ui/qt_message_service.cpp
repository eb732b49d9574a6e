#include "ui/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>

QString ToDisplayText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

namespace {

QMessageBox::StandardButton ToButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageAnswer QtMessageService::show(const Message& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(ToDisplayText(message.text));
    switch (message.icon) {
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    QMessageBox::StandardButtons buttons;
    switch (message.buttons) {
    case MessageButtons::Ok:
        buttons = QMessageBox::Ok;
        break;
    case MessageButtons::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MessageButtons::YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case MessageButtons::YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(ToButton(message.defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    // Closing the box with Esc or its close box counts as the safe answer.
    if (message.buttons == MessageButtons::YesNo) return MessageAnswer::No;
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return MessageAnswer::Cancel;
}
