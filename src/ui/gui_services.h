#pragma once

#include "core/messages.h"
#include "ui/file_dialog_service.h"
#include "ui/help_service.h"
#include "ui/printer_setup_service.h"
#include "ui/shell_service.h"

// The services every window uses for what leaves the window: modal messages, file dialogs,
// printer set-up, shell open, help. main wires the real ones; GUI tests install replacements
// (tests/gui/support/fake_gui_services.h).
struct GuiServices {
    MessageService& messages;
    FileDialogService& fileDialogs;
    PrinterSetupService& printerSetup;
    ShellService& shell;
    HelpService& help;
};
