// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPages.h"

#include <algorithm>
#include <string>

namespace printing {

namespace {

movement::Outcome PrinterFailed(PrintSurface& surface) {
    surface.AbortDoc();
    const std::string reason = surface.LastError();
    return movement::Outcome::Refused(reason.empty() ? std::string("Drukarka zgłosiła błąd; wydruk przerwano.")
                                                     : reason);
}

}  // namespace

bool SeparateJobsOn(const PrintSurface& surface, bool separateJobs) { return separateJobs && !surface.WritesToFile(); }

movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, const PageJobs& jobs,
                             const std::function<void(int32_t page)>& draw) {
    if (!SeparateJobsOn(surface, jobs.separate)) {
        if (!surface.BeginDoc(jobs.runTitle)) return PrinterFailed(surface);
        for (int32_t page = 0; page < pages; ++page) {
            if (page > 0 && !surface.NewPage()) return PrinterFailed(surface);
            draw(page);
        }
        if (!surface.EndDoc()) return PrinterFailed(surface);
        return movement::Outcome::Accepted();
    }

    const int32_t perJob = std::max(jobs.pagesPerJob, 1);
    for (int32_t first = 0, job = 0; first < pages; first += perJob, ++job) {
        if (!surface.BeginDoc(jobs.jobTitle ? jobs.jobTitle(job) : jobs.runTitle)) return PrinterFailed(surface);
        for (int32_t page = first; page < std::min(pages, first + perJob); ++page) {
            if (page > first && !surface.NewPage()) return PrinterFailed(surface);
            draw(page);
        }
        if (!surface.EndDoc()) return PrinterFailed(surface);
    }
    return movement::Outcome::Accepted();
}

}  // namespace printing
