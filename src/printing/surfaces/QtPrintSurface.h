// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <map>
#include <string>
#include <utility>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace printing {

// The print surface on Qt's printer: a QPainter on the program's one QPrinter, which may be a
// real printer or a PDF file, or on a PDF writer that writes wherever it is given. Fonts are in
// points at the printer's resolution; the symbol face's arrow is drawn as U+2192 in the card
// face, which has it. A job does not start where neither the card face nor a face in its place
// has the characters the cards print.
class QtPrintSurface : public PrintSurface {
public:
    explicit QtPrintSurface(QPrinter& printer);
    explicit QtPrintSurface(QPdfWriter& writer);

    movement::Outcome BeginDoc(const std::string& title) override;
    movement::Outcome NewPage() override;
    movement::Outcome EndDoc() override;
    void AbortDoc() override;
    bool WritesToFile() const override;

    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FillRect(int x, int y, int width, int height) override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetFontStyle(FontStyle style) override;
    void SetPenWidth(int pixels) override;
    double TextWidth(const std::string& text, int points) override;
    double PixelsPerPoint() const override;

private:
    QFont CurrentFont(bool forSymbol) const;
    // The painter's font for the next text, set up again only when the font has changed.
    void UseFont(bool forSymbol);
    void ApplyPen();
    static movement::Outcome Fail(movement::Text reason);

    QPagedPaintDevice& device_;
    QPrinter* printer_ = nullptr;   // none for a PDF writer
    QPdfWriter* writer_ = nullptr;  // none for a printer
    QPainter painter_;
    QString fontName_ = QStringLiteral("Arial");
    int fontSize_ = 10;
    FontStyle style_ = FontStyle::Plain;
    int penWidth_ = 1;
    QPoint last_;
    bool fontChanged_ = true;
    bool fontIsSymbol_ = false;
    qreal ascent_ = 0;
    // The card face's metrics by size, and the widths measured with them (a run measures the
    // same numbers and headings on every card), for the printer's resolution when they were taken.
    std::map<int, QFontMetricsF> measures_;
    std::map<std::pair<int, std::string>, double> widths_;
    int measuredDpi_ = 0;
};

}  // namespace printing
