#include "ProgramWindows.h"

#include "Figura.h"
#include "NumDow.h"
#include "Palce.h"
#include "drkr.h"

#include "movement/SchemeFile.h"
#include "printing/PdfFileOutput.h"
#include "printing/QtPrintSurface.h"

#include <QFile>
#include <QPrinter>

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
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::Start() { drog_->ShowAndActivate(); }

QPrinter& ProgramWindows::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

printing::PrintSurface& ProgramWindows::Surface() {
    if (surface_ == nullptr) {
        ownSurface_ = std::make_unique<printing::QtPrintSurface>(Printer());
        surface_ = ownSurface_.get();
    }
    return *surface_;
}

movement::Outcome ProgramWindows::PrintCards(const movement::MovementState& state, int32_t first, int32_t last,
                                             bool separateJobs) {
    const bool toPdfFile =
        surface_ == nullptr && Printer().outputFormat() == QPrinter::PdfFormat && !Printer().outputFileName().isEmpty();
    if (!toPdfFile) return printing::PrintCards(state, page_, first, last, separateJobs, Surface());

    // The scheme files are read from the working folder; none of them may become the output.
    std::vector<std::string> schemeFiles;
    schemeFiles.reserve(movement::ShippedSchemeFiles.size());
    for (const movement::ShippedSchemeFile& file : movement::ShippedSchemeFiles)
        schemeFiles.emplace_back(file.fileName);
    printing::PdfSettings settings;
    settings.layout = Printer().pageLayout();
    settings.resolution = Printer().resolution();
    return printing::PrintCardsToPdfFile(QFile::encodeName(Printer().outputFileName()).toStdString(), schemeFiles,
                                         settings, [&](printing::PrintSurface& surface, const printing::PageMetrics&) {
                                             // The cards keep the metrics measured in the print settings, as on a printer.
                                             return printing::PrintCards(state, page_, first, last, separateJobs,
                                                                         surface);
                                         });
}
