// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/Copies.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/Result.h"

#include <cstdint>
#include <functional>
#include <string>

namespace printing {

// How a run's pages fall into jobs, how often each is printed, and what each job is called.
struct PageJobs {
    bool separate = false;                              // a job per page rather than one for the run
    Copies copies;                                      // every page this many times
    std::string runTitle;                               // the one job's title
    std::function<std::string(int32_t page)> jobTitle;  // page i's own job's title
};

// Pages 0..pages-1, each drawn by `draw` as many times as the copies (1..MaxCopies): in one job
// the collated copies repeat the run, the others repeat each page in turn; where the surface
// allows separate jobs (a file does not: a second job would overwrite the one before), every
// page is a job of its own holding exactly its copies. Stops at the first failing printer
// operation, abandons the job and returns the printer's reason.
movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, const PageJobs& jobs,
                             const std::function<void(int32_t page)>& draw);

}  // namespace printing
