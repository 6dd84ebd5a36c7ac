// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListBox.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace toolkit {

namespace {

// Narrower than this, a scroll bar's arrows are no longer arrows.
constexpr int MinScrollBarWidth = 6;

// A vertical scroll bar no wider than its list leaves room for; the list lays its scroll bars
// out by their size hints.
class ListScrollBar : public QScrollBar {
public:
    explicit ListScrollBar(const ListBox& list) : QScrollBar(Qt::Vertical), list_(list) {}

    QSize sizeHint() const override {
        QSize hint = QScrollBar::sizeHint();
        hint.setWidth(std::clamp(list_.RoomBesideLines(), std::min(MinScrollBarWidth, hint.width()), hint.width()));
        return hint;
    }

private:
    const ListBox& list_;
};

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

int ListBox::ItemIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBox::SetItemIndex(int index) {
    if (index < 0 || index >= count())
        clearSelection();
    else
        setCurrentRow(index);
}

QString ListBox::Line(int index) const {
    const QListWidgetItem* line = item(index);
    return line ? line->text() : QString();
}

void ListBox::AddLine(const QString& line) {
    auto* added = new QListWidgetItem(line, this);
    if (itemHeight_ > 0) added->setSizeHint(QSize(0, itemHeight_));
}

void ListBox::SetLines(const QStringList& lines) {
    const int place = currentRow();
    clear();
    for (const QString& line : lines) AddLine(line);
    // Where the keys were, so that Enter on the same line undoes a swap; nothing selected.
    if (place >= 0 && place < count())
        selectionModel()->setCurrentIndex(model()->index(place, 0), QItemSelectionModel::NoUpdate);
}

void ListBox::SetHint(const QString& hint) {
    hint_ = hint;
    SetShowHint(showHint_);
}

void ListBox::SetShowHint(bool show) {
    showHint_ = show;
    setToolTip(show ? hint_ : QString());
}

void ListBox::SetItemHeight(int height) { itemHeight_ = height; }

void ListBox::KeepLinesWhole(const QString& widestLine) {
    widestLine_ = widestLine;
    setVerticalScrollBar(new ListScrollBar(*this));
}

int ListBox::RoomBesideLines() const {
    // Item views leave this margin either side of an item's text.
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return width() - 2 * frameWidth() - fontMetrics().horizontalAdvance(widestLine_) - 2 * textMargin;
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit DblClick();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const bool activates =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (!activates || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || currentRow() < 0) {
        QListWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        SetItemIndex(currentRow());
        emit DblClick();
    }
}

}  // namespace toolkit
