// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRoad.h"

#include "Palce.h"
#include "toolkit/Controls.h"
#include "toolkit/UpDown.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

class ManualEntry : public WindowRoad {
protected:
    ManualEntry() : zpl(windows.ZPL()) {}

    void Open() {
        Click(drog.ZPalca);
        ASSERT_TRUE(zpl.isVisible());
    }

    // Presses an up-down towards `count`; the first press of either arrow starts from the
    // up-down's position 1.
    // Presses beyond a limit change nothing, so the presses are counted, not repeated until done.
    static void PressTo(toolkit::UpDown* upDown, int count) {
        Click(upDown->DownButton());
        for (int press = upDown->Position(); press < count; ++press) Click(upDown->UpButton());
        for (int press = upDown->Position(); press > count; --press) Click(upDown->DownButton());
    }

    void Choose(int tables, int rounds) {
        PressTo(zpl.StolUD, tables);
        PressTo(zpl.RdUD, rounds);
    }

    void TypeTable(int table, const QString& ns, const QString& we, const QString& set) {
        TypeInto(zpl.Schemat, 1, table - 1, ns);
        TypeInto(zpl.Schemat, 2, table - 1, we);
        TypeInto(zpl.Schemat, 3, table - 1, set);
    }

    // Three rounds on two tables: 4/1/1 and 2/3/1.
    void TypeThreeRoundsOnTwoTables() {
        Choose(2, 3);
        TypeTable(1, "4", "1", "1");
        TypeTable(2, "2", "3", "1");
    }

    QStringList Column(int column, int rows) const {
        QStringList cells;
        for (int row = 0; row < rows; ++row) cells.append(zpl.Schemat->Cell(column, row));
        return cells;
    }

    TZPL& zpl;
};

TEST_F(ManualEntry, OpeningEmptiesTheSourceResetsTheChoicesAndHidesTheSchemeList) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Open();
    EXPECT_FALSE(drog.isVisible());
    EXPECT_EQ(state.SchemeSource, "");
    EXPECT_FALSE(state.CatalogueLoaded);
    EXPECT_EQ(state.StepChoices, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_FALSE(drog.ListBox1->isVisibleTo(&drog));
    EXPECT_FALSE(drog.Rds->isVisibleTo(&drog));
    EXPECT_TRUE(drog.Sts->isVisibleTo(&drog));
}

TEST_F(ManualEntry, TheUpDownsStartAtOneWhileTheirLabelsShowZero) {
    Open();
    EXPECT_EQ(zpl.StolEB->Caption(), QStringLiteral("0"));
    EXPECT_EQ(zpl.RundEB->Caption(), QStringLiteral("0"));
    Click(zpl.StolUD->DownButton());
    EXPECT_EQ(zpl.StolEB->Caption(), QStringLiteral("1"));
    Click(zpl.RdUD->UpButton());
    EXPECT_EQ(zpl.RundEB->Caption(), QStringLiteral("2"));
    PressTo(zpl.StolUD, 30);
    EXPECT_EQ(zpl.ChosenTables, 24);
    PressTo(zpl.RdUD, 30);
    EXPECT_EQ(zpl.ChosenRounds, 23);
}

TEST_F(ManualEntry, FinishingBeforeBothCountsAreChosenSaysTheDataIsIncomplete) {
    Open();
    Click(zpl.StolUD->UpButton());
    Click(zpl.fin);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Niekompletne dane"));
    EXPECT_TRUE(zpl.isVisible());
    EXPECT_EQ(state.TableCount, 0);
}

TEST_F(ManualEntry, ThreeRoundsOnTwoTablesAreAcceptedAndTheMainWindowShowsIt) {
    Open();
    TypeThreeRoundsOnTwoTables();
    Click(zpl.fin);

    EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
    EXPECT_FALSE(zpl.isVisible());
    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(state.RoundCount, 3);
    EXPECT_EQ(state.TableCount, 2);
    EXPECT_EQ(Lines(drog.ListBox2), (QStringList{"  1      4      1      1", "  2      2      3      1"}));
    EXPECT_EQ(drog.SkkN->ItemCaption(0), QStringLiteral("3"));
    EXPECT_EQ(drog.SkkN->ItemCaption(3), QStringLiteral("Mitchell"));
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 2);
    EXPECT_TRUE(drog.Rds->isVisibleTo(&drog));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund 3"));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 2"));
}

TEST_F(ManualEntry, EachRefusalNamesItsFaultAndKeepsEverythingTyped) {
    Open();
    TypeThreeRoundsOnTwoTables();
    TypeInto(zpl.Schemat, 3, 1, QStringLiteral("2"));
    const QStringList typed = Column(1, 2) + Column(2, 2) + Column(3, 2);

    Click(zpl.fin);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd zbiornic, popraw!"));
    EXPECT_EQ(state.RoundCount, 0);
    EXPECT_TRUE(zpl.isVisible());
    EXPECT_EQ(Column(1, 2) + Column(2, 2) + Column(3, 2), typed);

    TypeInto(zpl.Schemat, 3, 1, QStringLiteral("1"));
    PressTo(zpl.RdUD, 2);
    Click(zpl.fin);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd rozbicia, popraw!"));

    TypeInto(zpl.Schemat, 2, 0, QStringLiteral("x"));
    Click(zpl.fin);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd liczby:x popraw!\nStół:1; WE"));
    EXPECT_EQ(zpl.Schemat->Cell(2, 0), QStringLiteral("x"));

    TypeInto(zpl.Schemat, 2, 0, QStringLiteral("5"));
    Click(zpl.fin);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nieciągła numeracja par, popraw !"));

    TypeInto(zpl.Schemat, 2, 0, QString());
    Click(zpl.fin);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Błąd liczby: popraw!\nStół:1; WE"));

    // Corrected, the same scheme is accepted.
    TypeInto(zpl.Schemat, 2, 0, QStringLiteral("1"));
    PressTo(zpl.RdUD, 3);
    Click(zpl.fin);
    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(state.RoundCount, 3);
}

TEST_F(ManualEntry, TheLayoutFitsTheChosenTablesIntoTheGrid) {
    Open();
    struct Expected {
        int tables, rowHeight, fontCellHeight;
    };
    for (const Expected& expected :
         {Expected{4, 32, 17}, Expected{12, 32, 17}, Expected{13, 29, 14}, Expected{16, 24, 14}, Expected{17, 20, 12},
          Expected{19, 20, 12}, Expected{20, 16, 10}, Expected{24, 16, 10}}) {
        PressTo(zpl.StolUD, expected.tables);
        zpl.Schemat->grab();  // a paint lays the grid out
        EXPECT_FALSE(zpl.SchemeGridStale);
        EXPECT_EQ(zpl.Schemat->RowCount(), expected.tables);
        EXPECT_EQ(zpl.Schemat->rowHeight(0), expected.rowHeight) << expected.tables;
        EXPECT_EQ(zpl.Schemat->rowHeight(expected.tables - 1), expected.rowHeight) << expected.tables;
        const int cellHeight = QFontMetrics(zpl.Schemat->font()).height();
        EXPECT_LE(cellHeight, expected.fontCellHeight) << expected.tables;
        EXPECT_GE(cellHeight, expected.fontCellHeight - 2) << expected.tables;
        EXPECT_EQ(zpl.Schemat->Cell(0, expected.tables - 1), QString::number(expected.tables));
        EXPECT_LE(expected.tables * expected.rowHeight, 384);
    }
}

TEST_F(ManualEntry, CtrlTabLeavesTheGridFromAnOpenCellWhichKeepsItsText) {
    Open();
    Choose(2, 3);
    QApplication::setActiveWindow(&zpl);
    zpl.Schemat->setFocus();
    zpl.Schemat->setCurrentCell(0, 1);
    QTest::keyClick(zpl.Schemat, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, zpl.Schemat);
    QTest::keyClicks(editor, QStringLiteral("7"));

    QTest::keyClick(editor, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), zpl.StolUD);
    EXPECT_EQ(zpl.Schemat->Cell(1, 0), QStringLiteral("7"));

    zpl.Schemat->setFocus();
    QTest::keyClick(zpl.Schemat, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), zpl.Koniec);
}

// Types into a cell and stays in it, the text not yet taken by the grid.
void TypeAndStay(toolkit::TextGrid* grid, int column, int row, const QString& text) {
    QApplication::setActiveWindow(grid->window());
    grid->setFocus();
    grid->setCurrentCell(row, column);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// The accelerator leaves the focus in the open cell: what it shows is what is checked.
TEST_F(ManualEntry, TheAcceleratorTakesTheNumberStillBeingTyped) {
    Open();
    Choose(2, 3);
    TypeTable(1, "4", "1", "1");
    TypeInto(zpl.Schemat, 1, 1, "2");
    TypeInto(zpl.Schemat, 2, 1, "3");
    TypeAndStay(zpl.Schemat, 3, 1, "9");  // never typed before: set 9 of three rounds
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.Shown().size() == 1u; }));
    EXPECT_FALSE(messages.LastText().startsWith(QStringLiteral("Błąd liczby"))) << "the 9 shown was checked";
    EXPECT_TRUE(zpl.isVisible());
    EXPECT_EQ(zpl.Schemat->Cell(3, 1), QStringLiteral("9"));
    EXPECT_FALSE(drog.isVisible());

    TypeAndStay(zpl.Schemat, 3, 1, "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return drog.isVisible(); }));
    EXPECT_EQ(messages.Shown().size(), 1u) << messages.LastText().toStdString();
    EXPECT_EQ(state.Seating[2].BoardSet, 1);

    // Left through the title bar, the grid keeps what its open cell showed.
    Click(drog.ZPalca);
    TypeAndStay(zpl.Schemat, 1, 0, "7");
    zpl.close();
    EXPECT_EQ(zpl.Schemat->Cell(1, 0), QStringLiteral("7"));
}

TEST_F(ManualEntry, FewerTablesHideTheirRowsAndMoreBringThemBackUnchanged) {
    Open();
    Choose(3, 3);
    TypeInto(zpl.Schemat, 1, 2, QStringLiteral("6"));
    PressTo(zpl.StolUD, 2);
    zpl.Schemat->grab();
    EXPECT_TRUE(zpl.Schemat->isRowHidden(2));
    EXPECT_EQ(zpl.Schemat->Cell(0, 2), QString());
    PressTo(zpl.StolUD, 3);
    zpl.Schemat->grab();
    EXPECT_EQ(zpl.Schemat->Cell(1, 2), QStringLiteral("6"));
    EXPECT_EQ(zpl.Schemat->Cell(0, 2), QStringLiteral("3"));
}

TEST_F(ManualEntry, TheTypedSchemeIsStillThereAtTheNextOpening) {
    Open();
    TypeThreeRoundsOnTwoTables();
    Click(zpl.fin);
    Open();
    EXPECT_EQ(Column(1, 2), (QStringList{"4", "2"}));
    EXPECT_EQ(zpl.StolEB->Caption(), QStringLiteral("2"));
    EXPECT_EQ(zpl.RundEB->Caption(), QStringLiteral("3"));
}

TEST_F(ManualEntry, ClosingThroughTheTitleBarRestoresTheMovementOfTheOpening) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 1);
    const auto seating = state.Seating;
    Open();
    TypeThreeRoundsOnTwoTables();
    PressTo(zpl.RdUD, 2);
    Click(zpl.fin);  // refused after the seats were stored
    ASSERT_EQ(state.RoundCount, 0);

    zpl.close();

    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(state.RoundCount, 7);
    EXPECT_EQ(state.TableCount, 4);
    EXPECT_EQ(state.Seating, seating);
    EXPECT_EQ(state.PrintTo, 4);
    EXPECT_EQ(drog.SkkN->ItemCaption(0), QStringLiteral("7"));
    EXPECT_EQ(drog.SkkN->ItemIndex(), 1);
    EXPECT_EQ(state.NumberingStep, 10);
    EXPECT_EQ(state.SchemeSource, "Wg K. Kestrela");
    EXPECT_EQ(zpl.Schemat->Cell(1, 0), QStringLiteral("4"));  // the typing is kept
    EXPECT_TRUE(drog.Rds->isVisibleTo(&drog));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund 7"));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 4"));
}

TEST_F(ManualEntry, DigitsTypedRightAfterAClickLandInTheClickedCell) {
    Open();
    Choose(3, 3);
    zpl.Schemat->grab();  // a paint lays the grid out
    ClickAndTypeAtOnce(zpl.Schemat, 1, 0, QStringLiteral("12"));
    ClickAndTypeAtOnce(zpl.Schemat, 2, 1, QStringLiteral("34"));
    ClickAndTypeAtOnce(zpl.Schemat, 3, 2, QStringLiteral("2"));
    ClickAndTypeAtOnce(zpl.Schemat, 1, 2, QStringLiteral("56"));
    EXPECT_EQ(Column(1, 3), (QStringList{"12", "", "56"}));
    EXPECT_EQ(Column(2, 3), (QStringList{"", "34", ""}));
    EXPECT_EQ(Column(3, 3), (QStringList{"", "", "2"}));
    EXPECT_EQ(Column(0, 3), (QStringList{"1", "2", "3"}));
}

}  // namespace

namespace {

class ManualEntryThenPrint : public ManualEntry {
protected:
    bool Printed(const std::string& text) const {
        return std::any_of(surface.texts.begin(), surface.texts.end(), [&](const auto& t) { return t.text == text; });
    }
};

TEST_F(ManualEntryThenPrint, ATypedMovementPrintsOnlyUnderANumberingChosenForIt) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 2);
    ASSERT_EQ(state.NumberingStep, 20);
    windows.Settings().Page() = {4800, 6800};

    Open();
    TypeThreeRoundsOnTwoTables();
    Click(zpl.fin);
    ASSERT_TRUE(drog.isVisible());
    ASSERT_EQ(state.RoundCount, 3);
    EXPECT_EQ(drog.SkkN->ItemIndex(), -1);

    Click(drog.Drukuj);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Nieznany skok Numeracji !"));
    EXPECT_TRUE(surface.Operations().empty());

    Pick(drog.SkkN, 0);
    Click(drog.Drukuj);
    EXPECT_TRUE(Printed("Skok numeracji: 3"));
    EXPECT_FALSE(Printed("Skok numeracji: 20"));
}

TEST_F(ManualEntryThenPrint, TheCardsNameTheFileTheMovementCameFromWhateverWasClickedSince) {
    WriteFile(QStringLiteral("HowellKS.txt"), "7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    WriteFile(QStringLiteral("HowellPV.txt"), "5 3 6 1 0 2 5 0 3 4\n");
    Click(drog.Kestrel);
    DoubleClickLine(drog.ListBox1, 0);
    Pick(drog.SkkN, 0);
    windows.Settings().Page() = {4800, 6800};
    Open();
    zpl.close();  // the movement comes back
    Click(drog.Plover);
    ASSERT_EQ(drog.ListBox1->LineCount(), 1);  // listed, not chosen

    Click(drog.Drukuj);
    EXPECT_TRUE(Printed("Wg K. Kestrela"));
    EXPECT_FALSE(Printed("Wg P. Plovera"));

    // A file that cannot be read leaves the printed source as it was too.
    Open();
    zpl.close();
    Click(drog.DuzoZbiornic);
    ASSERT_EQ(messages.Shown().size(), 1u);
    surface = {};
    Click(drog.Drukuj);
    EXPECT_TRUE(Printed("Wg K. Kestrela"));
    EXPECT_FALSE(Printed("Dużo Zbiornic PV"));

    // A typed movement has no file to name.
    Open();
    TypeThreeRoundsOnTwoTables();
    Click(zpl.fin);
    Pick(drog.SkkN, 0);
    surface = {};
    Click(drog.Drukuj);
    EXPECT_FALSE(Printed("Wg K. Kestrela"));
}

}  // namespace

namespace {

TEST(TypedSchemeGridLayout, EveryChosenTableCountFitsIntoTheGridsHeightWithRowsNeverGrowing) {
    int previousRowHeight = TypedSchemeGridLayout(0).rowHeight;  // before any count is chosen
    for (int32_t tables = 1; tables <= movement::MaxTypedTables; ++tables) {
        const TypedGridLayout layout = TypedSchemeGridLayout(tables);
        EXPECT_LE(tables * layout.rowHeight, 384) << tables;
        EXPECT_LE(layout.rowHeight, previousRowHeight) << tables;
        EXPECT_LT(layout.fontCellHeight, layout.rowHeight) << tables;
        previousRowHeight = layout.rowHeight;
    }
}

}  // namespace
