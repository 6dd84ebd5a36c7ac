// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/BoardRoutes.h"
#include "movement/MovementState.h"
#include "movement/Text.h"

#include <cstdint>
#include <string>

namespace printing {

// How the pairs are numbered, in the words every product prints: "Skok numeracji: 7",
// "Numery jak w Mitchell'u" or "Numery dowolne".
std::string NumberingText(const movement::Catalogue& words, const movement::MovementState& state, bool arbitraryNumbers);

// "Źródło: " and the scheme's source; empty when the movement names none.
std::string SourceText(const movement::Catalogue& words, const movement::MovementState& state);

// What a movement line says after the rounds and the tables, in this order.
struct MovementLineParts {
    // "Rund:7; Stołów:4", without a space after the colons: the table cards have always printed
    // their counts so.
    bool tight = false;
    bool pairs = false;                              // "; Par: 8"
    int32_t boardsPerSet = movement::NoBoardsGiven;  // "; Rozdań w komplecie: 3", when given
    bool numbering = false;                          // "; Skok numeracji: 7" (NumberingText)
    bool source = false;                             // "; Źródło: …", when the movement names one
};

// The one line every product prints so that its pages are not mixed with another movement's:
// "Rund: 7; Stołów: 4" and what `parts` adds to it.
std::string MovementLine(const movement::Catalogue& words, const movement::MovementState& state,
                         const MovementLineParts& parts = {});

}  // namespace printing
