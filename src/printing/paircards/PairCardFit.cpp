// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairCardFit.h"

#include "printing/product/ProductTitles.h"
#include "printing/surfaces/TextFit.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace printing {

namespace {

// The smallest cell, in points either way round (about 80 x 115 mm): four fit on A4 and Letter,
// two on A5.
constexpr double CellShortSide = 230;
constexpr double CellLongSide = 330;
constexpr double PaddingPoints = 14;
constexpr double CutPenPoints = 0.5;
constexpr double CutDashPoints = 5;

constexpr int HeadingDesignSize = 22;
constexpr int NoteDesignSize = 10;
// Rows grow up to this size where the cell has room: read on the table at arm's length, and
// still below the heading's size.
constexpr int RowDesignSize = 16;
// Rows shrink to this size at most to save cards.
constexpr int RowFloorSize = 8;
constexpr double HeadingsProportion = 0.6;

void CutPage(const PageMetrics& page, double pixelsPerPoint, PairCardFit& fit) {
    double width = page.PageWidth;
    double height = page.PageHeight;
    const double shortSide = CellShortSide * pixelsPerPoint;
    const double longSide = CellLongSide * pixelsPerPoint;
    for (int halving = 0; halving < 8; ++halving) {  // a bound however the surface measures
        const bool across = width >= height;
        const double halfWidth = across ? width / 2 : width;
        const double halfHeight = across ? height : height / 2;
        if (std::min(halfWidth, halfHeight) < shortSide || std::max(halfWidth, halfHeight) < longSide) break;
        width = halfWidth;
        height = halfHeight;
        (across ? fit.Across : fit.Down) *= 2;
    }
    fit.CellWidth = page.PageWidth / fit.Across;
    fit.CellHeight = page.PageHeight / fit.Down;
    fit.Padding = Ceil(PaddingPoints * pixelsPerPoint);
    fit.CutPen = std::max(1, Ceil(CutPenPoints * pixelsPerPoint));
    fit.CutDash = std::max(1, Ceil(CutDashPoints * pixelsPerPoint));
}

// The movement's line, the heading and the note stand above the rows at their sizes, shrunk to
// the cell's width.
void PlaceHeading(const PairCards& cards, int innerWidth, PrintSurface& surface, PairCardFit& fit) {
    std::vector<std::string> headings;
    std::vector<std::string> notes;
    for (const PairCardContent& card : cards.Cards) {
        headings.push_back(card.ContinuedHeading);
        notes.push_back(card.Stationary);
    }
    const auto sizeFor = [&](const std::vector<std::string>& texts, int design) {
        const auto widest = std::max_element(texts.begin(), texts.end(), [&](const auto& a, const auto& b) {
            return surface.TextWidth(a, design) < surface.TextWidth(b, design);
        });
        return widest == texts.end() ? design : SizeToFit(surface, *widest, design, innerWidth);
    };
    fit.MovementSize = SizeToFit(surface, cards.Movement, NoteDesignSize, innerWidth);
    fit.HeadingSize = sizeFor(headings, HeadingDesignSize);
    fit.NoteSize = sizeFor(notes, NoteDesignSize);
    fit.HeadingTop = Ceil(1.5 * Em(surface, fit.MovementSize));
    fit.NoteTop = fit.HeadingTop + Ceil(1.2 * Em(surface, fit.HeadingSize));
    fit.HeadingsTop = fit.NoteTop + Ceil(1.6 * Em(surface, fit.NoteSize));
}

struct RowsAtSize {
    int32_t groups = 0;
    int32_t rows = 0;
    bool Fits() const { return groups >= 1 && rows >= 1; }
};

// Every text of each column's rows once: there are few, and cards many.
using ColumnTexts = std::array<std::vector<std::string>, PairColumnCount>;

ColumnTexts TextsByColumn(const PairCards& cards) {
    ColumnTexts texts;
    for (const PairColumn column : cards.Columns) {
        std::vector<std::string> all;
        for (const PairCardContent& card : cards.Cards)
            for (const auto& row : card.Rows) all.push_back(row[column]);
        texts[column] = DistinctTexts(std::move(all));
    }
    return texts;
}

// Lays the rows out at `size` and says how many groups and rows a cell then holds.
RowsAtSize PlaceRows(const PairCards& cards, const ColumnTexts& texts, int size, int innerWidth, int innerHeight,
                     PrintSurface& surface, PairCardFit& fit) {
    const double em = Em(surface, size);
    const int gap = Ceil(0.8 * em);
    // The headings are words over short numbers: they shrink, to some way below the rows' size,
    // before the rows do.
    const int smallest = std::min(size, std::max(RowFloorSize, Ceil(HeadingsProportion * size)));
    for (int headings = size; headings >= smallest; --headings) {
        int x = 0;
        fit.ColumnX.fill(0);
        fit.ColumnWidth.fill(0);
        for (const PairColumn column : cards.Columns) {
            fit.ColumnX[column] = x;
            fit.ColumnWidth[column] = Ceil(std::max(WidestOf(surface, texts[column], size),
                                                    surface.TextWidth(cards.Headings[column], headings)));
            x += fit.ColumnWidth[column] + gap;
        }
        fit.HeadingsSize = headings;
        fit.GroupWidth = x - gap;
        if (fit.GroupWidth <= innerWidth) break;
    }
    fit.RowSize = size;
    fit.GroupStep = std::max(1, fit.GroupWidth + 2 * gap);
    fit.RuleTop = fit.HeadingsTop + Ceil((FaceAscent + FaceDescent) * Em(surface, fit.HeadingsSize) + 0.1 * em);
    fit.FirstRowTop = fit.RuleTop + Ceil(0.25 * em);
    fit.RowStep = std::max(1, Ceil(1.25 * em));
    // The shading of a row reaches as far above its text as below it, up to the next row.
    fit.BandTop = std::max(0, Floor((fit.RowStep - (FaceAscent + FaceDescent) * em) / 2));

    RowsAtSize held;
    if (fit.GroupWidth <= innerWidth) held.groups = 1 + (innerWidth - fit.GroupWidth) / fit.GroupStep;
    const double lastRowTop = innerHeight - (FaceAscent + FaceDescent) * em;
    if (lastRowTop >= fit.FirstRowTop) held.rows = 1 + Floor((lastRowTop - fit.FirstRowTop) / fit.RowStep);
    return held;
}

}  // namespace

PairCardFit FitPairCards(const PairCards& cards, const PageMetrics& page, PrintSurface& surface,
                         const std::string& event) {
    PairCardFit fit;
    CutPage(page, surface.PixelsPerPoint(), fit);
    const int innerWidth = fit.CellWidth - 2 * fit.Padding;
    fit.Event = FitEventFoot(surface, event, NoteDesignSize, innerWidth);
    const int innerHeight = fit.CellHeight - 2 * fit.Padding - fit.Event.room;
    PlaceHeading(cards, innerWidth, surface, fit);

    const ColumnTexts texts = TextsByColumn(cards);
    std::size_t longest = 0;
    for (const PairCardContent& card : cards.Cards) longest = std::max(longest, card.Rows.size());
    // The longest card in the fewest cells, at the largest size that does it; below the floor
    // only where no rows fit at it.
    const int chosen = LargestSizeOfFewestParts(RowDesignSize, RowFloorSize, [&](int size) -> int64_t {
        const RowsAtSize held = PlaceRows(cards, texts, size, innerWidth, innerHeight, surface, fit);
        if (!held.Fits()) return 0;
        const std::size_t perCell = static_cast<std::size_t>(held.groups) * static_cast<std::size_t>(held.rows);
        return static_cast<int64_t>(std::max<std::size_t>(1, (longest + perCell - 1) / perCell));
    });
    const RowsAtSize held = PlaceRows(cards, texts, chosen, innerWidth, innerHeight, surface, fit);
    fit.GroupsPerCard = std::max(1, held.groups);
    fit.RowsPerGroup = std::max(1, held.rows);
    return fit;
}

std::vector<PairCardPiece> CutIntoPieces(const PairCards& cards, const PairCardFit& fit) {
    const std::size_t perCell = static_cast<std::size_t>(fit.GroupsPerCard) * static_cast<std::size_t>(fit.RowsPerGroup);
    std::vector<PairCardPiece> pieces;
    for (std::size_t card = 0; card < cards.Cards.size(); ++card) {
        const std::size_t rows = cards.Cards[card].Rows.size();
        const EvenShare share = ShareEvenly(static_cast<int32_t>(rows), static_cast<int32_t>(perCell));
        const auto count = static_cast<std::size_t>(share.parts);
        const auto each = static_cast<std::size_t>(share.each);
        for (std::size_t piece = 0; piece < count; ++piece) {
            const std::size_t first = piece * each;
            pieces.push_back({card, first, std::min(each, rows - std::min(rows, first)), piece > 0});
        }
    }
    return pieces;
}

}  // namespace printing
