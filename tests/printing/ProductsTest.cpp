// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "printing/Products.h"
#include "printing/surfaces/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace printing {
namespace {

using Strings = std::vector<std::string>;

// Seven rounds on four tables, step ten, on a page of A4's size at 600 dpi: four pair cards to it.
const movement::MovementState SevenRounds =
    movement::testing::ReadyToPrint(movement::testing::SevenRoundsOnFourTables(), 10);
const PageMetrics Page{4800, 6800};

TEST(PrintProduct, APairTheMovementDoesNotHaveIsRefusedBeforeAnythingIsPrinted) {
    for (const Product product : {Product::TableCards, Product::PairCards, Product::MovementSheet}) {
        RecordingSurface surface;
        const movement::Outcome printed = PrintProduct(product, SevenRounds, Page, 1, 4, false, 9, surface);
        EXPECT_EQ(printed.message(),
                  "Para nieobecna: nie ma pary o numerze 9 w schemacie; podaj numer od 1 do 8 albo 0, gdy grają "
                  "wszystkie pary.");
        EXPECT_TRUE(surface.jobs.empty());
    }
}

TEST(PrintProduct, TheTableRangeAndTheAbsentPairLeaveWhatTheyDoNotConcern) {
    const auto operations = [](Product product, int32_t first, int32_t last, int32_t absent) {
        RecordingSurface surface;
        EXPECT_TRUE(PrintProduct(product, SevenRounds, Page, first, last, false, absent, surface).accepted());
        return surface.Operations();
    };
    // Pair 8 stays at table 1: the cards of tables 2 and 3 never seat it.
    EXPECT_EQ(operations(Product::TableCards, 2, 3, 8), operations(Product::TableCards, 2, 3, 0));
    EXPECT_EQ(operations(Product::PairCards, 2, 2, 0), operations(Product::PairCards, 1, 4, 0));
    EXPECT_EQ(operations(Product::MovementSheet, 3, 3, 0), operations(Product::MovementSheet, 1, 4, 0));
}

TEST(PrintProduct, SeparateJobsGiveEveryPageAJobOfItsOwnUnlessTheyGoToOneFile) {
    RecordingSurface printer;
    ASSERT_TRUE(PrintProduct(Product::PairCards, SevenRounds, Page, 1, 4, true, 0, printer).accepted());
    EXPECT_EQ(printer.jobs, (Strings{"BeginDoc", "EndDoc", "BeginDoc", "EndDoc"}));
    EXPECT_EQ(printer.jobTitles, (Strings{"Rozstawiki 7 rund 4 stoły, Karty par, strona 1",
                                          "Rozstawiki 7 rund 4 stoły, Karty par, strona 2"}));
    RecordingSurface file;
    file.SetWritesToFile(true);
    ASSERT_TRUE(PrintProduct(Product::PairCards, SevenRounds, Page, 1, 4, true, 0, file).accepted());
    EXPECT_EQ(file.jobs, (Strings{"BeginDoc", "NewPage", "EndDoc"}));
    EXPECT_EQ(file.jobTitles, Strings{"Rozstawiki 7 rund 4 stoły, Karty par"});

    // The table range is the table cards' alone: the sheet is titled by the movement.
    RecordingSurface sheet;
    ASSERT_TRUE(PrintProduct(Product::MovementSheet, SevenRounds, Page, 2, 3, false, 0, sheet).accepted());
    EXPECT_EQ(sheet.jobTitles, Strings{"Rozstawiki 7 rund 4 stoły, Arkusz schematu"});
}

TEST(PrintProduct, AFailingPrinterAbandonsTheJobWithItsReason) {
    RecordingSurface surface;
    surface.FailAt("NewPage", "Brak papieru.");
    const movement::Outcome printed = PrintProduct(Product::PairCards, SevenRounds, Page, 1, 4, false, 0, surface);
    EXPECT_EQ(printed.message(), "Brak papieru.");
    EXPECT_EQ(surface.Operations().back(), "AbortDoc");
}

}  // namespace
}  // namespace printing
