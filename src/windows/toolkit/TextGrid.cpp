// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QShortcut>

namespace toolkit {

TextGrid::TextGrid(int columns, int rows, QWidget* parent) : QTableWidget(rows, columns, parent), rowCount_(rows) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(true);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing into a cell replaces its text; F2, a double click and a click on the selected cell
    // edit it. The view's own delayed edit after that click would swallow a key typed before it
    // opens, so the grid keeps that delay itself.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    SetDefaultRowHeight(rowHeight_);
    if (columns > 1 && rows > 0) setCurrentCell(0, 1);
    // Shortcuts, so that an open cell's editor, which takes every Tab itself, passes them on.
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_Tab), this, [this] { LeaveGrid(true); }, Qt::WidgetWithChildrenShortcut);
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this, [this] { LeaveGrid(false); },
        Qt::WidgetWithChildrenShortcut);
}

void TextGrid::LeaveGrid(bool forward) {
    // Taking the focus from an open cell closes it and keeps what was typed.
    setFocus(Qt::OtherFocusReason);
    // A change by the keyboard, as Tab is: the style shows where the focus went.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    // Without Tab navigation the grid hands the focus on like any other control.
    setTabKeyNavigation(false);
    focusNextPrevChild(forward);
    setTabKeyNavigation(true);
}

void TextGrid::StoreRows(int rows) {
    const int had = QTableWidget::rowCount();
    if (rows <= had) return;
    setRowCount(rows);
    for (int r = had; r < rows; ++r) {
        setRowHeight(r, rowHeight_);
        setRowHidden(r, r >= rowCount_);
    }
}

QTableWidgetItem* TextGrid::ItemAt(int column, int row) {
    StoreRows(row + 1);
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        // The fixed column is the program's: the director cannot select or edit it.
        if (column == 0) {
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setBackground(palette().button());
        }
        setItem(row, column, cell);
    }
    return cell;
}

QString TextGrid::Cell(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TextGrid::SetCell(int column, int row, const QString& text) {
    if (column < 0 || column >= columnCount() || row < 0) return;
    ItemAt(column, row)->setText(text);
}

void TextGrid::SetRowCount(int rows) {
    rowCount_ = std::max(rows, 0);
    StoreRows(rowCount_);
    for (int r = 0; r < QTableWidget::rowCount(); ++r)
        if (isRowHidden(r) != (r >= rowCount_)) setRowHidden(r, r >= rowCount_);
}

void TextGrid::SetDefaultRowHeight(int height) {
    rowHeight_ = height;
    verticalHeader()->setDefaultSectionSize(height);
    // Hidden rows keep their own size, which they would show again when the count grows.
    for (int r = 0; r < QTableWidget::rowCount(); ++r)
        if (rowHeight(r) != height) setRowHeight(r, height);
}

void TextGrid::SetDefaultColumnWidth(int width) { horizontalHeader()->setDefaultSectionSize(width); }

void TextGrid::SetBackground(const QColor& colour) {
    QPalette colours = palette();
    if (colours.color(QPalette::Base) == colour) return;
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
}

void TextGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    emit Enter();
}

QModelIndex TextGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    // Tab passes over the fixed column; the number of steps is bounded by one row's cells.
    for (int step = 0; step < columnCount() && next.isValid() && next.column() == 0; ++step) {
        setCurrentIndex(next);
        next = QTableWidget::moveCursor(action, modifiers);
    }
    return next;
}

void TextGrid::keyboardSearch(const QString& /*search*/) {}

void TextGrid::keyPressEvent(QKeyEvent* event) {
    clickEdit_.stop();
    QTableWidget::keyPressEvent(event);
}

void TextGrid::mousePressEvent(QMouseEvent* event) {
    clickEdit_.stop();
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool selected = event->button() == Qt::LeftButton && state() != EditingState && index.isValid() &&
                          selectionModel()->isSelected(index);
    pressedSelected_ = selected ? QPersistentModelIndex(index) : QPersistentModelIndex();
    QTableWidget::mousePressEvent(event);
}

void TextGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableWidget::mouseReleaseEvent(event);
    if (pressedSelected_.isValid() && index == pressedSelected_ && index == currentIndex())
        clickEdit_.start(QApplication::doubleClickInterval(), this);
    pressedSelected_ = QPersistentModelIndex();
}

void TextGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    clickEdit_.stop();
    QTableWidget::mouseDoubleClickEvent(event);
}

void TextGrid::timerEvent(QTimerEvent* event) {
    if (event->timerId() != clickEdit_.timerId()) {
        QTableWidget::timerEvent(event);
        return;
    }
    clickEdit_.stop();
    // Not after the focus went elsewhere, as Ctrl+Tab takes it, which no key press here sees.
    if (hasFocus() && state() != EditingState && currentIndex().isValid()) edit(currentIndex());
}

}  // namespace toolkit
