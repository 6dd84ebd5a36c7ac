// SPDX-License-Identifier: GPL-3.0-or-later
#include "Delivery.h"

#include "printing/output/QueueOutput.h"

namespace printing {

movement::Result<PrintReport> Deliver(const movement::Catalogue& words, const Destination& destination,
                                      const PdfSettings& settings, const PrintReport& what, const PrintRun& run) {
    PrintReport report = what;
    report.toFile = destination.toFile;
    if (destination.toFile) {
        report.destination = destination.file;
        const movement::Outcome written = PrintToPdfFile(destination.file, destination.inputs, settings, run);
        if (!written.accepted()) return written;
        return movement::Result<PrintReport>::Accepted(report);
    }
    report.destination = destination.job.printer;
    QueueJob job = destination.job;
    job.notSent = NotSentSentence(words, what.sentences);
    const movement::Result<JobFate> sent = PrintToQueue(job, settings, run);
    if (!sent.accepted()) return sent;
    report.fate = sent.value();
    return movement::Result<PrintReport>::Accepted(report);
}

}  // namespace printing
