// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetFit.h"

#include "printing/product/ProductTitles.h"
#include "printing/surfaces/TextFit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace printing {

namespace {

constexpr int TitleDesignSize = 16;
constexpr int InformationDesignSize = 10;
constexpr int FindingsDesignSize = 10;
// The grid grows up to this size where the page has room: larger than the information, smaller
// than the title, and a sheet of few tables still reads as one table, not a poster.
constexpr int CellDesignSize = 14;
constexpr int CellFloorSize = 7;
constexpr double SetProportion = 0.85;   // the board set under the pairs, smaller
constexpr double NoteProportion = 0.85;  // the round's note under its cells, as the sets
constexpr double GridPenPoints = 0.5;

// Everything above and below the grid, whatever the cells' size.
void PlaceText(const SheetContent& sheet, bool notes, const PageMetrics& page, PrintSurface& surface, SheetFit& fit) {
    const double width = page.PageWidth;
    fit.NotesShown = notes;
    fit.InformationLines = sheet.Information;
    if (notes) fit.InformationLines.push_back(sheet.RoundNotesLegend);
    fit.TitleSize = SizeToFit(surface, sheet.ContinuedTitle, TitleDesignSize, width);
    fit.InformationSize = InformationDesignSize;
    for (const std::string& line : fit.InformationLines)
        fit.InformationSize = SizeToFit(surface, line, fit.InformationSize, width);
    fit.InformationTop = Ceil(1.4 * Em(surface, fit.TitleSize));
    fit.InformationStep = std::max(1, Ceil(1.25 * Em(surface, fit.InformationSize)));
    fit.GridPen = std::max(1, Ceil(GridPenPoints * surface.PixelsPerPoint()));
    fit.GridLeft = fit.GridPen;
    fit.GridTop = fit.InformationTop + static_cast<int>(fit.InformationLines.size()) * fit.InformationStep +
                  Ceil(0.6 * Em(surface, fit.InformationSize));

    fit.FindingsSize = FindingsDesignSize;
    fit.FindingLines.clear();
    for (const std::string& finding : sheet.Findings)
        for (std::string& line : WrapText(surface, finding, fit.FindingsSize, width)) {
            fit.FindingsSize = SizeToFit(surface, line, fit.FindingsSize, width);
            fit.FindingLines.push_back(std::move(line));
        }
    fit.FindingsGap = Ceil(0.8 * Em(surface, fit.FindingsSize));
    fit.FindingsStep = std::max(1, Ceil(1.25 * Em(surface, fit.FindingsSize)));
}

// Every text of the cells once: there are few, and cells many; and the widest round note.
struct CellTexts {
    std::vector<std::string> pairs;
    std::vector<std::string> sets;
    std::string widestNote;
};

CellTexts DistinctCellTexts(const SheetContent& sheet, PrintSurface& surface) {
    CellTexts texts;
    for (const auto& round : sheet.Cells)
        for (const SheetCell& cell : round) {
            texts.pairs.push_back(cell.Pairs);
            texts.sets.push_back(cell.BoardSet);
        }
    double widest = 0;
    for (const std::string& note : sheet.RoundNotes)
        if (const double width = surface.TextWidth(note, InformationDesignSize); width > widest) {
            widest = width;
            texts.widestNote = note;
        }
    return {DistinctTexts(std::move(texts.pairs)), DistinctTexts(std::move(texts.sets)), texts.widestNote};
}

// The tables of the narrowest block of the grid, where the tables are shared out evenly.
int32_t NarrowestBlock(int32_t tables, int32_t perPage) {
    const EvenShare share = ShareEvenly(tables, std::max(1, perPage));
    return std::max(1, tables - (share.parts - 1) * share.each);
}

// The grid at one size: how many tables and rounds a page then holds.
void PlaceGrid(const SheetContent& sheet, const CellTexts& cells, int size, const PageMetrics& page,
               PrintSurface& surface, SheetFit& fit) {
    const double em = Em(surface, size);
    fit.CellSize = size;
    fit.SetSize = Scaled(size, SetProportion);
    const double widest = std::max({WidestOf(surface, sheet.TableHeadings, size), WidestOf(surface, cells.pairs, size),
                                    WidestOf(surface, cells.sets, fit.SetSize)});
    fit.ColumnWidth = Ceil(widest + 0.8 * em);
    fit.RoundColumnWidth =
        Ceil(std::max(surface.TextWidth(sheet.RoundHeading, size), WidestOf(surface, sheet.RoundLabels, size)) +
             0.8 * em);
    const double line = FaceAscent + FaceDescent;
    // The cells hold digits, "-" and "*", none reaching below the baseline: the set stands just
    // under the pairs' baseline and the next line just under the set's.
    fit.TextDrop = Ceil(0.15 * em);
    fit.HeaderHeight = Ceil((0.3 + line) * em);
    fit.SetDrop = fit.TextDrop + Ceil((FaceAscent + 0.05) * em);
    fit.CellsHeight = fit.SetDrop + Ceil(FaceAscent * Em(surface, fit.SetSize) + 0.25 * em);
    fit.RowHeight = fit.CellsHeight;
    fit.NoteSize = Scaled(size, NoteProportion);
    fit.NoteIndent = Ceil(0.3 * em);
    if (fit.NotesShown) {
        // The note's letters reach below the baseline.
        fit.NoteDrop = fit.CellsHeight + Ceil(0.1 * em);
        fit.RowHeight = fit.NoteDrop + Ceil(line * Em(surface, fit.NoteSize) + 0.1 * em);
    }

    const int across = page.PageWidth - 2 * fit.GridLeft - fit.RoundColumnWidth;
    const int down = page.PageHeight - fit.GridTop - fit.HeaderHeight - fit.GridPen - fit.FindingsGap -
                     static_cast<int>(fit.FindingLines.size()) * fit.FindingsStep - fit.Event.room;
    fit.TablesPerPage = across > 0 ? across / std::max(1, fit.ColumnWidth) : 0;
    fit.RoundsPerPage = down > 0 ? down / std::max(1, fit.RowHeight) : 0;

    // A grid of few tables widens its columns, as far as the page allows, to hold its notes whole.
    const auto tables = static_cast<int32_t>(sheet.TableHeadings.size());
    if (fit.NotesShown && tables >= 1 && fit.TablesPerPage >= tables) {
        const int needed = Ceil(surface.TextWidth(cells.widestNote, fit.NoteSize)) + 2 * fit.NoteIndent;
        const int columns = std::min(across / tables, Ceil(static_cast<double>(needed) / tables));
        fit.ColumnWidth = std::max(fit.ColumnWidth, columns);
    }
}

int32_t PagesAt(const SheetContent& sheet, const SheetFit& fit) {
    if (fit.TablesPerPage < 1 || fit.RoundsPerPage < 1) return 0;
    const auto tables = static_cast<int32_t>(sheet.TableHeadings.size());
    const auto rounds = static_cast<int32_t>(sheet.RoundLabels.size());
    return std::max(1, PartsOf(tables, fit.TablesPerPage)) * std::max(1, PartsOf(rounds, fit.RoundsPerPage));
}

SheetFit FitWith(const SheetContent& sheet, const CellTexts& cells, bool notes, const PageMetrics& page,
                 PrintSurface& surface, const std::string& event) {
    SheetFit fit;
    PlaceText(sheet, notes, page, surface, fit);
    fit.Event = FitEventFoot(surface, event, InformationDesignSize, page.PageWidth);
    const int chosen = LargestSizeOfFewestParts(CellDesignSize, CellFloorSize, [&](int size) -> int64_t {
        PlaceGrid(sheet, cells, size, page, surface, fit);
        return PagesAt(sheet, fit);
    });
    PlaceGrid(sheet, cells, chosen, page, surface, fit);
    fit.TablesPerPage = std::max(1, fit.TablesPerPage);
    fit.RoundsPerPage = std::max(1, fit.RoundsPerPage);

    // The same number of pages, with the tables and rounds shared out evenly among them.
    const auto tables = static_cast<int32_t>(sheet.TableHeadings.size());
    const auto rounds = static_cast<int32_t>(sheet.RoundLabels.size());
    fit.TablesPerPage = ShareEvenly(tables, fit.TablesPerPage).each;
    fit.RoundsPerPage = ShareEvenly(rounds, fit.RoundsPerPage).each;
    // The notes shrink, where they must, to the narrowest block's width.
    if (notes) {
        const int room = NarrowestBlock(tables, fit.TablesPerPage) * fit.ColumnWidth - 2 * fit.NoteIndent;
        fit.NoteSize = SizeToFit(surface, cells.widestNote, fit.NoteSize, room);
    }
    return fit;
}

}  // namespace

SheetFit FitSheet(const SheetContent& sheet, const PageMetrics& page, PrintSurface& surface, const std::string& event) {
    return FitWith(sheet, DistinctCellTexts(sheet, surface), !sheet.RoundNotes.empty(), page, surface, event);
}

}  // namespace printing
