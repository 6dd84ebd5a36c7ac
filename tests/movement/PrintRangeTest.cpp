// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/EventLine.h"
#include "movement/PrintRange.h"
#include "support/PolishWords.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

// The forms come from the Polish translation's plural texts.
TEST(PolishPlural, TheNounTakesTheFormItsNumberAsksFor) {
    const Catalogue& polish = support::PolishWords();
    const std::vector<std::pair<int64_t, std::string>> tables =
        {{0, "0 stołów"},   {1, "1 stół"},     {2, "2 stoły"},      {4, "4 stoły"},     {5, "5 stołów"},
         {11, "11 stołów"}, {12, "12 stołów"}, {14, "14 stołów"},   {21, "21 stołów"},  {22, "22 stoły"},
         {24, "24 stoły"},  {25, "25 stołów"}, {112, "112 stołów"}, {102, "102 stoły"}, {-3, "-3 stoły"}};
    for (const auto& [n, text] : tables) EXPECT_EQ(TablesCounted(polish, n), text);
    EXPECT_EQ(RoundsCounted(polish, 1), "1 runda");
    EXPECT_EQ(RoundsCounted(polish, 23), "23 rundy");
    EXPECT_EQ(RoundsCounted(polish, 13), "13 rund");
}

TEST(PrintJobTitle, NamesTheMovementAndTheTablesOfTheRange) {
    const Catalogue& polish = support::PolishWords();
    const MovementState seven = testing::SevenRoundsOnFourTables();
    EXPECT_EQ(PrintJobTitle(polish, seven, 1, 4), "Rozstawiki 7 rund 4 stoły, stoły 1-4");
    EXPECT_EQ(PrintJobTitle(polish, seven, 4, 2), "Rozstawiki 7 rund 4 stoły, stoły 2-4");
    EXPECT_EQ(PrintJobTitle(polish, seven, 0, 99), "Rozstawiki 7 rund 4 stoły, stoły 1-4");
    EXPECT_EQ(PrintJobTitle(polish, testing::ThreeRoundsOnFourTables(), 4, 4), "Rozstawiki 3 rundy 4 stoły, stół 4");
    EXPECT_EQ(PrintJobTitle(polish, MovementState{}, 1, 4), "Rozstawiki");
    EXPECT_EQ(ClampPrintRange(seven, 9, 3).Count(), 2);
    EXPECT_EQ(ClampPrintRange(MovementState{}, 1, 4).Count(), 0);
}

// The event as the director types it, or passes it to the export, becomes one line.
TEST(EventLine, AnyTextBecomesOneLineAndSpacesAloneNone) {
    EXPECT_EQ(EventLine("  Klub „Pik”, 12.03.2027  "), "Klub „Pik”, 12.03.2027");
    EXPECT_EQ(EventLine("Mistrzostwa\tOkręgu\r\nrunda 2\x7f"), "Mistrzostwa Okręgu  runda 2");
    EXPECT_EQ(EventLine("a\xE2\x80\xA8"
                        "b\xC2\x85"
                        "c"),
              "a b c");
    EXPECT_EQ(EventLine(""), "");
    EXPECT_EQ(EventLine(" \t \n "), "");
    // A letter of the text, not a byte, counts: a cut never splits one.
    std::string polish;
    for (int i = 0; i < 400; ++i) polish += "ż";
    EXPECT_EQ(EventLine(polish), polish.substr(0, 2 * MaxEventCharacters) + "\u2026");
    EXPECT_EQ(EventLine(polish.substr(0, 2 * MaxEventCharacters)), polish.substr(0, 2 * MaxEventCharacters));
}

}  // namespace
}  // namespace movement
