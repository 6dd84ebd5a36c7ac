// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace printing {

// The card is designed in units of its own; the page metrics scale them to device pixels.
// Every value is scaled and rounded on its own (halves to the even integer), so that sums of
// converted values are what the card is drawn with. Offsets are named by what they place and
// say what they are measured from.
struct TableCardLayout {
    double ScaleX = 0;
    double ScaleY = 0;

    // The frame: the card's outline, the divider between the pair boxes and the rest, and the
    // line between the NS box above and the WE box below.
    int CardLeft = 0;
    int CardRight = 0;
    int CardDivider = 0;
    int CardTop = 0;
    int CardBottom = 0;
    int CardMiddle = 0;
    int FramePen = 0;

    // The big pair numbers in their boxes and the "NS" and "WE" under them.
    struct PairBoxes {
        int OneDigitX = 0;       // from the page's left edge
        int TwoDigitOffset = 0;  // from CardLeft
        int NumberDrop = 0;      // below the box's top (CardTop or CardMiddle)
        int LabelBack = 0;       // left of the left column's middle
        int NsLabelY = 0;
        int WeLabelY = 0;
    } Boxes;

    // The big table number.
    struct TableNumberPlace {
        int OneDigitOffset = 0;  // right of ThirdWidth()
        int TwoDigitOffset = 0;  // right of CardDivider
        int Drop = 0;            // below CardTop
    } TableNumber;

    // The line above the frame that tells where both pairs go next: a label, an arrow, a seat.
    struct MoveLinePlaces {
        int Y = 0;
        int NsLabelOffset = 0;  // each from CardLeft
        int NsArrowOffset = 0;
        int WeLabelOffset = 0;
        int WeArrowOffset = 0;
        int SeatAfterArrow = 0;  // from the arrow
    } MoveLine;

    // The compass beside the divider, around CardMiddle.
    struct CompassPlaces {
        int NorthSouthOffset = 0;  // each from CardDivider
        int WestEastOffset = 0;
        int NorthRise = 0;  // above CardMiddle
        int WestEastRise = 0;
        int SouthDrop = 0;  // below CardMiddle
    } Compass;

    // The attribution line, underlined, at the top of the right part.
    struct AttributionPlace {
        int Offset = 0;  // right of ThirdWidth()
        int Drop = 0;    // below CardTop
    } Attribution;

    // The movement's data in the right part: rounds and tables, numbering, source.
    struct InformationPlaces {
        int Offset = 0;      // right of CardDivider
        int CountsDrop = 0;  // each below CardTop
        int NumberingDrop = 0;
        int SourceDrop = 0;
    } Information;

    // Table 1's summary of every table's round 1: a heading, then a line per table.
    struct SummaryPlaces {
        int Offset = 0;  // right of ThirdWidth()
        int Top = 0;     // from the page's top edge; the heading is one line step below
        int LineStep = 0;
    } Summary;

    // The round rows under the frame: rounds, NS pairs, WE pairs and board sets. Rounds beyond
    // the page's width go on in further blocks of the four rows, one under another.
    struct RoundRowPlaces {
        int RoundLabelX = 0;  // each from the page's left edge
        int NsLabelX = 0;
        int WeLabelX = 0;
        int FirstValueX = 0;
        int ValueStep = 0;
        int RoundDrop = 0;  // each below CardBottom
        int NsDrop = 0;
        int WeDrop = 0;
        int BoardSetDrop = 0;
        int BlockStep = 0;  // from one block's rows to the next block's
    } RoundRows;

    // Derived while drawing, from converted values, by integer division.
    int ThirdWidth() const { return (CardRight - CardLeft) / 3; }
    int HalfLeftWidth() const { return (CardDivider - CardLeft) / 2; }
};

// The card's font sizes in points, by what they print.
struct CardFontSizes {
    static constexpr int BoxNumber = 130;
    static constexpr int TableNumber = 230;
    static constexpr int BoxLabel = 20;
    static constexpr int MoveLine = 16;  // and the compass
    static constexpr int Attribution = 10;
    static constexpr int Summary = 10;
    static constexpr int Information = 12;
    static constexpr int RoundRows = 11;
};

// The layout for a printable area of pageWidth x pageHeight device pixels.
TableCardLayout ComputeCardLayout(int32_t pageWidth, int32_t pageHeight);

// Rounds to the nearest integer, halves to the even one.
int RoundHalfEven(double value);

}  // namespace printing
