// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindow.h"

#include "Application.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

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

void FitOnScreen(QWidget& window) {
    const QMargins frame = FrameMarginsOf(window);
    // pos() is the frame's top left corner, whether the frame is known yet or not.
    QRect outer(window.pos(), window.size().grownBy(frame));
    QScreen* screen = QGuiApplication::screenAt(outer.topLeft());
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    // A window of a fixed size keeps it.
    const QSize fitting = window.size().boundedTo(available.size().shrunkBy(frame));
    if (fitting != window.size()) {
        window.resize(fitting);
        outer.setSize(window.size().grownBy(frame));
    }
    const QPoint fitted = FittedTopLeft(outer, available);
    if (fitted != outer.topLeft()) window.move(fitted);
}

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

void ProgramWindow::closeEvent(QCloseEvent* event) {
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
