#include "app/startup.h"
#include "core/Globali.h"
#include "core/version.h"
#include "platform/qt_settings_backend.h"
#include "platform/single_instance.h"
#include "shell/UPri.h"
#include "shell/UPriComandi.h"
#include "ui/gui_services.h"
#include "ui/qt_help_service.h"
#include "ui/qt_message_service.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    SteadyClock clock;
    QtMessageService messages;
    QtSettingsBackend settings;
    Globali globali(messages, clock);
    PrepareProcessState(globali, settings, QApplication::applicationDirPath());

    const SingleInstanceMarker marker;
    QApplication::setApplicationName(kProgramName);

    QtFileDialogService fileDialogs;
    QtPrinterSetupService printerSetup;
    QtShellService shell;
    QtHelpService help(QString::fromStdString(globali.dirs.appDir) + "help/html", messages, shell);
    GuiServices services{messages, fileDialogs, printerSetup, shell, help};

    TPri window(globali, services);
    RegisterProgramCommands(window, globali, services);
    window.move(10, 10);
    window.showMaximized();
    return app.exec();
}
