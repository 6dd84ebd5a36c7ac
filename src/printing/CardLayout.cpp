#include "CardLayout.h"

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
    const double clamped = std::clamp(value, double{std::numeric_limits<int>::min()}, double{std::numeric_limits<int>::max()});
    const double floor = std::floor(clamped);
    const double fraction = clamped - floor;
    double rounded = fraction > 0.5 ? floor + 1 : floor;
    if (fraction == 0.5) rounded = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    return static_cast<int>(rounded);
}

CardLayout ComputeCardLayout(int32_t pageWidth, int32_t pageHeight) {
    CardLayout layout;
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
    layout.NsLabelY = y(DesignCardMiddle - 180);
    layout.WeLabelY = y(DesignCardBottom - 180);
    layout.FramePen = RoundHalfEven(DesignFramePen * std::min(layout.ScaleX, layout.ScaleY));

    layout.X50 = x(50), layout.X75 = x(75), layout.X100 = x(100), layout.X110 = x(110), layout.X170 = x(170);
    layout.X250 = x(250), layout.X270 = x(270), layout.X500 = x(500), layout.X550 = x(550), layout.X750 = x(750);
    layout.X1200 = x(1200), layout.X1600 = x(1600), layout.X2200 = x(2200), layout.X2500 = x(2500);
    layout.X2750 = x(2750);
    layout.Y20 = y(20), layout.Y30 = y(30), layout.Y50 = y(50), layout.Y75 = y(75), layout.Y120 = y(120);
    layout.Y150 = y(150), layout.Y160 = y(160), layout.Y250 = y(250), layout.Y260 = y(260), layout.Y350 = y(350);
    return layout;
}

}  // namespace printing
