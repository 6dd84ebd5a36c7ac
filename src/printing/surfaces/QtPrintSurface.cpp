// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrintSurface.h"

#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace printing {

namespace {

const QString SymbolFace = QStringLiteral("WingDings");
const QString CardFace = QStringLiteral("Arial");
// Character 232 of the symbol face, as the card's code page writes it, and what it shows.
const QString SymbolArrow = QStringLiteral("č");
const QString RightArrow = QStringLiteral("→");
// What the cards print beyond plain Latin letters: digits, Polish letters and the arrow.
// Light enough that black text on it reads as on white paper, also from a laser printer.
const QColor LightGrey(220, 220, 220);
const QString NeededCharacters = QStringLiteral("0123456789ąćęłńóśźżĄĆĘŁŃÓŚŹŻ→");

// Whether the card face, or the face the system puts in its place, can show every needed
// character; with no face at all Qt would draw nothing, or empty boxes.
bool CardFaceUsable(QPaintDevice* device) {
    const QFontMetricsF metrics(QFont(CardFace), device);
    return std::all_of(NeededCharacters.begin(), NeededCharacters.end(),
                       [&](QChar character) { return metrics.inFont(character); });
}

}  // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer) : device_(printer), printer_(&printer) {}

QtPrintSurface::QtPrintSurface(QPdfWriter& writer) : device_(writer), writer_(&writer) {}

bool QtPrintSurface::WritesToFile() const { return printer_ == nullptr || !printer_->outputFileName().isEmpty(); }

movement::Outcome QtPrintSurface::Fail(movement::Text reason) { return movement::Outcome::Refused(std::move(reason)); }

movement::Outcome QtPrintSurface::BeginDoc(const std::string& title) {
    if (writer_ != nullptr) writer_->setTitle(QString::fromStdString(title));
    if (printer_ != nullptr) printer_->setDocName(QString::fromStdString(title));
    if (!CardFaceUsable(&device_))
        return Fail({RZ_TEXT("surfaces", "Brak czcionki Arial (ani zastępczej) – nie można drukować rozstawików.")});
    if (!painter_.begin(&device_)) {
        if (printer_ == nullptr) return Fail({RZ_TEXT("surfaces", "Nie można rozpocząć pliku PDF.")});
        if (WritesToFile())
            return Fail({RZ_TEXT("surfaces", "Nie można zapisać pliku %1."), {printer_->outputFileName().toStdString()}});
        return Fail({RZ_TEXT("surfaces", "Nie można rozpocząć wydruku na drukarce %1."),
                     {printer_->printerName().toStdString()}});
    }
    fontChanged_ = true;  // a new job starts with the painter's defaults
    ApplyPen();
    return movement::Outcome::Accepted();
}

movement::Outcome QtPrintSurface::NewPage() {
    if (!device_.newPage()) return Fail({RZ_TEXT("surfaces", "Drukarka nie przyjęła następnej strony.")});
    return movement::Outcome::Accepted();
}

movement::Outcome QtPrintSurface::EndDoc() {
    const bool ended = painter_.end();
    if (printer_ == nullptr) {
        if (!ended) return Fail({RZ_TEXT("surfaces", "Nie można dokończyć pliku PDF.")});
        return movement::Outcome::Accepted();
    }
    if (!ended || printer_->printerState() == QPrinter::Error) {
        if (WritesToFile())
            return Fail({RZ_TEXT("surfaces", "Nie można zapisać pliku %1."), {printer_->outputFileName().toStdString()}});
        return Fail({RZ_TEXT("surfaces", "Drukarka %1 zgłosiła błąd; wydruk mógł nie zostać ukończony."),
                     {printer_->printerName().toStdString()}});
    }
    return movement::Outcome::Accepted();
}

void QtPrintSurface::AbortDoc() {
    if (painter_.isActive()) {
        if (printer_ != nullptr) printer_->abort();
        painter_.end();
    }
}

QFont QtPrintSurface::CurrentFont(bool forSymbol) const {
    QFont font(forSymbol ? CardFace : fontName_);
    font.setPointSize(fontSize_);
    font.setUnderline(style_ == FontStyle::Underline);
    return font;
}

void QtPrintSurface::UseFont(bool forSymbol) {
    if (!fontChanged_ && fontIsSymbol_ == forSymbol) return;
    const QFont font = CurrentFont(forSymbol);
    painter_.setFont(font);
    ascent_ = QFontMetricsF(font, &device_).ascent();
    fontChanged_ = false;
    fontIsSymbol_ = forSymbol;
}

void QtPrintSurface::TextOut(int x, int y, const std::string& text) {
    QString shown = QString::fromStdString(text);
    const bool symbol = fontName_.compare(SymbolFace, Qt::CaseInsensitive) == 0;
    if (symbol) shown.replace(SymbolArrow, RightArrow);
    UseFont(symbol);
    // Qt places a text by its baseline; the card gives the top of its cell.
    painter_.drawText(QPointF(x, y + ascent_), shown);
}

void QtPrintSurface::MoveTo(int x, int y) { last_ = QPoint(x, y); }

void QtPrintSurface::LineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.drawLine(last_, to);
    last_ = to;
}

void QtPrintSurface::FillRect(int x, int y, int width, int height) {
    painter_.fillRect(QRect(x, y, width, height), LightGrey);
}

void QtPrintSurface::SetFontName(const std::string& name) {
    fontName_ = QString::fromStdString(name);
    fontChanged_ = true;
}

void QtPrintSurface::SetFontSize(int points) {
    fontSize_ = points;
    fontChanged_ = true;
}

void QtPrintSurface::SetFontStyle(FontStyle style) {
    style_ = style;
    fontChanged_ = true;
}

void QtPrintSurface::SetPenWidth(int pixels) {
    penWidth_ = pixels;
    ApplyPen();
}

double QtPrintSurface::TextWidth(const std::string& text, int points) {
    if (device_.logicalDpiY() != measuredDpi_) {
        measures_.clear();
        widths_.clear();
        measuredDpi_ = device_.logicalDpiY();
    }
    std::pair<int, std::string> key(points, text);
    if (const auto known = widths_.find(key); known != widths_.end()) return known->second;
    auto measure = measures_.find(points);
    if (measure == measures_.end()) {
        QFont font(CardFace);
        font.setPointSize(points);
        measure = measures_.emplace(points, QFontMetricsF(font, &device_)).first;
    }
    const double width = measure->second.horizontalAdvance(QString::fromStdString(text));
    widths_.emplace(std::move(key), width);
    return width;
}

double QtPrintSurface::PixelsPerPoint() const { return device_.logicalDpiY() / 72.0; }

void QtPrintSurface::ApplyPen() {
    if (painter_.isActive()) painter_.setPen(QPen(Qt::black, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace printing
