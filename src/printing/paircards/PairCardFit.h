// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/paircards/PairCardContent.h"
#include "printing/surfaces/PrintSurface.h"
#include "printing/tablecards/TableCardPrinter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace printing {

// How pair cards share a page and where a card places its texts, in device pixels. Every card
// of a run is laid out alike, to the needs of the longest one.
struct PairCardFit {
    // The page is cut into Across x Down cells, a card in each.
    int32_t Across = 1;
    int32_t Down = 1;
    int CellWidth = 0;
    int CellHeight = 0;
    int Padding = 0;  // from a cell's border to its texts, all round
    int CutPen = 1;
    int CutDash = 1;  // the cut lines' dashes and the gaps between them

    int HeadingSize = 1;
    int NoteSize = 1;
    int RowSize = 1;
    // Each below the cell's top plus Padding.
    int NoteTop = 0;
    int HeadingsTop = 0;  // the column headings
    int RuleTop = 0;      // the line under them
    int FirstRowTop = 0;
    int RowStep = 1;

    // The rows stand in groups side by side, each under its own headings.
    std::array<int, PairColumnCount> ColumnX{};  // from the group's left edge
    std::array<int, PairColumnCount> ColumnWidth{};
    int GroupWidth = 0;
    int GroupStep = 0;
    int32_t GroupsPerCard = 1;
    int32_t RowsPerGroup = 1;
};

// Cells as large as a readable card needs: the page's longer side is halved while the halves
// stay that large. The rows take the largest size, down to a readable floor, that puts the
// longest card in the fewest cells, side by side in groups within a cell.
PairCardFit FitPairCards(const std::vector<PairCardContent>& cards, const PageMetrics& page, PrintSurface& surface);

// What one cell holds: rows of one card, continued from an earlier cell when `Continued`.
struct PairCardPiece {
    std::size_t Card = 0;
    std::size_t FirstRow = 0;
    std::size_t Rows = 0;
    bool Continued = false;
};

// The cards cut into pieces that fit a cell, their rows shared out evenly, in the cards' order.
std::vector<PairCardPiece> CutIntoPieces(const std::vector<PairCardContent>& cards, const PairCardFit& fit);

}  // namespace printing
