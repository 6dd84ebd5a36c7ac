// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpDown.h"

#include "ProgramWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolButton>

#include <algorithm>
#include <cstdint>

namespace toolkit {

namespace {

// The style's focus frame, drawn over the arrows: they fill the whole control and never take the
// focus themselves.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        option.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)), focusFrame_(new FocusFrame(this)) {
    setFocusPolicy(Qt::StrongFocus);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &UpDown::PressUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::PressDown);
}

void UpDown::SetPosition(int position) {
    position_ = position;
    TellReaders();
    emit Changing(position_);
}

void UpDown::SetReaderCaption(const QString& caption) {
    readerCaption_ = caption;
    TellReaders();
}

void UpDown::TellReaders() {
    if (!readerCaption_.isEmpty())
        setAccessibleName(readerCaption_ + QStringLiteral(": ") + QString::number(position_));
}

void UpDown::PressUp() { Press(+1); }
void UpDown::PressDown() { Press(-1); }

void UpDown::Press(int direction) {
    // Its arrows take no focus: what is open elsewhere in the window is taken first.
    CommitPendingInput(*this);
    // A press moves at most to the limit it points at; at the limit it changes nothing.
    const int64_t wanted = int64_t{position_} + int64_t{direction} * increment_;
    int next = position_;
    if (direction > 0 && position_ < max_) next = static_cast<int>(std::min<int64_t>(wanted, max_));
    if (direction < 0 && position_ > min_) next = static_cast<int>(std::max<int64_t>(wanted, min_));
    const bool changed = next != position_;
    position_ = next;
    TellReaders();
    emit Changing(position_);
    if (changed) emit Click();
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        PressUp();
    else if (event->key() == Qt::Key_Down)
        PressDown();
    else
        QWidget::keyPressEvent(event);
}

void UpDown::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    focusFrame_->show();
}

void UpDown::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focusFrame_->hide();
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
    focusFrame_->setGeometry(rect());
    focusFrame_->raise();
}

}  // namespace toolkit
