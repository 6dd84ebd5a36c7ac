// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfReading.h"

#include "ExampleMovements.h"
#include "support/PrintRuns.h"

#include "language/Translations.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace pdftesting {

std::vector<Word> WordsOf(const QString& pdf, int first, int last) {
    QStringList arguments = {QStringLiteral("-bbox")};
    if (first > 0) arguments << QStringLiteral("-f") << QString::number(first);
    if (last > 0) arguments << QStringLiteral("-l") << QString::number(last);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    std::vector<Word> words;
    int page = std::max(first, 1) - 2;
    static const QRegularExpression tag(QString::fromLatin1(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        if (found.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString text = found.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        words.push_back({page, found.captured(1).toDouble(), found.captured(2).toDouble(), found.captured(3).toDouble(),
                         found.captured(4).toDouble(), text});
    }
    return words;
}

// pdftotext's boxes span the face's ascent, descent and advance, wider than the ink, and the big
// 1 stands on a foot that reaches under the summary beside it: so each word is drawn in the card
// face at the size and place its box gives, with the lines, onto a map of the paper in quarter
// points that keeps who inked each dot.
std::set<std::string> InkCollisions(const std::vector<Word>& words, const std::vector<QRectF>& lines, QSizeF paper) {
    constexpr double Dots = 4;  // per point
    constexpr QRgb LineOwner = 0xffffff;
    QImage owners((paper * Dots).toSize(), QImage::Format_RGB32);
    owners.fill(0u);
    for (const QRectF& line : lines)
        QPainter(&owners).fillRect(QRectF(line.topLeft() * Dots, line.size() * Dots), QColor(LineOwner));
    const auto nameOf = [&](QRgb owner) {
        return owner == LineOwner ? std::string("a line") : words[owner - 1].text.toStdString();
    };
    QFont face(QStringLiteral("Arial"));
    face.setStyleStrategy(QFont::NoAntialias);
    face.setHintingPreference(QFont::PreferNoHinting);
    face.setPixelSize(1000);
    const double lineHeight = QFontMetricsF(face).height() / 1000;  // in the face's sizes
    std::set<std::string> collisions;
    for (std::size_t index = 0; index < words.size(); ++index) {
        const Word& word = words[index];
        const QRect box = QRectF(QPointF(word.xMin, word.yMin) * Dots, QPointF(word.xMax, word.yMax) * Dots)
                              .toAlignedRect()
                              .adjusted(-8, -8, 8, 8);
        QImage ink(box.size(), QImage::Format_RGB32);
        ink.setDotsPerMeterX(qRound(72 * Dots / 0.0254));  // a point of the face is Dots dots
        ink.setDotsPerMeterY(ink.dotsPerMeterX());
        ink.fill(Qt::white);
        QPainter painter(&ink);
        face.setPointSizeF((word.yMax - word.yMin) / lineHeight);
        painter.setFont(face);
        painter.drawText(QPointF(word.xMin * Dots - box.left(),
                                 word.yMin * Dots - box.top() + QFontMetricsF(face, &ink).ascent()),
                         word.text);
        painter.end();
        // Row by row through the image's own memory: a call per dot made the sanitizer build's
        // edge tests take about twice as long.
        const QRect onPaper = box.intersected(owners.rect());
        for (int y = onPaper.top(); y <= onPaper.bottom(); ++y) {
            const auto* inked = reinterpret_cast<const QRgb*>(ink.constScanLine(y - box.top()));
            auto* owned = reinterpret_cast<QRgb*>(owners.scanLine(y));
            for (int x = onPaper.left(); x <= onPaper.right(); ++x) {
                if (inked[x - box.left()] == qRgb(255, 255, 255)) continue;
                if (const QRgb earlier = owned[x] & 0xffffff; earlier != 0)
                    collisions.insert(word.text.toStdString() + " meets " + nameOf(earlier));
                owned[x] = 0xff000000u | static_cast<QRgb>(index + 1);
            }
        }
    }
    return collisions;
}

void PrintTo(const Paper& paper, std::ostream* out) { *out << paper.name; }
void PrintTo(const Edge& edge, std::ostream* out) { *out << edge.name; }

const std::array<Paper, 4> Papers = {{{"A4", QPageSize::A4, QPageLayout::Portrait},
                                      {"Letter", QPageSize::Letter, QPageLayout::Portrait},
                                      {"A5", QPageSize::A5, QPageLayout::Portrait},
                                      {"A5Landscape", QPageSize::A5, QPageLayout::Landscape}}};

std::unique_ptr<QPrinter> PdfPrinter(const Paper& paper, const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(Resolution);
    printer->setPageSize(QPageSize(paper.size));
    printer->setPageOrientation(paper.orientation);
    printer->setOutputFileName(file);
    return printer;
}

movement::MovementState EdgeMovement(const Edge& edge) {
    movement::MovementState state;
    state.RoundCount = edge.rounds;
    state.TableCount = edge.tables;
    for (int32_t t = 1; t <= edge.tables; ++t) state.Seating[t] = {t, edge.tables + t, (t - 1) % edge.rounds + 1};
    state.PrintedSource = "Dużo Zbiornic PV";
    return movement::testing::Numbered(state, edge.step);
}

const std::array<CardLanguage, 2> CardLanguages = {{
    {"Polish",
     "pl",
     "Runda:",
     "NS:",
     "WE:",
     "Komplet:",
     "Rozdania:",
     {"Komplet", "od", "do"},
     "stołu:",
     "kp",
     "P",
     "pomocniczy",
     "nieobecna,",
     "Para",
     "pauza",
     "WE",
     "Rozdania",
     "Rund:",
     "stacjonarna",
     "Runda",
     "Sprawdzenie:",
     "Czeka",
     "ze stolika pomocniczego ",
     "st. ",
     " grają wspólnie ",
     "pauzuje para ",
     "komplet",
     "rozdani"},
    {"English",
     "en",
     "Round:",
     "NS:",
     "EW:",
     "Set:",
     "Boards:",
     {"Boards", "from", "to"},
     "table:",
     "Set",
     "B",
     "stand",
     "pair,",
     "Pair",
     "sit out",
     "EW",
     "Boards",
     "Rounds:",
     "Stationary",
     "Round",
     "Check:",
     "Waiting: ",
     "from the bye stand: ",
     "tables ",
     " share ",
     "pair ",
     "set",
     "board"},
}};

const movement::Catalogue& CardLanguage::Words() const {
    if (std::string_view(code) == "pl") return printing::PolishCardWords();
    return language::TranslationsOf(*movement::LanguageCoded(code));
}

void PrintTo(const CardLanguage& language, std::ostream* out) { *out << language.name; }

const char* const LongEvent =
    "Klub Brydżowy „Pod Kozią Górką”, Mistrzostwa Okręgu w parach na zapis maksymalny, turniej "
    "eliminacyjny do finału krajowego, sesja popołudniowa, sędzia główny i organizatorzy, "
    "12 marca 2027, sala widowiskowa domu kultury przy ulicy Długiej, wpisowe płatne na miejscu, "
    "zapisy u sędziego do godziny szesnastej, nagrody rzeczowe dla trzech najlepszych par";

std::vector<Word> ExpectTheEventCutAtEveryFoot(const std::vector<Word>& words) {
    std::map<int, const Word*> lowest;
    std::set<std::pair<int, double>> eventLines;  // page, top
    for (const Word& word : words) {
        const Word*& last = lowest[word.page];
        if (last == nullptr || word.yMin > last->yMin + 0.5 || (word.yMin > last->yMin - 0.5 && word.xMin > last->xMin))
            last = &word;
        if (word.text.endsWith(QChar(0x2026))) eventLines.insert({word.page, word.yMin});
    }
    for (const auto& [page, word] : lowest)
        EXPECT_TRUE(word->text.endsWith(QChar(0x2026))) << "page " << page << ": " << word->text.toStdString();
    std::vector<Word> rest;
    for (const Word& word : words)
        if (std::none_of(eventLines.begin(), eventLines.end(), [&](const auto& line) {
                return line.first == word.page && std::abs(line.second - word.yMin) < 0.5;
            }))
            rest.push_back(word);
    return rest;
}

int NumberIn(const QString& text) {
    bool number = false;
    const int value = text.toInt(&number);
    return number ? value : -1;
}

std::vector<int> OneTo(int32_t last) {
    std::vector<int> numbers(static_cast<std::size_t>(last));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

std::vector<std::vector<int>> RowsAfter(const std::vector<Word>& words, const QString& label) {
    std::vector<const Word*> labels;
    for (const Word& word : words)
        if (word.text == label) labels.push_back(&word);
    std::sort(labels.begin(), labels.end(), [](const Word* a, const Word* b) { return a->yMin < b->yMin; });
    std::vector<std::vector<int>> rows;
    for (const Word* at : labels) {
        std::map<double, int> line;
        for (const Word& word : words)
            if (std::abs(word.yMin - at->yMin) < 0.5 && word.xMin > at->xMax) line[word.xMin] = NumberIn(word.text);
        rows.emplace_back();
        for (const auto& [x, number] : line) rows.back().push_back(number);
    }
    return rows;
}

}  // namespace pdftesting
