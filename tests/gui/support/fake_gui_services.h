#pragma once

#include "ui/gui_services.h"

#include <QPrinter>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

// Replacements for the GUI services: dialogs answer from a script (empty script: cancelled),
// shell and help record what they were asked to open.
class ScriptedFileDialogs final : public FileDialogService {
public:
    struct Call {
        enum Kind { Open, Save, Folder } kind;
        FileDialogRequest request;
    };

    QString openFile(QWidget*, const FileDialogRequest& request) override {
        return answer(Call::Open, request);
    }
    QString saveFile(QWidget*, const FileDialogRequest& request) override {
        return answer(Call::Save, request);
    }
    QString chooseFolder(QWidget*, const QString& title, const QString& folder) override {
        return answer(Call::Folder, {title, folder, {}, {}, {}});
    }

    void answerNext(const QString& path) { answers.push_back(path); }

    std::vector<Call> calls;
    std::deque<QString> answers;

private:
    QString answer(Call::Kind kind, const FileDialogRequest& request) {
        calls.push_back({kind, request});
        if (answers.empty()) return {};
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

class ScriptedPrinterSetup final : public PrinterSetupService {
public:
    bool setup(QWidget*) override {
        ++setupCalls;
        return accept;
    }
    QPrinter& printer() override {
        if (!printer_) {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer_->setOutputFormat(QPrinter::PdfFormat);
        }
        return *printer_;
    }

    bool accept = true;
    int setupCalls = 0;

private:
    std::unique_ptr<QPrinter> printer_;
};

class RecordingShell final : public ShellService {
public:
    bool openUrl(const QString& url) override {
        urls << url;
        return succeed;
    }
    bool openFile(const QString& path) override {
        files << path;
        return succeed;
    }

    QStringList urls;
    QStringList files;
    bool succeed = true;
};

class RecordingHelp final : public HelpService {
public:
    void showTopic(const QString& topic) override { topics << topic; }
    void showContents() override { ++contentsShown; }

    QStringList topics;
    int contentsShown = 0;
};

// Everything a window needs, around the test's own message service:
//   RecordingMessages messages; FakeGuiServices fake(messages); TWindow w(g, fake.services);
struct FakeGuiServices {
    explicit FakeGuiServices(MessageService& messageService)
        : services{messageService, fileDialogs, printerSetup, shell, help} {}
    FakeGuiServices(const FakeGuiServices&) = delete;
    FakeGuiServices& operator=(const FakeGuiServices&) = delete;

    ScriptedFileDialogs fileDialogs;
    ScriptedPrinterSetup printerSetup;
    RecordingShell shell;
    RecordingHelp help;
    GuiServices services;
};
