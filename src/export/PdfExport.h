// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExportOptions.h"

#include <ostream>

namespace pdfexport {

// Runs one request: the cards to a PDF file or to a print queue, the list of a scheme file, or
// the check of its lines. Messages go to `errors`, listings to `out`. Returns the exit status: 0
// success (also for cards waiting in the queue, with a warning), 1 bad input or a job the queue
// did not take. A failed export leaves no output file and an existing one untouched.
int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& errors);

}  // namespace pdfexport
