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
     .name = TableCardsName,
     .key = "tables",
     .sentences = {.savedInFile = RZ_TEXT_N("reports", "Zapisano %n rozstawików w pliku %1."),
                   .sentToPrinter = RZ_TEXT_N("reports", "Wysłano %n rozstawików do drukarki %1."),
                   .sentToPrint = RZ_TEXT_N("reports", "Wysłano %n rozstawików do druku."),
                   .waitingInQueue = RZ_TEXT_N("reports", "Wysłano %n rozstawików do drukarki %1 – czekają w kolejce."),
                   .handedToSpooler = RZ_TEXT_N("reports",
                                                "Przekazano %n rozstawików do kolejki wydruku drukarki %1. Co dalej "
                                                "dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki "
                                                "w systemie Windows."),
                   .printerStopped = RZ_TEXT_N("reports",
                                               "Drukarka %1 jest zatrzymana.\nZadanie (%n rozstawików) czeka w jej "
                                               "kolejce i wydrukuje się, gdy drukarka zostanie wznowiona."),
                   .jobHeld = RZ_TEXT_N("reports",
                                        "Zadanie (%n rozstawików) zostało wstrzymane w kolejce drukarki %1 i "
                                        "wydrukuje się dopiero po zwolnieniu."),
                   .notSent = RZ_TEXT("reports", "Rozstawików nie wysłano."),
                   .printedAnyway = RZ_TEXT("reports", "Rozstawiki wydrukowano mimo to."),
                   .counted = true},
     .usesTableRange = true,
     .usesAbsentPair = true,
     .takesCopies = true,
     .layOut = LayOutTableCards},
    {.product = Product::PairCards,
     .name = PairCardsName,
     .key = "pairs",
     .sentences = {.savedInFile = RZ_TEXT("reports", "Zapisano karty par w pliku %1."),
                   .sentToPrinter = RZ_TEXT("reports", "Wysłano karty par do drukarki %1."),
                   .sentToPrint = RZ_TEXT("reports", "Wysłano karty par do druku."),
                   .waitingInQueue = RZ_TEXT("reports", "Wysłano karty par do drukarki %1 – czekają w kolejce."),
                   .handedToSpooler = RZ_TEXT("reports",
                                              "Przekazano karty par do kolejki wydruku drukarki %1. Co dalej dzieje "
                                              "się z zadaniem, program nie wie – widać to w kolejce drukarki w "
                                              "systemie Windows."),
                   .printerStopped = RZ_TEXT("reports",
                                             "Drukarka %1 jest zatrzymana.\nZadanie (karty par) czeka w jej kolejce i "
                                             "wydrukuje się, gdy drukarka zostanie wznowiona."),
                   .jobHeld = RZ_TEXT("reports",
                                      "Zadanie (karty par) zostało wstrzymane w kolejce drukarki %1 i wydrukuje się "
                                      "dopiero po zwolnieniu."),
                   .notSent = RZ_TEXT("reports", "Kart par nie wysłano."),
                   .printedAnyway = RZ_TEXT("reports", "Karty par wydrukowano mimo to.")},
     .usesTableRange = false,
     .usesAbsentPair = true,
     .takesCopies = true,
     .layOut = LayOutPairCards},
    {.product = Product::MovementSheet,
     .name = MovementSheetName,
     .key = "sheet",
     .sentences = {.savedInFile = RZ_TEXT("reports", "Zapisano arkusz schematu w pliku %1."),
                   .sentToPrinter = RZ_TEXT("reports", "Wysłano arkusz schematu do drukarki %1."),
                   .sentToPrint = RZ_TEXT("reports", "Wysłano arkusz schematu do druku."),
                   .waitingInQueue = RZ_TEXT("reports", "Wysłano arkusz schematu do drukarki %1 – czeka w kolejce."),
                   .handedToSpooler = RZ_TEXT("reports",
                                              "Przekazano arkusz schematu do kolejki wydruku drukarki %1. Co dalej "
                                              "dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki "
                                              "w systemie Windows."),
                   .printerStopped = RZ_TEXT("reports",
                                             "Drukarka %1 jest zatrzymana.\nZadanie (arkusz schematu) czeka w jej "
                                             "kolejce i wydrukuje się, gdy drukarka zostanie wznowiona."),
                   .jobHeld = RZ_TEXT("reports",
                                      "Zadanie (arkusz schematu) zostało wstrzymane w kolejce drukarki %1 i wydrukuje "
                                      "się dopiero po zwolnieniu."),
                   .notSent = RZ_TEXT("reports", "Arkusza schematu nie wysłano."),
                   .printedAnyway = RZ_TEXT("reports", "Arkusz schematu wydrukowano mimo to.")},
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
    if (state.TableCount < 1) return movement::Outcome::Refused(RZ_TEXT("refusals", "Nieznany schemat Howell'a"));
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
