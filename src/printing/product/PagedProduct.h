// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PageMetrics.h"
#include "printing/product/RunRequest.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace printing {

// A product laid out for one run on one surface: its pages, which the one print loop
// (PrintProduct, through PrintPages) draws one by one, repeats for the copies and groups into
// jobs.
class PagedProduct {
public:
    virtual ~PagedProduct() = default;

    virtual int32_t PageCount() const = 0;
    // The titles of the run's one job and of page `page`'s job (from 0) when every page is a job
    // of its own.
    virtual std::string RunTitle() const = 0;
    virtual std::string JobTitle(int32_t page) const = 0;
    virtual void DrawPage(int32_t page) = 0;
};

// How a product is laid out for a run: refused with the reason when it cannot be.
using PagedProductResult = movement::Result<std::unique_ptr<PagedProduct>>;
using LayOutProduct = PagedProductResult (*)(const movement::MovementState& state, const PageMetrics& page,
                                             const RunRequest& request, PrintSurface& surface);

}  // namespace printing
