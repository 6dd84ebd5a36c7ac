// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/tablecards/TableCardLayout.h"

#include <gtest/gtest.h>

namespace printing {
namespace {

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundHalfEven(1e30), 2147483647);
}

TEST(TableCardLayout, APageOf4800By6800PixelsConvertsValueByValue) {
    const TableCardLayout layout = ComputeCardLayout(4800, 6800);
    EXPECT_NEAR(layout.ScaleX, 0.892434, 1e-6);
    EXPECT_NEAR(layout.ScaleY, 1.156121, 1e-6);
    EXPECT_EQ(layout.CardLeft, 71);
    EXPECT_EQ(layout.CardRight, 4087);
    EXPECT_EQ(layout.CardDivider, 1410);
    EXPECT_EQ(layout.CardTop, 208);
    EXPECT_EQ(layout.CardBottom, 2752);
    EXPECT_EQ(layout.CardMiddle, 1480);
    EXPECT_EQ(layout.Boxes.NsLabelY, 1272);
    EXPECT_EQ(layout.Boxes.WeLabelY, 2543);
    EXPECT_EQ(layout.FramePen, 45);
    EXPECT_EQ(layout.RoundRows.FirstValueX, 446);
    EXPECT_EQ(layout.RoundRows.ValueStep, 152);
    EXPECT_EQ(layout.MoveLine.Y, 23);
    EXPECT_EQ(layout.Summary.LineStep, 87);
    EXPECT_EQ(layout.ThirdWidth(), 1338);
    EXPECT_EQ(layout.HalfLeftWidth(), 669);
    EXPECT_EQ(layout.HalfLeftWidth() - layout.Boxes.LabelBack, 624);
}

TEST(TableCardLayout, EachValueIsRoundedOnItsOwnNotAsASum) {
    // CardLeft comes to 71.39 and the NS arrow's offset of 750 to 669.33: the card adds the rounded 71 and
    // 669, where 830 design units rounded as one would give 741.
    const TableCardLayout layout = ComputeCardLayout(4800, 6800);
    EXPECT_EQ(layout.MoveLine.NsArrowOffset, 669);
    EXPECT_EQ(layout.CardLeft + layout.MoveLine.NsArrowOffset, 740);
    // The frame pen follows the smaller scale.
    const TableCardLayout tall = ComputeCardLayout(4800, 20000);
    EXPECT_EQ(tall.FramePen, 45);
    const TableCardLayout wide = ComputeCardLayout(20000, 6800);
    EXPECT_EQ(wide.FramePen, 58);
}

TEST(TableCardLayout, ScalesWithThePage) {
    const TableCardLayout half = ComputeCardLayout(2400, 3400);
    const TableCardLayout full = ComputeCardLayout(4800, 6800);
    EXPECT_NEAR(full.CardRight, 2 * half.CardRight, 1);
    EXPECT_NEAR(full.CardBottom, 2 * half.CardBottom, 1);
}

}  // namespace
}  // namespace printing
