// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace printing {

// How a print queue took a job it accepted: printing, or waiting in the queue because the
// printer is stopped or the job is held there; on Windows, handed to the spooler, which tells no
// more.
enum class JobFate { Printing, WaitingPrinterStopped, WaitingJobHeld, HandedToSpooler };

}  // namespace printing
