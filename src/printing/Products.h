// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintPages.h"
#include "printing/surfaces/PrintSurface.h"
#include "printing/tablecards/TableCardPrinter.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <cstdint>
#include <string>

namespace printing {

// What the director prints from one movement.
enum class Product {
    TableCards,     // a card per table, as PrintTableCards prints them
    PairCards,      // a card per pair, several to a page (PrintPairCards)
    MovementSheet,  // the whole movement on a sheet, with what the checks found (PrintMovementSheet)
};

// After the heading of a pair card, or the title of a sheet's page, that goes on from the one
// before.
extern const char* const ContinuedMark;

// The product's name as the director reads it: "Rozstawiki stolikowe", "Karty par",
// "Arkusz schematu".
const char* ProductName(Product product);

// The title of a run's job, on a print queue and in a PDF file alike: the movement and what is
// printed. Table cards name their range ("Rozstawiki 7 rund 4 stoły, stoły 1-4"); the other
// products hold the whole movement and name themselves ("Rozstawiki 7 rund 4 stoły, Karty par").
std::string RunTitle(Product product, const movement::MovementState& state, int32_t first, int32_t last);

// The title of a job of its own: table card `part` ("…, stół 2"), or page `part` (from 1) of
// another product ("…, Karty par, strona 2").
std::string PartTitle(Product product, const movement::MovementState& state, int32_t part);

// The jobs of a product printed a page at a time: the run under its title, or each page a job
// of its own.
PageJobs TitledJobs(Product product, const movement::MovementState& state, bool separateJobs);

// The one print command of the windows and the export. `first` and `last` are the table cards'
// range, and `separateJobs` asks for a job per table card, or per page of the other products.
// `absentPair` (as numbered in the scheme; movement::NoAbsentPair for none) leaves its pair
// out of the pair cards and marks it on the sheet; the table cards are the same either way. A
// pair the movement does not have is refused before anything is printed.
movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface);

}  // namespace printing
