// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"
#include "movement/Text.h"

#include <cstdint>
#include <string>

namespace printing {

// The heading of a pair card, or the title of a sheet's page, that goes on from the one before:
// "Para 8 (cd.)".
std::string Continued(const movement::Catalogue& words, const std::string& heading);

// The title of a run's job, on a print queue and in a PDF file alike, for a product that holds
// the whole movement: the movement and the product's name ("Rozstawiki 7 rund 4 stoły, Karty
// par"). Table cards name their range instead (movement::PrintJobTitle).
std::string ProductTitle(const movement::Catalogue& words, movement::TextId productName,
                         const movement::MovementState& state);

// The title of page `page` (from 1) as a job of its own: "…, Karty par, strona 2".
std::string PageTitle(const movement::Catalogue& words, movement::TextId productName,
                      const movement::MovementState& state, int32_t page);

}  // namespace printing
