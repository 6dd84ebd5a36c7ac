// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"
#include "support/SplitSchemeLines.h"

#include "movement/FileNames.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeFileReading.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace movement {
namespace {

using testing::TempFolder;
// What a scheme-file button did: nothing while locked, a loaded file, or a file not read.
enum class Status { Locked, Loaded, Failed };
Status StatusOf(const Result<SchemeFileLoad>& load) {
    if (!load.accepted()) return Status::Failed;
    return load.value().locked ? Status::Locked : Status::Loaded;
}

const std::string ExampleFile =
    "* Howell - rundy, stoly, potem NS WE albo 0\r\n"
    "5 3 6 1 0 2 5 0 3 4   \r\n"
    "11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7\r\n"
    "* koniec pliku\r\n";

std::vector<std::string> LinesOf(const std::string& bytes) { return SplitSchemeLines(bytes).lines; }

TEST(SchemeFileLines, ExampleFileGivesItsTwoSchemeLinesWithoutCommentsOrTrailingSpaces) {
    EXPECT_EQ(LinesOf(ExampleFile),
              (std::vector<std::string>{"5 3 6 1 0 2 5 0 3 4", "11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7"}));
}

TEST(SchemeFileLines, LineEndsAreLfOrCrLfAndALastLineNeedsNoLineEnd) {
    EXPECT_EQ(LinesOf("5 3 a\n7 4 b\r\n9 9 c"), (std::vector<std::string>{"5 3 a", "7 4 b", "9 9 c"}));
    // A CR that does not stand before an LF is an ordinary character of the line.
    EXPECT_EQ(LinesOf("5 3 a\r7 4 b\n"), (std::vector<std::string>{"5 3 a\r7 4 b"}));
    EXPECT_EQ(LinesOf("5 3 a\r"), (std::vector<std::string>{"5 3 a\r"}));
    EXPECT_EQ(LinesOf("5 3 a\r\r\n"), (std::vector<std::string>{"5 3 a\r"}));
}

TEST(SchemeFileLines, CrLfSplitAcrossTwoPiecesIsStillOneLineEnd) {
    SchemeLineSplitter splitter;
    splitter.Feed("5 3 a\r");
    splitter.Feed("\n7 4 b");
    EXPECT_EQ(splitter.Finish().lines, (std::vector<std::string>{"5 3 a", "7 4 b"}));
}

TEST(SchemeFileLines, AnAsteriskAnywhereMakesACommentLine) {
    EXPECT_EQ(LinesOf("*\n5 3 1 2 * uwaga\n7 4 1\n* last"), (std::vector<std::string>{"7 4 1"}));
}

TEST(SchemeFileLines, OnlyTrailingSpacesAreCutNotTabsOrLeadingSpaces) {
    EXPECT_EQ(LinesOf("5 3 1   \n5 3 1\t \n 5 3\n"), (std::vector<std::string>{"5 3 1", "5 3 1\t", " 5 3"}));
}

TEST(SchemeFileLines, EmptyLinesAndLinesOfSpacesAreSkipped) {
    EXPECT_EQ(LinesOf("\n5 3 1\n   \n\r\n7 4 1\n\n"), (std::vector<std::string>{"5 3 1", "7 4 1"}));
    EXPECT_TRUE(LinesOf("\n\n  \n").empty());
    EXPECT_TRUE(LinesOf("").empty());
}

// clang-format off: a byte in hex ends where its literal ends
TEST(SchemeFileLines, CtrlZAtTheStartOfALineEndsTheFileButInsideALineItIsText) {
    EXPECT_EQ(LinesOf("5 3 1\n\x1a"
                      "7 4 1\n9 9 9\n"),
              (std::vector<std::string>{"5 3 1"}));
    EXPECT_EQ(LinesOf("5 3 1\x1a"
                      "2\n7 4 1\n"),
              (std::vector<std::string>{"5 3 1\x1a"
                                        "2",
                                        "7 4 1"}));
    EXPECT_EQ(LinesOf("\r\x1a\n7 4 1"), (std::vector<std::string>{"\r\x1a", "7 4 1"}));
    EXPECT_TRUE(LinesOf("\x1a"
                        "5 3 1\n")
                    .empty());
}
// clang-format on

TEST(SchemeFileLines, LinesBeyondTheCapacityAreCountedNotKept) {
    std::string bytes = "* naglowek\n";
    for (int i = 1; i <= 130; ++i) bytes += std::to_string(i) + " 2 1 2\n\n* uwaga\n";
    const SchemeLines lines = SplitSchemeLines(bytes);
    ASSERT_EQ(lines.lines.size(), 101u);
    EXPECT_EQ(lines.lines.front(), "1 2 1 2");
    EXPECT_EQ(lines.lines.back(), "101 2 1 2");
    EXPECT_EQ(lines.leftOut, 29);
}

TEST(SchemeFileLines, LinesTooLongForAMovementAreCountedNotKeptButTrailingSpacesDoNotCount) {
    const std::string longest(MaxSchemeLineLength, '7');
    const std::string bytes =
        longest + "\n" + longest + "1\n* " + longest + "\n5 3 1" + std::string(2 * MaxSchemeLineLength, ' ') + "\n";
    const SchemeLines lines = SplitSchemeLines(bytes);
    EXPECT_EQ(lines.lines, (std::vector<std::string>{longest, "5 3 1"}));
    EXPECT_EQ(lines.tooLong, 1);
    EXPECT_EQ(SkippedLinesNotice(lines.leftOut, lines.tooLong),
              "Pominięto linie dłuższe niż 4096 znaków, które nie mogą być schematami; liczba pominiętych: 1.");
}

// clang-format off: a byte in hex ends where its literal ends
TEST(SchemeFileLines, AByteOrderMarkAtTheStartIsSkippedEvenWhenItComesInPieces) {
    EXPECT_EQ(LinesOf("\xef\xbb\xbf"
                      "5 3 1\n"),
              (std::vector<std::string>{"5 3 1"}));
    SchemeLineSplitter splitter;
    for (const char* piece : {"\xef", "\xbb",
                              "\xbf"
                              "7 4",
                              " 1\n\xef\xbb\xbf"})
        splitter.Feed(piece);
    EXPECT_EQ(splitter.Finish().lines, (std::vector<std::string>{"7 4 1", "\xef\xbb\xbf"}));
    EXPECT_EQ(LinesOf("\xef\xbb"
                      "5 3 1"),
              (std::vector<std::string>{"\xef\xbb"
                                        "5 3 1"}));
}
// clang-format on

TEST(SchemeFileLines, BinaryBytesAreKeptAsTheyStand) {
    const std::string bytes("5 3\0 1\xff\n", 8);
    EXPECT_EQ(LinesOf(bytes), (std::vector<std::string>{std::string("5 3\0 1\xff", 7)}));
}

TEST(CatalogueListLines, FieldWidthsSwitchAtTen) {
    EXPECT_EQ(CatalogueListLine("7 4 8 1"), "  7       4");
    EXPECT_EQ(CatalogueListLine("13 7 1 2"), "13       7");
    EXPECT_EQ(CatalogueListLine("9 10 1 2"), "  9     10");
    EXPECT_EQ(CatalogueListLine("15 12 1 2"), "15     12");
    EXPECT_EQ(CatalogueListLine("10 9 1 2"), "10       9");
    EXPECT_EQ(CatalogueListLine("5 3 6 1 0 2 5 0 3 4"), "  5       3");
    EXPECT_EQ(CatalogueListLine("11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7"), "11       6");
}

TEST(CatalogueListLines, ATokenIsReadOnlyWhenASpaceFollowsIt) {
    EXPECT_EQ(CatalogueListLine("7"), "  0       0");
    EXPECT_EQ(CatalogueListLine("5 3"), "  5       0");
    EXPECT_EQ(CatalogueListLine(""), "  0       0");
}

TEST(CatalogueListLines, NumbersAreTheirLeadingDigitsAndWideOnesAreWrittenWhole) {
    EXPECT_EQ(CatalogueListLine("7x 4y 1"), "  7       4");
    EXPECT_EQ(CatalogueListLine("a  1"), "  0       0");
    EXPECT_EQ(CatalogueListLine("007 0004 1"), "  7       4");
    EXPECT_EQ(CatalogueListLine("123 123456 1"), "123  123456");
    // Too large for the program: a question mark in the field of a wide number.
    EXPECT_EQ(CatalogueListLine("99999999999 5 1"), " ?       5");
}

TEST(ShippedSchemeFileCaption, GoesByTheFilesNameWhereverItLies) {
    EXPECT_EQ(ShippedSourceText("HowellKS.txt"), "Wg K. Kestrela");
    EXPECT_EQ(ShippedSourceText("/srv/turniej/Duzo_Zb.txt"), "Dużo Zbiornic PV");
    EXPECT_EQ(ShippedSourceText("HowellPV.txt.bak"), "");
    EXPECT_EQ(ShippedSourceText("inny/howellpv.txt"), "");
}

class SchemeFileLoading : public ::testing::Test {
protected:
    std::string FolderPath() const { return std::filesystem::path(folder.PathOf("f")).parent_path().string(); }

    TempFolder folder;
    MovementState state;
};

TEST_F(SchemeFileLoading, LoadsTheExampleFileIntoTheCatalogueAndTheList) {
    const auto file = folder.Write("HowellKS.txt", ExampleFile);
    const auto load = LoadSchemeFile(state, file, "Wg K. Kestrela");

    EXPECT_EQ(StatusOf(load), Status::Loaded);
    EXPECT_EQ(load.value().listLines, (std::vector<std::string>{"  5       3", "11       6"}));
    EXPECT_EQ(load.value().leftOut, 0);
    EXPECT_EQ(state.SchemeCatalogue[0], "5 3 6 1 0 2 5 0 3 4");
    EXPECT_EQ(state.SchemeCatalogue[1], "11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7");
    EXPECT_TRUE(state.CatalogueLoaded);
    EXPECT_EQ(state.SchemeSource, "Wg K. Kestrela");
}

TEST_F(SchemeFileLoading, LoadingMakesNoMovementCurrent) {
    state.RoundCount = 7;
    state.TableCount = 4;
    state.Seating[1] = {8, 1, 1};
    state.NumberingStep = 10;
    state.PrintFrom = 2;
    state.PrintTo = 3;
    MovementState expected = state;

    ASSERT_TRUE(LoadSchemeFile(state, folder.Write("f.txt", ExampleFile), "Wg P. Plovera").accepted());

    expected.SchemeCatalogue = state.SchemeCatalogue;
    expected.CatalogueLineCount = 2;
    expected.CatalogueLoaded = true;
    expected.SchemeSource = "Wg P. Plovera";
    EXPECT_EQ(state, expected);
}

TEST_F(SchemeFileLoading, ASecondClickAfterALoadDoesNothingAtAll) {
    ASSERT_TRUE(LoadSchemeFile(state, folder.Write("a.txt", "5 3 6 1 0 2 5 0 3 4\n"), "Wg K. Kestrela").accepted());
    const MovementState afterFirst = state;

    const auto second = LoadSchemeFile(state, folder.Write("b.txt", "7 4 1 2 3 4\n"), "Wg P. Plovera");
    EXPECT_EQ(StatusOf(second), Status::Locked);
    EXPECT_TRUE(second.value().listLines.empty());
    EXPECT_EQ(state, afterFirst);

    // Even a missing file is not looked at while the catalogue is locked.
    EXPECT_EQ(StatusOf(LoadSchemeFile(state, folder.PathOf("none.txt"), "Dużo Zbiornic PV")), Status::Locked);
    EXPECT_EQ(state, afterFirst);
}

TEST_F(SchemeFileLoading, AFileOfCommentsOnlyLoadsAnEmptyListAndStillLocks) {
    const auto load = LoadSchemeFile(state, folder.Write("c.txt", "* tylko\n* komentarze"), "Wg K. Kestrela");
    EXPECT_EQ(StatusOf(load), Status::Loaded);
    EXPECT_TRUE(load.value().listLines.empty());
    EXPECT_TRUE(state.CatalogueLoaded);
    EXPECT_EQ(StatusOf(LoadSchemeFile(state, folder.Write("d.txt", "5 3 1 2\n"), "x")), Status::Locked);
}

TEST_F(SchemeFileLoading, EntriesBeyondTheNewFileKeepWhatAnEarlierFileLeft) {
    ASSERT_TRUE(LoadSchemeFile(state, folder.Write("long.txt", "1 1 1 2\n2 1 1 2\n3 1 1 2\n"), "a").accepted());
    state.CatalogueLoaded = false;  // as ResetSchemeState leaves it
    const auto load = LoadSchemeFile(state, folder.Write("short.txt", "9 1 1 2\n"), "b");
    EXPECT_EQ(load.value().listLines.size(), 1u);
    EXPECT_EQ(state.SchemeCatalogue[0], "9 1 1 2");
    EXPECT_EQ(state.SchemeCatalogue[1], "2 1 1 2");
}

TEST_F(SchemeFileLoading, AMissingFileIsNamedWithItsFolderAndChangesOnlyTheSource) {
    state.SchemeCatalogue[0] = "7 4 1 2";
    MovementState expected = state;

    const auto load = LoadSchemeFile(state, folder.PathOf("HowellPV.txt"), "Wg P. Plovera");

    EXPECT_EQ(StatusOf(load), Status::Failed);
    EXPECT_EQ(load.message(), "Nie znaleziono pliku „HowellPV.txt” w folderze „" + FolderPath() + "”.");
    expected.SchemeSource = "Wg P. Plovera";
    EXPECT_EQ(state, expected);

    // Still unlocked: another button loads its file.
    EXPECT_EQ(StatusOf(LoadSchemeFile(state, folder.Write("Duzo_Zb.txt", "5 3 1 2\n"), "Dużo Zbiornic PV")),
              Status::Loaded);
    EXPECT_EQ(state.SchemeSource, "Dużo Zbiornic PV");
}

TEST_F(SchemeFileLoading, ADirectoryIsRefusedWithoutReadingIt) {
    std::filesystem::create_directory(folder.PathOf("HowellKS.txt"));
    const auto load = LoadSchemeFile(state, folder.PathOf("HowellKS.txt"), "Wg K. Kestrela");
    EXPECT_EQ(StatusOf(load), Status::Failed);
    EXPECT_EQ(load.message(), "Brak dostępu do pliku „HowellKS.txt” w folderze „" + FolderPath() + "”.");
    EXPECT_FALSE(state.CatalogueLoaded);
}

#ifndef _WIN32  // permissions, users and fork are Unix's
TEST_F(SchemeFileLoading, AnUnreadableFileIsRefused) {
    const auto file = folder.Write("HowellKS.txt", "5 3 1 2\n");
    ::chmod(file.c_str(), 0);
    const auto loadRefused = [&] {
        const auto load = LoadSchemeFile(state, file, "Wg K. Kestrela");
        return StatusOf(load) == Status::Failed &&
               load.message() == "Brak dostępu do pliku „HowellKS.txt” w folderze „" + FolderPath() + "”." &&
               !state.CatalogueLoaded;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(loadRefused());
        return;
    }
    // Root reads every file: try it as an ordinary user in a child process.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool asNobody = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(asNobody && loadRefused() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
#endif

TEST_F(SchemeFileLoading, AFileOfMoreThan101LinesLoadsTheFirst101AndSaysHowManyWereLeftOut) {
    std::string bytes;
    for (int i = 1; i <= 105; ++i) bytes += std::to_string(i) + " 1 1 2\n";
    const auto load = LoadSchemeFile(state, folder.Write("big.txt", bytes), "Wg K. Kestrela");
    EXPECT_EQ(StatusOf(load), Status::Loaded);
    EXPECT_EQ(load.value().listLines.size(), 101u);
    EXPECT_EQ(load.value().leftOut, 4);
    EXPECT_EQ(state.SchemeCatalogue[100], "101 1 1 2");
    EXPECT_EQ(LeftOutMessage(load.value().leftOut),
              "Plik zawiera więcej schematów, niż mieści lista. Wczytano pierwsze 101, liczba pominiętych: 4.");
}

#ifndef _WIN32  // sparse files of exabytes, fork and /proc are Unix's
// A file far too big, or still growing, is read no further than the bound, and said so.
TEST_F(SchemeFileLoading, AHugeOrGrowingFileIsReadNoFurtherThanTheBound) {
    const std::string tooLarge =
        "” w folderze „" + FolderPath() + "” jest większy niż 1 GiB, więc nie jest plikiem schematów; nie wczytano go.";
    const auto file = folder.Write("rzadki.txt", "5 3 1 2\n");
    // Seven exabytes of nothing where the file system takes them, sixteen terabytes less a bit elsewhere.
    if (::truncate(file.c_str(), int64_t{7} << 60) != 0) {
        ASSERT_EQ(::truncate(file.c_str(), (int64_t{1} << 44) - 4096), 0);
    }
    EXPECT_EQ(ReadSchemeFile(file).message(), "Plik „rzadki.txt" + tooLarge);

    // A file that keeps growing while it is read: a gigabyte more at a time, as fast as it goes.
    const auto growing = folder.Write("rośnie.txt", "5 3 1 2\n");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        ::close(ready[0]);
        for (int64_t size = int64_t{1} << 30;; size += int64_t{1} << 30) {
            if (::truncate(growing.c_str(), size) != 0) break;
            if (size == int64_t{1} << 30) ::close(ready[1]);  // the reader starts now
        }
        ::pause();
    }
    ::close(ready[1]);
    char none = 0;
    EXPECT_EQ(::read(ready[0], &none, 1), 0);
    ::close(ready[0]);
    const auto read = ReadSchemeFile(growing);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    EXPECT_EQ(read.message(), "Plik „rośnie.txt" + tooLarge);

    // A file whose size says nothing and whose bytes do not end: counted as read.
    const std::string pages = "/proc/self/pagemap";
    EXPECT_EQ(ReadSchemeFile(pages).message(),
              "Plik „pagemap” w folderze „/proc/self” jest większy niż 1 GiB, więc nie jest plikiem schematów; nie "
              "wczytano go.");
}
#endif

// The process's working folder, changed for one test.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

// A scheme-file button run in an empty working folder of its own, with two data folders.
class SchemeFileLookup : public ::testing::Test {
protected:
    static std::string FolderOf(const TempFolder& folder) {
        return std::filesystem::path(folder.PathOf("f")).parent_path().string();
    }

    TempFolder working, data, laterData;
    const WorkingFolder here{FolderOf(working)};
    MovementState state;
};

TEST_F(SchemeFileLookup, ABareNameTheWorkingFolderLacksIsReadFromTheFirstDataFolderHoldingIt) {
    data.Write("HowellKS.txt", "5 3 6 1 0 2 5 0 3 4\n");
    laterData.Write("HowellKS.txt", "7 4 8 1 2 6 0 3 5 0 4 7\n");
    state.DataFolders = {FolderOf(working) + "/brak", FolderOf(data), FolderOf(laterData)};

    const auto load = LoadSchemeFile(state, "HowellKS.txt", "Wg K. Kestrela");

    ASSERT_EQ(StatusOf(load), Status::Loaded) << load.message();
    EXPECT_EQ(state.SchemeCatalogue[0], "5 3 6 1 0 2 5 0 3 4");
    EXPECT_EQ(state.SchemeSource, "Wg K. Kestrela");
}

TEST_F(SchemeFileLookup, TheWorkingFoldersOwnFileComesFirst) {
    working.Write("HowellKS.txt", "7 4 8 1 2 6 0 3 5 0 4 7\n");
    data.Write("HowellKS.txt", "5 3 6 1 0 2 5 0 3 4\n");
    state.DataFolders = {FolderOf(data)};

    ASSERT_EQ(StatusOf(LoadSchemeFile(state, "HowellKS.txt", "Wg K. Kestrela")), Status::Loaded);
    EXPECT_EQ(state.SchemeCatalogue[0], "7 4 8 1 2 6 0 3 5 0 4 7");
}

TEST_F(SchemeFileLookup, AFileFoundNowhereNamesTheWorkingFolderAndEachDataFolderThatExists) {
    state.DataFolders = {"/nie/ma/takiego/folderu", FolderOf(data), FolderOf(data) + "/.", FolderOf(working)};
    MovementState expected = state;

    const auto load = LoadSchemeFile(state, "HowellPV.txt", "Wg P. Plovera");

    EXPECT_EQ(StatusOf(load), Status::Failed);
    EXPECT_EQ(load.message(), "Nie znaleziono pliku „HowellPV.txt” ani w folderze bieżącym „" + FolderOf(working) +
                                  "”, ani w folderze danych programu „" + FolderOf(data) + "”.");
    expected.SchemeSource = "Wg P. Plovera";
    EXPECT_EQ(state, expected);
}

TEST_F(SchemeFileLookup, ANameWithAFolderIsReadOnlyWhereItPoints) {
    data.Write("HowellKS.txt", "5 3 6 1 0 2 5 0 3 4\n");
    state.DataFolders = {FolderOf(data)};
    std::filesystem::create_directory(working.PathOf("turniej"));

    const auto load = LoadSchemeFile(state, "turniej/HowellKS.txt", "Wg K. Kestrela");

    EXPECT_EQ(StatusOf(load), Status::Failed);
    EXPECT_EQ(load.message(), "Nie znaleziono pliku „HowellKS.txt” w folderze „" +
                                  (std::filesystem::path(FolderOf(working)) / "turniej").string() + "”.");
}

// Names are kept whole (UTF-8 on Windows, whose file system takes them as UTF-16).
TEST_F(SchemeFileLookup, PolishNamesOfFilesAndFoldersAreFoundReadAndShownWhole) {
    const std::string folder = FolderOf(data) + "/Turniej w Łodzi";
    std::filesystem::create_directory(movement::PathOf(folder));
    std::ofstream(movement::PathOf(folder) / movement::PathOf("Źródło.txt"), std::ios::binary)
        << "5 3 6 1 0 2 5 0 3 4\n";
    state.DataFolders = {folder};

    ASSERT_EQ(StatusOf(LoadSchemeFile(state, "Źródło.txt", "Wg K. Kestrela")), Status::Loaded);
    EXPECT_EQ(state.SchemeCatalogue[0], "5 3 6 1 0 2 5 0 3 4");
    EXPECT_EQ(ReadSchemeFile("Żółw.txt", {folder}).message(),
              "Nie znaleziono pliku „Żółw.txt” ani w folderze bieżącym „" + FolderOf(working) +
                  "”, ani w folderze danych programu „" + movement::NameOf(movement::PathOf(folder)) + "”.");
}

TEST_F(SchemeFileLookup, AFileThatIsThereButCannotBeReadIsReportedWhereItLies) {
    // A directory of that name stands for any file that cannot be read.
    std::filesystem::create_directory(working.PathOf("HowellKS.txt"));
    data.Write("HowellKS.txt", "5 3 6 1 0 2 5 0 3 4\n");
    state.DataFolders = {FolderOf(data)};
    const auto inWorking = LoadSchemeFile(state, "HowellKS.txt", "Wg K. Kestrela");
    EXPECT_EQ(inWorking.message(), "Brak dostępu do pliku „HowellKS.txt” w folderze „" + FolderOf(working) + "”.");

    std::filesystem::create_directory(laterData.PathOf("Duzo_Zb.txt"));
    state.DataFolders = {FolderOf(laterData), FolderOf(data)};
    const auto inData = LoadSchemeFile(state, "Duzo_Zb.txt", "Dużo Zbiornic PV");
    EXPECT_EQ(inData.message(), "Brak dostępu do pliku „Duzo_Zb.txt” w folderze „" + FolderOf(laterData) + "”.");
    EXPECT_FALSE(state.CatalogueLoaded);
}

}  // namespace
}  // namespace movement
