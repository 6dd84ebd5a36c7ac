// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovementLine.h"

#include "movement/PairNumbering.h"

namespace printing {

std::string NumberingText(const movement::MovementState& state, bool arbitraryNumbers) {
    if (arbitraryNumbers) return "Numery dowolne";
    if (state.NumberingStep < 0) return "Numery jak w Mitchell'u";
    return "Skok numeracji: " + std::to_string(state.NumberingStep);
}

std::string SourceText(const movement::MovementState& state) {
    return state.PrintedSource.empty() ? std::string() : "Źródło: " + state.PrintedSource;
}

std::string MovementLine(const movement::MovementState& state, const MovementLineParts& parts) {
    const std::string colon = parts.tight ? ":" : ": ";
    std::string line =
        "Rund" + colon + std::to_string(state.RoundCount) + "; Stołów" + colon + std::to_string(state.TableCount);
    const auto add = [&line](const std::string& part) {
        if (!part.empty()) line += "; " + part;
    };
    if (parts.pairs) add("Par" + colon + std::to_string(2 * state.TableCount));
    if (parts.boardsPerSet > movement::NoBoardsGiven)
        add("Rozdań w komplecie" + colon + std::to_string(parts.boardsPerSet));
    if (parts.numbering) add(NumberingText(state, movement::ArbitraryNumbersInUse(state)));
    if (parts.source) add(SourceText(state));
    return line;
}

}  // namespace printing
