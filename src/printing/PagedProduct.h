// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/MovementState.h"
#include "movement/Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace printing {

// What one run asks of a product: the table cards' range, a job per card (or page), the absent
// pair (as numbered in the scheme), the copies the program prints itself, the boards in a set
// and the event.
struct RunRequest {
    int32_t first = 1;
    int32_t last = 0;
    bool separateJobs = false;
    int32_t absentPair = movement::NoAbsentPair;
    Copies copies;
    int32_t boardsPerSet = movement::NoBoardsGiven;
    // The event's line at the foot of every page, as the director typed it (movement::EventLine);
    // none when empty or spaces only.
    std::string event{};
};

// A product laid out for one run on one surface: its pages, which the one print loop
// (PrintProduct, through PrintPages) draws one by one and groups into jobs.
class PagedProduct {
public:
    virtual ~PagedProduct() = default;

    virtual int32_t PageCount() const = 0;
    // The pages one job of its own holds when the run asks for separate jobs: a card's copies.
    virtual int32_t PagesPerJob() const { return 1; }
    // The titles of the run's one job and of separate job `job` (from 0).
    virtual std::string RunTitle() const = 0;
    virtual std::string JobTitle(int32_t job) const = 0;
    virtual void DrawPage(int32_t page) = 0;
};

// How a product is laid out for a run: refused with the reason when it cannot be.
using PagedProductResult = movement::Result<std::unique_ptr<PagedProduct>>;
using LayOutProduct = PagedProductResult (*)(const movement::MovementState& state, const PageMetrics& page,
                                             const RunRequest& request, PrintSurface& surface);

}  // namespace printing
