// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printed PDFs read back with pdftotext as a reader of the file would see them, and what the
// PDF tests share: the papers, the movements at the edges of the program's range, and the check
// that no two inks meet.

#include "movement/MovementState.h"
#include "movement/Text.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace pdftesting {

constexpr int Resolution = 600;

struct Word {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

// The words pdftotext finds, with their boxes in points from the top left of the page; only
// pages first..last (from 1) when given.
std::vector<Word> WordsOf(const QString& pdf, int first = 0, int last = 0);

// Whose ink meets whose: each word drawn in the card face at the size and place its box gives,
// with the lines (rectangles as wide as their pen, in points on the paper).
std::set<std::string> InkCollisions(const std::vector<Word>& words, const std::vector<QRectF>& lines, QSizeF paper);

struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
};
void PrintTo(const Paper& paper, std::ostream* out);
extern const std::array<Paper, 4> Papers;

// A PDF printer at the tests' resolution on `paper`, writing to `file`.
std::unique_ptr<QPrinter> PdfPrinter(const Paper& paper, const QString& file);

// A movement at an edge of the program's range.
struct Edge {
    const char* name;
    int32_t rounds, tables, step;
};
void PrintTo(const Edge& edge, std::ostream* out);

// Pairs 1..2T each seated once, board sets one per table.
movement::MovementState EdgeMovement(const Edge& edge);

// The words the tests read the cards by, in a language the cards speak; each a word as pdftotext
// finds it, or a text that begins a clause.
struct CardLanguage {
    const char* name;
    const char* code;
    // The table card: the round rows' labels, the boards' label, the route labels' words (the last
    // after the three before it), the summary heading's last word, the spare table's mark and a
    // word of the foot's lines on the spare table and on the absent pair.
    const char* round;
    const char* ns;
    const char* ew;
    const char* set;
    const char* boards;
    std::array<const char*, 3> routeWords;
    const char* routeEnd;
    const char* summaryLast;
    const char* spareMark;
    const char* spareWord;
    const char* absentWord;
    // Pair cards: the heading's word, a round sat out, the EW direction, the boards' column, the
    // movement line's first word, a word only the stationary pair's note has.
    const char* pair;
    const char* sitOut;
    const char* ewDirection;
    const char* boardsColumn;
    const char* rounds;
    const char* stationary;
    // The sheet: the round column's heading, the first word of the check, and how a round's note
    // begins its clauses (sets waiting, taken from the spare table, shared, a pair sitting out)
    // and names sets or boards.
    const char* roundHeading;
    const char* check;
    const char* waiting;
    const char* fromSpare;
    const char* sharedTables;
    const char* shareWith;
    const char* sittingOut;
    const char* setsWord;
    const char* boardsWord;

    const movement::Catalogue& Words() const;
};
void PrintTo(const CardLanguage& language, std::ostream* out);
extern const std::array<CardLanguage, 2> CardLanguages;

// An event's line longer than any paper holds: cut with an ellipsis at the foot of every page.
extern const char* const LongEvent;

// Every page's last word, the event's, is cut with the ellipsis, under all other words. The
// words without the event's lines.
std::vector<Word> ExpectTheEventCutAtEveryFoot(const std::vector<Word>& words);

// The number a word reads, or -1.
int NumberIn(const QString& text);

std::vector<int> OneTo(int32_t last);

// The numbers after each `label` on its line, block by block from the top; -1 for other words.
std::vector<std::vector<int>> RowsAfter(const std::vector<Word>& words, const QString& label);

}  // namespace pdftesting
