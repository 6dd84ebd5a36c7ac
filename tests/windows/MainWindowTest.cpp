// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramEnd.h"
#include "WindowRoad.h"

#include "Palce.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/UpDown.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <array>

namespace {

const QByteArray ExampleFile =
    "* Howell - rundy, stoly, potem NS WE albo 0\r\n"
    "5 3 6 1 0 2 5 0 3 4\r\n"
    "11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7\r\n"
    "7 4 8 1 0 0 3 6 0 5 2 7 4\r\n"
    "5 3 6 1 0 2 5 0 3\r\n"
    "* koniec pliku\r\n";

class MainWindow : public WindowRoad {
protected:
    // Loads the example file with the first button and chooses its line of 7 rounds and 4 tables.
    void ChooseSevenRoundsFourTables() {
        WriteFile(QStringLiteral("HowellKS.txt"), ExampleFile);
        Click(drog.Kestrel);
        DoubleClickLine(drog.ListBox1, 2);
        ASSERT_EQ(state.TableCount, 4);
    }
};

TEST_F(MainWindow, AtStartNothingIsChosen) {
    EXPECT_TRUE(drog.isVisible());
    EXPECT_EQ(drog.windowTitle(), QStringLiteral("Wydruk Rozstawików Stolikowych"));
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);
    EXPECT_EQ(drog.ListBox2->LineCount(), 0);
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund"));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów"));
    EXPECT_EQ(drog.SkkN->ItemCaption(0), QStringLiteral("0"));
    EXPECT_EQ(drog.SkkN->ItemCaption(1), QStringLiteral("10"));
    EXPECT_EQ(drog.SkkN->ItemCaption(2), QStringLiteral("20"));
    EXPECT_EQ(drog.SkkN->ItemCaption(3), QStringLiteral("Mitchell"));
    EXPECT_EQ(drog.SkkN->ItemIndex(), -1);
    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("1"));
    EXPECT_EQ(drog.LabK->Caption(), QStringLiteral("0"));
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 0);
    EXPECT_TRUE(drog.ListBox1->toolTip().isEmpty());
    EXPECT_FALSE(drog.BegDoc->isChecked());
}

TEST_F(MainWindow, EachSchemeButtonsHintNamesTheFileItReads) {
    const std::array<QPushButton*, 3> buttons = {drog.Kestrel, drog.Plover, drog.DuzoZbiornic};
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        const QString hint = buttons[k]->toolTip();
        ASSERT_TRUE(hint.startsWith(QStringLiteral("Wybór schematu z pliku "))) << hint.toStdString();
        QByteArray lines;
        for (std::size_t line = 0; line <= k; ++line) lines += "5 3 6 1 0 2 5 0 3 4\n";
        WriteFile(hint.section(QLatin1Char(' '), -1), lines);
        drog.ResetSchemeState();  // the files are locked after each load
        Click(buttons[k]);
        EXPECT_TRUE(messages.Shown().empty()) << messages.LastText().toStdString();
        EXPECT_EQ(drog.ListBox1->LineCount(), static_cast<int>(k + 1)) << hint.toStdString();
    }
}

TEST_F(MainWindow, ASchemeFileIsListedAndLocksEveryButtonUntilTheNextReset) {
    WriteFile(QStringLiteral("HowellKS.txt"), ExampleFile);
    WriteFile(QStringLiteral("HowellPV.txt"), "9 1 1 2\n");

    Click(drog.Kestrel);
    const QStringList listed = {"  5       3", "11       6", "  7       4", "  5       3"};
    EXPECT_EQ(Lines(drog.ListBox1), listed);
    EXPECT_EQ(state.SchemeSource, "Wg K. Kestrela");
    EXPECT_EQ(drog.ListBox1->toolTip(), QStringLiteral("Wybór przez podwójne kliknięcie"));
    EXPECT_EQ(state.RoundCount, 0);  // nothing is chosen by loading

    Click(drog.Plover);
    Click(drog.Kestrel);
    EXPECT_EQ(Lines(drog.ListBox1), listed);
    EXPECT_EQ(state.SchemeSource, "Wg K. Kestrela");
    EXPECT_TRUE(messages.Shown().empty());

    drog.ResetSchemeState();
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);
    Click(drog.Plover);
    EXPECT_EQ(Lines(drog.ListBox1), QStringList{"  9       1"});
    EXPECT_EQ(state.SchemeSource, "Wg P. Plovera");
}

TEST_F(MainWindow, AMissingFileIsReportedAndAnotherButtonStillLoads) {
    WriteFile(QStringLiteral("Duzo_Zb.txt"), "3 4 1 2 3 4 5 6 7 8\n");
    Click(drog.Plover);

    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("Nie znaleziono pliku „HowellPV.txt” w folderze „%1”.").arg(QDir::currentPath()));
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages.Shown()[0].title, QStringLiteral("Rozstawiki stolikowe"));
    EXPECT_EQ(state.SchemeSource, "Wg P. Plovera");  // set before the file was opened
    EXPECT_TRUE(drog.ListBox1->isVisible());
    EXPECT_EQ(drog.ListBox1->LineCount(), 0);

    Click(drog.DuzoZbiornic);
    EXPECT_EQ(Lines(drog.ListBox1), QStringList{"  3       4"});
    EXPECT_EQ(state.SchemeSource, "Dużo Zbiornic PV");
}

TEST_F(MainWindow, AListThatScrollsStillShowsItsLinesWhole) {
    QByteArray bytes;
    for (int rounds = 1; rounds <= 60; ++rounds) bytes += QByteArray::number(rounds) + " 48 1 2\n";
    WriteFile(QStringLiteral("HowellKS.txt"), bytes);
    Click(drog.Kestrel);
    toolkit::ListBox* list = drog.ListBox1;
    QApplication::processEvents();  // the list lays its lines and scroll bars out in a queued call
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    // Item views keep this margin either side of a line's text.
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (const QString& line : Lines(list))
        EXPECT_LE(list->fontMetrics().horizontalAdvance(line) + 2 * margin, list->viewport()->width())
            << line.toStdString();
}

TEST_F(MainWindow, ALongFileListsTheFirst101LinesAndSaysHowManyWereLeftOut) {
    QByteArray bytes;
    for (int i = 1; i <= 103; ++i) bytes += "1 1 1 2\n";
    WriteFile(QStringLiteral("HowellKS.txt"), bytes);
    Click(drog.Kestrel);
    EXPECT_EQ(drog.ListBox1->LineCount(), 101);
    EXPECT_EQ(messages.LastText(),
              QStringLiteral(
                  "Plik zawiera więcej schematów, niż mieści lista. Wczytano pierwsze 101, liczba pominiętych: 2."));
}

TEST_F(MainWindow, DoubleClickingALineMakesItCurrentAndListsItsTables) {
    ChooseSevenRoundsFourTables();

    EXPECT_EQ(Lines(drog.ListBox2), (QStringList{"  1      8      1      1", "  2      3      6      4",
                                                 "  3      5      2      6", "  4      7      4      7"}));
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 4"));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund 7"));
    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("1"));
    EXPECT_EQ(drog.LabK->Caption(), QStringLiteral("4"));
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 4);
    EXPECT_EQ(drog.SkkN->ItemCaption(0), QStringLiteral("7"));
    EXPECT_EQ(drog.SkkN->ItemCaption(1), QStringLiteral("10"));
    EXPECT_EQ(drog.SkkN->ItemCaption(2), QStringLiteral("20"));

    DoubleClickLine(drog.ListBox1, 0);
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 3"));
    EXPECT_EQ(drog.ListBox2->LineCount(), 3);
}

TEST_F(MainWindow, ADoubleClickWithoutASelectedLineDoesNothing) {
    WriteFile(QStringLiteral("HowellKS.txt"), ExampleFile);
    Click(drog.Kestrel);
    QTest::mouseDClick(drog.ListBox1->viewport(), Qt::LeftButton, {}, QPoint(30, 400));
    EXPECT_EQ(state.RoundCount, 0);
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund"));
}

TEST_F(MainWindow, ALineTheProgramCannotUseIsRefusedAndChangesNothing) {
    ChooseSevenRoundsFourTables();
    const QStringList tables = Lines(drog.ListBox2);
    const movement::MovementState before = state;

    DoubleClickLine(drog.ListBox1, 3);

    EXPECT_EQ(messages.LastText(), QStringLiteral("Niepoprawny schemat: linia kończy się przed parami stołu 3."));
    EXPECT_EQ(state, before);
    EXPECT_EQ(Lines(drog.ListBox2), tables);
    EXPECT_EQ(drog.Sts->Caption(), QStringLiteral("Stołów 4"));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund 7"));
}

TEST_F(MainWindow, ADoubleClickOnATableSwapsItsPairsAndASecondRestoresThem) {
    ChooseSevenRoundsFourTables();
    DoubleClickLine(drog.ListBox2, 2);
    EXPECT_EQ(drog.ListBox2->Line(2), QStringLiteral("  3      2      5      6"));
    EXPECT_EQ(state.Seating[3], (movement::TableSeat{2, 5, 6}));
    EXPECT_EQ(drog.ListBox2->ItemIndex(), -1);

    DoubleClickLine(drog.ListBox2, 2);
    EXPECT_EQ(drog.ListBox2->Line(2), QStringLiteral("  3      5      2      6"));
    EXPECT_EQ(state.Seating[3], (movement::TableSeat{5, 2, 6}));
}

TEST_F(MainWindow, TheSpinnersStepThePrintRangeWithinTheTablesAndNeitherLimitsTheOther) {
    ChooseSevenRoundsFourTables();

    Click(drog.OdSt->UpButton());
    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("2"));
    EXPECT_EQ(state.PrintFrom, 2);
    for (int press = 0; press < 5; ++press) Click(drog.OdSt->UpButton());
    EXPECT_EQ(state.PrintFrom, 4);
    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("4"));

    Click(drog.DoSt->DownButton());
    Click(drog.DoSt->DownButton());
    EXPECT_EQ(state.PrintTo, 2);
    EXPECT_EQ(drog.LabK->Caption(), QStringLiteral("2"));
    for (int press = 0; press < 3; ++press) Click(drog.DoSt->DownButton());
    EXPECT_EQ(state.PrintTo, 1);
    EXPECT_EQ(state.PrintFrom, 4);
}

TEST_F(MainWindow, ChoosingANumberingWithoutAMovementIsRefused) {
    Pick(drog.SkkN, 1);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, QStringLiteral("Nieznany schemat Howell'a"));
    EXPECT_EQ(messages.Shown()[0].icon, QMessageBox::Information);
    EXPECT_EQ(drog.SkkN->ItemIndex(), -1);
    EXPECT_EQ(state.NumberingStep, 0);
    EXPECT_EQ(state.PrintFrom, 1);
}

TEST_F(MainWindow, EachNumberingItemSetsItsStepAndDiscardsArbitraryNumbers) {
    ChooseSevenRoundsFourTables();
    state.PairNumberMap[3] = 33;

    Pick(drog.SkkN, 1);
    EXPECT_EQ(state.NumberingStep, 10);
    EXPECT_EQ(state.PairNumberMap[3], 3);
    Pick(drog.SkkN, 2);
    EXPECT_EQ(state.NumberingStep, 20);
    Pick(drog.SkkN, 0);
    EXPECT_EQ(state.NumberingStep, 7);
    Pick(drog.SkkN, 3);
    EXPECT_EQ(state.NumberingStep, -1);
    EXPECT_TRUE(messages.Shown().empty());

    // A new line keeps the selected item and takes its step from the new choices.
    Pick(drog.SkkN, 0);
    DoubleClickLine(drog.ListBox1, 1);
    EXPECT_EQ(state.NumberingStep, 11);
    EXPECT_EQ(drog.SkkN->ItemIndex(), 0);
}

TEST_F(MainWindow, ComingBackFromAnotherWindowResetsThePrintRangeButAMessageBoxDoesNot) {
    ChooseSevenRoundsFourTables();
    Click(drog.OdSt->UpButton());
    Click(drog.DoSt->DownButton());
    ASSERT_EQ(state.PrintFrom, 2);

    toolkit::ShowMessage(&drog, QStringLiteral("Uwaga"));
    EXPECT_EQ(state.PrintFrom, 2);
    EXPECT_EQ(state.PrintTo, 3);

    drog.HandOverTo(windows.ZPL());
    EXPECT_FALSE(drog.isVisible());
    windows.ZPL().HandOverTo(drog);
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 4);
    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("1"));
    EXPECT_EQ(drog.LabK->Caption(), QStringLiteral("4"));
}

TEST_F(MainWindow, ClosingAnotherWindowThroughItsTitleBarComesBackToTheMainWindow) {
    ChooseSevenRoundsFourTables();
    Click(drog.OdSt->UpButton());
    drog.HandOverTo(windows.ZPL());

    windows.ZPL().close();

    EXPECT_TRUE(drog.isVisible());
    EXPECT_FALSE(windows.ZPL().isVisible());
    EXPECT_EQ(state.PrintFrom, 1);
}

TEST_F(MainWindow, ZakrpResetsTheRangeAndRederivesTheNumbering) {
    ChooseSevenRoundsFourTables();
    Pick(drog.SkkN, 2);
    Click(drog.DoSt->DownButton());
    state.RoundCount = 13;  // as an accepted typed movement leaves it

    drog.Zakrp();

    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("1"));
    EXPECT_EQ(drog.LabK->Caption(), QStringLiteral("4"));
    EXPECT_EQ(state.PrintTo, 4);
    EXPECT_EQ(drog.SkkN->ItemCaption(0), QStringLiteral("13"));
    EXPECT_EQ(state.NumberingStep, 30);
}

TEST_F(MainWindow, ResettingTheSchemeStateClearsTheChoicesButKeepsTheTables) {
    ChooseSevenRoundsFourTables();
    Pick(drog.SkkN, 1);

    drog.ResetSchemeState();

    EXPECT_EQ(drog.SkkN->ItemIndex(), -1);
    EXPECT_EQ(drog.SkkN->ItemCaption(0), QString());
    EXPECT_EQ(drog.SkkN->ItemCaption(3), QStringLiteral("Mitchell"));
    EXPECT_EQ(drog.LabP->Caption(), QStringLiteral("0"));
    EXPECT_EQ(drog.Rds->Caption(), QStringLiteral("Rund"));
    EXPECT_EQ(drog.ListBox2->LineCount(), 4);
    EXPECT_EQ(state.NumberingStep, 10);
    EXPECT_EQ(state.PrintFrom, 0);
}

TEST_F(MainWindow, TheEndButtonEndsTheProgram) {
    EXPECT_TRUE(EndsTheProgram([this] { Click(drog.Koniec); }));
}

TEST_F(MainWindow, TableListColumnsLineUpBecauseADigitIsTwoSpacesWide) {
    const QFontMetricsF metrics(drog.ListBox2->font());
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("0")), 2 * metrics.horizontalAdvance(QStringLiteral(" ")),
                0.01);
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("  3      5    12      3")),
                metrics.horizontalAdvance(QStringLiteral("  3    15    12    13")), 0.05);
}

}  // namespace
