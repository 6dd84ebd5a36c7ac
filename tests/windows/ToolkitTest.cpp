// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxWatcher.h"
#include "ProgramEnd.h"

#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/ListBox.h"
#include "toolkit/MemoBox.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/ProgramWindow.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/TextGrid.h"
#include "toolkit/UpDown.h"

#include <QGuiApplication>
#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using toolkit::UpDown;

QList<int> PositionsOf(const QSignalSpy& spy) {
    QList<int> positions;
    for (const QList<QVariant>& call : spy) positions.append(call.at(0).toInt());
    return positions;
}

TEST(UpDownSpinner, EveryPressRunsChangingEvenAtALimitButClickOnlyWhenThePositionMoved) {
    UpDown spinner;
    spinner.SetMin(1);
    spinner.SetMax(3);
    spinner.SetPosition(2);
    QSignalSpy changing(&spinner, &UpDown::Changing);
    QSignalSpy click(&spinner, &UpDown::Click);

    spinner.PressUp();    // 3
    spinner.PressUp();    // at the limit: stays 3
    spinner.PressDown();  // 2
    spinner.PressDown();  // 1
    spinner.PressDown();  // at the limit: stays 1

    EXPECT_EQ(PositionsOf(changing), (QList<int>{3, 3, 2, 1, 1}));
    EXPECT_EQ(click.count(), 3);
    EXPECT_EQ(spinner.Position(), 1);
}

TEST(UpDownSpinner, APositionSetByTheProgramRunsChangingButNotClick) {
    UpDown spinner;
    QSignalSpy changing(&spinner, &UpDown::Changing);
    QSignalSpy click(&spinner, &UpDown::Click);
    spinner.SetPosition(7);
    spinner.SetPosition(7);
    EXPECT_EQ(PositionsOf(changing), (QList<int>{7, 7}));
    EXPECT_EQ(click.count(), 0);
}

TEST(UpDownSpinner, StepsByItsIncrementAndStopsAtTheLimits) {
    UpDown spinner;
    spinner.SetMin(0);
    spinner.SetMax(90);
    spinner.SetIncrement(10);
    spinner.SetPosition(80);
    spinner.PressUp();
    EXPECT_EQ(spinner.Position(), 90);
    spinner.PressUp();
    EXPECT_EQ(spinner.Position(), 90);
}

TEST(UpDownSpinner, WithAnEmptyRangeNoPressMovesIt) {
    UpDown spinner;
    spinner.SetMin(1);
    spinner.SetMax(0);
    spinner.SetPosition(0);
    QSignalSpy click(&spinner, &UpDown::Click);
    spinner.PressUp();
    spinner.PressDown();
    EXPECT_EQ(spinner.Position(), 0);
    EXPECT_EQ(click.count(), 0);
}

TEST(UpDownSpinner, TheArrowButtonsAndKeysPressIt) {
    UpDown spinner;
    spinner.resize(16, 29);
    spinner.SetMin(1);
    spinner.SetMax(5);
    spinner.SetPosition(1);
    QTest::mouseClick(spinner.UpButton(), Qt::LeftButton);
    EXPECT_EQ(spinner.Position(), 2);
    QTest::keyClick(&spinner, Qt::Key_Up);
    EXPECT_EQ(spinner.Position(), 3);
    QTest::mouseClick(spinner.DownButton(), Qt::LeftButton);
    QTest::keyClick(&spinner, Qt::Key_Down);
    EXPECT_EQ(spinner.Position(), 1);
}

TEST(UpDownSpinner, ShowsWhenItHasTheFocus) {
    UpDown spinner;
    spinner.resize(16, 29);
    spinner.show();
    QApplication::setActiveWindow(&spinner);
    spinner.clearFocus();
    const QImage unfocused = spinner.grab().toImage();
    spinner.setFocus();
    ASSERT_TRUE(spinner.hasFocus());
    EXPECT_NE(spinner.grab().toImage(), unfocused);
    spinner.clearFocus();
    EXPECT_EQ(spinner.grab().toImage(), unfocused);
}

class RadioGroupEvents : public ::testing::Test {
protected:
    RadioGroupEvents()
        : group(QStringLiteral("Grupa"), {"a", "b", "c", "d"}, 2), clicks(&group, &toolkit::RadioGroup::Click) {
        group.resize(141, 45);
        group.show();
    }
    toolkit::RadioGroup group;
    QSignalSpy clicks;
};

TEST_F(RadioGroupEvents, ClickRunsWhenTheProgramSelectsAnotherItem) {
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks.count(), 1);
    group.SetItemIndex(0);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(RadioGroupEvents, ClickRunsWhenTheDirectorPicksAnItem) {
    QTest::mouseClick(group.Item(1), Qt::LeftButton, {}, QPoint(5, group.Item(1)->height() / 2));
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(RadioGroupEvents, NoClickForTheSameItemAgainOrForAClearedSelection) {
    group.SetItemIndex(3);
    group.SetItemIndex(3);
    QTest::mouseClick(group.Item(3), Qt::LeftButton, {}, QPoint(5, group.Item(3)->height() / 2));
    EXPECT_EQ(clicks.count(), 1);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Item(3)->isChecked());
    EXPECT_EQ(clicks.count(), 1);
    // After clearing, the same item counts as another item again.
    group.SetItemIndex(3);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(RadioGroupEvents, ItemsStandInColumnsTopToBottom) {
    EXPECT_EQ(group.Item(0)->x(), group.Item(1)->x());
    EXPECT_LT(group.Item(0)->y(), group.Item(1)->y());
    EXPECT_GT(group.Item(2)->x(), group.Item(0)->x());
    EXPECT_EQ(group.Item(2)->y(), group.Item(0)->y());
    EXPECT_EQ(group.Item(3)->y(), group.Item(1)->y());
}

TEST(MessageBoxes, AreModalWithTheApplicationTitleAndCarriageReturnsAsNewLines) {
    MessageBoxWatcher watcher;
    toolkit::ShowMessage(nullptr, QStringLiteral("Błąd liczby:x popraw!\nStół:3; WE"));
    toolkit::MessageDlg(nullptr, QStringLiteral("Nieznany schemat Howell'a"));
    toolkit::ShowErrorReport(nullptr, QStringLiteral("File not found."));

    ASSERT_EQ(watcher.Shown().size(), 3u);
    EXPECT_EQ(watcher.Shown()[0].title, QStringLiteral("Rozstawiki stolikowe"));
    EXPECT_EQ(watcher.Shown()[0].text, QStringLiteral("Błąd liczby:x popraw!\nStół:3; WE"));
    EXPECT_EQ(watcher.Shown()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(watcher.Shown()[1].icon, QMessageBox::Information);
    EXPECT_EQ(watcher.Shown()[2].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.Shown()[2].text, QStringLiteral("File not found."));
}

TEST(MessageBoxes, QtsOwnButtonsSpeakPolish) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
}

// A window that counts its activations.
class CountingWindow : public toolkit::ProgramWindow {
public:
    void FormActivate() override { ++activations; }
    void TitleBarClosed() override { ++titleBarCloses; }
    int activations = 0;
    int titleBarCloses = 0;
};

TEST(HandOver, TheWindowGivenControlShowsAndActivatesAndTheOtherHides) {
    CountingWindow first;
    CountingWindow second;
    first.ShowAndActivate();
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(first.activations, 1);

    first.HandOverTo(second);
    EXPECT_FALSE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.activations, 1);

    second.HandOverTo(first);
    EXPECT_EQ(first.activations, 2);
    EXPECT_FALSE(second.isVisible());
}

TEST(HandOver, AClosingMessageBoxDoesNotActivateTheWindowBeneath) {
    MessageBoxWatcher watcher;
    CountingWindow window;
    window.ShowAndActivate();
    toolkit::ShowMessage(&window, QStringLiteral("Uwaga"));
    QApplication::processEvents();
    EXPECT_EQ(watcher.Shown().size(), 1u);
    EXPECT_EQ(window.activations, 1);
}

TEST(HandOver, ClosingASecondaryWindowThroughItsTitleBarHandsControlBack) {
    CountingWindow main;
    CountingWindow secondary;
    secondary.SetTitleBarCloseTarget(&main);
    main.HandOverTo(secondary);

    secondary.close();

    EXPECT_FALSE(secondary.isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.activations, 1);
    EXPECT_EQ(secondary.titleBarCloses, 1);
}

TEST(HandOver, ClosingTheMainWindowEndsTheProgram) {
    CountingWindow main;
    main.ShowAndActivate();
    EXPECT_TRUE(EndsTheProgram([&] { main.close(); }));
}

TEST(WindowPlace, AWindowOpensWhollyOnItsScreenAndOneThatFitsKeepsItsFormsPlace) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    CountingWindow fitting;
    CountingWindow overhanging;
    CountingWindow tooLarge;
    fitting.SetFormGeometry(available.left() + 10, available.top() + 20, 200, 100);
    overhanging.SetFormGeometry(available.right() - 50, available.bottom() - 50, 200, 100);
    tooLarge.SetFormGeometry(available.left() + 10, available.top() + 20, available.width() + 100, 100);
    for (CountingWindow* window : {&fitting, &overhanging, &tooLarge}) window->ShowAndActivate();

    EXPECT_EQ(fitting.pos(), available.topLeft() + QPoint(10, 20));
    EXPECT_TRUE(available.contains(overhanging.frameGeometry()));
    // Its title bar stays on the screen.
    EXPECT_EQ(tooLarge.pos(), QPoint(available.left(), available.top() + 20));
}

TEST(ListBoxControl, ReportsTheSelectedLineAndEveryDoubleClick) {
    toolkit::ListBox list;
    list.resize(100, 100);
    list.SetLines({"a", "b", "c"});
    list.show();
    QSignalSpy doubleClicks(&list, &toolkit::ListBox::DblClick);
    EXPECT_EQ(list.ItemIndex(), -1);

    const QPoint second = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(list.Line(1), QStringLiteral("b"));

    list.SetLines({"x"});
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(ListBoxControl, ItsHintShowsOnlyOnceHintsAreSwitchedOn) {
    toolkit::ListBox list;
    list.SetHint(QStringLiteral("Wybór przez podwójne kliknięcie"));
    EXPECT_TRUE(list.toolTip().isEmpty());
    list.SetShowHint(true);
    EXPECT_EQ(list.toolTip(), QStringLiteral("Wybór przez podwójne kliknięcie"));
}

TEST(TextGridControl, RowsBeyondTheCountAreHiddenAndKeepTheirText) {
    toolkit::TextGrid grid(4, 24);
    grid.SetCell(1, 20, QStringLiteral("7"));
    grid.SetRowCount(4);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_TRUE(grid.isRowHidden(20));
    EXPECT_FALSE(grid.isRowHidden(3));
    grid.SetRowCount(24);
    EXPECT_FALSE(grid.isRowHidden(20));
    EXPECT_EQ(grid.Cell(1, 20), QStringLiteral("7"));
}

TEST(TextGridControl, TheFixedColumnCannotBeEditedAndTabPassesOverIt) {
    toolkit::TextGrid grid(4, 3);
    grid.resize(200, 100);
    grid.SetCell(0, 1, QStringLiteral("2"));
    grid.show();
    EXPECT_FALSE(grid.item(1, 0)->flags() & Qt::ItemIsEditable);

    grid.setFocus();
    grid.setCurrentCell(0, 3);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 1);
}

TEST(TextGridControl, TypedTextIsKeptInTheCell) {
    toolkit::TextGrid grid(2, 2);
    grid.resize(100, 60);
    grid.show();
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    grid.setCurrentCell(0, 1);
    QTest::keyClick(&grid, Qt::Key_4);  // opens the cell's editor
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(1, 0), QStringLiteral("42"));
    EXPECT_EQ(grid.currentRow(), 1);
}

// How far the ink of a cell's text reaches across the cell, in pixels.
int InkWidth(toolkit::TextGrid& grid, int column, int row) {
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    const QImage image = grid.viewport()->grab(cell).toImage();
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}

TEST(TextGridControl, AClickIntoAnOpenCellLetsTheNextKeyReplaceItAndNoTextIsCut) {
    toolkit::TextGrid grid(2, 2);
    grid.SetDefaultColumnWidth(40);
    grid.resize(100, 60);
    grid.setFont(toolkit::SansFont(16, false));
    grid.show();
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    grid.setCurrentCell(0, 1);
    QTest::keyClick(&grid, Qt::Key_5);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    // The director clicks into the cell being typed, then types again: the text is replaced.
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, &grid);
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(editor->width() - 3, editor->height() / 2));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();  // the view takes the text over in a queued call
    EXPECT_EQ(grid.Cell(1, 0), QStringLiteral("4"));

    grid.SetCell(1, 0, QStringLiteral("51"));
    grid.SetCell(1, 1, QStringLiteral("51514"));
    const int two = InkWidth(grid, 1, 0);
    const int five = InkWidth(grid, 1, 1);
    EXPECT_GT(five, two * 3 / 2) << "a text wider than its cell is shown whole, smaller, not cut short";
    EXPECT_LE(five, grid.columnWidth(1));
}

TEST(ListBoxControl, EnterOrSpaceOnALineActsAsADoubleClickAndARebuildKeepsTheKeysPlace) {
    toolkit::ListBox list;
    list.SetLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    list.resize(100, 80);
    list.show();
    QApplication::setActiveWindow(&list);
    list.setFocus();
    QSignalSpy activated(&list, &toolkit::ListBox::DblClick);
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.SetLines({QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("c")});
    EXPECT_EQ(list.ItemIndex(), -1);  // a rebuild selects nothing
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(activated.count(), 2);
    EXPECT_EQ(list.ItemIndex(), 1);  // the same line again
    QTest::keyClick(&list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(activated.count(), 3);
}

TEST(TextGridControl, ReportsTheFocus) {
    toolkit::TextGrid grid(2, 2);
    QSignalSpy entered(&grid, &toolkit::TextGrid::Enter);
    grid.resize(100, 60);
    grid.show();
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    QApplication::processEvents();
    EXPECT_GE(entered.count(), 1);
}

TEST(MemoBoxControl, IsReadOnlyAndKeepsLinesInOrder) {
    toolkit::MemoBox memo;
    memo.AppendLine(QStringLiteral("Info"));
    memo.AppendLine(QString());
    memo.AppendLine(QStringLiteral(" Właściwe"));
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_EQ(memo.Lines(), (QStringList{"Info", "", " Właściwe"}));
}

}  // namespace
