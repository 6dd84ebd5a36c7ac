// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRuns.h"

#include "movement/AbsentPair.h"

namespace printing {

movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface) {
    return PrintProduct(product, state, page,
                        {.first = first,
                         .last = last,
                         .separateJobs = separateJobs,
                         .absentPair = absentPair,
                         .copies = {},
                         .boardsPerSet = movement::NoBoardsGiven,
                         .event = {},
                         .words = &PolishCardWords()},
                        surface);
}

movement::Outcome PrintTableCards(const movement::MovementState& state, const PageMetrics& page, int32_t first,
                                  int32_t last, bool separateJobs, PrintSurface& surface, Copies copies) {
    return PrintProduct(Product::TableCards, state, page,
                        {.first = first,
                         .last = last,
                         .separateJobs = separateJobs,
                         .absentPair = movement::NoAbsentPair,
                         .copies = copies,
                         .boardsPerSet = movement::NoBoardsGiven,
                         .event = {},
                         .words = &PolishCardWords()},
                        surface);
}

}  // namespace printing
