// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Result.h"

#include <string>

namespace printing {

enum class FontStyle { Plain, Underline };

// What the card printer draws on: pages grouped into jobs, texts and lines in device pixels of
// the printable area (origin top left, y downwards), fonts in points at the device's own
// resolution. Texts are UTF-8. A text's position is the top-left corner of its cell.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Starting a job or a page, and ending a job, can fail, refused with the printer's reason.
    // A job carries its title to the print queue, or into the PDF file.
    virtual movement::Outcome BeginDoc(const std::string& title) = 0;
    virtual movement::Outcome NewPage() = 0;
    virtual movement::Outcome EndDoc() = 0;
    // Abandons the job in progress after a failure; nothing more is drawn in it.
    virtual void AbortDoc() = 0;

    // Whether the jobs go to one file, which a second job would overwrite.
    virtual bool WritesToFile() const = 0;

    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // A rectangle filled in light grey, without an outline, under what is drawn on it later.
    virtual void FillRect(int x, int y, int width, int height) = 0;

    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontStyle(FontStyle style) = 0;
    virtual void SetPenWidth(int pixels) = 0;

    // Measures in the card face at a size in points, whatever the current font: how far a text
    // advances, in device pixels, and how many device pixels make a point.
    virtual double TextWidth(const std::string& text, int points) = 0;
    virtual double PixelsPerPoint() const = 0;
};

}  // namespace printing
