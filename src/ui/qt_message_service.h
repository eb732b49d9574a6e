#pragma once

#include "core/messages.h"

#include <QString>

class QWidget;

// The program's message boxes. Nothing else in the program calls QMessageBox.
class QtMessageService final : public MessageService {
public:
    MessageAnswer show(const Message& message) override;
};

// '\r' in the program's texts is a line break.
QString ToDisplayText(const std::string& text);
