// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QStylePainter>

#include <algorithm>

namespace toolkit {

namespace {

// Room the group box's frame and caption take, as the forms were drawn.
constexpr int CaptionHeight = 14;
constexpr int SideMargin = 8;
constexpr int BottomMargin = 2;
constexpr int CaptionPadding = 2;  // the gap in the frame line either side of the caption

}  // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), columns_(std::max(columns, 1)) {
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        buttons_.append(button);
        connect(button, &QRadioButton::toggled, this, [this, i](bool checked) { ItemToggled(i, checked); });
        NameForReaders(i);
    }
}

void RadioGroup::NameForReaders(int index) {
    // An item's caption alone ("10") says nothing of what it chooses.
    QString caption = title();
    caption.remove(QLatin1Char('&'));
    buttons_[index]->setAccessibleName(caption + QStringLiteral(": ") + buttons_[index]->text());
}

void RadioGroup::SetItemIndex(int index) {
    if (index == itemIndex_) return;
    if (index < 0 || index >= ItemCount()) {
        // An exclusive group cannot uncheck its checked button, so exclusivity is lifted meanwhile.
        itemIndex_ = -1;
        group_->setExclusive(false);
        for (QRadioButton* button : buttons_) button->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    buttons_[index]->setChecked(true);
}

void RadioGroup::RestoreItemIndex(int index) {
    const QSignalBlocker quiet(this);
    SetItemIndex(index);
}

QString RadioGroup::ItemCaption(int index) const {
    return index >= 0 && index < ItemCount() ? buttons_[index]->text() : QString();
}

void RadioGroup::SetItemCaption(int index, const QString& caption) {
    if (index < 0 || index >= ItemCount()) return;
    buttons_[index]->setText(caption);
    NameForReaders(index);
}

void RadioGroup::ItemToggled(int index, bool checked) {
    if (!checked || index == itemIndex_) return;
    itemIndex_ = index;
    emit Click();
}

void RadioGroup::paintEvent(QPaintEvent* /*event*/) {
    // A style's own group box may put its frame under the caption, where the first items stand.
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
    frame.frameShape = QFrame::StyledPanel;
    frame.lineWidth = 1;
    painter.drawPrimitive(QStyle::PE_Frame, frame);

    const int captionWidth = fontMetrics().horizontalAdvance(title()) + 2 * CaptionPadding;
    const QRect caption(SideMargin - CaptionPadding, 0, std::min(captionWidth, width() - SideMargin),
                        fontMetrics().height());
    painter.fillRect(caption, palette().window());
    painter.drawItemText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                         QPalette::WindowText);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    LayOutItems();
}

void RadioGroup::LayOutItems() {
    const int rows = (ItemCount() + columns_ - 1) / columns_;
    if (rows == 0) return;
    const int columnWidth = (width() - 2 * SideMargin) / columns_;
    const int rowHeight = (height() - CaptionHeight - BottomMargin) / rows;
    for (int i = 0; i < ItemCount(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        buttons_[i]->setGeometry(SideMargin + column * columnWidth, CaptionHeight + row * rowHeight, columnWidth,
                                 rowHeight);
    }
}

}  // namespace toolkit
