// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <QString>

#include <optional>

class QWidget;

namespace toolkit {

// Where the cards go: a printer, or a PDF file.
struct PrintOutput {
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QString printerName;
    QString fileName;

    static PrintOutput Of(const QPrinter& printer);
    bool IsOn(const QPrinter& printer) const;
    // The printer object takes a printer only while the print server lists it.
    void GiveTo(QPrinter& printer) const;
};

// Qt's print dialog on the program's printer, as the print settings offer it: the printer or a
// PDF file, the paper, the copies and the printer's options, but no page range (the main window
// chooses the tables). `chosen` is the output chosen last, kept apart from the printer object,
// which forgets a printer while the print server is down: the dialog opens on it, an accepted
// dialog chooses anew and a cancelled one keeps it. True when the director accepted the dialog.
bool ExecutePrintDialog(QPrinter& printer, std::optional<PrintOutput>& chosen, QWidget* parent);

}  // namespace toolkit
