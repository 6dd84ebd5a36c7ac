// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindow.h"

#include "Application.h"
#include "TextGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>

#include <algorithm>

namespace toolkit {

namespace {

// The forms were drawn with a classic window frame: 4 pixels each side and a 19-pixel caption.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 27;

// The frame the window manager draws round every window of the program, learnt when the first
// window shown gets its frame; until then the forms' own.
struct WindowFrame {
    QMargins margins{FrameWidth / 2, FrameHeight - FrameWidth / 2, FrameWidth / 2, FrameWidth / 2};
    bool learnt = false;
};

WindowFrame& ProgramFrame() {
    static WindowFrame frame;
    return frame;
}

// Where `outer` fits into `available` with the least move; one too large keeps its top left
// corner, and with it the title bar, on the screen.
QPoint FittedTopLeft(const QRect& outer, const QRect& available) {
    const int left = std::max(std::min(outer.left(), available.right() + 1 - outer.width()), available.left());
    const int top = std::max(std::min(outer.top(), available.bottom() + 1 - outer.height()), available.top());
    return {left, top};
}

bool FrameKnown(const QWidget& window) { return window.isVisible() && window.frameGeometry() != window.geometry(); }

// The frame round `window`: its own once the window manager has drawn it, else the program's.
QMargins FrameMarginsOf(const QWidget& window) {
    if (!FrameKnown(window)) return ProgramFrame().margins;
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

ProgramWindow::ProgramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void ProgramWindow::HandOverTo(ProgramWindow& next) {
    hide();
    next.ShowAndActivate();
}

void ProgramWindow::MakeControls() {
    if (controlsMade_) return;
    controlsMade_ = true;
    CreateControlsOnce();
}

void ProgramWindow::ShowAndActivate() {
    MakeControls();
    KeepOnScreen();
    show();
    raise();
    activateWindow();
    FormActivate();
}

void ProgramWindow::SetFormGeometry(int left, int top, int outerWidth, int outerHeight) {
    setFixedSize(outerWidth - FrameWidth, outerHeight - FrameHeight);
    move(left, top);
}

void ProgramWindow::ScrollForm() {
    if (scrolledForm_ != nullptr) return;
    auto* form = new QWidget;
    form->setObjectName(objectName() + QStringLiteral("Form"));
    form->setFixedSize(size());
    for (QObject* child : children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control == nullptr || control->isWindow()) continue;
        const bool shown = !control->isHidden();
        control->setParent(form);  // keeps its place, its tab order and its fonts; hides it
        control->setVisible(shown);
    }
    scrolledForm_ = new QScrollArea(this);
    scrolledForm_->setObjectName(objectName() + QStringLiteral("Scroll"));
    scrolledForm_->setFrameShape(QFrame::NoFrame);
    scrolledForm_->setFocusPolicy(Qt::NoFocus);
    scrolledForm_->setWidget(form);
    scrolledForm_->setGeometry(rect());
    scrolledForm_->show();
    // The window may now be as small as its screen.
    setMinimumSize(0, 0);
    setMaximumSize(form->size());
}

void ProgramWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (scrolledForm_ != nullptr) scrolledForm_->setGeometry(rect());
}

namespace {

// A dialog's own widths give way: lists of choices no longer take their longest item's, and as a
// last resort the layout no longer holds the dialog to its minimum.
void LetDialogShrink(QWidget& dialog, const QSize& room) {
    for (QComboBox* choices : dialog.findChildren<QComboBox*>()) {
        choices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choices->setMinimumContentsLength(24);
    }
    if (QLayout* layout = dialog.layout()) {
        layout->invalidate();
        layout->activate();
        if (QSize(room).expandedTo(dialog.minimumSize()) != room) {
            layout->setSizeConstraint(QLayout::SetNoConstraint);
            dialog.setMinimumSize(dialog.minimumSize().boundedTo(room));
        }
    }
}

class DialogFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog != nullptr && dialog->isWindow())
                FitOnScreen(*dialog);
        return false;
    }
};

}  // namespace

void FitOnScreen(QWidget& window) {
    const QMargins frame = FrameMarginsOf(window);
    // pos() is the frame's top left corner, whether the frame is known yet or not.
    QRect outer(window.pos(), window.size().grownBy(frame));
    QScreen* screen = QGuiApplication::screenAt(outer.topLeft());
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QSize room = available.size().shrunkBy(frame);
    if (window.size().boundedTo(room) != window.size()) {
        if (auto* programWindow = qobject_cast<ProgramWindow*>(&window))
            programWindow->ScrollForm();
        else
            LetDialogShrink(window, room);
        window.resize(window.size().boundedTo(room));
        outer.setSize(window.size().grownBy(frame));
    }
    const QPoint fitted = FittedTopLeft(outer, available);
    if (fitted != outer.topLeft()) window.move(fitted);
}

void FitDialogsOnScreen(QApplication& application) { application.installEventFilter(new DialogFitter(&application)); }

void ProgramWindow::KeepOnScreen() { FitOnScreen(*this); }

void ProgramWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window manager tells the frame only once it has put the first window on the screen;
    // that window is placed again, and every later one before it shows.
    WindowFrame& frame = ProgramFrame();
    if (frame.learnt || !FrameKnown(*this)) return;
    frame.margins = FrameMarginsOf(*this);
    frame.learnt = true;
    KeepOnScreen();
}

void ProgramWindow::keyPressEvent(QKeyEvent* event) {
    // A focused button passes Enter on to its window: outside dialogs Qt's buttons do not take it.
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button != nullptr) {
        // One press, one click: a held key does not repeat it.
        if (!event->isAutoRepeat()) button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CommitPendingInput(QWidget& control) {
    QWidget* window = control.window();
    for (TextGrid* grid : window->findChildren<TextGrid*>()) grid->CommitOpenCell();
    for (QSpinBox* box : window->findChildren<QSpinBox*>()) {
        box->interpretText();
        box->setValue(box->value());  // a text no value matches shows the value again
    }
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
    CommitPendingInput(*this);
    if (titleBarCloseTarget_ == nullptr) {
        event->accept();
        Terminate();
        return;
    }
    event->ignore();
    TitleBarClosed();
    HandOverTo(*titleBarCloseTarget_);
}

}  // namespace toolkit
