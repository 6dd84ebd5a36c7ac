// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovementLine.h"

#include "movement/PairNumbering.h"

namespace printing {

using movement::Text;

std::string NumberingText(const movement::Catalogue& words, const movement::MovementState& state, bool arbitraryNumbers) {
    if (arbitraryNumbers) return words.Say(RZ_TEXT("cards", "Numery dowolne"));
    if (state.NumberingStep < 0) return words.Say(RZ_TEXT("cards", "Numery jak w Mitchell'u"));
    return words.Say(Text{RZ_TEXT("cards", "Skok numeracji: %1"), {std::to_string(state.NumberingStep)}});
}

std::string SourceText(const movement::Catalogue& words, const movement::MovementState& state) {
    if (state.PrintedSource.empty()) return {};
    return words.Say(Text{RZ_TEXT("cards", "Źródło: %1"), {state.PrintedSource}});
}

std::string MovementLine(const movement::Catalogue& words, const movement::MovementState& state,
                         const MovementLineParts& parts) {
    const auto count = [&](movement::TextId tight, movement::TextId spaced, int64_t value) {
        return words.Say(Text{parts.tight ? tight : spaced, {std::to_string(value)}});
    };
    std::string line = count(RZ_TEXT("cards", "Rund:%1"), RZ_TEXT("cards", "Rund: %1"), state.RoundCount) + "; " +
                       count(RZ_TEXT("cards", "Stołów:%1"), RZ_TEXT("cards", "Stołów: %1"), state.TableCount);
    const auto add = [&line](const std::string& part) {
        if (!part.empty()) line += "; " + part;
    };
    if (parts.pairs) add(count(RZ_TEXT("cards", "Par:%1"), RZ_TEXT("cards", "Par: %1"), 2 * int64_t{state.TableCount}));
    if (parts.boardsPerSet > movement::NoBoardsGiven)
        add(count(RZ_TEXT("cards", "Rozdań w komplecie:%1"), RZ_TEXT("cards", "Rozdań w komplecie: %1"),
                  parts.boardsPerSet));
    if (parts.numbering) add(NumberingText(words, state, movement::ArbitraryNumbersInUse(state)));
    if (parts.source) add(SourceText(words, state));
    return line;
}

}  // namespace printing
