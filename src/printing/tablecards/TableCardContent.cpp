// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableCardContent.h"

#include "printing/product/MovementLine.h"

#include "movement/AbsentPair.h"
#include "movement/PairNumbering.h"
#include "movement/RoundProgression.h"

#include <algorithm>
#include <utility>

namespace printing {

const char* const AbsentDash = "\u2013";
const char* const SharedNowAndThenMark = "*";

TableCardWords TableCardWordsOf(const movement::Catalogue& words) {
    return {.Attribution = words.Say(RZ_TEXT("cards", "Rozstawiki stolikowe")),
            .NsBox = words.Say(RZ_TEXT("cards", "NS")),
            .WeBox = words.Say(RZ_TEXT("cards", "WE")),
            .RoundsLabel = words.Say(RZ_TEXT("cards", "Runda:")),
            .NsLabel = words.Say(RZ_TEXT("cards", "NS:")),
            .WeLabel = words.Say(RZ_TEXT("cards", "WE:")),
            .BoardSetLabel = words.Say(RZ_TEXT("cards", "Komplet:")),
            .BoardsLabel = words.Say(RZ_TEXT("cards", "Rozdania:")),
            .PreviousTableLabel = words.Say(RZ_TEXT("cards", "Komplet od stołu:")),
            .NextTableLabel = words.Say(RZ_TEXT("cards", "Komplet do stołu:"))};
}

namespace {

using movement::FormatCardNumber;
using movement::MovementState;
using movement::TableSeat;

std::vector<std::string> InformationOf(const movement::Catalogue& words, const MovementState& state,
                                       bool arbitraryNumbers) {
    std::vector<std::string> lines = {MovementLine(words, state, {.tight = true}),
                                      NumberingText(words, state, arbitraryNumbers)};
    if (!state.PrintedSource.empty()) lines.push_back(state.PrintedSource);
    return lines;
}

std::string WithoutLeadingSpaces(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// The absent pair's cell: the mark where the number's last digit stood, the cell as wide as before
// (the mark is a digit's width, a digit two spaces).
std::string Dashed(const std::string& cell) {
    const std::size_t digits = WithoutLeadingSpaces(cell).size();
    return cell.substr(0, cell.size() - digits) + std::string(2 * (std::max<std::size_t>(digits, 1) - 1), ' ') +
           AbsentDash;
}

// Round 1 of every table; the absent pair is the dash here too, as on its own table's card.
// The heading stands over the columns table, NS pair, WE pair and board set: a number is two
// spaces wide, a cell three digits.
std::vector<std::string> SummaryOf(const movement::Catalogue& words, const MovementState& state, int32_t absentPair) {
    std::vector<std::string> lines = {words.Say(RZ_TEXT("cards", " St NS WE  kp"))};
    const auto pairCell = [&](int32_t pair) {
        const std::string cell = FormatCardNumber(movement::SummaryNumber(state, pair));
        return movement::AbsentInRound(state, pair, 1, absentPair) ? Dashed(cell) : cell;
    };
    for (int32_t t = 1; t <= std::min(state.TableCount, movement::MaxTables); ++t) {
        const TableSeat& seat = state.Seating[t];
        lines.push_back(FormatCardNumber(t) + " " + pairCell(seat.NsPair) + " " + pairCell(seat.WePair) + " " +
                        FormatCardNumber(seat.BoardSet));
    }
    return lines;
}

// A cell of the rows is a space, then two spaces for each digit a number lacks, since a digit is
// two spaces wide: so cards print numbers of up to two digits. A card with longer numbers widens
// every cell to them, each still a space clear of the one before and the digits still aligned.
void WidenRowsForLongNumbers(std::array<std::vector<std::string>, RoundRowCount>& rows) {
    std::size_t longest = 0;
    for (const auto& row : rows)
        for (const std::string& text : row) longest = std::max(longest, WithoutLeadingSpaces(text).size());
    if (longest <= 2) return;
    for (auto& row : rows)
        for (std::string& text : row) {
            const std::string number = WithoutLeadingSpaces(text);
            text = std::string(1 + 2 * (longest - number.size()), ' ') + number;
        }
}

// Marks the absent pair in the pair rows; true when it sits at the table in some round.
bool MarkAbsentPair(const MovementState& state, const TableSeat& seat, int32_t absentPair, TableCardContent& card) {
    bool marked = false;
    for (int32_t round = 1; round <= static_cast<int32_t>(card.Rows[NsRow].size()); ++round)
        for (const auto& [row, pair] : {std::pair{NsRow, seat.NsPair}, std::pair{WeRow, seat.WePair}})
            if (movement::AbsentInRound(state, pair, round, absentPair)) {
                std::string& cell = card.Rows[row][static_cast<std::size_t>(round) - 1];
                cell = Dashed(cell);
                marked = true;
            }
    card.NsBoxAbsent = movement::AbsentInRound(state, seat.NsPair, 1, absentPair);
    card.WeBoxAbsent = movement::AbsentInRound(state, seat.WePair, 1, absentPair);
    return marked || card.NsBoxAbsent || card.WeBoxAbsent;
}

// The boards of every round, marked where the set is shared in that round only, and the tables
// each set comes from and goes to; the foot names the tables the sets are shared with and the
// spare table.
void AddBoards(const movement::Catalogue& words, const MovementState& state, int32_t table,
               const CardAdditions& additions, TableCardContent& card) {
    const movement::SetRoutes& routes = *additions.routes;
    const std::vector<int32_t> nowAndThen = movement::RoundsSharedNowAndThen(routes, table);
    const std::vector<int32_t> throughout = movement::SharedThroughout(routes, table);
    const auto at = static_cast<std::size_t>(table) - 1;
    bool spare = false;
    const auto route = [&](const std::vector<int32_t>& tables) {
        spare = spare || tables == std::vector<int32_t>{movement::SpareTable};
        return movement::RouteText(words, tables);
    };
    for (int32_t round = 1; round <= state.RoundCount; ++round) {
        const auto r = static_cast<std::size_t>(round) - 1;
        const int32_t set = movement::BoardSetInRound(state, state.Seating[table].BoardSet, round);
        const bool marked = std::find(nowAndThen.begin(), nowAndThen.end(), round) != nowAndThen.end();
        card.Boards.push_back(movement::BoardNumbersText(set, additions.boardsPerSet) +
                              (marked ? SharedNowAndThenMark : ""));
        if (state.RoundCount < 2) continue;
        card.PreviousTables.push_back(route(routes.PreviousTables[r][at]));
        if (round < state.RoundCount) card.NextTables.push_back(route(routes.NextTables[r][at]));
    }
    if (!throughout.empty()) card.Foot.push_back(movement::SharedThroughoutNote(words, throughout));
    if (!nowAndThen.empty())
        card.Foot.push_back(movement::SharedNowAndThenNote(words, SharedNowAndThenMark, nowAndThen.size(),
                                                           movement::PartnersNowAndThen(routes, table)));
    if (spare)
        card.Foot.push_back(words.Say(movement::Text{RZ_TEXT("cards", "%1 – stolik pomocniczy"),
                                                     {movement::SpareTableMark(words)}}));
}

}  // namespace

TableCardContent ContentOf(const MovementState& state, int32_t table, bool arbitraryNumbers,
                           const CardAdditions& additions) {
    static const movement::SourceCatalogue sources;
    const movement::Catalogue& words = additions.words != nullptr ? *additions.words : sources;
    const TableSeat& seat = state.Seating[table];
    TableCardContent card;
    card.Words = TableCardWordsOf(words);
    card.Table = table;
    card.NsBoxNumber = movement::BoxNumber(state, seat.NsPair);
    card.WeBoxNumber = movement::BoxNumber(state, seat.WePair);
    card.NsNextSeat = movement::NextSeatText(words, state, seat.NsPair);
    card.WeNextSeat = movement::NextSeatText(words, state, seat.WePair);
    card.Information = InformationOf(words, state, arbitraryNumbers);
    if (table == 1) card.Summary = SummaryOf(words, state, additions.absentPair);

    for (auto& row : card.Rows) row.reserve(static_cast<std::size_t>(std::max(state.RoundCount, 0)));
    for (int32_t round = 1; round <= state.RoundCount; ++round) {
        card.Rows[RoundsRow].push_back(FormatCardNumber(round));
        card.Rows[NsRow].push_back(FormatCardNumber(movement::RowNumber(state, seat.NsPair, round)));
        card.Rows[WeRow].push_back(FormatCardNumber(movement::RowNumber(state, seat.WePair, round)));
        card.Rows[BoardSetRow].push_back(FormatCardNumber(movement::BoardSetInRound(state, seat.BoardSet, round)));
    }
    WidenRowsForLongNumbers(card.Rows);
    if (additions.boardsPerSet != movement::NoBoardsGiven && additions.routes != nullptr)
        AddBoards(words, state, table, additions, card);
    if (additions.absentPair != movement::NoAbsentPair && MarkAbsentPair(state, seat, additions.absentPair, card))
        card.Foot.push_back(words.Say(movement::Text{RZ_TEXT("cards", "%1 : para nieobecna, przy stole pauza"),
                                                     {AbsentDash}}));
    return card;
}

}  // namespace printing
