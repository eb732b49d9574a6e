#pragma once

#include <string>

// Every modal message of the program goes through this interface: the GUI shows a message box,
// tests record and answer, the command-line front end prints.
enum class MessageIcon { Warning, Error, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string title;
    std::string text; // '\r' is a line break
    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    // The shapes used everywhere: a refusal, a file error, a notice and the two questions.
    void warning(const std::string& text, const std::string& title = "Attenzione") {
        show({title, text, MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    }
    void error(const std::string& text, const std::string& title = "Errore") {
        show({title, text, MessageIcon::Error, MessageButtons::Ok, MessageAnswer::Ok});
    }
    void information(const std::string& text, const std::string& title = "Attenzione") {
        show({title, text, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    }
    bool askYesNo(const std::string& text, MessageAnswer defaultAnswer = MessageAnswer::Yes,
                  const std::string& title = "Attenzione") {
        return show({title, text, MessageIcon::Question, MessageButtons::YesNo, defaultAnswer}) ==
               MessageAnswer::Yes;
    }
    MessageAnswer askYesNoCancel(const std::string& text, const std::string& title = "Attenzione") {
        return show({title, text, MessageIcon::Question, MessageButtons::YesNoCancel, MessageAnswer::Yes});
    }
};
