#include "QtPrintSurface.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace printing {

namespace {

const QString SymbolFace = QStringLiteral("WingDings");
const QString CardFace = QStringLiteral("Arial");
// Character 232 of the symbol face, as the card's code page writes it, and what it shows.
const QString SymbolArrow = QStringLiteral("č");
const QString RightArrow = QStringLiteral("→");

}  // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer) : printer_(printer) {}

bool QtPrintSurface::WritesToFile() const { return !printer_.outputFileName().isEmpty(); }

bool QtPrintSurface::Fail(const QString& reason) {
    error_ = reason.toStdString();
    return false;
}

bool QtPrintSurface::BeginDoc() {
    error_.clear();
    if (!painter_.begin(&printer_)) {
        if (WritesToFile())
            return Fail(QStringLiteral("Nie można zapisać pliku %1.").arg(printer_.outputFileName()));
        return Fail(QStringLiteral("Nie można rozpocząć wydruku na drukarce %1.").arg(printer_.printerName()));
    }
    fontChanged_ = true;  // a new job starts with the painter's defaults
    ApplyPen();
    return true;
}

bool QtPrintSurface::NewPage() {
    if (!printer_.newPage()) return Fail(QStringLiteral("Drukarka nie przyjęła następnej strony."));
    return true;
}

bool QtPrintSurface::EndDoc() {
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error) {
        if (WritesToFile())
            return Fail(QStringLiteral("Nie można zapisać pliku %1.").arg(printer_.outputFileName()));
        return Fail(QStringLiteral("Drukarka %1 zgłosiła błąd; wydruk mógł nie zostać ukończony.")
                        .arg(printer_.printerName()));
    }
    return true;
}

void QtPrintSurface::AbortDoc() {
    if (painter_.isActive()) {
        printer_.abort();
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
    ascent_ = QFontMetricsF(font, &printer_).ascent();
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

void QtPrintSurface::ApplyPen() {
    if (painter_.isActive()) painter_.setPen(QPen(Qt::black, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace printing
