#pragma once

#include "JobFate.h"

#include "movement/Result.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace printing {

// A job for a queue of the CUPS server the environment names (CUPS_SERVER, else the local one).
struct QueueJob {
    std::string printer;  // the queue, or "queue/instance" as the print dialog lists it
    std::string title;
    std::vector<std::pair<std::string, std::string>> options;  // as CUPS names them: copies, media, sides...
    // The printer was chosen earlier, in the print settings: if it is missing now, it was removed since.
    bool chosenEarlier = false;
};

// Sends one PDF document to the queue and waits until the server has taken it, not until it is
// printed. Accepted with how the queue took it; refused, with the reason in Polish naming the
// printer, when there is no print server, no such printer, the printer does not accept jobs, or
// the server did not take the document.
movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf);

}  // namespace printing
