// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRoad.h"

#include "PrintSettings.h"
#include "language/Translations.h"
#include "toolkit/Application.h"

#include "language/Translations.h"
#include "movement/AbsentPair.h"
#include "movement/PrintRange.h"
#include "movement/SchemeFile.h"
#include "printing/output/Delivery.h"
#include "printing/output/QueueJob.h"
#include "printing/output/QueueOutput.h"

#include <QPrinter>

#include <algorithm>

movement::Result<PrintChoice> CheckedChoice(const movement::MovementState& state, const PrintChoice& asked,
                                            const printing::PageMetrics& page) {
    if (const movement::Outcome ready = printing::CanPrint(state, page); !ready.accepted()) return ready;
    const movement::Result<int32_t> absent = movement::AbsentPairFromPrinted(state, asked.absentPrinted);
    if (!absent.accepted()) return absent;
    PrintChoice choice = asked;
    choice.run.absentPair = absent.value();
    return movement::Result<PrintChoice>::Accepted(choice);
}

movement::Outcome DrawChoice(const movement::MovementState& state, const PrintChoice& choice,
                             const printing::PageMetrics& page, printing::PrintSurface& surface,
                             const printing::Copies& copies) {
    printing::RunRequest run = choice.run;
    if (!printing::InfoOf(choice.product).usesAbsentPair) run.absentPair = movement::NoAbsentPair;
    run.copies = copies;
    run.words = &language::TranslationsOf(choice.cardLanguage);
    return printing::PrintProduct(choice.product, state, page, run, surface);
}

movement::Result<printing::PrintReport> DeliverChoice(PrintSettings& settings, printing::PrintSurface* testSurface,
                                                      const movement::MovementState& state, const PrintChoice& choice) {
    using Printed = movement::Result<printing::PrintReport>;
    printing::PrintReport report;
    report.sentences = printing::InfoOf(choice.product).sentences;
    report.cards = movement::ClampPrintRange(state, choice.run.first, choice.run.last).Count();
    // The cards keep the metrics measured in the print settings, whatever the surface. A queue
    // prints the copies itself; a file holds them all.
    const printing::PageMetrics page = settings.Page();
    printing::Copies copies;
    const auto run = [&](printing::PrintSurface& surface, const printing::PageMetrics&) {
        return DrawChoice(state, choice, page, surface, copies);
    };
    if (testSurface != nullptr) {
        const movement::Outcome printed = run(*testSurface, page);
        if (!printed.accepted()) return printed;
        return Printed::Accepted(report);
    }

    QPrinter& printer = settings.Printer();
    std::optional<toolkit::PrintOutput>& chosenOutput = settings.ChosenOutput();
    // A printer the server did not list for a while is taken back now that it may; Qt asks the
    // server for it with no time limit of its own, so the server must answer first.
    if (chosenOutput && !chosenOutput->IsOn(printer) &&
        printing::CheckPrintServerAnswers(settings.printServerSeconds).accepted())
        chosenOutput->GiveTo(printer);
    printing::PdfSettings pdf;
    pdf.layout = printer.pageLayout();
    pdf.resolution = printer.resolution();
    report.cards *= std::clamp(printer.copyCount(), 1, printing::MaxCopies);
    printing::Destination destination;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // The scheme files are read from the working folder; none of them may become the output.
        destination.toFile = true;
        destination.file = toolkit::FileNameOf(printer.outputFileName());
        for (const movement::ShippedSchemeFile& file : movement::ShippedSchemeFiles)
            destination.inputs.emplace_back(file.fileName);
        copies = {printer.copyCount(), printer.collateCopies()};
    } else {
        destination.job = printing::QueueJobOf(printer);
        destination.job.answerSeconds = settings.printServerSeconds;
        // Still not listed: the print server says why.
        if (destination.job.printer.empty() && chosenOutput && chosenOutput->format == QPrinter::NativeFormat)
            destination.job.printer = chosenOutput->printerName.toStdString();
    }
    return printing::Deliver(language::Interface(), destination, pdf, report, run);
}
