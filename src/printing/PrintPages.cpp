// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPages.h"

#include <algorithm>
#include <string>

namespace printing {

namespace {

movement::Outcome PrinterFailed(PrintSurface& surface, const movement::Outcome& failed) {
    surface.AbortDoc();
    if (failed.message().empty())
        return movement::Outcome::Refused(RZ_TEXT("refusals", "Drukarka zgłosiła błąd; wydruk przerwano."));
    return failed;
}

// Whether a run that asks for separate jobs gets them on this surface: a second job written to
// one file would overwrite the one before.
bool SeparateJobsOn(const PrintSurface& surface, bool separateJobs) { return separateJobs && !surface.WritesToFile(); }

}  // namespace

movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, const PageJobs& jobs,
                             const std::function<void(int32_t page)>& draw) {
    const bool separate = SeparateJobsOn(surface, jobs.separate);
    const int32_t each = std::clamp(jobs.copies.count, 1, MaxCopies);
    // A page's own job holds its copies together, whatever the collation.
    const bool repeatRun = jobs.copies.collated && !separate;
    const int32_t printed = pages * each;
    // One job holds every printed page, even none.
    const int32_t perJob = separate ? each : std::max(printed, 1);
    const int32_t jobCount = separate ? pages : 1;
    for (int32_t job = 0; job < jobCount; ++job) {
        const std::string title = separate && jobs.jobTitle ? jobs.jobTitle(job) : jobs.runTitle;
        if (const auto begun = surface.BeginDoc(title); !begun.accepted()) return PrinterFailed(surface, begun);
        const int32_t first = job * perJob;
        for (int32_t k = first; k < std::min(printed, first + perJob); ++k) {
            if (k > first) {
                if (const auto next = surface.NewPage(); !next.accepted()) return PrinterFailed(surface, next);
            }
            draw(repeatRun ? k % pages : k / each);
        }
        if (const auto ended = surface.EndDoc(); !ended.accepted()) return PrinterFailed(surface, ended);
    }
    return movement::Outcome::Accepted();
}

}  // namespace printing
