// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program exactly as main() does, lets the pending events run, and ends.

#include "ProgramWindows.h"
#include "toolkit/Application.h"

#include "movement/MovementState.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    toolkit::SetUpApplication(application);

    movement::MovementState state;
    ProgramWindows windows(state);
    windows.Start();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
