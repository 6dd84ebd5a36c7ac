#include "ExportOptions.h"

#include <gtest/gtest.h>

namespace pdfexport {
namespace {

ParsedArguments Parse(std::vector<std::string> arguments) { return ParseExportArguments(arguments); }

TEST(ExportArguments, TheThreeArgumentsWithDefaults) {
    const ParsedArguments parsed = Parse({"HowellKS.txt", "3", "karty.pdf"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.request.mode, ExportRequest::Mode::Export);
    EXPECT_EQ(parsed.request.schemeFile, "HowellKS.txt");
    EXPECT_EQ(parsed.request.line, 3);
    EXPECT_EQ(parsed.request.output, "karty.pdf");
    EXPECT_EQ(parsed.request.numberingItem, 0);
    EXPECT_EQ(parsed.request.paper, Paper::A4);
    EXPECT_EQ(parsed.request.resolution, 600);
    EXPECT_FALSE(parsed.request.source.has_value());
    EXPECT_FALSE(parsed.request.from.has_value());
}

TEST(ExportArguments, EveryOption) {
    const ParsedArguments parsed =
        Parse({"--numbering", "mitchell", "--numbers", "1=11,2=12", "--swap", "3,1", "--from", "2", "--to", "3",
               "--paper", "Letter", "--resolution", "300", "--source", "Klub", "f.txt", "1", "o.pdf"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const ExportRequest& request = parsed.request;
    EXPECT_EQ(request.numberingItem, 3);
    EXPECT_EQ(request.numbers, (std::vector<std::pair<int, std::string>>{{1, "11"}, {2, "12"}}));
    EXPECT_EQ(request.swaps, (std::vector<int>{3, 1}));
    EXPECT_EQ(request.from, 2);
    EXPECT_EQ(request.to, 3);
    EXPECT_EQ(request.paper, Paper::Letter);
    EXPECT_EQ(request.resolution, 300);
    EXPECT_EQ(request.source, "Klub");
}

TEST(ExportArguments, NewNumbersAreKeptAsTypedForTheirCheck) {
    const ParsedArguments parsed = Parse({"--numbers", "3=abc,4=", "f.txt", "1", "o.pdf"});
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.request.numbers, (std::vector<std::pair<int, std::string>>{{3, "abc"}, {4, ""}}));
}

TEST(ExportArguments, ListAndCheckTakeOnlyTheFile) {
    EXPECT_EQ(Parse({"--list", "f.txt"}).request.mode, ExportRequest::Mode::List);
    EXPECT_EQ(Parse({"--check", "f.txt"}).request.mode, ExportRequest::Mode::Check);
    EXPECT_EQ(Parse({"--check", "f.txt"}).request.schemeFile, "f.txt");
    EXPECT_FALSE(Parse({"--list", "f.txt", "extra"}).ok);
}

TEST(ExportArguments, UsageErrorsSayWhatIsWrong) {
    EXPECT_EQ(Parse({}).error, "Potrzebne są trzy argumenty: plik schematów, linia i plik wyjściowy.");
    EXPECT_EQ(Parse({"f.txt", "0", "o.pdf"}).error, "Linia schematu to liczba od 1.");
    EXPECT_EQ(Parse({"f.txt", "x", "o.pdf"}).error, "Linia schematu to liczba od 1.");
    EXPECT_EQ(Parse({"--numbering", "4", "f.txt", "1", "o.pdf"}).error,
              "Opcja --numbering przyjmuje 1, 2, 3 albo mitchell.");
    EXPECT_EQ(Parse({"--numbers", "1:11", "f.txt", "1", "o.pdf"}).error,
              "Opcja --numbers przyjmuje pary STARY=NOWY rozdzielone przecinkami.");
    EXPECT_EQ(Parse({"--swap", "1,x", "f.txt", "1", "o.pdf"}).error,
              "Opcja --swap przyjmuje numery stołów rozdzielone przecinkami.");
    EXPECT_EQ(Parse({"--from", "0x2", "f.txt", "1", "o.pdf"}).error, "Opcja --from przyjmuje numer stołu.");
    EXPECT_EQ(Parse({"--paper", "A3", "f.txt", "1", "o.pdf"}).error, "Opcja --paper przyjmuje A4, A5 albo Letter.");
    EXPECT_EQ(Parse({"--resolution", "10", "f.txt", "1", "o.pdf"}).error,
              "Opcja --resolution przyjmuje liczbę od 72 do 2400.");
    EXPECT_EQ(Parse({"--bogus", "1", "f.txt", "1", "o.pdf"}).error, "Nieznana opcja --bogus.");
    EXPECT_EQ(Parse({"f.txt", "1", "o.pdf", "--to"}).error, "Brak wartości opcji --to.");
}

}  // namespace
}  // namespace pdfexport
