// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportOptions.h"

#include "BashCompletion.h"
#include "ExportOptionTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

namespace pdfexport {
namespace {

using ParsedArguments = movement::Result<ExportRequest>;

ParsedArguments Parse(const std::vector<std::string>& arguments) { return ParseExportArguments(arguments); }

TEST(ExportArguments, TheThreeArgumentsWithDefaults) {
    const ParsedArguments parsed = Parse({"HowellKS.txt", "3", "karty.pdf"});
    ASSERT_TRUE(parsed.accepted()) << parsed.message();
    EXPECT_EQ(parsed.value().mode, ExportRequest::Mode::Export);
    EXPECT_EQ(parsed.value().schemeFile, "HowellKS.txt");
    EXPECT_EQ(parsed.value().line, 3);
    EXPECT_EQ(parsed.value().output, "karty.pdf");
    EXPECT_EQ(parsed.value().numberingItem, 0);
    EXPECT_EQ(parsed.value().paper, Paper::A4);
    EXPECT_EQ(parsed.value().resolution, 600);
    EXPECT_FALSE(parsed.value().source.has_value());
    EXPECT_FALSE(parsed.value().from.has_value());
}

TEST(ExportArguments, EveryOption) {
    const ParsedArguments parsed =
        Parse({"--numbering", "mitchell", "--swap", "3,1", "--from", "2", "--to", "3", "--paper", "Letter",
               "--resolution", "300", "--source", "Klub", "f.txt", "1", "o.pdf"});
    ASSERT_TRUE(parsed.accepted()) << parsed.message();
    const ExportRequest& request = parsed.value();
    EXPECT_EQ(request.numberingItem, 3);
    EXPECT_EQ(Parse({"--numbers", "1=11,2=12", "f.txt", "1", "o.pdf"}).value().numbers,
              (std::vector<movement::TypedNumber>{{1, "11"}, {2, "12"}}));
    EXPECT_EQ(request.swaps, (std::vector<int>{3, 1}));
    EXPECT_EQ(request.from, 2);
    EXPECT_EQ(request.to, 3);
    EXPECT_EQ(request.paper, Paper::Letter);
    EXPECT_EQ(request.resolution, 300);
    EXPECT_EQ(request.source, "Klub");
}

TEST(ExportArguments, WhatToPrintAndTheAbsentPair) {
    EXPECT_EQ(Parse({"--cards", "sheet", "f.txt", "1", "o.pdf"}).value().product, printing::Product::MovementSheet);
    EXPECT_EQ(Parse({"--cards", "board", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --cards przyjmuje tables, pairs albo sheet.");
    EXPECT_EQ(Parse({"--cards", "pairs", "--absent", "x", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --absent przyjmuje numer pary.");
    EXPECT_EQ(Parse({"--absent", "3", "f.txt", "1", "o.pdf"}).value().absentPair, 3);  // table cards too
    EXPECT_EQ(Parse({"--boards", "3", "f.txt", "1", "o.pdf"}).value().boardsPerSet, 3);
    EXPECT_EQ(Parse({"f.txt", "1", "o.pdf"}).value().boardsPerSet, 0);
    EXPECT_EQ(
        Parse({"--boards", "10", "f.txt", "1", "o.pdf"}).message(),
        "Rozdań w komplecie: 10 to za dużo albo za mało; podaj od 1 do 9 albo 0, gdy numerów rozdań nie drukować.");
    EXPECT_EQ(Parse({"--boards", "trzy", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --boards przyjmuje liczbę rozdań w komplecie, od 0 do 9.");
    EXPECT_EQ(Parse({"--boards", "1", "--list", "f.txt"}).message(), "Opcja --boards nie dotyczy --list ani --check.");
    EXPECT_EQ(Parse({"--event", "Klub, 12 marca", "f.txt", "1", "o.pdf"}).value().event, "Klub, 12 marca");
    EXPECT_EQ(Parse({"--event", "", "f.txt", "1", "o.pdf"}).value().event, "");
    EXPECT_EQ(Parse({"--event", "Klub", "--check", "f.txt"}).message(),
              "Opcja --event nie dotyczy --list ani --check.");
    EXPECT_EQ(Parse({"--cards", "sheet", "--to", "2", "f.txt", "1", "o.pdf"}).message(),
              "Opcje --from i --to dotyczą tylko rozstawików stolikowych.");
}

TEST(ExportArguments, NewNumbersAreKeptAsTypedForTheirCheck) {
    const ParsedArguments parsed = Parse({"--numbers", "3=abc,4=", "f.txt", "1", "o.pdf"});
    ASSERT_TRUE(parsed.accepted());
    EXPECT_EQ(parsed.value().numbers, (std::vector<movement::TypedNumber>{{3, "abc"}, {4, ""}}));
}

TEST(ExportArguments, APrinterTakesThePlaceOfTheOutputFile) {
    const ParsedArguments parsed = Parse({"--printer", "Sala", "f.txt", "2"});
    ASSERT_TRUE(parsed.accepted()) << parsed.message();
    EXPECT_EQ(parsed.value().printer, "Sala");
    EXPECT_EQ(parsed.value().line, 2);
    EXPECT_EQ(parsed.value().output, "");
    EXPECT_EQ(Parse({"--printer", "Sala", "f.txt", "2", "o.pdf"}).message(),
              "Przy --printer potrzebne są dwa argumenty: plik schematów i linia.");
    EXPECT_EQ(Parse({"--printer", "", "f.txt", "2"}).message(), "Opcja --printer przyjmuje nazwę drukarki.");
    EXPECT_EQ(Parse({"--printer", "Sala", "--list", "f.txt"}).message(),
              "Opcja --printer nie dotyczy --list ani --check.");
}

TEST(ExportArguments, ListAndCheckTakeOnlyTheFile) {
    EXPECT_EQ(Parse({"--list", "f.txt"}).value().mode, ExportRequest::Mode::List);
    EXPECT_EQ(Parse({"--check", "f.txt"}).value().mode, ExportRequest::Mode::Check);
    EXPECT_EQ(Parse({"--check", "f.txt"}).value().schemeFile, "f.txt");
    EXPECT_FALSE(Parse({"--list", "f.txt", "extra"}).accepted());
}

TEST(ExportArguments, TheLanguageGoesWithEveryRun) {
    EXPECT_EQ(Parse({"--language", "en", "--list", "f.txt"}).value().language->code, std::string("en"));
    EXPECT_FALSE(Parse({"f.txt", "1", "o.pdf"}).value().language.has_value());
    EXPECT_EQ(Parse({"--language", "de", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --language przyjmuje kod języka: pl, en.");
    EXPECT_EQ(Parse({"--language", "pl", "--language", "en", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --language podana dwa razy.");
}

TEST(ExportArguments, UsageErrorsSayWhatIsWrong) {
    EXPECT_EQ(Parse({}).message(), "Potrzebne są trzy argumenty: plik schematów, linia i plik wyjściowy.");
    EXPECT_EQ(Parse({"f.txt", "0", "o.pdf"}).message(), "Linia schematu to liczba od 1.");
    EXPECT_EQ(Parse({"f.txt", "x", "o.pdf"}).message(), "Linia schematu to liczba od 1.");
    EXPECT_EQ(Parse({"--numbering", "4", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --numbering przyjmuje 1, 2, 3 albo mitchell.");
    EXPECT_EQ(Parse({"--numbers", "1:11", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --numbers przyjmuje pary STARY=NOWY rozdzielone przecinkami.");
    EXPECT_EQ(Parse({"--swap", "1,x", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --swap przyjmuje numery stołów rozdzielone przecinkami.");
    EXPECT_EQ(Parse({"--from", "0x2", "f.txt", "1", "o.pdf"}).message(), "Opcja --from przyjmuje numer stołu.");
    EXPECT_EQ(Parse({"--paper", "A3", "f.txt", "1", "o.pdf"}).message(), "Opcja --paper przyjmuje A4, A5 albo Letter.");
    EXPECT_EQ(Parse({"--resolution", "10", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --resolution przyjmuje liczbę od 72 do 2400.");
    EXPECT_EQ(Parse({"--card-language", "xx", "f.txt", "1", "o.pdf"}).message(),
              "Opcja --card-language przyjmuje kod języka: pl, en.");
    EXPECT_STREQ(Parse({"--card-language", "en", "f.txt", "1", "o.pdf"}).value().cardLanguage->code, "en");
    EXPECT_FALSE(Parse({"f.txt", "1", "o.pdf"}).value().cardLanguage.has_value());  // the interface's
    EXPECT_EQ(Parse({"--bogus", "1", "f.txt", "1", "o.pdf"}).message(), "Nieznana opcja --bogus.");
    EXPECT_EQ(Parse({"f.txt", "-1", "o.pdf"}).message(),
              "Nieznana opcja -1 (plik o nazwie zaczynającej się od „-” podaje się po „--” albo jako ./-1).");
    EXPECT_EQ(Parse({"--absent", "-1", "f.txt", "1", "o.pdf"}).value().absentPair, -1);  // a value, not an option
    EXPECT_EQ(Parse({"f.txt", "1", "o.pdf", "--to"}).message(), "Brak wartości opcji --to.");
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The headings of a manual page's items (the line after each .TP), with "\-" as "-".
std::vector<std::string> ItemHeadings(const std::string& page) {
    std::istringstream lines(FileText(page));
    std::vector<std::string> headings;
    bool item = false;
    for (std::string line; std::getline(lines, line); item = line == ".TP")
        if (item) headings.push_back(std::regex_replace(line, std::regex(R"(\\-)"), "-"));
    return headings;
}

TEST(ExportOptionTable, EveryOptionHasAnItemInBothManualPages) {
    for (const std::string page : {"/rozstawiki-pdf.1.in", "/pl/rozstawiki-pdf.1.in"}) {
        const std::vector<std::string> headings = ItemHeadings(MANUAL_PAGES + page);
        for (const ExportOption& option : ExportOptionTable()) {
            const std::regex named("(^|[^-a-z])" + option.name + "($|[^-a-z])");
            const auto item = std::find_if(headings.begin(), headings.end(), [&](const std::string& heading) {
                return std::regex_search(heading, named);
            });
            ASSERT_NE(item, headings.end()) << page << " lacks " << option.name;
            // The words to choose from as the usage shows them: a new product's key among them.
            if (!Alternatives(option).empty()) {
                EXPECT_NE(item->find(option.argument.words()), std::string::npos) << *item;
            }
        }
    }
}

// The help of --cards is written as one sentence: a new product must be named in it too.
TEST(ExportOptionTable, TheCardsHelpNamesEveryProduct) {
    const std::string help = HelpSaid(*FindExportOption("--cards"));
    for (const printing::ProductInfo& product : printing::ProductTable) {
        std::string name = product.name.source;
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        EXPECT_NE(help.find(name), std::string::npos) << help;
    }
}

TEST(ExportOptionTable, TheCompletionIsTheShippedScriptFilledFromTheTable) {
    const auto completion = BashCompletion(FileText(COMPLETION_SCRIPT));
    ASSERT_TRUE(completion.accepted()) << completion.message();
    EXPECT_FALSE(std::regex_search(completion.value(), std::regex("@[A-Z_]+@")));
    EXPECT_NE(completion.value().find("        --paper) _rozstawiki_pdf_offer 'A4 A5 Letter'; return ;;\n"),
              std::string::npos);
    EXPECT_NE(completion.value().find("'--numbering --numbers --swap --cards"), std::string::npos);
    EXPECT_NE(completion.value().find("        --language) _rozstawiki_pdf_offer 'pl en'; return ;;\n"),
              std::string::npos);
    // A script that lost a place would install a completion that offers nothing: the build stops.
    EXPECT_EQ(BashCompletion("case $prev in\n@VALUE_CASES@\nesac @VALUED_OPTIONS@\n").message(),
              "Skrypt uzupełniania nie ma miejsca @OPTIONS@.");
}

}  // namespace
}  // namespace pdfexport
