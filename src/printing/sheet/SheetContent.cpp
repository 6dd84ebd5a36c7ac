// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetContent.h"

#include "printing/Products.h"
#include "printing/tablecards/TableCardContent.h"

#include "movement/AbsentPair.h"
#include "movement/DirectionBalance.h"
#include "movement/MovementCheck.h"
#include "movement/PairNumbering.h"
#include "movement/PairSchedule.h"

#include <algorithm>

namespace printing {

const char* const AbsentMark = "*";

namespace {

using movement::MovementState;

std::vector<std::string> InformationOf(const MovementState& state, int32_t absentPair) {
    std::vector<std::string> lines = {"Rund: " + std::to_string(state.RoundCount) +
                                          "; Stołów: " + std::to_string(state.TableCount) +
                                          "; Par: " + std::to_string(2 * state.TableCount),
                                      NumberingText(state, movement::ArbitraryNumbersInUse(state))};
    if (!state.PrintedSource.empty()) lines.push_back("Źródło: " + state.PrintedSource);
    if (absentPair != movement::NoAbsentPair) {
        const std::string printed = std::to_string(movement::PairRowNumber(state, absentPair));
        const std::string scheme = std::to_string(absentPair);
        lines.push_back("Para nieobecna: " + printed + " (" +
                        (printed == scheme ? "" : "nr " + scheme + " w schemacie; ") + "w kratkach " + printed +
                        AbsentMark + "); jej przeciwnicy mają wtedy pauzę.");
    }
    lines.emplace_back("W kratce: para NS-para WE, pod nią komplet.");
    return lines;
}

std::string Sets(int32_t count) { return std::to_string(count) + (count == 1 ? " komplecie" : " kompletach"); }

std::vector<std::string> FindingsOf(const MovementState& state, int32_t absentPair) {
    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    const std::vector<movement::TableSeat> roundOne(state.Seating.begin() + 1, state.Seating.begin() + 1 + tables);
    const movement::Outcome sound = movement::DiagnoseMovement(state.RoundCount, roundOne);
    std::vector<std::string> findings = {
        "Sprawdzenie: " +
        (sound.accepted() ? std::string("każda para spotyka każdą inną najwyżej raz i gra każdy komplet dokładnie raz.")
                          : sound.message())};
    const movement::BalanceFigures balance = movement::DirectionBalance(state.RoundCount, roundOne, absentPair);
    if (!balance.pairsByCount.empty())
        findings.push_back(
            "Wyrównanie kierunków: każde dwie pary grały w tym samym kierunku (obie NS albo obie WE) najmniej na " +
            std::to_string(balance.lowest) + ", najwięcej na " + Sets(balance.highest) + "." +
            (absentPair == movement::NoAbsentPair
                 ? ""
                 : " Bez pary nieobecnej; kompletów, których jej przeciwnicy nie grają, nie liczono."));
    return findings;
}

}  // namespace

SheetContent SheetOf(const MovementState& state, int32_t absentPair) {
    SheetContent sheet;
    sheet.Title = ProductName(Product::MovementSheet);
    sheet.Information = InformationOf(state, absentPair);
    sheet.RoundHeading = "Runda";
    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    for (int32_t t = 1; t <= tables; ++t) sheet.TableHeadings.push_back("St. " + std::to_string(t));

    const auto number = [&](int32_t pair) {
        const std::string printed = std::to_string(movement::PairRowNumber(state, pair));
        return absentPair != movement::NoAbsentPair && pair == absentPair ? printed + AbsentMark : printed;
    };
    for (int32_t r = 1; r <= state.RoundCount; ++r) {
        sheet.RoundLabels.push_back(std::to_string(r));
        std::vector<SheetCell>& cells = sheet.Cells.emplace_back();
        for (const movement::TableSeat& seat : movement::SeatsInRound(state, r))
            cells.push_back({number(seat.NsPair) + "-" + number(seat.WePair), std::to_string(seat.BoardSet)});
    }
    sheet.Findings = FindingsOf(state, absentPair);
    return sheet;
}

}  // namespace printing
