// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetFit.h"

#include "printing/Products.h"
#include "printing/surfaces/TextFit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace printing {

namespace {

constexpr int TitleDesignSize = 16;
constexpr int InformationDesignSize = 10;
constexpr int FindingsDesignSize = 10;
constexpr int CellDesignSize = 12;
constexpr int CellFloorSize = 7;
constexpr double SetProportion = 0.85;  // the board set under the pairs, smaller
constexpr double GridPenPoints = 0.5;

// Everything above and below the grid, whatever the cells' size.
void PlaceText(const SheetContent& sheet, const PageMetrics& page, PrintSurface& surface, SheetFit& fit) {
    const double width = page.PageWidth;
    fit.TitleSize = SizeToFit(surface, sheet.Title + ContinuedMark, TitleDesignSize, width);
    fit.InformationSize = InformationDesignSize;
    for (const std::string& line : sheet.Information)
        fit.InformationSize = SizeToFit(surface, line, fit.InformationSize, width);
    fit.InformationTop = Ceil(1.4 * Em(surface, fit.TitleSize));
    fit.InformationStep = std::max(1, Ceil(1.25 * Em(surface, fit.InformationSize)));
    fit.GridPen = std::max(1, Ceil(GridPenPoints * surface.PixelsPerPoint()));
    fit.GridLeft = fit.GridPen;
    fit.GridTop = fit.InformationTop + static_cast<int>(sheet.Information.size()) * fit.InformationStep +
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

// Every text of the cells once: there are few, and cells many.
struct CellTexts {
    std::vector<std::string> pairs;
    std::vector<std::string> sets;
};

CellTexts DistinctCellTexts(const SheetContent& sheet) {
    CellTexts texts;
    for (const auto& round : sheet.Cells)
        for (const SheetCell& cell : round) {
            texts.pairs.push_back(cell.Pairs);
            texts.sets.push_back(cell.BoardSet);
        }
    return {DistinctTexts(std::move(texts.pairs)), DistinctTexts(std::move(texts.sets))};
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
    fit.RowHeight = fit.SetDrop + Ceil(FaceAscent * Em(surface, fit.SetSize) + 0.25 * em);

    const int across = page.PageWidth - 2 * fit.GridLeft - fit.RoundColumnWidth;
    const int down = page.PageHeight - fit.GridTop - fit.HeaderHeight - fit.GridPen - fit.FindingsGap -
                     static_cast<int>(fit.FindingLines.size()) * fit.FindingsStep;
    fit.TablesPerPage = across > 0 ? across / std::max(1, fit.ColumnWidth) : 0;
    fit.RoundsPerPage = down > 0 ? down / std::max(1, fit.RowHeight) : 0;
}

int32_t PagesAt(const SheetContent& sheet, const SheetFit& fit) {
    if (fit.TablesPerPage < 1 || fit.RoundsPerPage < 1) return 0;
    const auto tables = static_cast<int32_t>(sheet.TableHeadings.size());
    const auto rounds = static_cast<int32_t>(sheet.RoundLabels.size());
    return std::max(1, PartsOf(tables, fit.TablesPerPage)) * std::max(1, PartsOf(rounds, fit.RoundsPerPage));
}

}  // namespace

SheetFit FitSheet(const SheetContent& sheet, const PageMetrics& page, PrintSurface& surface) {
    SheetFit fit;
    PlaceText(sheet, page, surface, fit);
    const CellTexts cells = DistinctCellTexts(sheet);
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
    return fit;
}

}  // namespace printing
