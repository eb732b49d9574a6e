#pragma once

#include <memory>

class QPrinter;
class QWidget;

// The program's printer and its set-up dialog: "Imposta stampante" changes the printer that every
// print window then uses. GUI tests install a replacement that answers without a dialog.
class PrinterSetupService {
public:
    virtual ~PrinterSetupService() = default;
    // Shows the set-up dialog; true when the user confirmed it.
    virtual bool setup(QWidget* parent) = 0;
    virtual QPrinter& printer() = 0;
};

class QtPrinterSetupService final : public PrinterSetupService {
public:
    QtPrinterSetupService();
    ~QtPrinterSetupService() override;
    bool setup(QWidget* parent) override;
    QPrinter& printer() override;

private:
    // Created on first use: looking for printers can take a moment and many runs never print.
    std::unique_ptr<QPrinter> printer_;
};
