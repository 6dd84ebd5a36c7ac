// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QStyledItemDelegate>

namespace toolkit {

namespace {

// The cells' editors, watched by their grid; a text too wide for its cell drawn in a smaller font.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TextGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr) editor->installEventFilter(grid_);
        return editor;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int room =
            option->rect.width() - 2 * (option->widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        QFont font = option->font;
        while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(option->text) > room)
            font.setPixelSize(font.pixelSize() - 1);
        option->font = font;
        option->textElideMode = Qt::ElideNone;
    }

private:
    TextGrid* grid_;
};

}  // namespace

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
    setItemDelegate(new CellDelegate(this));
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

void TextGrid::CommitOpenCell() {
    if (state() != EditingState) return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TextGrid::eventFilter(QObject* watched, QEvent* event) {
    // A click into an open cell places no cursor in its text: the next key replaces the whole.
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick) {
        if (auto* editor = qobject_cast<QLineEdit*>(watched)) {
            static_cast<QObject*>(editor)->event(event);  // the editor's own handling first
            editor->selectAll();
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

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
