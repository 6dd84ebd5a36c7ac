// SPDX-License-Identifier: GPL-3.0-or-later
// What the print dialog set on the printer, as a job's settings: the same on every system.
#include "QueueOutput.h"

#include <QPrintEngine>
#include <QPrinter>

namespace printing {

namespace {

// Where Qt's print dialog keeps the CUPS options it sets on a printer, as name, value, name...;
// nothing on Windows.
const auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

Sides SidesOf(QPrinter::DuplexMode duplex) {
    switch (duplex) {
        case QPrinter::DuplexNone:
            return Sides::OneSided;
        case QPrinter::DuplexShortSide:
            return Sides::TwoSidedShortEdge;
        case QPrinter::DuplexLongSide:
        case QPrinter::DuplexAuto:
            break;
    }
    return Sides::TwoSidedLongEdge;
}

}  // namespace

QueueJob QueueJobOf(const QPrinter& printer) {
    QueueJob job;
    job.printer = printer.printerName().toStdString();
    job.chosenEarlier = true;
    PrinterSettings& settings = job.settings;
    settings.paper = printer.pageLayout().pageSize().key().toStdString();
    settings.sides = SidesOf(printer.duplex());
    settings.copies = printer.copyCount();
    settings.collate = printer.collateCopies();
    settings.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    const QStringList chosen = printer.printEngine()->property(CupsOptionsProperty).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        settings.cupsOptions.emplace_back(chosen[i].toStdString(), chosen[i + 1].toStdString());
    return job;
}

}  // namespace printing
