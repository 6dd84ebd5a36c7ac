// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRuns.h"

#include "movement/AbsentPair.h"

namespace printing {

movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface) {
    return PrintProduct(product, state, page, {first, last, separateJobs, absentPair, {}}, surface);
}

movement::Outcome PrintTableCards(const movement::MovementState& state, const PageMetrics& page, int32_t first,
                                  int32_t last, bool separateJobs, PrintSurface& surface, Copies copies) {
    return PrintProduct(Product::TableCards, state, page, {first, last, separateJobs, movement::NoAbsentPair, copies},
                        surface);
}

}  // namespace printing
