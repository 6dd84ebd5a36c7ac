// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableCardFit.h"

#include "printing/surfaces/TextFit.h"

#include <algorithm>
#include <cmath>

namespace printing {

namespace {

constexpr double CapHeight = 0.716;
// A big digit may stand on a foot reaching out beside it in its lowest tenth, as the 1 does.
constexpr double FootHeight = 0.1;

// The face's digits are all as wide, so any two stand for every two-digit number.
const std::string TwoDigits = "88";

double Proportion(double room, double need) { return need > 0 ? room / need : 1.0; }

// The card's two numbers share a size at which the longer fits its box across, and whose
// baseline stays above the caps of the box's label.
int FitBoxNumbers(const TableCardContent& card, const TableCardLayout& layout, const CardFonts& fonts,
                  PrintSurface& surface) {
    const TableCardLayout::PairBoxes& boxes = layout.Boxes;
    const std::string ns = std::to_string(card.NsBoxNumber);
    const std::string we = std::to_string(card.WeBoxNumber);
    const double across = layout.CardDivider - layout.FramePen / 2.0 - (layout.CardLeft + boxes.TwoDigitOffset);
    const double labelCaps = (FaceAscent - CapHeight) * Em(surface, fonts.BoxLabel);
    const double down =
        std::min(boxes.NsLabelY - layout.CardTop, boxes.WeLabelY - layout.CardMiddle) - boxes.NumberDrop + labelCaps;
    const int tallest = std::clamp(Floor(down / (FaceAscent * surface.PixelsPerPoint())), 1, fonts.BoxNumber);
    return SizeToFit(surface, ns.size() >= we.size() ? ns : we, tallest, across);
}

// One group keeps the design's place, beside the table number, while it ends above the number's
// foot. Otherwise the tables go in as few groups as fit above the card's bottom, standing
// together an em from the card's right edge, clear of the information lines, in a smaller face
// if need be.
SummaryFit FitSummary(const TableCardContent& card, const TableCardLayout& layout, const CardFonts& fonts, int& size,
                      PrintSurface& surface) {
    const double pen = layout.FramePen / 2.0;
    const int headingY = layout.Summary.Top + layout.Summary.LineStep;
    const int placeX = layout.ThirdWidth() + layout.Summary.Offset;
    const double information =
        layout.CardDivider + layout.Information.Offset + WidestOf(surface, card.Information, fonts.Information);
    const double tableFoot =
        layout.CardTop + layout.TableNumber.Drop + (FaceAscent - FootHeight) * Em(surface, fonts.TableNumber);
    const auto tables = static_cast<int32_t>(card.Summary.size()) - 1;
    for (;;) {
        const double em = Em(surface, size);
        const double linesRoom = layout.CardBottom - pen - (FaceAscent + FaceDescent) * em - headingY;
        const int32_t fitting =
            std::max(1, layout.Summary.LineStep > 0 ? Floor(linesRoom / layout.Summary.LineStep) : tables);
        const EvenShare share = ShareEvenly(tables, fitting);
        const int32_t groups = share.parts;
        SummaryFit fit;
        fit.TablesPerGroup = share.each;
        const double width = WidestOf(surface, card.Summary, size);
        const double right = layout.CardRight - pen - em;
        const double lastBaseline = headingY + tables * layout.Summary.LineStep + FaceAscent * em;
        if (groups == 1 && placeX + width <= right && lastBaseline <= tableFoot) {
            fit.X = placeX;
            return fit;
        }
        fit.AtItsPlace = false;
        fit.GroupStep = Ceil(width + em);
        const double together = groups * fit.GroupStep - em;
        fit.X = Floor(right - together);
        const double left = information + em;
        if (fit.X >= left || size == 1) return fit;
        size = std::min(size - 1, Scaled(size, Proportion(right - left, together)));
    }
}

// The table number keeps its place unless the summary has moved up to it: then it takes the
// two-digit place and ends an em before the summary.
void PlaceTableNumber(const TableCardContent& card, const TableCardLayout& layout, TableCardFit& fit,
                      PrintSurface& surface) {
    const bool summaryMoved = !fit.Summary.AtItsPlace;
    fit.TableNumberX = card.Table < 10 && !summaryMoved ? layout.ThirdWidth() + layout.TableNumber.OneDigitOffset
                                                        : layout.CardDivider + layout.TableNumber.TwoDigitOffset;
    const double right =
        summaryMoved ? fit.Summary.X - Em(surface, fit.Fonts.Summary) : layout.CardRight - layout.FramePen / 2.0;
    fit.Fonts.TableNumber =
        SizeToFit(surface, std::to_string(card.Table), fit.Fonts.TableNumber, right - fit.TableNumberX);
}

// A label of the rows that come with board numbers stands where the set row's does, or further
// left, to end where the values begin; it shrinks only where the page's edge is too near.
RoundBlocks::Label FitLabel(const char* label, const TableCardLayout& layout, int size, PrintSurface& surface) {
    const int room = layout.RoundRows.FirstValueX;
    const int fitted = SizeToFit(surface, label, size, room);
    return {std::clamp(Floor(room - surface.TextWidth(label, fitted)), 0, layout.CardLeft), fitted};
}

// Rounds go on along the rows while they fit the page's width, no closer than their widest cell,
// which begins with a space; further rounds go on in blocks under the first, shared out evenly.
// The page has room below the card for more blocks than 99 rounds of three-digit numbers take.
// Board numbers keep the rounds' columns: wider than a column, they take turns on two lines.
RoundBlocks FitRoundBlocks(const TableCardContent& card, const TableCardLayout& layout, int size, int32_t pageWidth,
                           PrintSurface& surface) {
    double widest = 0;
    for (const auto& row : card.Rows) widest = std::max(widest, WidestOf(surface, row, size));
    widest = std::max(widest, WidestOf(surface, card.NextTables, size));
    const TableCardLayout::RoundRowPlaces& rows = layout.RoundRows;
    RoundBlocks fit;
    fit.ValueStep = std::max({1, rows.ValueStep, Ceil(widest)});
    fit.BlockStep = rows.BlockStep;
    fit.LineStep = rows.NsDrop - rows.RoundDrop;
    fit.FootSize = size;
    const double room = pageWidth;
    for (const std::string& line : card.Foot)
        fit.FootSize = std::min(fit.FootSize, SizeToFit(surface, line, size, room - layout.CardLeft));
    double lastColumn = widest;
    if (!card.Boards.empty()) {
        const std::vector<std::string> boards = DistinctTexts(card.Boards);
        double boardsWidest = WidestOf(surface, boards, size);
        fit.BoardLines = boardsWidest <= fit.ValueStep ? 1 : 2;
        fit.BoardsSize = size;
        if (fit.BoardLines == 2) {
            std::string longest;
            for (const std::string& text : boards)
                if (surface.TextWidth(text, size) >= surface.TextWidth(longest, size)) longest = text;
            fit.BoardsSize = SizeToFit(surface, longest, size, 2.0 * fit.ValueStep);
            boardsWidest = WidestOf(surface, boards, fit.BoardsSize);
        }
        lastColumn = std::max(lastColumn, boardsWidest);
        fit.BoardsLabelPlace = FitLabel(BoardsLabel, layout, size, surface);
        fit.NextTableLabelSplit = surface.TextWidth(NextTableLabel, size) > rows.FirstValueX;
        fit.NextTableLabelPlace =
            FitLabel(fit.NextTableLabelSplit ? NextTableLabelTop : NextTableLabel, layout, size, surface);
        if (fit.NextTableLabelSplit) fit.NextTableSecondLine = FitLabel(NextTableLabelBottom, layout, size, surface);
        fit.BlockStep = fit.NextTableDrop(layout) + (rows.BlockStep - rows.BoardSetDrop);
    }
    const auto rounds = static_cast<int32_t>(card.Rows[RoundsRow].size());
    const int32_t fitting = std::max(1, Floor((room - rows.FirstValueX - lastColumn) / fit.ValueStep) + 1);
    fit.RoundsPerBlock = ShareEvenly(rounds, fitting).each;
    return fit;
}

// How far down the page the rows and the foot reach.
int RowsBottom(const TableCardContent& card, const TableCardLayout& layout, const RoundBlocks& fit, int size,
               PrintSurface& surface) {
    const auto rounds = static_cast<int32_t>(card.Rows[RoundsRow].size());
    const int32_t blocks = std::max(1, PartsOf(rounds, fit.RoundsPerBlock));
    const int lastTop = layout.CardBottom + (blocks - 1) * fit.BlockStep;
    const int lastLine =
        card.Foot.empty() ? lastTop + (card.Boards.empty() ? layout.RoundRows.BoardSetDrop : fit.NextTableDrop(layout))
                          : lastTop + fit.BlockStep + layout.RoundRows.RoundDrop +
                                (static_cast<int>(card.Foot.size()) - 1) * fit.LineStep;
    return Ceil(lastLine + (FaceAscent + FaceDescent) * Em(surface, size));
}

// Without board numbers or a foot the rows are the design's. With them, where the page is too
// short, the lines under the set rows and the blocks draw together down to the face's height,
// then the face shrinks.
RoundBlocks FitRows(const TableCardContent& card, const TableCardLayout& layout, int& size, const PageMetrics& page,
                    PrintSurface& surface) {
    RoundBlocks fit = FitRoundBlocks(card, layout, size, page.PageWidth, surface);
    if (card.Boards.empty() && card.Foot.empty()) return fit;
    const TableCardLayout::RoundRowPlaces& rows = layout.RoundRows;
    for (;;) {
        const int lineHeight = Ceil((FaceAscent + FaceDescent) * Em(surface, size));
        const int designStep = fit.LineStep;
        for (int step = designStep; step >= std::min(designStep, lineHeight); --step) {
            fit.LineStep = step;
            const int gap = std::min(rows.BlockStep - rows.BoardSetDrop, step);
            if (!card.Boards.empty()) fit.BlockStep = fit.NextTableDrop(layout) + gap;
            if (RowsBottom(card, layout, fit, size, surface) <= page.PageHeight) return fit;
        }
        if (size == 1) return fit;
        --size;
        fit = FitRoundBlocks(card, layout, size, page.PageWidth, surface);
    }
}

}  // namespace

double PageFontScale(const TableCardLayout& layout, PrintSurface& surface) {
    const double pen = layout.FramePen / 2.0;
    const double point = surface.PixelsPerPoint();
    const int boxX = layout.CardLeft + layout.Boxes.TwoDigitOffset;
    const int tableX = layout.CardDivider + layout.TableNumber.TwoDigitOffset;
    const double boxAcross =
        Proportion(layout.CardDivider - pen - boxX, surface.TextWidth(TwoDigits, CardFontSizes::BoxNumber));
    const double tableAcross =
        Proportion(layout.CardRight - pen - tableX, surface.TextWidth(TwoDigits, CardFontSizes::TableNumber));
    // Down, a big number's baseline stays above the caps of the box's label, which shrinks along
    // with it, or above the frame.
    const double boxDown =
        Proportion(layout.Boxes.NsLabelY - (layout.CardTop + layout.Boxes.NumberDrop),
                   (FaceAscent * CardFontSizes::BoxNumber - (FaceAscent - CapHeight) * CardFontSizes::BoxLabel) * point);
    const double tableDown = Proportion(layout.CardBottom - pen - (layout.CardTop + layout.TableNumber.Drop),
                                        FaceAscent * CardFontSizes::TableNumber * point);
    return std::clamp(std::min({boxAcross, tableAcross, boxDown, tableDown}), 0.0, 1.0);
}

CardFonts ScaledFonts(double scale) {
    CardFonts fonts;
    for (int* size : {&fonts.BoxNumber, &fonts.TableNumber, &fonts.BoxLabel, &fonts.MoveLine, &fonts.Attribution,
                      &fonts.Summary, &fonts.Information, &fonts.RoundRows})
        *size = Scaled(*size, scale);
    return fonts;
}

TableCardFit FitCard(const TableCardContent& content, const TableCardLayout& layout, const CardFonts& fonts,
                     const PageMetrics& page, PrintSurface& surface) {
    TableCardFit fit;
    fit.Fonts = fonts;
    fit.Fonts.BoxNumber = FitBoxNumbers(content, layout, fonts, surface);
    if (!content.Summary.empty()) fit.Summary = FitSummary(content, layout, fonts, fit.Fonts.Summary, surface);
    PlaceTableNumber(content, layout, fit, surface);
    fit.Rows = FitRows(content, layout, fit.Fonts.RoundRows, page, surface);
    return fit;
}

}  // namespace printing
