// SPDX-License-Identifier: GPL-3.0-or-later
// The print road on Windows: no print server to ask, so a run is drawn on Qt's printer and handed
// to the Windows spooler, job by job. What becomes of a job after that (a stopped printer, a
// held job) the spooler does not tell, so every job taken is reported as handed over.
#include "QueueOutput.h"

#include "printing/surfaces/QtPrintSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace printing {

namespace {

using Sent = movement::Result<JobFate>;

std::string Option(const QueueJob& job, const std::string& name) {
    for (const auto& [key, value] : job.options)
        if (key == name) return value;
    return {};
}

// The job's settings, as QueueJobOf took them from the print dialog's printer.
void SetUp(QPrinter& printer, const QueueJob& job) {
    if (const std::string copies = Option(job, "copies"); !copies.empty()) {
        printer.setCopyCount(std::stoi(copies));
        printer.setCollateCopies(Option(job, "multiple-document-handling") == "separate-documents-collated-copies");
    }
    const std::string sides = Option(job, "sides");
    if (sides == "two-sided-long-edge") printer.setDuplex(QPrinter::DuplexLongSide);
    if (sides == "two-sided-short-edge") printer.setDuplex(QPrinter::DuplexShortSide);
    if (Option(job, "outputorder") == "reverse") printer.setPageOrder(QPrinter::LastPageFirst);
}

}  // namespace

// The dialog's CUPS options have no place here: the settings every system has are the job.
QueueJob QueueJobOf(const QPrinter& printer) { return PrinterSettingsJobOf(printer); }

movement::Result<JobFate> PrintToQueue(const QueueJob& job, const PdfSettings& settings, const PrintRun& run) {
    if (job.printer.empty()) return Sent::Refused("Nie wybrano drukarki – wybierz ją w ustawieniach druku.");
    const QString name = QString::fromStdString(job.printer);
    if (QPrinterInfo::printerInfo(name).isNull()) {
        if (job.chosenEarlier)
            return Sent::Refused("Drukarki " + job.printer +
                                 " nie ma już w systemie Windows: usunięto ją po wybraniu w ustawieniach druku. " +
                                 job.notSent + "\nWybierz drukarkę ponownie (Ustawienia Druku).");
        return Sent::Refused("Nie ma drukarki " + job.printer + " w systemie Windows. " + job.notSent);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    printer.setPageLayout(settings.layout);
    SetUp(printer, job);
    QtPrintSurface surface(printer);
    const movement::Outcome printed = run(surface, {printer.width(), printer.height()});
    if (!printed.accepted()) return printed;
    return Sent::Accepted(JobFate::HandedToSpooler);
}

// The spooler takes a job at once: there is no print server to wait for or to keep away from.
void SetWhileWaiting(std::function<void()>) {}

movement::Outcome CheckPrintServerAnswers() { return movement::Outcome::Accepted(); }

void WithoutPrintServer(const std::function<void()>& make) { make(); }

}  // namespace printing
