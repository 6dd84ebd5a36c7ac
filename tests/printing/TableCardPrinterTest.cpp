// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"
#include "support/PrintRuns.h"

#include "movement/AbsentPair.h"
#include "movement/PairNumbering.h"
#include "movement/SchemeFileReading.h"
#include "movement/SchemeLine.h"
#include "printing/Products.h"
#include "printing/surfaces/RecordingSurface.h"
#include "printing/tablecards/TableCardContent.h"
#include "printing/tablecards/TableCardLayout.h"
#include "printing/tablecards/TableCardPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace printing {
namespace {

using movement::MovementState;
using Strings = std::vector<std::string>;

using movement::testing::ReadyToPrint;
using movement::testing::SevenRoundsOnFourTables;

// Seven rounds on four tables, numbered with the given step.
MovementState SevenRounds(int32_t step) { return ReadyToPrint(SevenRoundsOnFourTables(), step); }

const PageMetrics PageOf4800By6800{4800, 6800};

// The Polish cards' fixed words, as they have always printed them.
const std::string AttributionText = "Rozstawiki stolikowe";
const std::string AbsentNote = "\u2013 : para nieobecna, przy stole pauza";
const std::string SpareTableNote = "P \u2013 stolik pomocniczy";
const std::string BoardsLabel = "Rozdania:";
const std::string PreviousTableLabel = "Komplet od stołu:";
const std::string NextTableLabel = "Komplet do stołu:";
const std::string SpareTableMark = "P";

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

// The run of table cards from `first` to `last` with the boards in a set and an absent pair.
RecordingSurface PrintWith(const MovementState& state, int32_t first, int32_t last, int32_t boardsPerSet,
                           int32_t absentPair = movement::NoAbsentPair) {
    RecordingSurface surface;
    RunRequest request;
    request.first = first;
    request.last = last;
    request.boardsPerSet = boardsPerSet;
    request.absentPair = absentPair;
    request.words = &PolishCardWords();
    const movement::Outcome outcome = PrintProduct(Product::TableCards, state, PageOf4800By6800, request, surface);
    EXPECT_TRUE(outcome.accepted()) << outcome.message();
    return surface;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One card as its texts read: the big numbers, and round by round the rows' texts (empty where
// a row has none), each found by its label's line and the round whose number stands nearest
// above its middle; the foot is every other text under the rows.
struct CardRead {
    std::string table, nsBox, weBox;
    std::map<std::string, std::vector<std::string>> rows;  // by label: "NS:", "Rozdania:", "do stołu:"...
    std::vector<std::string> foot;
};

// The middle of a text's ink: its cells begin with spaces.
double InkMiddle(const RecordingSurface::Text& text) {
    RecordingSurface measure;
    const std::string ink = Trimmed(text.text);
    return text.x + measure.TextWidth(text.text, text.fontSize) - measure.TextWidth(ink, text.fontSize) / 2;
}

CardRead ReadCard(const RecordingSurface& surface, int page) {
    std::vector<const RecordingSurface::Text*> texts;
    for (const auto& text : surface.texts)
        if (text.page == page) texts.push_back(&text);
    CardRead card{texts.at(2)->text, texts.at(0)->text, texts.at(1)->text, {}, {}};
    std::vector<int> blockTops;
    for (const auto* text : texts)
        if (text->text == "  Runda:") blockTops.push_back(text->y);
    if (blockTops.empty()) return card;
    const std::map<std::string, std::string> labels = {{"  Runda:", "Runda:"},
                                                       {"  NS:", "NS:"},
                                                       {"  WE:", "WE:"},
                                                       {"Komplet:", "Komplet:"},
                                                       {"Rozdania:", "Rozdania:"},
                                                       {PreviousTableLabel, "od stołu:"},
                                                       {NextTableLabel, "do stołu:"}};
    std::vector<std::pair<int, std::string>> foot;
    for (std::size_t block = 0; block < blockTops.size(); ++block) {
        const int top = blockTops[block];
        const int bottom = block + 1 < blockTops.size() ? blockTops[block + 1] : INT32_MAX;
        std::map<int, std::string> lines;      // y -> label
        std::map<double, std::size_t> rounds;  // the middle of a round's number -> round from 0
        for (const auto* text : texts)
            if (text->y >= top && text->y < bottom && labels.count(text->text) != 0)
                card.rows[lines[text->y] = labels.at(text->text)];
        for (const auto* text : texts)
            if (text->y == top && text->text != "  Runda:") {
                rounds[InkMiddle(*text)] = card.rows["Runda:"].size();
                card.rows["Runda:"].push_back(Trimmed(text->text));
            }
        for (const auto* text : texts) {
            if (text->y <= top || text->y >= bottom || labels.count(text->text) != 0) continue;
            auto line = lines.upper_bound(text->y);
            // The boards' second line has no label of its own: it stands above the next label's line.
            const bool secondBoards =
                line != lines.end() && line != lines.begin() && std::prev(line)->second == "Rozdania:";
            if (line == lines.begin() || (std::prev(line)->first != text->y && !secondBoards)) {
                foot.emplace_back(text->y, text->text);
                continue;
            }
            --line;
            const double middle = InkMiddle(*text);
            const auto nearest = std::min_element(rounds.begin(), rounds.end(), [&](const auto& a, const auto& b) {
                return std::abs(a.first - middle) < std::abs(b.first - middle);
            });
            std::vector<std::string>& row = card.rows[line->second];
            row.resize(card.rows["Runda:"].size());
            EXPECT_EQ(row[nearest->second], "") << text->text << " and another under one round";
            row[nearest->second] = Trimmed(text->text);
        }
    }
    std::sort(foot.begin(), foot.end());
    for (const auto& [y, text] : foot) card.foot.push_back(text);
    for (auto& [label, row] : card.rows) row.resize(card.rows["Runda:"].size());
    return card;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The card above the rows is as before, and the rows read as before; their labels move right
// alike, so that the new rows' labels stand whole on one line beside the values, in the rows'
// face, and the columns widen where the page has room for the boards on one line.
TEST(TableCard, BoardNumbersAndWhereTheSetsComeFromAndGoComeUnderTheRowsInTheRowsFace) {
    const MovementState state = SevenRounds(10);
    for (int32_t table = 1; table <= 4; ++table) {
        const RecordingSurface plain = Print(state, table, table);
        const RecordingSurface withBoards = PrintWith(state, table, table, 3);
        const Strings before = plain.Operations();
        const Strings after = withBoards.Operations();
        const auto rows = std::find(before.begin(), before.end(), TextOut(98, 2810, "  Runda:"));
        ASSERT_NE(rows, before.end());
        EXPECT_EQ(Strings(after.begin(), after.begin() + (rows - before.begin())), Strings(before.begin(), rows));
        const CardRead was = ReadCard(plain, 0);
        const CardRead is = ReadCard(withBoards, 0);
        for (const char* row : {"Runda:", "NS:", "WE:", "Komplet:"}) EXPECT_EQ(is.rows.at(row), was.rows.at(row));
        const int shift = Find(withBoards, "  Runda:")->x - 98;
        EXPECT_GT(shift, 0);
        for (const auto& [label, x] : {std::pair{"  NS:", 241}, std::pair{"  WE:", 223}, std::pair{"Komplet:", 71}})
            EXPECT_EQ(Find(withBoards, label)->x, x + shift);
    }

    // Table 1 plays sets 1..7, takes each from table 2, and nobody takes a set from it: each
    // waits on the spare table. Table 2 takes its sets from the spare table and passes them to 1.
    const RecordingSurface first = PrintWith(state, 1, 2, 3);
    const CardRead one = ReadCard(first, 0);
    EXPECT_EQ(one.rows.at("Rozdania:"), (Strings{"1-3", "4-6", "7-9", "10-12", "13-15", "16-18", "19-21"}));
    EXPECT_EQ(one.rows.at("od stołu:"), (Strings{"", "2", "2", "2", "2", "2", "2"}));
    EXPECT_EQ(one.rows.at("do stołu:"), (Strings{"P", "P", "P", "P", "P", "P", ""}));
    EXPECT_EQ(one.foot, Strings{SpareTableNote});
    const CardRead two = ReadCard(first, 1);
    EXPECT_EQ(two.rows.at("Rozdania:").front(), "4-6");
    EXPECT_EQ(two.rows.at("od stołu:"), (Strings{"", "P", "P", "P", "P", "P", "P"}));
    EXPECT_EQ(two.rows.at("do stołu:"), (Strings{"1", "1", "1", "1", "1", "1", ""}));
    EXPECT_EQ(two.foot, Strings{SpareTableNote});

    // Where each text stands is read back from the PDFs (PdfCardRows); here the page has room for
    // the labels whole in the rows' face, and for the boards on one line.
    std::set<int> boardLines;
    for (const std::string& boards : one.rows.at("Rozdania:")) boardLines.insert(Find(first, boards)->y);
    EXPECT_EQ(boardLines.size(), 1u);
    for (const std::string& label : {BoardsLabel, PreviousTableLabel, NextTableLabel})
        EXPECT_EQ(Find(first, label)->fontSize, 11) << label;
}

// Three rounds on four tables, table 4 sharing table 1's sets, pair 3 absent: it sits at table 1
// in round 3, when table 4 plays alone a set taken from the spare table; table 1 shares with
// table 4 in every round it plays. One round: no row of where sets come from or go.
TEST(TableCard, ATableMarksTheRoundsItSharesWhileItsPartnerSitsOutAndOneRoundHasNoRoutes) {
    const MovementState state = movement::testing::ReadyToPrint(movement::testing::ThreeRoundsOnFourTables(), 3);
    const RecordingSurface absent = PrintWith(state, 1, 4, 2, 3);
    const CardRead four = ReadCard(absent, 3);
    EXPECT_TRUE(Has(ReadCard(absent, 0).foot, "Komplet dzielony ze stołem 4"));
    EXPECT_EQ(four.rows.at("Rozdania:"), (Strings{"1-2*", "3-4*", "5-6"}));
    EXPECT_EQ(four.rows.at("od stołu:"), (Strings{"", "2", "P"}));
    EXPECT_EQ(four.foot, (Strings{"* \u2013 w tych rundach komplet dzielony ze stołem 1", SpareTableNote}));

    const MovementState oneRound = movement::testing::ReadyToPrint(movement::testing::MovementOf(1, {{1, 2, 1}}), 1);
    const RecordingSurface single = PrintWith(oneRound, 1, 1, 2);
    EXPECT_EQ(ReadCard(single, 0).rows.at("Rozdania:"), Strings{"1-2"});
    EXPECT_EQ(Find(single, PreviousTableLabel), nullptr);
    EXPECT_EQ(Find(single, NextTableLabel), nullptr);
}

// 99 rounds of three-digit pairs and boards up to 883-891, pair 2 absent: the lines under the set
// rows draw together, on a shorter page the rows' face shrinks too, until the foot ends on the
// page; the first block's rows keep their places, and no line of the first column meets the next.
TEST(TableCard, AtTheMostRoundsTheBoardRowsAndTheFootEndOnThePage) {
    MovementState state;
    state.RoundCount = 99;
    state.TableCount = 48;
    for (int32_t t = 1; t <= 48; ++t) state.Seating[t] = {t, 48 + t, t};
    state = movement::testing::ReadyToPrint(state, 99);
    for (const int32_t height : {6800, 5000}) {
        SCOPED_TRACE(height);
        RecordingSurface surface;
        RunRequest request;
        request.first = request.last = 1;
        request.boardsPerSet = 9;
        request.absentPair = 2;
        request.words = &PolishCardWords();
        ASSERT_TRUE(PrintProduct(Product::TableCards, state, {4800, height}, request, surface).accepted());
        const CardRead card = ReadCard(surface, 0);
        EXPECT_TRUE(Has(card.rows.at("Rozdania:"), "883-891"));
        EXPECT_EQ(std::count(card.rows.at("Rozdania:").begin(), card.rows.at("Rozdania:").end(), ""), 0);
        // Nothing of where sets go in the last round, where they come from in the first, nor either
        // in the two rounds the table has no game.
        for (std::size_t round = 0; round < 99; ++round) {
            const bool idle = card.rows.at("NS:")[round] == AbsentDash || card.rows.at("WE:")[round] == AbsentDash;
            EXPECT_EQ(card.rows.at("do stołu:")[round].empty(), idle || round == 98) << round + 1;
            EXPECT_EQ(card.rows.at("od stołu:")[round].empty(), idle || round == 0) << round + 1;
        }
        EXPECT_EQ(std::count(card.rows.at("NS:").begin(), card.rows.at("NS:").end(), AbsentDash) +
                      std::count(card.rows.at("WE:").begin(), card.rows.at("WE:").end(), AbsentDash),
                  2);
        EXPECT_EQ(card.foot, (Strings{SpareTableNote, AbsentNote}));

        const auto lineHeight = [](const RecordingSurface::Text& text) {
            return (0.905 + 0.212) * text.fontSize * 600 / 72;
        };
        const auto* foot = Find(surface, AbsentNote);
        ASSERT_NE(foot, nullptr);
        EXPECT_LE(foot->y + lineHeight(*foot), height);
        const auto* round = Find(surface, "  Runda:");
        EXPECT_EQ(round->y,
                  ComputeCardLayout(4800, height).CardBottom + ComputeCardLayout(4800, height).RoundRows.RoundDrop);
        EXPECT_EQ(round->fontSize, height == 6800 ? 11 : 8);
        std::map<int, const RecordingSurface::Text*> lines;  // under the frame, the largest face of each
        for (const auto& text : surface.texts) {
            EXPECT_LE(text.x + RecordingSurface().TextWidth(text.text, text.fontSize), 4800) << text.text;
            const RecordingSurface::Text*& line = lines[text.y];
            if (text.y > round->y - 1 && (line == nullptr || line->fontSize < text.fontSize)) line = &text;
        }
        lines.erase(lines.begin(), lines.lower_bound(round->y));
        EXPECT_EQ(lines.size(), 4u * 8u + 2u);  // a block: four rows, two of boards, two of tables
        for (auto at = lines.begin(); std::next(at) != lines.end(); ++at)
            EXPECT_GE(std::next(at)->first - at->first, lineHeight(*at->second)) << at->second->text;
    }
}

TEST(TableCard, OneBoardASetPrintsItsNumberAlone) {
    const CardRead card = ReadCard(PrintWith(SevenRounds(10), 3, 3, 1), 0);
    EXPECT_EQ(card.rows.at("Rozdania:"), (Strings{"4", "5", "6", "7", "1", "2", "3"}));
}

TEST(TableCard, TablesSharingTheirSetsThroughoutNameEachOther) {
    const MovementState state = movement::testing::ReadyToPrint(movement::testing::ThreeRoundsOnFourTables(), 10);
    const RecordingSurface surface = PrintWith(state, 1, 4, 2);
    EXPECT_TRUE(Has(ReadCard(surface, 0).foot, "Komplet dzielony ze stołem 4"));
    EXPECT_TRUE(Has(ReadCard(surface, 3).foot, "Komplet dzielony ze stołem 1"));
    for (const int page : {1, 2})
        for (const std::string& line : ReadCard(surface, page).foot)
            EXPECT_EQ(line.find("dzielony"), std::string::npos) << line;
    // Without board numbers the card says nothing of sets.
    EXPECT_EQ(Find(Print(state, 1, 1), "Komplet dzielony ze stołem 4"), nullptr);
}

// A set below 1 typed at table 4 is set 1 from round 2, when table 3 plays it too.
TEST(TableCard, RoundsOfASetSharedNowAndThenAreMarkedAndTheFootNamesThePartner) {
    const MovementState state =
        movement::testing::ReadyToPrint(movement::testing::MovementOf(3, {{1, 4, 1}, {2, 5, 2}, {3, 6, 3}, {7, 8, 0}}),
                                        10);
    const RecordingSurface surface = PrintWith(state, 3, 4, 2);
    const CardRead three = ReadCard(surface, 0);
    EXPECT_EQ(three.rows.at("Rozdania:"), (Strings{"5-6", "1-2*", "3-4*"}));
    EXPECT_EQ(three.foot, Strings{"* \u2013 w tych rundach komplet dzielony ze stołem 4"});
    const CardRead four = ReadCard(surface, 1);
    EXPECT_EQ(four.rows.at("Rozdania:"), (Strings{"", "1-2*", "3-4*"}));
    EXPECT_EQ(four.rows.at("do stołu:"), (Strings{"", "2", ""}));
    EXPECT_EQ(four.foot, Strings{"* \u2013 w tych rundach komplet dzielony ze stołem 3"});
}

TEST(TableCard, TheAbsentPairIsADashWhereItWouldSitAndTheFootSaysWhy) {
    const MovementState state = SevenRounds(10);
    const std::string absent = std::to_string(movement::PairRowNumber(state, 5));
    for (const int32_t boards : {0, 2}) {
        const RecordingSurface plain = PrintWith(state, 1, 4, boards);
        const RecordingSurface marked = PrintWith(state, 1, 4, boards, 5);
        int dashes = 0;
        for (int page = 0; page < 4; ++page) {
            const CardRead before = ReadCard(plain, page);
            const CardRead after = ReadCard(marked, page);
            int onCard = 0;
            for (const char* row : {"NS:", "WE:"})
                for (std::size_t round = 0; round < 7; ++round) {
                    const bool sits = before.rows.at(row)[round] == absent;
                    EXPECT_EQ(after.rows.at(row)[round], sits ? AbsentDash : before.rows.at(row)[round]);
                    onCard += sits;
                }
            EXPECT_EQ(after.rows.at("Komplet:"), before.rows.at("Komplet:"));
            EXPECT_EQ(Has(after.foot, AbsentNote), onCard > 0) << "table " << page + 1;
            dashes += onCard;
        }
        EXPECT_EQ(dashes, 7);  // a rotating pair sits somewhere in every round
    }
    // Pair 5 starts WE at table 3: the box shows the dash where a one-digit number stands.
    const RecordingSurface three = PrintWith(state, 3, 3, 0, 5);
    const RecordingSurface::Text* box = Find(three, AbsentDash);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->fontSize, Find(Print(state, 3, 3), "3")->fontSize);
    EXPECT_EQ(box->x, 669);
    EXPECT_EQ(box->y, 1515);
    EXPECT_TRUE(Has(three.Operations(), TextOut(446, 3041, std::string("   ") + AbsentDash)));
    // Table 1's summary of round 1 shows it as the dash too, table 3's line as wide as before.
    const RecordingSurface first = PrintWith(state, 1, 1, 0, 5);
    EXPECT_NE(Find(first, std::string("   3    3    ") + AbsentDash + "    4"), nullptr);
    EXPECT_EQ(Find(first, "   3    3    5    4"), nullptr);
    EXPECT_NE(Find(first, "   2    2    6    2"), nullptr);
}

// Where each card says its sets come from and go, read from the cards' texts alone: a table has
// no game in a round its NS or WE row shows the dash; a set goes to every table that plays it in
// the next round, joined "1/13", or waits on the spare table when none does, and comes from every
// table that played it in the round before, or from the spare table; a card says neither in a
// round it has no game. Returns how many routes were followed.
int ExpectRoutesAsTheCardsPlay(const std::map<int, CardRead>& byTable, int32_t rounds) {
    const auto idle = [&](int table, int32_t round) {
        const CardRead& card = byTable.at(table);
        return card.rows.at("NS:")[round] == AbsentDash || card.rows.at("WE:")[round] == AbsentDash;
    };
    const auto set = [&](int table, int32_t round) { return byTable.at(table).rows.at("Komplet:")[round]; };
    const auto tablesOf = [&](const std::string& played, int32_t round) {
        std::string tables;
        for (const auto& [other, unused] : byTable)
            if (!idle(other, round) && set(other, round) == played)
                tables += (tables.empty() ? "" : "/") + std::to_string(other);
        return tables.empty() ? SpareTableMark : tables;
    };
    int followed = 0;
    for (const auto& [table, card] : byTable) {
        if (rounds == 1) {
            EXPECT_EQ(card.rows.count("do stołu:") + card.rows.count("od stołu:"), 0u);
            continue;
        }
        bool spare = false;
        for (int32_t round = 0; round < rounds; ++round) {
            const bool plays = !idle(table, round);
            const std::string next = plays && round + 1 < rounds ? tablesOf(set(table, round), round + 1) : "";
            const std::string previous = plays && round > 0 ? tablesOf(set(table, round), round - 1) : "";
            EXPECT_EQ(card.rows.at("do stołu:")[round], next) << "table " << table << " round " << round + 1;
            EXPECT_EQ(card.rows.at("od stołu:")[round], previous) << "table " << table << " round " << round + 1;
            spare = spare || next == SpareTableMark || previous == SpareTableMark;
            followed += !next.empty();
        }
        EXPECT_EQ(Has(card.foot, SpareTableNote), spare) << "table " << table;
    }
    return followed;
}

// Every line of the shipped scheme files, every card with board numbers, read back from its texts
// alone: each set goes where the cards play it next and comes from where they played it before;
// tables that share their sets throughout name each other; an absent pair is a dash wherever it
// would sit and nowhere else, and the sets go round the tables it leaves without a game.
TEST(TableCard, TheSetsOfEveryShippedSchemeGoWhereTheCardsSay) {
    int lines = 0;
    int followed = 0;
    for (const char* file : {"Duzo_Zb.txt", "HowellKS.txt", "HowellPV.txt"}) {
        const auto reading = movement::ReadSchemeFile(std::string(SCHEME_DATA_DIR) + "/" + file);
        ASSERT_TRUE(reading.accepted()) << file << ": " << reading.message();
        for (const std::string& line : reading.value().lines) {
            const auto read = movement::ReadSchemeLine(line);
            ASSERT_TRUE(read.accepted()) << line;
            MovementState scheme;
            scheme.RoundCount = read.value().RoundCount;
            scheme.TableCount = read.value().TableCount;
            for (int32_t t = 1; t <= scheme.TableCount; ++t) scheme.Seating[t] = read.value().Tables[t - 1];
            // A step of the rounds prints every pair under its own number.
            const MovementState state = movement::testing::ReadyToPrint(scheme, scheme.RoundCount);
            const int32_t rounds = state.RoundCount;
            const int32_t tables = state.TableCount;
            const int32_t boards = 1 + lines % movement::MaxBoardsPerSet;
            SCOPED_TRACE(std::string(file) + ": " + line);
            ++lines;

            const RecordingSurface surface = PrintWith(state, 1, tables, boards);
            std::vector<CardRead> cards;
            cards.reserve(static_cast<std::size_t>(tables));
            for (int32_t page = 0; page < tables; ++page) cards.push_back(ReadCard(surface, page));
            std::map<int, CardRead> byTable;
            for (const CardRead& card : cards) {
                byTable[std::stoi(card.table)] = card;
                for (const char* label : {"Komplet:", "Rozdania:", "NS:", "WE:"})
                    ASSERT_EQ(card.rows.count(label), 1u) << label << " on the card of table " << card.table;
            }
            ASSERT_EQ(byTable.size(), static_cast<std::size_t>(tables));
            const auto set = [&](int table, int32_t round) { return byTable[table].rows.at("Komplet:")[round]; };
            followed += ExpectRoutesAsTheCardsPlay(byTable, rounds);

            for (const auto& [table, card] : byTable) {
                ASSERT_EQ(card.rows.at("Komplet:").size(), static_cast<std::size_t>(rounds));
                for (int32_t round = 0; round < rounds; ++round) {
                    const int number = std::stoi(set(table, round));
                    EXPECT_EQ(card.rows.at("Rozdania:")[round],
                              boards == 1
                                  ? std::to_string(number)
                                  : std::to_string((number - 1) * boards + 1) + "-" + std::to_string(number * boards));
                }

                std::vector<int> partners;
                for (const auto& [other, unused] : byTable) {
                    bool always = other != table;
                    for (int32_t round = 0; round < rounds && always; ++round)
                        always = set(other, round) == set(table, round);
                    if (always) partners.push_back(other);
                }
                // Partners the same in every round: no table shares with one but not the others.
                bool same = !partners.empty();
                for (int32_t round = 0; round < rounds && same; ++round)
                    for (const auto& [other, unused] : byTable)
                        if (other != table && set(other, round) == set(table, round))
                            same = same && std::find(partners.begin(), partners.end(), other) != partners.end();
                const std::string named = same ? movement::SharedThroughoutNote(PolishCardWords(), partners) : "";
                for (const std::string& footLine : card.foot)
                    if (footLine.rfind("Komplet dzielony", 0) == 0) {
                        EXPECT_EQ(footLine, named) << "table " << table;
                    }
                if (same) {
                    EXPECT_TRUE(Has(card.foot, named)) << "table " << table;
                }
            }

            // A few pairs absent: the first and last, and one between, on the cards with boards.
            if (lines % 4 != 0) continue;
            for (const int32_t absentPair : {1, tables + 1, 2 * tables}) {
                SCOPED_TRACE("pair " + std::to_string(absentPair) + " absent");
                const std::string absent = std::to_string(movement::PairRowNumber(state, absentPair));
                const RecordingSurface marked = PrintWith(state, 1, tables, boards, absentPair);
                int dashes = 0;
                std::map<int, CardRead> markedByTable;
                for (int32_t page = 0; page < tables; ++page) {
                    const CardRead after = ReadCard(marked, page);
                    const CardRead& before = cards[static_cast<std::size_t>(page)];
                    markedByTable[std::stoi(after.table)] = after;
                    bool onCard = false;
                    for (const char* row : {"NS:", "WE:"})
                        for (int32_t round = 0; round < rounds; ++round) {
                            const std::string& was = before.rows.at(row)[round];
                            EXPECT_EQ(after.rows.at(row)[round], was == absent ? AbsentDash : was);
                            onCard = onCard || was == absent;
                            dashes += was == absent;
                        }
                    EXPECT_EQ(after.nsBox, before.rows.at("NS:")[0] == absent ? AbsentDash : before.nsBox);
                    EXPECT_EQ(after.weBox, before.rows.at("WE:")[0] == absent ? AbsentDash : before.weBox);
                    EXPECT_EQ(Has(after.foot, AbsentNote), onCard);
                }
                EXPECT_EQ(dashes, rounds) << "pair " << absentPair;
                followed += ExpectRoutesAsTheCardsPlay(markedByTable, rounds);
            }
        }
    }
    EXPECT_EQ(lines, 112);
    EXPECT_GT(followed, 100 * lines);
}

}  // namespace
}  // namespace printing
