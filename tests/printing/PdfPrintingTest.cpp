// SPDX-License-Identifier: GPL-3.0-or-later
// Real cards drawn on Qt's printer in PDF mode, read back with pdftotext as a reader of the
// file would see them: every text at its place, the Polish letters and the arrow intact.

#include "ExampleMovements.h"
#include "PdfReading.h"
#include "support/PrintRuns.h"

#include "movement/MovementCheck.h"
#include "movement/PairNumbering.h"
#include "printing/Products.h"
#include "printing/surfaces/QtPrintSurface.h"
#include "printing/surfaces/RecordingSurface.h"
#include "printing/tablecards/TableCardLayout.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace {

using movement::MovementState;
using namespace pdftesting;

// Seven rounds on four tables with step ten, under the caption of a shipped file.
MovementState SevenRounds() {
    MovementState state = movement::testing::ReadyToPrint(movement::testing::SevenRoundsOnFourTables(), 10);
    state.PrintedSource = "Dużo Zbiornic PV";
    return state;
}

class PdfCards : public ::testing::Test {
protected:
    PdfCards() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(Resolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(folder.filePath(QStringLiteral("karty.pdf")));
        page = {printer.width(), printer.height()};
    }

    QTemporaryDir folder;
    QPrinter printer{QPrinter::HighResolution};
    printing::PageMetrics page;
};

TEST_F(PdfCards, EveryTextStandsWhereTheCardPutsItWithItsPolishLetters) {
    const MovementState state = SevenRounds();
    printing::RecordingSurface recorded;
    ASSERT_TRUE(printing::PrintTableCards(state, page, 1, 4, false, recorded).accepted());
    printing::QtPrintSurface surface(printer);
    const movement::Outcome printed = printing::PrintTableCards(state, page, 1, 4, false, surface);
    ASSERT_TRUE(printed.accepted()) << printed.message();

    const std::vector<Word> words = WordsOf(printer.outputFileName());
    const QRect printable = printer.pageLayout().paintRectPixels(Resolution);
    const double pointsPerPixel = 72.0 / Resolution;
    int checked = 0;
    for (const auto& text : recorded.texts) {
        QString shown = QString::fromStdString(text.text);
        if (text.fontName == "WingDings") shown = QStringLiteral("→");
        const QString first = shown.trimmed().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        const int leadingSpaces = static_cast<int>(shown.indexOf(first));
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(text.fontSize);
        const double spaceWidth = QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char(' '));
        const double expectedX = (printable.left() + text.x + leadingSpaces * spaceWidth) * pointsPerPixel;
        const double expectedY = (printable.top() + text.y) * pointsPerPixel;

        // The move line's "WE" ends a point before its arrow, so the two may read as one word.
        const auto match = std::find_if(words.begin(), words.end(), [&](const Word& word) {
            if (word.page != text.page || std::abs(word.yMin - expectedY) >= 1.5) return false;
            if (word.text.startsWith(first) && std::abs(word.xMin - expectedX) < 1.0) return true;
            return word.text.endsWith(first) && word.xMin < expectedX && expectedX - word.xMin < 40;
        });
        EXPECT_NE(match, words.end()) << "\"" << text.text << "\" on page " << text.page << " at " << expectedX << ", "
                                      << expectedY;
        ++checked;
    }
    EXPECT_GT(checked, 4 * 40);

    const auto has = [&](const QString& text) {
        return std::any_of(words.begin(), words.end(), [&](const Word& word) { return word.text == text; });
    };
    EXPECT_TRUE(has(QStringLiteral("STAŁA")));
    EXPECT_TRUE(has(QStringLiteral("Stołów:4")));
    EXPECT_TRUE(has(QStringLiteral("Dużo")));
    EXPECT_TRUE(has(QStringLiteral("→")));
    EXPECT_TRUE(has(QStringLiteral("stolikowe")));
}

TEST_F(PdfCards, AFileThatCannotBeWrittenIsReportedAndNothingClaimsSuccess) {
    printer.setOutputFileName(folder.filePath(QStringLiteral("brak/karty.pdf")));
    printing::QtPrintSurface surface(printer);
    const movement::Outcome printed = printing::PrintTableCards(SevenRounds(), page, 1, 4, false, surface);
    EXPECT_FALSE(printed.accepted());
    EXPECT_EQ(QString::fromStdString(printed.message()),
              QStringLiteral("Nie można zapisać pliku %1.").arg(folder.filePath(QStringLiteral("brak/karty.pdf"))));
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

TEST_F(PdfCards, SeparateJobsToAFileKeepEveryCard) {
    printing::QtPrintSurface surface(printer);
    ASSERT_TRUE(surface.WritesToFile());
    ASSERT_TRUE(printing::PrintTableCards(SevenRounds(), page, 1, 4, true, surface).accepted());
    const std::vector<Word> words = WordsOf(printer.outputFileName());
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.back().page, 3);
}

// With no face for the card font, as under a fontconfig that knows no fonts, printing stops with
// the reason before any file is made; the same program prints with the system's fonts.
TEST_F(PdfCards, WithNoFaceForTheCardFontNothingIsPrintedAndTheReasonIsGiven) {
    QFile conf(folder.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" + folder.filePath("cache").toUtf8() +
               "</cachedir></fontconfig>\n");
    conf.close();
    const auto printOneCard = [&](bool withoutFonts) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (withoutFonts) environment.insert(QStringLiteral("FONTCONFIG_FILE"), conf.fileName());
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(PRINT_ONE_CARD), {printer.outputFileName()});
        EXPECT_TRUE(child.waitForFinished(30000));
        return std::make_pair(child.exitCode(), QString::fromUtf8(child.readAllStandardOutput()));
    };
    EXPECT_EQ(printOneCard(true),
              std::make_pair(1,
                             QStringLiteral("Brak czcionki Arial (ani zastępczej) – nie można drukować rozstawików.")));
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
    EXPECT_EQ(printOneCard(false), std::make_pair(0, QString()));
    EXPECT_TRUE(QFile::exists(printer.outputFileName()));
}

// The edges of the program's range, table 1's card and the last one on every paper. A step of
// 40 for 23 rounds numbers the pairs above 46 from 81 to 130.
const Edge Edges[] = {{"Rounds25", 25, 13, 25},
                      {"Rounds31", 31, 16, 31},
                      {"Rounds99", 99, 48, 99},
                      {"Tables24", 23, 24, 23},
                      {"Tables48", 23, 48, 23},
                      {"PairsAbove100", 23, 48, 40},
                      {"Mitchell", 23, 24, movement::MitchellNumbering}};

// The frame's lines as wide as their pen, in points on the paper.
std::vector<QRectF> FrameOf(const printing::PageMetrics& page, QPointF origin) {
    const printing::TableCardLayout l = printing::ComputeCardLayout(page.PageWidth, page.PageHeight);
    const double pen = l.FramePen / 2.0;
    const double points = 72.0 / Resolution;
    const auto line = [&](int fromX, int fromY, int toX, int toY) {
        return QRectF(QPointF(fromX - pen, fromY - pen) * points + origin,
                      QPointF(toX + pen, toY + pen) * points + origin);
    };
    return {line(l.CardLeft, l.CardTop, l.CardRight, l.CardTop),
            line(l.CardRight, l.CardTop, l.CardRight, l.CardBottom),
            line(l.CardLeft, l.CardBottom, l.CardRight, l.CardBottom),
            line(l.CardLeft, l.CardTop, l.CardLeft, l.CardBottom),
            line(l.CardDivider, l.CardTop, l.CardDivider, l.CardBottom),
            line(l.CardLeft, l.CardMiddle, l.CardDivider, l.CardMiddle)};
}

// The first column of table 1's summary: its lines are the words in the heading's face below it
// and above the round rows, four numbers for each group side by side.
std::vector<int> SummaryTables(const std::vector<Word>& words, double rowsTop, const CardLanguage& language) {
    const auto kp =
        std::find_if(words.begin(), words.end(), [&](const Word& word) { return word.text == language.summaryLast; });
    std::map<double, std::map<double, int>> lines;
    for (const Word& word : words)
        if (std::abs(word.yMax - word.yMin - (kp->yMax - kp->yMin)) < 0.05 && word.yMin > kp->yMin + 0.5 &&
            word.yMax < rowsTop)
            lines[word.yMin][word.xMin] = NumberIn(word.text);
    std::vector<int> tables;
    for (const auto& [y, line] : lines) {
        EXPECT_EQ(line.size() % 4, 0u) << "summary line at " << y;
        int column = 0;
        for (const auto& [x, number] : line) {
            EXPECT_GE(number, 0) << "summary line at " << y;
            if (column++ % 4 == 0) tables.push_back(number);
        }
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

// No word leaves the paper, nor meets another word or the card's frame.
void ExpectEveryWordClearOnThePaper(const QPrinter& printer, const printing::PageMetrics& page,
                                    const std::vector<Word>& words) {
    const QRectF paperArea = printer.pageLayout().fullRect(QPageLayout::Point);
    const std::vector<QRectF> frame =
        FrameOf(page, QPointF(printer.pageLayout().paintRectPixels(Resolution).topLeft()) * 72.0 / Resolution);
    for (const Word& word : words)
        EXPECT_TRUE(paperArea.contains(QRectF(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax))))
            << word.text.toStdString() << " leaves the paper";
    EXPECT_EQ(InkCollisions(words, frame, paperArea.size()), std::set<std::string>());
}

class PdfCardsAtTheEdges : public ::testing::TestWithParam<std::tuple<Paper, Edge, CardLanguage>> {};

TEST_P(PdfCardsAtTheEdges, EveryWordStandsClearOnThePageAndNothingIsLeftOut) {
    const auto& [paper, edge, language] = GetParam();
    const MovementState state = EdgeMovement(edge);
    QTemporaryDir folder;
    for (const int32_t table : {1, edge.tables}) {
        const auto printerOnPaper = PdfPrinter(paper, folder.filePath(QStringLiteral("%1.pdf").arg(table)));
        QPrinter& printer = *printerOnPaper;
        const printing::PageMetrics page{printer.width(), printer.height()};
        printing::QtPrintSurface surface(printer);
        printing::RunRequest request;
        request.first = request.last = table;
        request.words = &language.Words();
        const movement::Outcome printed =
            printing::PrintProduct(printing::Product::TableCards, state, page, request, surface);
        ASSERT_TRUE(printed.accepted()) << printed.message();
        const std::vector<Word> words = WordsOf(printer.outputFileName());
        SCOPED_TRACE("table " + std::to_string(table));

        const QRectF paperArea = printer.pageLayout().fullRect(QPageLayout::Point);
        ExpectEveryWordClearOnThePaper(printer, page, words);

        const std::vector<std::vector<int>> rounds = RowsAfter(words, QString::fromUtf8(language.round));
        std::vector<int> everyRound;
        for (const auto& block : rounds) everyRound.insert(everyRound.end(), block.begin(), block.end());
        EXPECT_EQ(everyRound, OneTo(edge.rounds));
        for (const char* label : {language.ns, language.ew, language.set}) {
            const std::vector<std::vector<int>> rows = RowsAfter(words, QString::fromUtf8(label));
            ASSERT_EQ(rows.size(), rounds.size()) << label;
            for (std::size_t block = 0; block < rows.size(); ++block) {
                EXPECT_EQ(rows[block].size(), rounds[block].size()) << label;
                EXPECT_TRUE(std::none_of(rows[block].begin(), rows[block].end(), [](int n) { return n < 0; })) << label;
            }
        }
        double rowsTop = paperArea.bottom();
        for (const Word& word : words)
            if (word.text == language.round) rowsTop = std::min(rowsTop, word.yMin);
        if (table == 1) {
            EXPECT_EQ(SummaryTables(words, rowsTop, language), OneTo(edge.tables));
        }
    }
}

// The words of one line right of `label` (a word of the label's own line), from left to right.
std::vector<const Word*> WordsRightOf(const std::vector<Word>& words, const Word& label) {
    std::vector<const Word*> line;
    for (const Word& word : words)
        if (std::abs(word.yMin - label.yMin) < 0.5 && word.xMin > label.xMax) line.push_back(&word);
    std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->xMin < b->xMin; });
    return line;
}

std::vector<const Word*> Labelled(const std::vector<Word>& words, const QString& text) {
    std::vector<const Word*> found;
    for (const Word& word : words)
        if (word.text == text) found.push_back(&word);
    std::sort(found.begin(), found.end(), [](const Word* a, const Word* b) { return a->yMin < b->yMin; });
    return found;
}

// How the rows that come with board numbers read, block by block, against the round numbers
// above them: every board word centred under its own round's number (the set row's set there
// giving its boards), the tables a set comes from and goes to each ending where its round's
// number ends, each label whole on its line and a space clear of the values. Returns whether a
// card's route names the spare table.
bool ExpectBoardRowsUnderTheirRounds(const std::vector<Word>& words, int32_t boards, int32_t rounds, int32_t tables,
                                     const CardLanguage& language = CardLanguages[0]) {
    const std::vector<const Word*> runda = Labelled(words, QString::fromUtf8(language.round));
    const std::vector<const Word*> komplet = Labelled(words, QString::fromUtf8(language.set));
    const std::vector<const Word*> rozdania = Labelled(words, QString::fromUtf8(language.boards));
    const std::vector<const Word*> stolu = Labelled(words, QString::fromUtf8(language.routeEnd));
    EXPECT_EQ(komplet.size(), runda.size());
    EXPECT_EQ(rozdania.size(), runda.size());
    EXPECT_EQ(stolu.size(), 2 * runda.size());
    if (komplet.size() != runda.size() || rozdania.size() != runda.size() || stolu.size() != 2 * runda.size())
        return false;
    bool spare = false;
    int32_t firstRound = 1;
    for (std::size_t block = 0; block < runda.size(); ++block) {
        SCOPED_TRACE("block " + std::to_string(block));
        const std::vector<const Word*> numbers = WordsRightOf(words, *runda[block]);
        const std::vector<const Word*> sets = WordsRightOf(words, *komplet[block]);
        EXPECT_EQ(sets.size(), numbers.size());
        const auto nearest = [&](double x, bool byRight) {
            std::size_t best = 0;
            for (std::size_t at = 1; at < numbers.size(); ++at) {
                const auto from = [&](std::size_t n) {
                    return std::abs((byRight ? numbers[n]->xMax : (numbers[n]->xMin + numbers[n]->xMax) / 2) - x);
                };
                if (from(at) < from(best)) best = at;
            }
            return best;
        };
        // Labels: "Komplet od stołu:" and "Komplet do stołu:" whole on their lines.
        for (const Word* label : {stolu[2 * block], stolu[2 * block + 1]}) {
            const auto before = std::count_if(words.begin(), words.end(), [&](const Word& word) {
                return std::abs(word.yMin - label->yMin) < 0.5 && word.xMax < label->xMin &&
                       std::any_of(language.routeWords.begin(), language.routeWords.end(),
                                   [&](const char* routeWord) { return word.text == QString::fromUtf8(routeWord); });
            });
            EXPECT_EQ(before, 2);
        }
        // The boards, from their label's line down to the first line of tables.
        std::vector<bool> read(numbers.size());
        const double space = 0.25 * (runda[block]->yMax - runda[block]->yMin) / 1.117;
        for (const Word& word : words) {
            if (word.yMin < rozdania[block]->yMin - 0.5 || word.yMin > stolu[2 * block]->yMin - 0.5 ||
                word.xMin <= rozdania[block]->xMax)
                continue;
            EXPECT_GE(word.xMin - rozdania[block]->xMax, space) << word.text.toStdString();
            // The mark of a set shared in that round only stands after the centred boards.
            const bool marked = word.text.endsWith(QLatin1Char('*'));
            const double middle = (word.xMin + word.xMax - (marked ? 0.389 * 4 * space : 0)) / 2;
            const std::size_t at = nearest(middle, false);
            const int set = NumberIn(sets[at]->text);
            EXPECT_EQ(word.text.chopped(marked ? 1 : 0),
                      QStringLiteral("%1-%2").arg((set - 1) * boards + 1).arg(set * boards));
            EXPECT_NEAR(middle, (numbers[at]->xMin + numbers[at]->xMax) / 2, 0.6) << word.text.toStdString();
            EXPECT_FALSE(read[at]) << word.text.toStdString();
            read[at] = true;
        }
        EXPECT_EQ(std::count(read.begin(), read.end(), true), static_cast<long>(numbers.size()));
        for (const std::size_t row : {std::size_t{0}, std::size_t{1}})
            for (const Word* word : WordsRightOf(words, *stolu[2 * block + row])) {
                const std::size_t at = nearest(word->xMax, true);
                EXPECT_NEAR(word->xMax, numbers[at]->xMax, 0.6) << word->text.toStdString();
                const int32_t round = firstRound + static_cast<int32_t>(at);
                EXPECT_NE(round, row == 0 ? 1 : rounds) << word->text.toStdString();
                spare = spare || word->text == language.spareMark;
                if (word->text == language.spareMark) continue;
                for (const QString& table : word->text.split(QLatin1Char('/'))) {
                    EXPECT_GE(NumberIn(table), 1) << word->text.toStdString();
                    EXPECT_LE(NumberIn(table), tables) << word->text.toStdString();
                }
            }
        firstRound += static_cast<int32_t>(numbers.size());
    }
    return spare;
}

// The same edges with nine boards in a set (boards up to 883-891), pair 2 absent and an event's
// line too long for the paper: the rows that come with board numbers follow the blocks under
// their rounds, the foot stands under them, the event's line, cut, under all, and nothing meets
// another ink or leaves the paper.
TEST_P(PdfCardsAtTheEdges, WithBoardNumbersAndAnAbsentPairEveryWordStandsClearToo) {
    const auto& [paper, edge, language] = GetParam();
    const MovementState state = EdgeMovement(edge);
    constexpr int32_t Boards = 9;
    constexpr int32_t Absent = 2;
    const QString absent = QString::number(movement::PairRowNumber(state, Absent));
    QTemporaryDir folder;
    for (const int32_t table : {1, edge.tables}) {
        const auto printerOnPaper = PdfPrinter(paper, folder.filePath(QStringLiteral("%1.pdf").arg(table)));
        QPrinter& printer = *printerOnPaper;
        const printing::PageMetrics page{printer.width(), printer.height()};
        printing::QtPrintSurface surface(printer);
        printing::RunRequest request;
        request.first = request.last = table;
        request.absentPair = Absent;
        request.boardsPerSet = Boards;
        request.event = LongEvent;
        request.words = &language.Words();
        const movement::Outcome printed =
            printing::PrintProduct(printing::Product::TableCards, state, page, request, surface);
        ASSERT_TRUE(printed.accepted()) << printed.message();
        const std::vector<Word> words = WordsOf(printer.outputFileName());
        SCOPED_TRACE("table " + std::to_string(table));

        ExpectEveryWordClearOnThePaper(printer, page, words);
        ExpectTheEventCutAtEveryFoot(words);

        const std::vector<std::vector<int>> rounds = RowsAfter(words, QString::fromUtf8(language.round));
        std::vector<int> everyRound;
        for (const auto& block : rounds) everyRound.insert(everyRound.end(), block.begin(), block.end());
        ASSERT_EQ(everyRound, OneTo(edge.rounds));
        const bool spare = ExpectBoardRowsUnderTheirRounds(words, Boards, edge.rounds, edge.tables, language);
        bool dashes = false;
        for (const char* label : {language.ns, language.ew})
            for (const auto& block : RowsAfter(words, QString::fromUtf8(label))) {
                EXPECT_EQ(std::count(block.begin(), block.end(), absent.toInt()), 0) << label;
                dashes = dashes || std::count(block.begin(), block.end(), -1) > 0;
            }
        const auto has = [&](const QString& text) {
            return std::any_of(words.begin(), words.end(), [&](const Word& word) { return word.text == text; });
        };
        EXPECT_EQ(has(QString::fromUtf8(language.spareWord)), spare);
        EXPECT_EQ(has(QString::fromUtf8(language.absentWord)), dashes);
    }
}

// The edge tests trust this check to find ink that meets: two words drawn over each other, a
// word over a line, and nothing for words apart or a word that runs off the paper's edge.
TEST(InkCheck, FindsWordsThatMeetEachOtherOrALineAndNothingElse) {
    const QSizeF paper(200, 100);
    const auto word = [](const char* text, double x, double y) {
        return Word{0, x, y, x + 30, y + 12, QString::fromLatin1(text)};
    };
    EXPECT_EQ(InkCollisions({word("Runda", 10, 10), word("Stol", 100, 10), word("Para", 185, 80)}, {}, paper),
              std::set<std::string>());
    EXPECT_EQ(InkCollisions({word("Runda", 10, 10), word("Stol", 14, 11)}, {}, paper),
              std::set<std::string>{"Stol meets Runda"});
    EXPECT_EQ(InkCollisions({word("Para", 185, 80)}, {QRectF(180, 83, 20, 4)}, paper),
              std::set<std::string>{"Para meets a line"});
}

// HowellKS line 4, 13 rounds with nine boards a set, on every paper: the board rows and the
// tables the sets come from and go to stand in the rows' own size, each entry under its round
// ("100-108" under round 12), the labels whole on one line.
TEST(PdfCardRows, BoardNumbersOfThreeDigitsStandUnderTheirOwnRoundInTheRowsSize) {
    const auto line = movement::CheckSchemeLine("13 7 1 2 8 5 11 13 0 0 0 6 12 14 10 7 3 0 0 0 9 4");
    ASSERT_TRUE(line.accepted()) << line.message();
    movement::MovementState state;
    state.RoundCount = line.value().RoundCount;
    state.TableCount = line.value().TableCount;
    std::copy(line.value().Tables.begin(), line.value().Tables.end(), state.Seating.begin() + 1);
    state = movement::testing::ReadyToPrint(state, 13);
    QTemporaryDir folder;
    for (const Paper& paper : Papers) {
        SCOPED_TRACE(paper.name);
        const auto printer = PdfPrinter(paper, folder.filePath(QStringLiteral("%1.pdf").arg(paper.name)));
        const printing::PageMetrics page{printer->width(), printer->height()};
        printing::QtPrintSurface surface(*printer);
        printing::RunRequest request;
        request.first = 1;
        request.last = 2;
        request.boardsPerSet = 9;
        request.words = &printing::PolishCardWords();
        ASSERT_TRUE(printing::PrintProduct(printing::Product::TableCards, state, page, request, surface).accepted());
        for (int card = 1; card <= 2; ++card) {
            SCOPED_TRACE("card " + std::to_string(card));
            const std::vector<Word> words = WordsOf(printer->outputFileName(), card, card);
            ExpectEveryWordClearOnThePaper(*printer, page, words);
            ExpectBoardRowsUnderTheirRounds(words, 9, 13, 7);
            // One size for the rows and what comes with the boards: a word's box is its size.
            const auto height = [](const Word& word) { return word.yMax - word.yMin; };
            const Word& round = *Labelled(words, QStringLiteral("Runda:")).front();
            for (const Word& word : words)
                if (word.yMin > round.yMin - 0.5) {
                    EXPECT_NEAR(height(word), height(round), 0.05) << word.text.toStdString();
                }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PapersAndEdges, PdfCardsAtTheEdges,
                         ::testing::Combine(::testing::ValuesIn(Papers), ::testing::ValuesIn(Edges),
                                            ::testing::ValuesIn(CardLanguages)),
                         [](const auto& instance) {
                             return std::string(std::get<0>(instance.param).name) + "_" +
                                    std::get<1>(instance.param).name + "_" + std::get<2>(instance.param).name;
                         });

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
