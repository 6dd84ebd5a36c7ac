// SPDX-License-Identifier: GPL-3.0-or-later
// What the print dialog set on the printer, as a job's options: the same on every system.
#include "QueueOutput.h"

#include <QPrinter>

namespace printing {

namespace {

const char* Sides(QPrinter::DuplexMode duplex) {
    switch (duplex) {
        case QPrinter::DuplexNone:
            return "one-sided";
        case QPrinter::DuplexShortSide:
            return "two-sided-short-edge";
        case QPrinter::DuplexLongSide:
        case QPrinter::DuplexAuto:
            break;
    }
    return "two-sided-long-edge";
}

}  // namespace

QueueJob PrinterSettingsJobOf(const QPrinter& printer) {
    QueueJob job;
    job.printer = printer.printerName().toStdString();
    job.chosenEarlier = true;
    auto& options = job.options;
    options.emplace_back("media", printer.pageLayout().pageSize().key().toStdString());
    options.emplace_back("sides", Sides(printer.duplex()));
    if (printer.copyCount() > 1) {
        options.emplace_back("copies", std::to_string(printer.copyCount()));
        options.emplace_back("multiple-document-handling", printer.collateCopies()
                                                               ? "separate-documents-collated-copies"
                                                               : "separate-documents-uncollated-copies");
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst) options.emplace_back("outputorder", "reverse");
    return job;
}

}  // namespace printing
