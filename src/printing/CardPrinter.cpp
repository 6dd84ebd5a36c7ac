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
        surface_.SetFontName("Arial");
        surface_.SetFontSize(130);
        const auto boxX = [&](int32_t n) { return n < 10 ? layout_.X750 : layout_.CardLeft + layout_.X75; };
        const int32_t ns = movement::BoxNumber(state_, seat.NsPair);
        const int32_t we = movement::BoxNumber(state_, seat.WePair);
        surface_.TextOut(boxX(ns), layout_.CardTop + layout_.Y30, std::to_string(ns));
        surface_.TextOut(boxX(we), layout_.CardMiddle + layout_.Y30, std::to_string(we));
    }

    void DrawTableNumber(int32_t table) {
        surface_.SetFontSize(230);
        const int x = table < 10 ? layout_.ThirdWidth() + layout_.X1200 : layout_.CardDivider + layout_.X550;
        surface_.TextOut(x, layout_.CardTop + layout_.Y260, std::to_string(table));
    }

    void DrawBoxLabels() {
        surface_.SetFontSize(20);
        surface_.TextOut(layout_.HalfLeftWidth() - layout_.X50, layout_.NsLabelY, "NS");
        surface_.TextOut(layout_.HalfLeftWidth() - layout_.X50, layout_.WeLabelY, "WE");
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

    void DrawMove(int labelX, int arrowX, const char* label, int32_t pair) {
        const int y = layout_.Y20;
        surface_.TextOut(layout_.CardLeft + labelX, y, label);
        surface_.SetFontName("WingDings");
        surface_.TextOut(layout_.CardLeft + arrowX, y, ArrowText);
        surface_.SetFontName("Arial");
        surface_.TextOut(layout_.CardLeft + arrowX + layout_.X250, y, movement::NextSeatText(state_, pair));
    }

    void DrawMoveLine(const TableSeat& seat) {
        surface_.SetFontName("Arial");
        surface_.SetFontSize(16);
        DrawMove(layout_.X500, layout_.X750, "NS", seat.NsPair);
        DrawMove(layout_.X2500, layout_.X2750, "WE", seat.WePair);
    }

    void DrawCompass() {
        surface_.TextOut(layout_.CardDivider + layout_.X250, layout_.CardMiddle - layout_.Y160, "N");
        surface_.TextOut(layout_.CardDivider + layout_.X100, layout_.CardMiddle - layout_.Y30, "W    E");
        surface_.TextOut(layout_.CardDivider + layout_.X250, layout_.CardMiddle + layout_.Y120, "S");
    }

    void DrawAttribution() {
        surface_.SetFontSize(10);
        surface_.SetFontStyle(FontStyle::Underline);
        surface_.TextOut(layout_.ThirdWidth() + layout_.X1600, layout_.CardTop + layout_.Y75, AttributionText);
        surface_.SetFontStyle(FontStyle::Plain);
    }

    void DrawSummary() {
        const int x = layout_.ThirdWidth() + layout_.X2200;
        int y = layout_.Y350 + layout_.Y75;
        surface_.TextOut(x, y, " St NS WE  kp");
        for (int32_t t = 1; t <= state_.TableCount; ++t) {
            const TableSeat& seat = state_.Seating[t];
            y += layout_.Y75;
            surface_.TextOut(x, y,
                             FormatCardNumber(t) + " " + FormatCardNumber(movement::SummaryNumber(state_, seat.NsPair)) +
                                 " " + FormatCardNumber(movement::SummaryNumber(state_, seat.WePair)) + " " +
                                 FormatCardNumber(seat.BoardSet));
        }
    }

    void DrawInformation() {
        surface_.SetFontSize(12);
        const int x = layout_.CardDivider + layout_.X50;
        surface_.TextOut(x, layout_.CardTop + layout_.Y75,
                         "Rund:" + std::to_string(state_.RoundCount) + "; Stołów:" + std::to_string(state_.TableCount));
        std::string numbering;
        if (arbitraryNumbers_)
            numbering = "Numery dowolne";
        else if (state_.NumberingStep < 0)
            numbering = "Numery jak w Mitchell'u";
        else
            numbering = "Skok numeracji: " + std::to_string(state_.NumberingStep);
        surface_.TextOut(x, layout_.CardTop + layout_.Y160, numbering);
        if (!state_.SchemeSource.empty()) surface_.TextOut(x, layout_.CardTop + layout_.Y260, state_.SchemeSource);
    }

    void DrawRoundRows(const TableSeat& seat) {
        const CardLayout& l = layout_;
        surface_.SetFontSize(11);
        surface_.SetFontStyle(FontStyle::Plain);
        surface_.TextOut(l.X110, l.CardBottom + l.Y50, "  Runda:");
        surface_.TextOut(l.X270, l.CardBottom + l.Y150, "  NS:");
        surface_.TextOut(l.X250, l.CardBottom + l.Y250, "  WE:");
        surface_.TextOut(l.CardLeft, l.CardBottom + l.Y350, "Komplet:");

        const int32_t rounds = state_.RoundCount;
        const auto row = [&](int y, auto valueOfRound) {
            int x = l.X500;
            for (int32_t round = 1; round <= rounds; ++round, x += l.X170)
                surface_.TextOut(x, y, FormatCardNumber(valueOfRound(round)));
        };
        row(l.CardBottom + l.Y50, [](int32_t round) { return round; });
        row(l.CardBottom + l.Y150, [&](int32_t round) { return movement::RowNumber(state_, seat.NsPair, round); });
        row(l.CardBottom + l.Y250, [&](int32_t round) { return movement::RowNumber(state_, seat.WePair, round); });
        row(l.CardBottom + l.Y350, [&](int32_t round) { return movement::BoardSetInRound(state_, seat.BoardSet, round); });
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
