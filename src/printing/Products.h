// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/product/PagedProduct.h"
#include "printing/product/ProductSentences.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"
#include "movement/Text.h"

#include <span>
#include <string_view>

namespace printing {

// What the director prints from one movement.
enum class Product {
    TableCards,     // a card per table (LayOutTableCards)
    PairCards,      // a card per pair, several to a page (LayOutPairCards)
    MovementSheet,  // the whole movement on a sheet, with what the checks found (LayOutMovementSheet)
};

// What every place that lists products reads: the windows' choice, the export's options, the
// reports and the print loop. A new product is a row here and a folder of its own.
struct ProductInfo {
    Product product;
    movement::TextId name;       // as the director reads it, in the language it is said in: "Karty par"
    const char* key;             // rozstawiki-pdf --cards KEY
    ProductSentences sentences;  // what a report, a warning or a failure says of the run
    bool usesTableRange;         // the print range "Od Stołu".."Do Stołu", --from/--to
    bool usesAbsentPair;         // "Para nieobecna", --absent
    bool takesCopies;            // the copies the program prints itself: a file holds them all
    LayOutProduct layOut;        // how it is laid out for a run, in its own folder
};
extern const std::span<const ProductInfo> ProductTable;

const ProductInfo& InfoOf(Product product);
// The product of a --cards key; none for another text.
const ProductInfo* ProductOfKey(std::string_view key);

// The one print command of the windows and the export. `request.first` and `request.last` are
// the table cards' range, and `request.separateJobs` asks for a job per table card, or per page
// of the other products. `request.absentPair` (as numbered in the scheme; movement::NoAbsentPair
// for none) leaves its pair out of the pair cards, marks it on the sheet and puts a dash in its
// place on the table cards; a pair the movement does not have is refused before anything is
// printed. The product is laid out for the run, then its pages, with the copies where its row
// takes them, go through the one print loop (PrintPages).
movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               const RunRequest& request, PrintSurface& surface);

}  // namespace printing
