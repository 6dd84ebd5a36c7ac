// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PagedProduct.h"
#include "printing/PrintRun.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace printing {

// What the director prints from one movement.
enum class Product {
    TableCards,     // a card per table, as PrintTableCards prints them
    PairCards,      // a card per pair, several to a page (LayOutPairCards)
    MovementSheet,  // the whole movement on a sheet, with what the checks found (LayOutMovementSheet)
};

// The product in sentences about a whole run, small letter first.
struct ProductNouns {
    const char* printed;  // "karty par": "Karty par wydrukowano mimo to."
    const char* notSent;  // "kart par": "Kart par nie wysłano."
};

// What every place that lists products reads: the windows' choice, the export's options, the
// reports and the titles. A new product is an entry here and a folder of its own.
struct ProductInfo {
    Product product;
    const char* name;         // as the director reads it: "Karty par"
    const char* key;          // rozstawiki-pdf --cards KEY
    const char* printedNoun;  // what a report says was printed; none for cards counted ("4 rozstawiki")
    ProductNouns nouns;       // what a warning or a failure says of the run
    bool oneThing;            // a report speaks of it in the singular
    bool usesTableRange;      // the print range "Od Stołu".."Do Stołu", --from/--to
    bool usesAbsentPair;      // "Para nieobecna", --absent
    LayOutProduct layOut;     // how it is laid out for a run, in its own folder
};
extern const std::array<ProductInfo, 3> ProductTable;

const ProductInfo& InfoOf(Product product);
// The product of a --cards key; none for another text.
const ProductInfo* ProductOfKey(std::string_view key);

// After the heading of a pair card, or the title of a sheet's page, that goes on from the one
// before.
extern const char* const ContinuedMark;

// What a failed run says it did not send: "Kart par nie wysłano."
std::string NotSentSentence(Product product);

// What a warning after a run says was printed all the same: "Karty par wydrukowano mimo to."
std::string PrintedAnywaySentence(Product product);

// The product's name as the director reads it: "Rozstawiki stolikowe", "Karty par",
// "Arkusz schematu".
const char* ProductName(Product product);

// The title of a run's job, on a print queue and in a PDF file alike, for a product that holds
// the whole movement: the movement and the product ("Rozstawiki 7 rund 4 stoły, Karty par").
// Table cards name their range instead (movement::PrintJobTitle).
std::string ProductTitle(Product product, const movement::MovementState& state);

// The title of page `page` (from 1) as a job of its own: "…, Karty par, strona 2".
std::string PageTitle(Product product, const movement::MovementState& state, int32_t page);

// The one print command of the windows and the export. `first` and `last` are the table cards'
// range, and `separateJobs` asks for a job per table card, or per page of the other products.
// `absentPair` (as numbered in the scheme; movement::NoAbsentPair for none) leaves its pair
// out of the pair cards, marks it on the sheet and puts a dash in its place on the table cards.
// A pair the movement does not have is refused before anything is printed.
movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface);

// The same, with the copies the program prints itself (the table cards' only): the product is
// laid out for the run, then its pages go through the one print loop (PrintPages).
movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               const RunRequest& request, PrintSurface& surface);

}  // namespace printing
