#include "ProgramWindow.h"

#include "Application.h"

#include <QCloseEvent>

namespace toolkit {

namespace {

// The forms were drawn with a classic window frame: 4 pixels each side and a 19-pixel caption.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 27;

}  // namespace

ProgramWindow::ProgramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void ProgramWindow::HandOverTo(ProgramWindow& next) {
    hide();
    next.ShowAndActivate();
}

void ProgramWindow::ShowAndActivate() {
    show();
    raise();
    activateWindow();
    FormActivate();
}

void ProgramWindow::SetFormGeometry(int left, int top, int outerWidth, int outerHeight) {
    setFixedSize(outerWidth - FrameWidth, outerHeight - FrameHeight);
    move(left, top);
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
