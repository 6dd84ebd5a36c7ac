// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/paircards/PairCardContent.h"
#include "printing/product/PageMetrics.h"
#include "printing/surfaces/EventFoot.h"
#include "printing/surfaces/PrintSurface.h"

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

    int MovementSize = 1;  // the movement's line at the top of every card
    int HeadingSize = 1;
    int NoteSize = 1;
    int RowSize = 1;
    int HeadingsSize = 1;  // the column headings
    // Each below the cell's top plus Padding.
    int HeadingTop = 0;
    int NoteTop = 0;
    int HeadingsTop = 0;  // the column headings
    int RuleTop = 0;      // the line under them
    int FirstRowTop = 0;
    int RowStep = 1;
    int BandTop = 0;  // from a row's top to the top of its shading, upwards

    // The rows stand in groups side by side, each under its own headings; the columns the cards
    // do not print are none wide.
    std::array<int, PairColumnCount> ColumnX{};  // from the group's left edge
    std::array<int, PairColumnCount> ColumnWidth{};
    int GroupWidth = 0;
    int GroupStep = 0;
    int32_t GroupsPerCard = 1;
    int32_t RowsPerGroup = 1;

    EventFoot Event;  // at the foot of every card, under its rows
};

// Every third block of rows is shaded, rows RowsPerBand..2*RowsPerBand-1 of every 2*RowsPerBand, to
// guide the eye along a long card.
constexpr int RowsPerBand = 3;

// Cells as large as a readable card needs: the page's longer side is halved while the halves
// stay that large. The rows take the largest size, down to a readable floor and up to a size
// read at arm's length, that puts the longest card in the fewest cells, side by side in groups
// within a cell.
PairCardFit FitPairCards(const PairCards& cards, const PageMetrics& page, PrintSurface& surface,
                         const std::string& event = {});

// What one cell holds: rows of one card, continued from an earlier cell when `Continued`.
struct PairCardPiece {
    std::size_t Card = 0;
    std::size_t FirstRow = 0;
    std::size_t Rows = 0;
    bool Continued = false;
};

// The cards cut into pieces that fit a cell, their rows shared out evenly, in the cards' order.
std::vector<PairCardPiece> CutIntoPieces(const PairCards& cards, const PairCardFit& fit);

}  // namespace printing
