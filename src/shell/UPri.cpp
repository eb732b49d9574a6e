#include "shell/UPri.h"

#include "core/Globali.h"
#include "ui/gui_services.h"

#include <QMenuBar>

TPri::TPri(Globali& globali, GuiServices& services, QWidget* parent)
    : QMainWindow(parent), g_(globali), services_(services) {
    setObjectName("Pri");
    setWindowTitle("CAROVELA SUPERENALOTTO");
    auto* menu = menuBar();
    menu->setObjectName("MainMenu1");
    menu->addMenu("&File");
}
