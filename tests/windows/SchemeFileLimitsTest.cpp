// SPDX-License-Identifier: GPL-3.0-or-later
// Scheme files at and beyond their limits, loaded through the main window's buttons the way a
// director would: what the director is told, and that nothing of the current movement changed.

#include "Sanitizers.h"
#include "WindowRoad.h"

#include "movement/SchemeFile.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <chrono>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long PeakMemoryKilobytes() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const QByteArray SevenRoundsFourTables = "7 4 8 1 0 0 3 6 0 5 2 7 4";

class SchemeFileLimits : public WindowRoad {
protected:
    // A movement current before the file in question is loaded: chosen, then the files unlocked
    // as opening another window would.
    void ChooseAMovementFirst() {
        WriteFile(QStringLiteral("HowellPV.txt"), SevenRoundsFourTables + "\n");
        Click(drog.Plover);
        DoubleClickLine(drog.ListBox1, 0);
        ASSERT_EQ(state.TableCount, 4);
        drog.ResetSchemeState();
        current = state;
    }

    void LoadWithTheFirstButton(const QByteArray& bytes) {
        WriteFile(QStringLiteral("HowellKS.txt"), bytes);
        Click(drog.Kestrel);
    }

    // The movement and everything chosen for it, which no load and no refused line may touch.
    void ExpectTheMovementAsItWas() const {
        EXPECT_EQ(state.RoundCount, current.RoundCount);
        EXPECT_EQ(state.TableCount, current.TableCount);
        EXPECT_EQ(state.Seating, current.Seating);
        EXPECT_EQ(state.NumberingStep, current.NumberingStep);
        EXPECT_EQ(state.PairNumberMap, current.PairNumberMap);
        EXPECT_EQ(state.PrintFrom, current.PrintFrom);
        EXPECT_EQ(state.PrintTo, current.PrintTo);
    }

    movement::MovementState current;
};

TEST_F(SchemeFileLimits, AHundredThousandLinesListTheFirst101) {
    ChooseAMovementFirst();
    QByteArray bytes;
    bytes.reserve(std::size_t{100'000} * 27);
    for (int line = 0; line < 100'000; ++line) bytes += SevenRoundsFourTables + "\r\n";
    LoadWithTheFirstButton(bytes);

    EXPECT_EQ(drog.ListBox1->LineCount(), 101);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Plik zawiera więcej schematów, niż mieści lista. Wczytano "
                                                  "pierwsze 101, liczba pominiętych: 99899."));
    ExpectTheMovementAsItWas();
}

TEST_F(SchemeFileLimits, ALineOfTenMegabytes) {
    ChooseAMovementFirst();
    // One number of ten million digits is no movement; ten million trailing spaces are no part
    // of the line they follow.
    LoadWithTheFirstButton(QByteArray(10'000'000, '9') + "\n" + SevenRoundsFourTables + QByteArray(10'000'000, ' ') +
                           "\n");
    EXPECT_EQ(Lines(drog.ListBox1), (QStringList{"  7       4"}));
    EXPECT_EQ(messages.LastText(), QStringLiteral("Pominięto linie dłuższe niż 4096 znaków, które nie mogą być "
                                                  "schematami; liczba pominiętych: 1."));
    ExpectTheMovementAsItWas();

    DoubleClickLine(drog.ListBox1, 0);
    EXPECT_EQ(state.TableCount, 4);
    EXPECT_EQ(state.Seating[4], (movement::TableSeat{7, 4, 7}));
}

TEST_F(SchemeFileLimits, AFileOf300MegabytesIsListedQuicklyInLittleMemory) {
    // A hundred megabytes of movements, and one line of two hundred megabytes, written a
    // megabyte at a time so that the test itself stays small.
    const QByteArray line = SevenRoundsFourTables + "\r\n";
    QByteArray lines;
    while (lines.size() < 1'000'000) lines += line;
    QFile file(QStringLiteral("HowellKS.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int megabyte = 0; megabyte < 100; ++megabyte) file.write(lines);
    const QByteArray digits(1'000'000, '3');
    for (int megabyte = 0; megabyte < 200; ++megabyte) file.write(digits);
    file.close();
    const qsizetype movements = 100 * (lines.size() / line.size());

    const long before = PeakMemoryKilobytes();
    const auto start = std::chrono::steady_clock::now();
    Click(drog.Kestrel);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(drog.ListBox1->LineCount(), 101);
    EXPECT_EQ(messages.LastText(), QString::fromStdString(movement::SkippedLinesNotice(movements - 101, 1)));
    if (!Sanitized) {  // the sanitizers' own time and memory are no measure
        EXPECT_LT(seconds, 3.0);
        EXPECT_LT(PeakMemoryKilobytes() - before, 100 * 1024);
    }
    RecordProperty("seconds", std::to_string(seconds));
}

TEST_F(SchemeFileLimits, ASparseFileOfExabytesIsRefusedAtOnce) {
    ChooseAMovementFirst();
    WriteFile(QStringLiteral("HowellKS.txt"), SevenRoundsFourTables + "\n");
    // Seven exabytes where the file system takes them, sixteen terabytes less a bit elsewhere.
    if (::truncate("HowellKS.txt", int64_t{7} << 60) != 0) {
        ASSERT_EQ(::truncate("HowellKS.txt", (int64_t{1} << 44) - 4096), 0);
    }
    const auto start = std::chrono::steady_clock::now();
    Click(drog.Kestrel);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 3.0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, QStringLiteral("Plik „HowellKS.txt” w folderze „%1” jest większy niż 1 GiB, "
                                                       "więc nie jest plikiem schematów; nie wczytano go.")
                                            .arg(QDir::currentPath()));
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);
    EXPECT_FALSE(state.CatalogueLoaded);
    ExpectTheMovementAsItWas();
}

TEST_F(SchemeFileLimits, NulAndOtherBinaryBytes) {
    ChooseAMovementFirst();
    static const char bytes[] = "\x00\xff\xfe 5\x80 x\n5 3 6 1 0 2 5 0 3 4\x00\xff\n\xc4\x8d\x00 3 \x01\x02\n";
    LoadWithTheFirstButton(QByteArray(bytes, sizeof bytes - 1));
    EXPECT_EQ(Lines(drog.ListBox1), (QStringList{"  0       5", "  5       3", "  0       3"}));

    DoubleClickLine(drog.ListBox1, 0);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Niepoprawny schemat: liczba rund musi wynosić od 1 do 99."));
    DoubleClickLine(drog.ListBox1, 2);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Niepoprawny schemat: liczba rund musi wynosić od 1 do 99."));
    ExpectTheMovementAsItWas();

    DoubleClickLine(drog.ListBox1, 1);  // the last WE pair reads as the digits before the NUL
    EXPECT_EQ(state.TableCount, 3);
    EXPECT_EQ(state.Seating[3], (movement::TableSeat{3, 4, 5}));
}

TEST_F(SchemeFileLimits, CarriageReturnsAloneDoNotEndLines) {
    ChooseAMovementFirst();
    LoadWithTheFirstButton("5 3 6 1 0 2 5 0 3 4\r" + SevenRoundsFourTables + "\r");
    EXPECT_EQ(Lines(drog.ListBox1), QStringList{"  5       3"});
    DoubleClickLine(drog.ListBox1, 0);
    EXPECT_EQ(state.RoundCount, 5);
    EXPECT_EQ(state.Seating[3], (movement::TableSeat{3, 4, 5}));
}

// clang-format off: a byte in hex ends where its literal ends
TEST_F(SchemeFileLimits, CtrlZInsideALineIsTextAndAtItsStartEndsTheFile) {
    ChooseAMovementFirst();
    LoadWithTheFirstButton(
        "5 3 6 1 0 2 5 0 3 4\x1a"
        "9\n" +
        SevenRoundsFourTables +
        "\n\x1a"
        "9 9 9\n");
    EXPECT_EQ(Lines(drog.ListBox1), (QStringList{"  5       3", "  7       4"}));
    DoubleClickLine(drog.ListBox1, 0);
    EXPECT_EQ(state.Seating[3], (movement::TableSeat{3, 4, 5}));
}
// clang-format on

TEST_F(SchemeFileLimits, ASchemeFileThatIsADirectory) {
    ChooseAMovementFirst();
    QDir().mkdir(QStringLiteral("HowellKS.txt"));
    Click(drog.Kestrel);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("Brak dostępu do pliku „HowellKS.txt” w folderze „%1”.").arg(QDir::currentPath()));
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);
    EXPECT_FALSE(state.CatalogueLoaded);
    ExpectTheMovementAsItWas();
}

TEST_F(SchemeFileLimits, ASchemeFileWithoutReadPermission) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file; the movement tests check this as another user";
    ChooseAMovementFirst();
    WriteFile(QStringLiteral("HowellKS.txt"), SevenRoundsFourTables + "\n");
    QFile::setPermissions(QStringLiteral("HowellKS.txt"), QFileDevice::WriteOwner);
    Click(drog.Kestrel);
    EXPECT_EQ(messages.LastText(),
              QStringLiteral("Brak dostępu do pliku „HowellKS.txt” w folderze „%1”.").arg(QDir::currentPath()));
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);
    ExpectTheMovementAsItWas();
}

TEST_F(SchemeFileLimits, AFileThatVanishesBetweenTwoClicks) {
    ChooseAMovementFirst();
    LoadWithTheFirstButton(SevenRoundsFourTables + "\n5 3 6 1 0 2 5 0 3 4\n");
    QFile::remove(QStringLiteral("HowellKS.txt"));

    // The lines are read already: choosing one needs no file.
    DoubleClickLine(drog.ListBox1, 1);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(state.TableCount, 3);
    current = state;

    // After the files are unlocked, the vanished file is reported and nothing else changes.
    drog.ResetSchemeState();
    current = state;
    Click(drog.Kestrel);
    EXPECT_EQ(messages.LastText(),
              QStringLiteral("Nie znaleziono pliku „HowellKS.txt” w folderze „%1”.").arg(QDir::currentPath()));
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);
    ExpectTheMovementAsItWas();
}

}  // namespace
