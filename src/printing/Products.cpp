// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Products.h"

#include "printing/PrintPages.h"
#include "printing/paircards/PairCardPrinter.h"
#include "printing/sheet/MovementSheetPrinter.h"
#include "printing/tablecards/TableCardPrinter.h"

#include "movement/AbsentPair.h"
#include "movement/PrintRange.h"

namespace printing {

const char* const ContinuedMark = " (cd.)";

const std::array<ProductInfo, 3> ProductTable = {{
    {Product::TableCards,
     "Rozstawiki stolikowe",
     "tables",
     nullptr,
     {"rozstawiki", "rozstawików"},
     false,
     true,
     true,
     LayOutTableCards},
    {Product::PairCards, "Karty par", "pairs", "karty par", {"karty par", "kart par"}, false, false, true, LayOutPairCards},
    {Product::MovementSheet,
     "Arkusz schematu",
     "sheet",
     "arkusz schematu",
     {"arkusz schematu", "arkusza schematu"},
     true,
     false,
     true,
     LayOutMovementSheet},
}};

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

namespace {

// The nouns of the table begin with a small letter of ASCII.
std::string SentenceStart(const char* noun) {
    std::string sentence = noun;
    if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z')
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
    return sentence;
}

}  // namespace

std::string NotSentSentence(Product product) { return SentenceStart(InfoOf(product).nouns.notSent) + " nie wysłano."; }

std::string PrintedAnywaySentence(Product product) {
    return SentenceStart(InfoOf(product).nouns.printed) + " wydrukowano mimo to.";
}

const char* ProductName(Product product) { return InfoOf(product).name; }

std::string ProductTitle(Product product, const movement::MovementState& state) {
    return movement::MovementTitle(state) + ", " + ProductName(product);
}

std::string PageTitle(Product product, const movement::MovementState& state, int32_t page) {
    return ProductTitle(product, state) + ", strona " + std::to_string(page);
}

movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               int32_t first, int32_t last, bool separateJobs, int32_t absentPair,
                               PrintSurface& surface) {
    return PrintProduct(product, state, page, {first, last, separateJobs, absentPair, {}}, surface);
}

movement::Outcome PrintProduct(Product product, const movement::MovementState& state, const PageMetrics& page,
                               const RunRequest& request, PrintSurface& surface) {
    if (state.TableCount < 1) return movement::Outcome::Refused("Nieznany schemat Howell'a");
    if (movement::Outcome absent = movement::CheckAbsentPair(state, request.absentPair); !absent.accepted())
        return absent;
    if (movement::Outcome boards = movement::CheckBoardsPerSet(request.boardsPerSet); !boards.accepted()) return boards;
    PagedProductResult laidOut = InfoOf(product).layOut(state, page, request, surface);
    if (!laidOut.accepted()) return laidOut;
    PagedProduct& pages = *laidOut.value();
    const PageJobs jobs{request.separateJobs, pages.PagesPerJob(), pages.RunTitle(),
                        [&pages](int32_t job) { return pages.JobTitle(job); }};
    return PrintPages(surface, pages.PageCount(), jobs, [&pages](int32_t index) { pages.DrawPage(index); });
}

}  // namespace printing
