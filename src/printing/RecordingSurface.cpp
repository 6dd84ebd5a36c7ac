#include "RecordingSurface.h"

namespace printing {

bool RecordingSurface::Fails(const std::string& operation) {
    operations.push_back(operation);
    return operation == failAt_;
}

bool RecordingSurface::BeginDoc() {
    if (Fails("BeginDoc")) return false;
    jobs.push_back("BeginDoc");
    if (jobsBegun_++ > 0) ++page_;  // a new job starts on a new sheet
    return true;
}

bool RecordingSurface::NewPage() {
    if (Fails("NewPage")) return false;
    jobs.push_back("NewPage");
    ++page_;
    return true;
}

bool RecordingSurface::EndDoc() {
    if (Fails("EndDoc")) return false;
    jobs.push_back("EndDoc");
    return true;
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    operations.push_back("TextOut " + std::to_string(x) + " " + std::to_string(y) + " " + text);
    texts.push_back({x, y, text, fontName_, fontSize_, style_, page_});
}

void RecordingSurface::MoveTo(int x, int y) {
    operations.push_back("MoveTo " + std::to_string(x) + " " + std::to_string(y));
    lastX_ = x;
    lastY_ = y;
}

void RecordingSurface::LineTo(int x, int y) {
    operations.push_back("LineTo " + std::to_string(x) + " " + std::to_string(y));
    lines.push_back({lastX_, lastY_, x, y, penWidth_, page_});
    lastX_ = x;
    lastY_ = y;
}

void RecordingSurface::SetFontName(const std::string& name) {
    operations.push_back("FontName " + name);
    fontName_ = name;
}

void RecordingSurface::SetFontSize(int points) {
    operations.push_back("FontSize " + std::to_string(points));
    fontSize_ = points;
}

void RecordingSurface::SetFontStyle(FontStyle style) {
    operations.push_back(style == FontStyle::Underline ? "FontStyle underline" : "FontStyle plain");
    style_ = style;
}

void RecordingSurface::SetPenWidth(int pixels) {
    operations.push_back("PenWidth " + std::to_string(pixels));
    penWidth_ = pixels;
}

void RecordingSurface::FailAt(const std::string& operation, const std::string& reason) {
    failAt_ = operation;
    failure_ = reason;
}

}  // namespace printing
