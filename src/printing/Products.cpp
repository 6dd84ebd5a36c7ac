// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Products.h"

#include "printing/PrintPages.h"
#include "printing/paircards/PairCardPrinter.h"
#include "printing/sheet/MovementSheetPrinter.h"
#include "printing/tablecards/TableCardPrinter.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"

namespace printing {

namespace {

constexpr ProductInfo Rows[] = {
    {.product = Product::TableCards,
     .name = TableCardsName.source,
     .key = "tables",
     .nouns = {.printedThings = nullptr, .printed = "rozstawiki", .notSent = "rozstawików", .oneThing = false},
     .usesTableRange = true,
     .usesAbsentPair = true,
     .takesCopies = true,
     .layOut = LayOutTableCards},
    {.product = Product::PairCards,
     .name = PairCardsName.source,
     .key = "pairs",
     .nouns = {.printedThings = "karty par", .printed = "karty par", .notSent = "kart par", .oneThing = false},
     .usesTableRange = false,
     .usesAbsentPair = true,
     .takesCopies = true,
     .layOut = LayOutPairCards},
    {.product = Product::MovementSheet,
     .name = MovementSheetName.source,
     .key = "sheet",
     .nouns = {.printedThings = "arkusz schematu",
               .printed = "arkusz schematu",
               .notSent = "arkusza schematu",
               .oneThing = true},
     .usesTableRange = false,
     .usesAbsentPair = true,
     .takesCopies = true,
     .layOut = LayOutMovementSheet},
};

}  // namespace

const std::span<const ProductInfo> ProductTable{Rows};

const ProductInfo& InfoOf(Product product) {
    for (const ProductInfo& info : ProductTable)
        if (info.product == product) return info;
    return ProductTable.front();
}

const ProductInfo* ProductOfKey(std::string_view key) {
    for (const ProductInfo& info : ProductTable)
        if (key == info.key) return &info;
    return nullptr;
}

movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               const RunRequest& request, PrintSurface& surface) {
    if (state.TableCount < 1) return movement::Outcome::Refused("Nieznany schemat Howell'a");
    if (movement::Outcome absent = movement::CheckAbsentPair(state, request.absentPair); !absent.accepted())
        return absent;
    if (movement::Outcome boards = movement::CheckBoardsPerSet(request.boardsPerSet); !boards.accepted()) return boards;
    const ProductInfo& info = InfoOf(product);
    PagedProductResult laidOut = info.layOut(state, page, request, surface);
    if (!laidOut.accepted()) return laidOut;
    PagedProduct& pages = *laidOut.value();
    const PageJobs jobs{request.separateJobs, info.takesCopies ? request.copies : Copies{}, pages.RunTitle(),
                        [&pages](int32_t job) { return pages.JobTitle(job); }};
    return PrintPages(surface, pages.PageCount(), jobs, [&pages](int32_t index) { pages.DrawPage(index); });
}

}  // namespace printing
