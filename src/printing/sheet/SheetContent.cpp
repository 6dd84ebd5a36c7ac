// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetContent.h"

#include "printing/product/MovementLine.h"
#include "printing/product/ProductTitles.h"
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
using movement::Text;
using movement::TextId;

std::vector<std::string> InformationOf(const movement::Catalogue& words, const MovementState& state, int32_t absentPair,
                                       int32_t boardsPerSet) {
    std::vector<std::string> lines = {MovementLine(words, state, {.pairs = true, .boardsPerSet = boardsPerSet}),
                                      NumberingText(words, state, movement::ArbitraryNumbersInUse(state))};
    if (!state.PrintedSource.empty()) lines.push_back(SourceText(words, state));
    if (absentPair != movement::NoAbsentPair) {
        const std::string printed = std::to_string(movement::PairRowNumber(state, absentPair));
        const std::string scheme = std::to_string(absentPair);
        const TextId absent = printed == scheme
                                  ? RZ_TEXT("cards",
                                            "Para nieobecna: %1 (w kratkach %2, na szarym tle); jej przeciwnicy "
                                            "mają wtedy pauzę.")
                                  : RZ_TEXT("cards",
                                            "Para nieobecna: %1 (nr %3 w schemacie; w kratkach %2, na szarym "
                                            "tle); jej przeciwnicy mają wtedy pauzę.");
        lines.push_back(words.Say(Text{absent, {printed, printed + AbsentMark, scheme}}));
    }
    lines.push_back(boardsPerSet > movement::NoBoardsGiven
                        ? words.Say(RZ_TEXT("cards", "W kratce: para NS-para WE, pod nią rozdania."))
                        : words.Say(RZ_TEXT("cards", "W kratce: para NS-para WE, pod nią komplet.")));
    return lines;
}

// Sets as the sheet shows them: their numbers, or with boards given their boards, consecutive
// sets in one run ("3, 5-7", "7-9, 13-21").
std::string SetsInNumbers(const std::vector<int32_t>& sets, int32_t boardsPerSet) {
    if (boardsPerSet == movement::NoBoardsGiven) return movement::NumberRangesText(sets);
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
    return boards;
}

// A clause of a round's note that names sets: `sets` where no boards are given, counted by the
// sets, else `boards`, counted by the boards.
std::string SetsClause(const movement::Catalogue& words, TextId sets, TextId boards, const std::vector<int32_t>& named,
                       int32_t boardsPerSet, std::vector<std::string> arguments = {}) {
    arguments.push_back(SetsInNumbers(named, boardsPerSet));
    const bool noBoards = boardsPerSet == movement::NoBoardsGiven;
    const auto count = static_cast<int64_t>(named.size()) * (noBoards ? 1 : boardsPerSet);
    return words.Say(Text{noBoards ? sets : boards, std::move(arguments), count});
}

std::string RoundNoteOf(const movement::Catalogue& words, const MovementState& state, const movement::SetRoutes& routes,
                        const std::vector<movement::TableSeat>& seats, int32_t round, int32_t absentPair,
                        int32_t boardsPerSet) {
    std::vector<std::string> parts;
    if (const std::vector<int32_t>& waiting = routes.Waiting[round - 1]; !waiting.empty())
        parts.push_back(SetsClause(words, RZ_TEXT_N("cards", "Czekają komplety %1"),
                                   RZ_TEXT_N("cards", "Czekają rozdania %1"), waiting, boardsPerSet));
    if (const std::vector<int32_t>& taken = routes.FromSpare[round - 1]; !taken.empty())
        parts.push_back(SetsClause(words, RZ_TEXT_N("cards", "ze stolika pomocniczego komplety %1"),
                                   RZ_TEXT_N("cards", "ze stolika pomocniczego rozdania %1"), taken, boardsPerSet));
    const auto& shared = routes.SharedWith[round - 1];
    for (std::size_t t = 0; t < shared.size() && t < seats.size(); ++t) {
        const auto table = static_cast<int32_t>(t) + 1;
        if (shared[t].empty() || shared[t].front() < table) continue;  // told at the lowest table
        std::vector<int32_t> tables = {table};
        tables.insert(tables.end(), shared[t].begin(), shared[t].end());
        parts.push_back(SetsClause(words, RZ_TEXT_N("cards", "st. %1 grają wspólnie komplet %2"),
                                   RZ_TEXT_N("cards", "st. %1 grają wspólnie rozdania %2"), {seats[t].BoardSet},
                                   boardsPerSet, {movement::TablesInWords(words, tables)}));
    }
    if (const int32_t out = movement::SittingOutIn(state, absentPair, round); out != movement::NoAbsentPair)
        parts.push_back(words.Say(Text{RZ_TEXT("cards", "pauzuje para %1"),
                                       {std::to_string(movement::PairRowNumber(state, out))}}));
    std::string note;
    for (const std::string& part : parts) note += (note.empty() ? "" : "; ") + part;
    if (!note.empty() && note.front() >= 'a' && note.front() <= 'z')
        note.front() = static_cast<char>(note.front() - 'a' + 'A');
    return note;
}

std::string BalanceOf(const movement::Catalogue& words, const MovementState& state,
                      const std::vector<movement::TableSeat>& roundOne, int32_t absentPair) {
    std::vector<int32_t> stationary = movement::StationaryPairs(state.RoundCount, roundOne);
    std::erase(stationary, absentPair);
    // Two stationary pairs or more would make the lowest and the highest count alone.
    const bool besideStationary = stationary.size() >= 2;
    const movement::BalanceFigures balance =
        movement::DirectionBalance(state.RoundCount, roundOne, absentPair,
                                   besideStationary ? movement::BalanceOf::NotBothStationary
                                                    : movement::BalanceOf::AllPairs);
    if (balance.pairsByCount.empty()) return {};
    const TextId figures = besideStationary
                               ? RZ_TEXT_N("cards",
                                           "Wyrównanie kierunków: każde dwie pary, z których choć jedna się "
                                           "przesiada, grały w tym samym kierunku (obie NS albo obie WE) najmniej "
                                           "na %1, najwięcej na %n kompletach.")
                               : RZ_TEXT_N("cards",
                                           "Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie "
                                           "NS albo obie WE) najmniej na %1, najwięcej na %n kompletach.");
    std::string text = words.Say(Text{figures, {std::to_string(balance.lowest)}, balance.highest});
    if (besideStationary) {
        std::vector<int32_t> printed;
        printed.reserve(stationary.size());
        for (const int32_t pair : stationary) printed.push_back(movement::PairRowNumber(state, pair));
        std::sort(printed.begin(), printed.end());
        text += " " + words.Say(Text{RZ_TEXT("cards",
                                             "Pary stacjonarne (%1) między sobą pominięto: grają w tym "
                                             "samym kierunku na wszystkich kompletach albo na żadnym."),
                                     {movement::NumberRangesText(printed)}});
    }
    if (absentPair != movement::NoAbsentPair)
        text += " " + words.Say(RZ_TEXT("cards",
                                        "Bez pary nieobecnej; kompletów, których jej przeciwnicy nie grają, "
                                        "nie liczono."));
    return text;
}

std::vector<std::string> FindingsOf(const movement::Catalogue& words, const MovementState& state, int32_t absentPair) {
    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    const std::vector<movement::TableSeat> roundOne(state.Seating.begin() + 1, state.Seating.begin() + 1 + tables);
    const movement::Outcome sound = movement::DiagnoseMovement(state.RoundCount, roundOne);
    std::vector<std::string> findings = {
        sound.accepted() ? words.Say(RZ_TEXT("cards",
                                             "Sprawdzenie: każda para spotyka każdą inną najwyżej raz i gra "
                                             "każdy komplet dokładnie raz."))
                         : words.Say(Text{RZ_TEXT("cards", "Sprawdzenie: %1"), {words.Say(sound.text())}})};
    if (std::string balance = BalanceOf(words, state, roundOne, absentPair); !balance.empty())
        findings.push_back(std::move(balance));
    return findings;
}

}  // namespace

SheetContent SheetOf(const movement::Catalogue& words, const MovementState& state, int32_t absentPair,
                     int32_t boardsPerSet) {
    SheetContent sheet;
    sheet.Title = words.Say(MovementSheetName);
    sheet.ContinuedTitle = Continued(words, sheet.Title);
    sheet.RoundHeading = words.Say(RZ_TEXT("cards", "Runda"));
    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    for (int32_t t = 1; t <= tables; ++t)
        sheet.TableHeadings.push_back(words.Say(Text{RZ_TEXT("cards", "St. %1"), {std::to_string(t)}}));

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
        sheet.RoundNotes.push_back(RoundNoteOf(words, state, routes, seats, r, absentPair, boardsPerSet));
        anyNote = anyNote || !sheet.RoundNotes.back().empty();
    }
    if (!anyNote) sheet.RoundNotes.clear();
    sheet.Information = InformationOf(words, state, absentPair, boardsPerSet);
    if (anyNote)
        sheet.RoundNotesLegend =
            words.Say(RZ_TEXT("cards",
                              "Pod rundą: komplety na stoliku pomocniczym i z niego brane, wspólne komplety, pauza."));
    sheet.Findings = FindingsOf(words, state, absentPair);
    return sheet;
}

}  // namespace printing
