// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairCardPrinter.h"

#include "printing/paircards/PairCardContent.h"
#include "printing/paircards/PairCardFit.h"
#include "printing/product/ProductTitles.h"
#include "printing/surfaces/SurfaceDrawing.h"
#include "printing/surfaces/TextFit.h"

#include <algorithm>
#include <string>
#include <vector>

namespace printing {

namespace {

class PairCardDrawing {
public:
    PairCardDrawing(const PairCards& cards, const PairCardFit& fit, const PageMetrics& page, PrintSurface& surface)
        : cards_(cards), fit_(fit), page_(page), surface_(surface), centred_(surface) {}

    void DrawCuts() {
        surface_.SetPenWidth(fit_.CutPen);
        for (int32_t column = 1; column < fit_.Across; ++column)
            DrawDashedLine(surface_, column * fit_.CellWidth, 0, column * fit_.CellWidth, page_.PageHeight,
                           fit_.CutDash);
        for (int32_t row = 1; row < fit_.Down; ++row)
            DrawDashedLine(surface_, 0, row * fit_.CellHeight, page_.PageWidth, row * fit_.CellHeight, fit_.CutDash);
    }

    void Draw(const PairCardPiece& piece, int32_t cell) {
        const PairCardContent& card = cards_.Cards[piece.Card];
        const int left = (cell % fit_.Across) * fit_.CellWidth + fit_.Padding;
        const int top = (cell / fit_.Across) * fit_.CellHeight + fit_.Padding;
        surface_.SetFontName(CardFace);
        surface_.SetFontSize(fit_.MovementSize);
        surface_.TextOut(left, top, cards_.Movement);
        surface_.SetFontSize(fit_.HeadingSize);
        surface_.TextOut(left, top + fit_.HeadingTop, piece.Continued ? card.ContinuedHeading : card.Heading);
        if (!piece.Continued && !card.Stationary.empty()) {
            surface_.SetFontSize(fit_.NoteSize);
            surface_.TextOut(left, top + fit_.NoteTop, card.Stationary);
        }
        surface_.SetFontSize(fit_.RowSize);
        const auto rows = static_cast<int32_t>(piece.Rows);
        const EvenShare share = ShareEvenly(rows, fit_.RowsPerGroup);
        const int32_t groups = share.parts;
        const int32_t perGroup = share.each;
        for (int32_t group = 0; group < groups; ++group) {
            const int x = left + group * fit_.GroupStep;
            DrawHeadings(x, top);
            for (int32_t row = group * perGroup; row < std::min(rows, (group + 1) * perGroup); ++row) {
                const std::size_t index = piece.FirstRow + static_cast<std::size_t>(row);
                const int y = top + fit_.FirstRowTop + (row % perGroup) * fit_.RowStep;
                if (index / RowsPerBand % 2 == 1)
                    surface_.FillRect(x - fit_.BandTop, y - fit_.BandTop, fit_.GroupWidth + 2 * fit_.BandTop,
                                      fit_.RowStep);
                DrawRow(card.Rows[index], x, y);
            }
        }
        DrawEventFoot(surface_, fit_.Event, left, fit_.CellWidth - 2 * fit_.Padding,
                      top + fit_.CellHeight - 2 * fit_.Padding);
    }

private:
    void Centred(const std::string& text, int x, int width, int y) { centred_.Draw(text, x, width, y, fit_.RowSize); }

    void DrawHeadings(int x, int top) {
        surface_.SetFontSize(fit_.HeadingsSize);
        for (const PairColumn column : cards_.Columns)
            centred_.Draw(cards_.Headings[column], x + fit_.ColumnX[column], fit_.ColumnWidth[column],
                          top + fit_.HeadingsTop, fit_.HeadingsSize);
        surface_.SetFontSize(fit_.RowSize);
        DrawLine(surface_, x, top + fit_.RuleTop, x + fit_.GroupWidth, top + fit_.RuleTop);
    }

    void DrawRow(const std::array<std::string, PairColumnCount>& row, int x, int y) {
        for (const PairColumn column : cards_.Columns)
            if (!row[column].empty()) Centred(row[column], x + fit_.ColumnX[column], fit_.ColumnWidth[column], y);
    }

    const PairCards& cards_;
    const PairCardFit& fit_;
    const PageMetrics& page_;
    PrintSurface& surface_;
    CentredText centred_;
};

}  // namespace

namespace {

// The cards cut into pieces that fit a cell, as many cells to a page as the paper holds.
class PairCardPages : public PagedProduct {
public:
    PairCardPages(const movement::MovementState& state, const PageMetrics& page, const RunRequest& request,
                  PrintSurface& surface)
        : state_(state),
          words_(CardWords(request)),
          cards_(PairCardsOf(words_, state, request.absentPair, request.boardsPerSet)),
          fit_(FitPairCards(cards_, page, surface, request.event)),
          pieces_(CutIntoPieces(cards_, fit_)),
          cellsPerPage_(fit_.Across * fit_.Down),
          drawing_(cards_, fit_, page, surface) {}

    int32_t PageCount() const override {
        return std::max(PartsOf(static_cast<int32_t>(pieces_.size()), cellsPerPage_), 1);
    }
    std::string RunTitle() const override { return ProductTitle(words_, PairCardsName, state_); }
    std::string JobTitle(int32_t page) const override { return PageTitle(words_, PairCardsName, state_, page + 1); }

    void DrawPage(int32_t pageIndex) override {
        drawing_.DrawCuts();
        for (int32_t cell = 0; cell < cellsPerPage_; ++cell) {
            const auto piece = static_cast<std::size_t>(pageIndex) * cellsPerPage_ + cell;
            if (piece < pieces_.size()) drawing_.Draw(pieces_[piece], cell);
        }
    }

private:
    const movement::MovementState& state_;
    const movement::Catalogue& words_;
    PairCards cards_;
    PairCardFit fit_;
    std::vector<PairCardPiece> pieces_;
    int32_t cellsPerPage_;
    PairCardDrawing drawing_;
};

}  // namespace

PagedProductResult LayOutPairCards(const movement::MovementState& state, const PageMetrics& page,
                                   const RunRequest& request, PrintSurface& surface) {
    return PagedProductResult::Accepted(std::make_unique<PairCardPages>(state, page, request, surface));
}

}  // namespace printing
