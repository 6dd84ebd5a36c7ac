// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PageMetrics.h"
#include "printing/surfaces/PrintSurface.h"
#include "printing/tablecards/TableCardContent.h"
#include "printing/tablecards/TableCardLayout.h"

#include <cstdint>

namespace printing {

// The card's font sizes in points as printed, by what they print.
struct CardFonts {
    int BoxNumber = CardFontSizes::BoxNumber;
    int TableNumber = CardFontSizes::TableNumber;
    int BoxLabel = CardFontSizes::BoxLabel;
    int MoveLine = CardFontSizes::MoveLine;
    int Attribution = CardFontSizes::Attribution;
    int Summary = CardFontSizes::Summary;
    int Information = CardFontSizes::Information;
    int RoundRows = CardFontSizes::RoundRows;
};

// How far every font of the card shrinks on a page: 1 where a two-digit number fits each big
// box, across and down, as on A4 and Letter; else the proportion in which it would. The other
// texts have more room than the big numbers, so in the same proportion they keep clear too.
double PageFontScale(const TableCardLayout& layout, PrintSurface& surface);

// The design's sizes shrunk by a scale of at most 1, a point at least.
CardFonts ScaledFonts(double scale);

// Table 1's summary: groups of lines side by side, each under its own heading.
struct SummaryFit {
    int X = 0;          // the first group's left edge
    int GroupStep = 0;  // from one group's left edge to the next's
    int32_t TablesPerGroup = 0;
    bool AtItsPlace = true;  // one group where the design puts it
};

// The round rows: a block of them for every RoundsPerBlock rounds, one under another.
struct RoundBlocks {
    int32_t RoundsPerBlock = 0;
    int ValueStep = 0;
    int BlockStep = 0;  // from one block's rows to the next's
    // The lines under the set row, the foot's among them, stand a line step apart.
    int LineStep = 0;
    int FootSize = 0;

    // With board numbers, in the rows' face where the page has room: the boards of each round
    // centred under its number, on one line or, where they are wider than a round's column, on
    // two, the rounds taking turns; then, in a movement of two rounds or more, where each set
    // comes from and where it goes. Every row moves right by Shift, alike, so that the longest
    // label stands on one line beside the values, where the page's width has room for that; else
    // the labels shrink.
    int BoardLines = 0;
    int BoardsSize = 0;
    bool RouteRows = false;
    int Shift = 0;
    struct Label {
        int X = 0;
        int Size = 0;
    };
    Label BoardsLabelPlace;
    Label PreviousTableLabelPlace;
    Label NextTableLabelPlace;

    // Below a block's top, after the four rows of every block.
    int BoardsDrop(const TableCardLayout& layout, int line) const {
        return layout.RoundRows.BoardSetDrop + (line + 1) * LineStep;
    }
    int PreviousTableDrop(const TableCardLayout& layout) const { return BoardsDrop(layout, BoardLines); }
    int NextTableDrop(const TableCardLayout& layout) const { return BoardsDrop(layout, BoardLines + 1); }
    int LastLineDrop(const TableCardLayout& layout) const {
        return BoardsDrop(layout, BoardLines + (RouteRows ? 2 : 0) - 1);
    }
};

// What one card's content makes of the design on the page.
struct TableCardFit {
    CardFonts Fonts;
    int TableNumberX = 0;
    SummaryFit Summary;
    RoundBlocks Rows;
};

// Where round `round`'s number (from 0) has its centre, from its column's left edge: the round's
// boards stand centred under it.
double RoundNumberCentre(const TableCardContent& card, std::size_t round, int size, PrintSurface& surface);

// `fonts` are the page's; the card's big numbers and summary may need smaller ones still.
// The round rows keep their places and face while the page has room under the card for every
// block and the foot; else the lines under the set rows draw together, then the face shrinks.
TableCardFit FitCard(const TableCardContent& content, const TableCardLayout& layout, const CardFonts& fonts,
                     const PageMetrics& page, PrintSurface& surface);

}  // namespace printing
