#include "ListBox.h"

namespace toolkit {

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
    clear();
    for (const QString& line : lines) AddLine(line);
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

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit DblClick();
}

}  // namespace toolkit
