// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"
#include "printing/Products.h"
#include "printing/output/PrintReport.h"
#include "printing/output/QueueJob.h"
#include "toolkit/PrintDialog.h"

#include <memory>
#include <optional>

class QApplication;
class QPrinter;

namespace printing {
class PrintSurface;
}

class TDrog;
class TUstWydr;
class TZPL;
class Tndw;

// The program's four windows, created once in their order and alive until the program ends.
// Each gets the movement state and this set by reference, to hand control to the others. The
// set also holds the program's one printer, the page metrics measured from it, and the surface
// a test may pass in to draw the cards on instead of the printer.
// What the director chose to print: the product, the table cards' range, one job per card,
// and the absent pair (as numbered in the scheme, 0 for none).
struct PrintChoice {
    printing::Product product = printing::Product::TableCards;
    printing::RunRequest run;  // the range, a job per card, the absent pair; the copies come from the printer
};

class ProgramWindows {
public:
    explicit ProgramWindows(movement::MovementState& state, printing::PrintSurface* surface = nullptr);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the main window; its first activation follows.
    void Start();

    // The windows, each with its controls: a secondary window makes them when first asked for.
    TDrog& Drog() { return *drog_; }
    TUstWydr& UstWydr();
    TZPL& ZPL();
    Tndw& ndw();

    // The printer is set up at its first use: that loads the printing back end, which start-up
    // does not need.
    QPrinter& Printer();
    printing::PageMetrics& Page() { return page_; }
    // The printer or file the director chose in the print dialog, which the printer object may
    // have lost while the print server was down (see ExecutePrintDialog); none before any dialog.
    std::optional<toolkit::PrintOutput>& ChosenOutput() { return chosenOutput_; }

    // The cards of tables first..last with the measured page: on the surface a test passed in,
    // into the PDF file the print dialog chose (safely, see PrintToPdfFile), or to the
    // printer's queue (see PrintToQueue). Accepted with what became of them.
    movement::Result<printing::PrintReport> Print(const movement::MovementState& state, const PrintChoice& choice);

    // What one print run draws, on any surface with the given page: the preview's too.
    static movement::Outcome PrintChosen(const movement::MovementState& state, const PrintChoice& choice,
                                         const printing::PageMetrics& page, printing::PrintSurface& surface,
                                         const printing::Copies& copies = {});

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
    printing::PrintSurface* surface_;
    printing::PageMetrics page_;

    std::unique_ptr<TDrog> drog_;
    std::unique_ptr<TUstWydr> ustWydr_;
    std::unique_ptr<TZPL> zpl_;
    std::unique_ptr<Tndw> ndw_;
};

// The program's start between the toolkit's and its event loop: the application set up, the
// pending output removed on signals, the data folders found, the windows made and the main
// window shown. main() starts so, and so does the start-up timing (tools/startup).
std::unique_ptr<ProgramWindows> StartProgram(QApplication& application, movement::MovementState& state);
