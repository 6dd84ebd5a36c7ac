// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetContent.h"

#include "printing/product/MovementLine.h"
#include "printing/sheet/MovementSheetPrinter.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/DirectionBalance.h"
#include "movement/MovementCheck.h"
#include "movement/PairNumbering.h"
#include "movement/PairSchedule.h"

#include <algorithm>

namespace printing {

const char* const AbsentMark = "*";

namespace {

using movement::MovementState;

std::vector<std::string> InformationOf(const MovementState& state, int32_t absentPair, int32_t boardsPerSet) {
    std::vector<std::string> lines = {MovementLine(state, {.pairs = true, .boardsPerSet = boardsPerSet}),
                                      NumberingText(state, movement::ArbitraryNumbersInUse(state))};
    if (!state.PrintedSource.empty()) lines.push_back(SourceText(state));
    if (absentPair != movement::NoAbsentPair) {
        const std::string printed = std::to_string(movement::PairRowNumber(state, absentPair));
        const std::string scheme = std::to_string(absentPair);
        lines.push_back("Para nieobecna: " + printed + " (" +
                        (printed == scheme ? "" : "nr " + scheme + " w schemacie; ") + "w kratkach " + printed +
                        AbsentMark + ", na szarym tle); jej przeciwnicy mają wtedy pauzę.");
    }
    lines.push_back(std::string("W kratce: para NS-para WE, pod nią ") +
                    (boardsPerSet > movement::NoBoardsGiven ? "rozdania." : "komplet."));
    return lines;
}

std::string Sets(int32_t count) { return std::to_string(count) + (count == 1 ? " komplecie" : " kompletach"); }

// "1 i 4", "1, 4 i 7".
std::string Listed(const std::vector<int32_t>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i == 0 ? "" : i + 1 == numbers.size() ? " i " : ", ") + std::to_string(numbers[i]);
    return text;
}

// Sets as the sheet shows them: their numbers, or with boards given their boards, consecutive
// sets in one run ("Czekają komplety 3, 5-7", "Czekają rozdania 7-9, 13-21").
std::string SetsInWords(const std::vector<int32_t>& sets, int32_t boardsPerSet) {
    if (boardsPerSet == movement::NoBoardsGiven)
        return (sets.size() == 1 ? "komplet " : "komplety ") + movement::NumberRangesText(sets);
    std::string boards;
    for (std::size_t first = 0; first < sets.size();) {
        std::size_t last = first;
        while (last + 1 < sets.size() && int64_t{sets[last + 1]} == int64_t{sets[last]} + 1) ++last;
        const std::string from = movement::BoardNumbersText(sets[first], boardsPerSet);
        const std::string to = movement::BoardNumbersText(sets[last], boardsPerSet);
        boards += (boards.empty() ? "" : ", ") + from.substr(0, from.find('-')) +
                  (boardsPerSet == 1 && first == last ? "" : "-" + to.substr(to.find('-') + 1));
        first = last + 1;
    }
    const bool one = boardsPerSet == 1 && sets.size() == 1;
    return (one ? "rozdanie " : "rozdania ") + boards;
}

std::string RoundNoteOf(const MovementState& state, const movement::SetRoutes& routes,
                        const std::vector<movement::TableSeat>& seats, int32_t round, int32_t absentPair,
                        int32_t boardsPerSet) {
    std::vector<std::string> parts;
    const std::vector<int32_t>& waiting = routes.Waiting[round - 1];
    if (!waiting.empty())
        parts.push_back((waiting.size() * static_cast<std::size_t>(std::max(boardsPerSet, 1)) == 1 ? "Czeka "
                                                                                                   : "Czekają ") +
                        SetsInWords(waiting, boardsPerSet));
    if (const std::vector<int32_t>& taken = routes.FromSpare[round - 1]; !taken.empty())
        parts.push_back("ze stolika pomocniczego " + SetsInWords(taken, boardsPerSet));
    const auto& shared = routes.SharedWith[round - 1];
    for (std::size_t t = 0; t < shared.size() && t < seats.size(); ++t) {
        const auto table = static_cast<int32_t>(t) + 1;
        if (shared[t].empty() || shared[t].front() < table) continue;  // told at the lowest table
        std::vector<int32_t> tables = {table};
        tables.insert(tables.end(), shared[t].begin(), shared[t].end());
        parts.push_back("st. " + Listed(tables) + " grają wspólnie " + SetsInWords({seats[t].BoardSet}, boardsPerSet));
    }
    if (const int32_t out = movement::SittingOutIn(state, absentPair, round); out != movement::NoAbsentPair)
        parts.push_back("pauzuje para " + std::to_string(movement::PairRowNumber(state, out)));
    std::string note;
    for (const std::string& part : parts) note += (note.empty() ? "" : "; ") + part;
    if (!note.empty() && note.front() >= 'a' && note.front() <= 'z')
        note.front() = static_cast<char>(note.front() - 'a' + 'A');
    return note;
}

std::string BalanceOf(const MovementState& state, const std::vector<movement::TableSeat>& roundOne, int32_t absentPair) {
    std::vector<int32_t> stationary = movement::StationaryPairs(state.RoundCount, roundOne);
    std::erase(stationary, absentPair);
    // Two stationary pairs or more would make the lowest and the highest count alone.
    const bool besideStationary = stationary.size() >= 2;
    const movement::BalanceFigures balance =
        movement::DirectionBalance(state.RoundCount, roundOne, absentPair,
                                   besideStationary ? movement::BalanceOf::NotBothStationary
                                                    : movement::BalanceOf::AllPairs);
    if (balance.pairsByCount.empty()) return {};
    std::string text = std::string("Wyrównanie kierunków: każde dwie pary") +
                       (besideStationary ? ", z których choć jedna się przesiada," : "") +
                       " grały w tym samym kierunku (obie NS albo obie WE) najmniej na " +
                       std::to_string(balance.lowest) + ", najwięcej na " + Sets(balance.highest) + ".";
    if (besideStationary) {
        std::vector<int32_t> printed;
        printed.reserve(stationary.size());
        for (const int32_t pair : stationary) printed.push_back(movement::PairRowNumber(state, pair));
        std::sort(printed.begin(), printed.end());
        text += " Pary stacjonarne (" + movement::NumberRangesText(printed) +
                ") między sobą pominięto: grają w tym samym kierunku na wszystkich kompletach albo na żadnym.";
    }
    if (absentPair != movement::NoAbsentPair)
        text += " Bez pary nieobecnej; kompletów, których jej przeciwnicy nie grają, nie liczono.";
    return text;
}

std::vector<std::string> FindingsOf(const MovementState& state, int32_t absentPair) {
    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    const std::vector<movement::TableSeat> roundOne(state.Seating.begin() + 1, state.Seating.begin() + 1 + tables);
    const movement::Outcome sound = movement::DiagnoseMovement(state.RoundCount, roundOne);
    std::vector<std::string> findings = {
        "Sprawdzenie: " +
        (sound.accepted() ? std::string("każda para spotyka każdą inną najwyżej raz i gra każdy komplet dokładnie raz.")
                          : sound.message())};
    if (std::string balance = BalanceOf(state, roundOne, absentPair); !balance.empty())
        findings.push_back(std::move(balance));
    return findings;
}

}  // namespace

SheetContent SheetOf(const MovementState& state, int32_t absentPair, int32_t boardsPerSet) {
    SheetContent sheet;
    sheet.Title = MovementSheetName;
    sheet.RoundHeading = "Runda";
    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    for (int32_t t = 1; t <= tables; ++t) sheet.TableHeadings.push_back("St. " + std::to_string(t));

    const auto number = [&](int32_t pair) {
        const std::string printed = std::to_string(movement::PairRowNumber(state, pair));
        return absentPair != movement::NoAbsentPair && pair == absentPair ? printed + AbsentMark : printed;
    };
    const movement::SetRoutes routes = movement::RoutesOf(state, absentPair);
    bool anyNote = false;
    for (int32_t r = 1; r <= state.RoundCount; ++r) {
        sheet.RoundLabels.push_back(std::to_string(r));
        std::vector<SheetCell>& cells = sheet.Cells.emplace_back();
        const std::vector<movement::TableSeat> seats = movement::SeatsInRound(state, r);
        for (const movement::TableSeat& seat : seats) {
            const bool absent =
                absentPair != movement::NoAbsentPair && (seat.NsPair == absentPair || seat.WePair == absentPair);
            // A set outside 1..R, typed by hand, has no boards to name.
            const std::string boards = movement::BoardNumbersText(seat.BoardSet, boardsPerSet);
            cells.push_back({number(seat.NsPair) + "-" + number(seat.WePair),
                             boards.empty() ? std::to_string(seat.BoardSet) : boards, absent});
        }
        sheet.RoundNotes.push_back(RoundNoteOf(state, routes, seats, r, absentPair, boardsPerSet));
        anyNote = anyNote || !sheet.RoundNotes.back().empty();
    }
    if (!anyNote) sheet.RoundNotes.clear();
    sheet.Information = InformationOf(state, absentPair, boardsPerSet);
    if (anyNote)
        sheet.RoundNotesLegend = "Pod rundą: komplety na stoliku pomocniczym i z niego brane, wspólne komplety, pauza.";
    sheet.Findings = FindingsOf(state, absentPair);
    return sheet;
}

}  // namespace printing
