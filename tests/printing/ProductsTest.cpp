// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"
#include "support/PolishWords.h"
#include "support/PrintRuns.h"

#include "movement/MovementCheck.h"
#include "printing/Products.h"
#include "printing/output/PrintReport.h"
#include "printing/surfaces/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace printing {
namespace {

using Strings = std::vector<std::string>;

// Seven rounds on four tables, step ten, on a page of A4's size at 600 dpi: four pair cards to it.
const movement::MovementState SevenRounds =
    movement::testing::ReadyToPrint(movement::testing::SevenRoundsOnFourTables(), 10);
const PageMetrics Page{4800, 6800};

TEST(PrintProduct, APairTheMovementDoesNotHaveIsRefusedBeforeAnythingIsPrinted) {
    for (const Product product : {Product::TableCards, Product::PairCards, Product::MovementSheet}) {
        RecordingSurface surface;
        const movement::Outcome printed = PrintProduct(product, SevenRounds, Page, 1, 4, false, 9, surface);
        EXPECT_EQ(printed.message(),
                  "Para nieobecna: nie ma pary o numerze 9 w schemacie; podaj numer od 1 do 8 albo 0, gdy grają "
                  "wszystkie pary.");
        EXPECT_TRUE(surface.jobs.empty());
    }
}

TEST(PrintProduct, TheTableRangeAndTheAbsentPairLeaveWhatTheyDoNotConcern) {
    const auto operations = [](Product product, int32_t first, int32_t last, int32_t absent) {
        RecordingSurface surface;
        EXPECT_TRUE(PrintProduct(product, SevenRounds, Page, first, last, false, absent, surface).accepted());
        return surface.Operations();
    };
    // Pair 8 stays at table 1: the cards of tables 2 and 3 never seat it.
    EXPECT_EQ(operations(Product::TableCards, 2, 3, 8), operations(Product::TableCards, 2, 3, 0));
    EXPECT_EQ(operations(Product::PairCards, 2, 2, 0), operations(Product::PairCards, 1, 4, 0));
    EXPECT_EQ(operations(Product::MovementSheet, 3, 3, 0), operations(Product::MovementSheet, 1, 4, 0));
}

TEST(PrintProduct, SeparateJobsGiveEveryPageAJobOfItsOwnUnlessTheyGoToOneFile) {
    RecordingSurface printer;
    ASSERT_TRUE(PrintProduct(Product::PairCards, SevenRounds, Page, 1, 4, true, 0, printer).accepted());
    EXPECT_EQ(printer.jobs, (Strings{"BeginDoc", "EndDoc", "BeginDoc", "EndDoc"}));
    EXPECT_EQ(printer.jobTitles, (Strings{"Rozstawiki 7 rund 4 stoły, Karty par, strona 1",
                                          "Rozstawiki 7 rund 4 stoły, Karty par, strona 2"}));
    RecordingSurface file;
    file.SetWritesToFile(true);
    ASSERT_TRUE(PrintProduct(Product::PairCards, SevenRounds, Page, 1, 4, true, 0, file).accepted());
    EXPECT_EQ(file.jobs, (Strings{"BeginDoc", "NewPage", "EndDoc"}));
    EXPECT_EQ(file.jobTitles, Strings{"Rozstawiki 7 rund 4 stoły, Karty par"});

    // The table range is the table cards' alone: the sheet is titled by the movement.
    RecordingSurface sheet;
    ASSERT_TRUE(PrintProduct(Product::MovementSheet, SevenRounds, Page, 2, 3, false, 0, sheet).accepted());
    EXPECT_EQ(sheet.jobTitles, Strings{"Rozstawiki 7 rund 4 stoły, Arkusz schematu"});
}

TEST(PrintProduct, AFailingPrinterAbandonsTheJobWithItsReason) {
    RecordingSurface surface;
    surface.FailAt("NewPage", "Brak papieru.");
    const movement::Outcome printed = PrintProduct(Product::PairCards, SevenRounds, Page, 1, 4, false, 0, surface);
    EXPECT_EQ(printed.message(), "Brak papieru.");
    EXPECT_EQ(surface.Operations().back(), "AbortDoc");
}

// What the director reads after a print: a queue of the print server tells what became of the
// job; the Windows spooler takes it and tells nothing more, and the words say so.
TEST(PrintReportWords, EachRoadOutSaysWhatItKnows) {
    PrintReport report;
    report.sentences = InfoOf(Product::TableCards).sentences;
    report.cards = 4;
    report.destination = "Biuro";
    EXPECT_EQ(Confirmation(PolishCardWords(), report), "Wysłano 4 rozstawiki do drukarki Biuro.");
    report.fate = JobFate::WaitingPrinterStopped;
    EXPECT_EQ(Confirmation(PolishCardWords(), report), "Wysłano 4 rozstawiki do drukarki Biuro – czekają w kolejce.");
    report.fate = JobFate::HandedToSpooler;
    EXPECT_EQ(Confirmation(PolishCardWords(), report),
              "Przekazano 4 rozstawiki do kolejki wydruku drukarki Biuro. Co dalej dzieje się z zadaniem, program "
              "nie wie – widać to w kolejce drukarki w systemie Windows.");
    EXPECT_EQ(WaitingNotice(PolishCardWords(), report), "");

    report.toFile = true;
    report.destination = "turniej/Łódź/karty par.pdf";
    EXPECT_EQ(Confirmation(PolishCardWords(), report), "Zapisano 4 rozstawiki w pliku karty par.pdf.");
}

// The reports follow the count of table cards in each language's plural forms, and speak of the
// other products in whole sentences of their own.
TEST(PrintReportWords, TheCountAndTheProductSpeakTheCataloguesLanguage) {
    const movement::Catalogue& polish = support::PolishWords();
    const movement::Catalogue& english = support::EnglishWords();
    PrintReport report;
    report.sentences = InfoOf(Product::TableCards).sentences;
    report.destination = "Biuro";
    report.fate = JobFate::WaitingJobHeld;
    const std::pair<int32_t, const char*> polishCounts[] =
        {{1, "Wysłano 1 rozstawik do drukarki Biuro – czeka w kolejce."},
         {2, "Wysłano 2 rozstawiki do drukarki Biuro – czekają w kolejce."},
         {5, "Wysłano 5 rozstawików do drukarki Biuro – czekają w kolejce."},
         {22, "Wysłano 22 rozstawiki do drukarki Biuro – czekają w kolejce."}};
    for (const auto& [cards, said] : polishCounts) {
        report.cards = cards;
        EXPECT_EQ(Confirmation(polish, report), said);
    }
    report.cards = 1;
    EXPECT_EQ(Confirmation(english, report), "Sent 1 table card to printer Biuro – it is waiting in the queue.");
    report.cards = 2;
    EXPECT_EQ(WaitingNotice(english, report),
              "The job (2 table cards) has been held in the queue of printer Biuro and will print only once it is "
              "released.");
    EXPECT_EQ(NotSentSentence(english, report.sentences), "No table cards were sent.");

    report.sentences = InfoOf(Product::MovementSheet).sentences;
    EXPECT_EQ(Confirmation(polish, report), "Wysłano arkusz schematu do drukarki Biuro – czeka w kolejce.");
    EXPECT_EQ(Confirmation(english, report), "Sent the movement sheet to printer Biuro – it is waiting in the queue.");
    report.toFile = true;
    report.destination = "wyniki/karty.pdf";
    report.sentences = InfoOf(Product::PairCards).sentences;
    EXPECT_EQ(Confirmation(english, report), "Saved the pair cards in file karty.pdf.");
    EXPECT_EQ(PrintedAnywaySentence(polish, report.sentences), "Karty par wydrukowano mimo to.");
}

RunRequest RequestOf(int32_t absentPair, int32_t boardsPerSet) {
    RunRequest request;
    request.last = 4;
    request.absentPair = absentPair;
    request.boardsPerSet = boardsPerSet;
    request.words = &printing::PolishCardWords();
    return request;
}

const RecordingSurface::Text* Find(const RecordingSurface& surface, const std::string& text) {
    const auto found = std::find_if(surface.texts.begin(), surface.texts.end(),
                                    [&](const RecordingSurface::Text& t) { return t.text == text; });
    return found == surface.texts.end() ? nullptr : &*found;
}

TEST(PrintProduct, TheSheetShadesTheAbsentPairsCellsAndNamesTheBoardsUnderThem) {
    RecordingSurface surface;
    ASSERT_TRUE(PrintProduct(Product::MovementSheet, SevenRounds, Page, RequestOf(5, 3), surface).accepted());
    ASSERT_NE(Find(surface, "Rund: 7; Stołów: 4; Par: 8; Rozdań w komplecie: 3"), nullptr);
    // Pair 5 sits once in every round: seven cells in grey, each under its starred pair.
    ASSERT_EQ(surface.fills.size(), 7u);
    for (const auto& text : surface.texts) {
        if (text.text.find('*') == std::string::npos || text.text.find('-') == std::string::npos) continue;
        EXPECT_EQ(std::count_if(surface.fills.begin(), surface.fills.end(),
                                [&](const RecordingSurface::Fill& fill) {
                                    return text.x > fill.x && text.x < fill.x + fill.width && text.y > fill.y &&
                                           text.y < fill.y + fill.height;
                                }),
                  1)
            << text.text;
    }
    // Round 1, table 1 plays set 1: boards 1-3. The sets no table plays wait, named by their
    // boards as the cells show them: sets 3, 5 and 7, and set 4 of table 3, where pair 3 meets
    // pair 5 and so has no game. In round 2 table 4 has none: sets 1, 4, 6 and 7 wait, and sets 3
    // and 5 come from the spare table.
    EXPECT_NE(Find(surface, "1-3"), nullptr);
    EXPECT_NE(Find(surface, "19-21"), nullptr);
    EXPECT_NE(Find(surface, "Czekają rozdania 7-15, 19-21; pauzuje para 3"), nullptr);
    EXPECT_NE(Find(surface,
                   "Czekają rozdania 1-3, 10-12, 16-21; ze stolika pomocniczego rozdania 7-9, 13-15; "
                   "pauzuje para 1"),
              nullptr);
    // The cells of a small movement grow to the top size.
    EXPECT_EQ(Find(surface, "11-1")->fontSize, 14);
    const Strings operations = surface.Operations();
    EXPECT_EQ(std::count_if(operations.begin(), operations.end(),
                            [](const std::string& operation) { return operation.rfind("FillRect ", 0) == 0; }),
              7);

    RecordingSurface plain;
    ASSERT_TRUE(PrintProduct(Product::MovementSheet, SevenRounds, Page, RequestOf(0, 0), plain).accepted());
    EXPECT_TRUE(plain.fills.empty());
    EXPECT_EQ(Find(plain, "19-21"), nullptr);
    EXPECT_NE(Find(plain, "Czekają komplety 3, 5, 7"), nullptr);
}

TEST(PrintProduct, APauzaRowHoldsOnlyTheRoundAndEveryThirdBlockOfRowsIsShaded) {
    RecordingSurface surface;
    ASSERT_TRUE(PrintProduct(Product::PairCards, SevenRounds, Page, RequestOf(5, 3), surface).accepted());
    // Pair 1 meets pair 5 in round 2: the row, in the card's half of the page, holds "2" and
    // "pauza" and nothing else.
    const RecordingSurface::Text* pauza = Find(surface, "pauza");
    ASSERT_NE(pauza, nullptr);
    Strings row;
    for (const auto& text : surface.texts)
        if (text.page == pauza->page && text.y == pauza->y &&
            text.x / (Page.PageWidth / 2) == pauza->x / (Page.PageWidth / 2))
            row.push_back(text.text);
    EXPECT_EQ(row, (Strings{"2", "pauza"}));
    // Seven cards of seven rows: rows 4 to 6 of each are shaded, every card headed by its movement.
    EXPECT_EQ(surface.fills.size(), 7u * 3u);
    EXPECT_EQ(std::count_if(surface.texts.begin(), surface.texts.end(),
                            [](const auto& text) { return text.text == "Rund: 7; Stołów: 4; Skok numeracji: 10"; }),
              7);

    RecordingSurface without;
    ASSERT_TRUE(PrintProduct(Product::PairCards, SevenRounds, Page, RequestOf(0, 0), without).accepted());
    EXPECT_EQ(Find(without, "Rozdania"), nullptr);
    EXPECT_EQ(Find(without, "pauza"), nullptr);
    // Seven rows leave the card room: they grow to the top size.
    EXPECT_EQ(Find(without, "NS")->fontSize, 16);
}

// A scheme line whose table 4 stands in slot 4 of three sets: every product plays it as set 1,
// beside tables 1 and 5, and the sheet's check finds the movement sound.
TEST(PrintProduct, ASetBeyondTheRoundsIsSetOneOnEveryProductAndInTheCheck) {
    const auto line = movement::CheckSchemeLine("3 5 6 3 9 5 4 7 2 8 10 1");
    ASSERT_TRUE(line.accepted()) << line.message();
    movement::MovementState state;
    state.RoundCount = 3;
    state.TableCount = 5;
    std::copy(line.value().Tables.begin(), line.value().Tables.end(), state.Seating.begin() + 1);
    state = movement::testing::ReadyToPrint(state, 3);
    RecordingSurface sheet;
    ASSERT_TRUE(PrintProduct(Product::MovementSheet, state, Page, RequestOf(0, 0), sheet).accepted());
    EXPECT_NE(Find(sheet, "St. 1, 4 i 5 grają wspólnie komplet 1"), nullptr);
    EXPECT_NE(Find(sheet, "Sprawdzenie: każda para spotyka każdą inną najwyżej raz i gra każdy komplet dokładnie raz."),
              nullptr);
    RecordingSurface cards;
    RunRequest request = RequestOf(0, 2);
    request.first = request.last = 4;
    ASSERT_TRUE(PrintProduct(Product::TableCards, state, Page, request, cards).accepted());
    EXPECT_NE(Find(cards, "Komplet dzielony ze stołami 1 i 5"), nullptr);
    EXPECT_NE(Find(cards, "1-2"), nullptr);
    EXPECT_EQ(Find(cards, "7-8"), nullptr);
}

// An event of spaces alone prints every product as none does, the table cards as they always
// were (TableCard.TableOneOfSevenRoundsOnFourTablesWithStepTenNumberForNumber holds them to their
// places). A named event stands on every page, and on every pair card, under everything else; a
// line too long for the paper is read back from the PDFs (the edge tests with boards).
TEST(PrintProduct, TheEventStandsAtTheFootOfEveryPageAndSpacesAloneChangeNothing) {
    const std::string event = "Klub Brydżowy „Pik”, Mistrzostwa Okręgu, 12 marca 2027";
    for (const ProductInfo& product : ProductTable) {
        SCOPED_TRACE(product.key);
        RunRequest request = RequestOf(0, 0);
        request.first = 1;
        request.last = 4;
        RecordingSurface without;
        ASSERT_TRUE(PrintProduct(product.product, SevenRounds, Page, request, without).accepted());
        request.event = " \t  ";
        RecordingSurface spaces;
        ASSERT_TRUE(PrintProduct(product.product, SevenRounds, Page, request, spaces).accepted());
        EXPECT_EQ(spaces.Operations(), without.Operations());
        if (product.product == Product::TableCards) {
            RecordingSurface asEver;
            ASSERT_TRUE(PrintTableCards(SevenRounds, Page, 1, 4, false, asEver).accepted());
            EXPECT_EQ(spaces.Operations(), asEver.Operations());
        }

        // With every setting: the boards, an absent pair (seven pair cards, four to a page) and the event.
        request = RequestOf(5, 3);
        request.first = 1;
        request.last = 4;
        request.event = event;
        RecordingSurface surface;
        ASSERT_TRUE(PrintProduct(product.product, SevenRounds, Page, request, surface).accepted());
        const bool cards = product.product == Product::PairCards;
        const auto cell = [&](const RecordingSurface::Text& text) {
            return cards ? std::tuple{text.page, 2 * text.y / Page.PageHeight, 2 * text.x / Page.PageWidth}
                         : std::tuple{text.page, 0, 0};
        };
        int lines = 0;
        for (const auto& line : surface.texts) {
            if (line.text != event) continue;
            ++lines;
            EXPECT_LE(line.y + (0.905 + 0.212) * line.fontSize * 600 / 72, Page.PageHeight);
            for (const auto& text : surface.texts)
                if (&text != &line && cell(text) == cell(line)) {
                    EXPECT_LT(text.y, line.y) << text.text;
                }
        }
        EXPECT_EQ(lines, cards ? 7 : surface.texts.back().page + 1);
    }
}

// A file holds all the copies of every product whose row takes them: collated, the whole run
// again; else each page's copies in turn.
TEST(PrintProduct, AFileHoldsAllTheCopiesOfEveryProductThatTakesThem) {
    const auto pages = [](const RecordingSurface& surface) {
        std::vector<Strings> texts;
        for (const auto& text : surface.texts) {
            texts.resize(std::max(texts.size(), static_cast<std::size_t>(text.page) + 1));
            texts[static_cast<std::size_t>(text.page)].push_back(text.text);
        }
        return texts;
    };
    for (const ProductInfo& product : ProductTable) {
        SCOPED_TRACE(product.key);
        RunRequest request = RequestOf(0, 0);
        RecordingSurface once;
        once.SetWritesToFile(true);
        ASSERT_TRUE(PrintProduct(product.product, SevenRounds, Page, request, once).accepted());
        const std::vector<Strings> run = pages(once);
        for (const bool collated : {true, false}) {
            request.copies = {2, collated};
            RecordingSurface file;
            file.SetWritesToFile(true);
            ASSERT_TRUE(PrintProduct(product.product, SevenRounds, Page, request, file).accepted());
            std::vector<Strings> expected = run;
            if (product.takesCopies) {
                expected.clear();
                for (std::size_t page = 0; page < 2 * run.size(); ++page)
                    expected.push_back(run[collated ? page % run.size() : page / 2]);
            }
            EXPECT_EQ(pages(file), expected);
            EXPECT_EQ(file.jobTitles.size(), 1u);
        }
    }
}

TEST(PrintProduct, TheBalanceOfAShortenedHowellLeavesTheStationaryPairsOutAmongThemselves) {
    // Six rounds on five tables as HowellPV.txt has it: pairs 7..10 sit NS throughout.
    const movement::MovementState shortened =
        movement::testing::ReadyToPrint(movement::testing::MovementOf(6, {{1, 2, 1},
                                                                          {7, 4, 2},
                                                                          {8, 6, 3},
                                                                          {9, 3, 5},
                                                                          {10, 5, 6}}),
                                        6);
    RecordingSurface surface;
    ASSERT_TRUE(PrintProduct(Product::MovementSheet, shortened, Page, 1, 5, false, 0, surface).accepted());
    std::string findings;
    for (const auto& text : surface.texts)
        if (!findings.empty() || text.text.rfind("Sprawdzenie:", 0) == 0) findings += text.text + " ";
    EXPECT_NE(findings.find("Wyrównanie kierunków: każde dwie pary, z których choć jedna się przesiada, grały w tym "
                            "samym kierunku (obie NS albo obie WE) najmniej na 1, najwięcej na 4 kompletach. Pary "
                            "stacjonarne (7-10) między sobą pominięto: grają w tym samym kierunku na wszystkich "
                            "kompletach albo na żadnym."),
              std::string::npos)
        << findings;
}

}  // namespace
}  // namespace printing
