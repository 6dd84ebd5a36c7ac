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

std::string NumberOf(const std::string& cell) {
    return cell.substr(std::min(cell.find_first_not_of(' '), cell.size()));
}

// Rounds go on along the rows while they fit the page's width, no closer than their widest cell,
// which begins with a space; further rounds go on in blocks under the first, shared out evenly.
// The page has room below the card for more blocks than 99 rounds of three-digit numbers take.
int32_t RoundsPerLine(const TableCardLayout& layout, int shift, int valueStep, double lastColumn, int32_t pageWidth) {
    const double room = pageWidth - layout.RoundRows.FirstValueX - shift - lastColumn;
    return std::max(1, Floor(room / std::max(1, valueStep)) + 1);
}

// What the rows that come with board numbers need of a round's column, measured from its left
// edge: the rows' cells are as wide as each other, the tables a set comes from and goes to end
// where the cells end, and the boards stand centred under the round's number.
struct BoardColumns {
    double cell = 0;         // the rows' cells
    double space = 0;        // between two texts
    double routes = 0;       // the widest route
    double boards = 0;       // the widest boards
    double firstCentre = 0;  // the centre of a round's number, nearest the column's left edge
    double lastCentre = 0;   // and furthest from it
    double digit = 0;
    double mark = 0;

    // Two texts side by side stand two spaces (a digit) apart, as the rows' numbers do at least.
    int Step(int design, int lines) const {
        const double boardsStep = (boards + 2 * space) / lines;
        return std::max({design, Ceil(cell), Ceil(routes + 2 * space), Ceil(boardsStep)});
    }
    // The boards' numbers are centred, the mark of a set shared now and then standing after them.
    double RightmostInk() const { return std::max(cell, lastCentre + (boards + mark) / 2); }
    // Where the labels end, a space before the leftmost value of the new rows.
    double LabelsEnd() const { return std::min({space, cell - routes, firstCentre - boards / 2}) - space; }
};

// `boardsSize` is the boards' own, the rest is measured at the rows' `size`.
BoardColumns MeasureBoardColumns(const TableCardContent& card, int size, int boardsSize, PrintSurface& surface) {
    BoardColumns columns;
    for (const auto& row : card.Rows) columns.cell = std::max(columns.cell, WidestOf(surface, row, size));
    columns.space = surface.TextWidth(" ", size);
    columns.routes = std::max(WidestOf(surface, card.PreviousTables, size), WidestOf(surface, card.NextTables, size));
    columns.boards = WidestOf(surface, DistinctTexts(card.Boards), boardsSize);
    columns.mark = surface.TextWidth(SharedNowAndThenMark, boardsSize);
    double widestRound = 0;
    for (const std::string& round : card.Rows[RoundsRow])
        widestRound = std::max(widestRound, surface.TextWidth(NumberOf(round), size));
    columns.digit = surface.TextWidth("0", size);
    columns.firstCentre = columns.cell - widestRound / 2;
    columns.lastCentre = columns.cell - columns.digit / 2;
    return columns;
}

// The rows that come with board numbers: the labels on one line beside the values, where moving
// every row right has room without another block, and the boards on one line where that has room
// too; a label that still does not fit shrinks. The boards take the rows' size, the columns
// widening for them, unless they are to keep to the columns the other rows need: then they
// shrink where they do not fit them on two lines.
void FitBoardRows(const TableCardContent& card, const TableCardLayout& layout, int size, bool boardsInColumns,
                  int32_t pageWidth, PrintSurface& surface, RoundBlocks& fit) {
    const TableCardLayout::RoundRowPlaces& rows = layout.RoundRows;
    BoardColumns columns = MeasureBoardColumns(card, size, size, surface);
    std::vector<int> lineChoices = {1, 2};
    fit.BoardsSize = size;
    if (boardsInColumns) {
        BoardColumns without = columns;
        without.boards = 0;
        const int step = without.Step(rows.ValueStep, 1);
        const int lines = columns.boards + 2 * columns.space <= step ? 1 : 2;
        if (lines == 2) {
            std::string widest;
            for (const std::string& text : card.Boards)
                if (surface.TextWidth(text, size) > surface.TextWidth(widest, size)) widest = text;
            fit.BoardsSize = SizeToFit(surface, widest, size, 2.0 * step - 2 * columns.space);
            columns = MeasureBoardColumns(card, size, fit.BoardsSize, surface);
        }
        lineChoices = {lines};
    }
    fit.RouteRows = !card.PreviousTables.empty();
    const TableCardWords& words = card.Words;
    std::vector<std::string> labels = {words.BoardsLabel};
    if (fit.RouteRows) labels.insert(labels.end(), {words.PreviousTableLabel, words.NextTableLabel});
    const double widestLabel = WidestOf(surface, labels, size);
    const int labelsEnd = Floor(rows.FirstValueX + columns.LabelsEnd());
    // The labels begin no further left than the card's frame.
    const int shiftNeeded = std::max(0, Ceil(layout.CardLeft + widestLabel - labelsEnd));
    const auto rounds = static_cast<int32_t>(card.Rows[RoundsRow].size());
    const auto blocks = [&](int shift, int lines) {
        return ShareEvenly(rounds, RoundsPerLine(layout, shift, columns.Step(rows.ValueStep, lines),
                                                 columns.RightmostInk(), pageWidth))
            .parts;
    };
    const int32_t fewest = blocks(0, lineChoices.back());
    bool chosen = false;
    for (const int shift : {shiftNeeded, 0})
        for (const int lines : lineChoices)
            if (!chosen && blocks(shift, lines) <= fewest) {
                fit.Shift = shift;
                fit.BoardLines = lines;
                chosen = true;
            }
    fit.ValueStep = columns.Step(rows.ValueStep, fit.BoardLines);
    fit.RoundsPerBlock =
        ShareEvenly(rounds, RoundsPerLine(layout, fit.Shift, fit.ValueStep, columns.RightmostInk(), pageWidth)).each;
    const int end = labelsEnd + fit.Shift;
    const auto place = [&](const std::string& label) {
        const int fitted = SizeToFit(surface, label, size, end);
        return RoundBlocks::Label{std::max(0, Floor(end - surface.TextWidth(label, fitted))), fitted};
    };
    fit.BoardsLabelPlace = place(words.BoardsLabel);
    if (fit.RouteRows) {
        fit.PreviousTableLabelPlace = place(words.PreviousTableLabel);
        fit.NextTableLabelPlace = place(words.NextTableLabel);
    }
}

RoundBlocks FitRoundBlocks(const TableCardContent& card, const TableCardLayout& layout, int size, bool boardsInColumns,
                           int32_t pageWidth, PrintSurface& surface) {
    const TableCardLayout::RoundRowPlaces& rows = layout.RoundRows;
    RoundBlocks fit;
    fit.BlockStep = rows.BlockStep;
    fit.LineStep = rows.NsDrop - rows.RoundDrop;
    fit.FootSize = size;
    for (const std::string& line : card.Foot)
        fit.FootSize = std::min(fit.FootSize, SizeToFit(surface, line, size, pageWidth - layout.CardLeft));
    if (!card.Boards.empty()) {
        FitBoardRows(card, layout, size, boardsInColumns, pageWidth, surface, fit);
        fit.BlockStep = fit.LastLineDrop(layout) + (rows.BlockStep - rows.BoardSetDrop);
        return fit;
    }
    double widest = 0;
    for (const auto& row : card.Rows) widest = std::max(widest, WidestOf(surface, row, size));
    fit.ValueStep = std::max({1, rows.ValueStep, Ceil(widest)});
    const auto rounds = static_cast<int32_t>(card.Rows[RoundsRow].size());
    fit.RoundsPerBlock = ShareEvenly(rounds, RoundsPerLine(layout, 0, fit.ValueStep, widest, pageWidth)).each;
    return fit;
}

// How far down the page the rows and the foot reach.
int RowsBottom(const TableCardContent& card, const TableCardLayout& layout, const RoundBlocks& fit, int size,
               PrintSurface& surface) {
    const auto rounds = static_cast<int32_t>(card.Rows[RoundsRow].size());
    const int32_t blocks = std::max(1, PartsOf(rounds, fit.RoundsPerBlock));
    const int lastTop = layout.CardBottom + (blocks - 1) * fit.BlockStep;
    const int lastLine = card.Foot.empty() ? lastTop + fit.LastLineDrop(layout)
                                           : lastTop + fit.BlockStep + layout.RoundRows.RoundDrop +
                                                 (static_cast<int>(card.Foot.size()) - 1) * fit.LineStep;
    return Ceil(lastLine + (FaceAscent + FaceDescent) * Em(surface, size));
}

// Whether the rows and the foot end on the page once the lines under the set rows and the blocks
// draw together, down to the face's height.
bool DrawTogether(const TableCardContent& card, const TableCardLayout& layout, RoundBlocks& fit, int size,
                  const PageMetrics& page, PrintSurface& surface) {
    const TableCardLayout::RoundRowPlaces& rows = layout.RoundRows;
    const int lineHeight = Ceil((FaceAscent + FaceDescent) * Em(surface, size));
    const int designStep = fit.LineStep;
    for (int step = designStep; step >= std::min(designStep, lineHeight); --step) {
        fit.LineStep = step;
        const int gap = std::min(rows.BlockStep - rows.BoardSetDrop, step);
        if (!card.Boards.empty()) fit.BlockStep = fit.LastLineDrop(layout) + gap;
        if (RowsBottom(card, layout, fit, size, surface) <= page.PageHeight) return true;
    }
    return false;
}

// The rows are the design's where they end on the page, as they do without board numbers, a foot
// or an event's line below them. Else the lines under the set rows and the blocks draw together;
// then the boards keep to the columns the other rows need, shrinking if they must; then the face
// shrinks, all rows alike.
RoundBlocks FitRows(const TableCardContent& card, const TableCardLayout& layout, int& size, const PageMetrics& page,
                    PrintSurface& surface) {
    for (;;) {
        RoundBlocks fit;
        for (const bool boardsInColumns : {false, true}) {
            fit = FitRoundBlocks(card, layout, size, boardsInColumns, page.PageWidth, surface);
            if (DrawTogether(card, layout, fit, size, page, surface)) return fit;
            if (card.Boards.empty()) break;
        }
        if (size == 1) return fit;
        --size;
    }
}

}  // namespace

double RoundNumberCentre(const TableCardContent& card, std::size_t round, int size, PrintSurface& surface) {
    const std::string& cell = card.Rows[RoundsRow].at(round);
    return surface.TextWidth(cell, size) - surface.TextWidth(NumberOf(cell), size) / 2;
}

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
