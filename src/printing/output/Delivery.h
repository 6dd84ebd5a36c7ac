// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/output/PdfFileOutput.h"
#include "printing/output/PrintReport.h"
#include "printing/output/QueueJob.h"

#include "movement/Result.h"

#include <string>
#include <vector>

namespace printing {

// Where a run goes: into a PDF file, never one of the files being read, or onto a print queue.
struct Destination {
    bool toFile = false;
    std::string file;                 // the PDF file's path, as given
    std::vector<std::string> inputs;  // the scheme files being read, which the cards may not replace
    QueueJob job;                     // the queue and its options; each job takes its own title
};

// The one road out of the windows and the export: the run is drawn into the file or sent to the
// queue, on pages laid out by `settings`. Accepted with the report of what was printed (`what`
// names the product and how many cards) and where it went, and how the queue took it; refused
// with the reason, which ends by what was not sent in `words` (the interface's language).
movement::Result<PrintReport> Deliver(const movement::Catalogue& words, const Destination& destination,
                                      const PdfSettings& settings, const PrintReport& what, const PrintRun& run);

}  // namespace printing
