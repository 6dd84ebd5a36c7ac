// Real cards drawn on Qt's printer in PDF mode, read back with pdftotext as a reader of the
// file would see them: every text at its place, the Polish letters and the arrow intact.

#include "ExampleMovements.h"

#include "printing/CardPrinter.h"
#include "printing/QtPrintSurface.h"
#include "printing/RecordingSurface.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using movement::MovementState;

constexpr int Resolution = 600;

// Seven rounds on four tables with step ten, under the caption of a shipped file.
MovementState SevenRounds() {
    MovementState state = movement::testing::ReadyToPrint(movement::testing::SevenRoundsOnFourTables(), 10);
    state.SchemeSource = "Dużo Zbiornic PV";
    return state;
}

struct Word {
    int page;
    double xMin, yMin;
    QString text;
};

// The words pdftotext finds, with their boxes in points from the top left of the page.
std::vector<Word> WordsOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    std::vector<Word> words;
    int page = -1;
    static const QRegularExpression tag(
        QString::fromLatin1(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        if (found.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString text = found.captured(3);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        words.push_back({page, found.captured(1).toDouble(), found.captured(2).toDouble(), text});
    }
    return words;
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
    ASSERT_TRUE(printing::PrintCards(state, page, 1, 4, false, recorded).accepted());
    printing::QtPrintSurface surface(printer);
    const movement::Outcome printed = printing::PrintCards(state, page, 1, 4, false, surface);
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
        EXPECT_NE(match, words.end()) << "\"" << text.text << "\" on page " << text.page << " at " << expectedX
                                      << ", " << expectedY;
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
    const movement::Outcome printed = printing::PrintCards(SevenRounds(), page, 1, 4, false, surface);
    EXPECT_FALSE(printed.accepted());
    EXPECT_EQ(QString::fromStdString(printed.message()),
              QStringLiteral("Nie można zapisać pliku %1.").arg(folder.filePath(QStringLiteral("brak/karty.pdf"))));
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

TEST_F(PdfCards, SeparateJobsToAFileKeepEveryCard) {
    printing::QtPrintSurface surface(printer);
    ASSERT_TRUE(surface.WritesToFile());
    ASSERT_TRUE(printing::PrintCards(SevenRounds(), page, 1, 4, true, surface).accepted());
    const std::vector<Word> words = WordsOf(printer.outputFileName());
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.back().page, 3);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
