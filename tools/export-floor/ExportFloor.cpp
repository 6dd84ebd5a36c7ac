// SPDX-License-Identifier: GPL-3.0-or-later
// export-floor SCHEME_LINE_FILE OUTPUT.pdf: draws the cards of the first line of the file as
// plainly as Qt allows, for comparison with rozstawiki-pdf.

#include "movement/SchemeFile.h"
#include "movement/SchemeLine.h"
#include "printing/surfaces/RecordingSurface.h"
#include "support/PrintRuns.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <cstdlib>
#include <iostream>
#include <map>
#include <tuple>

int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: export-floor SCHEME_FILE OUTPUT.pdf\n";
        return 2;
    }

    // The texts to draw, as the card printer lays them out.
    const auto file = movement::ReadSchemeFile(argv[1]);
    if (!file.accepted() || file.value().lines.empty()) return 1;
    const auto line = movement::ReadSchemeLine(file.value().lines.front());
    if (!line.accepted()) return 1;
    const movement::SchemeMovement& movement = line.value();
    movement::MovementState state;
    state.RoundCount = movement.RoundCount;
    state.TableCount = movement.TableCount;
    for (int t = 1; t <= state.TableCount; ++t) state.Seating[t] = movement.Tables[t - 1];
    state.NumberingStep = state.RoundCount;
    for (int n = 0; n < movement::PairMapSize; ++n) state.PairNumberMap[n] = n;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
    printing::RecordingSurface recorded;
    if (!printing::PrintTableCards(state, {printer.width(), printer.height()}, 1, state.TableCount, false, recorded)
             .accepted())
        return 1;

    // Every font once, with its ascent.
    struct Face {
        QFont font;
        qreal ascent;
    };
    std::map<std::tuple<int, bool>, Face> faces;
    QPainter painter(&printer);
    int page = 0;
    std::size_t nextLine = 0;
    for (const auto& text : recorded.texts) {
        if (text.page != page) {
            printer.newPage();
            page = text.page;
        }
        while (nextLine < recorded.lines.size() && recorded.lines[nextLine].page == page) {
            const auto& drawn = recorded.lines[nextLine++];
            painter.setPen(QPen(Qt::black, drawn.penWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(drawn.fromX, drawn.fromY, drawn.toX, drawn.toY);
        }
        const auto key = std::make_tuple(text.fontSize, text.style == printing::FontStyle::Underline);
        auto face = faces.find(key);
        if (face == faces.end()) {
            QFont font(QStringLiteral("Arial"));
            font.setPointSize(text.fontSize);
            font.setUnderline(std::get<1>(key));
            face = faces.emplace(key, Face{font, QFontMetricsF(font, &printer).ascent()}).first;
        }
        painter.setFont(face->second.font);
        const QString shown = text.fontName == "WingDings" ? QStringLiteral("→") : QString::fromStdString(text.text);
        painter.drawText(QPointF(text.x, text.y + face->second.ascent), shown);
    }
    return painter.end() ? 0 : 1;
}
