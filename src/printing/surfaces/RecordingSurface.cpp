// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingSurface.h"

#include <iterator>

namespace printing {

namespace {

// Advance widths of the card face in thousandths of its size: printable ASCII from the space on,
// then the Polish letters; any other character is taken as wide as a digit.
constexpr short AsciiWidths[] = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to slash
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // digits to question mark
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // at sign to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to underscore
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // grave accent to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p to tilde
};
static_assert(std::size(AsciiWidths) == '~' - ' ' + 1);
constexpr char32_t PolishLetters[] = U"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
constexpr short PolishWidths[] = {556, 500, 556, 222, 556, 556, 500, 500, 500,
                                  667, 722, 667, 556, 722, 778, 667, 611, 611};
constexpr short DigitWidth = 556;

short AdvanceOf(char32_t character) {
    if (character >= U' ' && character <= U'~') return AsciiWidths[character - U' '];
    for (std::size_t i = 0; i < std::size(PolishWidths); ++i)
        if (PolishLetters[i] == character) return PolishWidths[i];
    return DigitWidth;
}

// The next character of UTF-8 text from `at`, which moves past it.
char32_t NextCharacter(const std::string& text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const int followers = lead >= 0xf0 ? 3 : lead >= 0xe0 ? 2 : 1;
    char32_t character = lead & (0x3f >> followers);
    for (int i = 0; i < followers && at < text.size(); ++i)
        character = (character << 6) | (static_cast<unsigned char>(text[at++]) & 0x3fu);
    return character;
}

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

movement::Outcome RecordingSurface::BeginDoc(const std::string& title) {
    if (Fails(Operation::Kind::BeginDoc, "BeginDoc")) return movement::Outcome::Refused(failure_);
    jobs.push_back("BeginDoc");
    jobTitles.push_back(title);
    if (jobsBegun_++ > 0) ++page_;  // a new job starts on a new sheet
    return movement::Outcome::Accepted();
}

movement::Outcome RecordingSurface::NewPage() {
    if (Fails(Operation::Kind::NewPage, "NewPage")) return movement::Outcome::Refused(failure_);
    jobs.push_back("NewPage");
    ++page_;
    return movement::Outcome::Accepted();
}

movement::Outcome RecordingSurface::EndDoc() {
    if (Fails(Operation::Kind::EndDoc, "EndDoc")) return movement::Outcome::Refused(failure_);
    jobs.push_back("EndDoc");
    return movement::Outcome::Accepted();
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

void RecordingSurface::FillRect(int x, int y, int width, int height) {
    Log(Operation::Kind::FillRect, x, y, fills.size());
    fills.push_back({x, y, width, height, page_});
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

double RecordingSurface::TextWidth(const std::string& text, int points) {
    long thousandths = 0;
    for (std::size_t at = 0; at < text.size();) thousandths += AdvanceOf(NextCharacter(text, at));
    return static_cast<double>(thousandths) / 1000.0 * points * PixelsPerPoint();
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
            case Operation::Kind::BeginDoc:
                words.push_back("BeginDoc");
                break;
            case Operation::Kind::NewPage:
                words.push_back("NewPage");
                break;
            case Operation::Kind::EndDoc:
                words.push_back("EndDoc");
                break;
            case Operation::Kind::AbortDoc:
                words.push_back("AbortDoc");
                break;
            case Operation::Kind::TextOut:
                words.push_back(Words("TextOut", operation.x, operation.y) + " " + texts[operation.text].text);
                break;
            case Operation::Kind::MoveTo:
                words.push_back(Words("MoveTo", operation.x, operation.y));
                break;
            case Operation::Kind::LineTo:
                words.push_back(Words("LineTo", operation.x, operation.y));
                break;
            case Operation::Kind::FillRect: {
                const Fill& fill = fills[operation.text];
                words.push_back(Words("FillRect", operation.x, operation.y) + " " + std::to_string(fill.width) + " " +
                                std::to_string(fill.height));
                break;
            }
            case Operation::Kind::FontName:
                words.push_back("FontName " + operation.name);
                break;
            case Operation::Kind::FontSize:
                words.push_back("FontSize " + std::to_string(operation.x));
                break;
            case Operation::Kind::FontStyle:
                words.push_back(operation.x == 1 ? "FontStyle underline" : "FontStyle plain");
                break;
            case Operation::Kind::PenWidth:
                words.push_back("PenWidth " + std::to_string(operation.x));
                break;
        }
    }
    return words;
}

}  // namespace printing
