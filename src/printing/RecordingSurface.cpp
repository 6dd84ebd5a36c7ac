#include "RecordingSurface.h"

namespace printing {

namespace {

std::string Words(const char* operation, int x, int y) {
    return std::string(operation) + " " + std::to_string(x) + " " + std::to_string(y);
}

}  // namespace

void RecordingSurface::Log(Operation::Kind kind, int x, int y, std::size_t text, std::string name) {
    log_.push_back(Operation{kind, x, y, text, std::move(name)});
}

bool RecordingSurface::Fails(Operation::Kind kind, const std::string& name) {
    Log(kind);
    return name == failAt_;
}

bool RecordingSurface::BeginDoc() {
    if (Fails(Operation::Kind::BeginDoc, "BeginDoc")) return false;
    jobs.push_back("BeginDoc");
    if (jobsBegun_++ > 0) ++page_;  // a new job starts on a new sheet
    return true;
}

bool RecordingSurface::NewPage() {
    if (Fails(Operation::Kind::NewPage, "NewPage")) return false;
    jobs.push_back("NewPage");
    ++page_;
    return true;
}

bool RecordingSurface::EndDoc() {
    if (Fails(Operation::Kind::EndDoc, "EndDoc")) return false;
    jobs.push_back("EndDoc");
    return true;
}

void RecordingSurface::AbortDoc() {
    Log(Operation::Kind::AbortDoc);
    jobs.push_back("AbortDoc");
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    Log(Operation::Kind::TextOut, x, y, texts.size());
    texts.push_back({x, y, text, fontName_, fontSize_, style_, page_});
}

void RecordingSurface::MoveTo(int x, int y) {
    Log(Operation::Kind::MoveTo, x, y);
    lastX_ = x;
    lastY_ = y;
}

void RecordingSurface::LineTo(int x, int y) {
    Log(Operation::Kind::LineTo, x, y);
    lines.push_back({lastX_, lastY_, x, y, penWidth_, page_});
    lastX_ = x;
    lastY_ = y;
}

void RecordingSurface::SetFontName(const std::string& name) {
    Log(Operation::Kind::FontName, 0, 0, 0, name);
    fontName_ = name;
}

void RecordingSurface::SetFontSize(int points) {
    Log(Operation::Kind::FontSize, points);
    fontSize_ = points;
}

void RecordingSurface::SetFontStyle(FontStyle style) {
    Log(Operation::Kind::FontStyle, style == FontStyle::Underline ? 1 : 0);
    style_ = style;
}

void RecordingSurface::SetPenWidth(int pixels) {
    Log(Operation::Kind::PenWidth, pixels);
    penWidth_ = pixels;
}

void RecordingSurface::FailAt(const std::string& operation, const std::string& reason) {
    failAt_ = operation;
    failure_ = reason;
}

std::vector<std::string> RecordingSurface::Operations() const {
    std::vector<std::string> words;
    words.reserve(log_.size());
    for (const Operation& operation : log_) {
        switch (operation.kind) {
            case Operation::Kind::BeginDoc: words.push_back("BeginDoc"); break;
            case Operation::Kind::NewPage: words.push_back("NewPage"); break;
            case Operation::Kind::EndDoc: words.push_back("EndDoc"); break;
            case Operation::Kind::AbortDoc: words.push_back("AbortDoc"); break;
            case Operation::Kind::TextOut:
                words.push_back(Words("TextOut", operation.x, operation.y) + " " + texts[operation.text].text);
                break;
            case Operation::Kind::MoveTo: words.push_back(Words("MoveTo", operation.x, operation.y)); break;
            case Operation::Kind::LineTo: words.push_back(Words("LineTo", operation.x, operation.y)); break;
            case Operation::Kind::FontName: words.push_back("FontName " + operation.name); break;
            case Operation::Kind::FontSize: words.push_back("FontSize " + std::to_string(operation.x)); break;
            case Operation::Kind::FontStyle:
                words.push_back(operation.x == 1 ? "FontStyle underline" : "FontStyle plain");
                break;
            case Operation::Kind::PenWidth: words.push_back("PenWidth " + std::to_string(operation.x)); break;
        }
    }
    return words;
}

}  // namespace printing
