// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "printing/surfaces/RecordingSurface.h"
#include "printing/tablecards/TableCardPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace printing {
namespace {

using movement::MovementState;
using Strings = std::vector<std::string>;

using movement::testing::ReadyToPrint;
using movement::testing::SevenRoundsOnFourTables;

// Seven rounds on four tables, numbered with the given step.
MovementState SevenRounds(int32_t step) { return ReadyToPrint(SevenRoundsOnFourTables(), step); }

const PageMetrics PageOf4800By6800{4800, 6800};

RecordingSurface Print(const MovementState& state, int32_t first, int32_t last, bool separateJobs = false) {
    RecordingSurface surface;
    const movement::Outcome outcome = PrintTableCards(state, PageOf4800By6800, first, last, separateJobs, surface);
    EXPECT_TRUE(outcome.accepted()) << outcome.message();
    return surface;
}

Strings TextsOnPage(const RecordingSurface& surface, int page) {
    Strings texts;
    for (const auto& text : surface.texts)
        if (text.page == page) texts.push_back(text.text);
    return texts;
}

// A text drawn, as the surface's operation log writes it.
std::string TextOut(int x, int y, const std::string& text) {
    return std::string("TextOut ").append(std::to_string(x)).append(" ").append(std::to_string(y)).append(" ").append(text);
}

const RecordingSurface::Text* Find(const RecordingSurface& surface, const std::string& text, int page = 0) {
    for (const auto& drawn : surface.texts)
        if (drawn.text == text && drawn.page == page) return &drawn;
    return nullptr;
}

TEST(TableCard, TableOneOfSevenRoundsOnFourTablesWithStepTenNumberForNumber) {
    MovementState state = SevenRounds(10);
    state.PrintedSource = "Wg K. Kestrela";
    const RecordingSurface surface = Print(state, 1, 1);

    // clang-format off: the operations stand grouped as the card is built up
    const Strings expected = {
        "BeginDoc",
        "FontName Arial",
        "FontSize 130",
        "TextOut 138 243 11",
        "TextOut 669 1515 1",
        "FontSize 230",
        "TextOut 2409 509 1",
        "FontSize 20",
        "TextOut 624 1272 NS",
        "TextOut 624 2543 WE",
        "PenWidth 45",
        "MoveTo 71 208",
        "LineTo 4087 208",
        "MoveTo 4087 208",
        "LineTo 4087 2752",
        "MoveTo 4087 2752",
        "LineTo 71 2752",
        "MoveTo 71 2752",
        "LineTo 71 208",
        "MoveTo 1410 208",
        "LineTo 1410 2752",
        "MoveTo 71 1480",
        "LineTo 1410 1480",
        "FontName Arial",
        "FontSize 16",
        "TextOut 517 23 NS",
        "FontName WingDings",
        "TextOut 740 23 č",
        "FontName Arial",
        "TextOut 963 23 STAŁA",
        "TextOut 2302 23 WE",
        "FontName WingDings",
        "TextOut 2525 23 č",
        "FontName Arial",
        "TextOut 2748 23 4 WE",
        "TextOut 1633 1295 N",
        "TextOut 1499 1445 W    E",
        "TextOut 1633 1619 S",
        "FontSize 10",
        "FontStyle underline",
        std::string("TextOut 2766 295 ") + AttributionText,
        "FontStyle plain",
        "TextOut 3301 492  St NS WE  kp",
        "TextOut 3301 579    1  11    1    1",
        "TextOut 3301 666    2    2    6    2",
        "TextOut 3301 753    3    3    5    4",
        "TextOut 3301 840    4    4    7    6",
        "FontSize 12",
        "TextOut 1455 295 Rund:7; Stołów:4",
        "TextOut 1455 393 Skok numeracji: 10",
        "TextOut 1455 509 Wg K. Kestrela",
        "FontSize 11",
        "FontStyle plain",
        "TextOut 98 2810   Runda:",
        "TextOut 241 2925   NS:",
        "TextOut 223 3041   WE:",
        "TextOut 71 3157 Komplet:",
    };
    // clang-format on
    const Strings operations = surface.Operations();
    ASSERT_GE(operations.size(), expected.size());
    const auto headSize = static_cast<std::ptrdiff_t>(expected.size());
    const Strings head(operations.begin(), operations.begin() + headSize);
    EXPECT_EQ(head, expected);

    Strings rows(operations.begin() + headSize, operations.end());
    ASSERT_EQ(rows.size(), 4u * 7u + 1u);
    EXPECT_EQ(rows.back(), "EndDoc");
    const int xs[] = {446, 598, 750, 902, 1054, 1206, 1358};
    for (int round = 1; round <= 7; ++round) {
        const int x = xs[round - 1];
        const std::string padded = "   " + std::to_string(round);
        EXPECT_EQ(rows[round - 1], TextOut(x, 2810, padded));
        EXPECT_EQ(rows[7 + round - 1], TextOut(x, 2925, " 11"));
        EXPECT_EQ(rows[14 + round - 1], TextOut(x, 3041, padded));
        EXPECT_EQ(rows[21 + round - 1], TextOut(x, 3157, padded));
    }
}

TEST(TableCard, EveryTextHasItsFontAndOnlyTheAttributionIsUnderlined) {
    const RecordingSurface surface = Print(SevenRounds(10), 1, 1);
    for (const auto& text : surface.texts) {
        const bool arrow = text.text == "č";
        EXPECT_EQ(text.fontName, arrow ? "WingDings" : "Arial") << text.text;
        EXPECT_EQ(text.style == FontStyle::Underline, text.text == AttributionText) << text.text;
    }
    EXPECT_EQ(Find(surface, "11")->fontSize, 130);
    EXPECT_EQ(Find(surface, "NS")->fontSize, 20);
    EXPECT_EQ(Find(surface, "STAŁA")->fontSize, 16);
    EXPECT_EQ(Find(surface, "Rund:7; Stołów:4")->fontSize, 12);
    EXPECT_EQ(Find(surface, "Komplet:")->fontSize, 11);
    EXPECT_EQ(Find(surface, " St NS WE  kp")->fontSize, 10);
    for (const auto& line : surface.lines) EXPECT_EQ(line.penWidth, 45);
    EXPECT_EQ(surface.lines.size(), 6u);
}

TEST(PrintCommand, RefusesWithoutANumberingFirstThenWithoutPageMetrics) {
    MovementState state = SevenRounds(0);
    EXPECT_EQ(CanPrint(state, {}).message(), "Nieznany skok Numeracji !");
    EXPECT_EQ(CanPrint(state, PageOf4800By6800).message(), "Nieznany skok Numeracji !");
    state.NumberingStep = 7;
    EXPECT_EQ(CanPrint(state, {0, 6800}).message(), "     Ustaw parametry strony !\nNaciskając kl. Ustawienia Druku");
    EXPECT_EQ(CanPrint(state, {4800, 0}).message(), "     Ustaw parametry strony !\nNaciskając kl. Ustawienia Druku");
    EXPECT_TRUE(CanPrint(state, PageOf4800By6800).accepted());
}

TEST(PrintRun, OneJobForTheRunWithAPageBreakBetweenCards) {
    const RecordingSurface surface = Print(SevenRounds(7), 1, 3);
    EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "NewPage", "NewPage", "EndDoc"}));
}

TEST(PrintRun, SeparateJobsHoldExactlyTheirCardUnderTheirOwnTitle) {
    const RecordingSurface surface = Print(SevenRounds(7), 1, 3, true);
    EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "EndDoc", "BeginDoc", "EndDoc", "BeginDoc", "EndDoc"}));
    EXPECT_EQ(surface.jobTitles, (Strings{"Rozstawiki 7 rund 4 stoły, stół 1", "Rozstawiki 7 rund 4 stoły, stół 2",
                                          "Rozstawiki 7 rund 4 stoły, stół 3"}));
    EXPECT_EQ(Print(SevenRounds(7), 2, 4).jobTitles, (Strings{"Rozstawiki 7 rund 4 stoły, stoły 2-4"}));

    // Copies stay with their card, whatever the collation: card, card; never a blank page.
    for (const bool collated : {true, false}) {
        RecordingSurface copies;
        ASSERT_TRUE(PrintTableCards(SevenRounds(7), PageOf4800By6800, 2, 3, true, copies, {2, collated}).accepted());
        EXPECT_EQ(copies.jobs, (Strings{"BeginDoc", "NewPage", "EndDoc", "BeginDoc", "NewPage", "EndDoc"}));
        Strings numbers;
        for (int page = 0; page < 4; ++page) numbers.push_back(TextsOnPage(copies, page)[2]);
        EXPECT_EQ(numbers, (Strings{"2", "2", "3", "3"}));
        EXPECT_EQ(copies.jobTitles[1], "Rozstawiki 7 rund 4 stoły, stół 3");
    }
}

TEST(PrintRun, SeparateJobsToAFileStayOneJobSoNoCardIsOverwritten) {
    RecordingSurface surface;
    surface.SetWritesToFile(true);
    ASSERT_TRUE(PrintTableCards(SevenRounds(7), PageOf4800By6800, 1, 3, true, surface).accepted());
    EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "NewPage", "NewPage", "EndDoc"}));
}

TEST(PrintRun, AReversedRangePrintsInAscendingOrderAndOneTableNeedsNoPageBreak) {
    const RecordingSurface reversed = Print(SevenRounds(7), 3, 1);
    EXPECT_EQ(TextsOnPage(reversed, 0)[2], "1");  // the table number, after the two box numbers
    EXPECT_EQ(TextsOnPage(reversed, 1)[2], "2");
    EXPECT_EQ(TextsOnPage(reversed, 2)[2], "3");

    const RecordingSurface single = Print(SevenRounds(7), 2, 2);
    EXPECT_EQ(single.jobs, (Strings{"BeginDoc", "EndDoc"}));
    EXPECT_EQ(TextsOnPage(single, 0)[2], "2");
}

TEST(PrintRun, CopiesRepeatTheRangeCollatedOrEachCardInTurn) {
    const auto tables = [](Copies copies) {
        RecordingSurface surface;
        EXPECT_TRUE(PrintTableCards(SevenRounds(7), PageOf4800By6800, 2, 3, false, surface, copies).accepted());
        EXPECT_EQ(surface.jobs, (Strings{"BeginDoc", "NewPage", "NewPage", "NewPage", "EndDoc"}));
        Strings numbers;
        for (int page = 0; page < 4; ++page) numbers.push_back(TextsOnPage(surface, page)[2]);
        return numbers;
    };
    EXPECT_EQ(tables({2, true}), (Strings{"2", "3", "2", "3"}));
    EXPECT_EQ(tables({2, false}), (Strings{"2", "2", "3", "3"}));
}

TEST(PrintRun, TheSummaryIsOnTableOnesCardOnly) {
    const RecordingSurface all = Print(SevenRounds(7), 1, 4);
    EXPECT_NE(Find(all, " St NS WE  kp", 0), nullptr);
    for (int page = 1; page < 4; ++page) EXPECT_EQ(Find(all, " St NS WE  kp", page), nullptr);
    EXPECT_EQ(Find(Print(SevenRounds(7), 2, 4), " St NS WE  kp", 0), nullptr);
}

TEST(PrintRun, ARangeOutsideTheTablesIsKeptWithinThem) {
    const RecordingSurface surface = Print(SevenRounds(7), 0, 9);
    EXPECT_EQ(std::count(surface.jobs.begin(), surface.jobs.end(), "NewPage"), 3);
    EXPECT_EQ(TextsOnPage(surface, 0)[2], "1");
    EXPECT_EQ(TextsOnPage(surface, 3)[2], "4");
}

TEST(PrintRun, BoxAndTableNumbersMoveLeftFromTen) {
    MovementState state;
    state.RoundCount = 10;
    state.TableCount = 10;
    for (int32_t t = 1; t <= 10; ++t) state.Seating[t] = {t, 10 + t, t};
    state.NumberingStep = 10;
    for (int32_t n = 0; n < movement::PairMapSize; ++n) state.PairNumberMap[n] = n;
    const RecordingSurface surface = Print(state, 9, 10);

    // Table 9: NS 9 and WE 19; table 10: NS 10 and WE 20.
    EXPECT_EQ(Find(surface, "9", 0)->x, 669);
    EXPECT_EQ(Find(surface, "19", 0)->x, 138);
    EXPECT_EQ(Find(surface, "10", 1)->x, 138);
    std::vector<RecordingSurface::Text> tableNumbers;
    for (const auto& text : surface.texts)
        if (text.fontSize == 230) tableNumbers.push_back(text);
    ASSERT_EQ(tableNumbers.size(), 2u);
    EXPECT_EQ(tableNumbers[0].text, "9");
    EXPECT_EQ(tableNumbers[0].x, 1338 + 1071);  // ThirdWidth + 1200
    EXPECT_EQ(tableNumbers[1].text, "10");
    EXPECT_EQ(tableNumbers[1].x, 1410 + 491);  // CardDivider + 550
}

TEST(PrintRun, ArbitraryNumbersWinOverEveryNumberingMode) {
    MovementState state = SevenRounds(-1);
    state.PairNumberMap[5] = 50;
    const RecordingSurface surface = Print(state, 2, 2);
    EXPECT_NE(Find(surface, "Numery dowolne"), nullptr);
    EXPECT_EQ(Find(surface, "Numery jak w Mitchell'u"), nullptr);

    state.PairNumberMap[5] = 5;
    EXPECT_NE(Find(Print(state, 2, 2), "Numery jak w Mitchell'u"), nullptr);
}

TEST(PrintRun, AnEmptySourceLeavesItsLineOutAndTheOthersInPlace) {
    const RecordingSurface surface = Print(SevenRounds(7), 2, 2);
    const auto* numbering = Find(surface, "Skok numeracji: 7");
    ASSERT_NE(numbering, nullptr);
    EXPECT_EQ(numbering->y, 393);
    for (const auto& text : surface.texts) EXPECT_FALSE(text.fontSize == 12 && text.y == 509) << text.text;
}

TEST(PrintRun, RowValuesAreNotClippedAtTheFrame) {
    MovementState state = SevenRounds(7);
    state.RoundCount = 26;
    const RecordingSurface surface = Print(state, 2, 2);
    std::vector<int> roundXs;
    for (const auto& text : surface.texts)
        if (text.y == 2810 && text.text != "  Runda:") roundXs.push_back(text.x);
    ASSERT_EQ(roundXs.size(), 26u);
    EXPECT_EQ(roundXs[24], 446 + 24 * 152);
    EXPECT_GT(roundXs[25], 4087);
}

TEST(PrintRun, AFailingPrinterStopsTheRunAndSaysWhy) {
    RecordingSurface cannotStart;
    cannotStart.FailAt("BeginDoc", "Nie można zapisać pliku /brak/karty.pdf.");
    const movement::Outcome refused = PrintTableCards(SevenRounds(7), PageOf4800By6800, 1, 4, false, cannotStart);
    EXPECT_FALSE(refused.accepted());
    EXPECT_EQ(refused.message(), "Nie można zapisać pliku /brak/karty.pdf.");
    EXPECT_TRUE(cannotStart.texts.empty());

    RecordingSurface failsMidway;
    failsMidway.FailAt("NewPage", "Drukarka nie przyjęła następnej strony.");
    EXPECT_EQ(PrintTableCards(SevenRounds(7), PageOf4800By6800, 1, 4, false, failsMidway).message(),
              "Drukarka nie przyjęła następnej strony.");
    EXPECT_EQ(failsMidway.jobs, (Strings{"BeginDoc", "AbortDoc"}));
}

}  // namespace
}  // namespace printing
