#pragma once

#include "core/messages.h"

#include <deque>
#include <vector>

// Records every message and answers from a script; with the script empty it answers the message's
// default, so an unexpected question never hangs a test.
class RecordingMessages final : public MessageService {
public:
    MessageAnswer show(const Message& message) override {
        shown.push_back(message);
        if (answers.empty()) return message.defaultAnswer;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    void answerNext(MessageAnswer a) { answers.push_back(a); }
    const Message& last() const { return shown.back(); }

    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;
};
