// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/QueueJob.h"

#include "movement/Text.h"

#include <string>
#include <vector>

namespace printing {

// Where a system keeps its printers, as the refusals name it.
enum class PrinterPlace { PrintServer, Windows };

// "Nie wybrano drukarki – wybierz ją w ustawieniach druku."
movement::Text NoPrinterChosen();

// A printer the place does not have: one chosen in the print settings and removed since, or one
// it never had; names what was not sent.
movement::Text NoSuchPrinter(const QueueJob& job, PrinterPlace place);

// A refusal of a job that was not sent: `sentence` with `arguments` in its first places and
// what the job holds ("Kart par nie wysłano.", QueueJob::notSent) in the place after them.
movement::Text NotSent(const QueueJob& job, movement::TextId sentence, std::vector<std::string> arguments);

}  // namespace printing
