// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/output/QueueJob.h"
#include "toolkit/PrintDialog.h"

#include <memory>
#include <optional>

class QPrinter;

// The printer as the print settings leave it: the program's one printer, the page metrics
// measured from it, and the output the director chose in the print dialog; for the preview
// before any print settings, a printer of Qt's own.
class PrintSettings {
public:
    PrintSettings();
    ~PrintSettings();
    PrintSettings(const PrintSettings&) = delete;
    PrintSettings& operator=(const PrintSettings&) = delete;

    // The printer is set up at its first use: that loads the printing back end, which start-up
    // does not need.
    QPrinter& Printer();
    printing::PageMetrics& Page() { return page_; }
    // The printer or file the director chose in the print dialog, which the printer object may
    // have lost while the print server was down (see TUstWydr::ExecutePrintDialog); none before
    // any dialog.
    std::optional<toolkit::PrintOutput>& ChosenOutput() { return chosenOutput_; }

    // The printer the preview draws on: the program's printer once the print settings have made
    // it, before that a PDF printer of Qt's made without asking the print server.
    QPrinter& PreviewPrinter();
    // Whether the preview's printer is a real printer, behind a print server.
    bool PreviewOnPrintServer() const;
    // The page the preview shows: the measured one, or before any print settings the preview
    // printer's default (A4, or Letter where the locale says so).
    printing::PageMetrics PreviewPage();

    // How long the print server has for each exchange: the program's ServerAnswerSeconds; a
    // test gives it less.
    int printServerSeconds = printing::ServerAnswerSeconds;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrinter> previewPrinter_;
    std::optional<toolkit::PrintOutput> chosenOutput_;
    printing::PageMetrics page_;
};
