// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableCardContent.h"

#include "movement/PairNumbering.h"
#include "movement/RoundProgression.h"

#include <algorithm>

namespace printing {

const char* const SummaryHeading = " St NS WE  kp";

namespace {

using movement::FormatCardNumber;
using movement::MovementState;
using movement::TableSeat;

std::vector<std::string> InformationOf(const MovementState& state, bool arbitraryNumbers) {
    std::vector<std::string> lines = {"Rund:" + std::to_string(state.RoundCount) +
                                          "; Stołów:" + std::to_string(state.TableCount),
                                      NumberingText(state, arbitraryNumbers)};
    if (!state.PrintedSource.empty()) lines.push_back(state.PrintedSource);
    return lines;
}

std::vector<std::string> SummaryOf(const MovementState& state) {
    std::vector<std::string> lines = {SummaryHeading};
    for (int32_t t = 1; t <= std::min(state.TableCount, movement::MaxTables); ++t) {
        const TableSeat& seat = state.Seating[t];
        lines.push_back(FormatCardNumber(t) + " " + FormatCardNumber(movement::SummaryNumber(state, seat.NsPair)) +
                        " " + FormatCardNumber(movement::SummaryNumber(state, seat.WePair)) + " " +
                        FormatCardNumber(seat.BoardSet));
    }
    return lines;
}

std::string WithoutLeadingSpaces(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
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

}  // namespace

std::string NumberingText(const MovementState& state, bool arbitraryNumbers) {
    if (arbitraryNumbers) return "Numery dowolne";
    if (state.NumberingStep < 0) return "Numery jak w Mitchell'u";
    return "Skok numeracji: " + std::to_string(state.NumberingStep);
}

TableCardContent ContentOf(const MovementState& state, int32_t table, bool arbitraryNumbers) {
    const TableSeat& seat = state.Seating[table];
    TableCardContent card;
    card.Table = table;
    card.NsBoxNumber = movement::BoxNumber(state, seat.NsPair);
    card.WeBoxNumber = movement::BoxNumber(state, seat.WePair);
    card.NsNextSeat = movement::NextSeatText(state, seat.NsPair);
    card.WeNextSeat = movement::NextSeatText(state, seat.WePair);
    card.Information = InformationOf(state, arbitraryNumbers);
    if (table == 1) card.Summary = SummaryOf(state);

    for (auto& row : card.Rows) row.reserve(static_cast<std::size_t>(std::max(state.RoundCount, 0)));
    for (int32_t round = 1; round <= state.RoundCount; ++round) {
        card.Rows[RoundsRow].push_back(FormatCardNumber(round));
        card.Rows[NsRow].push_back(FormatCardNumber(movement::RowNumber(state, seat.NsPair, round)));
        card.Rows[WeRow].push_back(FormatCardNumber(movement::RowNumber(state, seat.WePair, round)));
        card.Rows[BoardSetRow].push_back(FormatCardNumber(movement::BoardSetInRound(state, seat.BoardSet, round)));
    }
    WidenRowsForLongNumbers(card.Rows);
    return card;
}

}  // namespace printing
