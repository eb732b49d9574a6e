#pragma once

#include "ui/help_service.h"

#include <QPointer>
#include <QString>

class MessageService;
class ShellService;
class QTextBrowser;
class QUrl;
class QWidget;

// Shows the pages of help/html in the program's own viewer window. A missing page is reported
// through the message service instead of an empty window.
class QtHelpService final : public HelpService {
public:
    // helpFolder: the folder holding the pages (AppDir + "help/html"); web addresses in the pages
    // go to the shell.
    QtHelpService(QString helpFolder, MessageService& messages, ShellService& shell);
    ~QtHelpService() override;

    void showTopic(const QString& topic) override;
    void showContents() override;

    // The viewer window, when one is open (tests look at it).
    QWidget* viewer() const;

private:
    void showPage(const QString& fileName);
    void followLink(const QUrl& url);

    QString helpFolder_;
    MessageService& messages_;
    ShellService& shell_;
    QPointer<QWidget> viewer_;
    QPointer<QTextBrowser> browser_;
};

// The page "Sommario" opens.
inline constexpr const char* kHelpContentsPage = "index.htm";
