// SPDX-License-Identifier: GPL-3.0-or-later
// The print queue on Windows: no print server to ask, so a run is drawn on Qt's printer and
// handed to the Windows spooler, job by job. What becomes of a job after that (a stopped printer,
// a held job) the spooler does not tell, so every job taken is reported as handed over.
#include "printing/output/PrintQueue.h"
#include "printing/output/QueueTexts.h"
#include "printing/surfaces/QtPrintSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace printing {

namespace {

class WindowsSpooler : public PrintQueue {
public:
    WindowsSpooler(const QueueJob& job, const PdfSettings& settings)
        : printer_(QPrinter::HighResolution), surface_(printer_) {
        printer_.setPrinterName(QString::fromStdString(job.printer));
        printer_.setPageLayout(settings.layout);
        const PrinterSettings& chosen = job.settings;
        if (chosen.copies > 1) {
            printer_.setCopyCount(chosen.copies);
            printer_.setCollateCopies(chosen.collate);
        }
        if (chosen.sides == Sides::TwoSidedLongEdge) printer_.setDuplex(QPrinter::DuplexLongSide);
        if (chosen.sides == Sides::TwoSidedShortEdge) printer_.setDuplex(QPrinter::DuplexShortSide);
        if (chosen.lastPageFirst) printer_.setPageOrder(QPrinter::LastPageFirst);
    }

    PrintSurface& Surface() override { return surface_; }
    PageMetrics Page() override { return {printer_.width(), printer_.height()}; }

    // The job has gone to the spooler as it ended on Qt's printer.
    movement::Result<JobFate> SendJob(const std::string&) override {
        return movement::Result<JobFate>::Accepted(JobFate::HandedToSpooler);
    }

private:
    QPrinter printer_;
    QtPrintSurface surface_;
};

}  // namespace

movement::Result<std::unique_ptr<PrintQueue>> OpenPrintQueue(const QueueJob& job, const PdfSettings& settings) {
    using Opened = movement::Result<std::unique_ptr<PrintQueue>>;
    if (QPrinterInfo::printerInfo(QString::fromStdString(job.printer)).isNull())
        return Opened::Refused(NoSuchPrinter(job, PrinterPlace::Windows));
    return Opened::Accepted(std::make_unique<WindowsSpooler>(job, settings));
}

// The spooler takes a job at once: there is no print server to wait for or to keep away from.
void SetWhileWaiting(std::function<void()>) {}

movement::Outcome CheckPrintServerAnswers(int) { return movement::Outcome::Accepted(); }

void WithoutPrintServer(const std::function<void()>& make) { make(); }

}  // namespace printing
