// SPDX-License-Identifier: GPL-3.0-or-later
// rozstawiki-pdf run as a whole process, the way a director or a script would run it.

#include "FileSystems.h"
#include "MisbehavingPrintServer.h"
#include "PrivatePrintServer.h"
#include "Sanitizers.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <regex>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using movement::testing::Fuse;
using movement::testing::Mounted;
using movement::testing::WaitForTheFolder;

struct CommandRun {
    int status;
    std::string out;
    std::string errors;
};

std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class ExportCommand : public ::testing::Test {
protected:
    ExportCommand() {
        std::string pattern = (fs::temp_directory_path() / "rozstawiki-export-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        // The texts expected are Polish, which a C locale gives whatever the one the tests run in.
        ::setenv("LC_ALL", "C.UTF-8", 1);
        // Seven rounds on four tables, a complete Howell of 4 tables, and a broken line.
        Write("HowellKS.txt",
              "* przykłady\r\n7 4 8 1 2 6 0 3 5 0 4 7\r\n7 4 8 1 5 6 2 4 0 3 7\r\n5 3 6 1 0 2 5 0 3\r\n");
    }
    ~ExportCommand() override { fs::remove_all(folder); }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }

    // `shell` goes before the command (a limit to set) and `output` is where its standard
    // output is where its standard output goes. Runs at the same time need errors files of their own.
    CommandRun Export(const std::vector<std::string>& arguments, const std::string& shell = "",
                      const std::string& output = "out.txt", const std::string& errorsFile = "errors.txt") {
        std::string command = "cd " + Quoted(folder.string()) + " && " + shell + Quoted(ROZSTAWIKI_PDF);
        for (const std::string& argument : arguments) command += " " + Quoted(argument);
        command += " >" + output + " 2>" + errorsFile;
        const int status = std::system(command.c_str());
        return {WIFEXITED(status)     ? WEXITSTATUS(status)
                : WIFSIGNALED(status) ? 128 + WTERMSIG(status)
                                      : -1,
                ReadAll(folder / "out.txt"), ReadAll(folder / errorsFile)};
    }

    std::string Tool(const std::string& command) {
        const std::string full = "cd " + Quoted(folder.string()) + " && " + command + " >tool.txt 2>/dev/null";
        EXPECT_EQ(std::system(full.c_str()), 0) << command;
        return ReadAll(folder / "tool.txt");
    }

    int Pages(const std::string& pdf) {
        const std::string info = Tool("pdfinfo " + Quoted(pdf));
        const auto at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
    }

    std::string Text(const std::string& pdf) { return Tool("pdftotext -layout " + Quoted(pdf) + " -"); }

    // The cards of line 2 on a queue of the print server that listens on `server`.
    CommandRun Print(const std::string& queue, const std::string& server = printtest::ServerSocket(),
                     const std::string& errorsFile = "errors.txt") {
        return Export({"--printer", queue, "HowellKS.txt", "2"}, "CUPS_SERVER=" + Quoted(server) + " ", "out.txt",
                      errorsFile);
    }

    // The names in a folder of the test's.
    std::vector<std::string> Names(const std::string& in) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder / in)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Waits up to ten seconds for `ready`.
    static bool Eventually(const std::function<bool()>& ready) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!ready()) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    fs::path folder;
};

// The export under strace (see strace(1), "-e inject"), which holds it up or sends it a signal at a
// chosen system call: another program steps in, or the run is cut short, at the worst instant.
// The leak checker cannot work under ptrace, so a traced run leaves it out; the runs without strace
// still have it.
std::string Traced(const std::string& injections, const std::string& log = "/dev/null") {
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    const std::string withoutLeakCheck = std::string(sanitizerOptions ? sanitizerOptions : "") + ":detect_leaks=0";
    return "strace -qq -o " + Quoted(log) + " -E " + Quoted("ASAN_OPTIONS=" + withoutLeakCheck) + " " + injections + " ";
}

TEST_F(ExportCommand, WritesOneCardPerTableWithTheFilesCaption) {
    const CommandRun run = Export({"HowellKS.txt", "2", "karty.pdf"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.errors.empty()) << run.errors;
    EXPECT_EQ(Pages("karty.pdf"), 4);
    const std::string text = Text("karty.pdf");
    EXPECT_NE(text.find("Wg K. Kestrela"), std::string::npos);
    EXPECT_NE(text.find("Skok numeracji: 7"), std::string::npos);
    EXPECT_NE(text.find("STAŁA"), std::string::npos);
    EXPECT_EQ(fs::status(folder / "karty.pdf").permissions() & fs::perms::others_read, fs::perms::others_read);
    EXPECT_NE(Tool("pdfinfo karty.pdf").find("Title:           Rozstawiki 7 rund 4 stoły, stoły 1-4\n"),
              std::string::npos);
}

TEST_F(ExportCommand, PrintsOnAQueueUnderTheJobsTitle) {
    const printtest::PdfQueue queue("Wydruk");
    const CommandRun run = Print(queue.Name());
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    const auto printed = queue.PrintedFiles();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(Pages(printed[0].string()), 4);
    EXPECT_NE(Text(printed[0].string()).find("Wg K. Kestrela"), std::string::npos);
    // cups-pdf names its file after the job's title, which the queue shows.
    EXPECT_EQ(printed[0].filename().string().rfind("Rozstawiki_7_rund_4_sto", 0), 0u) << printed[0];
}

TEST_F(ExportCommand, AStoppedPrinterKeepsTheCardsWaitingWithAWarning) {
    const printtest::PdfQueue queue("Zatrzymana");
    queue.Stop();
    const CommandRun run = Print(queue.Name());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "Uwaga: Drukarka " + queue.Name() +
                              " jest zatrzymana.\nZadanie (4 rozstawiki) czeka w jej kolejce i wydrukuje się, gdy "
                              "drukarka zostanie wznowiona.\n");
    EXPECT_NE(queue.Waiting(), "");

    // The warning names what was sent.
    const CommandRun pairs = Export({"--printer", queue.Name(), "--cards", "pairs", "HowellKS.txt", "2"},
                                    "CUPS_SERVER=" + Quoted(printtest::ServerSocket()) + " ");
    EXPECT_EQ(pairs.status, 0);
    EXPECT_NE(pairs.errors.find("\nZadanie (karty par) czeka w jej kolejce"), std::string::npos) << pairs.errors;
}

TEST_F(ExportCommand, APrinterThatRefusesIsMissingOrOutOfReachFailsWithTheReason) {
    const printtest::PdfQueue queue("Odmowa");
    queue.Reject("Brak papieru");
    const CommandRun refused = Print(queue.Name());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.errors, "Drukarka " + queue.Name() +
                                  " nie przyjmuje zadań. Rozstawików nie wysłano.\nKomunikat serwera wydruku: Brak "
                                  "papieru\n");

    // Each product says what was not sent.
    const CommandRun sheet = Export({"--printer", queue.Name(), "--cards", "sheet", "HowellKS.txt", "2"},
                                    "CUPS_SERVER=" + Quoted(printtest::ServerSocket()) + " ");
    EXPECT_EQ(sheet.status, 1);
    EXPECT_EQ(sheet.errors.substr(0, sheet.errors.find('\n')),
              "Drukarka " + queue.Name() + " nie przyjmuje zadań. Arkusza schematu nie wysłano.");
    // In English, the server's own words as it gave them.
    const CommandRun english =
        Export({"--language", "en", "--printer", queue.Name(), "--cards", "pairs", "HowellKS.txt", "2"},
               "CUPS_SERVER=" + Quoted(printtest::ServerSocket()) + " ");
    EXPECT_EQ(english.errors,
              "Printer " + queue.Name() +
                  " is not accepting jobs. No pair cards were sent.\nThe print server's message: Brak papieru\n");

    queue.Remove();
    const CommandRun missing = Print(queue.Name());
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.errors, "Nie ma drukarki " + queue.Name() + " na serwerze wydruku. Rozstawików nie wysłano.\n");
    const CommandRun missingInEnglish = Export({"--language", "en", "--printer", queue.Name(), "HowellKS.txt", "2"},
                                               "CUPS_SERVER=" + Quoted(printtest::ServerSocket()) + " ");
    EXPECT_EQ(missingInEnglish.errors,
              "There is no printer " + queue.Name() + " on the print server. No table cards were sent.\n");

    const CommandRun unreachable = Print(queue.Name(), printtest::DeadSocket());
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_EQ(unreachable.errors, "Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na drukarce " +
                                      queue.Name() + ". Rozstawików nie wysłano.\n");
}

// A server that asks for a password ends the print at once. One that is silent or answers byte
// by byte ends it at the time limit, on the export's road out tried in this process with a limit
// of a second (PrintServerTimeLimit, tests/printing/QueueJobTest.cpp): the program's is 15 s.
TEST_F(ExportCommand, AServerThatWantsAPasswordEndsThePrintWithTheReason) {
    const printtest::MisbehavingServer password("password");
    const auto start = std::chrono::steady_clock::now();
    const CommandRun asked = Print("Biuro", password.Socket(), "e3.txt");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(asked.status, 1);
    EXPECT_EQ(asked.errors,
              "Serwer wydruku (CUPS) żąda hasła, a program drukuje bez logowania, więc nie można drukować na "
              "drukarce Biuro. Rozstawików nie wysłano.\n");
    EXPECT_LT(seconds, 5.0);
}

// Each way a print server fails is told as it happened, and cards the server did not confirm are
// not reported sent. The runs go all at once. A server that keeps silent once it has the document
// is tried in this process, with a short time limit (tests/printing/QueueJobTest.cpp).
TEST_F(ExportCommand, APrintServerThatFailsIsToldHowAndCardsItDidNotConfirmAreNotSent) {
    // A port of this machine on which nobody listens: taken, never listened on.
    const int closed = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(closed, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::getsockname(closed, reinterpret_cast<sockaddr*>(&address), &size), 0);

    // The servers in front of the real one print on queues of their own.
    const printtest::PdfQueue atCreate("Utworzenie"), atDocument("Dokument");
    const auto notSent = [](const std::string& queue) {
        return ", więc nie można drukować na drukarce " + queue + ". Rozstawików nie wysłano.\n";
    };
    const std::string broken = "Połączenie z serwerem wydruku (CUPS) zostało zerwane";
    const std::string garbled = "Serwer wydruku (CUPS) odpowiedział niezrozumiale (nie w protokole IPP)";
    struct Case {
        std::string mode, queue, said;
    };
    const std::vector<Case> cases = {
        {"garbage", "Biuro", garbled + notSent("Biuro")},
        {"web", "Biuro", garbled + notSent("Biuro")},
        {"cut", "Biuro", broken + notSent("Biuro")},
        {"reset", "Biuro", broken + notSent("Biuro")},
        {"close-at-create", atCreate.Name(), broken + notSent(atCreate.Name())},
        {"close-at-document", atDocument.Name(), broken + notSent(atDocument.Name())},  // the job called back
        {"", "Biuro", "Brak połączenia z serwerem wydruku (CUPS)" + notSent("Biuro")},  // the closed port
    };
    std::vector<std::unique_ptr<printtest::MisbehavingServer>> servers;
    std::vector<std::future<CommandRun>> runs;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        std::string server = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
        if (!cases[k].mode.empty()) {
            servers.push_back(std::make_unique<printtest::MisbehavingServer>(cases[k].mode, 1,
                                                                             printtest::ServerSocket()));
            server = servers.back()->Socket();
        }
        runs.push_back(std::async(std::launch::async, [this, k, server, queue = cases[k].queue] {
            return Print(queue, server, "e" + std::to_string(k) + ".txt");
        }));
    }
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const CommandRun run = runs[k].get();
        EXPECT_EQ(run.status, 1) << cases[k].mode;
        EXPECT_EQ(run.errors, cases[k].said) << cases[k].mode;
    }
    ::close(closed);
    // Told "not sent", and so it is.
    EXPECT_TRUE(atCreate.PrintedFiles().empty());
    EXPECT_TRUE(atDocument.PrintedFiles().empty());
    EXPECT_EQ(atDocument.Waiting(), "");
}

TEST_F(ExportCommand, AFileNeedsNoPrintServer) {
    const printtest::MisbehavingServer silent("silent");
    const printtest::MisbehavingServer password("password");
    for (const std::string& server : {silent.Socket(), password.Socket()}) {
        const auto start = std::chrono::steady_clock::now();
        const CommandRun run = Export({"HowellKS.txt", "2", "karty.pdf"}, "CUPS_SERVER=" + Quoted(server) + " ");
        EXPECT_EQ(run.status, 0) << server;
        EXPECT_EQ(run.errors, "");
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5.0);
        EXPECT_EQ(Pages("karty.pdf"), 4);
        fs::remove(folder / "karty.pdf");
    }
}

TEST_F(ExportCommand, NumberingSwapRangeSourceAndPaper) {
    const CommandRun run = Export({"--numbering", "mitchell", "--swap", "2", "--from", "3", "--to", "2", "--source",
                                   "Klub Łódź", "--paper", "A5", "--resolution", "300", "HowellKS.txt", "1", "k.pdf"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(Pages("k.pdf"), 2);
    const std::string text = Text("k.pdf");
    EXPECT_NE(text.find("Numery jak w Mitchell'u"), std::string::npos);
    EXPECT_NE(text.find("Klub Łódź"), std::string::npos);
    EXPECT_NE(Tool("pdfinfo k.pdf").find("420 x 595 pts (A5)"), std::string::npos);
}

TEST_F(ExportCommand, ARangeBeyondTheTablesIsKeptWithinThem) {
    const CommandRun run = Export({"--from", "0", "--to", "99", "HowellKS.txt", "2", "all.pdf"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(Pages("all.pdf"), 4);
}

TEST_F(ExportCommand, ArbitraryNumbersAreCheckedLikeTheWindowDoes) {
    const CommandRun accepted = Export({"--numbers", "1=21,8=41", "HowellKS.txt", "1", "n.pdf"});
    ASSERT_EQ(accepted.status, 0) << accepted.errors;
    EXPECT_NE(Text("n.pdf").find("Numery dowolne"), std::string::npos);

    const CommandRun letters = Export({"--numbers", "3=abc", "HowellKS.txt", "1", "x.pdf"});
    EXPECT_EQ(letters.status, 1);
    EXPECT_EQ(letters.errors, "Błąd liczby:abc popraw!\nNumer:3\n");
    const CommandRun range = Export({"--numbers", "3=100", "HowellKS.txt", "1", "x.pdf"});
    EXPECT_EQ(range.errors, "Dopuszczalne są numery z przedziału (1,99) popraw!\nNumer:3\n");
    const CommandRun repeated = Export({"--numbers", "3=5", "HowellKS.txt", "1", "x.pdf"});
    EXPECT_EQ(repeated.errors, "Powtórzony numer 5 popraw!\n");
    const CommandRun noPair = Export({"--numbers", "9=5", "HowellKS.txt", "1", "x.pdf"});
    EXPECT_EQ(noPair.errors, "Nie ma pary o numerze 9.\n");
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));
}

TEST_F(ExportCommand, PairCardsAndTheSheetWithAnAbsentPair) {
    const CommandRun pairs = Export({"--cards", "pairs", "--absent", "3", "HowellKS.txt", "2", "pary.pdf"});
    ASSERT_EQ(pairs.status, 0) << pairs.errors;
    EXPECT_EQ(Pages("pary.pdf"), 2);  // seven cards, four to an A4 page
    const std::string cards = Text("pary.pdf");
    EXPECT_NE(cards.find("pauza"), std::string::npos);
    EXPECT_TRUE(std::regex_search(cards, std::regex("Para 8\\s")));
    EXPECT_FALSE(std::regex_search(cards, std::regex("Para 3\\s")));
    // Titled by the movement and the product, as the window titles them.
    EXPECT_NE(Tool("pdfinfo pary.pdf").find("Title:           Rozstawiki 7 rund 4 stoły, Karty par\n"),
              std::string::npos);

    const CommandRun sheet = Export({"--cards", "sheet", "--absent", "3", "HowellKS.txt", "2", "arkusz.pdf"});
    ASSERT_EQ(sheet.status, 0) << sheet.errors;
    EXPECT_NE(Text("arkusz.pdf").find("Para nieobecna: 3 (w kratkach 3*, na szarym tle)"), std::string::npos);

    const CommandRun outside = Export({"--cards", "pairs", "--absent", "9", "HowellKS.txt", "2", "x.pdf"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_EQ(outside.errors,
              "Para nieobecna: żadna para nie gra pod numerem 9 w tej numeracji; podaj numer z kart albo 0, gdy grają "
              "wszystkie pary.\n");
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));

    // The number the cards print: under the second step the stationary pair 8 plays as 11.
    const CommandRun renumbered =
        Export({"--cards", "pairs", "--numbering", "2", "--absent", "11", "HowellKS.txt", "2", "dalej.pdf"});
    ASSERT_EQ(renumbered.status, 0) << renumbered.errors;
    EXPECT_FALSE(std::regex_search(Text("dalej.pdf"), std::regex("Para 11\\s")));
    EXPECT_TRUE(std::regex_search(Text("dalej.pdf"), std::regex("Para 7\\s")));
    const CommandRun nobody = Export({"--numbering", "2", "--absent", "8", "HowellKS.txt", "2", "x.pdf"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_EQ(nobody.errors,
              "Para nieobecna: żadna para nie gra pod numerem 8 w tej numeracji; podaj numer z kart albo 0, gdy grają "
              "wszystkie pary.\n");
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));

    // In English every product speaks the English words of the cards and none of the Polish ones.
    const std::regex polish(
        "\\b(Runda|Rund|Stół|Stołów|WE|Komplet|Rozdania|stołu|Para|pauza|Kierunek|Przeciwnik|"
        "Arkusz|Sprawdzenie|STAŁA|Rozstawiki)\\b");
    const auto english = [&](const char* product, const char* file, const std::vector<std::string>& words,
                             const char* title) {
        SCOPED_TRACE(product);
        const CommandRun run = Export({"--card-language", "en", "--cards", product, "--absent", "3", "--boards", "3",
                                       "HowellKS.txt", "2", file});
        ASSERT_EQ(run.status, 0) << run.errors;
        const std::string text = Text(file);
        for (const std::string& word : words)
            EXPECT_TRUE(std::regex_search(text, std::regex("(^|[^[:alnum:]])" + word + "($|[^[:alnum:]])"))) << word;
        std::smatch found;
        EXPECT_FALSE(std::regex_search(text, found, polish)) << found.str();
        EXPECT_NE(Tool("pdfinfo " + std::string(file)).find(std::string("Title:           ") + title + "\n"),
                  std::string::npos);
    };
    english("tables", "tables.pdf",
            {"Round:", "NS:", "EW:", "Set:", "Boards:", "Boards from table:", "Boards to table:", "Table guide cards",
             "Tb NS EW Set", "STAY", "absent pair, sit-out at this table", "Rounds:7"},
            "Howell 7 rounds 4 tables, tables 1-4");
    english("pairs", "pairs.pdf",
            {"Pair 8", "Round", "Table", "Direction", "Opponents", "Set", "Boards", "sit out", "EW", "Stationary pair"},
            "Howell 7 rounds 4 tables, Pair cards");
    english("sheet", "sheet.pdf",
            {"Movement sheet", "Round", "Tb 4", "Absent pair: 3", "In a cell: NS pair-EW pair",
             "Check:", "Direction balance:"},
            "Howell 7 rounds 4 tables, Movement sheet");
}

TEST_F(ExportCommand, BadInputLeavesNoFileAndAnExistingOneUntouched) {
    Write("stare.pdf", "poprzednia zawartość");
    // Ten rounds on eleven tables: under Mitchell numbering table 1's WE and table 11's NS are both 11.
    Write("Jedenascie.txt", "10 11 1 12 2 13 3 14 4 15 5 16 6 17 7 18 8 19 9 20 10 21 11 22\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"HowellKS.txt", "3", "stare.pdf"}, "Niepoprawny schemat: linia kończy się przed parami stołu 3.\n"},
        {{"HowellKS.txt", "4", "stare.pdf"}, "Plik HowellKS.txt nie ma linii schematu numer 4 (ma ich 3).\n"},
        {{"Brak.txt", "1", "stare.pdf"}, "Nie znaleziono pliku „Brak.txt” w folderze „" + folder.string() + "”.\n"},
        {{"--swap", "5", "HowellKS.txt", "1", "stare.pdf"}, "Nie ma stołu numer 5.\n"},
        {{"HowellKS.txt", "2", "brak/stare.pdf"}, "Nie można zapisać pliku brak/stare.pdf: folder nie istnieje.\n"},
        {{"HowellKS.txt", "2", "HowellKS.txt"},
         "Nie można zapisać pliku HowellKS.txt: to plik schematów, z którego czytane są rozstawiki.\n"},
        {{"--numbering", "mitchell", "--cards", "sheet", "Jedenascie.txt", "1", "stare.pdf"},
         "Dwie pary miałyby na kartach ten sam numer 11: para 11 schematu (w rundzie 1 NS przy stole 11) i para 12 "
         "schematu (w rundzie 1 WE przy stole 1).\nWybierz inną numerację.\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const CommandRun run = Export(arguments);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.errors, message);
        EXPECT_EQ(ReadAll(folder / "stare.pdf"), "poprzednia zawartość");
    }
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().find("stare.pdf."), std::string::npos) << entry.path();
}

TEST_F(ExportCommand, AWriteThatFailsIsAFailureAndTheOldFileStays) {
    Write("karty.pdf", "%PDF-1.4 stare");
    // The file may not grow past four kilobytes: the write fails instead of ending the program.
    const CommandRun run = Export({"HowellKS.txt", "2", "karty.pdf"}, "ulimit -f 4 && ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "Nie można zapisać pliku karty.pdf: plik przekroczył dopuszczalny rozmiar.\n");
    EXPECT_EQ(ReadAll(folder / "karty.pdf"), "%PDF-1.4 stare");
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().find("rozstawiki-"), std::string::npos) << entry.path();
}

TEST_F(ExportCommand, ARunCutShortAtAnyStepLeavesTheOldFileOrTheDirectorsAndNothingBeside) {
    fs::create_directory(folder / "wyniki");
    ASSERT_EQ(Export({"HowellKS.txt", "2", "wyniki/karty.pdf"}).status, 0);
    const std::string old = ReadAll(folder / "wyniki/karty.pdf");
    const std::vector<std::string> onlyTheCards = {"karty.pdf"};

    // Killed once the pending file has a name, before it takes the old one's place.
    EXPECT_EQ(Export({"HowellKS.txt", "2", "wyniki/karty.pdf"}, Traced("-e inject=renameat2:signal=SIGKILL:when=1")).status,
              128 + SIGKILL);
    WaitForTheFolder((folder / "wyniki").string());
    EXPECT_EQ(Names("wyniki"), onlyTheCards);
    EXPECT_TRUE(ReadAll(folder / "wyniki/karty.pdf") == old);

    // The director's notes put in the target's place while the pending file gets its name, and
    // the run ended just as it swaps them back: the notes stay, nothing is left beside them.
    const auto pendingNamed = [&] {
        for (const std::string& name : Names("wyniki"))
            if (name.rfind("..rozstawiki-", 0) == 0) return true;
        return false;
    };
    for (const int signal : {SIGTERM, SIGKILL}) {
        Write("wyniki/karty.pdf", old);
        auto run = std::async(std::launch::async, [&] {
            return Export({"HowellKS.txt", "2", "wyniki/karty.pdf"},
                          Traced("-e inject=linkat:delay_exit=1000000 -e inject=renameat2:signal=" +
                                 std::string(signal == SIGTERM ? "SIGTERM" : "SIGKILL") + ":when=2"));
        });
        EXPECT_TRUE(Eventually(pendingNamed));
        Write("notatki.txt", "Notatki sędziego");
        fs::rename(folder / "notatki.txt", folder / "wyniki/karty.pdf");
        EXPECT_EQ(run.get().status, 128 + signal);
        WaitForTheFolder((folder / "wyniki").string());
        EXPECT_EQ(ReadAll(folder / "wyniki/karty.pdf"), "Notatki sędziego") << ::strsignal(signal);
        EXPECT_EQ(Names("wyniki"), onlyTheCards);
    }
}

TEST_F(ExportCommand, AnotherUsersFileWrittenOverInPlaceIsWholeWhenASignalComes) {
    if (::geteuid() != 0) GTEST_SKIP() << "running as another user needs root";
    // An old PDF of 48 tables, larger than the new cards, which another user may write.
    Write(
        "duży.txt", "23 48" + [] {
            std::string pairs;
            for (int pair = 1; pair <= 96; ++pair) pairs += " " + std::to_string(pair);
            return pairs;
        }() + "\n");
    fs::create_directory(folder / "wspólne");
    ASSERT_EQ(Export({"duży.txt", "1", "wspólne/karty.pdf"}).status, 0);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder / "wspólne", fs::perms::all);
    fs::permissions(folder / "wspólne/karty.pdf", fs::perms::owner_read | fs::perms::owner_write |
                                                      fs::perms::group_read | fs::perms::group_write |
                                                      fs::perms::others_read | fs::perms::others_write);

    // The signal comes with the first write over the old file: it waits until the file is whole.
    const CommandRun run = Export({"HowellKS.txt", "2", "wspólne/karty.pdf"},
                                  Traced("-u nobody -e inject=pwrite64:signal=SIGTERM:when=1"));
    EXPECT_EQ(run.status, 128 + SIGTERM);
    EXPECT_EQ(Pages("wspólne/karty.pdf"), 4);
    EXPECT_EQ(fs::status(folder / "wspólne/karty.pdf").permissions() & fs::perms::others_write, fs::perms::others_write);
}

TEST_F(ExportCommand, OnAFileSystemThatCannotSwapNamesNothingIsOverwrittenOrLeftBehind) {
    const Mounted fuse = Fuse((folder / "źródło").string(), (folder / "fuse").string());
    if (!fuse) GTEST_SKIP() << "mounting bindfs needs root and FUSE";
    for (int run = 0; run < 2; ++run) ASSERT_EQ(Export({"HowellKS.txt", "2", "fuse/karty.pdf"}).status, 0);
    EXPECT_EQ(Pages("fuse/karty.pdf"), 4);

    // The director's notes take the name between the check and the replacement.
    const std::string log = (folder / "strace.txt").string();
    auto run = std::async(std::launch::async, [&] {
        return Export({"HowellKS.txt", "2", "fuse/karty.pdf"},
                      Traced("-e trace=renameat -e inject=renameat:delay_enter=1000000", log));
    });
    EXPECT_TRUE(Eventually([&] { return ReadAll(log).find("renameat(") != std::string::npos; }));
    Write("fuse/notatki.txt", "Notatki sędziego");
    fs::rename(folder / "fuse/notatki.txt", folder / "fuse/karty.pdf");
    const CommandRun refused = run.get();
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.errors,
              "Nie można zapisać pliku fuse/karty.pdf: w czasie zapisu ktoś zmienił ten plik, więc nie zostanie "
              "zastąpiony.\n");
    EXPECT_EQ(ReadAll(folder / "fuse/karty.pdf"), "Notatki sędziego");
    WaitForTheFolder((folder / "fuse").string());
    EXPECT_EQ(Names("fuse"), std::vector<std::string>{"karty.pdf"});

    // Memory that runs out half-way through the cards is said, and takes the pending file with it.
    if (!Sanitized) {  // the sanitizers need far more memory of their own
        Write(
            "duży.txt", "99 48" + [] {
                std::string line;
                for (int pair = 1; pair <= 96; ++pair) line += " " + std::to_string(pair);
                for (int table = 49; table <= 99; ++table) line += " 0";
                return line;
            }() + "\n");
        fs::remove(folder / "fuse/karty.pdf");
        const CommandRun outOfMemory =
            Export({"--cards", "pairs", "--resolution", "2400", "--boards", "9", "duży.txt", "1", "fuse/karty.pdf"},
                   "ulimit -d 20000 && ");
        EXPECT_EQ(outOfMemory.status, 1);
        EXPECT_EQ(outOfMemory.errors,
                  "Za mało pamięci na ten wydruk; nic nie zapisano ani nie wysłano (mniejsza rozdzielczość, "
                  "--resolution, potrzebuje mniej).\n");
        WaitForTheFolder((folder / "fuse").string());
        EXPECT_TRUE(Names("fuse").empty());
    }
}

TEST_F(ExportCommand, AFileOfExabytesEndsTheReadingAtOnce) {
    Write("rzadki.txt", "7 4 8 1 5 6 2 4 0 3 7\n");
    const std::string file = (folder / "rzadki.txt").string();
    // Seven exabytes where the file system takes them, sixteen terabytes less a bit elsewhere.
    if (::truncate(file.c_str(), int64_t{7} << 60) != 0) {
        ASSERT_EQ(::truncate(file.c_str(), (int64_t{1} << 44) - 4096), 0);
    }
    const std::string message = "Plik „rzadki.txt” w folderze „" + folder.string() +
                                "” jest większy niż 1 GiB, więc nie jest plikiem schematów; nie wczytano go.\n";
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--list", "rzadki.txt"},
                                                                       {"--check", "rzadki.txt"},
                                                                       {"rzadki.txt", "1", "karty.pdf"}}) {
        const CommandRun run = Export(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, message);
    }
    EXPECT_FALSE(fs::exists(folder / "karty.pdf"));
}

TEST_F(ExportCommand, KernelFilesAndPipesAsTheOutputAreRefusedWithTheRealReason) {
    EXPECT_EQ(Export({"HowellKS.txt", "2", "/proc/self/status"}).errors,
              "Nie można zapisać pliku /proc/self/status: to plik systemowy jądra (/proc, /sys, /dev), a nie plik na "
              "dysku.\n");
    // Standard output on a pipe.
    const std::string command = "cd " + Quoted(folder.string()) + " && { " + Quoted(ROZSTAWIKI_PDF) +
                                " HowellKS.txt 2 /dev/stdout 2>errors.txt; echo $? >status.txt; } | cat >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadAll(folder / "status.txt"), "1\n");
    EXPECT_EQ(ReadAll(folder / "errors.txt"),
              "Nie można zapisać pliku /dev/stdout: to nie jest zwykły plik (np. kolejka FIFO albo urządzenie).\n");
}

TEST_F(ExportCommand, AMovementThatFailsTheChecksPrintsWithAWarningNamingTheFault) {
    const CommandRun run = Export({"HowellKS.txt", "1", "karty.pdf"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors,
              "Uwaga: schemat nie przechodzi sprawdzenia: Błąd rozbicia, popraw! pary 2 i 6 spotykają się dwa razy, "
              "w rundach 1 i 3. Rozstawiki wydrukowano mimo to.\n");
    // Each product says what it printed.
    const std::string warning = run.errors.substr(0, run.errors.find(" Rozstawiki"));
    EXPECT_EQ(Export({"--cards", "pairs", "HowellKS.txt", "1", "pary.pdf"}).errors,
              warning + " Karty par wydrukowano mimo to.\n");
    EXPECT_EQ(Export({"--cards", "sheet", "HowellKS.txt", "1", "arkusz.pdf"}).errors,
              warning + " Arkusz schematu wydrukowano mimo to.\n");
    EXPECT_EQ(Pages("karty.pdf"), 4);

    // Said only once the cards are out: a write that fails is all there is to say.
    const CommandRun failed = Export({"HowellKS.txt", "1", "pełny.pdf"}, "ulimit -f 4 && ");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.errors, "Nie można zapisać pliku pełny.pdf: plik przekroczył dopuszczalny rozmiar.\n");
}

TEST_F(ExportCommand, HelpVersionTheEndOfOptionsAndOptionsGivenTwiceOrAtOdds) {
    const CommandRun help = Export({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Użycie:", 0), 0u);
    EXPECT_EQ(Export({"--version"}).out, std::string("rozstawiki-pdf ") + ROZSTAWIKI_VERSION + "\n");

    Write("--dziwny.txt", "7 4 8 1 5 6 2 4 0 3 7\n");
    EXPECT_EQ(Export({"--", "--dziwny.txt", "1", "d.pdf"}).status, 0);
    EXPECT_EQ(Pages("d.pdf"), 4);
    // A word that begins with "-" is an option, also one Qt would take for its own; a file so
    // named comes after "--" or as ./-name, and Qt sees none of them.
    Write("-platform", "7 4 8 1 5 6 2 4 0 3 7\n");
    const CommandRun dashed = Export({"-qwindowtitle", "HowellKS.txt", "1", "h.pdf"});
    EXPECT_EQ(dashed.status, 2);
    EXPECT_EQ(dashed.errors.substr(0, dashed.errors.find('\n')),
              "Nieznana opcja -qwindowtitle (plik o nazwie zaczynającej się od „-” podaje się po „--” albo jako "
              "./-qwindowtitle).");
    EXPECT_EQ(Export({"-platform", "1", "-reverse"}).status, 2);
    EXPECT_FALSE(fs::exists(folder / "h.pdf") || fs::exists(folder / "-reverse"));
    const CommandRun platform = Export({"--", "-platform", "1", "-reverse"});
    EXPECT_EQ(platform.status, 0) << platform.errors;
    EXPECT_EQ(Pages("-reverse"), 4);
    EXPECT_EQ(Export({"./-platform", "1", "./-qwindowtitle"}).status, 0);
    EXPECT_EQ(Pages("-qwindowtitle"), 4);
    // Help is no way around an unknown option.
    EXPECT_EQ(Export({"--help", "--bogus"}).status, 2);
    EXPECT_EQ(Export({"--version", "--bogus"}).status, 2);
    EXPECT_EQ(Export({"--help", "--paper", "A5"}).status, 0);

    const CommandRun twice = Export({"--paper", "A4", "--paper", "A5", "HowellKS.txt", "2", "x.pdf"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_EQ(twice.errors.substr(0, twice.errors.find('\n')), "Opcja --paper podana dwa razy.");
    EXPECT_EQ(Export({"--numbering", "2", "--numbers", "1=3", "HowellKS.txt", "2", "x.pdf"}).status, 2);
    EXPECT_EQ(Export({"--list", "HowellKS.txt", "--check", "HowellKS.txt"}).status, 2);
    EXPECT_EQ(Export({"--paper", "A5", "--list", "HowellKS.txt"}).status, 2);
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST_F(ExportCommand, SpeaksTheLanguageAskedForElseTheLocales) {
    const CommandRun help = Export({"--language", "en", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:\n  rozstawiki-pdf [options] SCHEME_FILE LINE OUTPUT.pdf\n", 0), 0u);
    EXPECT_NE(help.out.find("\n  --language pl|en            the language of the messages"), std::string::npos);
    EXPECT_NE(help.out.find("\nExit status: 0 success"), std::string::npos);
    for (const char* letter : {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż", "Ł", "Ś", "Ż"})
        EXPECT_EQ(help.out.find(letter), std::string::npos) << letter;

    // Chosen before the other options are read, so what is wrong with them is said in it.
    const CommandRun wrong = Export({"--paper", "B5", "--language", "en", "HowellKS.txt", "1", "x.pdf"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(FirstLine(wrong.errors), "Option --paper takes A4, A5 or Letter.");
    EXPECT_NE(wrong.errors.find("\n\nUsage:\n"), std::string::npos);
    EXPECT_EQ(FirstLine(Export({"--language", "pl", "--bogus"}, "LC_ALL=en_GB.UTF-8 ").errors),
              "Nieznana opcja --bogus.");
    // The core's refusals too: a scheme line, an absent pair.
    EXPECT_EQ(Export({"--language", "en", "HowellKS.txt", "3", "x.pdf"}).errors,
              "Invalid movement: the line ends before the pairs of table 3.\n");
    EXPECT_EQ(Export({"--language", "en", "--cards", "pairs", "--absent", "9", "HowellKS.txt", "2", "x.pdf"}).errors,
              "Absent pair: no pair plays under number 9 in this numbering; give the number on the cards, or 0 when "
              "all pairs play.\n");

    const CommandRun unknown = Export({"--language", "xx", "--help"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(FirstLine(unknown.errors), "Opcja --language przyjmuje kod języka: pl, en.");
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));

    // Without --language, the locale: LC_ALL, then LC_MESSAGES, then LANG; C is Polish.
    const std::string locale = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES ";
    EXPECT_EQ(FirstLine(Export({"--bogus"}, locale + "LANG=en_GB.UTF-8 ").errors), "Unknown option --bogus.");
    EXPECT_EQ(FirstLine(Export({"--bogus"}, locale + "LANG=C ").errors), "Nieznana opcja --bogus.");
    EXPECT_EQ(FirstLine(Export({"--bogus"}, locale + "LC_ALL=pl_PL.UTF-8 LANG=en_GB.UTF-8 ").errors),
              "Nieznana opcja --bogus.");
}

TEST_F(ExportCommand, UsageErrorsExitWithTwoAndTheUsage) {
    const CommandRun run = Export({"HowellKS.txt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("Potrzebne są trzy argumenty"), std::string::npos);
    EXPECT_NE(run.errors.find("rozstawiki-pdf [opcje] PLIK_SCHEMATÓW LINIA WYJŚCIE.pdf"), std::string::npos);
    EXPECT_EQ(Export({"--paper", "B5", "HowellKS.txt", "1", "x.pdf"}).status, 2);
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));
}

TEST_F(ExportCommand, ListsTheLinesAsTheMainWindowDoes) {
    const CommandRun run = Export({"--list", "HowellKS.txt"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1:   7       4\n2:   7       4\n3:   5       3\n");
}

TEST_F(ExportCommand, ChecksEveryLineAsATypedScheme) {
    const CommandRun run = Export({"--check", "HowellKS.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "1: Błąd rozbicia, popraw!\n2: OK\n3: Niepoprawny schemat: linia kończy się przed parami stołu 3.\n");
    EXPECT_EQ(run.errors, "Błędne linie: 1, 3.\n");
    Write("dobre.txt",
          "\xef\xbb\xbf"
          "7 4 8 1 5 6 2 4 0 3 7\n");
    EXPECT_EQ(Export({"--check", "dobre.txt"}).status, 0);

    // A file without a scheme line passes nothing: empty, or lines ended by CR alone (one comment).
    Write("pusty.txt", "");
    Write("mac.txt", "* przykład\r7 4 8 1 5 6 2 4 0 3 7\r");
    for (const std::string name : {"pusty.txt", "mac.txt"}) {
        const CommandRun none = Export({"--check", name});
        EXPECT_EQ(none.status, 1) << name;
        EXPECT_EQ(none.errors, "W pliku " + name + " nie ma żadnej linii schematu, więc nie ma czego sprawdzić.\n");
    }

    // A line skipped as too long fails the check too, and so does output that cannot be written.
    Write("długie.txt", "7 4 8 1 5 6 2 4 0 3 7\n" + std::string(5000, '1') + "\n");
    const CommandRun skipped = Export({"--check", "długie.txt"});
    EXPECT_EQ(skipped.status, 1);
    EXPECT_EQ(skipped.out, "1: OK\n");
    EXPECT_NE(skipped.errors.find("liczba pominiętych: 1."), std::string::npos);
    EXPECT_EQ(Export({"--check", "dobre.txt"}, "", "/dev/full").status, 1);
    const CommandRun full = Export({"--list", "dobre.txt"}, "", "/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.errors, "Nie można wypisać wyników na standardowe wyjście: brak miejsca na dysku.\n");

    // A reader that went away is a failure with a message, not a signal.
    const std::string closedPipe = "cd " + Quoted(folder.string()) + " && { sleep 1; " + Quoted(ROZSTAWIKI_PDF) +
                                   " --list dobre.txt 2>errors.txt; echo $? >status.txt; } | true";
    EXPECT_EQ(std::system(closedPipe.c_str()), 0);
    EXPECT_EQ(ReadAll(folder / "status.txt"), "1\n");
    EXPECT_EQ(ReadAll(folder / "errors.txt"),
              "Nie można wypisać wyników na standardowe wyjście: odbiorca wyników zakończył czytanie (zamknięty "
              "potok).\n");
}

TEST_F(ExportCommand, AFileOf300MegabytesIsListedQuicklyInLittleMemory) {
    {
        std::ofstream big(folder / "duży.txt", std::ios::binary);
        const std::string line = "7 4 8 1 5 6 2 4 0 3 7\r\n";
        std::string megabyte;
        while (megabyte.size() < 1'000'000) megabyte += line;
        for (int i = 0; i < 100; ++i) big << megabyte;
        const std::string digits(1'000'000, '3');
        for (int i = 0; i < 200; ++i) big << digits;
    }
    const auto start = std::chrono::steady_clock::now();
    const CommandRun run = Export({"--list", "duży.txt"});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    struct rusage children {};
    ::getrusage(RUSAGE_CHILDREN, &children);
    fs::remove(folder / "duży.txt");

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 101);
    EXPECT_NE(run.errors.find("liczba pominiętych: 1."), std::string::npos);
    if (!Sanitized) {  // the sanitizers' own time and memory are no measure
        EXPECT_LT(seconds, 3.0);
        EXPECT_LT(children.ru_maxrss, 100 * 1024);
    }
    RecordProperty("seconds", std::to_string(seconds));
}

}  // namespace
