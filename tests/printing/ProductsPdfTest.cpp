// SPDX-License-Identifier: GPL-3.0-or-later
// Pair cards and the movement sheet printed on Qt's printer in PDF mode and read back: a pair
// card's rows as the table cards of the same movement print them, the sheet's cells as the
// movement has them, and on every paper no text meets another or leaves the page.

#include "ExampleMovements.h"
#include "PdfReading.h"

#include "movement/PairNumbering.h"
#include "movement/RoundProgression.h"
#include "printing/Products.h"
#include "printing/surfaces/QtPrintSurface.h"
#include "printing/surfaces/RecordingSurface.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

using movement::MovementState;
using printing::Product;
using namespace pdftesting;

using Row = std::vector<std::string>;                      // round, table, direction, opponent, set
using PairRows = std::map<std::string, std::vector<Row>>;  // by the number the card is headed with

// Prints on `paper` into `file` and reads the words back.
std::vector<Word> Printed(Product product, const MovementState& state, int32_t absentPair, const QString& file,
                          const Paper& paper = Papers[0]) {
    const auto printer = PdfPrinter(paper, file);
    printing::QtPrintSurface surface(*printer);
    const movement::Outcome printed = printing::PrintProduct(product, state, {printer->width(), printer->height()}, 1,
                                                             state.TableCount, false, absentPair, surface);
    EXPECT_TRUE(printed.accepted()) << printed.message();
    return WordsOf(file);
}

std::vector<const Word*> OnPage(const std::vector<Word>& words, int page) {
    std::vector<const Word*> on;
    for (const Word& word : words)
        if (word.page == page) on.push_back(&word);
    return on;
}

int PageCount(const std::vector<Word>& words) { return words.empty() ? 0 : words.back().page + 1; }

// The words on one line with `first`, left to right, from `first` on.
std::vector<const Word*> LineFrom(const std::vector<const Word*>& page, const Word& first) {
    std::vector<const Word*> line;
    for (const Word* word : page)
        if (std::abs(word->yMin - first.yMin) < 0.5 && word->xMin >= first.xMin) line.push_back(word);
    std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->xMin < b->xMin; });
    return line;
}

// A card's heading: "Para" and a number, not the note of a pair that keeps its seat.
bool IsHeading(const std::vector<const Word*>& page, const Word& word) {
    if (word.text != QStringLiteral("Para")) return false;
    const std::vector<const Word*> line = LineFrom(page, word);
    return line.size() >= 2 && NumberIn(line[1]->text) >= 0;
}

// Every pair card read back, its rows in order of rounds and tables: a row is five words of a
// line of numbers, "NS", "WE" and "pauza", and belongs to the card whose heading "Para N" is the
// nearest above and left of it.
PairRows ReadPairCards(const std::vector<Word>& words) {
    PairRows cards;
    const auto inRow = [](const Word* word) {
        return NumberIn(word->text) >= 0 || word->text == "NS" || word->text == "WE" || word->text == "pauza";
    };
    for (int page = 0; page < PageCount(words); ++page) {
        const std::vector<const Word*> on = OnPage(words, page);
        std::vector<const Word*> headings;
        for (const Word* word : on)
            if (IsHeading(on, *word)) headings.push_back(word);
        std::map<double, std::vector<const Word*>> lines;
        for (const Word* word : on) lines[std::round(word->yMin * 2) / 2].push_back(word);
        for (auto& [y, line] : lines) {
            if (!std::all_of(line.begin(), line.end(), inRow)) continue;
            std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->xMin < b->xMin; });
            for (std::size_t first = 0; first < line.size(); first += 5) {
                const Word* holder = nullptr;
                for (const Word* h : headings)
                    if (h->xMin <= line[first]->xMin && h->yMin < y &&
                        (holder == nullptr ||
                         std::make_pair(h->xMin, h->yMin) > std::make_pair(holder->xMin, holder->yMin)))
                        holder = h;
                Row& row = cards[holder == nullptr ? "?" : LineFrom(on, *holder)[1]->text.toStdString()].emplace_back();
                for (std::size_t at = first; at < std::min(line.size(), first + 5); ++at)
                    row.push_back(line[at]->text.toStdString());
            }
        }
    }
    const auto byRoundAndTable = [](const Row& a, const Row& b) {
        return std::make_pair(std::stoi(a[0]), std::stoi(a[1])) < std::make_pair(std::stoi(b[0]), std::stoi(b[1]));
    };
    for (auto& [pair, rows] : cards) std::sort(rows.begin(), rows.end(), byRoundAndTable);
    return cards;
}

// The rows every pair card should hold, from what the table cards print round by round
// (numbers by table, NS pairs, WE pairs and sets, rounds from 1); the absent pair's number is
// "pauza" for its opponents and it has no card.
PairRows RowsFromTableCards(const std::vector<std::vector<std::vector<int>>>& tableCards,
                            const std::string& absent = "") {
    std::vector<std::tuple<int, int, std::string, Row>> seats;
    for (std::size_t t = 0; t < tableCards.size(); ++t) {
        const auto& card = tableCards[t];
        for (std::size_t r = 0; r < card[0].size(); ++r) {
            const std::string table = std::to_string(t + 1);
            const std::string ns = std::to_string(card[0][r]);
            const std::string we = std::to_string(card[1][r]);
            const std::string set = std::to_string(card[2][r]);
            const std::string round = std::to_string(r + 1);
            const auto shown = [&](const std::string& pair) { return pair == absent ? std::string("pauza") : pair; };
            seats.emplace_back(r, t, ns, Row{round, table, "NS", shown(we), set});
            seats.emplace_back(r, t, we, Row{round, table, "WE", shown(ns), set});
        }
    }
    std::sort(seats.begin(), seats.end());
    PairRows rows;
    for (const auto& [round, table, pair, row] : seats)
        if (pair != absent) rows[pair].push_back(row);
    return rows;
}

// The table cards' rows as the core computes them for the cards, for pairs 1..2T.
std::vector<std::vector<std::vector<int>>> TableCardRows(const MovementState& state) {
    std::vector<std::vector<std::vector<int>>> cards(state.TableCount, std::vector<std::vector<int>>(3));
    for (int32_t t = 1; t <= state.TableCount; ++t)
        for (int32_t r = 1; r <= state.RoundCount; ++r) {
            const movement::TableSeat& seat = state.Seating[t];
            cards[t - 1][0].push_back(movement::RowNumber(state, seat.NsPair, r));
            cards[t - 1][1].push_back(movement::RowNumber(state, seat.WePair, r));
            cards[t - 1][2].push_back(movement::BoardSetInRound(state, seat.BoardSet, r));
        }
    return cards;
}

struct Numbering {
    const char* name;
    int32_t step;
    int32_t firstMapped;  // arbitrary numbers from here down, pair 1 first; 0 for none
    int32_t absentPair;
};
void PrintTo(const Numbering& numbering, std::ostream* out) { *out << numbering.name; }

class PairCardsPdf : public ::testing::TestWithParam<Numbering> {};

TEST_P(PairCardsPdf, EveryRowIsWhatTheTableCardsOfTheMovementPrint) {
    const Numbering& numbering = GetParam();
    MovementState state =
        movement::testing::ReadyToPrint(movement::testing::CompleteHowellOnFiveTables(), numbering.step);
    if (numbering.firstMapped > 0)
        for (int32_t pair = 1; pair <= 10; ++pair) state.PairNumberMap[pair] = numbering.firstMapped - pair;
    QTemporaryDir folder;

    const std::vector<Word> tableWords =
        Printed(Product::TableCards, state, 0, folder.filePath(QStringLiteral("stoly.pdf")));
    std::vector<std::vector<std::vector<int>>> tableCards;
    for (int page = 0; page < PageCount(tableWords); ++page) {
        std::vector<Word> card;
        for (const Word* word : OnPage(tableWords, page)) card.push_back(*word);
        auto& rows = tableCards.emplace_back();
        for (const char* label : {"NS:", "WE:", "Komplet:"}) rows.push_back(RowsAfter(card, label).at(0));
    }
    ASSERT_EQ(tableCards.size(), 5u);
    const std::string absent =
        numbering.absentPair == 0 ? "" : std::to_string(movement::PairRowNumber(state, numbering.absentPair));

    const std::vector<Word> pairWords =
        Printed(Product::PairCards, state, numbering.absentPair, folder.filePath(QStringLiteral("pary.pdf")));
    const PairRows cards = ReadPairCards(pairWords);
    EXPECT_EQ(cards, RowsFromTableCards(tableCards, absent));
    EXPECT_EQ(cards.size(), numbering.absentPair == 0 ? 10u : 9u);

    // Pair 10 keeps its seat, and only its card says so, under its heading.
    const std::string stationary = std::to_string(movement::PairRowNumber(state, 10));
    const auto isNote = [](const Word& word) { return word.text == QStringLiteral("stacjonarna"); };
    ASSERT_EQ(std::count_if(pairWords.begin(), pairWords.end(), isNote), 1);
    const auto note = std::find_if(pairWords.begin(), pairWords.end(), isNote);
    const auto heading = std::find_if(pairWords.begin(), pairWords.end(), [&](const Word& word) {
        return word.page == note->page && word.text.toStdString() == stationary && word.yMax < note->yMin &&
               std::abs(word.yMin - note->yMin) < 30;
    });
    EXPECT_NE(heading, pairWords.end());
}

INSTANTIATE_TEST_SUITE_P(Numberings, PairCardsPdf,
                         ::testing::Values(Numbering{"StepTen", 10, 0, 0},
                                           Numbering{"Mitchell", movement::MitchellNumbering, 0, 0},
                                           Numbering{"ArbitraryNumbersAndAnAbsentPair", 9, 99, 4}),
                         [](const auto& instance) { return std::string(instance.param.name); });

using Cells = std::map<std::pair<int, int>, std::pair<std::string, std::string>>;  // (round, table) -> pairs, set

// The sheet's grid read back, page by page: the header line starts at "Runda" and names each
// column "St. N"; a round's label starts its pairs' line, and the board sets stand under it.
Cells ReadSheet(const std::vector<Word>& words) {
    Cells cells;
    for (int page = 0; page < PageCount(words); ++page) {
        const std::vector<const Word*> on = OnPage(words, page);
        const auto corner = std::find_if(on.begin(), on.end(), [](const Word* w) { return w->text == "Runda"; });
        if (corner == on.end()) continue;
        const std::vector<const Word*> header = LineFrom(on, **corner);
        std::map<double, int> columns;  // middle -> table
        for (std::size_t at = 1; at + 1 < header.size(); at += 2)
            columns[(header[at]->xMin + header[at + 1]->xMax) / 2] = NumberIn(header[at + 1]->text);
        const double gridLeft = (*corner)->xMax + 0.5;  // "Runda" is the round column's widest text
        const auto findings =
            std::find_if(on.begin(), on.end(), [](const Word* w) { return w->text == "Sprawdzenie:"; });
        const double gridBottom = findings == on.end() ? 1e9 : (*findings)->yMin;
        std::map<double, int> rounds;  // top -> round
        for (const Word* word : on)
            if (word->yMin > (*corner)->yMax && word->xMax < gridLeft && word->yMin < gridBottom)
                rounds[word->yMin] = NumberIn(word->text);
        for (const Word* word : on) {
            if (word->yMin <= (*corner)->yMax || word->xMin < gridLeft || word->yMin >= gridBottom) continue;
            const double middle = (word->xMin + word->xMax) / 2;
            const auto column = std::min_element(columns.begin(), columns.end(), [&](const auto& a, const auto& b) {
                return std::abs(a.first - middle) < std::abs(b.first - middle);
            });
            auto round = rounds.upper_bound(word->yMin + 0.5);
            if (column == columns.end() || round == rounds.begin()) continue;
            --round;
            auto& cell = cells[{round->second, column->second}];
            (std::abs(round->first - word->yMin) < 0.5 ? cell.first : cell.second) = word->text.toStdString();
        }
    }
    return cells;
}

// The cells as the table cards print them, the absent pair marked.
Cells CellsOfTheMovement(const MovementState& state, int32_t absentPair) {
    Cells cells;
    const auto cards = TableCardRows(state);
    for (int32_t t = 1; t <= state.TableCount; ++t)
        for (int32_t r = 1; r <= state.RoundCount; ++r) {
            const auto number = [&](int32_t roundOne, int row) {
                const bool absent = movement::PairInRound(state, roundOne, r) == absentPair;
                return std::to_string(cards[t - 1][row][r - 1]) + (absent ? "*" : "");
            };
            cells[{r, t}] = {number(state.Seating[t].NsPair, 0) + "-" + number(state.Seating[t].WePair, 1),
                             std::to_string(cards[t - 1][2][r - 1])};
        }
    return cells;
}

std::string TextFrom(const std::vector<Word>& words, const QString& first) {
    std::string text;
    bool started = false;
    for (const Word& word : words) {
        started = started || word.text == first;
        if (started) text += (text.empty() ? "" : " ") + word.text.toStdString();
    }
    return text;
}

TEST(MovementSheetPdf, ASoundHowellItsCellsTheChecksAndTheBalanceOfDirections) {
    const MovementState state = movement::testing::ReadyToPrint(movement::testing::CompleteHowellOnFiveTables(), 10);
    QTemporaryDir folder;
    const std::vector<Word> words =
        Printed(Product::MovementSheet, state, 0, folder.filePath(QStringLiteral("arkusz.pdf")));
    EXPECT_EQ(PageCount(words), 1);
    EXPECT_EQ(ReadSheet(words), CellsOfTheMovement(state, 0));
    // An odd number of tables: every two pairs share a direction on three to five sets.
    EXPECT_EQ(TextFrom(words, QStringLiteral("Sprawdzenie:")),
              "Sprawdzenie: każda para spotyka każdą inną najwyżej raz i gra każdy komplet dokładnie raz. "
              "Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej "
              "na 3, najwięcej na 5 kompletach.");
}

TEST(MovementSheetPdf, AnUnsoundMovementWithAnAbsentPairMarksItAndNamesTheFirstFault) {
    const MovementState state = movement::testing::ReadyToPrint(movement::testing::SevenRoundsOnFourTables(), 10);
    QTemporaryDir folder;
    const std::vector<Word> words =
        Printed(Product::MovementSheet, state, 5, folder.filePath(QStringLiteral("arkusz.pdf")));
    EXPECT_EQ(ReadSheet(words), CellsOfTheMovement(state, 5));
    EXPECT_NE(TextFrom(words, QStringLiteral("Para")).find("Para nieobecna: 5 (w kratkach 5*)"), std::string::npos);
    const std::string findings = TextFrom(words, QStringLiteral("Sprawdzenie:"));
    EXPECT_EQ(findings.rfind("Sprawdzenie: Błąd rozbicia, popraw! pary 2 i 6 spotykają się dwa razy, w rundach 1 i "
                             "3. Wyrównanie kierunków:",
                             0),
              0u)
        << findings;
}

// The edges: the most rounds and tables a page holds whole (one pair numbered 100), and the
// most the program takes; pair 2 absent.
const Edge ProductEdges[] = {{"Rounds25Tables13", 25, 13, 99}, {"Rounds99Tables48", 99, 48, 99}};
constexpr int32_t AbsentAtTheEdges = 2;

// Every lines' ink on one page, as wide as its pen, in points on the paper.
std::vector<QRectF> LinesOn(const printing::RecordingSurface& recorded, int page, QPointF origin) {
    std::vector<QRectF> lines;
    const double points = 72.0 / Resolution;
    for (const auto& line : recorded.lines) {
        if (line.page != page) continue;
        const double pen = line.penWidth / 2.0;
        lines.emplace_back(QPointF(std::min(line.fromX, line.toX) - pen, std::min(line.fromY, line.toY) - pen) * points +
                               origin,
                           QPointF(std::max(line.fromX, line.toX) + pen, std::max(line.fromY, line.toY) + pen) * points +
                               origin);
    }
    return lines;
}

class ProductsAtTheEdges : public ::testing::TestWithParam<std::tuple<Paper, Product, Edge>> {};

TEST_P(ProductsAtTheEdges, EveryWordStandsClearOnThePageAndNothingIsLeftOut) {
    const auto& [paper, product, edge] = GetParam();
    const MovementState state = EdgeMovement(edge);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("wydruk.pdf"));
    const auto printer = PdfPrinter(paper, file);
    const printing::PageMetrics page{printer->width(), printer->height()};
    printing::QtPrintSurface surface(*printer);
    ASSERT_TRUE(printing::PrintProduct(product, state, page, 1, state.TableCount, false, AbsentAtTheEdges, surface)
                    .accepted());
    // The same run as the print run draws it, for its lines.
    printing::RecordingSurface recorded;
    ASSERT_TRUE(printing::PrintProduct(product, state, page, 1, state.TableCount, false, AbsentAtTheEdges, recorded)
                    .accepted());
    const int pages = recorded.texts.back().page + 1;

    // Every page of pair cards is laid out alike but the last: they are read up to the page
    // where the card of pair 4 begins (pairs 1 and 3 before it whole, 2 is absent), then the
    // last page.
    int firstPages = pages;
    if (product == Product::PairCards) {
        const std::string fourth = "Para " + std::to_string(movement::PairRowNumber(state, 4));
        firstPages = std::find_if(recorded.texts.begin(), recorded.texts.end(),
                                  [&](const auto& text) { return text.text == fourth; })
                         ->page +
                     1;
    }
    std::vector<Word> words = WordsOf(file, 1, firstPages);
    if (firstPages < pages) {
        const std::vector<Word> last = WordsOf(file, pages, pages);
        words.insert(words.end(), last.begin(), last.end());
    }

    const QRectF printable = printer->pageLayout().paintRect(QPageLayout::Point);
    for (const Word& word : words)
        EXPECT_TRUE(printable.adjusted(-0.5, -0.5, 0.5, 0.5)
                        .contains(QRectF(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax))))
            << word.text.toStdString() << " leaves the page " << word.page;
    const QSizeF paperSize = printer->pageLayout().fullRect(QPageLayout::Point).size();
    for (const int at : {0, pages - 1}) {
        std::vector<Word> on;
        for (const Word* word : OnPage(words, at)) on.push_back(*word);
        EXPECT_EQ(InkCollisions(on, LinesOn(recorded, at, printable.topLeft()), paperSize), std::set<std::string>())
            << "page " << at;
    }

    const bool smallPaper = paper.size == QPageSize::A5;
    if (product == Product::PairCards) {
        PairRows cards = ReadPairCards(words);
        PairRows expected = RowsFromTableCards(TableCardRows(state), std::to_string(AbsentAtTheEdges));
        for (const char* pair : {"1", "3"}) EXPECT_EQ(cards[pair], expected[pair]) << "pair " << pair;
        int headings = 0;
        const std::vector<const Word*> first = OnPage(words, 0);
        for (const Word* word : first) headings += IsHeading(first, *word);
        EXPECT_EQ(headings, smallPaper ? 2 : 4);
    } else {
        EXPECT_EQ(ReadSheet(words), CellsOfTheMovement(state, AbsentAtTheEdges));
        // 25 rounds need a page's height; A5 turned on its side has not enough of it.
        if (edge.tables <= 13 && paper.orientation == QPageLayout::Portrait) {
            EXPECT_EQ(pages, 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PapersProductsAndEdges, ProductsAtTheEdges,
                         ::testing::Combine(::testing::ValuesIn(Papers),
                                            ::testing::Values(Product::PairCards, Product::MovementSheet),
                                            ::testing::ValuesIn(ProductEdges)),
                         [](const auto& instance) {
                             return std::string(std::get<0>(instance.param).name) +
                                    (std::get<1>(instance.param) == Product::PairCards ? "_PairCards_" : "_Sheet_") +
                                    std::get<2>(instance.param).name;
                         });

}  // namespace
