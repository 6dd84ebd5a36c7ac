// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Products.h"

#include "printing/paircards/PairCardPrinter.h"
#include "printing/sheet/MovementSheetPrinter.h"

#include "movement/AbsentPair.h"
#include "movement/PrintRange.h"

namespace printing {

const char* const ContinuedMark = " (cd.)";

const char* ProductName(Product product) {
    switch (product) {
        case Product::PairCards:
            return "Karty par";
        case Product::MovementSheet:
            return "Arkusz schematu";
        case Product::TableCards:
            break;
    }
    return "Rozstawiki stolikowe";
}

std::string RunTitle(Product product, const movement::MovementState& state, int32_t first, int32_t last) {
    if (product == Product::TableCards) return movement::PrintJobTitle(state, first, last);
    return movement::MovementTitle(state) + ", " + ProductName(product);
}

std::string PartTitle(Product product, const movement::MovementState& state, int32_t part) {
    if (product == Product::TableCards) return movement::PrintJobTitle(state, part, part);
    return RunTitle(product, state, part, part) + ", strona " + std::to_string(part);
}

PageJobs TitledJobs(Product product, const movement::MovementState& state, bool separateJobs) {
    return {separateJobs, 1, RunTitle(product, state, 1, state.TableCount),
            [product, &state](int32_t job) { return PartTitle(product, state, job + 1); }};
}

movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface) {
    if (state.TableCount < 1) return movement::Outcome::Refused("Nieznany schemat Howell'a");
    if (movement::Outcome absent = movement::CheckAbsentPair(state, absentPair); !absent.accepted()) return absent;
    switch (product) {
        case Product::PairCards:
            return PrintPairCards(state, page, separateJobs, absentPair, surface);
        case Product::MovementSheet:
            return PrintMovementSheet(state, page, separateJobs, absentPair, surface);
        case Product::TableCards:
            break;
    }
    return PrintTableCards(state, page, first, last, separateJobs, surface);
}

}  // namespace printing
