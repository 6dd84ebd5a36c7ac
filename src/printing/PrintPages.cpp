// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPages.h"

#include <algorithm>
#include <string>

namespace printing {

namespace {

movement::Outcome PrinterFailed(PrintSurface& surface, const movement::Outcome& failed) {
    surface.AbortDoc();
    return movement::Outcome::Refused(failed.message().empty()
                                          ? std::string("Drukarka zgłosiła błąd; wydruk przerwano.")
                                          : failed.message());
}

}  // namespace

bool SeparateJobsOn(const PrintSurface& surface, bool separateJobs) { return separateJobs && !surface.WritesToFile(); }

movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, const PageJobs& jobs,
                             const std::function<void(int32_t page)>& draw) {
    if (!SeparateJobsOn(surface, jobs.separate)) {
        if (const auto begun = surface.BeginDoc(jobs.runTitle); !begun.accepted()) return PrinterFailed(surface, begun);
        for (int32_t page = 0; page < pages; ++page) {
            if (page > 0) {
                if (const auto next = surface.NewPage(); !next.accepted()) return PrinterFailed(surface, next);
            }
            draw(page);
        }
        if (const auto ended = surface.EndDoc(); !ended.accepted()) return PrinterFailed(surface, ended);
        return movement::Outcome::Accepted();
    }

    const int32_t perJob = std::max(jobs.pagesPerJob, 1);
    for (int32_t first = 0, job = 0; first < pages; first += perJob, ++job) {
        const auto begun = surface.BeginDoc(jobs.jobTitle ? jobs.jobTitle(job) : jobs.runTitle);
        if (!begun.accepted()) return PrinterFailed(surface, begun);
        for (int32_t page = first; page < std::min(pages, first + perJob); ++page) {
            if (page > first) {
                if (const auto next = surface.NewPage(); !next.accepted()) return PrinterFailed(surface, next);
            }
            draw(page);
        }
        if (const auto ended = surface.EndDoc(); !ended.accepted()) return PrinterFailed(surface, ended);
    }
    return movement::Outcome::Accepted();
}

}  // namespace printing
