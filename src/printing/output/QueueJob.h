// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/JobFate.h"

#include "movement/Result.h"

#include <functional>
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
    // The sentence a refusal ends with, naming what the job holds: "Kart par nie wysłano."
    std::string notSent;
};

// How long the print server has for one exchange, from connecting to its last answer: silence,
// an answer dragged out byte by byte and one without end all end there.
constexpr int ServerAnswerSeconds = 15;

// Called about ten times a second while the caller waits for the print server, so that the
// windows keep themselves drawn meanwhile; nothing by default.
void SetWhileWaiting(std::function<void()> whileWaiting);

// Sends one PDF document to the queue and waits until the server has confirmed it (answered the
// document with success, then known its job), not until it is printed. Accepted with how the
// queue took it; refused, with the reason in Polish naming the printer, when there is no print
// server, no such printer, the printer does not accept jobs, the server did not take the
// document, asked for a password (none is asked of the director here), answered what is not IPP,
// broke the connection or did not finish within ServerAnswerSeconds. A job refused after its
// document began to go out is called back; when that fails too, the reason says the cards may
// still print.
// Unix only: Windows has no server to send a PDF to (WindowsSpooler.cpp).
movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf);

// Whether the print server answers at all within ServerAnswerSeconds, asked before anything that
// talks to it without a time limit of its own (Qt's printer and print dialog). Refused with the
// reason in Polish only when a server is there and keeps silent; no server at all, or one that
// asks for a password, is accepted: Qt copes with those by itself.
movement::Outcome CheckPrintServerAnswers();

// Runs `make` while this thread has no print server to ask, so that what it makes asks none:
// Qt's printer looks for the server's default printer as it is made, and for a PDF of its own
// (the preview before any print settings) it needs no server.
void WithoutPrintServer(const std::function<void()>& make);

}  // namespace printing
