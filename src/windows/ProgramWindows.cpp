// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "Figura.h"
#include "NumDow.h"
#include "Palce.h"
#include "drkr.h"

#include "toolkit/Application.h"

#include "movement/DataFolders.h"
#include "movement/PrintRange.h"
#include "movement/SchemeFile.h"
#include "printing/output/Delivery.h"
#include "printing/output/OutputFile.h"
#include "printing/output/QueueJob.h"
#include "printing/output/QueueOutput.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPrinter>

#include <algorithm>

ProgramWindows::ProgramWindows(movement::MovementState& state, printing::PrintSurface* surface)
    : surface_(surface),
      drog_(std::make_unique<TDrog>(state, *this)),
      ustWydr_(std::make_unique<TUstWydr>(state, *this)),
      zpl_(std::make_unique<TZPL>(state, *this)),
      ndw_(std::make_unique<Tndw>(state, *this)) {
    // Closing a secondary window through its title bar hands control back to the main window.
    for (toolkit::ProgramWindow* window :
         {static_cast<toolkit::ProgramWindow*>(ustWydr_.get()), static_cast<toolkit::ProgramWindow*>(zpl_.get()),
          static_cast<toolkit::ProgramWindow*>(ndw_.get())})
        window->SetTitleBarCloseTarget(drog_.get());
    // A print server that is slow to answer leaves the windows drawn, but takes no clicks meanwhile.
    printing::SetWhileWaiting([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

ProgramWindows::~ProgramWindows() { printing::SetWhileWaiting(nullptr); }

void ProgramWindows::Start() { drog_->ShowAndActivate(); }

TUstWydr& ProgramWindows::UstWydr() {
    ustWydr_->MakeControls();
    return *ustWydr_;
}

TZPL& ProgramWindows::ZPL() {
    zpl_->MakeControls();
    return *zpl_;
}

Tndw& ProgramWindows::ndw() {
    ndw_->MakeControls();
    return *ndw_;
}

QPrinter& ProgramWindows::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QPrinter& ProgramWindows::PreviewPrinter() {
    if (printer_) return *printer_;
    if (!previewPrinter_)
        printing::WithoutPrintServer([this] { previewPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution); });
    return *previewPrinter_;
}

bool ProgramWindows::PreviewOnPrintServer() const {
    return printer_ && printer_->outputFormat() == QPrinter::NativeFormat;
}

printing::PageMetrics ProgramWindows::PreviewPage() {
    if (page_.PageWidth != 0 && page_.PageHeight != 0) return page_;
    return {PreviewPrinter().width(), PreviewPrinter().height()};
}

movement::Result<printing::PrintReport> ProgramWindows::Print(const movement::MovementState& state,
                                                              const PrintChoice& choice) {
    using Printed = movement::Result<printing::PrintReport>;
    printing::PrintReport report;
    report.nouns = printing::InfoOf(choice.product).nouns;
    report.cards = movement::ClampPrintRange(state, choice.run.first, choice.run.last).Count();
    // The cards keep the metrics measured in the print settings, whatever the surface. A queue
    // prints the copies itself; a file holds them all.
    printing::Copies copies;
    const auto run = [&](printing::PrintSurface& surface, const printing::PageMetrics&) {
        return PrintChosen(state, choice, page_, surface, copies);
    };
    if (surface_ != nullptr) {
        const movement::Outcome printed = run(*surface_, page_);
        if (!printed.accepted()) return printed;
        return Printed::Accepted(report);
    }

    // A printer the server did not list for a while is taken back now that it may; Qt asks the
    // server for it with no time limit of its own, so the server must answer first.
    if (chosenOutput_ && !chosenOutput_->IsOn(Printer()) && printing::CheckPrintServerAnswers(printServerSeconds).accepted())
        chosenOutput_->GiveTo(Printer());
    printing::PdfSettings settings;
    settings.layout = Printer().pageLayout();
    settings.resolution = Printer().resolution();
    report.cards *= std::clamp(Printer().copyCount(), 1, printing::MaxCopies);
    printing::Destination destination;
    if (Printer().outputFormat() == QPrinter::PdfFormat && !Printer().outputFileName().isEmpty()) {
        // The scheme files are read from the working folder; none of them may become the output.
        destination.toFile = true;
        destination.file = toolkit::FileNameOf(Printer().outputFileName());
        for (const movement::ShippedSchemeFile& file : movement::ShippedSchemeFiles)
            destination.inputs.emplace_back(file.fileName);
        copies = {Printer().copyCount(), Printer().collateCopies()};
    } else {
        destination.job = printing::QueueJobOf(Printer());
        destination.job.answerSeconds = printServerSeconds;
        // Still not listed: the print server says why.
        if (destination.job.printer.empty() && chosenOutput_ && chosenOutput_->format == QPrinter::NativeFormat)
            destination.job.printer = chosenOutput_->printerName.toStdString();
    }
    return printing::Deliver(destination, settings, report, run);
}

movement::Outcome ProgramWindows::PrintChosen(const movement::MovementState& state, const PrintChoice& choice,
                                              const printing::PageMetrics& page, printing::PrintSurface& surface,
                                              const printing::Copies& copies) {
    printing::RunRequest run = choice.run;
    if (!printing::InfoOf(choice.product).usesAbsentPair) run.absentPair = movement::NoAbsentPair;
    run.copies = copies;
    return printing::PrintProduct(choice.product, state, page, run, surface);
}

std::unique_ptr<ProgramWindows> StartProgram(QApplication& application, movement::MovementState& state) {
    toolkit::SetUpApplication(application);
    // The desktop matches the windows with the menu entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROZSTAWIKI_DESKTOP_ID));
    printing::RemovePendingOutputOnSignals();
    state.DataFolders = movement::DataFolders(QCoreApplication::applicationFilePath().toStdString());
    auto windows = std::make_unique<ProgramWindows>(state);
    windows->Start();
    return windows;
}
