// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/output/JobFate.h"
#include "printing/output/PdfFileOutput.h"
#include "printing/output/QueueJob.h"

#include "movement/Result.h"

class QPrinter;

namespace printing {

// The job the print dialog set up on the printer: its queue, and the copies, collation, sides,
// page order, paper and (on Unix) the CUPS options the dialog chose. Each job of a run takes its
// own title.
QueueJob QueueJobOf(const QPrinter& printer);

// Prints a run on a print queue: every job of the run is drawn and sent to the queue whole, as a
// job of its own (see PrintQueue.h). Stops at the first job the queue does not take, with its
// reason. Accepted with how the queue took the jobs: waiting when any of them waits.
movement::Result<JobFate> PrintToQueue(const QueueJob& job, const PdfSettings& settings, const PrintRun& run);

}  // namespace printing
