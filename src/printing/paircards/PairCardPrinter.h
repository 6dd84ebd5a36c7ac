// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PagedProduct.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Text.h"

namespace printing {

// The product's name as the director reads it.
inline constexpr movement::TextId PairCardsName = RZ_TEXT("products", "Karty par");

// The pair cards of a run, laid out: a card for every pair but the absent one, in order of the
// numbers they play under, as many to a page as its size allows with dashed cut lines between
// them, each under the movement's line; round by round the table, the direction, the opponents,
// the board set and, when the boards in a set are given, the boards, every other three rows shaded.
PagedProductResult LayOutPairCards(const movement::MovementState& state, const PageMetrics& page,
                                   const RunRequest& request, PrintSurface& surface);

}  // namespace printing
