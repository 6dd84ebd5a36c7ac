#include "PageRun.h"

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

movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, bool separateJobs,
                             const std::function<void(int32_t page)>& draw) {
    const bool jobPerPage = separateJobs && !surface.WritesToFile();
    if (!jobPerPage && !surface.BeginDoc()) return PrinterFailed(surface);
    for (int32_t page = 0; page < pages; ++page) {
        if (jobPerPage && !surface.BeginDoc()) return PrinterFailed(surface);
        draw(page);
        if (page + 1 < pages && !jobPerPage && !surface.NewPage()) return PrinterFailed(surface);
        if (jobPerPage && !surface.EndDoc()) return PrinterFailed(surface);
    }
    if (!jobPerPage && !surface.EndDoc()) return PrinterFailed(surface);
    return movement::Outcome::Accepted();
}

}  // namespace printing
