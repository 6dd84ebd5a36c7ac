// SPDX-License-Identifier: GPL-3.0-or-later
// Pair cards and the movement sheet printed on Qt's printer in PDF mode and read back: a pair
// card's rows as the table cards of the same movement print them, the sheet's cells as the
// movement has them, and on every paper no text meets another or leaves the page.

#include "ExampleMovements.h"
#include "PdfReading.h"
#include "support/PrintRuns.h"

#include "movement/PairNumbering.h"
#include "movement/RoundProgression.h"
#include "movement/SchemeFileReading.h"
#include "movement/SchemeLine.h"
#include "printing/Products.h"
#include "printing/surfaces/QtPrintSurface.h"
#include "printing/surfaces/RecordingSurface.h"

#include <QRegularExpression>
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

const CardLanguage& Polish = CardLanguages[0];

printing::RunRequest RequestOf(const MovementState& state, int32_t absentPair, int32_t boardsPerSet,
                               const CardLanguage& language = Polish) {
    printing::RunRequest request;
    request.last = state.TableCount;
    request.absentPair = absentPair;
    request.boardsPerSet = boardsPerSet;
    request.words = &language.Words();
    return request;
}

// Prints on `paper` into `file` and reads the words back.
std::vector<Word> Printed(Product product, const MovementState& state, int32_t absentPair, const QString& file,
                          int32_t boardsPerSet = 0, const Paper& paper = Papers[0]) {
    const auto printer = PdfPrinter(paper, file);
    printing::QtPrintSurface surface(*printer);
    const movement::Outcome printed = printing::PrintProduct(product, state, {printer->width(), printer->height()},
                                                             RequestOf(state, absentPair, boardsPerSet), surface);
    EXPECT_TRUE(printed.accepted()) << printed.message();
    return WordsOf(file);
}

// The boards of a set, worked out here: "7-9" for set 3 of three boards.
std::string BoardsOf(int set, int32_t boardsPerSet) {
    if (boardsPerSet == 1) return std::to_string(set);
    return std::to_string((set - 1) * boardsPerSet + 1) + "-" + std::to_string(set * boardsPerSet);
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
bool IsHeading(const std::vector<const Word*>& page, const Word& word, const CardLanguage& language = Polish) {
    if (word.text != QString::fromUtf8(language.pair)) return false;
    const std::vector<const Word*> line = LineFrom(page, word);
    return line.size() >= 2 && NumberIn(line[1]->text) >= 0;
}

// Every pair card read back, its rows in order of rounds and tables: a row is a line's words of
// numbers, boards, "NS", "WE" and "pauza", `columns` of them or up to "pauza", where a round the
// pair sits out ends; it belongs to the card whose heading "Para N" is the nearest above and
// left of it. A round sat out may take more than one word ("sit out"): the row reads it whole.
PairRows ReadPairCards(const std::vector<Word>& words, std::size_t columns = 5, const CardLanguage& language = Polish) {
    PairRows cards;
    static const QRegularExpression boards(QStringLiteral("^\\d+-\\d+$"));
    const QStringList sitOut = QString::fromUtf8(language.sitOut).split(QLatin1Char(' '));
    const auto inRow = [&](const Word* word) {
        return NumberIn(word->text) >= 0 || word->text == "NS" || word->text == language.ewDirection ||
               sitOut.contains(word->text) || boards.match(word->text).hasMatch();
    };
    for (int page = 0; page < PageCount(words); ++page) {
        const std::vector<const Word*> on = OnPage(words, page);
        std::vector<const Word*> headings;
        for (const Word* word : on)
            if (IsHeading(on, *word, language)) headings.push_back(word);
        std::map<double, std::vector<const Word*>> lines;
        for (const Word* word : on) lines[std::round(word->yMin * 2) / 2].push_back(word);
        for (auto& [y, line] : lines) {
            if (!std::all_of(line.begin(), line.end(), inRow)) continue;
            std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->xMin < b->xMin; });
            std::vector<std::vector<const Word*>> rows;
            for (const Word* word : line) {
                if (rows.empty() || rows.back().size() == columns || rows.back().back()->text == sitOut.back())
                    rows.emplace_back();
                rows.back().push_back(word);
            }
            for (const auto& rowWords : rows) {
                const Word* holder = nullptr;
                for (const Word* h : headings)
                    if (h->xMin <= rowWords.front()->xMin && h->yMin < y &&
                        (holder == nullptr ||
                         std::make_pair(h->xMin, h->yMin) > std::make_pair(holder->xMin, holder->yMin)))
                        holder = h;
                Row& row = cards[holder == nullptr ? "?" : LineFrom(on, *holder)[1]->text.toStdString()].emplace_back();
                for (const Word* word : rowWords)
                    if (row.size() > 1 && row.back() != language.sitOut && sitOut.contains(word->text))
                        row.back() += " " + word->text.toStdString();
                    else
                        row.push_back(word->text.toStdString());
            }
        }
    }
    const auto byRoundAndTable = [](const Row& a, const Row& b) {
        const auto key = [](const Row& row) {
            return std::make_pair(std::stoi(row[0]), row.size() > 2 ? std::stoi(row[1]) : 0);
        };
        return key(a) < key(b);
    };
    for (auto& [pair, rows] : cards) std::sort(rows.begin(), rows.end(), byRoundAndTable);
    return cards;
}

// The rows every pair card should hold, from what the table cards print round by round
// (numbers by table, NS pairs, WE pairs and sets, rounds from 1), with the boards when given;
// the absent pair has no card, and its opponents' row of the round is the round and "pauza".
PairRows RowsFromTableCards(const std::vector<std::vector<std::vector<int>>>& tableCards, const std::string& absent = "",
                            int32_t boardsPerSet = 0, const CardLanguage& language = Polish) {
    std::vector<std::tuple<int, int, std::string, Row>> seats;
    for (std::size_t t = 0; t < tableCards.size(); ++t) {
        const auto& card = tableCards[t];
        for (std::size_t r = 0; r < card[0].size(); ++r) {
            const std::string table = std::to_string(t + 1);
            const std::string ns = std::to_string(card[0][r]);
            const std::string we = std::to_string(card[1][r]);
            const std::string set = std::to_string(card[2][r]);
            const std::string round = std::to_string(r + 1);
            const auto row = [&](const char* direction, const std::string& opponent) {
                if (opponent == absent) return Row{round, language.sitOut};
                Row full{round, table, direction, opponent, set};
                if (boardsPerSet > 0) full.push_back(BoardsOf(card[2][r], boardsPerSet));
                return full;
            };
            seats.emplace_back(r, t, ns, row("NS", we));
            seats.emplace_back(r, t, we, row(language.ewDirection, ns));
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
    int32_t boardsPerSet = 0;
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

    const std::vector<Word> pairWords = Printed(Product::PairCards, state, numbering.absentPair,
                                                folder.filePath(QStringLiteral("pary.pdf")), numbering.boardsPerSet);
    const PairRows cards = ReadPairCards(pairWords, numbering.boardsPerSet > 0 ? 6 : 5);
    EXPECT_EQ(cards, RowsFromTableCards(tableCards, absent, numbering.boardsPerSet));
    EXPECT_EQ(cards.size(), numbering.absentPair == 0 ? 10u : 9u);
    const auto count = [&](const char* text) {
        return std::count_if(pairWords.begin(), pairWords.end(), [&](const Word& word) { return word.text == text; });
    };
    EXPECT_EQ(count("Rozdania"), numbering.boardsPerSet > 0 ? 9 + (numbering.absentPair == 0) : 0);
    // Every card names its movement, so that cards of two sessions are not mixed.
    EXPECT_EQ(count("Rund:"), numbering.absentPair == 0 ? 10 : 9);
    const auto movement =
        std::find_if(pairWords.begin(), pairWords.end(), [](const Word& w) { return w.text == "Rund:"; });
    ASSERT_NE(movement, pairWords.end());
    std::string line;
    for (const Word* word : LineFrom(OnPage(pairWords, movement->page), *movement))
        line += (line.empty() ? "" : " ") + word->text.toStdString();
    EXPECT_EQ(line.substr(0, line.find(" Rund:")),
              std::string("Rund: 9; Stołów: 5; ") + (numbering.firstMapped > 0 ? "Numery dowolne"
                                                     : numbering.step < 0
                                                         ? "Numery jak w Mitchell'u"
                                                         : "Skok numeracji: " + std::to_string(numbering.step)));

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
                                           Numbering{"ArbitraryNumbersAndAnAbsentPair", 9, 99, 4},
                                           Numbering{"BoardsAndAnAbsentPair", 10, 0, 7, 3}),
                         [](const auto& instance) { return std::string(instance.param.name); });

using Cells = std::map<std::pair<int, int>, std::pair<std::string, std::string>>;  // (round, table) -> pairs, set
using Notes = std::map<int, std::string>;                                          // round -> its note

// The sheet's grid read back, page by page: the header line starts at "Runda" and names each
// column "St. N"; a round's label starts its pairs' line, the board sets stand under it, and
// the round's note, when it has one, under them. A note is read once, however many pages of
// tables repeat it.
Cells ReadSheet(const std::vector<Word>& words, Notes* notes = nullptr, const CardLanguage& language = Polish) {
    Cells cells;
    for (int page = 0; page < PageCount(words); ++page) {
        const std::vector<const Word*> on = OnPage(words, page);
        const auto corner =
            std::find_if(on.begin(), on.end(), [&](const Word* w) { return w->text == language.roundHeading; });
        if (corner == on.end()) continue;
        const std::vector<const Word*> header = LineFrom(on, **corner);
        std::map<double, int> columns;  // middle -> table
        for (std::size_t at = 1; at + 1 < header.size(); at += 2)
            columns[(header[at]->xMin + header[at + 1]->xMax) / 2] = NumberIn(header[at + 1]->text);
        const double gridLeft = (*corner)->xMax + 0.5;  // "Runda" is the round column's widest text
        const auto findings =
            std::find_if(on.begin(), on.end(), [&](const Word* w) { return w->text == language.check; });
        const double gridBottom = findings == on.end() ? 1e9 : (*findings)->yMin;
        std::map<double, int> rounds;  // top -> round
        for (const Word* word : on)
            if (word->yMin > (*corner)->yMax && word->xMax < gridLeft && word->yMin < gridBottom)
                rounds[word->yMin] = NumberIn(word->text);
        std::map<int, std::vector<const Word*>> below;  // round -> its words under the pairs' line
        for (const Word* word : on) {
            if (word->yMin <= (*corner)->yMax || word->xMin < gridLeft || word->yMin >= gridBottom) continue;
            auto round = rounds.upper_bound(word->yMin + 0.5);
            if (columns.empty() || round == rounds.begin()) continue;
            --round;
            if (std::abs(round->first - word->yMin) >= 0.5) {
                below[round->second].push_back(word);
                continue;
            }
            const double middle = (word->xMin + word->xMax) / 2;
            const auto column = std::min_element(columns.begin(), columns.end(), [&](const auto& a, const auto& b) {
                return std::abs(a.first - middle) < std::abs(b.first - middle);
            });
            cells[{round->second, column->second}].first = word->text.toStdString();
        }
        // The sets' line is the first under the pairs; the note's, the next.
        for (auto& [round, under] : below) {
            std::sort(under.begin(), under.end(), [](const Word* a, const Word* b) {
                return std::make_pair(std::round(a->yMin * 2), a->xMin) <
                       std::make_pair(std::round(b->yMin * 2), b->xMin);
            });
            const double setsTop = under.front()->yMin;
            std::string note;
            for (const Word* word : under) {
                if (std::abs(word->yMin - setsTop) < 0.5) {
                    const double middle = (word->xMin + word->xMax) / 2;
                    const auto column =
                        std::min_element(columns.begin(), columns.end(), [&](const auto& a, const auto& b) {
                            return std::abs(a.first - middle) < std::abs(b.first - middle);
                        });
                    cells[{round, column->second}].second = word->text.toStdString();
                } else {
                    note += (note.empty() ? "" : " ") + word->text.toStdString();
                }
            }
            if (notes == nullptr || note.empty()) continue;
            if (notes->count(round)) {
                EXPECT_EQ((*notes)[round], note) << "round " << round << " on page " << page;
            }
            (*notes)[round] = note;
        }
    }
    return cells;
}

// A round's note read back: the sets waiting, the sets taken from the spare table, the tables
// sharing a set with the set, and the pair sitting out (printed number), or -1.
struct RoundNote {
    std::set<int> waiting;
    std::set<int> fromSpare;
    std::set<std::pair<std::vector<int>, int>> shared;
    int sittingOut = -1;
    friend bool operator==(const RoundNote&, const RoundNote&) = default;
};
void PrintTo(const RoundNote& note, std::ostream* out) {
    *out << "waiting";
    for (int set : note.waiting) *out << " " << set;
    *out << "; from the spare table";
    for (int set : note.fromSpare) *out << " " << set;
    for (const auto& [tables, set] : note.shared) {
        *out << "; set " << set << " at";
        for (int t : tables) *out << " " << t;
    }
    *out << "; out " << note.sittingOut;
}

// The sets a note names: "komplety 3, 5-7", or with boards given their boards, "rozdania 7-9, 13-21".
std::vector<int> SetsNamedIn(const std::string& part, int32_t boardsPerSet, const CardLanguage& language) {
    const bool boards = part.find(language.boardsWord) != std::string::npos;
    EXPECT_EQ(boards, boardsPerSet > 0) << part;
    EXPECT_TRUE(boards || part.find(language.setsWord) != std::string::npos) << part;
    std::vector<int> sets;
    static const QRegularExpression number(QStringLiteral("(\\d+)(?:-(\\d+))?"));
    for (auto match = number.globalMatch(QString::fromStdString(part)); match.hasNext();) {
        const auto found = match.next();
        int first = found.captured(1).toInt();
        int last = found.captured(2).isEmpty() ? first : found.captured(2).toInt();
        if (boards) {
            EXPECT_EQ((first - 1) % boardsPerSet, 0) << part;
            EXPECT_EQ(last % boardsPerSet, 0) << part;
            first = (first - 1) / boardsPerSet + 1;
            last /= boardsPerSet;
        }
        for (int set = first; set <= last; ++set) sets.push_back(set);
    }
    return sets;
}

// "Czekają komplety 3, 5-7; ze stolika pomocniczego komplet 2; st. 1 i 4 grają wspólnie komplet 2;
// pauzuje para 8", the sets named by their boards where boards are given; a clause may begin
// the note, with a capital.
RoundNote ParseNote(const std::string& text, int32_t boardsPerSet, const CardLanguage& language = Polish) {
    RoundNote note;
    const auto begins = [](const std::string& part, std::string clause) {
        if (part.rfind(clause, 0) == 0) return true;
        clause.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(clause.front())));
        return part.rfind(clause, 0) == 0;
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("; ", start), text.size());
        const std::string part = text.substr(start, end - start);
        const std::size_t together = part.find(language.shareWith);
        if (begins(part, language.waiting)) {
            const std::vector<int> sets = SetsNamedIn(part, boardsPerSet, language);
            note.waiting.insert(sets.begin(), sets.end());
        } else if (begins(part, language.fromSpare)) {
            const std::vector<int> sets = SetsNamedIn(part, boardsPerSet, language);
            note.fromSpare.insert(sets.begin(), sets.end());
        } else if (begins(part, language.sharedTables)) {
            EXPECT_NE(together, std::string::npos) << part;
            std::vector<int> tables;
            static const QRegularExpression number(QStringLiteral("\\d+"));
            for (auto match = number.globalMatch(QString::fromStdString(part.substr(0, together))); match.hasNext();)
                tables.push_back(match.next().captured().toInt());
            const std::vector<int> sets = SetsNamedIn(part.substr(together), boardsPerSet, language);
            EXPECT_EQ(sets.size(), 1u) << part;
            if (!sets.empty()) note.shared.insert({tables, sets.front()});
        } else {
            EXPECT_TRUE(begins(part, language.sittingOut)) << part;
            note.sittingOut = std::stoi(part.substr(std::string_view(language.sittingOut).size()));
        }
        start = end + 2;
    }
    return note;
}

// The sets of a round's cells, by the tables that play them: a cell of the absent pair, marked,
// has no game and plays none. A set's last board is N times its number.
std::map<int, std::vector<int>> SetsPlayed(const Cells& cells, int round, int32_t boardsPerSet) {
    std::map<int, std::vector<int>> tablesOfSet;
    for (const auto& [at, cell] : cells) {
        if (at.first != round || cell.first.find('*') != std::string::npos) continue;
        const std::string last = cell.second.substr(cell.second.find('-') + 1);
        tablesOfSet[NumberIn(QString::fromStdString(last)) / std::max(1, boardsPerSet)].push_back(at.second);
    }
    return tablesOfSet;
}

// What a round's note must say, worked out from the cells as the sheet prints them: the sets
// 1..R no cell of the round plays wait, those it plays that no cell of the round before played
// come from the spare table, a set in two cells or more is shared, and the pair marked absent
// has its opponent sit out.
RoundNote NoteFromCells(const Cells& cells, int round, int rounds, int32_t boardsPerSet) {
    RoundNote note;
    const std::map<int, std::vector<int>> played = SetsPlayed(cells, round, boardsPerSet);
    const std::map<int, std::vector<int>> before =
        round > 1 ? SetsPlayed(cells, round - 1, boardsPerSet) : std::map<int, std::vector<int>>{};
    for (const auto& [at, cell] : cells) {
        if (at.first != round) continue;
        const std::size_t dash = cell.first.find('-');
        const std::string ns = cell.first.substr(0, dash);
        const std::string we = cell.first.substr(dash + 1);
        if (ns.back() == '*') note.sittingOut = std::stoi(we);
        if (we.back() == '*') note.sittingOut = std::stoi(ns);
    }
    for (int set = 1; set <= rounds; ++set) {
        if (!played.count(set)) note.waiting.insert(set);
        if (round > 1 && played.count(set) && !before.count(set)) note.fromSpare.insert(set);
    }
    for (const auto& [set, tables] : played)
        if (tables.size() > 1) note.shared.insert({tables, set});
    return note;
}

// Every round's note agrees with the cells; a round with nothing to say has none.
void ExpectNotesAgreeWithTheCells(const Cells& cells, const Notes& notes, int rounds, const std::string& what,
                                  int32_t boardsPerSet = 0, const CardLanguage& language = Polish) {
    for (int r = 1; r <= rounds; ++r) {
        const RoundNote expected = NoteFromCells(cells, r, rounds, boardsPerSet);
        const auto note = notes.find(r);
        if (expected == RoundNote{}) {
            EXPECT_EQ(note, notes.end()) << what << " round " << r;
            continue;
        }
        ASSERT_NE(note, notes.end()) << what << " round " << r;
        EXPECT_EQ(ParseNote(note->second, boardsPerSet, language), expected)
            << what << " round " << r << ": " << note->second;
    }
}

// The cells as the table cards print them, the absent pair marked, the sets' boards when given.
Cells CellsOfTheMovement(const MovementState& state, int32_t absentPair, int32_t boardsPerSet = 0) {
    Cells cells;
    const auto cards = TableCardRows(state);
    for (int32_t t = 1; t <= state.TableCount; ++t)
        for (int32_t r = 1; r <= state.RoundCount; ++r) {
            const auto number = [&](int32_t roundOne, int row) {
                const bool absent = movement::PairInRound(state, roundOne, r) == absentPair;
                return std::to_string(cards[t - 1][row][r - 1]) + (absent ? "*" : "");
            };
            const int set = cards[t - 1][2][r - 1];
            cells[{r, t}] = {number(state.Seating[t].NsPair, 0) + "-" + number(state.Seating[t].WePair, 1),
                             boardsPerSet > 0 ? BoardsOf(set, boardsPerSet) : std::to_string(set)};
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
    Notes notes;
    const Cells cells = ReadSheet(words, &notes);
    EXPECT_EQ(cells, CellsOfTheMovement(state, 0));
    // Nine sets on five tables: four wait in every round.
    ExpectNotesAgreeWithTheCells(cells, notes, 9, "howell");
    EXPECT_EQ(notes[1], "Czekają komplety 2, 4, 6, 8");
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
    Notes notes;
    const Cells cells = ReadSheet(words, &notes);
    EXPECT_EQ(cells, CellsOfTheMovement(state, 5));
    ExpectNotesAgreeWithTheCells(cells, notes, 7, "seven rounds");
    // Table 3 has no game in round 1: its set 4 waits too.
    EXPECT_EQ(notes[1], "Czekają komplety 3-5, 7; pauzuje para 3");
    EXPECT_NE(TextFrom(words, QStringLiteral("Para")).find("Para nieobecna: 5 (w kratkach 5*, na szarym tle);"),
              std::string::npos);
    const std::string findings = TextFrom(words, QStringLiteral("Sprawdzenie:"));
    EXPECT_EQ(findings.rfind("Sprawdzenie: Błąd rozbicia, popraw! pary 2 i 6 spotykają się dwa razy, w rundach 1 i "
                             "3. Wyrównanie kierunków:",
                             0),
              0u)
        << findings;
}

// The shipped scheme files, every third line and the last of each (the most tables): each round's
// note says what the round's own cells show, with an absent pair and board numbers in turn, read
// back from the printed sheet.
TEST(MovementSheetPdf, ShippedLinesHaveRoundNotesThatAgreeWithTheirCells) {
    QTemporaryDir folder;
    int lines = 0;
    int waiting = 0;
    int fromSpare = 0;
    int shared = 0;
    int sittingOut = 0;
    for (const char* name : {"Duzo_Zb.txt", "HowellKS.txt", "HowellPV.txt"}) {
        const auto file = movement::ReadSchemeFile(std::string(SCHEME_DATA_DIR) + "/" + name);
        ASSERT_TRUE(file.accepted()) << file.message();
        const std::vector<std::string>& all = file.value().lines;
        for (std::size_t at = 0; at < all.size(); ++at) {
            if (at % 3 != 0 && at + 1 != all.size()) continue;
            const std::string& line = all[at];
            const auto read = movement::ReadSchemeLine(line);
            ASSERT_TRUE(read.accepted()) << line;
            MovementState state;
            state.RoundCount = read.value().RoundCount;
            state.TableCount = read.value().TableCount;
            std::copy(read.value().Tables.begin(), read.value().Tables.end(), state.Seating.begin() + 1);
            state = movement::testing::ReadyToPrint(state, 10);
            ++lines;
            const int32_t absent = lines % (2 * state.TableCount + 1);
            const int32_t boards = lines % 2 == 0 ? 3 : 0;
            const std::vector<Word> words =
                Printed(Product::MovementSheet, state, absent, folder.filePath(QStringLiteral("arkusz.pdf")), boards);
            Notes notes;
            const Cells cells = ReadSheet(words, &notes);
            ASSERT_EQ(cells, CellsOfTheMovement(state, absent, boards)) << line;
            ExpectNotesAgreeWithTheCells(cells, notes, state.RoundCount, line, boards);
            for (const auto& [round, note] : notes) {
                const RoundNote parsed = ParseNote(note, boards);
                waiting += !parsed.waiting.empty();
                fromSpare += !parsed.fromSpare.empty();
                shared += !parsed.shared.empty();
                sittingOut += parsed.sittingOut > 0;
            }
        }
    }
    EXPECT_GT(lines, 35);
    // Each kind of note is among them.
    EXPECT_GT(waiting, 0);
    EXPECT_GT(fromSpare, 0);
    EXPECT_GT(shared, 0);
    EXPECT_GT(sittingOut, 0);
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

// The fills on one page, in points on the paper.
std::vector<QRectF> FillsOn(const printing::RecordingSurface& recorded, int page, QPointF origin) {
    std::vector<QRectF> fills;
    const double points = 72.0 / Resolution;
    for (const auto& fill : recorded.fills)
        if (fill.page == page)
            fills.emplace_back(QPointF(fill.x, fill.y) * points + origin, QSizeF(fill.width, fill.height) * points);
    return fills;
}

// A recording of a run measured as the printer measures it, so that it lays the pages out as the
// printed run does to the pixel, where a text's width in the face's own measures and on the
// printer round to different pixels.
class RecordedAsPrinted : public printing::RecordingSurface {
public:
    explicit RecordedAsPrinted(printing::QtPrintSurface& printer) : printer_(printer) {}
    double TextWidth(const std::string& text, int points) override { return printer_.TextWidth(text, points); }
    double PixelsPerPoint() const override { return printer_.PixelsPerPoint(); }

private:
    printing::QtPrintSurface& printer_;
};

class ProductsAtTheEdges : public ::testing::TestWithParam<std::tuple<Paper, Product, Edge, int32_t, CardLanguage>> {};

TEST_P(ProductsAtTheEdges, EveryWordStandsClearOnThePageAndNothingIsLeftOut) {
    const auto& [paper, product, edge, boardsPerSet, language] = GetParam();
    const MovementState state = EdgeMovement(edge);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("wydruk.pdf"));
    const auto printer = PdfPrinter(paper, file);
    const printing::PageMetrics page{printer->width(), printer->height()};
    printing::QtPrintSurface surface(*printer);
    printing::RunRequest request = RequestOf(state, AbsentAtTheEdges, boardsPerSet, language);
    // With the boards, an event's line too long for any paper, cut at the foot of every page.
    if (boardsPerSet > 0) request.event = LongEvent;
    ASSERT_TRUE(printing::PrintProduct(product, state, page, request, surface).accepted());
    // The same run as the print run draws it, for its lines and fills.
    RecordedAsPrinted recorded(surface);
    ASSERT_TRUE(printing::PrintProduct(product, state, page, request, recorded).accepted());
    const int pages = recorded.texts.back().page + 1;

    // Every page of pair cards is laid out alike but the last: they are read up to the page
    // where the card of pair 4 begins (pairs 1 and 3 before it whole, 2 is absent), then the
    // last page.
    int firstPages = pages;
    if (product == Product::PairCards) {
        const std::string fourth = language.pair + (" " + std::to_string(movement::PairRowNumber(state, 4)));
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
        // The shading stays on the page, under the absent pair's cells or a card's rows only.
        const std::vector<QRectF> fills = FillsOn(recorded, at, printable.topLeft());
        for (const QRectF& fill : fills) EXPECT_TRUE(printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(fill));
        int marked = 0;
        for (const Word& word : on) {
            const QRectF box(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax));
            const bool shaded = std::any_of(fills.begin(), fills.end(),
                                            [&](const QRectF& fill) { return fill.contains(box.center()); });
            if (product == Product::MovementSheet && word.text.contains('*') && word.text.contains('-')) {
                ++marked;
                EXPECT_TRUE(shaded) << word.text.toStdString() << " on page " << at;
            }
            if (word.text == language.pair || word.text == language.roundHeading || word.text == language.rounds ||
                word.text == language.check) {
                EXPECT_FALSE(shaded) << word.text.toStdString() << " on page " << at;
            }
        }
        if (product == Product::MovementSheet) {
            EXPECT_EQ(static_cast<int>(fills.size()), marked) << "page " << at;
        } else {
            EXPECT_FALSE(fills.empty()) << "page " << at;
        }
    }

    if (boardsPerSet > 0) words = ExpectTheEventCutAtEveryFoot(words);
    const bool smallPaper = paper.size == QPageSize::A5;
    if (product == Product::PairCards) {
        PairRows cards = ReadPairCards(words, boardsPerSet > 0 ? 6 : 5, language);
        PairRows expected =
            RowsFromTableCards(TableCardRows(state), std::to_string(AbsentAtTheEdges), boardsPerSet, language);
        for (const char* pair : {"1", "3"}) EXPECT_EQ(cards[pair], expected[pair]) << "pair " << pair;
        int headings = 0;
        const std::vector<const Word*> first = OnPage(words, 0);
        for (const Word* word : first) headings += IsHeading(first, *word, language);
        EXPECT_EQ(headings, smallPaper ? 2 : 4);
    } else {
        Notes notes;
        const Cells cells = ReadSheet(words, &notes, language);
        EXPECT_EQ(cells, CellsOfTheMovement(state, AbsentAtTheEdges, boardsPerSet));
        // Every round has its note (the rounds of 1..R wait on the spare table's sets), agreeing
        // with its cells: the notes take a further page rather than be left out.
        std::set<int> roundsRead;
        for (const auto& [at, cell] : cells) roundsRead.insert(at.first);
        EXPECT_EQ(notes.size(), roundsRead.size());
        EXPECT_EQ(roundsRead.size(), static_cast<std::size_t>(edge.rounds));
        for (const auto& [round, note] : notes)
            EXPECT_EQ(ParseNote(note, boardsPerSet, language), NoteFromCells(cells, round, edge.rounds, boardsPerSet))
                << "round " << round;
        // 25 rounds with their notes need a page's height of A4 or Letter; A5 takes two, and three
        // turned on its side.
        if (edge.tables <= 13) {
            EXPECT_EQ(pages, !smallPaper ? 1 : paper.orientation == QPageLayout::Portrait ? 2 : 3);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PapersProductsAndEdges, ProductsAtTheEdges,
                         ::testing::Combine(::testing::ValuesIn(Papers),
                                            ::testing::Values(Product::PairCards, Product::MovementSheet),
                                            ::testing::ValuesIn(ProductEdges), ::testing::Values(0, 9),
                                            ::testing::ValuesIn(CardLanguages)),
                         [](const auto& instance) {
                             return std::string(std::get<0>(instance.param).name) +
                                    (std::get<1>(instance.param) == Product::PairCards ? "_PairCards_" : "_Sheet_") +
                                    std::get<2>(instance.param).name +
                                    (std::get<3>(instance.param) > 0 ? "_NineBoardsASet" : "") + "_" +
                                    std::get<4>(instance.param).name;
                         });

}  // namespace
