// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Products.h"

#include "movement/MovementState.h"
#include "movement/Result.h"
#include "movement/Text.h"

#include <cstdint>

namespace printing {

// The words the helpers' cards speak: Polish with its plural forms, as the program prints it;
// in the fuzz build, which has no translations, the sources' Polish.
const movement::Catalogue& PolishCardWords();

// PrintProduct with the table cards' range, a job per card (or page) and the absent pair (as
// numbered in the scheme) given one by one, and nothing else asked.
movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface);

// The table cards of tables `first` to `last` (in either order, kept within the movement's
// tables), as many copies as asked (1..MaxCopies), without an absent pair.
movement::Outcome PrintTableCards(const movement::MovementState& state, const PageMetrics& page, int32_t first,
                                  int32_t last, bool separateJobs, PrintSurface& surface, Copies copies = {});

}  // namespace printing
