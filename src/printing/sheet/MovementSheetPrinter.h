// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PagedProduct.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Text.h"

namespace printing {

// The product's name as the director reads it, and the sheet's title.
inline constexpr movement::TextId MovementSheetName = RZ_TEXT("products", "Arkusz schematu");

// The movement sheet of a run, laid out: its counts, numbering and source, a grid of tables by
// rounds (each cell the NS and WE pairs' printed numbers and the board set, or its boards when
// the boards in a set are given; under a round's cells the sets waiting on the spare table, the
// tables sharing a set and the pair sitting out), then what the checks found and the balance of
// directions. The absent pair is marked and its cells shaded wherever it sits. A grid too large
// for a page goes on over further pages, round blocks first.
PagedProductResult LayOutMovementSheet(const movement::MovementState& state, const PageMetrics& page,
                                       const RunRequest& request, PrintSurface& surface);

}  // namespace printing
