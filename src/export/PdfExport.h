#pragma once

#include "ExportOptions.h"

#include <ostream>

namespace pdfexport {

// Runs one request: the cards to a PDF file, the list of a scheme file, or the check of its
// lines. Messages go to `errors`, listings to `out`. Returns the exit status: 0 success, 1 bad
// input. A failed export leaves no output file and an existing one untouched.
int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& errors);

}  // namespace pdfexport
