#pragma once

#include "PrintSurface.h"

#include "movement/Result.h"

#include <cstdint>
#include <functional>

namespace printing {

// Pages 0..pages-1, each drawn by `draw`: one job for the run, or a job per page when
// `separateJobs` is set and the surface does not write to a file (a second job would overwrite
// it). Stops at the first failing printer operation, abandons the job and returns the printer's
// reason.
movement::Outcome PrintPages(PrintSurface& surface, int32_t pages, bool separateJobs,
                             const std::function<void(int32_t page)>& draw);

}  // namespace printing
