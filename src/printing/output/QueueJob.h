// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/JobFate.h"

#include "movement/Result.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace printing {

// How long the print server has for one exchange, from connecting to its last answer: silence,
// an answer dragged out byte by byte and one without end all end there.
constexpr int ServerAnswerSeconds = 15;

enum class Sides { OneSided, TwoSidedLongEdge, TwoSidedShortEdge };

// What the print dialog set for a job, as values; what is not set is the queue's own.
struct PrinterSettings {
    std::string paper;           // the paper's name as Qt and CUPS know it ("A4"); empty: the queue's
    std::optional<Sides> sides;  // none: the queue's
    int copies = 1;
    bool collate = false;  // with more than one copy: the whole job again and again
    bool lastPageFirst = false;
    // The options the print dialog set for CUPS beyond these (name, value), passed on as they are.
    std::vector<std::pair<std::string, std::string>> cupsOptions;
};

// A job for a print queue: on Unix a queue of the CUPS server the environment names (CUPS_SERVER,
// else the local one), on Windows a printer of the system's.
struct QueueJob {
    std::string printer;  // the queue, or "queue/instance" as the print dialog lists it
    std::string title;
    PrinterSettings settings;
    // The printer was chosen earlier, in the print settings: if it is missing now, it was removed since.
    bool chosenEarlier = false;
    // The sentence a refusal ends with, naming what the job holds: "Kart par nie wysłano."
    std::string notSent;
    // How long the print server has for each exchange of the job.
    int answerSeconds = ServerAnswerSeconds;
};

// Called about ten times a second while the caller waits for the print server, so that the
// windows keep themselves drawn meanwhile; nothing by default.
void SetWhileWaiting(std::function<void()> whileWaiting);

// Whether the print server answers at all within `seconds`, asked before anything that talks to
// it without a time limit of its own (Qt's printer and print dialog). Refused with the reason in
// Polish only when a server is there and keeps silent; no server at all, or one that asks for a
// password, is accepted: Qt copes with those by itself. Windows has no server to ask.
movement::Outcome CheckPrintServerAnswers(int seconds = ServerAnswerSeconds);

// Runs `make` while this thread has no print server to ask, so that what it makes asks none:
// Qt's printer looks for the server's default printer as it is made, and for a PDF of its own
// (the preview before any print settings) it needs no server.
void WithoutPrintServer(const std::function<void()>& make);

}  // namespace printing
