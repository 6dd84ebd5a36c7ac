// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include <string>
#include <vector>

namespace printing {

// A surface that keeps every operation, for tests: the job structure as a list of words, and
// every text and line with the font or pen in force when it was drawn. It measures as a 600 dpi
// printer would, from the card face's advance widths; measuring is not an operation.
class RecordingSurface : public PrintSurface {
public:
    struct Text {
        int x, y;
        std::string text;
        std::string fontName;
        int fontSize;
        FontStyle style;
        int page;  // counted from 0 over the whole run
    };
    struct Line {
        int fromX, fromY, toX, toY;
        int penWidth;
        int page;
    };
    struct Fill {
        int x, y, width, height;
        int page;
    };

    movement::Outcome BeginDoc(const std::string& title) override;
    movement::Outcome NewPage() override;
    movement::Outcome EndDoc() override;
    void AbortDoc() override;
    bool WritesToFile() const override { return writesToFile_; }

    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FillRect(int x, int y, int width, int height) override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetFontStyle(FontStyle style) override;
    void SetPenWidth(int pixels) override;
    double TextWidth(const std::string& text, int points) override;
    double PixelsPerPoint() const override { return 600.0 / 72.0; }

    // For tests of failures and of file output.
    void FailAt(const std::string& operation, const std::string& reason);
    void SetWritesToFile(bool writesToFile) { writesToFile_ = writesToFile; }

    // "BeginDoc", "NewPage" and "EndDoc" in the order they came.
    std::vector<std::string> jobs;
    std::vector<std::string> jobTitles;  // each job's, in order
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Fill> fills;
    // Every operation in order, as a short text such as "TextOut 71 208 11" or "FontSize 130".
    std::vector<std::string> Operations() const;

private:
    // An operation as it came, put into words only when a test asks.
    struct Operation {
        enum class Kind {
            BeginDoc,
            NewPage,
            EndDoc,
            AbortDoc,
            TextOut,
            MoveTo,
            LineTo,
            FillRect,
            FontName,
            FontSize,
            FontStyle,
            PenWidth
        };
        Kind kind;
        int x = 0;
        int y = 0;
        std::size_t text = 0;  // TextOut: index into texts; FillRect: into fills
        std::string name;      // FontName
    };

    void Log(Operation::Kind kind, int x = 0, int y = 0, std::size_t text = 0, std::string name = {});
    bool Fails(Operation::Kind kind, const std::string& name);

    std::vector<Operation> log_;
    std::string fontName_ = "Arial";
    int fontSize_ = 10;
    FontStyle style_ = FontStyle::Plain;
    int penWidth_ = 1;
    int lastX_ = 0;
    int lastY_ = 0;
    int page_ = 0;
    int jobsBegun_ = 0;
    bool writesToFile_ = false;
    std::string failAt_;
    std::string failure_;
};

}  // namespace printing
