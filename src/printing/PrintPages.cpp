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
    // One job holds every page, even none; separate jobs hold `pagesPerJob` pages each.
    const bool separate = SeparateJobsOn(surface, jobs.separate);
    const int32_t perJob = separate ? std::max(jobs.pagesPerJob, 1) : std::max(pages, 1);
    const int32_t jobCount = separate ? (pages + perJob - 1) / perJob : 1;
    for (int32_t job = 0; job < jobCount; ++job) {
        const std::string title = separate && jobs.jobTitle ? jobs.jobTitle(job) : jobs.runTitle;
        if (const auto begun = surface.BeginDoc(title); !begun.accepted()) return PrinterFailed(surface, begun);
        const int32_t first = job * perJob;
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
