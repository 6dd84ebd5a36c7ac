// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program as the director meets it: the four windows over one movement state, started in a
// folder of its own that holds the scheme files a test writes.

#include "MessageBoxWatcher.h"

#include "Figura.h"
#include "ProgramWindows.h"
#include "toolkit/ListBox.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/TextGrid.h"

#include "movement/MovementState.h"
#include "printing/surfaces/RecordingSurface.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

class WindowRoad : public ::testing::Test {
protected:
    WindowRoad() : previousFolder_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        windows.Start();
    }
    ~WindowRoad() override { QDir::setCurrent(previousFolder_); }

    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // A radio item is picked by a click on its round indicator.
    static void Pick(toolkit::RadioGroup* group, int item) {
        QRadioButton* button = group->Item(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // A click selects the line, then the double click; a double click alone does not select.
    static void DoubleClickLine(toolkit::ListBox* list, int line) {
        const QPoint point = list->visualItemRect(list->item(line)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    }

    // Types into a grid cell as the director does: F2 opens the cell, the text replaces what it
    // held, Return keeps it.
    static void TypeInto(toolkit::TextGrid* grid, int column, int row, const QString& text) {
        QApplication::setActiveWindow(grid->window());
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, grid) << "no editor opened";
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the view takes the text over in a queued call
    }

    // A quick director: a click on a cell, which highlights it, a second click on the highlighted
    // cell, and at once the keys, each to whatever has the focus then; Return keeps the text.
    static void ClickAndTypeAtOnce(toolkit::TextGrid* grid, int column, int row, const QString& text) {
        QApplication::setActiveWindow(grid->window());
        grid->setFocus();
        const QPoint point = grid->visualRect(grid->model()->index(row, column)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, point);
        for (const QChar key : text) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }

    // The captions of the buttons in `window`, without the marks of their accelerators.
    static QStringList ButtonCaptions(const QWidget& window) {
        QStringList captions;
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
            captions.append(button->text().remove(QLatin1Char('&')));
        return captions;
    }

    // What `text` names "in quotes", in order.
    static QStringList Quoted(const QString& text) {
        QStringList named;
        for (const auto& quoted : QRegularExpression(QStringLiteral("\"([^\"]+)\"")).globalMatch(text))
            named.append(quoted.captured(1));
        return named;
    }

    static QStringList Lines(const toolkit::ListBox* list) {
        QStringList lines;
        for (int i = 0; i < list->LineCount(); ++i) lines.append(list->Line(i));
        return lines;
    }

private:
    QTemporaryDir folder_;
    QString previousFolder_;

protected:
    movement::MovementState state;
    printing::RecordingSurface surface;  // no test prints on a real printer
    ProgramWindows windows{state, &surface};
    TDrog& drog = windows.Drog();
    MessageBoxWatcher messages;
};
