// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/JobFate.h"
#include "printing/output/PdfFileOutput.h"
#include "printing/output/QueueJob.h"

#include "movement/Result.h"

#include <string>

class QPrinter;

namespace printing {

// The job the print dialog set up on the printer: its queue, and the copies, collation, sides,
// page order, paper and the CUPS options the dialog chose. Each job of a run takes its own title.
QueueJob QueueJobOf(const QPrinter& printer);

// The part of it every system has: the queue, paper, sides, copies, collation and page order.
QueueJob PrinterSettingsJobOf(const QPrinter& printer);

// Prints a run on a print queue: every job of the run is drawn into a PDF in memory and sent to
// the queue whole, as a job of its own (see SendPdfToQueue). Stops at the first job the queue
// does not take, with its reason. Accepted with how the queue took the jobs: waiting when any of
// them waits.
movement::Result<JobFate> PrintToQueue(const QueueJob& job, const PdfSettings& settings, const PrintRun& run);

}  // namespace printing
