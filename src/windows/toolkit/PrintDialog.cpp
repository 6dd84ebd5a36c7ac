// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintDialog.h"

#include <QPrintDialog>

namespace toolkit {

namespace {

// Qt shows its page range whenever CUPS could select the pages, whatever the dialog's options.
class CardsPrintDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        if (!visible) return;
        if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
    }
};

}  // namespace

PrintOutput PrintOutput::Of(const QPrinter& printer) {
    return {printer.outputFormat(), printer.printerName(), printer.outputFileName()};
}

bool PrintOutput::IsOn(const QPrinter& printer) const {
    if (printer.outputFormat() != format) return false;
    return format == QPrinter::PdfFormat ? printer.outputFileName() == fileName : printer.printerName() == printerName;
}

void PrintOutput::GiveTo(QPrinter& printer) const {
    printer.setOutputFormat(format);
    if (format == QPrinter::PdfFormat) {
        printer.setOutputFileName(fileName);
    } else {
        printer.setPrinterName(printerName);
        printer.setOutputFileName(QString());
    }
}

bool ExecutePrintDialog(QPrinter& printer, std::optional<PrintOutput>& chosen, QWidget* parent) {
    if (!chosen) chosen = PrintOutput::Of(printer);
    CardsPrintDialog dialog(&printer, parent);
    // Building the dialog selects a printer on the printer object, also when a PDF file was
    // chosen last; given the file back, the dialog opens on it.
    chosen->GiveTo(printer);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() == QDialog::Accepted) {
        chosen = PrintOutput::Of(printer);
        return true;
    }
    chosen->GiveTo(printer);
    return false;
}

}  // namespace toolkit
