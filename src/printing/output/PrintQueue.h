// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/output/JobFate.h"
#include "printing/output/PdfFileOutput.h"
#include "printing/output/QueueJob.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/Result.h"

#include <memory>
#include <string>

namespace printing {

// A print queue as each system has one (CupsQueue.cpp, WindowsSpooler.cpp; CMake builds the
// system's): a run's jobs are drawn on its surface one after another, and each is sent as it
// ends. The road to it (PrintToQueue) and the words of a refusal (QueueTexts.h) are shared.
class PrintQueue {
public:
    virtual ~PrintQueue() = default;

    // The surface the jobs are drawn on, and its page.
    virtual PrintSurface& Surface() = 0;
    virtual PageMetrics Page() = 0;

    // Sends the job titled `title` that has just ended on the surface: how the queue took it, or
    // why it did not, in Polish, naming the printer and what was not sent.
    virtual movement::Result<JobFate> SendJob(const std::string& title) = 0;
};

// The system's queue for `job`, its pages laid out by `settings`; refused, in Polish, when the
// system has no such printer to begin with.
movement::Result<std::unique_ptr<PrintQueue>> OpenPrintQueue(const QueueJob& job, const PdfSettings& settings);

}  // namespace printing
