// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PagedProduct.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Text.h"

namespace printing {

// The product's name as the director reads it.
inline constexpr movement::TextId TableCardsName = RZ_TEXT("products", "Rozstawiki stolikowe");

// The table cards of a run, laid out: one card per table from `request.first` to `request.last`
// (in either order, kept within the movement's tables), each on a page of its own; refused
// without a movement.
PagedProductResult LayOutTableCards(const movement::MovementState& state, const PageMetrics& page,
                                    const RunRequest& request, PrintSurface& surface);

}  // namespace printing
