// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableCardLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace printing {

namespace {

// The design page: 4677 x 1.15 units wide and 6764 / 1.15 high.
constexpr double DesignWidth = 4677.0;
constexpr double DesignHeight = 6764.0;
constexpr double Stretch = 1.15;

constexpr double DesignCardLeft = 80;
constexpr double DesignCardRight = 4580;
constexpr double DesignCardTop = 180;
constexpr double DesignCardBottom = DesignCardTop + 2200;
constexpr double DesignCardDivider = (DesignCardRight - DesignCardLeft) / 3 + DesignCardLeft;
constexpr double DesignCardMiddle = (DesignCardBottom - DesignCardTop) / 2 + DesignCardTop;
constexpr double DesignFramePen = 50;

}  // namespace

int RoundHalfEven(double value) {
    const double clamped =
        std::clamp(value, double{std::numeric_limits<int>::min()}, double{std::numeric_limits<int>::max()});
    const double floor = std::floor(clamped);
    const double fraction = clamped - floor;
    double rounded = fraction > 0.5 ? floor + 1 : floor;
    if (fraction == 0.5) rounded = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    return static_cast<int>(rounded);
}

TableCardLayout ComputeCardLayout(int32_t pageWidth, int32_t pageHeight) {
    TableCardLayout layout;
    layout.ScaleX = pageWidth / DesignWidth / Stretch;
    layout.ScaleY = pageHeight * Stretch / DesignHeight;
    const auto x = [&](double design) { return RoundHalfEven(design * layout.ScaleX); };
    const auto y = [&](double design) { return RoundHalfEven(design * layout.ScaleY); };

    layout.CardLeft = x(DesignCardLeft);
    layout.CardRight = x(DesignCardRight);
    layout.CardDivider = x(DesignCardDivider);
    layout.CardTop = y(DesignCardTop);
    layout.CardBottom = y(DesignCardBottom);
    layout.CardMiddle = y(DesignCardMiddle);
    layout.FramePen = RoundHalfEven(DesignFramePen * std::min(layout.ScaleX, layout.ScaleY));

    TableCardLayout::PairBoxes& boxes = layout.Boxes;
    boxes.OneDigitX = x(750);
    boxes.TwoDigitOffset = x(75);
    boxes.NumberDrop = y(30);
    boxes.LabelBack = x(50);
    boxes.NsLabelY = y(DesignCardMiddle - 180);
    boxes.WeLabelY = y(DesignCardBottom - 180);

    layout.TableNumber = {.OneDigitOffset = x(1200), .TwoDigitOffset = x(550), .Drop = y(260)};

    TableCardLayout::MoveLinePlaces& move = layout.MoveLine;
    move.Y = y(20);
    move.NsLabelOffset = x(500);
    move.NsArrowOffset = x(750);
    move.WeLabelOffset = x(2500);
    move.WeArrowOffset = x(2750);
    move.SeatAfterArrow = x(250);

    TableCardLayout::CompassPlaces& compass = layout.Compass;
    compass.NorthSouthOffset = x(250);
    compass.WestEastOffset = x(100);
    compass.NorthRise = y(160);
    compass.WestEastRise = y(30);
    compass.SouthDrop = y(120);

    layout.Attribution = {.Offset = x(1600), .Drop = y(75)};
    layout.Information = {.Offset = x(50), .CountsDrop = y(75), .NumberingDrop = y(160), .SourceDrop = y(260)};
    layout.Summary = {.Offset = x(2200), .Top = y(350), .LineStep = y(75)};

    TableCardLayout::RoundRowPlaces& rows = layout.RoundRows;
    rows.RoundLabelX = x(110);
    rows.NsLabelX = x(270);
    rows.WeLabelX = x(250);
    rows.FirstValueX = x(500);
    rows.ValueStep = x(170);
    rows.RoundDrop = y(50);
    rows.NsDrop = y(150);
    rows.WeDrop = y(250);
    rows.BoardSetDrop = y(350);
    rows.BlockStep = y(450);
    return layout;
}

}  // namespace printing
