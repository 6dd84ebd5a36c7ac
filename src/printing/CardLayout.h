#pragma once

#include <cstdint>

namespace printing {

// The card is designed in units of its own; the page metrics scale them to device pixels.
// Every value is scaled and rounded on its own (halves to the even integer), so that sums of
// converted values are what the card is drawn with.
struct CardLayout {
    double ScaleX = 0;
    double ScaleY = 0;

    int CardLeft = 0;
    int CardRight = 0;
    int CardDivider = 0;
    int CardTop = 0;
    int CardBottom = 0;
    int CardMiddle = 0;
    int NsLabelY = 0;
    int WeLabelY = 0;
    int FramePen = 0;

    // Offsets, named by their design value.
    int X50 = 0, X75 = 0, X100 = 0, X110 = 0, X170 = 0, X250 = 0, X270 = 0, X500 = 0, X550 = 0, X750 = 0,
        X1200 = 0, X1600 = 0, X2200 = 0, X2500 = 0, X2750 = 0;
    int Y20 = 0, Y30 = 0, Y50 = 0, Y75 = 0, Y120 = 0, Y150 = 0, Y160 = 0, Y250 = 0, Y260 = 0, Y350 = 0;

    // Derived while drawing, from converted values, by integer division.
    int ThirdWidth() const { return (CardRight - CardLeft) / 3; }
    int HalfLeftWidth() const { return (CardDivider - CardLeft) / 2; }
};

// The layout for a printable area of pageWidth x pageHeight device pixels.
CardLayout ComputeCardLayout(int32_t pageWidth, int32_t pageHeight);

// Rounds to the nearest integer, halves to the even one.
int RoundHalfEven(double value);

}  // namespace printing
