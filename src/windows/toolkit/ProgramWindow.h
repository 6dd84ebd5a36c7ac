// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QApplication;
class QScrollArea;

namespace toolkit {

// A top-level window of the program. Only one is shown at a time: a window hands control to
// another by hiding itself and showing the other, and the window that receives control runs its
// FormActivate. Qt's own activation events are not used, so a closing message box never runs it.
// A window always opens fully on its screen, and Enter presses its focused button.
class ProgramWindow : public QWidget {
    Q_OBJECT

public:
    explicit ProgramWindow(QWidget* parent = nullptr);

    // Hides this window, then shows `next`, which runs its FormActivate.
    void HandOverTo(ProgramWindow& next);

    // Shows this window and runs its FormActivate.
    void ShowAndActivate();

    // Makes the window's controls, once: a window the director has not asked for yet costs the
    // program's start no more than itself (ProgramWindows makes them when a window is first
    // asked for, and showing a window makes them too).
    void MakeControls();

    virtual void FormActivate() {}

    // Where control goes when the director closes this window through its title bar. Without a
    // target, closing the window ends the program.
    void SetTitleBarCloseTarget(ProgramWindow* target) { titleBarCloseTarget_ = target; }

    // Places the window as its form gives it: left and top of the frame, outer width and height.
    // Where the window would not fit on its screen, it is moved onto it when shown.
    void SetFormGeometry(int left, int top, int outerWidth, int outerHeight);

    // For a screen too small for the form: the controls go, at their places, into a form that
    // scrolls inside the window, which may then be smaller than the form. Once, for good.
    void ScrollForm();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Runs before control goes back after the title bar's close box, for a window that must put
    // something back. Nothing is stored.
    virtual void TitleBarClosed() {}

    // The controls of a window that makes them at its first use; nothing for one that makes them
    // as it is made.
    virtual void CreateControlsOnce() {}

private:
    // Moves the window, frame included, onto the available part of the screen it stands on,
    // as little as it takes; a window that fits stays where it is.
    void KeepOnScreen();

    ProgramWindow* titleBarCloseTarget_ = nullptr;
    bool controlsMade_ = false;
    QScrollArea* scrolledForm_ = nullptr;
};

// What the director typed into a control of `control`'s window and has not confirmed yet (a grid's
// open cell, a spin box's text) becomes the control's value, as taking the focus from it would
// make it. Every button of the program (MakeButton), every up-down press and the title bar's
// close box run it first, so that whatever road leaves or acts on a window reads what it shows.
void CommitPendingInput(QWidget& control);

// The one fitting function of every window and dialog: shrinks a window that would not fit whole,
// frame included, into the available area of the screen it opens on, and moves it onto that area
// as little as it takes; a window that fits stays as it is. A program window's form then scrolls
// (ScrollForm); a dialog's lists of choices give up the width of their longest item (a printer's
// long name) and, if that is not enough, its layout its minimum. The program's windows and dialogs
// share one frame, learnt from the first window shown.
void FitOnScreen(QWidget& window);

// Every dialog the program shows, Qt's own among them, is fitted on its screen as it opens.
void FitDialogsOnScreen(QApplication& application);

}  // namespace toolkit
