// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoBox.h"

#include <QTextBlock>
#include <QTextCursor>

namespace toolkit {

void MemoBox::StartLineAtParentTop(int line) {
    lineAtParentTop_ = line;
    if (isVisible()) PlaceText();
}

// Placed when shown, when the font is loaded and the lines are there.
void MemoBox::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    PlaceText();
}

void MemoBox::PlaceText() {
    if (lineAtParentTop_ < 0) return;
    const QTextBlock block = document()->findBlockByNumber(lineAtParentTop_);
    if (!block.isValid()) return;
    // The line's place in the viewport does not depend on where the viewport stands.
    const int lineTop = cursorRect(QTextCursor(block)).top();
    setViewportMargins(0, -(y() + frameWidth() + lineTop), 0, 0);
}

}  // namespace toolkit
