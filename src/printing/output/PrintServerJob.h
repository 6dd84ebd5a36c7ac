// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/QueueJob.h"

#include <string_view>

namespace printing {

// Sends one PDF document to a CUPS queue and waits until the server has confirmed it (answered
// the document with success, then known its job), not until it is printed. Accepted with how the
// queue took it; refused, with the reason in Polish naming the printer, when there is no print
// server, no such printer, the printer does not accept jobs, the server did not take the
// document, asked for a password (none is asked of the director here), answered what is not IPP,
// broke the connection or did not finish within the job's answerSeconds. A job refused after its
// document began to go out is called back; when that fails too, the reason says the cards may
// still print. Unix: the print server's module (PrintServerJob.cpp), which the programs load.
movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf);

}  // namespace printing
