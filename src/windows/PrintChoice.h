// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Languages.h"
#include "movement/MovementState.h"
#include "printing/Products.h"

#include <cstdint>

// What the director chose in the main window to print, as its controls read: the product, the
// table cards' range, one job per card, the boards in a set, the event, the absent pair by the
// number the cards print, and the cards' language. The copies come from the printer.
struct PrintChoice {
    printing::Product product = printing::Product::TableCards;
    // Its absent pair is the scheme's, found from absentPrinted when the print is checked.
    printing::RunRequest run;
    int32_t absentPrinted = movement::NoAbsentPair;
    // The language the cards speak, apart from the windows'.
    movement::Language cardLanguage = movement::SourceLanguage();
};
