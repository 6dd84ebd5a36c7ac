#include "CardPrinter.h"

#include "CardLayout.h"

#include "movement/PairNumbering.h"
#include "movement/RoundProgression.h"

#include <algorithm>
#include <string>

namespace printing {

// Short enough to end inside the frame at every page size.
const char* const AttributionText = "Rozstawiki stolikowe";

namespace {

using movement::FormatCardNumber;
using movement::MovementState;
using movement::Outcome;
using movement::TableSeat;

// The arrow of the move line: character 232 of a symbol face, "č" in the card's code page.
const char* const ArrowText = "\xc4\x8d";

// Draws one card: the steps keep the order in which the card is built up.
class CardDrawing {
public:
    CardDrawing(const MovementState& state, const CardLayout& layout, bool arbitraryNumbers, PrintSurface& surface)
        : state_(state), layout_(layout), arbitraryNumbers_(arbitraryNumbers), surface_(surface) {}

    void Draw(int32_t table) {
        const TableSeat seat = state_.Seating[table];
        DrawBoxNumbers(seat);
        DrawTableNumber(table);
        DrawBoxLabels();
        DrawFrame();
        DrawMoveLine(seat);
        DrawCompass();
        DrawAttribution();
        if (table == 1) DrawSummary();
        DrawInformation();
        DrawRoundRows(seat);
    }

private:
    void DrawBoxNumbers(const TableSeat& seat) {
        const CardLayout::PairBoxes& boxes = layout_.Boxes;
        surface_.SetFontName("Arial");
        surface_.SetFontSize(CardFontSizes::BoxNumber);
        const auto boxX = [&](int32_t n) { return n < 10 ? boxes.OneDigitX : layout_.CardLeft + boxes.TwoDigitOffset; };
        const int32_t ns = movement::BoxNumber(state_, seat.NsPair);
        const int32_t we = movement::BoxNumber(state_, seat.WePair);
        surface_.TextOut(boxX(ns), layout_.CardTop + boxes.NumberDrop, std::to_string(ns));
        surface_.TextOut(boxX(we), layout_.CardMiddle + boxes.NumberDrop, std::to_string(we));
    }

    void DrawTableNumber(int32_t table) {
        const CardLayout::TableNumberPlace& place = layout_.TableNumber;
        surface_.SetFontSize(CardFontSizes::TableNumber);
        const int x = table < 10 ? layout_.ThirdWidth() + place.OneDigitOffset : layout_.CardDivider + place.TwoDigitOffset;
        surface_.TextOut(x, layout_.CardTop + place.Drop, std::to_string(table));
    }

    void DrawBoxLabels() {
        const CardLayout::PairBoxes& boxes = layout_.Boxes;
        surface_.SetFontSize(CardFontSizes::BoxLabel);
        surface_.TextOut(layout_.HalfLeftWidth() - boxes.LabelBack, boxes.NsLabelY, "NS");
        surface_.TextOut(layout_.HalfLeftWidth() - boxes.LabelBack, boxes.WeLabelY, "WE");
    }

    void Line(int fromX, int fromY, int toX, int toY) {
        surface_.MoveTo(fromX, fromY);
        surface_.LineTo(toX, toY);
    }

    void DrawFrame() {
        const CardLayout& l = layout_;
        surface_.SetPenWidth(l.FramePen);
        Line(l.CardLeft, l.CardTop, l.CardRight, l.CardTop);
        Line(l.CardRight, l.CardTop, l.CardRight, l.CardBottom);
        Line(l.CardRight, l.CardBottom, l.CardLeft, l.CardBottom);
        Line(l.CardLeft, l.CardBottom, l.CardLeft, l.CardTop);
        Line(l.CardDivider, l.CardTop, l.CardDivider, l.CardBottom);
        Line(l.CardLeft, l.CardMiddle, l.CardDivider, l.CardMiddle);
    }

    void DrawMove(int labelOffset, int arrowOffset, const char* label, int32_t pair) {
        const CardLayout::MoveLinePlaces& move = layout_.MoveLine;
        surface_.TextOut(layout_.CardLeft + labelOffset, move.Y, label);
        surface_.SetFontName("WingDings");
        surface_.TextOut(layout_.CardLeft + arrowOffset, move.Y, ArrowText);
        surface_.SetFontName("Arial");
        surface_.TextOut(layout_.CardLeft + arrowOffset + move.SeatAfterArrow, move.Y,
                         movement::NextSeatText(state_, pair));
    }

    void DrawMoveLine(const TableSeat& seat) {
        const CardLayout::MoveLinePlaces& move = layout_.MoveLine;
        surface_.SetFontName("Arial");
        surface_.SetFontSize(CardFontSizes::MoveLine);
        DrawMove(move.NsLabelOffset, move.NsArrowOffset, "NS", seat.NsPair);
        DrawMove(move.WeLabelOffset, move.WeArrowOffset, "WE", seat.WePair);
    }

    void DrawCompass() {
        const CardLayout::CompassPlaces& compass = layout_.Compass;
        const int northSouthX = layout_.CardDivider + compass.NorthSouthOffset;
        surface_.TextOut(northSouthX, layout_.CardMiddle - compass.NorthRise, "N");
        surface_.TextOut(layout_.CardDivider + compass.WestEastOffset, layout_.CardMiddle - compass.WestEastRise,
                         "W    E");
        surface_.TextOut(northSouthX, layout_.CardMiddle + compass.SouthDrop, "S");
    }

    void DrawAttribution() {
        surface_.SetFontSize(CardFontSizes::Attribution);
        surface_.SetFontStyle(FontStyle::Underline);
        surface_.TextOut(layout_.ThirdWidth() + layout_.Attribution.Offset, layout_.CardTop + layout_.Attribution.Drop,
                         AttributionText);
        surface_.SetFontStyle(FontStyle::Plain);
    }

    void DrawSummary() {
        const CardLayout::SummaryPlaces& summary = layout_.Summary;
        const int x = layout_.ThirdWidth() + summary.Offset;
        int y = summary.Top + summary.LineStep;
        surface_.TextOut(x, y, " St NS WE  kp");
        for (int32_t t = 1; t <= state_.TableCount; ++t) {
            const TableSeat& seat = state_.Seating[t];
            y += summary.LineStep;
            surface_.TextOut(x, y,
                             FormatCardNumber(t) + " " + FormatCardNumber(movement::SummaryNumber(state_, seat.NsPair)) +
                                 " " + FormatCardNumber(movement::SummaryNumber(state_, seat.WePair)) + " " +
                                 FormatCardNumber(seat.BoardSet));
        }
    }

    void DrawInformation() {
        const CardLayout::InformationPlaces& information = layout_.Information;
        surface_.SetFontSize(CardFontSizes::Information);
        const int x = layout_.CardDivider + information.Offset;
        surface_.TextOut(x, layout_.CardTop + information.CountsDrop,
                         "Rund:" + std::to_string(state_.RoundCount) + "; Stołów:" + std::to_string(state_.TableCount));
        std::string numbering;
        if (arbitraryNumbers_)
            numbering = "Numery dowolne";
        else if (state_.NumberingStep < 0)
            numbering = "Numery jak w Mitchell'u";
        else
            numbering = "Skok numeracji: " + std::to_string(state_.NumberingStep);
        surface_.TextOut(x, layout_.CardTop + information.NumberingDrop, numbering);
        if (!state_.SchemeSource.empty())
            surface_.TextOut(x, layout_.CardTop + information.SourceDrop, state_.SchemeSource);
    }

    void DrawRoundRows(const TableSeat& seat) {
        const CardLayout::RoundRowPlaces& rows = layout_.RoundRows;
        const int bottom = layout_.CardBottom;
        surface_.SetFontSize(CardFontSizes::RoundRows);
        surface_.SetFontStyle(FontStyle::Plain);
        surface_.TextOut(rows.RoundLabelX, bottom + rows.RoundDrop, "  Runda:");
        surface_.TextOut(rows.NsLabelX, bottom + rows.NsDrop, "  NS:");
        surface_.TextOut(rows.WeLabelX, bottom + rows.WeDrop, "  WE:");
        surface_.TextOut(layout_.CardLeft, bottom + rows.BoardSetDrop, "Komplet:");

        const int32_t rounds = state_.RoundCount;
        const auto row = [&](int y, auto valueOfRound) {
            int x = rows.FirstValueX;
            for (int32_t round = 1; round <= rounds; ++round, x += rows.ValueStep)
                surface_.TextOut(x, y, FormatCardNumber(valueOfRound(round)));
        };
        row(bottom + rows.RoundDrop, [](int32_t round) { return round; });
        row(bottom + rows.NsDrop, [&](int32_t round) { return movement::RowNumber(state_, seat.NsPair, round); });
        row(bottom + rows.WeDrop, [&](int32_t round) { return movement::RowNumber(state_, seat.WePair, round); });
        row(bottom + rows.BoardSetDrop,
            [&](int32_t round) { return movement::BoardSetInRound(state_, seat.BoardSet, round); });
    }

    const MovementState& state_;
    const CardLayout& layout_;
    bool arbitraryNumbers_;
    PrintSurface& surface_;
};

Outcome PrinterFailed(PrintSurface& surface) {
    surface.AbortDoc();
    const std::string reason = surface.LastError();
    return Outcome::Refused(reason.empty() ? std::string("Drukarka zgłosiła błąd; wydruk przerwano.") : reason);
}

}  // namespace

Outcome CanPrint(const MovementState& state, const PageMetrics& page) {
    if (state.NumberingStep == 0) return Outcome::Refused("Nieznany skok Numeracji !");
    if (page.PageHeight == 0 || page.PageWidth == 0)
        return Outcome::Refused("     Ustaw parametry strony !\rNaciskając kl. Ustawienia Druku");
    return Outcome::Accepted();
}

Outcome PrintCards(const MovementState& state, const PageMetrics& page, int32_t first, int32_t last,
                   bool separateJobs, PrintSurface& surface) {
    const CardLayout layout = ComputeCardLayout(page.PageWidth, page.PageHeight);
    const bool arbitraryNumbers = movement::ArbitraryNumbersInUse(state);

    const int32_t tables = std::clamp(state.TableCount, 0, movement::MaxTables);
    if (tables < 1) return Outcome::Refused("Nieznany schemat Howell'a");
    if (first > last) std::swap(first, last);
    first = std::clamp(first, 1, tables);
    last = std::clamp(last, 1, tables);

    // Separate jobs written to one file would each overwrite the one before.
    const bool jobPerCard = separateJobs && !surface.WritesToFile();

    CardDrawing card(state, layout, arbitraryNumbers, surface);
    if (!jobPerCard && !surface.BeginDoc()) return PrinterFailed(surface);
    for (int32_t table = first; table <= last; ++table) {
        if (jobPerCard && !surface.BeginDoc()) return PrinterFailed(surface);
        card.Draw(table);
        if (table != last && !surface.NewPage()) return PrinterFailed(surface);
        if (jobPerCard && !surface.EndDoc()) return PrinterFailed(surface);
    }
    if (!jobPerCard && !surface.EndDoc()) return PrinterFailed(surface);
    return Outcome::Accepted();
}

}  // namespace printing
