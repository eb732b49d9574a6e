#include "ui/printer_setup_service.h"

#include <QPrintDialog>
#include <QPrinter>

QtPrinterSetupService::QtPrinterSetupService() = default;
QtPrinterSetupService::~QtPrinterSetupService() = default;

QPrinter& QtPrinterSetupService::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinterSetupService::setup(QWidget* parent) {
    // The set-up dialog chooses the printer and its options without printing anything.
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Imposta stampante"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}
