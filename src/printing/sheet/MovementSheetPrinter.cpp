// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovementSheetPrinter.h"

#include "printing/product/ProductTitles.h"
#include "printing/sheet/SheetContent.h"
#include "printing/sheet/SheetFit.h"
#include "printing/surfaces/SurfaceDrawing.h"
#include "printing/surfaces/TextFit.h"

#include <algorithm>
#include <string>
#include <utility>

namespace printing {

namespace {

class SheetDrawing {
public:
    SheetDrawing(const SheetContent& sheet, const SheetFit& fit, const PageMetrics& page, PrintSurface& surface)
        : sheet_(sheet), fit_(fit), page_(page), surface_(surface), centred_(surface) {}

    // Tables first..first+count-1 in rounds from..from+rounds-1.
    void Draw(bool continued, int32_t firstTable, int32_t tables, int32_t firstRound, int32_t rounds, bool last) {
        surface_.SetFontName(CardFace);
        surface_.SetFontSize(fit_.TitleSize);
        surface_.TextOut(0, 0, continued ? sheet_.ContinuedTitle : sheet_.Title);
        surface_.SetFontSize(fit_.InformationSize);
        for (std::size_t line = 0; line < fit_.InformationLines.size(); ++line)
            surface_.TextOut(0, fit_.InformationTop + static_cast<int>(line) * fit_.InformationStep,
                             fit_.InformationLines[line]);

        // The absent pair's cells in grey, under the lines and the texts.
        for (int32_t r = 0; r < rounds; ++r)
            for (int32_t t = 0; t < tables; ++t)
                if (sheet_.Cells[firstRound + r][firstTable + t].Absent)
                    surface_.FillRect(ColumnLeft(t), RowTop(r), fit_.ColumnWidth, fit_.CellsHeight);
        DrawLines(tables, rounds);
        surface_.SetFontSize(fit_.CellSize);
        const int header = fit_.GridTop + fit_.TextDrop;
        Centred(sheet_.RoundHeading, fit_.GridLeft, fit_.RoundColumnWidth, header, fit_.CellSize);
        for (int32_t t = 0; t < tables; ++t)
            Centred(sheet_.TableHeadings[firstTable + t], ColumnLeft(t), fit_.ColumnWidth, header, fit_.CellSize);
        for (int32_t r = 0; r < rounds; ++r) {
            const int top = RowTop(r);
            Centred(sheet_.RoundLabels[firstRound + r], fit_.GridLeft, fit_.RoundColumnWidth, top + fit_.TextDrop,
                    fit_.CellSize);
            for (int32_t t = 0; t < tables; ++t)
                Centred(sheet_.Cells[firstRound + r][firstTable + t].Pairs, ColumnLeft(t), fit_.ColumnWidth,
                        top + fit_.TextDrop, fit_.CellSize);
        }
        surface_.SetFontSize(fit_.SetSize);
        for (int32_t r = 0; r < rounds; ++r)
            for (int32_t t = 0; t < tables; ++t)
                Centred(sheet_.Cells[firstRound + r][firstTable + t].BoardSet, ColumnLeft(t), fit_.ColumnWidth,
                        RowTop(r) + fit_.SetDrop, fit_.SetSize);
        if (fit_.NotesShown) {
            surface_.SetFontSize(fit_.NoteSize);
            for (int32_t r = 0; r < rounds; ++r)
                if (const std::string& note = sheet_.RoundNotes[firstRound + r]; !note.empty())
                    surface_.TextOut(ColumnLeft(0) + fit_.NoteIndent, RowTop(r) + fit_.NoteDrop, note);
        }
        if (last) DrawFindings(RowTop(rounds));
        DrawEventFoot(surface_, fit_.Event, 0, page_.PageWidth, page_.PageHeight);
    }

private:
    int ColumnLeft(int32_t t) const { return fit_.GridLeft + fit_.RoundColumnWidth + t * fit_.ColumnWidth; }
    int RowTop(int32_t r) const { return fit_.GridTop + fit_.HeaderHeight + r * fit_.RowHeight; }

    void Centred(const std::string& text, int x, int width, int y, int size) { centred_.Draw(text, x, width, y, size); }

    void Line(int fromX, int fromY, int toX, int toY) { DrawLine(surface_, fromX, fromY, toX, toY); }

    // A line above the header, under it and under every round; one left of the rounds, one after
    // each column. A round's note stands in a box of its own under its cells, the width of them all.
    void DrawLines(int32_t tables, int32_t rounds) {
        surface_.SetPenWidth(fit_.GridPen);
        const int right = ColumnLeft(tables);
        const int bottom = RowTop(rounds);
        Line(fit_.GridLeft, fit_.GridTop, right, fit_.GridTop);
        for (int32_t r = 0; r <= rounds; ++r) Line(fit_.GridLeft, RowTop(r), right, RowTop(r));
        Line(fit_.GridLeft, fit_.GridTop, fit_.GridLeft, bottom);
        for (const int32_t t : {0, tables}) Line(ColumnLeft(t), fit_.GridTop, ColumnLeft(t), bottom);
        if (!fit_.NotesShown) {
            for (int32_t t = 1; t < tables; ++t) Line(ColumnLeft(t), fit_.GridTop, ColumnLeft(t), bottom);
            return;
        }
        for (int32_t t = 1; t < tables; ++t) Line(ColumnLeft(t), fit_.GridTop, ColumnLeft(t), RowTop(0));
        for (int32_t r = 0; r < rounds; ++r) {
            const int cellsBottom = RowTop(r) + fit_.CellsHeight;
            Line(ColumnLeft(0), cellsBottom, right, cellsBottom);
            for (int32_t t = 1; t < tables; ++t) Line(ColumnLeft(t), RowTop(r), ColumnLeft(t), cellsBottom);
        }
    }

    void DrawFindings(int gridBottom) {
        surface_.SetFontSize(fit_.FindingsSize);
        int y = gridBottom + fit_.FindingsGap;
        for (const std::string& line : fit_.FindingLines) {
            surface_.TextOut(0, y, line);
            y += fit_.FindingsStep;
        }
    }

    const SheetContent& sheet_;
    const SheetFit& fit_;
    PageMetrics page_;
    PrintSurface& surface_;
    CentredText centred_;
};

}  // namespace

namespace {

// The grid in blocks of tables across and rounds down, a block to a page.
class SheetPages : public PagedProduct {
public:
    SheetPages(const movement::MovementState& state, const PageMetrics& page, const RunRequest& request,
               PrintSurface& surface)
        : state_(state),
          words_(CardWords(request)),
          sheet_(SheetOf(words_, state, request.absentPair, request.boardsPerSet)),
          fit_(FitSheet(sheet_, page, surface, request.event)),
          tables_(static_cast<int32_t>(sheet_.TableHeadings.size())),
          rounds_(static_cast<int32_t>(sheet_.RoundLabels.size())),
          tableBlocks_(std::max(1, PartsOf(tables_, fit_.TablesPerPage))),
          roundBlocks_(std::max(1, PartsOf(rounds_, fit_.RoundsPerPage))),
          drawing_(sheet_, fit_, page, surface) {}

    int32_t PageCount() const override { return tableBlocks_ * roundBlocks_; }
    std::string RunTitle() const override { return ProductTitle(words_, MovementSheetName, state_); }
    std::string JobTitle(int32_t page) const override { return PageTitle(words_, MovementSheetName, state_, page + 1); }

    void DrawPage(int32_t sheetPage) override {
        const int32_t firstRound = sheetPage / tableBlocks_ * fit_.RoundsPerPage;
        const int32_t firstTable = sheetPage % tableBlocks_ * fit_.TablesPerPage;
        drawing_.Draw(sheetPage > 0, firstTable, std::min(fit_.TablesPerPage, tables_ - firstTable), firstRound,
                      std::min(fit_.RoundsPerPage, rounds_ - firstRound), sheetPage + 1 == PageCount());
    }

private:
    const movement::MovementState& state_;
    const movement::Catalogue& words_;
    SheetContent sheet_;
    SheetFit fit_;
    int32_t tables_;
    int32_t rounds_;
    int32_t tableBlocks_;
    int32_t roundBlocks_;
    SheetDrawing drawing_;
};

}  // namespace

PagedProductResult LayOutMovementSheet(const movement::MovementState& state, const PageMetrics& page,
                                       const RunRequest& request, PrintSurface& surface) {
    return PagedProductResult::Accepted(std::make_unique<SheetPages>(state, page, request, surface));
}

}  // namespace printing
