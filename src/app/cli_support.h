#pragma once

// What every sestavia-cli command shares: the program's messages on the terminal and a host that
// nobody can stop.
#include "core/clock.h"
#include "core/messages.h"
#include "shell/operation_host.h"

#include <cstdio>
#include <string>

// Messages go to stderr with '\r' as a line break. Questions take their default answer, or No
// where a Yes would reach outside the terminal (a web page to open).
class TerminalMessages final : public MessageService {
public:
    explicit TerminalMessages(bool answerNo = false) : answerNo_(answerNo) {}

    MessageAnswer show(const Message& message) override {
        std::string text = message.text;
        for (char& ch : text)
            if (ch == '\r') ch = '\n';
        std::fprintf(stderr, "%s: %s\n", message.title.c_str(), text.c_str());
        if (!answerNo_) return message.defaultAnswer;
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }

private:
    bool answerNo_;
};

class TerminalHost final : public OperationHost {
public:
    explicit TerminalHost(Clock& clock) : clock_(clock) {}
    std::int64_t nowMs() override { return clock_.nowMs(); }
    void processMessages() override {}
    bool stopRequested() override { return false; }
    void clearStopRequest() override {}
    bool confirmStop() override { return false; }
    void showProgress(std::int64_t) override {}
    void showStatus(const std::string&) override {}

private:
    Clock& clock_;
};
