// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/output/QueueJob.h"

#include <string>

namespace printing {

// Where a system keeps its printers, as the refusals name it.
enum class PrinterPlace { PrintServer, Windows };

// "Nie wybrano drukarki – wybierz ją w ustawieniach druku."
std::string NoPrinterChosen();

// A printer the place does not have: one chosen in the print settings and removed since, or one
// it never had; ends by naming what was not sent.
std::string NoSuchPrinter(const QueueJob& job, PrinterPlace place);

// `sentence` about a job that was not sent, followed by what was not sent ("Kart par nie
// wysłano."), where the job names it.
std::string NotSent(const QueueJob& job, const std::string& sentence);

}  // namespace printing
