#include "ui/qt_help_service.h"

#include "core/messages.h"
#include "ui/shell_service.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

QtHelpService::QtHelpService(QString helpFolder, MessageService& messages, ShellService& shell)
    : helpFolder_(std::move(helpFolder)), messages_(messages), shell_(shell) {}

QtHelpService::~QtHelpService() {
    // A viewer parented to a dialog dies with it; a top-level one is ours.
    if (viewer_ && !viewer_->parentWidget()) delete viewer_.data();
}

QWidget* QtHelpService::viewer() const {
    return viewer_.data();
}

void QtHelpService::showTopic(const QString& topic) {
    showPage(topic);
}

void QtHelpService::showContents() {
    showPage(QString::fromLatin1(kHelpContentsPage));
}

void QtHelpService::showPage(const QString& fileName) {
    // A topic is a page name, never a path: anything else would let a caller read other files.
    const QString name = QFileInfo(fileName).fileName();
    const QString path = QDir(helpFolder_).filePath(name);
    if (name.isEmpty() || name != fileName || !QFileInfo(path).isFile()) {
        messages_.error("La pagina della guida \"" + fileName.toStdString() +
                        "\" non è stata trovata.\rLa guida in linea potrebbe non essere installata.");
        return;
    }

    // Help asked for from a modal window would be blocked by it as a separate top-level window,
    // so the viewer belongs to the modal window while one is open.
    QWidget* owner = QApplication::activeModalWidget();
    if (viewer_ && viewer_->parentWidget() != owner) {
        if (!viewer_->parentWidget())
            delete viewer_.data();
        else
            viewer_->deleteLater();
        viewer_ = nullptr;
    }
    if (!viewer_) {
        auto* window = new QWidget(owner, Qt::Window);
        window->setObjectName("HelpViewer");
        window->setAttribute(Qt::WA_DeleteOnClose, owner != nullptr);
        window->resize(760, 600);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("HelpBrowser");
        browser->setSearchPaths({helpFolder_});
        // Pages of the help stay in the viewer; web addresses go to the browser.
        browser->setOpenLinks(false);
        QObject::connect(browser, &QTextBrowser::anchorClicked, browser,
                         [this](const QUrl& url) { followLink(url); });
        QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                         [window, browser] { window->setWindowTitle(browser->documentTitle()); });
        layout->addWidget(browser);
        viewer_ = window;
        browser_ = browser;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
    viewer_->setWindowTitle(browser_->documentTitle().isEmpty() ? QStringLiteral("Guida in linea")
                                                                : browser_->documentTitle());
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void QtHelpService::followLink(const QUrl& url) {
    if (!browser_) return;
    if (!url.isRelative() && !url.isLocalFile()) {
        shell_.openUrl(url.toString());
        return;
    }
    if (url.path().isEmpty()) {
        browser_->scrollToAnchor(url.fragment());
        return;
    }
    const QString page = QFileInfo(browser_->source().resolved(url).toLocalFile()).fileName();
    showPage(page);
    if (url.hasFragment() && browser_) browser_->scrollToAnchor(url.fragment());
}
