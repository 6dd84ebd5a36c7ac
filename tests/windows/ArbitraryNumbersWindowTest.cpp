// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRoad.h"

#include "NumDow.h"
#include "drkr.h"
#include "toolkit/Controls.h"
#include "toolkit/UpDown.h"

#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

namespace {

// A scheme line of `tables` tables and `rounds` rounds, pairs 1, 2, 3, ... in table order.
QByteArray LineOf(int rounds, int tables) {
    QByteArray line = QByteArray::number(rounds) + ' ' + QByteArray::number(tables);
    for (int pair = 1; pair <= 2 * tables; ++pair) line += ' ' + QByteArray::number(pair);
    return line + '\n';
}

class ArbitraryNumbersWindow : public WindowRoad {
protected:
    ArbitraryNumbersWindow() : ndw(windows.ndw()) {}

    void ChooseMovement(int rounds, int tables) {
        WriteFile(QStringLiteral("HowellKS.txt"), LineOf(rounds, tables));
        Click(drog.Kestrel);
        DoubleClickLine(drog.ListBox1, 0);
        ASSERT_EQ(state.TableCount, tables);
    }

    void Open() {
        Click(drog.Nzpl);
        ndw.Zmna->grab();  // the first paint lays the window out
    }

    // After the window has been left: the scheme files are unlocked again.
    void ChooseMovementAgain(int rounds, int tables) {
        ChooseMovement(rounds, tables);
        Open();
    }

    void ShiftTo(int group, int shift) {
        toolkit::UpDown* upDown = ndw.G[group];
        for (int position = upDown->Position(); position < shift; position += 10) Click(upDown->UpButton());
        for (int position = upDown->Position(); position > shift; position -= 10) Click(upDown->DownButton());
    }

    QStringList NewNumbers() const {
        QStringList numbers;
        for (int row = 0; row < ndw.Zmna->RowCount(); ++row) numbers.append(ndw.Zmna->Cell(1, row));
        return numbers;
    }

    QStringList Captions() const {
        QStringList captions;
        for (const toolkit::Label* caption : ndw.Grupa) captions.append(caption->Caption());
        return captions;
    }

    Tndw& ndw;
};

// The accelerator leaves the focus in the open cell: the number still being typed is printed.
TEST_F(ArbitraryNumbersWindow, TheAcceleratorTakesTheNumberStillBeingTyped) {
    ChooseMovement(7, 4);
    Open();
    TypeInto(ndw.Zmna, 1, 1, QStringLiteral("45"));
    QApplication::setActiveWindow(&ndw);
    ndw.Zmna->setFocus();
    ndw.Zmna->setCurrentCell(2, 1);
    QTest::keyClick(ndw.Zmna, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("46"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return drog.isVisible(); }));
    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_EQ(state.PairNumberMap[2], 45);
    EXPECT_EQ(state.PairNumberMap[3], 46);
    EXPECT_EQ(ndw.Zmna->Cell(1, 2), QStringLiteral("46"));
}

TEST_F(ArbitraryNumbersWindow, WithoutAMovementNothingOpens) {
    Click(drog.Nzpl);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nieznany schemat Howell'a"));
    EXPECT_FALSE(ndw.isVisible());
    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(state.NumberingStep, 0);
}

TEST_F(ArbitraryNumbersWindow, OpeningShowsEveryPairUnderItsOwnNumber) {
    ChooseMovement(3, 5);
    Open();
    EXPECT_TRUE(ndw.isVisible());
    EXPECT_FALSE(drog.isVisible());
    EXPECT_EQ(state.NumberingStep, 3);
    EXPECT_EQ(drog.SkkN->ItemIndex(), -1);
    EXPECT_FALSE(drog.ListBox1->isVisibleTo(&drog));
    EXPECT_EQ(ndw.Zmna->RowCount(), 10);
    EXPECT_EQ(NewNumbers(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(ndw.Zmna->Cell(0, 9), QStringLiteral("10"));
    for (const toolkit::Label* shift : ndw.W) EXPECT_EQ(shift->Caption(), QStringLiteral("0"));
}

TEST_F(ArbitraryNumbersWindow, ThreeRoundsOnFiveTablesNumberEachGroupFromItsOwnTen) {
    ChooseMovement(3, 5);
    Open();
    EXPECT_EQ(Captions(), (QStringList{"1 do 10", "1 do 3", "4 do 6", "7 do 10"}));
    EXPECT_TRUE(ndw.G[3]->isVisibleTo(&ndw));

    ShiftTo(1, 10);
    ShiftTo(2, 20);
    ShiftTo(3, 30);
    EXPECT_EQ(NewNumbers(), (QStringList{"11", "12", "13", "21", "22", "23", "31", "32", "33", "34"}));
    EXPECT_EQ(ndw.W[2]->Caption(), QStringLiteral("20"));

    Click(ndw.Drukowanie);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(drog.isVisible());
    EXPECT_FALSE(ndw.isVisible());
    EXPECT_EQ(state.PairNumberMap[1], 11);
    EXPECT_EQ(state.PairNumberMap[10], 34);
    EXPECT_EQ(state.NumberingStep, 3);
    EXPECT_EQ(state.PrintTo, 5);
    EXPECT_EQ(drog.ListBox2->LineCount(), 5);
}

TEST_F(ArbitraryNumbersWindow, GroupCaptionsFollowTheTablesAndRounds) {
    ChooseMovement(7, 7);
    Open();
    EXPECT_EQ(Captions(), (QStringList{"1 do 14", "1 do 7", "8 do 14", ""}));
    EXPECT_FALSE(ndw.G[3]->isVisibleTo(&ndw));
    EXPECT_FALSE(ndw.W[3]->isVisibleTo(&ndw));
    EXPECT_TRUE(ndw.Grupa[3]->isVisibleTo(&ndw));
    ndw.close();

    ChooseMovementAgain(7, 4);
    EXPECT_EQ(Captions(), (QStringList{"1 do 8", "1 do 7", "8 do 8", ""}));
}

TEST_F(ArbitraryNumbersWindow, WithTwiceTheTablesInRoundsGroupTwoIsEmptyAndChangesNothing) {
    ChooseMovement(5, 2);
    Open();
    EXPECT_EQ(Captions(), (QStringList{"1 do 4", "1 do 5", "6 do 4", ""}));
    ShiftTo(2, 10);
    EXPECT_EQ(NewNumbers(), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(ndw.W[2]->Caption(), QStringLiteral("10"));
}

TEST_F(ArbitraryNumbersWindow, GroupZeroAtNinetyGoesPast99AndIsRefused) {
    ChooseMovement(7, 7);
    Open();
    ShiftTo(0, 90);
    Click(ndw.G[0]->UpButton());  // at the limit: no change, no shift
    EXPECT_EQ(NewNumbers().first(), QStringLiteral("91"));
    EXPECT_EQ(NewNumbers().last(), QStringLiteral("104"));
    const QStringList typed = NewNumbers();
    Click(ndw.Drukowanie);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Dopuszczalne są numery z przedziału (1,99) popraw!\nNumer:10"));
    EXPECT_TRUE(ndw.isVisible());
    EXPECT_EQ(NewNumbers(), typed);
    EXPECT_EQ(state.PairNumberMap[1], 1);
}

TEST_F(ArbitraryNumbersWindow, ShiftingGroupTwoUpAndBackRepeatsNumbers) {
    ChooseMovement(7, 7);
    Open();
    ShiftTo(2, 10);
    EXPECT_EQ(ndw.Zmna->Cell(1, 7), QStringLiteral("11"));
    ShiftTo(2, 0);
    EXPECT_EQ(ndw.Zmna->Cell(1, 7), QStringLiteral("1"));
    Click(ndw.Drukowanie);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Powtórzony numer 1 popraw!"));
}

TEST_F(ArbitraryNumbersWindow, TypedNumbersAreCheckedRowByRow) {
    ChooseMovement(3, 3);
    Open();
    TypeInto(ndw.Zmna, 1, 2, QStringLiteral("abc"));
    Click(ndw.Drukowanie);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd liczby:abc popraw!\nNumer:3"));
    TypeInto(ndw.Zmna, 1, 2, QString());
    Click(ndw.Drukowanie);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd liczby: popraw!\nNumer:3"));

    const QStringList chosen = {"99", "1", "50", "13", "12", "70"};
    for (int row = 0; row < chosen.size(); ++row) TypeInto(ndw.Zmna, 1, row, chosen[row]);
    Click(ndw.Drukowanie);
    EXPECT_TRUE(drog.isVisible());
    for (int pair = 1; pair <= 6; ++pair) EXPECT_EQ(state.PairNumberMap[pair], chosen[pair - 1].toInt());
    EXPECT_TRUE(drog.Rds->isVisibleTo(&drog));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund 3"));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 3"));
}

TEST_F(ArbitraryNumbersWindow, DigitsTypedRightAfterAClickLandInTheClickedRow) {
    ChooseMovement(3, 5);
    Open();
    QStringList expected = NewNumbers();
    for (const auto& [row, typed] : {std::pair{0, "51"}, {4, "99"}, {9, "5"}, {1, "15"}}) {
        ClickAndTypeAtOnce(ndw.Zmna, 1, row, QString::fromLatin1(typed));
        expected[row] = QString::fromLatin1(typed);
        EXPECT_EQ(NewNumbers(), expected) << "row " << row;
    }
}

TEST_F(ArbitraryNumbersWindow, ArbitraryNumbersLastUntilANumberingStepIsChosen) {
    ChooseMovement(3, 3);
    Open();
    ShiftTo(0, 20);
    Click(ndw.Drukowanie);
    ASSERT_EQ(state.PairNumberMap[1], 21);

    drog.HandOverTo(windows.UstWydr());
    windows.UstWydr().HandOverTo(drog);
    EXPECT_EQ(state.PairNumberMap[1], 21);
    EXPECT_EQ(state.NumberingStep, 3);

    Pick(drog.SkkN, 1);
    EXPECT_EQ(state.PairNumberMap[1], 1);
    EXPECT_EQ(state.NumberingStep, 10);
}

TEST_F(ArbitraryNumbersWindow, TwentyFourPairsShowExactlyTwentyFourRowsAfterAnotherCount) {
    ChooseMovement(3, 3);
    Open();
    EXPECT_EQ(ndw.Zmna->RowCount(), 6);
    ndw.close();
    ChooseMovementAgain(11, 12);
    EXPECT_EQ(ndw.Zmna->RowCount(), 24);
    EXPECT_FALSE(ndw.Zmna->isRowHidden(23));
    EXPECT_EQ(NewNumbers().last(), QStringLiteral("24"));
}

TEST_F(ArbitraryNumbersWindow, ThirtyTablesGiveSixtyRowsAllChecked) {
    ChooseMovement(29, 30);
    Open();
    EXPECT_EQ(ndw.Zmna->RowCount(), 60);
    TypeInto(ndw.Zmna, 1, 59, QStringLiteral("x"));
    Click(ndw.Drukowanie);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd liczby:x popraw!\nNumer:60"));
}

TEST_F(ArbitraryNumbersWindow, TheMostTablesGive96RowsAndTheirNumbersCanAllBeChosen) {
    ChooseMovement(47, 48);
    Open();
    EXPECT_EQ(ndw.Zmna->RowCount(), 96);
    EXPECT_EQ(NewNumbers().last(), QStringLiteral("96"));
    Click(ndw.Drukowanie);
    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(state.PairNumberMap[96], 96);
}

TEST_F(ArbitraryNumbersWindow, ClosingThroughTheTitleBarGivesBackTheNumberingOfTheOpening) {
    ChooseMovement(3, 5);
    Pick(drog.SkkN, 2);
    ASSERT_EQ(state.NumberingStep, 20);
    const auto numbers = state.PairNumberMap;
    Open();
    ShiftTo(0, 30);
    ndw.close();

    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(state.PairNumberMap, numbers);
    EXPECT_EQ(state.NumberingStep, 20);
    EXPECT_EQ(drog.SkkN->ItemIndex(), 2);
    EXPECT_EQ(drog.SkkN->ItemCaption(2), QStringLiteral("20"));
    EXPECT_EQ(state.PrintTo, 5);
    EXPECT_TRUE(drog.Rds->isVisibleTo(&drog));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund 3"));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 5"));

    windows.Settings().Page() = {4800, 6800};
    Click(drog.Drukuj);
    bool stepShown = false;
    for (const auto& text : surface.texts) stepShown = stepShown || text.text == "Skok numeracji: 20";
    EXPECT_TRUE(stepShown);
}

}  // namespace
