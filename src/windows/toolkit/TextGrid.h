// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QTableWidget>

namespace toolkit {

// A grid of text cells. Column 0 is fixed: the program writes it and the director cannot edit
// it; the other cells are edited freely and Tab moves from cell to cell. Ctrl+Tab (Ctrl+Shift+Tab
// back) leaves the grid for the window's next control, also from an open cell, which keeps its
// text. A typed key always opens the current cell, however soon it follows a click, and there
// is no search by typing. A click into an open cell selects its whole text, so that typing
// replaces it as the first key after a click on a closed cell does; a text wider than its cell
// is drawn smaller, never cut. Rows beyond the row count are hidden but keep their text. `Enter`
// runs when the grid gets the focus.
class TextGrid : public QTableWidget {
    Q_OBJECT

public:
    TextGrid(int columns, int rows, QWidget* parent = nullptr);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);

    void SetDefaultRowHeight(int height);   // every row
    void SetDefaultColumnWidth(int width);  // every column
    void SetBackground(const QColor& colour);

    // Typing opens the current cell instead of looking for a row.
    void keyboardSearch(const QString& search) override;

    // The text of a cell still open for typing becomes the cell's, as leaving the cell would make it.
    void CommitOpenCell();

signals:
    void Enter();

protected:
    void focusInEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidgetItem* ItemAt(int column, int row);
    void LeaveGrid(bool forward);
    // Grows the stored rows to `rows`; new rows take the row height and are hidden beyond the count.
    void StoreRows(int rows);

    int rowCount_;
    int rowHeight_ = 16;
    // A click on the selected cell opens it once no double click can follow; a key opens it at once.
    QBasicTimer clickEdit_;
    QPersistentModelIndex pressedSelected_;
};

}  // namespace toolkit
