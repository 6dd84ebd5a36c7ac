// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include "movement/Result.h"

#include <cstdint>
#include <functional>
#include <string>

namespace printing {

// How a run's pages fall into jobs, and what each job is called.
struct PageJobs {
    bool separate = false;                             // a job per card (or per page) rather than one for the run
    int32_t pagesPerJob = 1;                           // the pages of one separate job: a card's copies
    std::string runTitle;                              // the one job's title
    std::function<std::string(int32_t job)> jobTitle;  // separate job i's title
};

// Whether a run that asks for separate jobs gets them on this surface: a second job written to
// one file would overwrite the one before.
bool SeparateJobsOn(const PrintSurface& surface, bool separateJobs);

// Pages 0..pages-1, each drawn by `draw`: one job for the run, or, where the surface allows
// separate jobs, a job for every `pagesPerJob` pages, each holding exactly its pages. Stops at
// the first failing printer operation, abandons the job and returns the printer's reason.
movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, const PageJobs& jobs,
                             const std::function<void(int32_t page)>& draw);

}  // namespace printing
