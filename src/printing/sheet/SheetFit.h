// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PageMetrics.h"
#include "printing/sheet/SheetContent.h"
#include "printing/surfaces/EventFoot.h"
#include "printing/surfaces/PrintSurface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// Where the movement sheet places its texts and lines, in device pixels. Every page is laid out
// alike: the title and information at the top, then a block of the grid (up to RoundsPerPage
// rounds of up to TablesPerPage tables); the findings follow the grid on the last page, and the
// room they take is kept on every page. A round's row holds its cells and, under them, its note.
struct SheetFit {
    int TitleSize = 1;
    int InformationSize = 1;
    int CellSize = 1;  // the pairs, the headings and the rounds
    int SetSize = 1;
    int NoteSize = 1;
    int FindingsSize = 1;

    std::vector<std::string> InformationLines;  // the content's, with the round notes' legend
    int InformationTop = 0;                     // below the page's top
    int InformationStep = 1;
    int GridTop = 0;
    int GridLeft = 0;
    int GridPen = 1;

    int RoundColumnWidth = 0;
    int ColumnWidth = 0;
    int HeaderHeight = 0;
    int RowHeight = 0;
    int TextDrop = 0;     // from a row's top to its pairs, and from the header's top to the headings
    int SetDrop = 0;      // from a row's top to its board set
    int CellsHeight = 0;  // from a row's top to the line under its cells: the whole row without notes
    bool NotesShown = false;
    int NoteDrop = 0;    // from a row's top to its note
    int NoteIndent = 0;  // from the first table's column to the note

    int32_t TablesPerPage = 1;
    int32_t RoundsPerPage = 1;

    std::vector<std::string> FindingLines;  // the findings broken to the page's width
    int FindingsGap = 0;                    // between the grid and the findings
    int FindingsStep = 1;

    EventFoot Event;  // at the foot of every page, under the room of the findings
};

// The largest sizes, down to a readable floor and up to a size read comfortably at a desk, that
// put the grid on the fewest pages; below the floor only where not one table and round fit at
// it. Tables and rounds are shared out evenly among the pages. The round notes are always kept:
// they take a further page rather than be left out.
SheetFit FitSheet(const SheetContent& sheet, const PageMetrics& page, PrintSurface& surface,
                  const std::string& event = {});

}  // namespace printing
