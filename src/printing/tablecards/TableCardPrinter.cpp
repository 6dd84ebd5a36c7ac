// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableCardPrinter.h"

#include "printing/surfaces/EventFoot.h"
#include "printing/surfaces/SurfaceDrawing.h"
#include "printing/tablecards/TableCardContent.h"
#include "printing/tablecards/TableCardFit.h"
#include "printing/tablecards/TableCardLayout.h"

#include "movement/PairNumbering.h"
#include "movement/PrintRange.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace printing {

namespace {

using movement::MovementState;

// The arrow of the move line: character 232 of a symbol face, "č" in the card's code page.
const char* const ArrowText = "\xc4\x8d";

// Draws one card: the steps keep the order in which the card is built up.
class CardDrawing {
public:
    CardDrawing(const TableCardContent& card, const TableCardLayout& layout, const TableCardFit& fit,
                PrintSurface& surface)
        : card_(card), layout_(layout), fit_(fit), fonts_(fit.Fonts), surface_(surface) {}

    void Draw() {
        DrawBoxNumbers();
        DrawTableNumber();
        DrawBoxLabels();
        DrawFrame();
        DrawMoveLine();
        DrawCompass();
        DrawAttribution();
        if (!card_.Summary.empty()) DrawSummary();
        DrawInformation();
        DrawRoundRows();
    }

private:
    void DrawBoxNumbers() {
        const TableCardLayout::PairBoxes& boxes = layout_.Boxes;
        surface_.SetFontName(CardFace);
        surface_.SetFontSize(fonts_.BoxNumber);
        // The absent pair's mark is one digit wide.
        const auto boxX = [&](int32_t n, bool absent) {
            return n < 10 || absent ? boxes.OneDigitX : layout_.CardLeft + boxes.TwoDigitOffset;
        };
        const auto boxText = [](int32_t n, bool absent) { return absent ? std::string(AbsentDash) : std::to_string(n); };
        const int32_t ns = card_.NsBoxNumber;
        const int32_t we = card_.WeBoxNumber;
        surface_.TextOut(boxX(ns, card_.NsBoxAbsent), layout_.CardTop + boxes.NumberDrop,
                         boxText(ns, card_.NsBoxAbsent));
        surface_.TextOut(boxX(we, card_.WeBoxAbsent), layout_.CardMiddle + boxes.NumberDrop,
                         boxText(we, card_.WeBoxAbsent));
    }

    void DrawTableNumber() {
        surface_.SetFontSize(fonts_.TableNumber);
        surface_.TextOut(fit_.TableNumberX, layout_.CardTop + layout_.TableNumber.Drop, std::to_string(card_.Table));
    }

    void DrawBoxLabels() {
        const TableCardLayout::PairBoxes& boxes = layout_.Boxes;
        surface_.SetFontSize(fonts_.BoxLabel);
        surface_.TextOut(layout_.HalfLeftWidth() - boxes.LabelBack, boxes.NsLabelY, card_.Words.NsBox);
        surface_.TextOut(layout_.HalfLeftWidth() - boxes.LabelBack, boxes.WeLabelY, card_.Words.WeBox);
    }

    void Line(int fromX, int fromY, int toX, int toY) { DrawLine(surface_, fromX, fromY, toX, toY); }

    void DrawFrame() {
        const TableCardLayout& l = layout_;
        surface_.SetPenWidth(l.FramePen);
        Line(l.CardLeft, l.CardTop, l.CardRight, l.CardTop);
        Line(l.CardRight, l.CardTop, l.CardRight, l.CardBottom);
        Line(l.CardRight, l.CardBottom, l.CardLeft, l.CardBottom);
        Line(l.CardLeft, l.CardBottom, l.CardLeft, l.CardTop);
        Line(l.CardDivider, l.CardTop, l.CardDivider, l.CardBottom);
        Line(l.CardLeft, l.CardMiddle, l.CardDivider, l.CardMiddle);
    }

    void DrawMove(int labelOffset, int arrowOffset, const std::string& label, const std::string& nextSeat) {
        const TableCardLayout::MoveLinePlaces& move = layout_.MoveLine;
        surface_.TextOut(layout_.CardLeft + labelOffset, move.Y, label);
        surface_.SetFontName(SymbolFace);
        surface_.TextOut(layout_.CardLeft + arrowOffset, move.Y, ArrowText);
        surface_.SetFontName(CardFace);
        surface_.TextOut(layout_.CardLeft + arrowOffset + move.SeatAfterArrow, move.Y, nextSeat);
    }

    void DrawMoveLine() {
        const TableCardLayout::MoveLinePlaces& move = layout_.MoveLine;
        surface_.SetFontName(CardFace);
        surface_.SetFontSize(fonts_.MoveLine);
        DrawMove(move.NsLabelOffset, move.NsArrowOffset, card_.Words.NsBox, card_.NsNextSeat);
        DrawMove(move.WeLabelOffset, move.WeArrowOffset, card_.Words.WeBox, card_.WeNextSeat);
    }

    void DrawCompass() {
        const TableCardLayout::CompassPlaces& compass = layout_.Compass;
        const int northSouthX = layout_.CardDivider + compass.NorthSouthOffset;
        surface_.TextOut(northSouthX, layout_.CardMiddle - compass.NorthRise, "N");
        surface_.TextOut(layout_.CardDivider + compass.WestEastOffset, layout_.CardMiddle - compass.WestEastRise,
                         "W    E");
        surface_.TextOut(northSouthX, layout_.CardMiddle + compass.SouthDrop, "S");
    }

    void DrawAttribution() {
        surface_.SetFontSize(fonts_.Attribution);
        surface_.SetFontStyle(FontStyle::Underline);
        surface_.TextOut(layout_.ThirdWidth() + layout_.Attribution.Offset, layout_.CardTop + layout_.Attribution.Drop,
                         card_.Words.Attribution);
        surface_.SetFontStyle(FontStyle::Plain);
    }

    // Group by group, each under its heading.
    void DrawSummary() {
        const SummaryFit& summary = fit_.Summary;
        if (fonts_.Summary != fonts_.Attribution) surface_.SetFontSize(fonts_.Summary);
        const auto lines = static_cast<int32_t>(card_.Summary.size());
        for (int32_t first = 1, x = summary.X; first < lines; first += summary.TablesPerGroup, x += summary.GroupStep) {
            int y = layout_.Summary.Top + layout_.Summary.LineStep;
            surface_.TextOut(x, y, card_.Summary.front());
            for (int32_t line = first; line < std::min(lines, first + summary.TablesPerGroup); ++line)
                surface_.TextOut(x, y += layout_.Summary.LineStep, card_.Summary[line]);
        }
    }

    void DrawInformation() {
        const TableCardLayout::InformationPlaces& information = layout_.Information;
        surface_.SetFontSize(fonts_.Information);
        const int x = layout_.CardDivider + information.Offset;
        const int drops[] = {information.CountsDrop, information.NumberingDrop, information.SourceDrop};
        for (std::size_t line = 0; line < card_.Information.size(); ++line)
            surface_.TextOut(x, layout_.CardTop + drops[line], card_.Information[line]);
    }

    // Block by block: the four headings, then the rows.
    void DrawRoundRows() {
        const TableCardLayout::RoundRowPlaces& rows = layout_.RoundRows;
        const RoundBlocks& blocks = fit_.Rows;
        const int shift = blocks.Shift;
        surface_.SetFontSize(fonts_.RoundRows);
        surface_.SetFontStyle(FontStyle::Plain);
        const int drops[] = {rows.RoundDrop, rows.NsDrop, rows.WeDrop, rows.BoardSetDrop};
        const auto rounds = static_cast<int32_t>(card_.Rows[RoundsRow].size());
        int top = layout_.CardBottom;
        for (int32_t first = 0; first < rounds || first == 0; first += blocks.RoundsPerBlock, top += blocks.BlockStep) {
            const TableCardWords& words = card_.Words;
            surface_.TextOut(rows.RoundLabelX + shift, top + rows.RoundDrop, "  " + words.RoundsLabel);
            surface_.TextOut(rows.NsLabelX + shift, top + rows.NsDrop, "  " + words.NsLabel);
            surface_.TextOut(rows.WeLabelX + shift, top + rows.WeDrop, "  " + words.WeLabel);
            surface_.TextOut(layout_.CardLeft + shift, top + rows.BoardSetDrop, words.BoardSetLabel);
            const int32_t last = std::min(rounds, first + blocks.RoundsPerBlock);
            for (int row = 0; row < RoundRowCount; ++row) {
                int x = rows.FirstValueX + shift;
                for (int32_t round = first; round < last; ++round, x += blocks.ValueStep)
                    surface_.TextOut(x, top + drops[row], card_.Rows[row][round]);
            }
            if (!card_.Boards.empty()) DrawBoardRows(top, first, last);
        }
        DrawFoot(top);
    }

    // The boards of each round centred under its number, then the tables the set comes from and
    // goes to, each ending where the round's cells end.
    void DrawBoardRows(int top, int32_t first, int32_t last) {
        const RoundBlocks& blocks = fit_.Rows;
        const int size = fonts_.RoundRows;
        const auto label = [&](const RoundBlocks::Label& place, int y, const std::string& text) {
            surface_.SetFontSize(place.Size);
            surface_.TextOut(place.X, y, text);
        };
        label(blocks.BoardsLabelPlace, top + blocks.BoardsDrop(layout_, 0), card_.Words.BoardsLabel);
        if (blocks.RouteRows) {
            label(blocks.PreviousTableLabelPlace, top + blocks.PreviousTableDrop(layout_),
                  card_.Words.PreviousTableLabel);
            label(blocks.NextTableLabelPlace, top + blocks.NextTableDrop(layout_), card_.Words.NextTableLabel);
        }
        const int firstX = layout_.RoundRows.FirstValueX + blocks.Shift;
        for (int32_t round = first; round < last; ++round) {
            const int x = firstX + (round - first) * blocks.ValueStep;
            const auto at = static_cast<std::size_t>(round);
            const double centre = x + RoundNumberCentre(card_, at, size, surface_);
            // The boards are centred, the mark of a set shared in this round only after them.
            const std::string& boards = card_.Boards[at];
            const std::string numbers = boards.substr(0, boards.find(SharedNowAndThenMark));
            surface_.SetFontSize(blocks.BoardsSize);
            surface_.TextOut(static_cast<int>(std::lround(centre - surface_.TextWidth(numbers, blocks.BoardsSize) / 2)),
                             top + blocks.BoardsDrop(layout_, (round - first) % blocks.BoardLines), boards);
            surface_.SetFontSize(size);
            const double cellEnd = x + surface_.TextWidth(card_.Rows[RoundsRow][at], size);
            const auto route = [&](const std::vector<std::string>& texts, int drop) {
                if (at >= texts.size() || texts[at].empty()) return;
                surface_.TextOut(static_cast<int>(std::lround(cellEnd - surface_.TextWidth(texts[at], size))),
                                 top + drop, texts[at]);
            };
            route(card_.PreviousTables, blocks.PreviousTableDrop(layout_));
            route(card_.NextTables, blocks.NextTableDrop(layout_));
        }
    }

    // Under the last block, where the next block's rounds would stand.
    void DrawFoot(int top) {
        if (card_.Foot.empty()) return;
        const RoundBlocks& blocks = fit_.Rows;
        surface_.SetFontSize(blocks.FootSize);
        int y = top + layout_.RoundRows.RoundDrop;
        for (const std::string& line : card_.Foot) {
            surface_.TextOut(layout_.CardLeft, y, line);
            y += blocks.LineStep;
        }
    }

    const TableCardContent& card_;
    const TableCardLayout& layout_;
    const TableCardFit& fit_;
    const CardFonts& fonts_;
    PrintSurface& surface_;
};

}  // namespace

namespace {

// The cards of a range, a page each.
class TableCardPages : public PagedProduct {
public:
    TableCardPages(const MovementState& state, const PageMetrics& page, movement::PrintRange range,
                   const RunRequest& request, PrintSurface& surface)
        : state_(state),
          page_(page),
          range_(range),
          surface_(surface),
          layout_(ComputeCardLayout(page.PageWidth, page.PageHeight)),
          fonts_(ScaledFonts(PageFontScale(layout_, surface))),
          arbitraryNumbers_(movement::ArbitraryNumbersInUse(state)),
          routes_(request.boardsPerSet != movement::NoBoardsGiven ? movement::RoutesOf(state, request.absentPair)
                                                                  : movement::SetRoutes{}),
          words_(CardWords(request)),
          additions_{request.boardsPerSet, request.absentPair, &routes_, &words_},
          event_(FitEventFoot(surface, request.event, fonts_.Information, page.PageWidth)),
          rowsPage_{page.PageWidth, page.PageHeight - event_.room} {}

    int32_t PageCount() const override { return range_.Count(); }
    std::string RunTitle() const override { return movement::PrintJobTitle(words_, state_, range_.first, range_.last); }
    std::string JobTitle(int32_t page) const override {
        return movement::PrintJobTitle(words_, state_, range_.first + page, range_.first + page);
    }

    void DrawPage(int32_t page) override {
        const TableCardContent card = ContentOf(state_, range_.first + page, arbitraryNumbers_, additions_);
        // The rows end above the event's line.
        const TableCardFit fit = FitCard(card, layout_, fonts_, rowsPage_, surface_);
        CardDrawing(card, layout_, fit, surface_).Draw();
        DrawEventFoot(surface_, event_, 0, page_.PageWidth, page_.PageHeight);
    }

private:
    const MovementState& state_;
    PageMetrics page_;
    movement::PrintRange range_;
    PrintSurface& surface_;
    TableCardLayout layout_;
    CardFonts fonts_;
    bool arbitraryNumbers_;
    movement::SetRoutes routes_;
    const movement::Catalogue& words_;
    CardAdditions additions_;
    EventFoot event_;
    PageMetrics rowsPage_;
};

}  // namespace

PagedProductResult LayOutTableCards(const MovementState& state, const PageMetrics& page, const RunRequest& request,
                                    PrintSurface& surface) {
    const movement::PrintRange range = movement::ClampPrintRange(state, request.first, request.last);
    if (range.Count() == 0) return PagedProductResult::Refused(RZ_TEXT("refusals", "Nieznany schemat Howell'a"));
    return PagedProductResult::Accepted(std::make_unique<TableCardPages>(state, page, range, request, surface));
}

}  // namespace printing
