#include "core/Globali.h"
#include "core/version.h"
#include "shell/UPri.h"
#include "ui/gui_services.h"
#include "ui/qt_help_service.h"
#include "ui/qt_message_service.h"

#include <QApplication>

#include <random>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramName);

    SteadyClock clock;
    QtMessageService messages;
    Globali globali(messages, clock);
    globali.random.seed(std::random_device{}());
    globali.undo.allocate();

    QtFileDialogService fileDialogs;
    QtPrinterSetupService printerSetup;
    QtShellService shell;
    QtHelpService help(QApplication::applicationDirPath() + "/help/html", messages, shell);
    GuiServices services{messages, fileDialogs, printerSetup, shell, help};
    TPri window(globali, services);
    window.move(10, 10);
    window.showMaximized();
    return app.exec();
}
