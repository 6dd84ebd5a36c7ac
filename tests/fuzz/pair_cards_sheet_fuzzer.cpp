// SPDX-License-Identifier: GPL-3.0-or-later
// The pair cards and the movement sheet of arbitrary movements of 1..48 tables and 1..99 rounds,
// numbered in every way the windows offer (a step, Mitchell, arbitrary numbers), with any absent
// pair and any event's line, fitted to pages of many sizes and drawn on the recording surface.
//
// Input: tables, rounds, numbering (0..3 a step choice or Mitchell, 4 arbitrary numbers), the
// absent pair, flags (bit 0 a job per page, bit 1 a surface that writes to a file, the rest the
// boards in a set), the page's width and height (a byte each), then a scheme slot per table: its
// NS and WE pairs (an NS pair of 0 is a board set no table plays), and after the slots new pair
// numbers, a byte each; what is left is the event's text.

#include "FuzzCheck.h"

#include "movement/AbsentPair.h"
#include "movement/ArbitraryNumbers.h"
#include "movement/BoardRoutes.h"
#include "movement/MainWindowState.h"
#include "movement/SchemeLine.h"
#include "movement/SchemeSelection.h"
#include "movement/StepChoices.h"
#include "printing/Products.h"
#include "printing/surfaces/RecordingSurface.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace movement;

namespace {

// Each job begins, has its pages and ends; everything drawn lies on a page of the run, inside it.
void CheckDrawing(const printing::RecordingSurface& surface, const printing::PageMetrics& page, bool accepted,
                  bool oneJob) {
    int begun = 0;
    int pages = 0;
    bool open = false;
    for (const std::string& job : surface.jobs) {
        if (job == "BeginDoc") {
            FUZZ_CHECK(!open);
            open = true;
            ++begun;
            ++pages;
        } else if (job == "NewPage") {
            FUZZ_CHECK(open);
            ++pages;
        } else if (job == "EndDoc") {
            FUZZ_CHECK(open);
            open = false;
        }
    }
    if (!accepted) return;
    FUZZ_CHECK(!open && begun >= 1 && pages >= 1);
    if (oneJob) FUZZ_CHECK(begun == 1);
    for (const auto& text : surface.texts) {
        FUZZ_CHECK(text.page >= 0 && text.page < pages);
        FUZZ_CHECK(text.x >= 0 && text.x < page.PageWidth && text.y >= 0 && text.y < page.PageHeight);
    }
    for (const auto& line : surface.lines) {
        FUZZ_CHECK(line.page >= 0 && line.page < pages);
        FUZZ_CHECK(line.fromX >= 0 && line.toX >= 0 && line.fromX <= page.PageWidth && line.toX <= page.PageWidth);
        FUZZ_CHECK(line.fromY >= 0 && line.toY >= 0 && line.fromY <= page.PageHeight && line.toY <= page.PageHeight);
    }
    for (const auto& fill : surface.fills) {
        FUZZ_CHECK(fill.page >= 0 && fill.page < pages && fill.width > 0 && fill.height > 0);
        FUZZ_CHECK(fill.x >= 0 && fill.y >= 0 && fill.x + fill.width <= page.PageWidth &&
                   fill.y + fill.height <= page.PageHeight);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    constexpr std::size_t Header = 7;
    if (size < Header) return 0;
    const int tables = 1 + data[0] % MaxTables;
    const int rounds = 1 + data[1] % MaxSchemeRounds;
    const int numbering = data[2] % 5;
    const int32_t absent = data[3] % (2 * tables + 3);
    const bool separateJobs = (data[4] & 1) != 0;
    const bool toFile = (data[4] & 2) != 0;
    const int32_t boardsPerSet = (data[4] >> 2) % (MaxBoardsPerSet + 1);
    // Paper from A6 to beyond A3 either way round, at 600 dpi: below A6 the readable floor of the
    // fonts may leave the page, as it is allowed to.
    const printing::PageMetrics page{2400 + 40 * data[5], 2400 + 60 * data[6]};

    std::string line = std::to_string(rounds) + " " + std::to_string(tables);
    std::size_t at = Header;
    for (int placed = 0; placed < tables && at < size;) {
        const int ns = data[at++] % 100;
        if (ns == 0 || at >= size) {
            line += " 0";
            continue;
        }
        line += " " + std::to_string(ns) + " " + std::to_string(data[at++] % 100);
        ++placed;
    }

    MovementState state;
    for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = n;
    state.SchemeCatalogue[0] = line;
    state.CatalogueLineCount = 1;
    state.CatalogueLoaded = true;
    state.SchemeSource = "Schemat próbny";
    if (!SelectScheme(state, 0, NoItemSelected).accepted()) return 0;
    FUZZ_CHECK(state.TableCount == tables && state.RoundCount == rounds);

    if (numbering < 4) {
        if (!ChooseNumberingStep(state, numbering).accepted()) return 0;
    } else {
        FUZZ_CHECK(BeginArbitraryNumbers(state, NoItemSelected).accepted());
        std::vector<std::string> numbers = InitialNewNumbers(state.TableCount);
        for (std::string& number : numbers)
            if (at < size) number = std::to_string(data[at++]);
        if (ValidateNumbers(state, numbers).accepted()) PrepareMovementForPrinting(state, NoItemSelected);
    }

    const std::string event(reinterpret_cast<const char*>(data) + at, size - at);
    const bool absentAccepted = CheckAbsentPair(state, absent).accepted();
    FUZZ_CHECK(absentAccepted == (absent == NoAbsentPair || absent <= 2 * tables));
    for (const printing::Product product : {printing::Product::PairCards, printing::Product::MovementSheet}) {
        printing::RecordingSurface surface;
        surface.SetWritesToFile(toFile);
        printing::RunRequest request;
        request.last = state.TableCount;
        request.separateJobs = separateJobs;
        request.absentPair = absent;
        request.boardsPerSet = boardsPerSet;
        request.event = event;
        const Outcome printed = printing::PrintProduct(product, state, page, request, surface);
        if (!absentAccepted) {
            FUZZ_CHECK(!printed.accepted() && surface.jobs.empty());
            continue;
        }
        FUZZ_CHECK(printed.accepted() || !printed.message().empty());
        CheckDrawing(surface, page, printed.accepted(), !separateJobs || toFile);
    }
    return 0;
}
