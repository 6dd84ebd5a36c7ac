// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a scheme file: every line listed and chosen, and every accepted movement
// numbered in every way and printed on the recording surface.

#include "FuzzCheck.h"
#include "support/PrintRuns.h"
#include "support/SplitSchemeLines.h"

#include "movement/ArbitraryNumbers.h"
#include "movement/MainWindowState.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeSelection.h"
#include "movement/StepChoices.h"
#include "printing/surfaces/RecordingSurface.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace movement;

namespace {

void PrintAll(const MovementState& state, bool separateJobs) {
    printing::RecordingSurface surface;
    const Outcome printed = printing::PrintTableCards(state, {4800, 6800}, 1, state.TableCount, separateJobs, surface);
    FUZZ_CHECK(printed.accepted());
    FUZZ_CHECK(!surface.texts.empty());
}

void NumberAndPrint(MovementState state, int k) {
    for (int item = 0; item <= MitchellItem; ++item) {
        FUZZ_CHECK(ChooseNumberingStep(state, item).accepted());
        PrintAll(state, (k + item) % 2 == 1);
    }
    // Arbitrary numbers, as the renumbering groups give them.
    UseFirstStepChoice(state);
    const RenumberingGroups groups = MakeRenumberingGroups(state.RoundCount, state.TableCount);
    std::vector<std::string> numbers = InitialNewNumbers(state.TableCount);
    const int group = 1 + k % 3;
    const bool shifted = ShiftGroup(groups, group, 10 * (k % 10), state.RoundCount, numbers).accepted();
    FUZZ_CHECK(shifted == (group < 3 || !groups.GroupCaption[3].empty()));
    if (ValidateNumbers(state, numbers).accepted()) PrintAll(state, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Read in pieces, the file gives the same lines as read at once.
    const SchemeLines whole = SplitSchemeLines(bytes);
    SchemeLineSplitter pieces;
    const std::size_t piece = 1 + size % 13;
    for (std::size_t at = 0; at < size; at += piece) pieces.Feed(bytes.substr(at, piece));
    const SchemeLines pieced = pieces.Finish();
    FUZZ_CHECK(pieced.lines == whole.lines && pieced.leftOut == whole.leftOut);
    FUZZ_CHECK(whole.lines.size() <= static_cast<std::size_t>(CatalogueCapacity));

    MovementState state;
    int printed = 0;  // every card of the first lines accepted; more would only repeat the work
    for (std::size_t k = 0; k < whole.lines.size(); ++k) {
        state.SchemeCatalogue[k] = whole.lines[k];
        FUZZ_CHECK(!CatalogueListLine(whole.lines[k]).empty());
    }
    state.CatalogueLineCount = static_cast<int32_t>(whole.lines.size());
    for (int k = 0; k < static_cast<int>(whole.lines.size()); ++k) {
        const MovementState before = state;
        const Outcome selected = SelectScheme(state, k, k % 5 - 1);
        if (!selected.accepted()) {
            FUZZ_CHECK(state == before);
            FUZZ_CHECK(!selected.message().empty());
            continue;
        }
        FUZZ_CHECK(state.TableCount >= 1 && state.TableCount <= MaxTables);
        FUZZ_CHECK(state.RoundCount >= 1 && state.RoundCount <= 99);
        for (int32_t t = 1; t <= state.TableCount; ++t) {
            FUZZ_CHECK(state.Seating[t].NsPair >= 1 && state.Seating[t].NsPair <= 99);
            FUZZ_CHECK(state.Seating[t].WePair >= 0 && state.Seating[t].WePair <= 99);
        }
        // A swap and a second swap put the table back.
        const int32_t table = 1 + k % state.TableCount;
        const TableSeat seat = state.Seating[table];
        FUZZ_CHECK(SwapNsWe(state, table).accepted());
        FUZZ_CHECK(SwapNsWe(state, table).accepted());
        FUZZ_CHECK(state.Seating[table] == seat);

        if (printed++ < 2) NumberAndPrint(state, k);
    }
    return 0;
}
